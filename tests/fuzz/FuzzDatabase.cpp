// A database file as the records window reads it: every table opened through the dataset,
// every field's text shown on every row, and each table read again. Any bytes open, or are
// refused with EDatabaseError; nothing else escapes, and nothing is read out of bounds.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/db/Field.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

std::vector<std::string> TableNames(TSQLiteDatabase& Database) {
    TSQLiteQuery names(nullptr);
    names.SetDatabase(&Database);
    names.SetSQL("SELECT name FROM sqlite_master WHERE type = 'table'");
    names.Open();
    std::vector<std::string> result;
    for (; !names.GetEOF(); names.Next()) result.push_back(names.Fields(0)->GetAsString());
    return result;
}

void ReadTable(TSQLiteDatabase& Database, const std::string& Name) {
    TSQLiteTable table(nullptr);
    table.SetDatabase(&Database);
    table.SetTableName(Name);
    try {
        table.Open();
        std::string shown;
        for (; !table.GetEOF(); table.Next())
            for (int i = 0; i < table.FieldCount(); ++i) shown += table.Fields(i)->GetDisplayText();
        table.Refresh();
        table.Last();
    } catch (const EDatabaseError&) {
        // A table the database refuses to read is reported, as the window reports it.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // SQLite opens a path and follows links to their target, so the bytes go to a file.
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("qv-fuzz-" + std::to_string(::getpid()) + ".db"))
                                        .string();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    TSQLiteDatabase database(nullptr);
    database.SetDatabaseName(path);
    database.SetReadOnly(true);
    try {
        database.Open();
        for (const std::string& name : TableNames(database)) ReadTable(database, name);
    } catch (const EDatabaseError&) {
        // Not a database, or a damaged one: refused with a message.
    }
    database.Close();
    std::filesystem::remove(path);
    return 0;
}
