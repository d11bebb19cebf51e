// Posts inside a transaction are seen by others only when it commits; a transaction the
// program leaves open is rolled back.
#include "PgTestFixture.h"

namespace pgtest {

enum class Ending { Commit, Rollback, CloseConnection, DestroyConnection };

struct TransactionCase {
    const char* Name;
    Ending End;
    const char* AgeAfter;  // what another user reads afterwards
};

void PrintTo(const TransactionCase& c, std::ostream* os) {
    *os << c.Name;
}

const TransactionCase kTransactionCases[] = {
    {"commit", Ending::Commit, "41"},
    {"rollback", Ending::Rollback, "30"},
    {"close", Ending::CloseConnection, "30"},
    {"destroy", Ending::DestroyConnection, "30"},
};

class PgTransactionTest : public PgTest, public ::testing::WithParamInterface<TransactionCase> {};

TEST_P(PgTransactionTest, PostsInsideATransactionWaitForItsEnd) {
    const TransactionCase& c = GetParam();
    db->StartTransaction();
    EXPECT_TRUE(db->InTransaction());
    table->Edit();
    table->FieldByName("age")->SetAsInteger(41);
    table->Post();
    table->Append();
    table->FieldByName("name")->SetAsString("Dee");
    table->Post();
    EXPECT_EQ(Scalar("SELECT age FROM people WHERE id = 1"), "30") << "not yet committed";
    // A set opened inside the transaction sees what it wrote.
    TPgQuery inside(nullptr);
    inside.SetDatabase(db.get());
    inside.SetSQL("SELECT count(*) FROM people");
    inside.Open();
    EXPECT_EQ(inside.Fields(0)->GetAsInteger(), 4);
    inside.Close();

    switch (c.End) {
        case Ending::Commit: db->Commit(); break;
        case Ending::Rollback: db->Rollback(); break;
        case Ending::CloseConnection: db->Close(); break;
        case Ending::DestroyConnection:
            table.reset();
            db.reset();
            break;
    }
    if (db) {
        EXPECT_FALSE(db->InTransaction());
    }
    EXPECT_EQ(Scalar("SELECT age FROM people WHERE id = 1"), c.AgeAfter) << c.Name;
    EXPECT_EQ(Scalar("SELECT count(*) FROM people"), c.End == Ending::Commit ? "4" : "3") << c.Name;
}

INSTANTIATE_TEST_SUITE_P(Endings, PgTransactionTest, ::testing::ValuesIn(kTransactionCases),
                         [](const auto& info) { return TestName(info.param.Name, info.index); });

TEST_F(PgTest, TransactionCallsOutOfOrderAreRefused) {
    EXPECT_THROW(db->Commit(), EDatabaseError);
    EXPECT_THROW(db->Rollback(), EDatabaseError);
    db->StartTransaction();
    EXPECT_THROW(db->StartTransaction(), EDatabaseError);
    db->Rollback();
}

TEST_F(PgTest, ALostConnectionEndsTheTransactionWithAClearError) {
    db->StartTransaction();
    table->Edit();
    table->FieldByName("age")->SetAsInteger(44);
    Connect("qv-tests-other")
        ->ExecSQL("SELECT pg_terminate_backend(pid, 10000) FROM pg_stat_activity WHERE application_name = "
                  "'qv-tests' AND pid <> pg_backend_pid()");
    try {
        table->Post();
        FAIL() << "posted into a transaction that is gone";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("the open transaction was rolled back"), std::string::npos)
            << e.Message();
    }
    EXPECT_FALSE(db->InTransaction());
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();  // on a new session, in a transaction of its own
    EXPECT_EQ(Scalar("SELECT age FROM people WHERE id = 1"), "44");
}

}  // namespace pgtest
