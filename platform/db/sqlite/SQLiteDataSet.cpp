// TSQLiteDataSet: the connection a dataset reads through, and the reading of rows.
#include "platform/db/sqlite/SQLiteDataSet.h"

#include <algorithm>
#include <cctype>

#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/db/sqlite/SQLiteStatement.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TSQLiteDataSet::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TSQLiteDataSet>("TSQLiteDataSet")
            .Reference("Database", &TSQLiteDataSet::GetDatabase, &TSQLiteDataSet::SetDatabase)
            .Build();
    return info;
}

TSQLiteDataSet::TSQLiteDataSet(TComponent* AOwner) : TDataSet(AOwner) {}

TSQLiteDataSet::~TSQLiteDataSet() {
    SetDatabase(nullptr);
}

void TSQLiteDataSet::SetDatabase(TSQLiteDatabase* Value) {
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

void TSQLiteDataSet::Notification(TComponent* AComponent, TOperation Operation) {
    TDataSet::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_database) {
        Close();
        m_database = nullptr;
    }
}

void TSQLiteDataSet::Loaded() {
    TDataSet::Loaded();
}

TSQLiteDatabase& TSQLiteDataSet::CheckDatabase() const {
    if (!m_database) DatabaseError("No database is assigned to " + GetName());
    if (!m_database->GetConnected()) m_database->Open();
    return *m_database;
}

void TSQLiteDataSet::ReadRows(TSQLiteStatement& Stmt, bool KeyColumn,
                              std::vector<TRecordData>& Records) {
    const int first = KeyColumn ? 1 : 0;
    const int columns = Stmt.ColumnCount();
    std::int64_t counter = 0;
    while (Stmt.Step()) {
        TRecordData record;
        record.Key = KeyColumn ? Stmt.ColumnInt64(0) : ++counter;
        record.Values.reserve(static_cast<std::size_t>(columns - first));
        for (int c = first; c < columns; ++c) record.Values.push_back(Stmt.Column(c));
        Records.push_back(std::move(record));
    }
}

TFieldType FieldTypeFromDeclaration(const std::string& Declared, int& Size) {
    std::string type = UpperCase(Declared);
    auto has = [&](const char* word) { return type.find(word) != std::string::npos; };
    Size = 0;
    if (type.empty()) return ftBlob;
    if (has("BOOL")) return ftBoolean;
    if (has("INT")) {
        if (has("BIGINT") || has("INTEGER") || has("INT8") || has("INT64")) return ftLargeint;
        return ftInteger;
    }
    if (has("CHAR")) {
        Size = 255;
        std::size_t open = type.find('(');
        if (open != std::string::npos) {
            int n = 0;
            for (std::size_t i = open + 1; i < type.size() && std::isdigit(static_cast<unsigned char>(type[i])); ++i)
                n = std::min(n * 10 + (type[i] - '0'), 1 << 20);
            if (n > 0) Size = n;
        }
        return ftString;
    }
    if (has("CLOB") || has("TEXT") || has("MEMO")) return ftMemo;
    if (has("GRAPHIC") || has("IMAGE") || has("PICTURE")) return ftGraphic;
    if (has("BLOB")) return ftBlob;
    if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL"))
        return ftFloat;
    Size = 255;
    return ftString;
}
