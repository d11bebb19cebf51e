// The data-set actions: their enabling as the data set moves from browse to edit to insert
// and back, found through the focused data-aware control or their own data source.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DbControlFixture.h"
#include "platform/db/actions/DBActns.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/db/controls/NavigateBtn.h"
#include "platform/vcl/actions/ActionList.h"

namespace {

class DataSetActionTest : public dbtest::DbControlTest {
protected:
    void SetUp() override {
        DbControlTest::SetUp();
        list = new TActionList(host.get());
        actions = {new TDataSetFirst(host.get()),  new TDataSetPrior(host.get()),
                   new TDataSetNext(host.get()),   new TDataSetLast(host.get()),
                   new TDataSetInsert(host.get()), new TDataSetDelete(host.get()),
                   new TDataSetEdit(host.get()),   new TDataSetPost(host.get()),
                   new TDataSetCancel(host.get()), new TDataSetRefresh(host.get())};
        for (TDataSetAction* a : actions) a->SetActionList(list);
    }
    // One digit per action, First to Refresh: whether its update enabled it.
    std::string Enabled() {
        std::string e;
        for (TDataSetAction* a : actions) {
            a->Update();
            e += a->GetEnabled() ? '1' : '0';
        }
        return e;
    }
    TDataSetAction* Action(TNavigateBtn which) { return actions[which]; }

    TActionList* list = nullptr;
    std::vector<TDataSetAction*> actions;
};

TEST_F(DataSetActionTest, EnablingFollowsTheDataSetFromBrowseToEditToInsertAndBack) {
    auto* edit = Place<TDBEdit>(10, 10, 120, 22);
    edit->SetDataSource(source.get());
    edit->SetDataField("name");
    Focus(edit);
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* enabled;  // First Prior Next Last Insert Delete Edit Post Cancel Refresh
    };
    const Step steps[] = {
        {"closed", [] {}, "0000000000"},
        {"opened on the first record", [&] { table->Open(); }, "0011111001"},
        {"on the middle record", [&] { table->Next(); }, "1111111001"},
        {"editing", [&] { table->Edit(); }, "1111110111"},
        {"cancelled", [&] { table->Cancel(); }, "1111111001"},
        {"on the last record", [&] { table->Last(); }, "1100111001"},
        {"inserting after the last", [&] { table->Insert(); }, "1100110111"},
        {"posted",
         [&] {
             table->FieldByName("name")->SetAsString("Di");
             table->Post();
         },
         "1100111001"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(Enabled(), s.enabled);
    }
}

TEST_F(DataSetActionTest, ActionsRunOnTheDataSetOfTheFocusedControl) {
    table->Open();
    auto* edit = Place<TDBEdit>(10, 10, 120, 22);
    edit->SetDataSource(source.get());
    edit->SetDataField("name");
    Focus(edit);
    EXPECT_TRUE(Action(nbNext)->Execute());
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Bob");
    EXPECT_TRUE(Action(nbEdit)->Execute());
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_TRUE(Action(nbCancel)->Execute());
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_TRUE(Action(nbLast)->Execute());
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Cy");
    EXPECT_FALSE(Action(nbNext)->Execute()) << "disabled at the end";

    delete edit;  // no data-aware control is left to find a data set through
    EXPECT_FALSE(Action(nbFirst)->Execute());
    EXPECT_EQ(Enabled(), "0000000000");
}

TEST_F(DataSetActionTest, AnActionWithItsOwnDataSourceIgnoresTheFocusedControlsOne) {
    table->Open();
    TSQLiteTable other(nullptr);
    other.SetDatabase(db.get());
    other.SetTableName("people");
    other.Open();
    TDataSource otherSource(nullptr);
    otherSource.SetDataSet(&other);
    auto* edit = Place<TDBEdit>(10, 10, 120, 22);
    edit->SetDataSource(source.get());
    edit->SetDataField("name");
    Focus(edit);

    Action(nbLast)->SetDataSource(&otherSource);
    EXPECT_TRUE(Action(nbLast)->Execute());
    EXPECT_EQ(other.FieldByName("name")->GetAsString(), "Cy");
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Ann");
    Action(nbLast)->Update();
    EXPECT_FALSE(Action(nbLast)->GetEnabled()) << "its own data set is at its end";
    Action(nbLast)->SetDataSource(nullptr);
    Action(nbLast)->Update();
    EXPECT_TRUE(Action(nbLast)->GetEnabled()) << "the focused control's is not";
}

TEST_F(DataSetActionTest, AGridFindsTheDataSetForTheActionsToo) {
    table->Open();
    auto* grid = Place<TDBGrid>(10, 10, 300, 150);
    grid->SetDataSource(source.get());
    Focus(grid);
    EXPECT_TRUE(Action(nbNext)->Execute());
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Bob");
}

}  // namespace
