// Reading through a cursor: a long result is held as a bounded window however far the user
// scrolls, and queries take named parameters.
#include "PgTestFixture.h"

namespace pgtest {

constexpr int kMillion = 1000000;
constexpr int kFetch = 500;

class PgMillionTest : public PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        db->ExecSQL("DROP TABLE IF EXISTS big; CREATE TABLE big (id bigint PRIMARY KEY, label text);"
                    "INSERT INTO big SELECT g, 'row ' || g FROM generate_series(1, 1000000) g");
        big.SetDatabase(db.get());
        big.SetTableName("big");
        big.SetFetchSize(kFetch);
        big.Open();
    }
    // The record the cursor is on, and the window held, after each move.
    void ExpectAt(std::int64_t Id, const char* Move) {
        EXPECT_EQ(big.FieldByName("id")->GetAsLargeInt(), Id) << Move;
        EXPECT_EQ(big.GetRecNo(), Id) << Move;
        EXPECT_EQ(big.FieldByName("label")->GetAsString(), "row " + std::to_string(Id)) << Move;
        EXPECT_LE(big.BufferRecordCount(), 2 * kFetch) << Move << ": the window grew";
    }
    TPgTable big{nullptr};
};

TEST_F(PgMillionTest, OpensWithOneBatchAndScrollsWithinABoundedWindow) {
    EXPECT_EQ(big.BufferRecordCount(), kFetch) << "opening reads one batch";
    ExpectAt(1, "open");
    EXPECT_EQ(big.GetRecordCount(), kMillion);
    for (int i = 0; i < 3 * kFetch; ++i) big.Next();
    ExpectAt(3 * kFetch + 1, "Next");
    for (int i = 0; i < kFetch + 10; ++i) big.Prior();
    ExpectAt(2 * kFetch - 9, "Prior");
    big.Last();
    ExpectAt(kMillion, "Last");
    EXPECT_TRUE(big.GetEOF());
    big.Next();
    EXPECT_TRUE(big.GetEOF());
    ExpectAt(kMillion, "Next past the end");
    EXPECT_EQ(big.MoveBy(-2500), -2500);
    ExpectAt(kMillion - 2500, "MoveBy back");
    big.SetRecNo(kMillion / 2);
    ExpectAt(kMillion / 2, "RecNo");
    EXPECT_EQ(big.MoveBy(-kMillion), 1 - kMillion / 2);
    EXPECT_TRUE(big.GetBOF());
    ExpectAt(1, "MoveBy before the start");
    big.SetRecNo(700000);
    big.First();
    ExpectAt(1, "First");
}

TEST_F(PgMillionTest, AnEditFarInIsSeenAfterScrollingAwayAndBack) {
    big.SetRecNo(700000);
    big.Edit();
    big.FieldByName("label")->SetAsString("changed");
    big.Post();
    big.First();
    big.SetRecNo(700000);
    EXPECT_EQ(big.FieldByName("label")->GetAsString(), "changed");
    big.Delete();
    EXPECT_EQ(big.FieldByName("id")->GetAsLargeInt(), 700001);
    EXPECT_EQ(big.GetRecordCount(), kMillion - 1);
    big.Refresh();
    EXPECT_EQ(big.FieldByName("id")->GetAsLargeInt(), 700001) << "Refresh stays where it was";
    EXPECT_LE(big.BufferRecordCount(), 2 * kFetch);
}

TEST_F(PgTest, AShortResultIsHeldWholeAndNeedsNoCursor) {
    EXPECT_EQ(table->BufferRecordCount(), 3);
    EXPECT_EQ(Scalar("SELECT count(*) FROM pg_stat_activity WHERE application_name = 'qv-tests' "
                     "AND state = 'idle in transaction'"),
              "0")
        << "no transaction is held open for reading";
}

TEST_F(PgTest, AQueryTakesNamedParameters) {
    TPgQuery query(nullptr);
    query.SetDatabase(db.get());
    query.SetSQL("SELECT name, age, ':skip' AS literal, age::text AS shown FROM people "
                 "WHERE age >= :least AND name <> :skip ORDER BY name");
    EXPECT_EQ(query.GetParamNames(), (std::vector<std::string>{"least", "skip"}));
    query.SetParamValue("least", 31);
    query.SetParamValue("skip", "Cy");
    query.Open();
    EXPECT_EQ(query.GetRecordCount(), 1);
    EXPECT_EQ(query.FieldByName("name")->GetAsString(), "Bob");
    EXPECT_EQ(query.FieldByName("literal")->GetAsString(), ":skip");
    EXPECT_FALSE(query.GetCanModify());
    query.Close();
    query.SetParamValue("least", 0);
    query.Open();
    EXPECT_EQ(query.GetRecordCount(), 2);
    EXPECT_THROW(query.SetParamValue("missing", 1), EDatabaseError);
}

TEST_F(PgTest, AStatementTheServerRefusesGivesItsMessage) {
    TPgQuery query(nullptr);
    query.SetDatabase(db.get());
    query.SetSQL("SELECT nosuchcolumn FROM people");
    try {
        query.Open();
        FAIL() << "opened a statement with an unknown column";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("nosuchcolumn"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(query.GetActive());
    // The failure spoiled nothing: the next statement runs.
    query.SetSQL("SELECT name FROM people ORDER BY id");
    query.Open();
    EXPECT_EQ(query.FieldByName("name")->GetAsString(), "Ann");
    TPgTable missing(nullptr);
    missing.SetDatabase(db.get());
    missing.SetTableName("nosuchtable");
    EXPECT_THROW(missing.Open(), EDatabaseError);
}

TEST_F(PgTest, ATableWithoutAPrimaryKeyIsReadOnly) {
    db->ExecSQL("DROP TABLE IF EXISTS loose; CREATE TABLE loose (v int); INSERT INTO loose VALUES (1)");
    TPgTable loose(nullptr);
    loose.SetDatabase(db.get());
    loose.SetTableName("loose");
    loose.Open();
    EXPECT_FALSE(loose.GetCanModify());
    EXPECT_THROW(loose.Edit(), EDatabaseError);
}

struct NumberingCase {
    const char* Sql;
    const char* Numbered;
    std::vector<std::string> Names;
};

TEST(PgParameterNumbering, NamesBecomeNumbersOutsideLiteralsCastsAndComments) {
    const NumberingCase cases[] = {
        {"SELECT :a, :b, :a", "SELECT $1, $2, $1", {"a", "b"}},
        {"SELECT ':a', \":a\", x::int", "SELECT ':a', \":a\", x::int", {}},
        {"SELECT 'it''s :a' || :b", "SELECT 'it''s :a' || $1", {"b"}},
        {"SELECT 1 -- :a\n, :B", "SELECT 1 -- :a\n, $1", {"B"}},
        {"SELECT :1, 'unterminated :a", "SELECT :1, 'unterminated :a", {}},
    };
    for (const NumberingCase& c : cases) {
        std::vector<std::string> names;
        EXPECT_EQ(PgNumberParameters(c.Sql, names), c.Numbered) << c.Sql;
        EXPECT_EQ(names, c.Names) << c.Sql;
    }
}

}  // namespace pgtest
