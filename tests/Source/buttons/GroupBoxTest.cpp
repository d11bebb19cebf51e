// Group boxes and check/radio groups: the frame with its caption in two styles, disabling,
// the columns the items stand in, items changed at run time, clicks, keys and focus, the
// item index, streaming, and indexes out of range.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Source/buttons/SKGroupBox.h"
#include "Source/buttons/SKRadioGroup.h"
#include "Source/theme/SKMgr.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

using win::Headless;

class Groups : public ::testing::Test {
protected:
    void SetUp() override {
        Headless::Install();
        InitSkinLibrary();
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 400, 300);
        form->SetColor(clWhite);
    }
    void TearDown() override {
        delete form;
        Headless::Install();
    }
    template <class T>
    T* Add(int x, int y, int w, int h) {
        T* c = new T(form);
        c->SetBounds(x, y, w, h);
        c->SetParent(form);
        return c;
    }
    void Show() {
        form->Show();
        Headless::ProcessMessages();
    }
    // The control's own pixels.
    gfx::Bitmap Pixels(const TControl* c) {
        form->Repaint();
        Headless::ProcessMessages();
        const TPoint origin = c->ClientToScreen({0, 0});
        RECT frame;
        GetWindowRect(form->Handle(), &frame);
        const int x = origin.x - frame.left, y = origin.y - frame.top;
        return Headless::CaptureWindow(form->Handle())
            .Copy({x, y, x + c->GetWidth(), y + c->GetHeight()});
    }
    void ClickAt(const TControl* c, int x, int y) {
        const TPoint p = c->ClientToScreen({x, y});
        Headless::Click(p.x, p.y);
        Headless::ProcessMessages();
    }
    TskCheckGroup* CheckGroup(int items, int columns) {
        auto* group = Add<TskCheckGroup>(10, 10, 200, 120);
        group->SetColumns(columns);
        for (int i = 0; i < items; ++i) group->GetItems()->Add("Item " + std::to_string(i));
        return group;
    }

    TForm* form = nullptr;
};

TEST_F(Groups, TheFrameLeavesRoomForTheCaptionInEachStyle) {
    for (const TskUIStyle style : {MacOS, WinXP}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        auto* box = Add<TskGroupBox>(10, 10, 185, 105);
        box->SetUIStyle(style);
        Show();
        const TColor border = GetInsideThemeColor(style, SkItem::ControlBorderColor);
        EXPECT_EQ(box->GetBorderColor(), border);
        EXPECT_EQ(box->GetFont()->GetColor(), GetInsideThemeColor(style, SkItem::ControlFontColor));
        const int top = std::abs(box->GetFont()->GetHeight()) / 2 + 1;

        // Without a caption the frame is closed.
        gfx::Bitmap shot = Pixels(box);
        for (int x = 0; x < 185; ++x) ASSERT_EQ(shot.GetPixel(x, top), border) << x;
        for (int y = top; y < 105; ++y) {
            ASSERT_EQ(shot.GetPixel(0, y), border) << y;
            ASSERT_EQ(shot.GetPixel(184, y), border) << y;
        }
        for (int x = 0; x < 185; ++x) ASSERT_EQ(shot.GetPixel(x, 104), border) << x;
        EXPECT_NE(shot.GetPixel(1, top + 1), border);

        // With one, the top edge is open from x = 3 to the caption's width + 6.
        box->SetCaption("Options");
        TBitmap measure(1, 1);
        measure.GetCanvas()->SetFont(box->GetFont());
        const int w = measure.GetCanvas()->TextWidth("Options");
        shot = Pixels(box);
        for (int x = 0; x < 3; ++x) EXPECT_EQ(shot.GetPixel(x, top), border) << x;
        EXPECT_NE(shot.GetPixel(w + 6, top), border);
        EXPECT_NE(shot.GetPixel(3, top), border);
        EXPECT_EQ(shot.GetPixel(w + 7, top), border);
        // The caption starts at x = 5: nothing of it left of there.
        int firstInk = 185;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < w + 7; ++x)
                if (shot.GetPixel(x, y) != box->GetColor() && shot.GetPixel(x, y) != border)
                    firstInk = std::min(firstInk, x);
        EXPECT_GE(firstInk, 5);
        EXPECT_LE(firstInk, 7);
        delete box;
    }
}

TEST_F(Groups, ADisabledBoxGreysItsCaptionAndDisablesItsChildren) {
    auto* box = Add<TskGroupBox>(10, 10, 185, 105);
    box->SetCaption("Options");
    auto* child = new TButton(form);
    child->SetBounds(10, 60, 75, 25);
    child->SetParent(box);
    Show();
    // The darkest pixel of the caption (the top edge is open there): its font colour.
    auto darkest = [&] {
        const gfx::Bitmap shot = Pixels(box);
        int least = 255;
        for (int y = 0; y < 14; ++y)
            for (int x = 5; x < 35; ++x) least = std::min<int>(least, shot.GetPixel(x, y) & 0xFF);
        return least;
    };
    box->GetFont()->SetColor(clBlack);
    EXPECT_LT(darkest(), 0x40);
    box->SetEnabled(false);
    EXPECT_FALSE(child->GetEnabled());
    EXPECT_NEAR(darkest(), 0x80, 16) << "grey";
    box->SetEnabled(true);
    EXPECT_TRUE(child->GetEnabled());
}

TEST_F(Groups, ItemsStandInColumnsTopToBottomThenLeftToRight) {
    TskCheckGroup* group = CheckGroup(5, 2);
    ASSERT_EQ(group->ButtonCount(), 5);
    const TRect area = group->GetClient();
    const int top = area.top + 8;
    const int height = area.bottom - top;
    const int rowHeight = height / 3;
    const int top0 = top + (height % 3) / 2;
    const int second = 8 + (200 - 10) / 2;
    const TPoint expected[] = {{8, top0},
                               {8, top0 + rowHeight},
                               {8, top0 + 2 * rowHeight},
                               {second, top0},
                               {second, top0 + rowHeight}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(group->Buttons(i)->BoundsRect().TopLeft(), expected[i]) << i;
        EXPECT_EQ(group->Buttons(i)->GetCaption(), "Item " + std::to_string(i));
        EXPECT_FALSE(group->Buttons(i)->GetTabStop());
    }

    // A sixth item adds a button and arranges all six in rows of three.
    group->GetItems()->Add("Item 5");
    ASSERT_EQ(group->ButtonCount(), 6);
    EXPECT_EQ(group->Buttons(5)->BoundsRect().TopLeft(), (TPoint{second, top0 + 2 * rowHeight}));
    // Deleting the first renames the buttons and frees the last; checks stay by position.
    group->SetChecked(1, true);
    group->GetItems()->Delete(0);
    ASSERT_EQ(group->ButtonCount(), 5);
    EXPECT_EQ(group->Buttons(0)->GetCaption(), "Item 1");
    EXPECT_TRUE(group->GetChecked(1));
    EXPECT_EQ(group->ControlCount(), 5);
}

TEST_F(Groups, ZeroColumnsArrangeLikeOneAndNegativesAreIgnored) {
    TskCheckGroup* group = CheckGroup(3, 0);
    EXPECT_EQ(group->GetColumns(), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(group->Buttons(i)->GetLeft(), 8) << i;
    EXPECT_LT(group->Buttons(0)->GetTop(), group->Buttons(1)->GetTop());
    group->SetColumns(-2);
    EXPECT_EQ(group->GetColumns(), 0);
    group->SetTopMargin(-1);
    EXPECT_EQ(group->GetTopMargin(), 8);
}

TEST_F(Groups, IndexesOutOfRangeAreRefusedOrAnswerFalse) {
    TskCheckGroup* group = CheckGroup(2, 1);
    for (const int index : {-1, 2, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(group->GetChecked(index));
        EXPECT_FALSE(group->GetItemEnabled(index));
        EXPECT_THROW(group->SetChecked(index, true), EListError);
        EXPECT_THROW(group->SetItemEnabled(index, false), EListError);
    }
    group->SetItemEnabled(1, false);
    EXPECT_FALSE(group->GetItemEnabled(1));
    EXPECT_TRUE(group->GetItemEnabled(0));
}

TEST_F(Groups, TheRadioGroupsItemIndex) {
    auto* group = Add<TskRadioGroup>(10, 10, 200, 120);
    for (const char* item : {"Red", "Green", "Blue"}) group->GetItems()->Add(item);
    int clicks = 0;
    group->OnClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, group);
        ++clicks;
    };
    EXPECT_EQ(group->GetItemIndex(), -1);
    group->SetItemIndex(2);
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_TRUE(group->GetChecked(2));
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(0);
    EXPECT_FALSE(group->GetChecked(2)) << "one item at a time";
    group->SetItemIndex(-1);
    EXPECT_EQ(group->GetItemIndex(), -1);
    for (const int ignored : {3, -2}) {
        group->SetItemIndex(1);
        group->SetItemIndex(ignored);
        EXPECT_EQ(group->GetItemIndex(), 1) << ignored;
    }
}

TEST_F(Groups, ClicksOnItemsAndOnTheGroupFireTheGroupsOnClick) {
    TskCheckGroup* group = CheckGroup(3, 1);
    Show();
    std::vector<TObject*> senders;
    group->OnClick = [&](TObject* Sender) { senders.push_back(Sender); };
    TskCheckBox* item = group->Buttons(1);
    ClickAt(item, 5, item->GetHeight() / 2);
    EXPECT_TRUE(group->GetChecked(1));
    ClickAt(group, group->GetWidth() - 6, group->GetHeight() - 6);
    EXPECT_EQ(senders, (std::vector<TObject*>{group, group}));
}

TEST_F(Groups, TabGivesTheFocusToTheCheckedItemAndArrowsMoveAndCheck) {
    auto* before = Add<TButton>(250, 10, 75, 25);
    auto* group = Add<TskRadioGroup>(10, 10, 200, 120);
    for (const char* item : {"Red", "Green", "Blue"}) group->GetItems()->Add(item);
    group->SetItemIndex(1);
    Show();
    before->SetFocus();
    Headless::ProcessMessages();
    Headless::KeyPress(VK_TAB);
    Headless::ProcessMessages();
    EXPECT_EQ(GetFocus(), group->Buttons(1)->Handle()) << "the checked item";
    Headless::KeyPress(VK_DOWN);
    Headless::ProcessMessages();
    EXPECT_EQ(GetFocus(), group->Buttons(2)->Handle());
    EXPECT_EQ(group->GetItemIndex(), 2) << "moving checks";
    Headless::KeyPress(VK_UP);
    Headless::ProcessMessages();
    EXPECT_EQ(group->GetItemIndex(), 1);

    // A checked item that cannot take the focus leaves it with the group.
    group->SetItemEnabled(1, false);
    before->SetFocus();
    Headless::ProcessMessages();
    Headless::KeyPress(VK_TAB);
    Headless::ProcessMessages();
    EXPECT_EQ(GetFocus(), group->Handle());
}

TEST_F(Groups, ACheckGroupHandsTheFocusToItsFirstItem) {
    auto* before = Add<TButton>(250, 10, 75, 25);
    TskCheckGroup* group = CheckGroup(3, 1);
    Show();
    before->SetFocus();
    Headless::KeyPress(VK_TAB);
    Headless::ProcessMessages();
    EXPECT_EQ(GetFocus(), group->Buttons(0)->Handle());
}

TEST_F(Groups, AStoredGroupLoadsItsItemsAndIndexWithoutAClick) {
    RegisterSKGroupBoxClasses();
    RegisterSKRadioGroupClasses();
    const char* description = R"(object Colours: TskRadioGroup
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  UIStyle = WinXP
  Caption = 'Colours'
  Columns = 2
  Items.Strings = (
    'Red'
    'Green'
    'Blue')
  ItemIndex = 2
end)";
    auto group = std::make_unique<TskRadioGroup>(nullptr);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    TFormReader("Colours.dfm").ReadRootComponent(*group, description);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(group->GetCaption(), "Colours");
    EXPECT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_EQ(group->GetColumns(), 2);
    EXPECT_EQ(group->Buttons(0)->GetUIStyle(), WinXP);
    group->SetItemIndex(0);
    EXPECT_EQ(clicks, 1) << "once loaded, changes are told";
}

}  // namespace
