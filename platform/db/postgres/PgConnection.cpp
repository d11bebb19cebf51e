// TPgConnection: settings, connecting, transactions and notifications.
#include "platform/db/postgres/PgConnection.h"

#include <libpq-fe.h>

#include <algorithm>

#include "platform/db/postgres/PgDataSet.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/DescriptorWatch.h"

const TClassInfo& TPgConnection::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TPgConnection>("TPgConnection")
            .String("ConnectionString", &TPgConnection::GetConnectionString,
                    &TPgConnection::SetConnectionString)
            .String("HostName", &TPgConnection::GetHostName, &TPgConnection::SetHostName)
            .Integer("Port", &TPgConnection::GetPort, &TPgConnection::SetPort, 0)
            .String("DatabaseName", &TPgConnection::GetDatabaseName, &TPgConnection::SetDatabaseName)
            .String("UserName", &TPgConnection::GetUserName, &TPgConnection::SetUserName)
            .String("SSLMode", &TPgConnection::GetSSLMode, &TPgConnection::SetSSLMode)
            .Integer("ConnectTimeout", &TPgConnection::GetConnectTimeout,
                     &TPgConnection::SetConnectTimeout, 0)
            .String("ApplicationName", &TPgConnection::GetApplicationName,
                    &TPgConnection::SetApplicationName)
            .Boolean("LoginPrompt", &TPgConnection::GetLoginPrompt, &TPgConnection::SetLoginPrompt)
            .Boolean("Connected", &TPgConnection::GetConnected, &TPgConnection::SetConnected)
            .Build();
    return info;
}

TPgConnection::TPgConnection(TComponent* AOwner) : TComponent(AOwner) {}

TPgConnection::~TPgConnection() {
    for (TPgDataSet* dataSet : std::vector<TPgDataSet*>(m_dataSets)) dataSet->SetDatabase(nullptr);
    Disconnect();
}

void TPgConnection::SetSetting(std::string& Setting, const std::string& Value) {
    if (GetConnected()) DatabaseError("Cannot change the settings of a connected database");
    Setting = Value;
}

void TPgConnection::SetPort(int Value) {
    if (GetConnected()) DatabaseError("Cannot change the settings of a connected database");
    m_port = std::clamp(Value, 0, 65535);
}

void TPgConnection::SetConnectTimeout(int Value) {
    if (GetConnected()) DatabaseError("Cannot change the settings of a connected database");
    m_connectTimeout = std::max(0, Value);
}

void TPgConnection::Loaded() {
    TComponent::Loaded();
    if (m_streamedConnected) SetConnected(true);
}

void TPgConnection::SetConnected(bool Value) {
    if (ComponentState() & csLoading) {
        m_streamedConnected = Value;
        return;
    }
    if (Value == GetConnected()) return;
    if (Value)
        Connect();
    else
        Disconnect();
}

TPgSession::TSettings TPgConnection::Settings() const {
    // The connection string comes first: libpq lets later settings override its parts.
    TPgSession::TSettings settings;
    if (!m_connectionString.empty()) settings.emplace_back("dbname", m_connectionString);
    auto add = [&](const char* key, const std::string& value) {
        if (!value.empty()) settings.emplace_back(key, value);
    };
    add("host", m_hostName);
    add("port", m_port ? std::to_string(m_port) : "");
    add("dbname", m_databaseName);
    add("user", m_promptedUser.empty() ? m_userName : m_promptedUser);
    add("password", m_promptedPassword);
    add("sslmode", m_sslMode);
    add("connect_timeout", m_connectTimeout ? std::to_string(m_connectTimeout) : "");
    add("application_name", m_applicationName);
    return settings;
}

void TPgConnection::Connect() {
    bool needsPassword = false;
    try {
        m_main.Connect(Settings(), &needsPassword);
    } catch (const EPgError&) {
        if (!needsPassword || !m_loginPrompt || !OnLogin) throw;
        std::string user = m_userName, password;
        OnLogin(this, user, password);
        m_promptedUser = user;
        m_promptedPassword = password;
        m_main.Connect(Settings());
    }
}

void TPgConnection::Disconnect() {
    for (TPgDataSet* dataSet : std::vector<TPgDataSet*>(m_dataSets)) dataSet->Close();
    if (m_inTransaction && m_main.Connected() && !m_main.Lost()) {
        try {
            m_main.Exec("ROLLBACK");
        } catch (const EDatabaseError&) {
            // The server rolls back a transaction whose session ends: nothing is kept.
        }
    }
    m_inTransaction = false;
    if (m_watchId) win::UnwatchDescriptor(m_watchId);
    m_watchId = 0;
    m_watchedSocket = -1;
    m_main.Disconnect();
    m_reader.Disconnect();
    m_readerCursors = 0;
}

void TPgConnection::CheckConnected() {
    if (!GetConnected()) Connect();
}

TPgResult TPgConnection::ExecuteOn(TPgSession& Session, const std::string& Sql,
                                   const std::vector<TPgParam>& Params) {
    CheckConnected();
    if (&Session == &m_reader && !m_reader.Connected()) m_reader.Connect(Settings());
    const int generation = Session.Generation();
    try {
        TPgResult result = Session.Exec(Sql, Params);
        if (&Session == &m_main && m_main.Generation() != generation) Relisten();
        return result;
    } catch (const EPgError& e) {
        if (&Session == &m_main && m_main.Generation() != generation) Relisten();
        if (!e.ConnectionLost() || &Session != &m_main || !m_inTransaction) throw;
        // The server ended the session and with it the transaction.
        m_inTransaction = false;
        ++m_transactionEnds;
        throw EPgError(std::string(e.Message()) + "; the open transaction was rolled back",
                       e.SqlState(), true);
    }
}

TPgResult TPgConnection::Execute(const std::string& Sql, const std::vector<TPgParam>& Params) {
    return ExecuteOn(m_main, Sql, Params);
}

TPgResult TPgConnection::Read(const std::string& Sql, const std::vector<TPgParam>& Params) {
    // A transaction lost with its session must be reported, never silently replaced.
    const bool inTransaction = m_inTransaction;
    try {
        return Execute(Sql, Params);
    } catch (const EPgError& e) {
        if (!e.ConnectionLost() || inTransaction) throw;
    }
    return Execute(Sql, Params);
}

std::int64_t TPgConnection::ExecSQL(const std::string& Sql, const std::vector<Variant>& Params) {
    std::vector<TPgParam> params;
    for (const Variant& value : Params) params.push_back({value, false});
    return TPgSession::Affected(Execute(Sql, params));
}

// Transactions

void TPgConnection::StartTransaction() {
    if (m_inTransaction) DatabaseError("A transaction is already open on this connection");
    Execute("BEGIN");
    m_inTransaction = true;
}

void TPgConnection::EndTransaction(const char* Sql) {
    if (!m_inTransaction) DatabaseError("No transaction is open on this connection");
    // Cursors declared inside the transaction end with it.
    ++m_transactionEnds;
    m_inTransaction = false;
    Execute(Sql);
}

void TPgConnection::Commit() {
    EndTransaction("COMMIT");
}

void TPgConnection::Rollback() {
    EndTransaction("ROLLBACK");
}

// Cursors

TPgSession& TPgConnection::CursorSession() {
    CheckConnected();
    if (m_inTransaction) return m_main;
    const auto status = m_reader.Connected() ? PQtransactionStatus(m_reader.Handle()) : PQTRANS_UNKNOWN;
    if (status != PQTRANS_INTRANS) {
        // A failed statement ended the reading transaction, and every cursor in it.
        if (status == PQTRANS_INERROR) ExecuteOn(m_reader, "ROLLBACK");
        ++m_readerEnds;
        m_readerCursors = 0;
        ExecuteOn(m_reader, "BEGIN READ ONLY");
    }
    ++m_readerCursors;
    return m_reader;
}

void TPgConnection::CursorClosed(TPgSession& Session) {
    if (&Session != &m_reader || m_readerCursors == 0) return;
    // The reading transaction ends with its last cursor, so that it holds back nothing.
    if (--m_readerCursors == 0 && m_reader.Connected() && !m_reader.Lost()) {
        try {
            m_reader.Exec("COMMIT");
        } catch (const EDatabaseError&) {
            // A lost reading session is connected again when a cursor next needs it.
        }
    }
}

std::int64_t TPgConnection::CursorEpoch(const TPgSession& Session) const {
    const std::int64_t generation = Session.Generation();
    return (generation << 32) + (&Session == &m_main ? m_transactionEnds : m_readerEnds);
}

// Notifications

void TPgConnection::Listen(const std::string& Channel) {
    if (std::find(m_channels.begin(), m_channels.end(), Channel) != m_channels.end()) return;
    Execute("LISTEN " + PgQuoteIdentifier(Channel));
    m_channels.push_back(Channel);
    WatchSocket();
}

void TPgConnection::Unlisten(const std::string& Channel) {
    auto it = std::find(m_channels.begin(), m_channels.end(), Channel);
    if (it == m_channels.end()) return;
    m_channels.erase(it);
    if (GetConnected() && !m_main.Lost()) Execute("UNLISTEN " + PgQuoteIdentifier(Channel));
}

void TPgConnection::AddListener(TPgDataSet* DataSet, const std::string& Channel) {
    RemoveListener(DataSet);
    m_listeners.emplace_back(DataSet, Channel);
    Listen(Channel);
}

void TPgConnection::RemoveListener(TPgDataSet* DataSet) {
    std::erase_if(m_listeners, [&](const auto& l) { return l.first == DataSet; });
}

void TPgConnection::Relisten() {
    // A new session listens to nothing yet.
    for (const std::string& channel : m_channels) {
        try {
            m_main.Exec("LISTEN " + PgQuoteIdentifier(channel));
        } catch (const EDatabaseError&) {
            break;  // lost again: the next reconnection listens again
        }
    }
    WatchSocket();
}

void TPgConnection::WatchSocket() {
    const int socket = m_main.Connected() ? PQsocket(m_main.Handle()) : -1;
    if (m_channels.empty() || socket == m_watchedSocket) return;
    if (m_watchId) win::UnwatchDescriptor(m_watchId);
    m_watchId = win::WatchDescriptor(socket, [this] { ProcessNotifications(); });
    m_watchedSocket = socket;
    // Notifications that came in with a statement's answer are already read.
    win::MarkWatchReady(m_watchId);
}

void TPgConnection::ProcessNotifications() {
    if (!m_main.Connected()) return;
    PGconn* conn = m_main.Handle();
    if (!PQconsumeInput(conn)) {
        // The server went away. The loop must not spin on a closed socket: the watch ends,
        // and the next operation connects again and listens again.
        if (m_watchId) win::UnwatchDescriptor(m_watchId);
        m_watchId = 0;
        m_watchedSocket = -1;
        return;
    }
    while (PGnotify* notify = PQnotifies(conn)) {
        const std::string channel = notify->relname ? notify->relname : "";
        const std::string payload = notify->extra ? notify->extra : "";
        PQfreemem(notify);
        if (OnNotify) OnNotify(this, channel, payload);
        for (const auto& [dataSet, listened] : std::vector(m_listeners))
            if (listened == channel) dataSet->Notified(channel, payload);
    }
}

void TPgConnection::RemoveDataSet(TPgDataSet* DataSet) {
    std::erase(m_dataSets, DataSet);
    RemoveListener(DataSet);
}

bool IsPgConnectionString(const std::string& Text) {
    return Text.rfind("postgresql://", 0) == 0 || Text.rfind("postgres://", 0) == 0 ||
           Text.find('=') != std::string::npos;
}
