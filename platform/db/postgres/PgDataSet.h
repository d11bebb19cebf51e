#pragma once
// The PostgreSQL datasets: TPgTable edits one table, TPgQuery reads the rows of a statement
// with parameters. Both read through a server-side cursor in batches: a result that fits in
// one batch is held whole, as the SQLite datasets hold theirs; a longer one is held as a
// window of records around the current one, read again as the cursor moves.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/db/DataSet.h"
#include "platform/db/postgres/PgSession.h"

class TPgConnection;

using TPgDataSetNotifyEvent = TEvent<void(TDataSet* DataSet, const std::string& Payload)>;

class TPgDataSet : public TDataSet {
    QV_DECLARE_CLASS(TPgDataSet, TDataSet)

    explicit TPgDataSet(TComponent* AOwner);
    ~TPgDataSet() override;

    TPgConnection* GetDatabase() const { return m_database; }
    void SetDatabase(TPgConnection* Value);
    // Rows read from the cursor at a time; a window holds two batches.
    int GetFetchSize() const { return m_fetchSize; }
    void SetFetchSize(int Value);

    // Following other users' changes: while the set is open its connection listens on the
    // channel; each notification raises OnNotify and, with AutoRefresh, reads the records
    // again when the set is not being edited.
    const std::string& GetNotifyChannel() const { return m_notifyChannel; }
    void SetNotifyChannel(const std::string& Value);
    bool GetAutoRefresh() const { return m_autoRefresh; }
    void SetAutoRefresh(bool Value) { m_autoRefresh = Value; }
    TPgDataSetNotifyEvent OnNotify;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TPgConnection& CheckDatabase() const;

    // Opens the cursor over Sql and reads the first batch, describing its columns.
    void OpenResult(const std::string& Sql, const std::vector<TPgParam>& Params,
                    std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records);
    void InternalClose() override;
    bool InternalWindowed() const override { return m_windowed; }
    void InternalReadWindow(std::int64_t Start, int Count, std::vector<TRecordData>& Records) override;
    std::int64_t InternalCountRecords() const override;
    int InternalWindowSize() const override { return 2 * m_fetchSize; }
    // The column whose integer value is a record's key; -1 keys records by position.
    virtual int KeyColumn() const { return -1; }
    // After a post or a delete a held window is read again from a new cursor, so that it
    // shows what was written.
    void ResultChanged(int CountChange);
    // The type of each result column, as the server named it.
    const std::vector<unsigned>& ColumnTypes() const { return m_columnTypes; }
    // The values of one row of Result in the types of the field definitions.
    void ReadRow(const TPgResult& Result, int Row, std::int64_t Position, TRecordData& Record) const;

private:
    friend class TPgConnection;
    void Notified(const std::string& Channel, const std::string& Payload);
    void DeclareCursor();
    void CloseCursor();
    TPgResult Fetch(std::int64_t Start, int Count);
    std::int64_t CountRecords();
    void ListenIfOpen();

    TPgConnection* m_database = nullptr;
    int m_fetchSize = 500;
    std::string m_notifyChannel;
    bool m_autoRefresh = false;

    std::string m_sql;
    std::vector<TPgParam> m_params;
    std::vector<unsigned> m_columnTypes;
    std::vector<TFieldType> m_types;
    std::string m_cursorName;
    TPgSession* m_cursorSession = nullptr;
    std::int64_t m_cursorEpoch = 0;
    bool m_stale = false;
    bool m_windowed = false;
    mutable std::int64_t m_count = -1;
};

// A table opened for editing. An update or a delete names its row by the primary key and
// checks that the row still holds what this user read (or, with VersionField, the version
// read), so that nothing another user wrote meanwhile is overwritten. A table without a
// primary key can be read, not edited.
class TPgTable : public TPgDataSet {
    QV_DECLARE_CLASS(TPgTable, TPgDataSet)

    explicit TPgTable(TComponent* AOwner);
    ~TPgTable() override;

    // A table name as SQL spells it: "people", "sales.orders", "\"Mixed Case\"".
    const std::string& GetTableName() const { return m_tableName; }
    void SetTableName(const std::string& Value);
    // A column list to sort by, such as "Name" or "Name;Id"; checked against the columns.
    const std::string& GetIndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const std::string& Value);
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    // An integer column the table's writers raise by one with each update: the check of an
    // update or delete then compares it alone.
    const std::string& GetVersionField() const { return m_versionField; }
    void SetVersionField(const std::string& Value);

protected:
    void InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) override;
    bool InternalPost(TRecordData& Record, bool Inserting) override;
    bool InternalDelete(const TRecordData& Record) override;
    bool InternalCanModify() const override;
    int KeyColumn() const override { return m_keyColumn; }

private:
    struct TColumn {
        std::string Name;
        bool Writable = true;   // not a generated column
        bool Required = false;  // not null and without a default
        bool Key = false;       // part of the primary key
    };
    void ReadCatalogue();
    std::string ColumnList() const;
    // The WHERE clause that finds the row Old as this user read it, from parameter First.
    std::string RowCheck(const TRecordData& Old, std::vector<TPgParam>& Params) const;
    // After an update or delete found nothing: raises when the row is still there, changed.
    bool RowStillThere(const TRecordData& Old);
    TPgParam Param(std::size_t Column, const Variant& Value) const;

    std::string m_tableName;
    std::string m_indexFieldNames;
    std::string m_versionField;
    bool m_readOnly = false;
    std::string m_quotedTable;
    std::vector<TColumn> m_columns;
    int m_keyColumn = -1;
    int m_versionColumn = -1;
    std::int64_t m_insertedKey = 0;
};

// The rows of one SELECT statement, for reading only. Parameters are written :Name in the
// statement and given values with SetParamValue before Open.
class TPgQuery : public TPgDataSet {
    QV_DECLARE_CLASS(TPgQuery, TPgDataSet)

    explicit TPgQuery(TComponent* AOwner);
    ~TPgQuery() override;

    const std::string& GetSQL() const { return m_sql; }
    void SetSQL(const std::string& Value);
    // The parameters the statement names, in order of first use.
    const std::vector<std::string>& GetParamNames() const { return m_paramNames; }
    void SetParamValue(const std::string& Name, const Variant& Value);
    Variant GetParamValue(const std::string& Name) const;

protected:
    void InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) override;
    bool InternalPost(TRecordData& Record, bool Inserting) override;
    bool InternalDelete(const TRecordData& Record) override;
    bool InternalCanModify() const override { return false; }

private:
    std::string m_sql;
    std::string m_serverSql;  // with $1, $2 ... for the names
    std::vector<std::string> m_paramNames;
    std::vector<Variant> m_paramValues;
};

// A statement with :Name parameters rewritten with $1, $2 ..., and the names in order.
std::string PgNumberParameters(const std::string& Sql, std::vector<std::string>& Names);

// The message of an update or delete that found its row changed by another user.
inline constexpr const char* kRecordChangedByAnotherUser = "The record was changed by another user";
inline constexpr const char* kRecordDeletedByAnotherUser = "The record was deleted by another user";
