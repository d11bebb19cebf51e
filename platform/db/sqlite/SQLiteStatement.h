#pragma once
// A prepared SQLite statement that is always finalised, with the binding and stepping the
// datasets need. Every failure raises EDatabaseError with SQLite's own words.
#include <cstdint>
#include <string>

#include "platform/db/Variant.h"

struct sqlite3;
struct sqlite3_stmt;

class TSQLiteStatement {
public:
    TSQLiteStatement(sqlite3* Db, const std::string& Sql);
    ~TSQLiteStatement();
    TSQLiteStatement(const TSQLiteStatement&) = delete;
    TSQLiteStatement& operator=(const TSQLiteStatement&) = delete;

    // Parameters are numbered from 1. Bytes bind as a BLOB, text as text.
    void Bind(int Index, const Variant& Value, bool AsBlob);
    // Runs to the next row: true while there is one.
    bool Step();
    int ColumnCount() const;
    std::string ColumnName(int Column) const;
    // The declared type of a result column ("" for an expression).
    std::string ColumnDeclType(int Column) const;
    Variant Column(int Column) const;
    std::int64_t ColumnInt64(int Column) const;
    // Whether the statement leaves the database unchanged (a SELECT).
    bool IsReadOnly() const;

private:
    [[noreturn]] void Fail(int Code) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// Raises EDatabaseError with the connection's message for an SQLite result code.
[[noreturn]] void SQLiteError(sqlite3* Db, int Code);
// A double-quoted identifier: only for names already checked against the schema.
std::string QuoteIdentifier(const std::string& Name);
