// The SQLite table against tables that make finding a row hard (columns that take the row
// id's names, no row id at all), schemas that another program changes while the table is
// open, and values of another type than their column declares.
#include "DbTestFixture.h"

namespace dbtest {

namespace {

// A second connection to the same file, as another program would hold it.
class TOtherConnection {
public:
    explicit TOtherConnection(const std::string& Path) { sqlite3_open(Path.c_str(), &m_db); }
    ~TOtherConnection() { sqlite3_close(m_db); }
    void Exec(const std::string& Sql) {
        char* error = nullptr;
        const int rc = sqlite3_exec(m_db, Sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        ASSERT_EQ(rc, SQLITE_OK) << Sql << ": " << message;
    }
    // The rows of a query, each as its columns joined by "|", the rows joined by ",".
    std::string Rows(const std::string& Sql) {
        sqlite3_stmt* stmt = nullptr;
        std::string result;
        if (sqlite3_prepare_v2(m_db, Sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            return sqlite3_errmsg(m_db);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            if (!result.empty()) result += ',';
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const unsigned char* text = sqlite3_column_text(stmt, c);
                result += (c ? "|" : "") +
                          std::string(text ? reinterpret_cast<const char*>(text) : "null");
            }
        }
        sqlite3_finalize(stmt);
        return result;
    }

private:
    sqlite3* m_db = nullptr;
};

std::string ErrorOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    return "(no error)";
}

bool Contains(const std::string& Text, const std::string& Part) {
    return Text.find(Part) != std::string::npos;
}

// Reads the text of every field of the record it is on, as a grid or an edit shows it.
class TShowingLink : public TDataLink {
public:
    std::string Shown;

protected:
    void ActiveChanged() override { Show(); }
    void DataSetScrolled(int) override { Show(); }
    void RecordChanged(TField*) override { Show(); }

private:
    void Show() {
        Shown.clear();
        if (!GetActive()) return;
        for (int i = 0; i < GetDataSet()->FieldCount(); ++i)
            Shown += GetDataSet()->Fields(i)->GetDisplayText() + ";";
    }
};

struct TKeyCase {
    const char* Schema;  // a table "t" with a column "name" among others
    const char* Values;  // the other columns' values of every row, after the name
};

class RowKeyTest : public DbTest, public ::testing::WithParamInterface<TKeyCase> {};

}  // namespace

// Each table here has columns that read the same for every row under a name that usually
// means the row id: an edit, an insert and a delete each reach exactly their own row.
TEST_P(RowKeyTest, EachPostAndDeleteChangesOnlyItsOwnRow) {
    const TKeyCase& c = GetParam();
    TTempFile file("rowkey");
    Connect(file.Path);
    TOtherConnection other(file.Path);
    other.Exec(c.Schema);
    for (const char* name : {"a", "b", "c"})
        other.Exec(std::string("INSERT INTO t VALUES ('") + name + "'" + c.Values + ")");
    TSQLiteTable t(nullptr);
    t.SetDatabase(db.get());
    t.SetTableName("t");
    t.SetIndexFieldNames("name");
    t.Open();
    ASSERT_TRUE(t.GetCanModify()) << c.Schema;
    ASSERT_TRUE(t.Locate("name", {"b"}));
    t.Edit();
    t.FieldByName("name")->SetAsString("B");
    t.Post();
    EXPECT_EQ(other.Rows("SELECT name FROM t ORDER BY name"), "B,a,c") << c.Schema;
    t.Append();
    t.FieldByName("name")->SetAsString("d");
    t.Post();
    EXPECT_EQ(t.FieldByName("name")->GetAsString(), "d") << c.Schema;
    ASSERT_TRUE(t.Locate("name", {"a"}));
    t.Delete();
    EXPECT_EQ(other.Rows("SELECT name FROM t ORDER BY name"), "B,c,d") << c.Schema;
    // The keys read again find the same rows.
    t.Refresh();
    ASSERT_TRUE(t.Locate("name", {"d"}));
    t.Edit();
    t.FieldByName("name")->SetAsString("D");
    t.Post();
    EXPECT_EQ(other.Rows("SELECT name FROM t ORDER BY name"), "B,D,c") << c.Schema;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RowKeyTest,
    ::testing::Values(
        TKeyCase{"CREATE TABLE t (name TEXT, rowid INT)", ", 1"},
        TKeyCase{"CREATE TABLE t (name TEXT, ROWID INT, _rowid_ INT)", ", 1, 1"},
        TKeyCase{"CREATE TABLE t (name TEXT, rowid INT, _ROWID_ INT, Oid INT, "
                 "id INTEGER PRIMARY KEY)",
                 ", 1, 1, 1, NULL"},
        TKeyCase{"CREATE TABLE t (name TEXT, oid TEXT)", ", 'x'"},
        // No row id at all: the integer key, which a new row takes from its default.
        TKeyCase{"CREATE TABLE t (name TEXT, id INTEGER PRIMARY KEY DEFAULT 100, rowid INT) "
                 "WITHOUT ROWID",
                 ", (SELECT count(*) + 1 FROM t), 1"}));

TEST_F(DbTest, TableWithoutAReachableRowKeyIsOnlyRead) {
    Connect();
    db->ExecSQL("CREATE TABLE t (name TEXT, rowid INT, _rowid_ INT, oid INT);"
                "INSERT INTO t VALUES ('a', 1, 1, 1), ('b', 1, 1, 1);"
                "CREATE TABLE w (code TEXT PRIMARY KEY, n INT) WITHOUT ROWID;"
                "INSERT INTO w VALUES ('x', 1), ('y', 2);");
    for (const char* name : {"t", "w"}) {
        TSQLiteTable t(nullptr);
        t.SetDatabase(db.get());
        t.SetTableName(name);
        t.Open();
        EXPECT_EQ(t.GetRecordCount(), 2) << name;
        EXPECT_FALSE(t.GetCanModify()) << name;
        EXPECT_EQ(ErrorOf([&] { t.Edit(); }), dbmsg::DataSetReadOnly) << name;
        EXPECT_EQ(ErrorOf([&] { t.Delete(); }), dbmsg::DataSetReadOnly) << name;
    }
}

// The key was chosen when the table opened; another program then adds a column that takes
// its name. A post or delete that would change every row is taken back whole.
TEST_F(DbTest, ChangeThatWouldReachMoreThanOneRowIsTakenBack) {
    TTempFile file("shadowed");
    Connect(file.Path);
    TOtherConnection other(file.Path);
    other.Exec("CREATE TABLE t (name TEXT, n INT);"
               "INSERT INTO t VALUES ('a', 1), ('b', 2), ('c', 3)");
    TSQLiteTable t(nullptr);
    t.SetDatabase(db.get());
    t.SetTableName("t");
    t.Open();
    ASSERT_TRUE(t.Locate("name", {"b"}));
    // The row id of b is 2, and so is the new column in every row.
    other.Exec("ALTER TABLE t ADD COLUMN rowid INT DEFAULT 2");
    t.Edit();
    t.FieldByName("n")->SetAsInteger(99);
    EXPECT_TRUE(Contains(ErrorOf([&] { t.Post(); }), "3 rows of table 't' instead of one"));
    EXPECT_EQ(t.GetState(), dsEdit);
    EXPECT_EQ(other.Rows("SELECT name, n FROM t ORDER BY name"), "a|1,b|2,c|3");
    t.Cancel();
    EXPECT_TRUE(Contains(ErrorOf([&] { t.Delete(); }), "instead of one"));
    EXPECT_EQ(other.Rows("SELECT count(*) FROM t"), "3");
    EXPECT_NE(sqlite3_get_autocommit(db->Handle()), 0) << "no transaction is left open";
    // Read again, the table finds its rows by a name the column does not take.
    t.Refresh();
    ASSERT_TRUE(t.Locate("name", {"b"}));
    t.Delete();
    EXPECT_EQ(other.Rows("SELECT name FROM t ORDER BY name"), "a,c");
}

// Another program changes the table's columns while it is open here; Refresh reads them
// again and each field follows its column by name.
TEST_F(DbTest, RefreshFollowsColumnsThatAnotherProgramAddedOrMoved) {
    TTempFile file("schema");
    Connect(file.Path);
    TStringField name(nullptr);  // a persistent field, bound by name like the others
    name.SetFieldName("name");
    name.SetDataSet(table.get());
    table->Open();
    TRecordingLink link;
    link.SetDataSource(source.get());
    TOtherConnection other(file.Path);
    struct {
        const char* Change;
        bool NewField;     // a field is made for a new column, and links hear of it
        const char* Rows;  // id, name, age and the column "extra" after an edit of Bob
    } steps[] = {
        {"ALTER TABLE people ADD COLUMN extra TEXT DEFAULT 'x'", true,
         "1|Ann|30|x,2|Bob!|41|x,3|Cy|32|x"},
        // The same columns in another order, as a program that rebuilds the table leaves them.
        {"CREATE TABLE moved (extra TEXT, photo BLOB, notes TEXT, active BOOLEAN, score REAL, "
         "age INT, name VARCHAR(20) NOT NULL, id INTEGER PRIMARY KEY);"
         "INSERT INTO moved SELECT extra, photo, notes, active, score, age, name, id FROM people;"
         "DROP TABLE people; ALTER TABLE moved RENAME TO people",
         false, "1|Ann|30|x,2|Bob!!|51|x,3|Cy|32|x"},
    };
    for (const auto& step : steps) {
        other.Exec(step.Change);
        link.Log.clear();
        table->Refresh();
        EXPECT_NE(std::find(link.Log.begin(), link.Log.end(), "changed"), link.Log.end());
        EXPECT_EQ(std::find(link.Log.begin(), link.Log.end(), "layout") != link.Log.end(),
                  step.NewField)
            << step.Change;
        ASSERT_NE(table->FindField("extra"), nullptr) << step.Change;
        ASSERT_TRUE(table->Locate("name", {"Bob"}, loPartialKey)) << step.Change;
        EXPECT_EQ(table->FieldByName("extra")->GetAsString(), "x");
        table->Edit();
        name.SetAsString(name.GetAsString() + "!");
        table->FieldByName("age")->SetAsInteger(table->FieldByName("age")->GetAsInteger() + 10);
        table->Post();
        EXPECT_EQ(other.Rows("SELECT id, name, age, extra FROM people ORDER BY id"), step.Rows)
            << step.Change;
    }
}

TEST_F(DbTest, ColumnRemovedByAnotherProgramIsNamedAndNothingIsWrittenByPosition) {
    TTempFile file("dropped");
    Connect(file.Path);
    table->Open();
    TOtherConnection other(file.Path);
    other.Exec("ALTER TABLE people DROP COLUMN age");
    EXPECT_EQ(ErrorOf([&] { table->Refresh(); }), dbmsg::ColumnGone("age"));
    EXPECT_TRUE(table->GetActive());
    EXPECT_EQ(table->GetRecordCount(), 3);
    table->Locate("name", {"Bob"});
    table->Edit();
    table->FieldByName("name")->SetAsString("Bert");
    table->FieldByName("score")->SetAsFloat(7);
    EXPECT_TRUE(Contains(ErrorOf([&] { table->Post(); }), "age"));
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(other.Rows("SELECT name, score, active, notes FROM people ORDER BY id"),
              "Ann|1.5|1|null,Bob|1.5|1|null,Cy|1.5|1|null");
    table->Cancel();
    // Opened again, the table has the columns that are left.
    table->Close();
    table->Open();
    EXPECT_EQ(table->FindField("age"), nullptr);
    table->Locate("name", {"Bob"});
    table->Edit();
    table->FieldByName("score")->SetAsFloat(7);
    table->Post();
    EXPECT_EQ(other.Rows("SELECT name, score FROM people WHERE id = 2"), "Bob|7.0");
}

TEST_F(DbTest, PersistentFieldWhoseColumnWentAwayIsRefusedAtTheNextOpen) {
    TTempFile file("persistent");
    Connect(file.Path);
    TIntegerField age(nullptr);
    age.SetFieldName("age");
    age.SetDataSet(table.get());
    table->Open();
    table->Close();
    TOtherConnection other(file.Path);
    other.Exec("ALTER TABLE people DROP COLUMN age");
    EXPECT_EQ(ErrorOf([&] { table->Open(); }), dbmsg::FieldNotFound("age"));
    EXPECT_FALSE(table->GetActive());
}

// SQLite keeps text, or a fraction, that a column of another type was given. Such a row
// opens, shows its value as it is, lets the cursor move over it and keeps the value when
// another field is posted.
TEST_F(DbTest, ValueOfAnotherTypeInAColumnShowsAsItIsAndDoesNotBlockTheCursor) {
    struct {
        const char* Column;
        const char* Value;  // as SQL
        std::string Text;   // as shown
        bool IsNumber;      // whether asking for an integer finds one
    } cases[] = {
        {"age", "'thirty'", "thirty", false},
        {"score", "'high'", "high", false},
        {"active", "'maybe'", "maybe", false},
        {"age", "2.5", "2.5", true},
        {"age", "-1e300", FloatToStr(-1e300), false},
    };
    for (const auto& c : cases) {
        Connect();
        db->ExecSQL(std::string("UPDATE people SET ") + c.Column + " = " + c.Value +
                    " WHERE name IN ('Ann', 'Bob')");
        table->SetIndexFieldNames("name");
        TShowingLink shown;
        shown.SetDataSource(source.get());
        table->Open();
        EXPECT_NE(shown.Shown.find(c.Text), std::string::npos) << shown.Shown;
        TField* field = table->FieldByName(c.Column);
        EXPECT_EQ(field->GetAsString(), c.Text) << c.Column;
        EXPECT_EQ(field->GetText(), c.Text) << c.Column;
        EXPECT_EQ(field->GetDisplayText(), c.Text) << c.Column;
        table->Next();
        EXPECT_EQ(table->GetRecNo(), 2) << c.Column;
        EXPECT_NE(shown.Shown.find(c.Text), std::string::npos) << shown.Shown;
        table->Next();
        EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Cy") << c.Column;
        table->Prior();
        table->Edit();
        table->FieldByName("notes")->SetAsString("seen");
        table->Post();
        EXPECT_EQ(field->GetAsString(), c.Text) << c.Column;
        EXPECT_EQ(Contains(ErrorOf([&] { field->GetAsLargeInt(); }), "not a valid"), !c.IsNumber)
            << c.Text << ": asking for the number says why there is none";
        shown.SetDataSource(nullptr);
        TearDown();
    }
}

}  // namespace dbtest
