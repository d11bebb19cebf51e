// TPgSession: statements, errors and reconnection over libpq.
#include "platform/db/postgres/PgSession.h"

#include <libpq-fe.h>

#include <cstdlib>

#include "platform/db/postgres/PgValues.h"

void TPgResultDeleter::operator()(pg_result* Result) const {
    PQclear(Result);
}

TPgSession::~TPgSession() {
    Disconnect();
}

static std::string Trimmed(const char* Text) {
    std::string s = Text ? Text : "";
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

void TPgSession::Connect(const TSettings& Settings, bool* NeedsPassword) {
    Disconnect();
    std::vector<const char*> keys, values;
    for (const auto& [key, value] : Settings) {
        keys.push_back(key.c_str());
        values.push_back(value.c_str());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    PGconn* conn = PQconnectdbParams(keys.data(), values.data(), 1);
    if (!conn) DatabaseError("Cannot connect to the database server: out of memory");
    if (PQstatus(conn) != CONNECTION_OK) {
        std::string reason = Trimmed(PQerrorMessage(conn));
        if (NeedsPassword) *NeedsPassword = PQconnectionNeedsPassword(conn) != 0;
        PQfinish(conn);
        throw EPgError("Cannot connect to the database server: " + reason, "08001", true);
    }
    // Values are read as ISO text in UTF-8 whatever the server's defaults.
    PQsetClientEncoding(conn, "UTF8");
    // The server's notices ("table does not exist, skipping") are not the user's business;
    // libpq would print them on the program's standard error.
    PQsetNoticeProcessor(conn, [](void*, const char*) {}, nullptr);
    m_conn = conn;
    m_settings = Settings;
    m_lost = false;
    ++m_generation;
    Exec("SET DateStyle = ISO; SET IntervalStyle = iso_8601; SET extra_float_digits = 1");
}

void TPgSession::Disconnect() {
    if (m_conn) PQfinish(m_conn);
    m_conn = nullptr;
}

void TPgSession::Reconnect() {
    TSettings settings = m_settings;
    Connect(settings);
}

TPgResult TPgSession::Exec(const std::string& Sql, const std::vector<TPgParam>& Params) {
    // A loss seen earlier (by a failed statement or by the notification reader) is mended now.
    if (m_conn && (m_lost || PQstatus(m_conn) == CONNECTION_BAD)) Reconnect();
    if (!m_conn) DatabaseError("The database connection is closed");
    PGresult* raw = nullptr;
    if (Params.empty()) {
        raw = PQexec(m_conn, Sql.c_str());
    } else {
        std::vector<std::string> texts(Params.size());
        std::vector<const char*> values(Params.size());
        std::vector<int> lengths(Params.size()), formats(Params.size());
        for (std::size_t i = 0; i < Params.size(); ++i) {
            const Variant& v = Params[i].Value;
            if (v.IsNull()) continue;
            texts[i] = PgParamText(v);
            values[i] = texts[i].c_str();
            lengths[i] = static_cast<int>(texts[i].size());
            formats[i] = Params[i].Binary ? 1 : 0;
        }
        raw = PQexecParams(m_conn, Sql.c_str(), static_cast<int>(Params.size()), nullptr,
                           values.data(), lengths.data(), formats.data(), 0);
    }
    TPgResult result(raw);
    const ExecStatusType status = raw ? PQresultStatus(raw) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) Fail(raw);
    return result;
}

void TPgSession::Fail(const pg_result* Result) {
    const bool lost = PQstatus(m_conn) == CONNECTION_BAD;
    std::string message = Trimmed(Result ? PQresultErrorField(Result, PG_DIAG_MESSAGE_PRIMARY) : nullptr);
    if (message.empty()) message = Trimmed(PQerrorMessage(m_conn));
    const std::string detail = Trimmed(Result ? PQresultErrorField(Result, PG_DIAG_MESSAGE_DETAIL) : nullptr);
    const char* state = Result ? PQresultErrorField(Result, PG_DIAG_SQLSTATE) : nullptr;
    if (!detail.empty()) message += " (" + detail + ")";
    std::string sqlState = state ? state : "";
    // A server shutting down terminates the session with class 57 before the socket closes.
    if (lost || sqlState.rfind("57P", 0) == 0) {
        m_lost = true;
        throw EPgError("The connection to the database server was lost: " + message, sqlState, true);
    }
    throw EPgError(message, sqlState, false);
}

std::int64_t TPgSession::Affected(const TPgResult& Result) {
    const char* text = PQcmdTuples(Result.get());
    return text && *text ? std::strtoll(text, nullptr, 10) : 0;
}

std::string PgQuoteIdentifier(const std::string& Name) {
    std::string quoted = "\"";
    for (char c : Name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}
