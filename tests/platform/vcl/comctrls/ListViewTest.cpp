// The report list view: items and selection by index, scrolling only when an item is out
// of sight, the scroll bars' information, and the mouse, wheel and keyboard driving it.
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/stdctrls/ComboBox.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/stdctrls/ListBox.h"
#include "platform/vcl/comctrls/ListView.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "tests/platform/vcl/ControlTestFixture.h"
#include "platform/vcl/VclClasses.h"

using vcltest::THostControl;
using win::Headless;

namespace {

class ListViewTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(10, 10, 440, 320);
        view = new TListView(host.get());
        view->SetParent(host.get());
        view->SetViewStyle(vsReport);
        view->SetRowSelect(true);
        view->SetHideSelection(false);
        view->SetBorderStyle(bsNone);
        AddColumn("Abbreviations", 120);
        AddColumn("Meaning", 200);
        // Room for ten whole rows and half of an eleventh.
        view->SetBounds(5, 5, 400, view->HeaderHeight() + view->RowHeight() * 21 / 2);
        host->Handle();
        Headless::ProcessMessages();
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }

    void AddColumn(const std::string& caption, int width) {
        TListColumn* column = view->GetColumns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    void Fill(int count) {
        view->GetItems()->BeginUpdate();
        for (int i = 0; i < count; ++i) {
            TListItem* item = view->GetItems()->Add();
            item->SetCaption("row " + std::to_string(i));
            item->GetSubItems()->Add("meaning " + std::to_string(i));
            item->SetData(&data[static_cast<std::size_t>(i % 4)]);
        }
        view->GetItems()->EndUpdate();
    }
    // The screen point in the middle of a row that is in sight.
    TPoint RowPoint(int index, int x = 30) const {
        const TRect row = view->ItemRect(index, drBounds);
        return view->ClientToScreen({x, (row.top + row.bottom) / 2});
    }
    SCROLLINFO ScrollInfo(int bar) const {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(view->Handle(), bar, &info));
        return info;
    }
    void Focus() {
        SetActiveWindow(host->Handle());
        view->SetFocus();
        Headless::ProcessMessages();
    }

    std::unique_ptr<THostControl> host;
    TListView* view = nullptr;
    int data[4] = {};
};

TEST_F(ListViewTest, ItemsKeepCaptionSubItemsDataAndIndex) {
    Fill(5);
    TListItems* items = view->GetItems();
    ASSERT_EQ(items->Count(), 5);
    EXPECT_EQ(items->GetItem(3)->GetCaption(), "row 3");
    EXPECT_EQ(items->GetItem(3)->GetSubItems()->Strings(0), "meaning 3");
    EXPECT_EQ(items->GetItem(3)->GetData(), &data[3]);
    EXPECT_EQ(items->GetItem(3)->GetIndex(), 3);
    EXPECT_THROW(items->GetItem(5), EListError);

    // Inserting and deleting renumber the rows after them.
    items->Insert(1)->SetCaption("new");
    EXPECT_EQ(items->GetItem(4)->GetCaption(), "row 3");
    EXPECT_EQ(items->GetItem(4)->GetIndex(), 4);
    items->Delete(0);
    EXPECT_EQ(items->GetItem(0)->GetCaption(), "new");
    EXPECT_EQ(items->GetItem(3)->GetIndex(), 3);

    std::vector<std::string> deleted;
    view->OnDeletion = [&](TObject*, TListItem* item) { deleted.push_back(item->GetCaption()); };
    items->Clear();
    EXPECT_EQ(items->Count(), 0);
    EXPECT_EQ(deleted.size(), 5u);
    EXPECT_EQ(view->GetSelected(), nullptr);
}

TEST_F(ListViewTest, SelectionByIndexReportsEachChange) {
    Fill(20);
    std::vector<std::string> log;
    view->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        log.push_back(item->GetCaption() + (selected ? " +" : " -"));
    };
    struct Case {
        int index;
        const char* selected;  // caption of the selected item, or "" for none
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {3, "row 3", {"row 3 +"}},
        {3, "row 3", {}},
        {7, "row 7", {"row 3 -", "row 7 +"}},
        {-1, "", {"row 7 -"}},
        {0, "row 0", {"row 0 +"}},
        {19, "row 19", {"row 0 -", "row 19 +"}},
    };
    for (const Case& c : cases) {
        log.clear();
        view->SetItemIndex(c.index);
        EXPECT_EQ(view->GetItemIndex(), c.index);
        TListItem* selected = view->GetSelected();
        EXPECT_EQ(selected ? selected->GetCaption() : "", c.selected) << c.index;
        EXPECT_EQ(log, c.events) << c.index;
        if (selected) {
            EXPECT_TRUE(selected->GetSelected());
        }
    }
    EXPECT_THROW(view->SetItemIndex(20), EListError);
    EXPECT_THROW(view->SetItemIndex(-2), EListError);
    EXPECT_EQ(view->GetItemIndex(), 19);

    // Deleting rows before the selection keeps the same row selected; deleting it clears.
    view->GetItems()->Delete(0);
    EXPECT_EQ(view->GetItemIndex(), 18);
    EXPECT_EQ(view->GetSelected()->GetCaption(), "row 19");
    view->GetItems()->Delete(18);
    EXPECT_EQ(view->GetSelected(), nullptr);
    view->GetItems()->GetItem(2)->SetSelected(true);
    EXPECT_EQ(view->GetItemIndex(), 2);
    view->SetSelected(nullptr);
    EXPECT_EQ(view->GetItemIndex(), -1);
}

TEST_F(ListViewTest, ScrollInfoCountsRowsVerticallyAndPixelsHorizontally) {
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_VSCROLL, &bar));
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_INVISIBLE) << "an empty list needs no bar";

    Fill(50);
    ASSERT_EQ(view->VisibleRowCount(), 10);
    const SCROLLINFO vertical = ScrollInfo(SB_VERT);
    EXPECT_EQ(vertical.nMin, 0);
    EXPECT_EQ(vertical.nMax, 49);
    EXPECT_EQ(vertical.nPage, 10u);
    EXPECT_EQ(vertical.nPos, 0);
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_VSCROLL, &bar));
    EXPECT_EQ(bar.rgstate[0], 0u);
    EXPECT_GT(bar.xyThumbBottom - bar.xyThumbTop, 0);
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_HSCROLL, &bar));
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_INVISIBLE) << "the columns fit";

    // Wider columns than the client area bring the horizontal bar, in pixels.
    view->GetColumns()->Items(1)->SetWidth(500);
    const SCROLLINFO horizontal = ScrollInfo(SB_HORZ);
    EXPECT_EQ(horizontal.nMin, 0);
    EXPECT_EQ(horizontal.nMax, 619);
    EXPECT_EQ(static_cast<int>(horizontal.nPage), view->GetClientWidth());
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_HSCROLL, &bar));
    EXPECT_EQ(bar.rgstate[0], 0u);

    // Emptying the list takes the vertical bar away again.
    view->GetItems()->Clear();
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_VSCROLL, &bar));
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_INVISIBLE);
}

TEST_F(ListViewTest, MakeVisibleScrollsOnlyWhenTheItemIsOutOfSight) {
    Fill(50);
    struct Case {
        int top;
        int index;
        bool partialOK;
        int expectedTop;
    };
    const Case cases[] = {
        {0, 5, true, 0},    // in sight
        {0, 9, false, 0},   // the last whole row
        {0, 10, true, 0},   // half shown counts as shown
        {0, 10, false, 1},  // unless the whole row must show
        {0, 30, true, 21},  // below: it becomes the last whole row
        {20, 5, true, 5},   // above: it becomes the top row
        {20, 25, true, 20}, {20, 49, true, 40},
    };
    for (const Case& c : cases) {
        view->Scroll(0, (c.top - view->GetTopIndex()) * view->RowHeight());
        ASSERT_EQ(view->GetTopIndex(), c.top);
        view->GetItems()->GetItem(c.index)->MakeVisible(c.partialOK);
        EXPECT_EQ(view->GetTopIndex(), c.expectedTop) << c.top << " " << c.index;
        EXPECT_EQ(ScrollInfo(SB_VERT).nPos, c.expectedTop);
    }
}

TEST_F(ListViewTest, ClicksSelectRowsAndDoubleClickReachesTheHandler) {
    Fill(50);
    int doubleClicks = 0;
    view->OnDblClick = [&](TObject*) { ++doubleClicks; };
    const TPoint row2 = RowPoint(2);
    Headless::Click(row2.x, row2.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 2);
    EXPECT_TRUE(view->Focused());
    EXPECT_EQ(GetCapture(), nullptr) << "the release gives the mouse back";

    // Column two of the row selects it too, as the whole row is selectable.
    const TPoint row4 = RowPoint(4, 200);
    Headless::Click(row4.x, row4.y);
    Headless::Click(row4.x, row4.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 4);
    EXPECT_EQ(doubleClicks, 1);

    // The header selects nothing; the half-shown row scrolls into full sight when clicked.
    const TPoint header = view->ClientToScreen({30, 3});
    Headless::Click(header.x, header.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 4);
    const TPoint row10 = view->ClientToScreen({30, view->ItemRect(10, drBounds).top + 2});
    Headless::Click(row10.x, row10.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 10);
    EXPECT_EQ(view->GetTopIndex(), 0) << "a partly shown row counts as shown";
}

TEST_F(ListViewTest, EmptySpaceClearsTheSelectionWithoutRowSelect) {
    Fill(3);
    view->SetRowSelect(false);
    view->SetItemIndex(1);
    // Beyond the first column a row without RowSelect has nothing to hit.
    const TPoint beside = RowPoint(1, 200);
    Headless::Click(beside.x, beside.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), -1);
    const TPoint caption = RowPoint(1, 10);
    Headless::Click(caption.x, caption.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 1);
    TPoint below = RowPoint(1, 10);
    below.y += view->RowHeight() * 4;
    Headless::Click(below.x, below.y);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), -1);
}

TEST_F(ListViewTest, RightClickSelectsTheRowBeforeThePopupMenuOpens) {
    Fill(50);
    view->SetItemIndex(1);
    auto* menu = new TPopupMenu(host.get());
    auto* remove = new TMenuItem(menu);
    remove->SetCaption("&Delete");
    menu->GetItems()->Add(remove);
    view->SetPopupMenu(menu);
    std::string clickedOn;
    remove->OnClick = [&](TObject*) { clickedOn = view->GetSelected()->GetCaption(); };
    std::vector<TPoint> popups;
    view->OnContextPopup = [&](TObject*, TPoint at, bool&) { popups.push_back(at); };
    // The menu's own loop takes the keys that choose its only item.
    Focus();
    driver->WhenIdle([] {
        Headless::KeyPress(VK_DOWN);
        Headless::KeyPress(VK_RETURN);
    });

    const TPoint row6 = RowPoint(6);
    Headless::Click(row6.x, row6.y, 1);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 6);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0], row6);
    EXPECT_EQ(clickedOn, "row 6");
    EXPECT_EQ(menu->GetPopupComponent(), view);
}

TEST_F(ListViewTest, HandledContextPopupKeepsTheMenuClosed) {
    Fill(5);
    auto* menu = new TPopupMenu(host.get());
    int opened = 0;
    menu->OnPopup = [&](TObject*) { ++opened; };
    view->SetPopupMenu(menu);
    view->OnContextPopup = [](TObject*, TPoint, bool& handled) { handled = true; };
    const TPoint row3 = RowPoint(3);
    Headless::Click(row3.x, row3.y, 1);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 3);
    EXPECT_EQ(opened, 0);
    view->OnContextPopup = nullptr;
    Headless::Click(row3.x, row3.y, 1);
    Headless::ProcessMessages();
    EXPECT_EQ(opened, 1);
}

TEST_F(ListViewTest, KeyboardMovesTheSelectionAndKeepsItInSight) {
    Fill(50);
    Focus();
    ASSERT_TRUE(view->Focused());
    struct Case {
        int key;
        int index;
        int top;
    };
    // One key after another, from no selection.
    const Case cases[] = {
        {VK_DOWN, 0, 0},  {VK_DOWN, 1, 0},  {VK_UP, 0, 0},    {VK_UP, 0, 0},
        {VK_NEXT, 9, 0},  {VK_NEXT, 18, 9}, {VK_PRIOR, 9, 9}, {VK_PRIOR, 0, 0},
        {VK_END, 49, 40}, {VK_HOME, 0, 0},  {VK_DOWN, 1, 0},
    };
    for (const Case& c : cases) {
        Headless::KeyPress(c.key);
        Headless::ProcessMessages();
        EXPECT_EQ(view->GetItemIndex(), c.index) << "key " << c.key;
        EXPECT_EQ(view->GetTopIndex(), c.top) << "key " << c.key;
    }
    EXPECT_EQ(ScrollInfo(SB_VERT).nPos, 0);
    view->SetItemIndex(9);
    Headless::KeyPress(VK_DOWN);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetItemIndex(), 10);
    EXPECT_EQ(view->GetTopIndex(), 1);
    EXPECT_EQ(ScrollInfo(SB_VERT).nPos, 1);
}

TEST_F(ListViewTest, WheelAndScrollBarScrollRowsWithoutMovingTheSelection) {
    Fill(50);
    view->SetItemIndex(2);
    Focus();
    const TPoint inside = RowPoint(3);
    Headless::MouseMove(inside.x, inside.y);
    Headless::Wheel(-WHEEL_DELTA);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetTopIndex(), 3);
    Headless::Wheel(-WHEEL_DELTA / 2);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetTopIndex(), 3) << "half a notch waits for the other half";
    Headless::Wheel(-WHEEL_DELTA / 2);
    Headless::Wheel(-WHEEL_DELTA * 20);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetTopIndex(), 40) << "stops where the last row shows";
    EXPECT_EQ(ScrollInfo(SB_VERT).nPos, 40);
    Headless::Wheel(WHEEL_DELTA);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetTopIndex(), 37);
    EXPECT_EQ(view->GetItemIndex(), 2);

    // The bar's bottom arrow steps one row, its track below the thumb a page.
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_VSCROLL, &bar));
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    view->Scroll(0, -view->GetTopIndex() * view->RowHeight());
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_VSCROLL, &bar));
    Headless::Click(x, bar.rcScrollBar.bottom - 3);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetTopIndex(), 1);
    ASSERT_TRUE(GetScrollBarInfo(view->Handle(), OBJID_VSCROLL, &bar));
    Headless::Click(x, bar.rcScrollBar.top + bar.xyThumbBottom + 2);
    Headless::ProcessMessages();
    EXPECT_EQ(view->GetTopIndex(), 11);
    EXPECT_EQ(view->GetItemIndex(), 2);
}

TEST_F(ListViewTest, SelectedRowShowsInHighlightWithFocusAndInFaceColourWithout) {
    Fill(5);
    view->SetItemIndex(1);
    const TRect row = view->ItemRect(1, drBounds);
    auto pixelAt = [&](int x, int y) {
        Headless::ProcessMessages();
        const gfx::Bitmap shot = Headless::CaptureWindow(view->Handle());
        return shot.GetPixel(x, y);
    };
    const int y = row.top + 1;
    EXPECT_EQ(pixelAt(300, y), ColorToRGB(clBtnFace)) << "kept selection without focus";
    EXPECT_EQ(pixelAt(300, row.bottom + 1), ColorToRGB(clWindow));
    EXPECT_EQ(pixelAt(60, 2), ColorToRGB(clBtnFace)) << "header";
    Focus();
    EXPECT_EQ(pixelAt(300, y), ColorToRGB(clHighlight));
    view->SetHideSelection(true);
    view->SetFocus();
    EXPECT_EQ(pixelAt(300, y), ColorToRGB(clHighlight));
    SetFocus(nullptr);
    EXPECT_EQ(pixelAt(300, y), ColorToRGB(clWindow)) << "hidden without focus";
}

TEST_F(ListViewTest, BorderWidthKeepsABandFreeInsideTheBorder) {
    const TRect before = view->GetClientRect();
    view->SetBorderWidth(2);
    Headless::ProcessMessages();
    const TRect after = view->GetClientRect();
    EXPECT_EQ(after.Width(), before.Width() - 4);
    EXPECT_EQ(after.Height(), before.Height() - 4);
    POINT origin{0, 0};
    ClientToScreen(view->Handle(), &origin);
    RECT window;
    GetWindowRect(view->Handle(), &window);
    EXPECT_EQ(origin.x - window.left, 2);
    EXPECT_EQ(origin.y - window.top, 2);
}

}  // namespace

namespace {

const char* const StoredLists = R"(object Host: TCustomControl
  object lvData: TListView
    Left = 25
    Top = 36
    Width = 537
    Height = 248
    BorderStyle = bsNone
    BorderWidth = 2
    Columns = <
      item
        Caption = 'Abbreviations'
        Width = 120
      end
      item
        Caption = 'Meaning'
        Width = 360
      end>
    HideSelection = False
    RowSelect = True
    TabOrder = 3
    ViewStyle = vsReport
  end
  object cbStyle: TComboBox
    Style = csDropDownList
    Items.Strings = (
      'MacOS'
      'WinXP')
    ItemIndex = 1
  end
  object lbNames: TListBox
    Items.Strings = (
      'one'
      'two')
    Sorted = True
  end
end
)";

TEST(ListControlsStreaming, FormDescriptionsSetColumnsItemsAndOptions) {
    win::Headless::Install();
    RegisterVclClasses();
    THostControl host(nullptr);
    TFormReader("Lists.dfm").ReadRootComponent(host, StoredLists);
    auto* view = dynamic_cast<TListView*>(host.FindComponent("lvData"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetParent(), &host);
    EXPECT_EQ(view->GetViewStyle(), vsReport);
    EXPECT_TRUE(view->GetRowSelect());
    EXPECT_FALSE(view->GetHideSelection());
    EXPECT_EQ(view->GetBorderStyle(), bsNone);
    EXPECT_EQ(view->GetBorderWidth(), 2);
    ASSERT_EQ(view->GetColumns()->Count(), 2);
    EXPECT_EQ(view->GetColumns()->Items(1)->GetCaption(), "Meaning");
    EXPECT_EQ(view->GetColumns()->Items(1)->GetWidth(), 360);
    auto* combo = dynamic_cast<TComboBox*>(host.FindComponent("cbStyle"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetText(), "WinXP");
    auto* names = dynamic_cast<TListBox*>(host.FindComponent("lbNames"));
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->GetItems()->GetCommaText(), "one,two");
    win::Headless::Install();
}

}  // namespace

namespace {

// Sub-items change through their own list, which must repaint the row as the caption does.
TEST_F(ListViewTest, ChangedSubItemsRepaintTheirRow) {
    Fill(3);
    auto shot = [&] {
        Headless::ProcessMessages();
        return Headless::CaptureWindow(view->Handle());
    };
    const TRect row1 = view->ItemRect(1, drBounds);
    const TRect row0 = view->ItemRect(0, drBounds);
    auto band = [](const gfx::Bitmap& bitmap, const TRect& row) {
        return bitmap.Copy({130, row.top, 320, row.bottom});
    };
    const gfx::Bitmap before = shot();
    TStrings* subItems = view->GetItems()->GetItem(1)->GetSubItems();
    subItems->SetStrings(0, "WWWWWWWWWWWWWWWW");
    const gfx::Bitmap changed = shot();
    EXPECT_FALSE(band(changed, row1) == band(before, row1));
    EXPECT_TRUE(band(changed, row0) == band(before, row0));

    subItems->BeginUpdate();
    subItems->SetStrings(0, "meaning 1");
    subItems->EndUpdate();
    EXPECT_TRUE(band(shot(), row1) == band(before, row1)) << "repainted once the update ended";
}

}  // namespace
