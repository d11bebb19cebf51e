// TPgDataSet: the connection a dataset reads through, its cursor and its notifications.
#include "platform/db/postgres/PgDataSet.h"

#include <libpq-fe.h>

#include <algorithm>

#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgValues.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TPgDataSet::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TPgDataSet>("TPgDataSet")
            .Reference("Database", &TPgDataSet::GetDatabase, &TPgDataSet::SetDatabase)
            .Integer("FetchSize", &TPgDataSet::GetFetchSize, &TPgDataSet::SetFetchSize, 500)
            .String("NotifyChannel", &TPgDataSet::GetNotifyChannel, &TPgDataSet::SetNotifyChannel)
            .Boolean("AutoRefresh", &TPgDataSet::GetAutoRefresh, &TPgDataSet::SetAutoRefresh)
            .Build();
    return info;
}

TPgDataSet::TPgDataSet(TComponent* AOwner) : TDataSet(AOwner) {}

TPgDataSet::~TPgDataSet() {
    SetDatabase(nullptr);
}

void TPgDataSet::SetDatabase(TPgConnection* Value) {
    if (Value == m_database) return;
    Close();
    if (m_database) {
        m_database->RemoveDataSet(this);
        RemoveFreeNotification(m_database);
    }
    m_database = Value;
    if (Value) {
        Value->AddDataSet(this);
        FreeNotification(Value);
    }
}

void TPgDataSet::SetFetchSize(int Value) {
    if (GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_fetchSize = std::max(2, Value);
}

void TPgDataSet::SetNotifyChannel(const std::string& Value) {
    if (m_database) m_database->RemoveListener(this);
    m_notifyChannel = Value;
    ListenIfOpen();
}

void TPgDataSet::ListenIfOpen() {
    if (GetActive() && m_database && !m_notifyChannel.empty())
        m_database->AddListener(this, m_notifyChannel);
}

void TPgDataSet::Notification(TComponent* AComponent, TOperation Operation) {
    TDataSet::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_database) {
        Close();
        m_database = nullptr;
    }
}

TPgConnection& TPgDataSet::CheckDatabase() const {
    if (!m_database) DatabaseError("No database is assigned to " + GetName());
    if (!m_database->GetConnected()) m_database->Open();
    return *m_database;
}

void TPgDataSet::Notified(const std::string&, const std::string& Payload) {
    if (OnNotify) OnNotify(this, Payload);
    // An edit in progress is the user's: it is never replaced under them.
    if (m_autoRefresh && GetState() == dsBrowse) Refresh();
}

// The cursor

void TPgDataSet::OpenResult(const std::string& Sql, const std::vector<TPgParam>& Params,
                            std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) {
    CloseCursor();
    m_sql = Sql;
    m_params = Params;
    m_count = -1;
    m_stale = false;
    TPgResult result = Fetch(0, m_fetchSize);
    m_columnTypes.clear();
    m_types.clear();
    const int columns = PQnfields(result.get());
    for (int c = 0; c < columns; ++c) {
        m_columnTypes.push_back(PQftype(result.get(), c));
        Defs.push_back(PgFieldDef(PQfname(result.get(), c), PQftype(result.get(), c),
                                  PQfmod(result.get(), c)));
        m_types.push_back(Defs.back().DataType);
    }
    const int rows = PQntuples(result.get());
    Records.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) ReadRow(result, r, r, Records[static_cast<std::size_t>(r)]);
    // A result that fits in one batch is held whole: its cursor is no longer needed.
    m_windowed = rows >= m_fetchSize;
    if (!m_windowed) {
        m_count = rows;
        CloseCursor();
    }
    // The set is not active yet while it opens: it starts listening here.
    if (!m_notifyChannel.empty()) m_database->AddListener(this, m_notifyChannel);
}

void TPgDataSet::ReadRow(const TPgResult& Result, int Row, std::int64_t Position,
                         TRecordData& Record) const {
    PGresult* res = Result.get();
    const int columns = std::min<int>(PQnfields(res), static_cast<int>(m_types.size()));
    Record.Values.assign(static_cast<std::size_t>(columns), Variant());
    for (int c = 0; c < columns; ++c) {
        if (PQgetisnull(res, Row, c)) continue;
        Record.Values[static_cast<std::size_t>(c)] = PgValueFromText(
            PQgetvalue(res, Row, c), PQgetlength(res, Row, c), m_types[static_cast<std::size_t>(c)]);
    }
    const int key = KeyColumn();
    if (key >= 0 && key < columns && Record.Values[static_cast<std::size_t>(key)].IsInteger())
        Record.Key = Record.Values[static_cast<std::size_t>(key)].Integer();
    else
        Record.Key = Position + 1;
}

void TPgDataSet::DeclareCursor() {
    TPgConnection& database = CheckDatabase();
    TPgSession& session = database.CursorSession();
    const std::string name = database.NewCursorName();
    try {
        database.ExecuteOn(session, "DECLARE " + name + " SCROLL CURSOR FOR " + m_sql, m_params);
    } catch (...) {
        database.CursorClosed(session);
        throw;
    }
    m_cursorName = name;
    m_cursorSession = &session;
    m_cursorEpoch = database.CursorEpoch(session);
}

void TPgDataSet::CloseCursor() {
    if (!m_cursorSession || !m_database) {
        m_cursorSession = nullptr;
        return;
    }
    TPgSession& session = *m_cursorSession;
    m_cursorSession = nullptr;
    // A cursor of an ended transaction or a lost session is gone already.
    if (m_database->CursorEpoch(session) != m_cursorEpoch) return;
    try {
        if (session.Connected() && !session.Lost()) session.Exec("CLOSE " + m_cursorName);
    } catch (const EDatabaseError&) {
        // The cursor goes with its transaction in any case.
    }
    m_database->CursorClosed(session);
}

TPgResult TPgDataSet::Fetch(std::int64_t Start, int Count) {
    TPgConnection& database = CheckDatabase();
    // Reading changes nothing, so a read that met a lost session is tried once more on a
    // new one; but the loss of a transaction is the user's to hear of.
    const bool inTransaction = database.InTransaction();
    for (int attempt = 0;; ++attempt) {
        try {
            if (!m_cursorSession || m_stale || database.CursorEpoch(*m_cursorSession) != m_cursorEpoch) {
                CloseCursor();
                m_stale = false;
                DeclareCursor();
            }
            TPgResult moved = database.ExecuteOn(
                *m_cursorSession, "MOVE ABSOLUTE " + std::to_string(Start) + " IN " + m_cursorName);
            if (Count == 0) return moved;
            return database.ExecuteOn(*m_cursorSession, "FETCH FORWARD " + std::to_string(Count) +
                                                            " FROM " + m_cursorName);
        } catch (const EPgError& e) {
            if (!e.ConnectionLost() || attempt > 0 || inTransaction) throw;
        }
    }
}

void TPgDataSet::InternalReadWindow(std::int64_t Start, int Count, std::vector<TRecordData>& Records) {
    TPgResult result = Fetch(Start, Count);
    const int rows = PQntuples(result.get());
    Records.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        ReadRow(result, r, Start + r, Records[static_cast<std::size_t>(r)]);
}

std::int64_t TPgDataSet::InternalCountRecords() const {
    if (m_count < 0) m_count = const_cast<TPgDataSet*>(this)->CountRecords();
    return m_count;
}

std::int64_t TPgDataSet::CountRecords() {
    // Counting moves the cursor to the end; the next read places it again.
    Fetch(0, 0);
    return TPgSession::Affected(
        CheckDatabase().ExecuteOn(*m_cursorSession, "MOVE FORWARD ALL IN " + m_cursorName));
}

void TPgDataSet::ResultChanged(int CountChange) {
    if (!m_windowed) return;
    m_stale = true;
    if (m_count >= 0) m_count = std::max<std::int64_t>(0, m_count + CountChange);
}

void TPgDataSet::InternalClose() {
    CloseCursor();
    m_windowed = false;
    m_count = -1;
    if (m_database) m_database->RemoveListener(this);
}
