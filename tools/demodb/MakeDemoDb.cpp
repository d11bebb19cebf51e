// Builds the demonstration database of the gallery's records window from the shipped data,
// through the data layer's own tables:
//
//   make_demo_db OUTPUT.db --abbreviations FILE.tsv [--commands FILE.tsv]
//   make_demo_db "host=... dbname=..." --abbreviations FILE.tsv [--commands FILE.tsv]
//
// OUTPUT is an SQLite file, or a PostgreSQL connection string (key=value settings or a
// postgresql:// address): there the tables are made anew in one transaction, replacing
// tables of the same names.
//
// Tables: verbs (the first word of each command's descriptive name), commands (the IBM CL
// command list with each command's verb), abbreviations, and pictures (small BMP and JPEG
// pictures drawn here, one whose bytes are no picture, and one without a picture). Without
// a command list, verbs and commands stay empty.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/Fields.h"
#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgDataSet.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/JpegCodec.h"

namespace {

const char* kSchema =
    "CREATE TABLE verbs (code INTEGER PRIMARY KEY, title VARCHAR(30) NOT NULL UNIQUE);"
    "CREATE TABLE commands (id INTEGER PRIMARY KEY, command VARCHAR(10) NOT NULL UNIQUE,"
    " name VARCHAR(80) NOT NULL, verb INT REFERENCES verbs(code), notes TEXT,"
    " reviewed BOOLEAN);"
    "CREATE TABLE abbreviations (id INTEGER PRIMARY KEY, title VARCHAR(10) NOT NULL,"
    " meaning VARCHAR(120), sample VARCHAR(20), is_command BOOLEAN, is_keyword BOOLEAN);"
    "CREATE TABLE pictures (id INTEGER PRIMARY KEY, title VARCHAR(30) NOT NULL, picture GRAPHIC);";

const char* kPgSchema =
    "DROP TABLE IF EXISTS pictures, abbreviations, commands, verbs;"
    "CREATE TABLE verbs (code serial PRIMARY KEY, title varchar(30) NOT NULL UNIQUE);"
    "CREATE TABLE commands (id serial PRIMARY KEY, command varchar(10) NOT NULL UNIQUE,"
    " name varchar(80) NOT NULL, verb int REFERENCES verbs(code), notes text, reviewed boolean);"
    "CREATE TABLE abbreviations (id serial PRIMARY KEY, title varchar(10) NOT NULL,"
    " meaning varchar(120), sample varchar(20), is_command boolean, is_keyword boolean);"
    "CREATE TABLE pictures (id serial PRIMARY KEY, title varchar(30) NOT NULL, picture bytea);";

// Where the tables go: the two databases behind one way of opening a table.
struct TTarget {
    std::function<std::unique_ptr<TDataSet>(const char* Name)> Table;
};

// The rows of a tab-separated file with a header line, as maps from column to text.
std::vector<std::map<std::string, std::string>> ReadTsv(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    auto split = [](const std::string& line) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        while (true) {
            std::size_t tab = line.find('\t', start);
            cells.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        return cells;
    };
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = split(line);
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::vector<std::string> cells = split(line);
        std::map<std::string, std::string> row;
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) row[header[i]] = cells[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string FirstWord(const std::string& text) {
    return text.substr(0, text.find(' '));
}

// A sky, stripes of land and a sun: something whose place and scale can be told at a glance.
gfx::Bitmap Picture(int width, int height, TColor sky, std::vector<TColor> land) {
    gfx::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            TColor colour = sky;
            if (y > height / 3) colour = land[static_cast<std::size_t>(x * static_cast<int>(land.size()) / width)];
            const int dx = x - width * 3 / 4, dy = y - height / 5;
            if (dx * dx + dy * dy <= height * height / 64) colour = RGB(255, 215, 0);
            bitmap.SetPixel(x, y, colour);
        }
    return bitmap;
}

std::string Bytes(const std::vector<std::uint8_t>& data) {
    return std::string(data.begin(), data.end());
}

// Fills the tables from the shipped data.
void Load(const TTarget& target, const std::string& abbreviations, const std::string& commands) {
    if (!commands.empty() && std::filesystem::exists(commands)) {
        const auto rows = ReadTsv(commands);
        std::map<std::string, int> verbs;
        for (const auto& row : rows) verbs.emplace(FirstWord(row.at("descriptive name")), 0);
        auto verbTable = target.Table("verbs");
        for (auto& [title, code] : verbs) {
            verbTable->Append();
            verbTable->FieldByName("title")->SetAsString(title);
            verbTable->Post();
            code = verbTable->FieldByName("code")->GetAsInteger();
        }
        auto commandTable = target.Table("commands");
        for (const auto& row : rows) {
            commandTable->Append();
            commandTable->FieldByName("command")->SetAsString(row.at("command"));
            commandTable->FieldByName("name")->SetAsString(row.at("descriptive name"));
            commandTable->FieldByName("verb")->SetAsInteger(verbs.at(FirstWord(row.at("descriptive name"))));
            commandTable->Post();
        }
    } else {
        std::fprintf(stderr, "make_demo_db: no command list; the commands table stays empty\n");
    }

    auto abbreviationTable = target.Table("abbreviations");
    for (const auto& row : ReadTsv(abbreviations)) {
        abbreviationTable->Append();
        abbreviationTable->FieldByName("title")->SetAsString(row.at("title"));
        abbreviationTable->FieldByName("meaning")->SetAsString(row.at("meaning"));
        abbreviationTable->FieldByName("sample")->SetAsString(row.at("sample"));
        abbreviationTable->FieldByName("is_command")->SetAsBoolean(row.at("command") == "1");
        abbreviationTable->FieldByName("is_keyword")->SetAsBoolean(row.at("keyword") == "1");
        abbreviationTable->Post();
    }

    auto pictureTable = target.Table("pictures");
    static const char kDamaged[] = "BM\0this file was cut short";
    const std::pair<const char*, std::string> pictures[] = {
        {"Evening (BMP)", Bytes(gfx::WriteBmp(Picture(96, 64, RGB(40, 60, 140), {RGB(200, 90, 40), RGB(120, 40, 90)})))},
        {"Meadow (JPEG)", Bytes(gfx::WriteJpeg(Picture(120, 80, RGB(120, 180, 255), {RGB(40, 140, 40), RGB(80, 160, 60), RGB(30, 110, 30)})))},
        {"Sea (BMP)", Bytes(gfx::WriteBmp(Picture(64, 64, RGB(150, 200, 255), {RGB(20, 80, 160), RGB(10, 50, 120)})))},
        {"Damaged (not a picture)", std::string(kDamaged, sizeof kDamaged - 1)},
        {"Empty", std::string()},
    };
    for (const auto& [title, bytes] : pictures) {
        pictureTable->Append();
        pictureTable->FieldByName("title")->SetAsString(title);
        static_cast<TBlobField*>(pictureTable->FieldByName("picture"))->SetAsBytes(bytes);
        pictureTable->Post();
    }
}

template <class Table, class Database>
std::function<std::unique_ptr<TDataSet>(const char*)> TablesOf(Database& db) {
    return [&db](const char* name) {
        auto table = std::make_unique<Table>(nullptr);
        table->SetDatabase(&db);
        table->SetTableName(name);
        table->Open();
        return std::unique_ptr<TDataSet>(std::move(table));
    };
}

int LoadIntoPostgres(const std::string& conninfo, const std::string& abbreviations,
                     const std::string& commands) {
    try {
        TPgConnection db(nullptr);
        db.SetConnectionString(conninfo);
        db.SetApplicationName("make_demo_db");
        db.Open();
        // All or nothing: a failure rolls back, leaving what was there before.
        db.StartTransaction();
        db.ExecSQL(kPgSchema);
        Load({TablesOf<TPgTable>(db)}, abbreviations, commands);
        db.Commit();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_demo_db: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string output, abbreviations, commands;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--abbreviations") && i + 1 < argc)
            abbreviations = argv[++i];
        else if (!std::strcmp(argv[i], "--commands") && i + 1 < argc)
            commands = argv[++i];
        else if (output.empty() && argv[i][0] != '-')
            output = argv[i];
        else
            output.clear(), i = argc;
    }
    if (output.empty() || abbreviations.empty()) {
        std::fprintf(stderr, "usage: %s OUTPUT.db|CONNECTION-STRING --abbreviations FILE.tsv [--commands FILE.tsv]\n", argv[0]);
        return 64;
    }
    if (IsPgConnectionString(output)) return LoadIntoPostgres(output, abbreviations, commands);
    const std::string temporary = output + ".tmp";
    try {
        std::filesystem::remove(temporary);
        {
            TSQLiteDatabase db(nullptr);
            db.SetDatabaseName(temporary);
            db.SetCreateIfMissing(true);
            db.Open();
            db.ExecSQL(kSchema);
            db.ExecSQL("BEGIN");
            Load({TablesOf<TSQLiteTable>(db)}, abbreviations, commands);
            db.ExecSQL("COMMIT");
        }
        std::filesystem::rename(temporary, output);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_demo_db: %s\n", e.what());
        std::filesystem::remove(temporary);
        return 1;
    }
    return 0;
}
