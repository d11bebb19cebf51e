// Navigation: BOF and EOF in every corner, RecNo, MoveBy, Locate, Lookup and bookmarks.
#include "DbTestFixture.h"

namespace dbtest {

namespace {

struct TNavCase {
    const char* What;
    std::vector<std::string> Rows;
    // Steps: F(irst), L(ast), N(ext), P(rior), D(elete), + (MoveBy 2), - (MoveBy -2).
    const char* Steps;
    int RecNo;
    bool Bof;
    bool Eof;
};

class NavigationTest : public DbTest, public ::testing::WithParamInterface<TNavCase> {};

TEST_P(NavigationTest, BofEofAndRecNoAfterSteps) {
    const TNavCase& c = GetParam();
    Connect(":memory:", c.Rows);
    table->Open();
    for (const char* s = c.Steps; *s; ++s) {
        switch (*s) {
            case 'F': table->First(); break;
            case 'L': table->Last(); break;
            case 'N': table->Next(); break;
            case 'P': table->Prior(); break;
            case 'D': table->Delete(); break;
            case '+': table->MoveBy(2); break;
            case '-': table->MoveBy(-2); break;
        }
    }
    EXPECT_EQ(table->GetRecNo(), c.RecNo) << c.What;
    EXPECT_EQ(table->GetBOF(), c.Bof) << c.What;
    EXPECT_EQ(table->GetEOF(), c.Eof) << c.What;
    EXPECT_EQ(table->IsEmpty(), c.RecNo == 0) << c.What;
}

const std::vector<std::string> kThree = {"Ann", "Bob", "Cy"};

INSTANTIATE_TEST_SUITE_P(
    Corners, NavigationTest,
    ::testing::Values(
        TNavCase{"empty after open", {}, "", 0, true, true},
        TNavCase{"empty after next", {}, "N", 0, true, true},
        TNavCase{"empty after last and prior", {}, "LP", 0, true, true},
        TNavCase{"one row after open", {"Ann"}, "", 1, true, false},
        TNavCase{"one row after next", {"Ann"}, "N", 1, false, true},
        TNavCase{"one row after last", {"Ann"}, "L", 1, false, true},
        TNavCase{"one row after next and prior", {"Ann"}, "NP", 1, true, false},
        TNavCase{"three after open", kThree, "", 1, true, false},
        TNavCase{"three after next", kThree, "N", 2, false, false},
        TNavCase{"three next past the end", kThree, "NNN", 3, false, true},
        TNavCase{"three after last", kThree, "L", 3, false, true},
        TNavCase{"three prior from last", kThree, "LP", 2, false, false},
        TNavCase{"three prior before the start", kThree, "LPPP", 1, true, false},
        TNavCase{"three move by two twice", kThree, "++", 3, false, true},
        TNavCase{"three move back by two", kThree, "L-", 1, false, false},
        TNavCase{"three move back past the start", kThree, "N-", 1, true, false},
        TNavCase{"delete the last row", kThree, "LD", 2, false, true},
        TNavCase{"delete the first row", kThree, "D", 1, true, false},
        TNavCase{"delete the only row", {"Ann"}, "D", 0, true, true}));

}  // namespace

TEST_F(DbTest, DeletingEveryRowLeavesAnEmptySetThatRefusesDelete) {
    Connect();
    table->Open();
    while (!table->IsEmpty()) table->Delete();
    EXPECT_TRUE(table->GetBOF());
    EXPECT_TRUE(table->GetEOF());
    EXPECT_EQ(table->GetRecordCount(), 0);
    EXPECT_THROW(table->Delete(), EDatabaseError);
}

TEST_F(DbTest, ClosedSetRefusesNavigationAndEditing) {
    Connect();
    EXPECT_THROW(table->Next(), EDatabaseError);
    EXPECT_THROW(table->First(), EDatabaseError);
    EXPECT_THROW(table->Edit(), EDatabaseError);
    EXPECT_THROW(table->Insert(), EDatabaseError);
    EXPECT_THROW(table->Delete(), EDatabaseError);
}

TEST_F(DbTest, RecNoMovesToTheRecordAndClampsToTheSet) {
    Connect();
    table->Open();
    table->SetRecNo(2);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Bob");
    table->SetRecNo(99);
    EXPECT_EQ(table->GetRecNo(), 3);
    EXPECT_EQ(table->GetRecordCount(), 3);
}

TEST_F(DbTest, LocateFindsByOneOrTwoFieldsWithOptions) {
    Connect(":memory:", {"Ann", "Bob", "Bobby", "Cy"});
    table->Open();
    EXPECT_TRUE(table->Locate("name", {"bob"}, loCaseInsensitive));
    EXPECT_EQ(table->GetRecNo(), 2);
    EXPECT_TRUE(table->Locate("name", {"Bobb"}, loPartialKey));
    EXPECT_EQ(table->GetRecNo(), 3);
    EXPECT_TRUE(table->Locate("name;age", {"Cy", 33}));
    EXPECT_EQ(table->GetRecNo(), 4);
    EXPECT_FALSE(table->Locate("name", {"Dan"}));
    EXPECT_EQ(table->GetRecNo(), 4) << "a failed search leaves the cursor";
    EXPECT_THROW(table->Locate("nope", {"x"}), EDatabaseError);
}

TEST_F(DbTest, LookupAnswersWithoutMoving) {
    Connect();
    table->Open();
    EXPECT_EQ(table->Lookup("age", {31}, "name").ToString(), "Bob");
    EXPECT_TRUE(table->Lookup("age", {99}, "name").IsNull());
    EXPECT_EQ(table->GetRecNo(), 1);
}

TEST_F(DbTest, BookmarksReturnToTheRecordAfterOthersAreDeleted) {
    Connect();
    table->Open();
    table->Last();
    TBookmark mark = table->GetBookmark();
    table->First();
    table->Delete();
    EXPECT_TRUE(table->BookmarkValid(mark));
    table->GotoBookmark(mark);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Cy");
    table->Delete();
    EXPECT_FALSE(table->BookmarkValid(mark));
    EXPECT_THROW(table->GotoBookmark(mark), EDatabaseError);
}

TEST_F(DbTest, IndexFieldNamesSortsAndRefusesUnknownColumns) {
    Connect(":memory:", {"Cy", "Ann", "Bob"});
    table->SetIndexFieldNames("name");
    table->Open();
    EXPECT_EQ(Names(), "Ann,Bob,Cy");
    table->Close();
    table->SetIndexFieldNames("name; drop table people");
    EXPECT_THROW(table->Open(), EDatabaseError);
    EXPECT_FALSE(table->GetActive());
    EXPECT_TRUE(db->TableExists("people"));
}

}  // namespace dbtest
