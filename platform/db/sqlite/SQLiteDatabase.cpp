#include "platform/db/sqlite/SQLiteDatabase.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <algorithm>

#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteStatement.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TSQLiteDatabase::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TSQLiteDatabase>("TSQLiteDatabase")
            .String("DatabaseName", &TSQLiteDatabase::GetDatabaseName,
                    &TSQLiteDatabase::SetDatabaseName)
            .Boolean("ReadOnly", &TSQLiteDatabase::GetReadOnly, &TSQLiteDatabase::SetReadOnly)
            .Boolean("CreateIfMissing", &TSQLiteDatabase::GetCreateIfMissing,
                     &TSQLiteDatabase::SetCreateIfMissing)
            .Integer("BusyTimeout", &TSQLiteDatabase::GetBusyTimeout,
                     &TSQLiteDatabase::SetBusyTimeout, 250)
            .Boolean("Connected", &TSQLiteDatabase::GetConnected, &TSQLiteDatabase::SetConnected)
            .Build();
    return info;
}

TSQLiteDatabase::TSQLiteDatabase(TComponent* AOwner) : TComponent(AOwner) {}

TSQLiteDatabase::~TSQLiteDatabase() {
    for (TSQLiteDataSet* dataSet : std::vector<TSQLiteDataSet*>(m_dataSets))
        dataSet->SetDatabase(nullptr);
    if (m_db) sqlite3_close_v2(m_db);
}

void TSQLiteDatabase::SetDatabaseName(const std::string& Value) {
    if (GetConnected()) DatabaseError("Cannot rename a connected database");
    m_databaseName = Value;
}

void TSQLiteDatabase::SetReadOnly(bool Value) {
    if (GetConnected()) DatabaseError("Cannot change ReadOnly of a connected database");
    m_readOnly = Value;
}

void TSQLiteDatabase::SetBusyTimeout(int Value) {
    m_busyTimeout = std::max(0, Value);
    if (m_db) sqlite3_busy_timeout(m_db, m_busyTimeout);
}

void TSQLiteDatabase::Loaded() {
    TComponent::Loaded();
    if (m_streamedConnected) SetConnected(true);
}

void TSQLiteDatabase::SetConnected(bool Value) {
    if (ComponentState() & csLoading) {
        m_streamedConnected = Value;
        return;
    }
    if (Value == GetConnected()) return;
    if (!Value) {
        for (TSQLiteDataSet* dataSet : std::vector<TSQLiteDataSet*>(m_dataSets)) dataSet->Close();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return;
    }
    if (m_databaseName.empty()) DatabaseError("No database file is named");
    // A file that nobody may write is opened read-only, even by a user (root) whom the
    // system would let write it: its owner marked it so.
    struct stat info {};
    const bool markedReadOnly = ::stat(m_databaseName.c_str(), &info) == 0 &&
                                (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    int flags = m_readOnly || markedReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (m_createIfMissing && flags == SQLITE_OPEN_READWRITE) flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(m_databaseName.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        DatabaseError("Cannot open the database '" + m_databaseName + "': " + message);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, m_busyTimeout);
    // SQLite reads a file lazily: read the schema now, so that a file that is not a
    // database, or is damaged, is refused here and not at the first query.
    sqlite3_stmt* stmt = nullptr;
    rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_OK) {
        try {
            SQLiteError(db, rc);
        } catch (const EDatabaseError& e) {
            sqlite3_close_v2(db);
            DatabaseError("Cannot open the database '" + m_databaseName + "': " + e.Message());
        }
    }
    m_db = db;
}

bool TSQLiteDatabase::IsWritable() const {
    return m_db && sqlite3_db_readonly(m_db, "main") == 0;
}

void TSQLiteDatabase::ExecSQL(const std::string& Sql) {
    if (!m_db) DatabaseError("The database is not connected");
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, Sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        DatabaseError(message);
    }
}

bool TSQLiteDatabase::TableExists(const std::string& TableName) {
    TSQLiteStatement stmt(m_db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
    stmt.Bind(1, TableName, false);
    return stmt.Step();
}

void TSQLiteDatabase::RemoveDataSet(TSQLiteDataSet* DataSet) {
    m_dataSets.erase(std::remove(m_dataSets.begin(), m_dataSets.end(), DataSet),
                     m_dataSets.end());
}
