// TPgTable: one table, read in its key's order and written by key with a check that the row
// is still as this user read it.
#include <libpq-fe.h>

#include <algorithm>

#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgDataSet.h"
#include "platform/db/postgres/PgValues.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TPgTable::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TPgTable>("TPgTable")
            .String("TableName", &TPgTable::GetTableName, &TPgTable::SetTableName)
            .String("IndexFieldNames", &TPgTable::GetIndexFieldNames, &TPgTable::SetIndexFieldNames)
            .String("VersionField", &TPgTable::GetVersionField, &TPgTable::SetVersionField)
            .Boolean("ReadOnly", &TPgTable::GetReadOnly, &TPgTable::SetReadOnly)
            .Publish("Active")
            .Build();
    return info;
}

TPgTable::TPgTable(TComponent* AOwner) : TPgDataSet(AOwner) {}

TPgTable::~TPgTable() {
    try {
        Close();
    } catch (...) {
        // Closing only lets go of the cursor; the server drops it with the session anyway.
    }
}

void TPgTable::SetTableName(const std::string& Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_tableName = Value;
}

void TPgTable::SetIndexFieldNames(const std::string& Value) {
    m_indexFieldNames = Value;
    if (GetActive()) Refresh();
}

void TPgTable::SetReadOnly(bool Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_readOnly = Value;
}

void TPgTable::SetVersionField(const std::string& Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_versionField = Value;
}

bool TPgTable::InternalCanModify() const {
    return !m_readOnly && !m_columns.empty() &&
           std::any_of(m_columns.begin(), m_columns.end(), [](const TColumn& c) { return c.Key; });
}

void TPgTable::ReadCatalogue() {
    TPgConnection& database = CheckDatabase();
    // The name is looked up, never pasted: only a table the catalogue lists is opened.
    TPgResult table = database.Read(
        "SELECT c.oid, quote_ident(n.nspname) || '.' || quote_ident(c.relname) FROM pg_class c "
        "JOIN pg_namespace n ON n.oid = c.relnamespace WHERE c.oid = to_regclass($1) "
        "AND c.relkind IN ('r', 'p', 'v', 'm', 'f')",
        {{m_tableName, false}});
    if (PQntuples(table.get()) == 0) DatabaseError("Table '" + m_tableName + "' does not exist");
    const std::string oid = PQgetvalue(table.get(), 0, 0);
    m_quotedTable = PQgetvalue(table.get(), 0, 1);
    TPgResult columns = database.Read(
        "SELECT a.attname, a.attnotnull AND NOT a.atthasdef AND a.attidentity = '', "
        "a.attgenerated = '', COALESCE(a.attnum = ANY(i.indkey), false) FROM pg_attribute a "
        "LEFT JOIN pg_index i ON i.indrelid = a.attrelid AND i.indisprimary "
        "WHERE a.attrelid = $1::oid AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum",
        {{oid, false}});
    m_columns.clear();
    for (int r = 0; r < PQntuples(columns.get()); ++r) {
        TColumn column;
        column.Name = PQgetvalue(columns.get(), r, 0);
        column.Required = PQgetvalue(columns.get(), r, 1)[0] == 't';
        column.Writable = PQgetvalue(columns.get(), r, 2)[0] == 't';
        column.Key = PQgetvalue(columns.get(), r, 3)[0] == 't';
        m_columns.push_back(column);
    }
}

std::string TPgTable::ColumnList() const {
    std::string list;
    for (const TColumn& column : m_columns) list += (list.empty() ? "" : ", ") + PgQuoteIdentifier(column.Name);
    return list;
}

void TPgTable::InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) {
    ReadCatalogue();
    auto find = [&](const std::string& name) {
        auto it = std::find_if(m_columns.begin(), m_columns.end(),
                               [&](const TColumn& c) { return SameText(c.Name, name); });
        if (it == m_columns.end()) DatabaseError(dbmsg::FieldNotFound(name));
        return static_cast<int>(it - m_columns.begin());
    };
    std::string order;
    for (const std::string& name : SplitFieldNames(m_indexFieldNames))
        order += (order.empty() ? "" : ", ") + PgQuoteIdentifier(m_columns[static_cast<std::size_t>(find(name))].Name);
    // The key ends the order, so that rows with equal sort values keep their places.
    m_keyColumn = -1;
    int keys = 0;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_columns[i].Key) continue;
        order += (order.empty() ? "" : ", ") + PgQuoteIdentifier(m_columns[i].Name);
        m_keyColumn = static_cast<int>(i);
        ++keys;
    }
    if (keys != 1) m_keyColumn = -1;
    m_versionColumn = m_versionField.empty() ? -1 : find(m_versionField);
    std::string sql = "SELECT " + ColumnList() + " FROM " + m_quotedTable;
    if (!order.empty()) sql += " ORDER BY " + order;
    OpenResult(sql, {}, Defs, Records);
    for (std::size_t i = 0; i < Defs.size() && i < m_columns.size(); ++i)
        Defs[i].Required = m_columns[i].Required;
    // Only an integer key identifies a record across reads; others are counted by position.
    if (m_keyColumn >= 0 && Defs[static_cast<std::size_t>(m_keyColumn)].DataType != ftInteger &&
        Defs[static_cast<std::size_t>(m_keyColumn)].DataType != ftLargeint)
        m_keyColumn = -1;
}

TPgParam TPgTable::Param(std::size_t Column, const Variant& Value) const {
    return {Value, PgIsBinary(FieldDefs()[Column].DataType)};
}

// Types whose values compare exactly by the text or bytes this set read; others (json,
// geometric types) compare as text.
static bool ComparesTyped(unsigned Oid) {
    static const unsigned typed[] = {16, 17, 18, 19, 20, 21, 23, 25, 26, 700, 701, 1042,
                                     1043, 1082, 1083, 1114, 1184, 1266, 1700, 2950};
    return std::find(std::begin(typed), std::end(typed), Oid) != std::end(typed);
}

std::string TPgTable::RowCheck(const TRecordData& Old, std::vector<TPgParam>& Params) const {
    std::string where;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const bool check = m_columns[i].Key ||
                           (m_versionColumn >= 0 ? static_cast<int>(i) == m_versionColumn : true);
        if (!check) continue;
        const std::string column = PgQuoteIdentifier(m_columns[i].Name);
        if (!where.empty()) where += " AND ";
        if (Old.Values[i].IsNull()) {
            where += column + " IS NULL";
            continue;
        }
        Params.push_back(Param(i, Old.Values[i]));
        const std::string mark = "$" + std::to_string(Params.size());
        if (ComparesTyped(ColumnTypes()[i]))
            where += column + " = " + mark;
        else
            where += column + "::text = " + mark + "::text";
    }
    return where;
}

bool TPgTable::RowStillThere(const TRecordData& Old) {
    std::vector<TPgParam> params;
    std::string where;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_columns[i].Key) continue;
        params.push_back(Param(i, Old.Values[i]));
        where += (where.empty() ? "" : " AND ") + PgQuoteIdentifier(m_columns[i].Name) + " = $" +
                 std::to_string(params.size());
    }
    TPgResult found = CheckDatabase().Execute("SELECT 1 FROM " + m_quotedTable + " WHERE " + where, params);
    return PQntuples(found.get()) > 0;
}

bool TPgTable::InternalPost(TRecordData& Record, bool Inserting) {
    TPgConnection& database = CheckDatabase();
    std::vector<TPgParam> params;
    std::string sql;
    if (Inserting) {
        std::string names, marks;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (Record.Values[i].IsNull() || !m_columns[i].Writable) continue;  // its default applies
            params.push_back(Param(i, Record.Values[i]));
            names += (names.empty() ? "" : ", ") + PgQuoteIdentifier(m_columns[i].Name);
            marks += (marks.empty() ? "$" : ", $") + std::to_string(params.size());
        }
        sql = "INSERT INTO " + m_quotedTable +
              (params.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + marks + ")");
    } else {
        const TRecordData* old = OldRecord();
        if (!old) DatabaseError(dbmsg::NotEditing);
        std::string sets;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (!m_columns[i].Writable) continue;
            sets += sets.empty() ? "" : ", ";
            sets += PgQuoteIdentifier(m_columns[i].Name) + " = ";
            if (static_cast<int>(i) == m_versionColumn) {
                sets += PgQuoteIdentifier(m_columns[i].Name) + " + 1";
                continue;
            }
            params.push_back(Param(i, Record.Values[i]));
            sets += "$" + std::to_string(params.size());
        }
        sql = "UPDATE " + m_quotedTable + " SET " + sets + " WHERE " + RowCheck(*old, params);
    }
    TPgResult result = database.Execute(sql + " RETURNING " + ColumnList(), params);
    if (PQntuples(result.get()) == 0 && Inserting)
        DatabaseError("The database did not store the record (a rule or trigger refused it)");
    if (PQntuples(result.get()) == 0) {
        // Nothing matched: another user changed or deleted the row since it was read. The
        // edit stays for the user to keep or cancel.
        DatabaseError(RowStillThere(*OldRecord()) ? kRecordChangedByAnotherUser
                                                  : kRecordDeletedByAnotherUser);
    }
    // What the database stored: defaults, generated values, its spelling of each value.
    const std::int64_t key = Record.Key;
    ReadRow(result, 0, 0, Record);
    if (m_keyColumn < 0) Record.Key = Inserting ? --m_insertedKey : key;
    ResultChanged(Inserting ? 1 : 0);
    return true;
}

bool TPgTable::InternalDelete(const TRecordData& Record) {
    std::vector<TPgParam> params;
    const std::string where = RowCheck(Record, params);
    TPgResult result = CheckDatabase().Execute("DELETE FROM " + m_quotedTable + " WHERE " + where, params);
    if (TPgSession::Affected(result) == 0) {
        if (RowStillThere(Record)) DatabaseError(kRecordChangedByAnotherUser);
        return false;
    }
    ResultChanged(-1);
    return true;
}
