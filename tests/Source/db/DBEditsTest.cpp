// The skinned data-aware edit, memo and image on SQLite: showing and editing the field,
// posting and cancelling, a refused value keeping the focus, and the memo's linked bars:
// its native bars switched to match them, kept in step both ways (to lines far beyond
// what a scroll message carries), and unlinked both ways when either side goes.
#include <string>

#include "Source/db/SKDBCtrls.h"
#include "platform/vcl/stdctrls/EditConsts.h"
#include "tests/Source/db/DBSkinTestSupport.h"

using dbskintest::DBSkinTest;

namespace {

class DBEdits : public DBSkinTest {
protected:
    TskDBEdit* BoundEdit(const char* Field, int Top) {
        auto* edit = Place<TskDBEdit>(10, Top, 120, 24);
        edit->SetDataSource(source.get());
        edit->SetDataField(Field);
        return edit;
    }
    TskDBMemo* BoundMemo() {
        auto* memo = Place<TskDBMemo>(20, 20, 200, 120);
        memo->SetDataSource(source.get());
        memo->SetDataField("notes");
        return memo;
    }
    // Ann's notes: Count numbered lines.
    void SetNotes(int Count) {
        std::string text;
        for (int i = 0; i < Count; ++i) text += "line " + std::to_string(i) + "\n";
        db->ExecSQL("UPDATE people SET notes = '" + text + "' WHERE name = 'Ann'");
    }
    static int FirstLine(TskDBMemo* Memo) {
        return static_cast<int>(SendMessage(Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    static SCROLLINFO Native(TWinControl* Control, int Bar) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(Control->Handle(), Bar, &info);
        return info;
    }
};

}  // namespace

TEST_F(DBEdits, EditShowsTheFieldPostsTypingAndCancelTakesItBack) {
    auto* edit = BoundEdit("name", 10);
    table->Open();
    EXPECT_EQ(edit->GetText(), "Ann");
    Focus(edit);
    Key(VK_END);
    Type("e");
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Anne");
    Type("x");
    table->Cancel();
    EXPECT_EQ(edit->GetText(), "Anne");
    EXPECT_EQ(table->GetState(), dsBrowse);
}

// The exit of the refused edit takes the focus back; the edit the user went to is neither
// entered nor left behind its back.
TEST_F(DBEdits, RefusedValueKeepsTheFocusAndTheNextEditIsNotEntered) {
    auto* age = BoundEdit("age", 10);
    auto* name = BoundEdit("name", 40);
    int entered = 0, left = 0;
    name->OnEnter = [&](TObject*) { ++entered; };
    name->OnExit = [&](TObject*) { ++left; };
    table->Open();
    Focus(age);
    Key(VK_END);
    Type("999999999");
    Focus(name);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(age->Focused());
    EXPECT_EQ(host->GetActiveControl(), age);
    EXPECT_EQ(entered, 0);
    EXPECT_EQ(left, 0) << "nor left, having never been entered";
    EXPECT_EQ(table->GetState(), dsEdit);
    Key(VK_ESCAPE);
    EXPECT_EQ(age->GetText(), "30");
    Focus(name);
    EXPECT_TRUE(name->Focused());
    EXPECT_EQ(entered, 1);
}

TEST_F(DBEdits, MemoSwitchesItsNativeBarsToMatchItsLinks) {
    auto* memo = BoundMemo();
    TskScrollBar* vertical = NewBar();
    TskScrollBar* horizontal = NewBar();
    memo->SetVScrollBar(vertical);
    EXPECT_EQ(memo->GetScrollBars(), ssVertical);
    memo->SetHScrollBar(horizontal);
    EXPECT_EQ(memo->GetScrollBars(), ssBoth);
    EXPECT_EQ(vertical->GetOrientation(), skVertical);
    EXPECT_EQ(horizontal->GetOrientation(), skHorizontal);
    // Laid over the memo's edges inside the frame, the vertical bar stopping above the
    // horizontal one and the horizontal one beside the vertical.
    EXPECT_EQ(vertical->GetLeft(), 20 + 200 - vertical->GetWidth() - 2);
    EXPECT_EQ(vertical->GetTop(), 21);
    EXPECT_EQ(vertical->GetHeight(), 120 - 2 - horizontal->GetHeight());
    EXPECT_EQ(horizontal->GetLeft(), 21);
    EXPECT_EQ(horizontal->GetTop(), 20 + 120 - horizontal->GetHeight() - 2);
    EXPECT_EQ(horizontal->GetWidth(), 200 - 2 - vertical->GetWidth());
    memo->SetHScrollBar(nullptr);
    EXPECT_EQ(memo->GetScrollBars(), ssVertical);
    EXPECT_EQ(horizontal->GetMax(), 100);
    EXPECT_EQ(horizontal->GetLineButton(), 0);
    EXPECT_TRUE(horizontal->GetEnabled());
    EXPECT_FALSE(horizontal->OnChange()) << "an unlinked bar calls nothing";
    memo->SetBounds(30, 40, 220, 150);
    EXPECT_EQ(vertical->GetLeft(), 30 + 220 - vertical->GetWidth() - 2) << "moved with the memo";
    EXPECT_EQ(vertical->GetHeight(), 148);
}

TEST_F(DBEdits, MemoWhoseTextFitsDisablesItsBarAndHidesOnlyTheThumb) {
    auto* memo = BoundMemo();
    TskScrollBar* bar = NewBar();
    memo->SetVScrollBar(bar);
    table->Open();
    Pump();
    EXPECT_TRUE(bar->GetVisible());
    EXPECT_FALSE(bar->GetEnabled());
    EXPECT_FALSE(bar->GetSliderVisible());
}

TEST_F(DBEdits, MemoAndItsBarFollowEachOther) {
    SetNotes(60);
    auto* memo = BoundMemo();
    TskScrollBar* bar = NewBar();
    memo->SetVScrollBar(bar);
    table->Open();
    Pump();
    ASSERT_TRUE(bar->GetEnabled());
    EXPECT_TRUE(bar->GetSliderVisible());
    const SCROLLINFO native = Native(memo, SB_VERT);
    EXPECT_EQ(bar->GetMax(), native.nMax - static_cast<int>(native.nPage) + 1);
    EXPECT_EQ(bar->GetPosition(), 0);
    Drag(bar, 12);
    EXPECT_EQ(FirstLine(memo), 12);
    EXPECT_EQ(Native(memo, SB_VERT).nPos, 12);
    Focus(memo);  // the caret is on the first line: the memo shows it
    Key(VK_NEXT);
    Key(VK_NEXT);
    EXPECT_GT(FirstLine(memo), 0);
    EXPECT_EQ(bar->GetPosition(), FirstLine(memo)) << "Page Down moves the bar";
    table->Next();
    Pump();
    EXPECT_EQ(bar->GetPosition(), 0) << "another record's text starts at the top";
    EXPECT_FALSE(bar->GetEnabled());
}

TEST_F(DBEdits, HorizontalBarScrollsTheMemoByPixels) {
    db->ExecSQL("UPDATE people SET notes = '" + std::string(120, 'w') + "' WHERE name = 'Ann'");
    auto* memo = BoundMemo();
    memo->SetWordWrap(false);  // a wrapped text never scrolls sideways
    TskScrollBar* bar = NewBar();
    memo->SetHScrollBar(bar);
    table->Open();
    Pump();
    ASSERT_TRUE(bar->GetEnabled());
    EXPECT_EQ(bar->GetSmallChange(), 3 * bar->GetPageSize());
    Drag(bar, 40);
    EXPECT_EQ(Native(memo, SB_HORZ).nPos, 40);
    EXPECT_EQ(bar->GetPosition(), 40);
}

// A scroll message carries its position in 16 bits; the bar moves the memo directly.
TEST_F(DBEdits, MemoScrollsToLinesBeyondWhatAScrollMessageCarries) {
    SetNotes(70100);
    auto* memo = BoundMemo();
    TskScrollBar* bar = NewBar();
    memo->SetVScrollBar(bar);
    table->Open();
    Pump();
    ASSERT_GT(bar->GetMax(), 70000);
    Drag(bar, 70000);
    EXPECT_EQ(FirstLine(memo), 70000);
    EXPECT_EQ(bar->GetPosition(), 70000);
}

TEST_F(DBEdits, DestroyingEitherSideUnlinksBothWays) {
    auto* memo = BoundMemo();
    TskScrollBar* vertical = NewBar();
    TskScrollBar* horizontal = NewBar();
    memo->SetVScrollBar(vertical);
    memo->SetHScrollBar(horizontal);
    delete horizontal;
    EXPECT_EQ(memo->GetHScrollBar(), nullptr);
    EXPECT_EQ(memo->GetScrollBars(), ssVertical) << "the native bar under it goes too";
    delete memo;
    EXPECT_FALSE(vertical->OnChange()) << "the bar no longer calls the freed memo";
    EXPECT_EQ(vertical->GetMax(), 100);
    Drag(vertical, 5);
    EXPECT_EQ(vertical->GetPosition(), 5);
}

TEST_F(DBEdits, ImageKeepsItsPlatformBorderInsideTheFrame) {
    auto* image = Place<TskDBImage>(20, 20, 100, 80);
    image->SetDataSource(source.get());
    image->SetDataField("photo");
    table->Open();
    EXPECT_EQ(image->GetBorderStyle(), bsSingle);
    EXPECT_EQ(image->GetBorderWidth(), 2);
    // The client edge (2) and the band (2) lie inside the window.
    EXPECT_EQ(image->GetClientWidth(), 100 - 8);
    EXPECT_EQ(image->GetClientHeight(), 80 - 8);
}
