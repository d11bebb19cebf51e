#pragma once
// TPgConnection: a connection to a PostgreSQL database that datasets name as their Database,
// as TSQLiteDatabase is for a file. It connects from a libpq connection string or from its
// parts; the password comes from the connection string, the password file (PGPASSFILE) or
// the OnLogin event. Statements run in their own transaction unless StartTransaction opened
// one; an open transaction is rolled back, never committed, when the connection closes.
// A lost connection is reported once and connected again on the next operation.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/db/postgres/PgSession.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"

class TPgConnection;
class TPgDataSet;

using TPgLoginEvent = TEvent<void(TPgConnection* Sender, std::string& UserName, std::string& Password)>;
using TPgNotifyEvent =
    TEvent<void(TPgConnection* Sender, const std::string& Channel, const std::string& Payload)>;

class TPgConnection : public TComponent {
    QV_DECLARE_CLASS(TPgConnection, TComponent)

    explicit TPgConnection(TComponent* AOwner);
    ~TPgConnection() override;

    // A libpq connection string ("host=db dbname=shop" or "postgresql://db/shop"); the
    // properties below, when set, take precedence over its parts.
    const std::string& GetConnectionString() const { return m_connectionString; }
    void SetConnectionString(const std::string& Value) { SetSetting(m_connectionString, Value); }
    const std::string& GetHostName() const { return m_hostName; }
    void SetHostName(const std::string& Value) { SetSetting(m_hostName, Value); }
    int GetPort() const { return m_port; }
    void SetPort(int Value);
    const std::string& GetDatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const std::string& Value) { SetSetting(m_databaseName, Value); }
    const std::string& GetUserName() const { return m_userName; }
    void SetUserName(const std::string& Value) { SetSetting(m_userName, Value); }
    // disable, allow, prefer, require, verify-ca or verify-full, as libpq spells them.
    const std::string& GetSSLMode() const { return m_sslMode; }
    void SetSSLMode(const std::string& Value) { SetSetting(m_sslMode, Value); }
    // Seconds to wait for the server when connecting; 0 waits as long as libpq does.
    int GetConnectTimeout() const { return m_connectTimeout; }
    void SetConnectTimeout(int Value);
    // The name the server shows for this program's sessions.
    const std::string& GetApplicationName() const { return m_applicationName; }
    void SetApplicationName(const std::string& Value) { SetSetting(m_applicationName, Value); }
    // Asks OnLogin for a user name and password when the server wants a password.
    bool GetLoginPrompt() const { return m_loginPrompt; }
    void SetLoginPrompt(bool Value) { m_loginPrompt = Value; }

    bool GetConnected() const { return m_main.Connected(); }
    void SetConnected(bool Value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    // Transactions: datasets post inside the open one until Commit or Rollback.
    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return m_inTransaction; }

    // Runs a statement (several without parameters, separated by ";") and answers the
    // number of rows it changed. Parameters are $1, $2 ...
    std::int64_t ExecSQL(const std::string& Sql, const std::vector<Variant>& Params = {});

    // Change notification: after Listen, every NOTIFY on the channel (from any session)
    // reaches OnNotify from the program's message loop.
    void Listen(const std::string& Channel);
    void Unlisten(const std::string& Channel);
    // Reads the notifications that arrived and hands them out; the message loop calls it
    // when the connection's socket has data.
    void ProcessNotifications();

    TPgLoginEvent OnLogin;
    TPgNotifyEvent OnNotify;

    // For datasets.
    // Runs a statement on the session that writes: the transaction's when one is open.
    TPgResult Execute(const std::string& Sql, const std::vector<TPgParam>& Params = {});
    // Runs a statement that only reads; outside a transaction one that met a lost session
    // runs again on a new one, so that reading after a server restart just works.
    TPgResult Read(const std::string& Sql, const std::vector<TPgParam>& Params = {});
    // The session a dataset's cursor lives in, with a transaction open for it: the open
    // transaction's, so that it sees what that transaction wrote, or else a second session
    // kept for reading, so that a cursor held open never holds a transaction on writes.
    TPgSession& CursorSession();
    void CursorClosed(TPgSession& Session);
    // Changes whenever cursors declared earlier may be gone (a reconnection, the end of the
    // transaction that held them).
    std::int64_t CursorEpoch(const TPgSession& Session) const;
    // Unique names for cursors.
    std::string NewCursorName() { return "qv_cursor_" + std::to_string(++m_cursorCount); }
    // Runs a statement on a session, reconnecting it after a loss.
    TPgResult ExecuteOn(TPgSession& Session, const std::string& Sql,
                        const std::vector<TPgParam>& Params = {});

protected:
    void Loaded() override;

private:
    friend class TPgDataSet;
    void AddDataSet(TPgDataSet* DataSet) { m_dataSets.push_back(DataSet); }
    void RemoveDataSet(TPgDataSet* DataSet);
    void AddListener(TPgDataSet* DataSet, const std::string& Channel);
    void RemoveListener(TPgDataSet* DataSet);

    void SetSetting(std::string& Setting, const std::string& Value);
    TPgSession::TSettings Settings() const;
    void Connect();
    void Disconnect();
    void CheckConnected();
    void EndTransaction(const char* Sql);
    void Relisten();
    void WatchSocket();

    std::string m_connectionString, m_hostName, m_databaseName, m_userName, m_sslMode,
        m_applicationName;
    int m_port = 0;
    int m_connectTimeout = 0;
    bool m_loginPrompt = false;
    std::string m_promptedUser, m_promptedPassword;
    bool m_streamedConnected = false;

    TPgSession m_main;
    TPgSession m_reader;
    int m_readerCursors = 0;
    bool m_inTransaction = false;
    std::int64_t m_transactionEnds = 0;
    std::int64_t m_readerEnds = 0;
    int m_cursorCount = 0;

    std::vector<std::string> m_channels;
    std::vector<std::pair<TPgDataSet*, std::string>> m_listeners;
    int m_watchId = 0;
    int m_watchedSocket = -1;
    std::vector<TPgDataSet*> m_dataSets;
};

// Whether Text names a PostgreSQL database (a postgresql:// address or key=value settings)
// rather than a file.
bool IsPgConnectionString(const std::string& Text);
