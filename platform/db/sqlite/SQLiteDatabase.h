#pragma once
// TSQLiteDatabase: a connection to one SQLite database file (or ":memory:"). Datasets name
// it as their Database. Opening checks that the file is there and is a database, so a
// missing or damaged file fails at once and leaves the connection closed.
#include <string>
#include <vector>

#include "platform/db/DBError.h"
#include "platform/vcl/core/Component.h"

struct sqlite3;
class TSQLiteDataSet;

class TSQLiteDatabase : public TComponent {
    QV_DECLARE_CLASS(TSQLiteDatabase, TComponent)

    explicit TSQLiteDatabase(TComponent* AOwner);
    ~TSQLiteDatabase() override;

    const std::string& GetDatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const std::string& Value);
    bool GetConnected() const { return m_db != nullptr; }
    void SetConnected(bool Value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }
    // Makes the file when it is missing (off by default: a missing file is an error).
    bool GetCreateIfMissing() const { return m_createIfMissing; }
    void SetCreateIfMissing(bool Value) { m_createIfMissing = Value; }
    // Opens read-only even when the file could be written.
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    // How long a statement waits for another program's lock before failing, in ms.
    int GetBusyTimeout() const { return m_busyTimeout; }
    void SetBusyTimeout(int Value);
    // Whether changes can be written: false for a read-only file or connection.
    bool IsWritable() const;

    // Runs statements that take no parameters and return no rows (schema set-up).
    void ExecSQL(const std::string& Sql);
    bool TableExists(const std::string& TableName);
    sqlite3* Handle() const { return m_db; }

protected:
    void Loaded() override;

private:
    friend class TSQLiteDataSet;
    void AddDataSet(TSQLiteDataSet* DataSet) { m_dataSets.push_back(DataSet); }
    void RemoveDataSet(TSQLiteDataSet* DataSet);

    std::string m_databaseName;
    sqlite3* m_db = nullptr;
    bool m_createIfMissing = false;
    bool m_readOnly = false;
    bool m_streamedConnected = false;
    int m_busyTimeout = 250;
    std::vector<TSQLiteDataSet*> m_dataSets;
};
