// The skinned data-aware list boxes on SQLite: choosing an item edits the field, posting
// and cancelling, and the linked bar: hidden while everything fits, its range and position
// equal to the native bar's, moving the list to any item (beyond what a scroll message
// carries too) and following the keys.
#include <memory>
#include <string>

#include "Source/db/SKDBCtrls.h"
#include "tests/Source/db/DBSkinTestSupport.h"

using dbskintest::DBSkinTest;

namespace {

class DBLists : public DBSkinTest {
protected:
    static std::string Numbered(std::string Prefix, int Number) {
        return Prefix.append(std::to_string(Number));
    }
    // Ten items of 16 pixels fit inside the frame.
    template <class T>
    T* PlaceList() {
        auto* list = Place<T>(20, 20, 150, 164);
        list->SetItemHeight(16);
        list->SetDataSource(source.get());
        return list;
    }
    TskDBListBox* NamesList(int Count) {
        auto* list = PlaceList<TskDBListBox>();
        list->SetDataField("name");
        list->GetItems()->BeginUpdate();
        for (const char* name : {"Ann", "Bob", "Cy"}) list->GetItems()->Add(name);
        for (int i = 3; i < Count; ++i) list->GetItems()->Add(Numbered("N", i));
        list->GetItems()->EndUpdate();
        return list;
    }
    void ClickItem(TCustomListBox* List, int Index) {
        const TRect r = List->ItemRect(Index);
        const TPoint p = List->ClientToScreen({r.left + 5, r.top + 5});
        win::Headless::Click(p.x, p.y);
        Pump();
    }
};

}  // namespace

TEST_F(DBLists, ChoosingAnItemEditsTheFieldAndCancelShowsItAgain) {
    auto* list = NamesList(3);
    table->Open();
    EXPECT_EQ(list->GetItemIndex(), 0);
    ClickItem(list, 1);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(list->GetItemIndex(), 1);
    table->Cancel();
    EXPECT_EQ(list->GetItemIndex(), 0);
    ClickItem(list, 2);
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Cy");
}

TEST_F(DBLists, ReadOnlyListKeepsTheFieldsItem) {
    auto* list = NamesList(3);
    list->SetReadOnly(true);
    table->Open();
    ClickItem(list, 2);
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_EQ(table->GetState(), dsBrowse);
}

TEST_F(DBLists, LinkedBarIsHiddenWhileTheItemsFit) {
    auto* list = NamesList(3);
    TskScrollBar* bar = NewBar();
    list->SetVScrollBar(bar);
    table->Open();
    Pump();
    EXPECT_FALSE(bar->GetVisible());
    EXPECT_FALSE(bar->GetEnabled());
    for (int i = 3; i < 30; ++i) list->GetItems()->Add(Numbered("more ", i));
    EXPECT_TRUE(bar->GetVisible()) << "adding items shows it at once";
    EXPECT_TRUE(bar->GetEnabled());
    EXPECT_EQ(bar->GetLeft(), 20 + 150 - bar->GetWidth() - 2);
    EXPECT_EQ(bar->GetTop(), 21);
    EXPECT_EQ(bar->GetHeight(), 162);
}

TEST_F(DBLists, LinkedBarTakesTheNativeRangeAndMovesTheList) {
    auto* list = NamesList(50);
    TskScrollBar* bar = NewBar();
    list->SetVScrollBar(bar);
    table->Open();
    Pump();
    SCROLLINFO native;
    native.fMask = SIF_ALL;
    GetScrollInfo(list->Handle(), SB_VERT, &native);
    ASSERT_EQ(native.nMax, 49);
    ASSERT_EQ(native.nPage, 10u);
    EXPECT_EQ(bar->GetMax(), 40);
    EXPECT_EQ(bar->GetMin(), 0);
    Drag(bar, 12);
    EXPECT_EQ(list->GetTopIndex(), 12);
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 12);
    Focus(list);
    list->SetTopIndex(0);
    Key(VK_NEXT);
    Key(VK_NEXT);
    EXPECT_GT(list->GetTopIndex(), 0);
    EXPECT_EQ(bar->GetPosition(), list->GetTopIndex()) << "the keys move the bar";
}

// A scroll message carries its position in 16 bits; the bar moves the list directly.
TEST_F(DBLists, ListScrollsToItemsBeyondWhatAScrollMessageCarries) {
    auto* list = NamesList(70100);
    TskScrollBar* bar = NewBar();
    list->SetVScrollBar(bar);
    table->Open();
    Pump();
    ASSERT_EQ(bar->GetMax(), 70090);
    Drag(bar, 70000);
    EXPECT_EQ(list->GetTopIndex(), 70000);
}

TEST_F(DBLists, DestroyingEitherSideUnlinksBothWays) {
    auto* list = NamesList(50);
    TskScrollBar* bar = NewBar();
    list->SetVScrollBar(bar);
    delete list;
    EXPECT_FALSE(bar->OnChange());
    EXPECT_EQ(bar->GetMax(), 100);
    Drag(bar, 5);

    auto* other = NamesList(50);
    other->SetVScrollBar(bar);
    delete bar;
    EXPECT_EQ(other->GetVScrollBar(), nullptr);
    other->GetItems()->Add("after the bar went");
    Pump();
}

class DBLookupList : public DBLists {
protected:
    void SetUp() override {
        DBLists::SetUp();
        AddPeople(40, "Q");
        // Each person's age is a key into the people themselves: a list of 43 names.
        names = std::make_unique<TSQLiteQuery>(nullptr);
        names->SetDatabase(db.get());
        names->SetSQL("SELECT age, name FROM people ORDER BY age, name");
        nameSource = std::make_unique<TDataSource>(nullptr);
        nameSource->SetDataSet(names.get());
        names->Open();
    }
    void TearDown() override {
        host.reset();
        nameSource.reset();
        names.reset();
        DBLists::TearDown();
    }
    std::unique_ptr<TSQLiteQuery> names;
    std::unique_ptr<TDataSource> nameSource;
};

TEST_F(DBLookupList, LinkedBarFollowsTheLookupList) {
    auto* list = PlaceList<TskDBLookupListBox>();
    list->SetListSource(nameSource.get());
    list->SetKeyField("age");
    list->SetListField("name");
    list->SetDataField("age");
    TskScrollBar* bar = NewBar();
    list->SetVScrollBar(bar);
    table->Open();
    Pump();
    ASSERT_EQ(list->GetItems()->Count(), 43);
    EXPECT_TRUE(bar->GetVisible());
    EXPECT_EQ(bar->GetMax(), 43 - 10);
    Drag(bar, 20);
    EXPECT_EQ(list->GetTopIndex(), 20);
    ClickItem(list, 21);
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();
    EXPECT_EQ(table->FieldByName("age")->GetAsInteger(), 21) << "the 22nd name is Q21, aged 21";
}
