#pragma once
// One session with a PostgreSQL server through libpq: it runs statements with parameters,
// turns every refusal into an EDatabaseError in the server's words, and notices a lost
// connection so that the next statement connects again.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/DBError.h"
#include "platform/db/Variant.h"

struct pg_conn;
struct pg_result;

// A result that is always cleared.
struct TPgResultDeleter {
    void operator()(pg_result* Result) const;
};
using TPgResult = std::unique_ptr<pg_result, TPgResultDeleter>;

// A statement's parameter: text (or null); bytes go as binary for a bytea column.
struct TPgParam {
    Variant Value;
    bool Binary = false;
};

// The server refused a statement; the SQL state tells a constraint from other faults.
class EPgError : public EDatabaseError {
public:
    EPgError(const std::string& Message, std::string SqlState, bool ConnectionLost)
        : EDatabaseError(Message), m_sqlState(std::move(SqlState)), m_connectionLost(ConnectionLost) {}
    const std::string& SqlState() const { return m_sqlState; }
    bool ConnectionLost() const { return m_connectionLost; }

private:
    std::string m_sqlState;
    bool m_connectionLost;
};

class TPgSession {
public:
    // Keywords and values as PQconnectdbParams takes them.
    using TSettings = std::vector<std::pair<std::string, std::string>>;

    TPgSession() = default;
    ~TPgSession();
    TPgSession(const TPgSession&) = delete;
    TPgSession& operator=(const TPgSession&) = delete;

    // Connects, raising with libpq's reason. NeedsPassword answers whether it failed only
    // for want of a password (so that a login prompt may ask for one).
    void Connect(const TSettings& Settings, bool* NeedsPassword = nullptr);
    void Disconnect();
    bool Connected() const { return m_conn != nullptr; }
    // Whether the last statement found the connection broken.
    bool Lost() const { return m_lost; }
    // Connects again with the same settings after a loss; raises when the server is still away.
    void Reconnect();
    // Counts connections: a cursor or a LISTEN of an older generation is gone.
    int Generation() const { return m_generation; }

    // Runs one statement. Statements without parameters may be several, separated by ";".
    TPgResult Exec(const std::string& Sql, const std::vector<TPgParam>& Params = {});
    // The number a command reports (rows updated, moved).
    static std::int64_t Affected(const TPgResult& Result);
    pg_conn* Handle() const { return m_conn; }

private:
    [[noreturn]] void Fail(const pg_result* Result);

    pg_conn* m_conn = nullptr;
    TSettings m_settings;
    bool m_lost = false;
    int m_generation = 0;
};

// A double-quoted identifier, quotes inside doubled.
std::string PgQuoteIdentifier(const std::string& Name);
