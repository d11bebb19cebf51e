#include "platform/db/sqlite/SQLiteStatement.h"

#include <sqlite3.h>

#include "platform/db/DBError.h"

void SQLiteError(sqlite3* Db, int Code) {
    std::string message = Db ? sqlite3_errmsg(Db) : sqlite3_errstr(Code);
    const int primary = Code & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        message = "The database file is damaged or not a database (" + message + ")";
    else if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        message = "The database is locked by another program (" + message + ")";
    else if (primary == SQLITE_FULL)
        message = "The disk is full: the change was not saved (" + message + ")";
    else if (primary == SQLITE_READONLY)
        message = "The database is read-only (" + message + ")";
    throw EDatabaseError(message);
}

std::string QuoteIdentifier(const std::string& Name) {
    std::string quoted = "\"";
    for (char c : Name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

TSQLiteStatement::TSQLiteStatement(sqlite3* Db, const std::string& Sql) : m_db(Db) {
    if (!Db) DatabaseError("The database is not connected");
    const int rc = sqlite3_prepare_v2(Db, Sql.c_str(), static_cast<int>(Sql.size()), &m_stmt,
                                      nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        SQLiteError(Db, rc);
    }
}

TSQLiteStatement::~TSQLiteStatement() {
    sqlite3_finalize(m_stmt);
}

void TSQLiteStatement::Fail(int Code) const {
    SQLiteError(m_db, Code);
}

void TSQLiteStatement::Bind(int Index, const Variant& Value, bool AsBlob) {
    int rc = SQLITE_OK;
    if (Value.IsNull())
        rc = sqlite3_bind_null(m_stmt, Index);
    else if (Value.IsInteger())
        rc = sqlite3_bind_int64(m_stmt, Index, Value.Integer());
    else if (Value.IsFloat())
        rc = sqlite3_bind_double(m_stmt, Index, Value.Float());
    else if (AsBlob)
        rc = sqlite3_bind_blob64(m_stmt, Index, Value.String().data(), Value.String().size(),
                                 SQLITE_TRANSIENT);
    else
        rc = sqlite3_bind_text64(m_stmt, Index, Value.String().data(), Value.String().size(),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) Fail(rc);
}

bool TSQLiteStatement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Fail(rc);
}

int TSQLiteStatement::ColumnCount() const {
    return sqlite3_column_count(m_stmt);
}

std::string TSQLiteStatement::ColumnName(int Column) const {
    const char* name = sqlite3_column_name(m_stmt, Column);
    return name ? name : "";
}

std::string TSQLiteStatement::ColumnDeclType(int Column) const {
    const char* type = sqlite3_column_decltype(m_stmt, Column);
    return type ? type : "";
}

Variant TSQLiteStatement::Column(int Column) const {
    switch (sqlite3_column_type(m_stmt, Column)) {
        case SQLITE_INTEGER: return Variant(static_cast<std::int64_t>(sqlite3_column_int64(m_stmt, Column)));
        case SQLITE_FLOAT: return Variant(sqlite3_column_double(m_stmt, Column));
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            const void* data = sqlite3_column_blob(m_stmt, Column);
            const int size = sqlite3_column_bytes(m_stmt, Column);
            if (!data || size <= 0) return Variant(std::string());
            return Variant(
                std::string(static_cast<const char*>(data), static_cast<std::size_t>(size)));
        }
        default: return Variant();
    }
}

std::int64_t TSQLiteStatement::ColumnInt64(int Column) const {
    return sqlite3_column_int64(m_stmt, Column);
}

bool TSQLiteStatement::IsReadOnly() const {
    return sqlite3_stmt_readonly(m_stmt) != 0;
}
