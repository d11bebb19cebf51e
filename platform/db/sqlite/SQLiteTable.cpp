// TSQLiteTable: one table, read by its row key and written with parameterised statements.
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
    return !m_readOnly && !m_rowKey.empty() && GetDatabase() && GetDatabase()->IsWritable();
}

namespace {

bool Prepares(sqlite3* Db, const std::string& Sql) {
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(Db, Sql.c_str(), -1, &stmt, nullptr);
    sqlite3_finalize(stmt);
    return rc == SQLITE_OK;
}

// How a row is found again. A column may be named rowid, _rowid_ or oid, and then that name
// reads the column, not the row id: the first of the three that no column takes is used,
// and only when the table has a row id at all (not WITHOUT ROWID). Failing that, an
// INTEGER PRIMARY KEY column. Empty when neither: such a table can only be read.
std::string FindRowKey(sqlite3* Db, const std::string& Table, const std::vector<TFieldDef>& Defs,
                       const std::string& IntegerKey) {
    for (const char* name : {"rowid", "_rowid_", "oid"}) {
        const bool taken = std::any_of(Defs.begin(), Defs.end(), [&](const TFieldDef& def) {
            return SameText(def.Name, name);
        });
        if (!taken && Prepares(Db, std::string("SELECT ") + name + " FROM " +
                                       QuoteIdentifier(Table) + " LIMIT 0"))
            return name;
    }
    return IntegerKey.empty() ? std::string() : QuoteIdentifier(IntegerKey);
}

// A change made in a savepoint of its own, so that it can be taken back whole.
class TChangeSavepoint {
public:
    explicit TChangeSavepoint(sqlite3* Db)
        : m_db(Db), m_outermost(sqlite3_get_autocommit(Db) != 0) {
        Exec("SAVEPOINT qv_change");
    }
    ~TChangeSavepoint() {
        if (m_open) Undo();
    }
    void Commit() {
        const int rc = sqlite3_exec(m_db, "RELEASE qv_change", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            Undo();
            SQLiteError(nullptr, rc);
        }
        m_open = false;
    }
    void Undo() {
        m_open = false;
        // A transaction this savepoint began ends whole; one the caller began keeps the rest.
        if (m_outermost && sqlite3_get_autocommit(m_db) == 0)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        else
            sqlite3_exec(m_db, "ROLLBACK TO qv_change; RELEASE qv_change", nullptr, nullptr,
                         nullptr);
    }

private:
    void Exec(const char* Sql) {
        const int rc = sqlite3_exec(m_db, Sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) SQLiteError(m_db, rc);
    }

    sqlite3* m_db;
    bool m_outermost;
    bool m_open = true;
};

// Steps an UPDATE or DELETE of one key's row. A change of any other number of rows than one
// means the key did not pick one row: more are taken back and raised; none answers false.
// Returned takes the first column of a RETURNING clause.
bool ChangeOneRow(sqlite3* Db, TSQLiteStatement& Stmt, const std::string& Table,
                  std::int64_t* Returned) {
    TChangeSavepoint savepoint(Db);
    while (Stmt.Step())
        if (Returned) *Returned = Stmt.ColumnInt64(0);
    const int changed = sqlite3_changes(Db);
    if (changed > 1) {
        savepoint.Undo();
        DatabaseError("The change would have changed " + std::to_string(changed) +
                      " rows of table '" + Table + "' instead of one; nothing was changed");
    }
    savepoint.Commit();
    return changed == 1;
}

bool IsBlobType(TFieldType Type) {
    return Type == ftBlob || Type == ftGraphic;
}

}  // namespace

std::string TSQLiteTable::SelectSql(const std::vector<TFieldDef>& Defs) const {
    // The key comes first, when there is one.
    std::string columns = m_rowKey;
    for (const TFieldDef& def : Defs)
        columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(def.Name);
    return "SELECT " + columns + " FROM " + QuoteIdentifier(m_tableName);
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
    std::string integerKey;
    int keyColumns = 0;
    {
        TSQLiteStatement stmt(db, "SELECT name, type, \"notnull\", dflt_value, pk FROM "
                                  "pragma_table_info(?)");
        stmt.Bind(1, table, false);
        while (stmt.Step()) {
            TFieldDef def;
            def.Name = stmt.Column(0).ToString();
            def.DataType = FieldTypeFromDeclaration(stmt.Column(1).ToString(), def.Size);
            const bool integerPrimaryKey = stmt.ColumnInt64(4) != 0 &&
                                           SameText(stmt.Column(1).ToString(), "INTEGER");
            if (stmt.ColumnInt64(4) != 0) ++keyColumns;
            if (integerPrimaryKey) integerKey = def.Name;
            def.Required =
                stmt.ColumnInt64(2) != 0 && stmt.Column(3).IsNull() && !integerPrimaryKey;
            Defs.push_back(def);
        }
    }
    if (keyColumns != 1) integerKey.clear();
    m_rowKey = FindRowKey(db, table, Defs, integerKey);
    std::string order;
    for (const std::string& name : SplitFieldNames(m_indexFieldNames)) {
        auto it = std::find_if(Defs.begin(), Defs.end(),
                               [&](const TFieldDef& def) { return SameText(def.Name, name); });
        if (it == Defs.end()) DatabaseError(dbmsg::FieldNotFound(name));
        order += (order.empty() ? "" : ", ") + QuoteIdentifier(it->Name);
    }
    if (!m_rowKey.empty()) order += (order.empty() ? "" : ", ") + m_rowKey;
    TSQLiteStatement stmt(db, SelectSql(Defs) + (order.empty() ? "" : " ORDER BY " + order));
    ReadRows(stmt, !m_rowKey.empty(), Records);
}

bool TSQLiteTable::ReadRecord(TRecordData& Record) {
    TSQLiteStatement stmt(GetDatabase()->Handle(),
                          SelectSql(FieldDefs()) + " WHERE " + m_rowKey + " = ?");
    stmt.Bind(1, Record.Key, false);
    std::vector<TRecordData> rows;
    ReadRows(stmt, true, rows);
    if (rows.empty()) return false;
    Record = std::move(rows.front());
    return true;
}

bool TSQLiteTable::InternalPost(TRecordData& Record, bool Inserting) {
    sqlite3* db = CheckDatabase().Handle();
    if (m_rowKey.empty()) DatabaseError(dbmsg::DataSetReadOnly);
    // Every value goes to the column of its own name; a record of another shape is refused.
    const std::vector<TFieldDef>& defs = FieldDefs();
    if (Record.Values.size() != defs.size())
        DatabaseError("The record does not match the columns of table '" + m_tableName + "'");
    if (Inserting) {
        std::string names, marks;
        std::vector<std::size_t> bound;
        for (std::size_t i = 0; i < defs.size(); ++i) {
            if (Record.Values[i].IsNull()) continue;  // the column's default applies
            if (!bound.empty()) names += ", ";
            names += QuoteIdentifier(defs[i].Name);
            marks += bound.empty() ? "?" : ", ?";
            bound.push_back(i);
        }
        std::string sql = "INSERT INTO " + QuoteIdentifier(m_tableName) +
                          (bound.empty() ? " DEFAULT VALUES"
                                         : " (" + names + ") VALUES (" + marks + ")") +
                          " RETURNING " + m_rowKey;
        TSQLiteStatement stmt(db, sql);
        for (std::size_t b = 0; b < bound.size(); ++b)
            stmt.Bind(static_cast<int>(b) + 1, Record.Values[bound[b]],
                      IsBlobType(defs[bound[b]].DataType));
        while (stmt.Step()) Record.Key = stmt.ColumnInt64(0);
    } else {
        std::string sql = "UPDATE " + QuoteIdentifier(m_tableName) + " SET";
        for (std::size_t i = 0; i < defs.size(); ++i)
            sql += (i ? ", " : " ") + QuoteIdentifier(defs[i].Name) + " = ?";
        // Changing an INTEGER PRIMARY KEY column changes the key itself.
        sql += " WHERE " + m_rowKey + " = ? RETURNING " + m_rowKey;
        TSQLiteStatement stmt(db, sql);
        for (std::size_t i = 0; i < defs.size(); ++i)
            stmt.Bind(static_cast<int>(i) + 1, Record.Values[i], IsBlobType(defs[i].DataType));
        stmt.Bind(static_cast<int>(defs.size()) + 1, Record.Key, false);
        if (!ChangeOneRow(db, stmt, m_tableName, &Record.Key)) return false;
    }
    // Read back what the database stored: defaults, and values in the column's affinity.
    return ReadRecord(Record) || Inserting;
}

bool TSQLiteTable::InternalDelete(const TRecordData& Record) {
    sqlite3* db = CheckDatabase().Handle();
    if (m_rowKey.empty()) DatabaseError(dbmsg::DataSetReadOnly);
    TSQLiteStatement stmt(db, "DELETE FROM " + QuoteIdentifier(m_tableName) + " WHERE " +
                                  m_rowKey + " = ?");
    stmt.Bind(1, Record.Key, false);
    return ChangeOneRow(db, stmt, m_tableName, nullptr);
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
