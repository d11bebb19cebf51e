// TPgQuery: the rows of a SELECT statement with named parameters.
#include <libpq-fe.h>

#include <algorithm>
#include <cctype>

#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgDataSet.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TPgQuery::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPgQuery>("TPgQuery")
                                       .String("SQL", &TPgQuery::GetSQL, &TPgQuery::SetSQL)
                                       .Publish("Active")
                                       .Build();
    return info;
}

TPgQuery::TPgQuery(TComponent* AOwner) : TPgDataSet(AOwner) {}

TPgQuery::~TPgQuery() {
    try {
        Close();
    } catch (...) {
        // As for the table: closing lets go of the cursor only.
    }
}

void TPgQuery::SetSQL(const std::string& Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    std::vector<std::string> names;
    m_serverSql = PgNumberParameters(Value, names);
    // Values of names the new statement still uses are kept.
    std::vector<Variant> values(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) values[i] = GetParamValue(names[i]);
    m_sql = Value;
    m_paramNames = std::move(names);
    m_paramValues = std::move(values);
}

static std::size_t FindName(const std::vector<std::string>& Names, const std::string& Name) {
    return static_cast<std::size_t>(
        std::find_if(Names.begin(), Names.end(), [&](const std::string& n) { return SameText(n, Name); }) -
        Names.begin());
}

void TPgQuery::SetParamValue(const std::string& Name, const Variant& Value) {
    const std::size_t i = FindName(m_paramNames, Name);
    if (i == m_paramNames.size()) DatabaseError("Parameter '" + Name + "' not found");
    m_paramValues[i] = Value;
}

Variant TPgQuery::GetParamValue(const std::string& Name) const {
    const std::size_t i = FindName(m_paramNames, Name);
    return i < m_paramValues.size() ? m_paramValues[i] : Variant();
}

void TPgQuery::InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) {
    if (m_serverSql.empty()) DatabaseError("The query has no statement");
    std::vector<TPgParam> params;
    for (const Variant& value : m_paramValues) params.push_back({value, false});
    // Only a statement that reads can stand behind a cursor; the server refuses others.
    OpenResult(m_serverSql, params, Defs, Records);
}

bool TPgQuery::InternalPost(TRecordData&, bool) {
    DatabaseError(dbmsg::DataSetReadOnly);
}

bool TPgQuery::InternalDelete(const TRecordData&) {
    DatabaseError(dbmsg::DataSetReadOnly);
}

std::string PgNumberParameters(const std::string& Sql, std::vector<std::string>& Names) {
    std::string out;
    const std::size_t n = Sql.size();
    auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (std::size_t i = 0; i < n;) {
        const char c = Sql[i];
        if (c == '\'' || c == '"') {
            // A literal or a quoted name runs to its closing quote; a doubled quote stays in.
            std::size_t end = i + 1;
            while (end < n && !(Sql[end] == c && (end + 1 >= n || Sql[end + 1] != c)))
                end += Sql[end] == c ? 2 : 1;
            end = std::min(end + 1, n);
            out.append(Sql, i, end - i);
            i = end;
        } else if (c == '-' && i + 1 < n && Sql[i + 1] == '-') {
            const std::size_t end = std::min(Sql.find('\n', i), n);
            out.append(Sql, i, end - i);
            i = end;
        } else if (c == ':' && i + 1 < n && Sql[i + 1] == ':') {
            out += "::";  // a cast
            i += 2;
        } else if (c == ':' && i + 1 < n && isName(Sql[i + 1]) &&
                   !std::isdigit(static_cast<unsigned char>(Sql[i + 1]))) {
            std::size_t end = i + 1;
            while (end < n && isName(Sql[end])) ++end;
            const std::string name = Sql.substr(i + 1, end - i - 1);
            std::size_t index = FindName(Names, name);
            if (index == Names.size()) Names.push_back(name);
            out += "$" + std::to_string(index + 1);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
