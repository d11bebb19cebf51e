// TSQLiteTable: one table, read by row id and written with parameterised statements.
#include <sqlite3.h>

#include <algorithm>

#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/db/sqlite/SQLiteStatement.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TSQLiteTable::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TSQLiteTable>("TSQLiteTable")
            .String("TableName", &TSQLiteTable::GetTableName, &TSQLiteTable::SetTableName)
            .String("IndexFieldNames", &TSQLiteTable::GetIndexFieldNames,
                    &TSQLiteTable::SetIndexFieldNames)
            .Boolean("ReadOnly", &TSQLiteTable::GetReadOnly, &TSQLiteTable::SetReadOnly)
            .Publish("Active")
            .Build();
    return info;
}

TSQLiteTable::TSQLiteTable(TComponent* AOwner) : TSQLiteDataSet(AOwner) {}

TSQLiteTable::~TSQLiteTable() {
    try {
        Close();
    } catch (...) {
        // Closing only lets go of memory; nothing is lost by ignoring a handler's error here.
    }
}

void TSQLiteTable::SetTableName(const std::string& Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_tableName = Value;
}

void TSQLiteTable::SetIndexFieldNames(const std::string& Value) {
    m_indexFieldNames = Value;
    if (GetActive()) Refresh();
}

void TSQLiteTable::SetReadOnly(bool Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_readOnly = Value;
}

bool TSQLiteTable::InternalCanModify() const {
    return !m_readOnly && GetDatabase() && GetDatabase()->IsWritable();
}

std::string TSQLiteTable::SelectSql() const {
    std::string sql = "SELECT rowid";
    for (const std::string& column : m_columns) sql += ", " + QuoteIdentifier(column);
    return sql + " FROM " + QuoteIdentifier(m_tableName);
}

void TSQLiteTable::InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) {
    TSQLiteDatabase& database = CheckDatabase();
    sqlite3* db = database.Handle();
    // The name is looked up, never pasted: only a table the schema lists is opened.
    std::string table;
    {
        TSQLiteStatement stmt(db, "SELECT name FROM sqlite_master WHERE type='table' AND "
                                  "name = ? COLLATE NOCASE");
        stmt.Bind(1, m_tableName, false);
        if (!stmt.Step()) DatabaseError("Table '" + m_tableName + "' does not exist");
        table = stmt.Column(0).ToString();
    }
    m_tableName = table;
    m_columns.clear();
    {
        TSQLiteStatement stmt(db, "SELECT name, type, \"notnull\", dflt_value, pk FROM "
                                  "pragma_table_info(?)");
        stmt.Bind(1, table, false);
        while (stmt.Step()) {
            TFieldDef def;
            def.Name = stmt.Column(0).ToString();
            def.DataType = FieldTypeFromDeclaration(stmt.Column(1).ToString(), def.Size);
            const bool rowidAlias = stmt.ColumnInt64(4) != 0 &&
                                    SameText(stmt.Column(1).ToString(), "INTEGER");
            def.Required = stmt.ColumnInt64(2) != 0 && stmt.Column(3).IsNull() && !rowidAlias;
            m_columns.push_back(def.Name);
            Defs.push_back(def);
        }
    }
    std::string order;
    for (const std::string& name : SplitFieldNames(m_indexFieldNames)) {
        auto it = std::find_if(m_columns.begin(), m_columns.end(),
                               [&](const std::string& c) { return SameText(c, name); });
        if (it == m_columns.end()) DatabaseError(dbmsg::FieldNotFound(name));
        order += QuoteIdentifier(*it) + ", ";
    }
    TSQLiteStatement stmt(db, SelectSql() + " ORDER BY " + order + "rowid");
    ReadRows(stmt, true, Records);
}

bool TSQLiteTable::ReadRecord(TRecordData& Record) {
    TSQLiteStatement stmt(GetDatabase()->Handle(), SelectSql() + " WHERE rowid = ?");
    stmt.Bind(1, Record.Key, false);
    std::vector<TRecordData> rows;
    ReadRows(stmt, true, rows);
    if (rows.empty()) return false;
    Record = std::move(rows.front());
    return true;
}

static bool IsBlobType(TFieldType Type) {
    return Type == ftBlob || Type == ftGraphic;
}

bool TSQLiteTable::InternalPost(TRecordData& Record, bool Inserting) {
    sqlite3* db = CheckDatabase().Handle();
    const auto& defs = FieldDefs();
    if (Inserting) {
        std::string names, marks;
        std::vector<std::size_t> bound;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (Record.Values[i].IsNull()) continue;  // the column's default applies
            if (!bound.empty()) names += ", ";
            names += QuoteIdentifier(m_columns[i]);
            marks += bound.empty() ? "?" : ", ?";
            bound.push_back(i);
        }
        std::string sql = "INSERT INTO " + QuoteIdentifier(m_tableName) +
                          (bound.empty() ? " DEFAULT VALUES"
                                         : " (" + names + ") VALUES (" + marks + ")");
        TSQLiteStatement stmt(db, sql);
        for (std::size_t b = 0; b < bound.size(); ++b)
            stmt.Bind(static_cast<int>(b) + 1, Record.Values[bound[b]],
                      IsBlobType(defs[bound[b]].DataType));
        stmt.Step();
        Record.Key = sqlite3_last_insert_rowid(db);
    } else {
        std::string sql = "UPDATE " + QuoteIdentifier(m_tableName) + " SET";
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            sql += (i ? ", " : " ") + QuoteIdentifier(m_columns[i]) + " = ?";
        sql += " WHERE rowid = ? RETURNING rowid";
        TSQLiteStatement stmt(db, sql);
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            stmt.Bind(static_cast<int>(i) + 1, Record.Values[i], IsBlobType(defs[i].DataType));
        stmt.Bind(static_cast<int>(m_columns.size()) + 1, Record.Key, false);
        if (!stmt.Step()) return false;
        // Changing an INTEGER PRIMARY KEY column changes the row id itself.
        Record.Key = stmt.ColumnInt64(0);
        while (stmt.Step()) {
        }
    }
    // Read back what the database stored: defaults, and values in the column's affinity.
    return ReadRecord(Record) || Inserting;
}

bool TSQLiteTable::InternalDelete(const TRecordData& Record) {
    sqlite3* db = CheckDatabase().Handle();
    TSQLiteStatement stmt(db, "DELETE FROM " + QuoteIdentifier(m_tableName) + " WHERE rowid = ?");
    stmt.Bind(1, Record.Key, false);
    stmt.Step();
    return sqlite3_changes(db) > 0;
}

// TSQLiteQuery

const TClassInfo& TSQLiteQuery::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TSQLiteQuery>("TSQLiteQuery")
            .String("SQL", &TSQLiteQuery::GetSQL, &TSQLiteQuery::SetSQL)
            .Publish("Active")
            .Build();
    return info;
}

TSQLiteQuery::TSQLiteQuery(TComponent* AOwner) : TSQLiteDataSet(AOwner) {}

TSQLiteQuery::~TSQLiteQuery() {
    try {
        Close();
    } catch (...) {
        // As for the table: closing frees memory only.
    }
}

void TSQLiteQuery::SetSQL(const std::string& Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_sql = Value;
}

void TSQLiteQuery::InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) {
    TSQLiteDatabase& database = CheckDatabase();
    TSQLiteStatement stmt(database.Handle(), m_sql);
    if (!stmt.IsReadOnly()) DatabaseError("Only a statement that reads can be opened as a query");
    ReadRows(stmt, false, Records);
    for (int c = 0; c < stmt.ColumnCount(); ++c) {
        TFieldDef def;
        def.Name = stmt.ColumnName(c);
        std::string declared = stmt.ColumnDeclType(c);
        if (!declared.empty()) {
            def.DataType = FieldTypeFromDeclaration(declared, def.Size);
        } else {
            // An expression: the type of its first non-null value.
            def.DataType = ftString;
            for (const TRecordData& r : Records) {
                const Variant& v = r.Values[static_cast<std::size_t>(c)];
                if (v.IsNull()) continue;
                def.DataType = v.IsInteger() ? ftLargeint : v.IsFloat() ? ftFloat : ftString;
                break;
            }
        }
        // Text read for showing: a string field as wide as the longest value.
        if (def.DataType == ftMemo || def.DataType == ftString) {
            def.DataType = ftString;
            std::size_t longest = 1;
            for (const TRecordData& r : Records)
                longest = std::max(longest, r.Values[static_cast<std::size_t>(c)].ToString().size());
            def.Size = static_cast<int>(longest);
        }
        Defs.push_back(def);
    }
}

bool TSQLiteQuery::InternalPost(TRecordData&, bool) {
    DatabaseError(dbmsg::DataSetReadOnly);
}

bool TSQLiteQuery::InternalDelete(const TRecordData&) {
    DatabaseError(dbmsg::DataSetReadOnly);
}
