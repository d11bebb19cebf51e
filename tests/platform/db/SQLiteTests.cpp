// The SQLite datasets on real files: round trips that survive reopening, BLOBs, lookups and
// every way the database can refuse.
#include <fstream>

#include "DbTestFixture.h"

namespace dbtest {

namespace {

// A second connection to the same file, as another program would hold it.
class TOtherProgram {
public:
    explicit TOtherProgram(const std::string& Path) { sqlite3_open(Path.c_str(), &m_db); }
    ~TOtherProgram() { sqlite3_close(m_db); }
    int Exec(const std::string& Sql) { return sqlite3_exec(m_db, Sql.c_str(), nullptr, nullptr, nullptr); }

private:
    sqlite3* m_db = nullptr;
};

void Reopen(DbTest& test, std::unique_ptr<TSQLiteDatabase>& db, std::unique_ptr<TSQLiteTable>& table) {
    (void)test;
    table->Close();
    db->Close();
    db->Open();
    table->Open();
}

std::string ErrorOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    return "(no error)";
}

}  // namespace

TEST_F(DbTest, PostInsertAndDeleteSurviveReopeningTheFile) {
    TTempFile file("roundtrip");
    Connect(file.Path);
    table->Open();
    table->Locate("name", {"Bob"});
    table->Edit();
    table->FieldByName("name")->SetAsString("Bert");
    table->FieldByName("score")->SetAsFloat(2.75);
    table->Post();
    table->Append();
    table->FieldByName("name")->SetAsString("Dora");
    table->FieldByName("active")->SetAsBoolean(false);
    table->Post();
    EXPECT_GT(table->FieldByName("id")->GetAsInteger(), 3) << "the new row id is read back";
    table->First();
    table->Delete();
    table->Insert();
    table->FieldByName("name")->SetAsString("Never");
    table->Cancel();
    Reopen(*this, db, table);
    EXPECT_EQ(Names(), "Bert,Cy,Dora");
    table->Locate("name", {"Bert"});
    EXPECT_DOUBLE_EQ(table->FieldByName("score")->GetAsFloat(), 2.75);
    table->Locate("name", {"Dora"});
    EXPECT_FALSE(table->FieldByName("active")->GetAsBoolean());
    EXPECT_TRUE(table->FieldByName("age")->IsNull());
}

TEST_F(DbTest, BlobsKeepEveryByteAndAreBoundAsBytes) {
    TTempFile file("blob");
    Connect(file.Path);
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7);
    bytes[5] = '\0';
    table->Open();
    table->Edit();
    static_cast<TBlobField*>(table->FieldByName("photo"))->SetAsBytes(bytes);
    table->Post();
    Reopen(*this, db, table);
    EXPECT_EQ(table->FieldByName("photo")->GetAsString(), bytes);
    TOtherProgram other(file.Path);
    sqlite3* raw = nullptr;
    sqlite3_open(file.Path.c_str(), &raw);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "SELECT typeof(photo) FROM people WHERE name='Ann'", -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "blob");
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
}

TEST_F(DbTest, LookupFieldShowsTheNameFromAnotherTableAndSetsTheKey) {
    Connect();
    db->ExecSQL("CREATE TABLE teams (code INT, title VARCHAR(10));"
                "INSERT INTO teams VALUES (1, 'Red'), (2, 'Blue');"
                "ALTER TABLE people ADD COLUMN team INT;"
                "UPDATE people SET team = 2 WHERE name = 'Ann';");
    TSQLiteQuery teams(nullptr);
    teams.SetDatabase(db.get());
    teams.SetSQL("SELECT code, title FROM teams ORDER BY title");
    teams.Open();
    EXPECT_FALSE(teams.GetCanModify());
    TStringField lookup(nullptr);
    lookup.SetFieldName("TeamName");
    lookup.SetFieldKind(fkLookup);
    lookup.SetLookupDataSet(&teams);
    lookup.SetKeyFields("team");
    lookup.SetLookupKeyFields("code");
    lookup.SetLookupResultField("title");
    lookup.SetDataSet(table.get());
    table->Open();
    EXPECT_EQ(table->FieldByName("TeamName"), &lookup);
    EXPECT_EQ(lookup.GetAsString(), "Blue");
    table->Next();
    EXPECT_TRUE(lookup.IsNull());
    table->Edit();
    lookup.SetAsString("Red");
    EXPECT_EQ(table->FieldByName("team")->GetAsInteger(), 1);
    EXPECT_THROW(lookup.SetAsString("Green"), EDatabaseError);
    table->Post();
    EXPECT_EQ(lookup.GetAsString(), "Red");
    table->Close();
}

TEST_F(DbTest, QueryReadsRowsAndRefusesStatementsThatWrite) {
    Connect();
    TSQLiteQuery query(nullptr);
    query.SetDatabase(db.get());
    query.SetSQL("SELECT name, age * 2 AS twice FROM people ORDER BY name DESC");
    query.Open();
    EXPECT_EQ(query.GetRecordCount(), 3);
    EXPECT_EQ(query.FieldByName("name")->GetAsString(), "Cy");
    EXPECT_EQ(query.FieldByName("twice")->GetAsInteger(), 64);
    EXPECT_THROW(query.Edit(), EDatabaseError);
    EXPECT_THROW(query.Delete(), EDatabaseError);
    query.Close();
    query.SetSQL("DELETE FROM people");
    EXPECT_THROW(query.Open(), EDatabaseError);
    EXPECT_EQ(table->GetActive(), false);
    table->Open();
    EXPECT_EQ(table->GetRecordCount(), 3);
}

TEST_F(DbTest, RowDeletedByAnotherProgramIsReportedAndTheDataRefreshed) {
    TTempFile file("gone");
    Connect(file.Path);
    table->Open();
    table->Locate("name", {"Bob"});
    table->Edit();
    table->FieldByName("name")->SetAsString("Bobo");
    TOtherProgram other(file.Path);
    ASSERT_EQ(other.Exec("DELETE FROM people WHERE name = 'Bob'"), SQLITE_OK);
    EXPECT_EQ(ErrorOf([&] { table->Post(); }), dbmsg::RecordNotFound);
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_EQ(table->GetRecordCount(), 2);
    ASSERT_EQ(other.Exec("DELETE FROM people WHERE name = 'Ann'"), SQLITE_OK);
    table->First();
    EXPECT_EQ(ErrorOf([&] { table->Delete(); }), dbmsg::RecordNotFound);
    EXPECT_EQ(Names(), "Cy");
}

TEST_F(DbTest, ConstraintsAndTypesTheDatabaseRefusesKeepTheEdit) {
    Connect();
    db->ExecSQL("CREATE TABLE strict_items (id INTEGER PRIMARY KEY, code TEXT UNIQUE, "
                "qty INT CHECK (qty >= 0), size INT) STRICT;"
                "INSERT INTO strict_items (code, qty) VALUES ('A', 1), ('B', 2);");
    TSQLiteTable items(nullptr);
    // A text field over an INT column: the database, not the field, refuses the text.
    TStringField size(nullptr);
    size.SetFieldName("size");
    size.SetDataSet(&items);
    items.SetDatabase(db.get());
    items.SetTableName("strict_items");
    items.Open();
    items.Last();
    items.Edit();
    items.FieldByName("code")->SetAsString("A");
    EXPECT_NE(ErrorOf([&] { items.Post(); }).find("UNIQUE"), std::string::npos);
    EXPECT_EQ(items.GetState(), dsEdit);
    EXPECT_EQ(items.FieldByName("code")->GetAsString(), "A");
    items.FieldByName("code")->SetAsString("C");
    items.FieldByName("qty")->SetAsInteger(-1);
    EXPECT_NE(ErrorOf([&] { items.Post(); }).find("CHECK"), std::string::npos);
    EXPECT_EQ(items.GetState(), dsEdit);
    items.FieldByName("qty")->SetAsInteger(3);
    size.SetAsString("big");
    EXPECT_NE(ErrorOf([&] { items.Post(); }).find("cannot store TEXT"), std::string::npos);
    EXPECT_EQ(size.GetAsString(), "big");
    size.SetAsString("12");
    items.Post();
    EXPECT_EQ(size.GetAsString(), "12");
    EXPECT_EQ(items.FieldByName("code")->GetAsString(), "C");
}

TEST_F(DbTest, FullDatabaseRefusesThePostAndKeepsTheValues) {
    TTempFile file("full");
    Connect(file.Path);
    table->Open();
    db->ExecSQL("PRAGMA max_page_count = 3");
    table->Edit();
    static_cast<TBlobField*>(table->FieldByName("photo"))->SetAsBytes(std::string(64 * 1024, 'x'));
    EXPECT_NE(ErrorOf([&] { table->Post(); }).find("full"), std::string::npos);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(table->FieldByName("photo")->GetAsString().size(), 64u * 1024);
}

TEST_F(DbTest, LockedDatabaseRefusesThePostAndKeepsTheEdit) {
    TTempFile file("locked");
    Connect(file.Path);
    db->SetBusyTimeout(20);
    table->Open();
    TOtherProgram other(file.Path);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    table->Edit();
    table->FieldByName("name")->SetAsString("Lock");
    EXPECT_NE(ErrorOf([&] { table->Post(); }).find("locked"), std::string::npos);
    EXPECT_EQ(table->GetState(), dsEdit);
    other.Exec("ROLLBACK");
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Lock");
}

// A connection asked to be read-only, and a file that nobody may write (refused even when
// the user, as root, could write it anyway).
TEST_F(DbTest, DatabaseLockedByAnotherProgramCannotBeOpened) {
    TTempFile file("locked-open");
    Connect(file.Path);
    table->Close();
    db->Close();
    db->SetBusyTimeout(20);
    TOtherProgram other(file.Path);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE; "
                         "UPDATE people SET age = age + 1"),
              SQLITE_OK);
    EXPECT_NE(ErrorOf([&] { table->Open(); }).find("locked"), std::string::npos);
    EXPECT_FALSE(table->GetActive());
    EXPECT_FALSE(db->GetConnected());
    other.Exec("ROLLBACK");
    table->Open();
    EXPECT_EQ(table->FieldByName("age")->GetAsInteger(), 30);
}

TEST_F(DbTest, ReadOnlyDatabaseOrFileMakesTheTableUnmodifiable) {
    for (bool markFile : {false, true}) {
        TTempFile file(markFile ? "readonly-file" : "readonly-connection");
        Connect(file.Path);
        table->Close();
        db->Close();
        if (markFile)
            std::filesystem::permissions(file.Path, std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::group_read |
                                                        std::filesystem::perms::others_read);
        else
            db->SetReadOnly(true);
        table->Open();
        EXPECT_FALSE(db->IsWritable()) << markFile;
        EXPECT_FALSE(table->GetCanModify()) << markFile;
        EXPECT_FALSE(table->FieldByName("name")->CanModify()) << markFile;
        EXPECT_EQ(ErrorOf([&] { table->Edit(); }), dbmsg::DataSetReadOnly) << markFile;
        EXPECT_EQ(ErrorOf([&] { table->Delete(); }), dbmsg::DataSetReadOnly) << markFile;
        EXPECT_EQ(table->GetState(), dsBrowse) << markFile;
        EXPECT_EQ(table->GetRecordCount(), 3) << markFile;
        TearDown();
    }
}

TEST_F(DbTest, MissingDamagedOrForeignFilesLeaveTheDatasetInactive) {
    TTempFile missing("missing");
    TTempFile foreign("foreign");
    TTempFile damaged("damaged");
    std::ofstream(foreign.Path) << "This is a text file, not a database, but long enough to look "
                                   "like a header of one hundred bytes or more, really it is.\n";
    {
        Connect(damaged.Path);
        table->Open();
        table->Close();
        db->Close();
        std::fstream f(damaged.Path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(100);
        const std::string junk(900, '\x5a');
        f.write(junk.data(), static_cast<std::streamsize>(junk.size()));
    }
    for (const std::string* path : {&missing.Path, &foreign.Path, &damaged.Path}) {
        TSQLiteDatabase database(nullptr);
        database.SetDatabaseName(*path);
        TSQLiteTable people(nullptr);
        people.SetDatabase(&database);
        people.SetTableName("people");
        EXPECT_THROW(people.Open(), EDatabaseError) << *path;
        EXPECT_FALSE(people.GetActive()) << *path;
        EXPECT_FALSE(database.GetConnected()) << *path;
    }
    EXPECT_FALSE(std::filesystem::exists(missing.Path)) << "opening never makes a file";
}

TEST_F(DbTest, TableNamesAreLookedUpNeverPasted) {
    Connect();
    TSQLiteTable evil(nullptr);
    evil.SetDatabase(db.get());
    evil.SetTableName("people; DROP TABLE people");
    EXPECT_THROW(evil.Open(), EDatabaseError);
    db->ExecSQL("CREATE TABLE \"odd \"\"name\" (\"a \"\"b\" VARCHAR(3));");
    TSQLiteTable odd(nullptr);
    odd.SetDatabase(db.get());
    odd.SetTableName("odd \"name");
    odd.Open();
    odd.Append();
    odd.Fields(0)->SetAsString("xyz");
    odd.Post();
    odd.Close();
    odd.Open();
    EXPECT_EQ(odd.Fields(0)->GetFieldName(), "a \"b");
    EXPECT_EQ(odd.Fields(0)->GetAsString(), "xyz");
    EXPECT_TRUE(db->TableExists("people"));
}

}  // namespace dbtest
