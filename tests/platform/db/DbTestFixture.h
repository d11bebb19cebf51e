#pragma once
// A database in memory or in a temporary file with a small table, and a link that records
// every hook the data source calls.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/DataLink.h"
#include "platform/db/Fields.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"

namespace dbtest {

// Records each hook as a word, so that a test compares the sequence with a table.
class TRecordingLink : public TDataLink {
public:
    std::vector<std::string> Log;

protected:
    void ActiveChanged() override { Log.push_back(GetActive() ? "active" : "inactive"); }
    void EditingChanged() override { Log.push_back(GetEditing() ? "editing" : "browsing"); }
    void DataSetChanged() override { Log.push_back("changed"); }
    void DataSetScrolled(int Distance) override {
        Log.push_back("scrolled " + std::to_string(Distance));
    }
    void LayoutChanged() override { Log.push_back("layout"); }
    void RecordChanged(TField* Field) override {
        Log.push_back(Field ? "record " + Field->GetFieldName() : "record");
    }
    void UpdateData() override { Log.push_back("update"); }
    void CheckBrowseMode() override { Log.push_back("check"); }
};

// Makes a file path in the temporary directory that is removed again.
class TTempFile {
public:
    explicit TTempFile(const std::string& Stem) {
        Path = (std::filesystem::temp_directory_path() /
                (Stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(++s_counter) + ".db"))
                   .string();
        std::filesystem::remove(Path);
    }
    ~TTempFile() {
        std::error_code ignored;
        std::filesystem::remove(Path, ignored);
        std::filesystem::remove(Path + "-journal", ignored);
    }
    std::string Path;

private:
    static inline int s_counter = 0;
};

inline const char* kPeopleSchema =
    "CREATE TABLE people (id INTEGER PRIMARY KEY, name VARCHAR(20) NOT NULL, "
    "age INT, score REAL, active BOOLEAN, notes TEXT, photo BLOB);";

class DbTest : public ::testing::Test {
protected:
    // Opens the database (":memory:" unless a path is given) with the people table and
    // the rows of Names.
    void Connect(const std::string& Path = ":memory:",
                 const std::vector<std::string>& Names = {"Ann", "Bob", "Cy"}) {
        db = std::make_unique<TSQLiteDatabase>(nullptr);
        db->SetDatabaseName(Path);
        db->SetCreateIfMissing(true);
        db->Open();
        if (!db->TableExists("people")) {
            db->ExecSQL(kPeopleSchema);
            int age = 30;
            for (const std::string& name : Names)
                db->ExecSQL("INSERT INTO people (name, age, score, active) VALUES ('" + name +
                            "', " + std::to_string(age++) + ", 1.5, 1)");
        }
        table = std::make_unique<TSQLiteTable>(nullptr);
        table->SetDatabase(db.get());
        table->SetTableName("people");
        source = std::make_unique<TDataSource>(nullptr);
        source->SetDataSet(table.get());
    }
    void TearDown() override {
        source.reset();
        table.reset();
        db.reset();
    }
    std::string Names() {
        std::string result;
        table->First();
        while (!table->GetEOF()) {
            if (!result.empty()) result += ',';
            result += table->FieldByName("name")->GetAsString();
            table->Next();
        }
        return result;
    }

    std::unique_ptr<TSQLiteDatabase> db;
    std::unique_ptr<TSQLiteTable> table;
    std::unique_ptr<TDataSource> source;
};

}  // namespace dbtest
