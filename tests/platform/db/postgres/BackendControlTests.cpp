// The data-aware controls behave the same over each database: one table of cases, run over
// SQLite and over PostgreSQL.
#include <functional>

#include "PgTestFixture.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/db/controls/DBMemo.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/vcl/controls/Form.h"
#include "tests/platform/vcl/ControlTestFixture.h"

namespace pgtest {

// One database with the people table (Ann, Bob, Cy, then Extra more rows), its table set
// and a way to ask it a question behind the set's back.
class TBackend {
public:
    virtual ~TBackend() = default;
    virtual TDataSet* Table() = 0;
    virtual void SetReadOnly(bool Value) = 0;
    virtual std::string Ask(const std::string& Sql) = 0;
};

class TSQLiteBackend : public TBackend {
public:
    explicit TSQLiteBackend(int Extra) {
        m_db.SetDatabaseName(":memory:");
        m_db.Open();
        m_db.ExecSQL("CREATE TABLE people (id INTEGER PRIMARY KEY, name VARCHAR(20) NOT NULL UNIQUE, "
                     "age INT, notes TEXT);"
                     "INSERT INTO people (name, age) VALUES ('Ann', 30), ('Bob', 31), ('Cy', 32)");
        for (int i = 1; i <= Extra; ++i)
            m_db.ExecSQL("INSERT INTO people (name, age) VALUES ('P" + std::to_string(i) + "', " +
                         std::to_string(i) + ")");
        m_table.SetDatabase(&m_db);
        m_table.SetTableName("people");
    }
    TDataSet* Table() override { return &m_table; }
    void SetReadOnly(bool Value) override { m_table.SetReadOnly(Value); }
    std::string Ask(const std::string& Sql) override {
        TSQLiteQuery query(nullptr);
        query.SetDatabase(&m_db);
        query.SetSQL(Sql);
        query.Open();
        return query.Fields(0)->GetAsString();
    }

private:
    TSQLiteDatabase m_db{nullptr};
    TSQLiteTable m_table{nullptr};
};

class TPgBackend : public TBackend {
public:
    explicit TPgBackend(int Extra) {
        m_db.SetConnectionString(ConnInfo());
        m_db.Open();
        m_db.ExecSQL("DROP TABLE IF EXISTS people CASCADE;"
                     "CREATE TABLE people (id serial PRIMARY KEY, name varchar(20) NOT NULL UNIQUE, "
                     "age int, notes text);"
                     "INSERT INTO people (name, age) VALUES ('Ann', 30), ('Bob', 31), ('Cy', 32)");
        m_db.ExecSQL("INSERT INTO people (name, age) SELECT 'P' || g, g FROM generate_series(1, $1) g",
                     {Extra});
        m_table.SetDatabase(&m_db);
        m_table.SetTableName("people");
        // Small batches, so that a grid of a few dozen rows already scrolls a window.
        m_table.SetFetchSize(16);
    }
    TDataSet* Table() override { return &m_table; }
    void SetReadOnly(bool Value) override { m_table.SetReadOnly(Value); }
    std::string Ask(const std::string& Sql) override {
        TPgConnection other(nullptr);
        other.SetConnectionString(ConnInfo());
        TPgQuery query(nullptr);
        query.SetDatabase(&other);
        query.SetSQL(Sql);
        query.Open();
        return query.Fields(0)->GetAsString();
    }

private:
    TPgConnection m_db{nullptr};
    TPgTable m_table{nullptr};
};

struct BackendKind {
    const char* Name;
    std::function<std::unique_ptr<TBackend>(int Extra)> Make;
};

const BackendKind kBackends[] = {
    {"SQLite", [](int extra) { return std::unique_ptr<TBackend>(new TSQLiteBackend(extra)); }},
    {"PostgreSQL", [](int extra) { return std::unique_ptr<TBackend>(new TPgBackend(extra)); }},
};

void PrintTo(const BackendKind& c, std::ostream* os) {
    *os << c.Name;
}

class BackendControlTest : public vcltest::VclTest, public ::testing::WithParamInterface<BackendKind> {
protected:
    void SetUp() override {
        vcltest::VclTest::SetUp();
        host.reset(new TForm(nullptr));
        host->SetBounds(100, 100, 400, 300);
        host->Show();
        Pump();
    }
    void Use(int Extra = 0) {
        backend = GetParam().Make(Extra);
        table = backend->Table();
        source.SetDataSet(table);
    }
    void TearDown() override {
        host.reset();
        source.SetDataSet(nullptr);
        backend.reset();
        vcltest::VclTest::TearDown();
    }
    template <class T>
    T* Place(int left, int top, int width, int height, const char* field = nullptr) {
        auto* control = new T(host.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(host.get());
        control->SetDataSource(&source);
        if constexpr (!std::is_same_v<T, TDBGrid>)
            if (field) control->SetDataField(field);
        return control;
    }
    static void Pump() { win::Headless::ProcessMessages(); }
    static void Type(const std::string& text) {
        win::Headless::TypeText(text);
        Pump();
    }
    static void Key(int vk, bool ctrl = false, char32_t ch = 0) {
        if (ctrl) win::Headless::KeyDown(VK_CONTROL);
        win::Headless::KeyPress(vk, ch);
        if (ctrl) win::Headless::KeyUp(VK_CONTROL);
        Pump();
    }
    static void Focus(TWinControl* control) {
        control->SetFocus();
        Pump();
    }

    std::unique_ptr<TForm> host;
    std::unique_ptr<TBackend> backend;
    TDataSet* table = nullptr;
    TDataSource source{nullptr};
};

TEST_P(BackendControlTest, TypingIntoAnEditAndPostingWritesTheDatabase) {
    Use();
    auto* name = Place<TDBEdit>(10, 10, 120, 22, "name");
    auto* notes = Place<TDBMemo>(10, 40, 200, 80, "notes");
    table->Open();
    EXPECT_EQ(name->GetText(), "Ann");
    EXPECT_EQ(name->GetMaxLength(), 20) << "the column's declared size";
    Focus(name);
    Key(VK_END);
    Type("e");
    EXPECT_EQ(table->GetState(), dsEdit);
    Focus(notes);
    Type("first note");
    Focus(name);
    table->Post();
    EXPECT_EQ(backend->Ask("SELECT name || '/' || notes FROM people WHERE id = 1"), "Anne/first note");
    table->Next();
    EXPECT_EQ(name->GetText(), "Bob");
}

TEST_P(BackendControlTest, EscapeTakesTheTypedTextBack) {
    Use();
    auto* name = Place<TDBEdit>(10, 10, 120, 22, "name");
    table->Open();
    Focus(name);
    Key(VK_END);
    Type("xyz");
    Key(VK_ESCAPE);
    EXPECT_EQ(name->GetText(), "Ann");
    table->Cancel();
    EXPECT_EQ(backend->Ask("SELECT name FROM people WHERE id = 1"), "Ann");
}

TEST_P(BackendControlTest, ARequiredFieldLeftEmptyFocusesItsEdit) {
    Use();
    auto* name = Place<TDBEdit>(10, 10, 120, 22, "name");
    auto* age = Place<TDBEdit>(10, 40, 120, 22, "age");
    table->Open();
    table->Append();
    Focus(age);
    Type("44");
    EXPECT_THROW(table->Post(), EDatabaseError);
    Pump();
    EXPECT_TRUE(name->Focused());
    EXPECT_EQ(table->GetState(), dsInsert);
    EXPECT_EQ(age->GetText(), "44");
}

TEST_P(BackendControlTest, ADuplicateTheDatabaseRefusesKeepsTheTypedText) {
    Use();
    auto* name = Place<TDBEdit>(10, 10, 120, 22, "name");
    table->Open();
    Focus(name);
    Key(VK_END);
    for (int i = 0; i < 3; ++i) Key(VK_BACK, false, U'\b');
    Type("Bob");
    EXPECT_THROW(table->Post(), EDatabaseError);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(name->GetText(), "Bob");
    EXPECT_EQ(backend->Ask("SELECT count(*) FROM people WHERE name = 'Bob'"), "1");
}

TEST_P(BackendControlTest, AReadOnlyTableKeepsTheEditFromEditing) {
    Use();
    auto* name = Place<TDBEdit>(10, 10, 120, 22, "name");
    backend->SetReadOnly(true);
    table->Open();
    Focus(name);
    Type("zz");
    EXPECT_EQ(name->GetText(), "Ann");
    EXPECT_EQ(table->GetState(), dsBrowse);
}

TEST_P(BackendControlTest, TheGridWalksEveryRowWithArrowsAndPages) {
    Use(60);
    auto* grid = Place<TDBGrid>(10, 10, 360, 200);
    table->Open();
    EXPECT_EQ(grid->GetColCount(), 5) << "the indicator and four fields";
    Focus(grid);
    Key(VK_DOWN);
    EXPECT_EQ(table->GetRecNo(), 2);
    Key(VK_NEXT);
    const int page = grid->GetVisibleRowCount();
    EXPECT_EQ(table->GetRecNo(), 2 + page);
    Key(VK_END, true);
    EXPECT_EQ(table->GetRecNo(), 63);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "P60");
    Key(VK_HOME, true);
    EXPECT_EQ(table->GetRecNo(), 1);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Ann");
    // Row by row to the end and back: every record once, in order.
    std::string walked;
    for (int i = 0; i < 62; ++i) {
        Key(VK_DOWN);
        walked += table->FieldByName("age")->GetAsString() + " ";
    }
    EXPECT_EQ(table->GetRecNo(), 63);
    EXPECT_EQ(walked.substr(0, 9), "31 32 1 2");
    EXPECT_EQ(walked.substr(walked.size() - 6), "59 60 ");
    for (int i = 0; i < 62; ++i) Key(VK_UP);
    EXPECT_EQ(table->GetRecNo(), 1);
}

INSTANTIATE_TEST_SUITE_P(Databases, BackendControlTest, ::testing::ValuesIn(kBackends),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace pgtest
