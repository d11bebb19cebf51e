// The list box: its selection staying on the same string as items come and go, scrolling
// in whole items, and the mouse, wheel and keyboard that move the selection.
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/stdctrls/ListBox.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using win::Headless;

namespace {

class ListBoxTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(20, 20, 300, 300);
        box = new TListBox(host.get());
        box->SetParent(host.get());
        box->SetBorderStyle(bsNone);
        box->SetBounds(10, 10, 150, box->GetItemHeight() * 10);
        box->OnClick = [this](TObject*) { ++clicks; };
        host->Handle();
        Headless::ProcessMessages();
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }
    void Fill(int count) {
        for (int i = 0; i < count; ++i) box->GetItems()->Add("item " + std::to_string(i));
    }
    TPoint ItemPoint(int index) const {
        const TRect r = box->ItemRect(index);
        return box->ClientToScreen({r.left + 20, (r.top + r.bottom) / 2});
    }
    void Focus() {
        SetActiveWindow(host->Handle());
        box->SetFocus();
        Headless::ProcessMessages();
    }

    std::unique_ptr<THostControl> host;
    TListBox* box = nullptr;
    int clicks = 0;
};

TEST_F(ListBoxTest, SelectionStaysOnItsStringAsItemsComeAndGo) {
    Fill(5);
    box->SetItemIndex(2);
    box->GetItems()->Insert(0, "first");
    EXPECT_EQ(box->GetItemIndex(), 3);
    box->GetItems()->Delete(1);
    EXPECT_EQ(box->GetItemIndex(), 2);
    EXPECT_EQ(box->GetItems()->Strings(box->GetItemIndex()), "item 2");
    box->GetItems()->Exchange(2, 4);
    EXPECT_EQ(box->GetItemIndex(), 4);
    box->GetItems()->Delete(4);
    EXPECT_EQ(box->GetItemIndex(), -1);
    EXPECT_THROW(box->SetItemIndex(4), EListError);
    box->SetItemIndex(0);
    box->Clear();
    EXPECT_EQ(box->GetItemIndex(), -1);
    EXPECT_EQ(clicks, 0) << "changes made by the program are no clicks";
}

TEST_F(ListBoxTest, SortedKeepsItemsInOrder) {
    for (const char* s : {"pear", "apple", "fig"}) box->GetItems()->Add(s);
    box->SetItemIndex(0);
    box->SetSorted(true);
    EXPECT_EQ(box->GetItems()->GetCommaText(), "apple,fig,pear");
    EXPECT_EQ(box->GetItemIndex(), -1);
    EXPECT_EQ(box->GetItems()->Add("banana"), 1);
}

TEST_F(ListBoxTest, ScrollInfoCountsItemsAndAThumbPositionMovesTheTop) {
    Fill(30);
    ASSERT_EQ(box->VisibleItemCount(), 10);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 29);
    EXPECT_EQ(info.nPage, 10u);
    SendMessage(box->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
    EXPECT_EQ(box->GetTopIndex(), 12);
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 12);
    SendMessage(box->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(box->GetTopIndex(), 20) << "the last page ends at the last item";
    SendMessage(box->Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(box->GetTopIndex(), 19);

    // Few enough items hide the bar.
    while (box->Count() > 5) box->GetItems()->Delete(0);
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(box->Handle(), OBJID_VSCROLL, &bar));
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(box->GetTopIndex(), 0);
}

TEST_F(ListBoxTest, KeyboardMovesTheSelectionAsAUserChoice) {
    Fill(30);
    box->GetItems()->Add("zebra");
    Focus();
    struct Case {
        int key;
        char ch;
        int index;
        int top;
    };
    const Case cases[] = {
        {VK_DOWN, 0, 0, 0}, {VK_DOWN, 0, 1, 0}, {VK_NEXT, 0, 10, 1}, {VK_END, 0, 30, 21},
        {VK_HOME, 0, 0, 0}, {'Z', 'z', 30, 21}, {'I', 'i', 0, 0},    {VK_UP, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Headless::KeyPress(c.key, static_cast<char32_t>(c.ch));
        Headless::ProcessMessages();
        EXPECT_EQ(box->GetItemIndex(), c.index) << "key " << c.key;
        EXPECT_EQ(box->GetTopIndex(), c.top) << "key " << c.key;
    }
    EXPECT_EQ(clicks, 7) << "one click for every move, none when the selection stays";
}

TEST_F(ListBoxTest, MouseSelectsDragsAndWheels) {
    Fill(30);
    const TPoint third = ItemPoint(2);
    Headless::Click(third.x, third.y);
    Headless::ProcessMessages();
    EXPECT_EQ(box->GetItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(GetCapture(), nullptr) << "the release gives the mouse back";

    // Dragging below the list moves the selection on and scrolls after it.
    Headless::MouseDown();
    const TPoint below = box->ClientToScreen({20, box->GetClientHeight() + 5});
    Headless::MouseMove(below.x, below.y);
    Headless::MouseMove(below.x, below.y + 1);
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(box->GetItemIndex(), 11);
    EXPECT_EQ(box->GetTopIndex(), 2);

    Headless::Wheel(-WHEEL_DELTA);
    Headless::ProcessMessages();
    EXPECT_EQ(box->GetTopIndex(), 5);
    EXPECT_EQ(box->GetItemIndex(), 11);
}

TEST_F(ListBoxTest, OwnerDrawHandsEachItemInSightToTheHandler) {
    Fill(30);
    box->SetTopIndex(4);
    box->SetItemIndex(5);
    box->SetStyle(lbOwnerDrawFixed);
    std::vector<int> drawn;
    std::vector<TRect> rects;
    TOwnerDrawState selectedState = 0;
    box->OnDrawItem = [&](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
        drawn.push_back(index);
        rects.push_back(rect);
        if (index == 5) selectedState = state;
    };
    box->Repaint();
    ASSERT_EQ(drawn.size(), 10u);
    EXPECT_EQ(drawn.front(), 4);
    EXPECT_EQ(drawn.back(), 13);
    const int height = box->GetItemHeight();
    EXPECT_EQ(rects[1], (TRect{0, height, box->GetClientWidth(), 2 * height}));
    EXPECT_TRUE(selectedState & odSelected);
}

TEST_F(ListBoxTest, SelectedItemIsPaintedInTheHighlightColour) {
    Fill(3);
    box->SetItemIndex(1);
    Headless::ProcessMessages();
    const gfx::Bitmap shot = Headless::CaptureWindow(box->Handle());
    const int height = box->GetItemHeight();
    EXPECT_EQ(shot.GetPixel(140, height + 1), ColorToRGB(clHighlight));
    EXPECT_EQ(shot.GetPixel(140, 1), ColorToRGB(clWindow));
}

}  // namespace
