// Two users of one table: nothing one writes is lost to the other, and every failure keeps
// the edit in the form.
#include "PgTestFixture.h"

namespace pgtest {

struct ConflictCase {
    const char* Name;
    const char* VersionField;  // "" compares every value read
    const char* OtherChange;   // what the other user does to Ann's row meanwhile
    const char* Expected;      // the message the post gives
    const char* NameAfter;     // the current record's name after Cancel and Refresh
};

void PrintTo(const ConflictCase& c, std::ostream* os) {
    *os << c.Name;
}

const ConflictCase kConflictCases[] = {
    {"changed", "", "UPDATE people SET name = 'Anna' WHERE id = 1", kRecordChangedByAnotherUser, "Anna"},
    {"changed another column", "", "UPDATE people SET notes = 'x' WHERE id = 1",
     kRecordChangedByAnotherUser, "Ann"},
    {"version raised", "version", "UPDATE people SET version = version + 1, name = 'Anna' WHERE id = 1",
     kRecordChangedByAnotherUser, "Anna"},
    {"deleted", "", "DELETE FROM people WHERE id = 1", kRecordDeletedByAnotherUser, "Bob"},
};

class PgConflictTest : public PgTest, public ::testing::WithParamInterface<ConflictCase> {};

TEST_P(PgConflictTest, ThePostFailsAndKeepsTheEdit) {
    const ConflictCase& c = GetParam();
    TPgTable mine(nullptr);
    mine.SetDatabase(db.get());
    mine.SetTableName("people");
    mine.SetVersionField(c.VersionField);
    mine.Open();
    mine.Edit();
    mine.FieldByName("age")->SetAsInteger(40);

    auto other = Connect("qv-tests-other");
    other->ExecSQL(c.OtherChange);

    try {
        mine.Post();
        FAIL() << c.Name << ": the post overwrote the other user's change";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), c.Expected);
    }
    EXPECT_EQ(mine.GetState(), dsEdit);
    EXPECT_EQ(mine.FieldByName("age")->GetAsInteger(), 40) << "the edit stays in the form";
    EXPECT_NE(Scalar("SELECT coalesce(age, 0) FROM people WHERE id = 1"), "40");

    mine.Cancel();
    mine.Refresh();
    EXPECT_EQ(mine.FieldByName("name")->GetAsString(), c.NameAfter)
        << "Refresh shows what the other user wrote";
    if (std::string(c.Name) == "changed another column") {
        EXPECT_EQ(mine.FieldByName("notes")->GetAsString(), "x");
    }
}

TEST_P(PgConflictTest, ADeleteOfAChangedRowFails) {
    const ConflictCase& c = GetParam();
    if (std::string(c.Name) == "deleted") return;  // deleting a deleted row has nothing to lose
    TPgTable mine(nullptr);
    mine.SetDatabase(db.get());
    mine.SetTableName("people");
    mine.SetVersionField(c.VersionField);
    mine.Open();
    Connect("qv-tests-other")->ExecSQL(c.OtherChange);
    try {
        mine.Delete();
        FAIL() << "deleted a row another user had changed";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), c.Expected);
    }
    EXPECT_EQ(Scalar("SELECT count(*) FROM people WHERE id = 1"), "1");
}

INSTANTIATE_TEST_SUITE_P(OtherUser, PgConflictTest, ::testing::ValuesIn(kConflictCases),
                         [](const auto& info) { return TestName(info.param.Name, info.index); });

TEST_F(PgTest, TwoUsersEditingDifferentRowsBothPost) {
    auto other = Connect("qv-tests-other");
    auto theirs = OpenPeople(*other);
    theirs->Next();
    table->Edit();
    theirs->Edit();
    table->FieldByName("age")->SetAsInteger(50);
    theirs->FieldByName("age")->SetAsInteger(51);
    table->Post();
    theirs->Post();
    EXPECT_EQ(Scalar("SELECT string_agg(age::text, ',' ORDER BY id) FROM people"), "50,51,32");
}

struct RefusalCase {
    const char* Name;
    const char* Field;
    Variant Value;
    const char* MessagePart;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.Name;
}

const RefusalCase kRefusals[] = {
    {"unique", "name", Variant("Bob"), "duplicate key value violates unique constraint"},
    {"check", "age", Variant(-1), "violates check constraint"},
};

class PgRefusalTest : public PgTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PgRefusalTest, AnInsertTheServerRefusesKeepsItsValues) {
    const RefusalCase& c = GetParam();
    table->Append();
    table->FieldByName("name")->SetAsString("Dee");
    table->FieldByName(c.Field)->SetValue(c.Value);
    try {
        table->Post();
        FAIL() << c.Name << " was not refused";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find(c.MessagePart), std::string::npos) << e.Message();
    }
    EXPECT_EQ(table->GetState(), dsInsert);
    EXPECT_EQ(table->FieldByName(c.Field)->GetValue().ToString(), c.Value.ToString());
    // Put right, the same insert goes through.
    table->FieldByName("name")->SetAsString("Dee");
    table->FieldByName("age")->SetAsInteger(5);
    table->Post();
    EXPECT_EQ(Scalar("SELECT age FROM people WHERE name = 'Dee'"), "5");
    EXPECT_GT(table->FieldByName("id")->GetAsInteger(), 3) << "the key the server chose is read back";
}

INSTANTIATE_TEST_SUITE_P(Constraints, PgRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return TestName(info.param.Name, info.index); });

// The edit survives the loss, the next post connects again and writes it.
static void ExpectLostThenRecovered(TPgTable& Table) {
    try {
        Table.Post();
        FAIL() << "the post reached a server that was gone";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("connection to the database server was lost"), std::string::npos)
            << e.Message();
    }
    EXPECT_EQ(Table.GetState(), dsEdit);
    EXPECT_EQ(Table.FieldByName("age")->GetAsInteger(), 44);
    Table.Post();
    EXPECT_EQ(Table.GetState(), dsBrowse);
}

TEST_F(PgTest, ALostConnectionDuringAnEditKeepsItAndReconnects) {
    table->Edit();
    table->FieldByName("age")->SetAsInteger(44);
    Connect("qv-tests-other")
        ->ExecSQL("SELECT pg_terminate_backend(pid, 10000) FROM pg_stat_activity WHERE application_name = "
                  "'qv-tests' AND pid <> pg_backend_pid()");
    ExpectLostThenRecovered(*table);
    EXPECT_EQ(Scalar("SELECT age FROM people WHERE id = 1"), "44");
}

TEST_F(PgTest, AServerRestartDuringAnEditKeepsItAndReconnects) {
    table->Edit();
    table->FieldByName("age")->SetAsInteger(44);
    RestartServer();
    ExpectLostThenRecovered(*table);
    EXPECT_EQ(Scalar("SELECT age FROM people WHERE id = 1"), "44");
    // Reading goes on as before.
    table->Refresh();
    table->Last();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Cy");
}

}  // namespace pgtest
