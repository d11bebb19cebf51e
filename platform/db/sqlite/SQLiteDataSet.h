#pragma once
// The SQLite datasets: TSQLiteTable edits one table, TSQLiteQuery reads the rows of a
// statement (lookups, lists). Both read their rows when opened and keep them.
#include <string>

#include "platform/db/DataSet.h"

class TSQLiteDatabase;
class TSQLiteStatement;

class TSQLiteDataSet : public TDataSet {
    QV_DECLARE_CLASS(TSQLiteDataSet, TDataSet)

    explicit TSQLiteDataSet(TComponent* AOwner);
    ~TSQLiteDataSet() override;

    TSQLiteDatabase* GetDatabase() const { return m_database; }
    void SetDatabase(TSQLiteDatabase* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    TSQLiteDatabase& CheckDatabase() const;
    // Reads every row of a statement whose first column is the key (or a row counter when
    // KeyColumn is false), and describes the other columns.
    void ReadRows(TSQLiteStatement& Stmt, bool KeyColumn, std::vector<TRecordData>& Records);

private:
    TSQLiteDatabase* m_database = nullptr;
};

// A table opened for editing: columns and types come from the table's declaration; posts
// and deletes are parameterised statements on the row's key, each checked to change exactly
// one row. The key is SQLite's row id, reached by a name no column takes, or the table's
// INTEGER PRIMARY KEY; a table with neither opens read-only.
class TSQLiteTable : public TSQLiteDataSet {
    QV_DECLARE_CLASS(TSQLiteTable, TSQLiteDataSet)

    explicit TSQLiteTable(TComponent* AOwner);
    ~TSQLiteTable() override;

    const std::string& GetTableName() const { return m_tableName; }
    void SetTableName(const std::string& Value);
    // A column list to sort by, such as "Name" or "Name;Id"; checked against the columns.
    const std::string& GetIndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const std::string& Value);
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);

protected:
    void InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) override;
    bool InternalPost(TRecordData& Record, bool Inserting) override;
    bool InternalDelete(const TRecordData& Record) override;
    bool InternalCanModify() const override;

private:
    std::string SelectSql(const std::vector<TFieldDef>& Defs) const;
    bool ReadRecord(TRecordData& Record);

    std::string m_tableName;
    std::string m_indexFieldNames;
    bool m_readOnly = false;
    std::string m_rowKey;  // the quoted expression of the row's key; empty when there is none
};

// The rows of one SELECT statement, for reading only.
class TSQLiteQuery : public TSQLiteDataSet {
    QV_DECLARE_CLASS(TSQLiteQuery, TSQLiteDataSet)

    explicit TSQLiteQuery(TComponent* AOwner);
    ~TSQLiteQuery() override;

    const std::string& GetSQL() const { return m_sql; }
    void SetSQL(const std::string& Value);

protected:
    void InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) override;
    bool InternalPost(TRecordData& Record, bool Inserting) override;
    bool InternalDelete(const TRecordData& Record) override;
    bool InternalCanModify() const override { return false; }

private:
    std::string m_sql;
};

// The field type for a declared column type, with the size of a VARCHAR(n).
TFieldType FieldTypeFromDeclaration(const std::string& Declared, int& Size);
