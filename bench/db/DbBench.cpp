// A table of 100 000 rows in a temporary file: how long opening it takes, and how long a
// grid over it takes to page from the first record to the last and to jump there.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/db/DataSource.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

constexpr int kRows = 100000;

// Made once per run: the rows are written in one transaction by SQLite itself.
const std::string& BigDatabase() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() /
                         ("db-bench-" + std::to_string(::getpid()) + ".db"))
                            .string();
        std::filesystem::remove(p);
        TSQLiteDatabase db(nullptr);
        db.SetDatabaseName(p);
        db.SetCreateIfMissing(true);
        db.Open();
        db.ExecSQL("CREATE TABLE items (id INTEGER PRIMARY KEY, code VARCHAR(10) NOT NULL, "
                   "name VARCHAR(60), qty INT, price REAL);"
                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                   std::to_string(kRows) +
                   ") INSERT INTO items (code, name, qty, price) "
                   "SELECT printf('C%06d', i), 'Item number ' || i, i % 97, i * 0.25 FROM n");
        std::atexit([] { std::filesystem::remove(BigDatabase()); });
        return p;
    }();
    return path;
}

void BM_OpenTable(benchmark::State& state) {
    TSQLiteDatabase db(nullptr);
    db.SetDatabaseName(BigDatabase());
    db.Open();
    for (auto _ : state) {
        TSQLiteTable table(nullptr);
        table.SetDatabase(&db);
        table.SetTableName("items");
        table.Open();
        benchmark::DoNotOptimize(table.GetRecordCount());
    }
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);

// The grid on a shown form, the dataset open; each iteration goes back to the first record.
struct TGridOnForm {
    TGridOnForm() {
        win::Headless::Install();
        db.SetDatabaseName(BigDatabase());
        table.SetDatabase(&db);
        table.SetTableName("items");
        source.SetDataSet(&table);
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 640, 480);
        grid = new TDBGrid(form.get());
        grid->SetBounds(0, 0, 620, 460);
        grid->SetParent(form.get());
        grid->SetDataSource(&source);
        table.Open();
        form->Show();
        grid->SetFocus();
        win::Headless::ProcessMessages();
    }
    ~TGridOnForm() {
        form.reset();
        win::Headless::Install();
    }
    TSQLiteDatabase db{nullptr};
    TSQLiteTable table{nullptr};
    TDataSource source{nullptr};
    std::unique_ptr<TForm> form;
    TDBGrid* grid = nullptr;
};

// Page Down, repainting after each page as a user holding the key would see it, until the
// last record; the number of pages is reported.
void BM_GridPageToEnd(benchmark::State& state) {
    TGridOnForm setup;
    int pages = 0;
    for (auto _ : state) {
        setup.table.First();
        win::Headless::ProcessMessages();
        pages = 0;
        while (!setup.table.GetEOF() && setup.table.GetRecNo() < kRows) {
            WORD key = VK_NEXT;
            setup.grid->Perform(WM_KEYDOWN, key, 0);
            win::Headless::ProcessMessages();
            ++pages;
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_GridPageToEnd)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ctrl+End: straight to the last record and its repaint.
void BM_GridJumpToEnd(benchmark::State& state) {
    TGridOnForm setup;
    for (auto _ : state) {
        setup.table.First();
        win::Headless::ProcessMessages();
        win::Headless::KeyDown(VK_CONTROL);
        win::Headless::KeyPress(VK_END);
        win::Headless::KeyUp(VK_CONTROL);
        win::Headless::ProcessMessages();
    }
    if (setup.table.GetRecNo() != kRows) state.SkipWithError("the grid did not reach the end");
}
BENCHMARK(BM_GridJumpToEnd)->Unit(benchmark::kMillisecond);

}  // namespace
