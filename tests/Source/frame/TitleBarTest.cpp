// The title bar on a plain form: its pictures and layout, the caption and its shortening,
// hover and pressed pictures, the buttons' actions, dragging, double-clicks, the window
// menu and the collections' rules.
#include <gtest/gtest.h>

#include <string>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Picture.h"

#include "Source/frame/SKTitleBar.h"
#include "Source/theme/SKPublic.h"
#include "tests/Source/frame/FrameTestSupport.h"

namespace {

using namespace frame_test;

class TitleBarTest : public FrameTest {
protected:
    // A MacOS bar at the top of a shown form.
    void MakeBar(const std::string& caption = "Quorvane") {
        MakeForm();
        bar = new TskTitleBar(form);
        bar->SetParent(form);
        bar->SetUIStyle(MacOS);
        bar->SetCaption(caption);
        ShowForm();
    }
    TPoint Screen(int x, int y) const { return bar->ClientToScreen({x, y}); }
    TskTitleBarButton* Button(TskTitleBarBtnType type) const {
        for (int i = 0; i < bar->GetButtons()->Count(); ++i)
            if (bar->GetButtons()->GetItem(i)->GetButtonType() == type)
                return bar->GetButtons()->GetItem(i);
        return nullptr;
    }
    // Where the right-side buttons stand, first in the collection rightmost: MacOS buttons
    // are 17 wide, the row is shifted 2 left and each takes one pixel more.
    int ButtonLeft(int position) const { return bar->GetWidth() - 19 - 18 * position; }
    void ClickBar(int x, int y) {
        const TPoint p = Screen(x, y);
        Headless::Click(p.x, p.y);
        Headless::ProcessMessages();
    }
    // Whether dark caption pixels show in columns [left, right) of the bar.
    bool CaptionIn(int left, int right) {
        const gfx::Bitmap shot = Headless::CaptureDesktop();
        for (int y = 4; y < 21; ++y)
            for (int x = left; x < right; ++x) {
                const TPoint p = Screen(x, y);
                if ((shot.GetPixel(p.x, p.y) & 0xC0C0C0) == 0) return true;
            }
        return false;
    }

    TskTitleBar* bar = nullptr;
};

TEST_F(TitleBarTest, StartsWithFourButtonsAndTheStylesPictures) {
    MakeBar();
    ASSERT_EQ(bar->GetButtons()->Count(), 4);
    const TskTitleBarBtnType types[] = {skControlBox, skClose, skMax, skMin};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(bar->GetButtons()->GetItem(i)->GetButtonType(), types[i]);
    ASSERT_EQ(bar->GetSections()->Count(), 3);
    EXPECT_EQ(bar->GetSections()->GetItem(1)->GetAlign(), skRight);
    EXPECT_EQ(bar->GetSections()->GetItem(2)->GetAlign(), skClient);
    EXPECT_TRUE(bar->GetSections()->GetItem(2)->GetStretch());
    EXPECT_EQ(bar->GetSections()->GetItem(0)->GetWidth(), 48);
    EXPECT_TRUE(bar->CanPaint());
    // Outside a skinned form the whole 23-row picture shows.
    EXPECT_EQ(bar->GetHeight(), 23);
    EXPECT_EQ(bar->GetAlign(), alTop);
    EXPECT_EQ(bar->GetFont()->GetColor(), 0x000000);
    EXPECT_EQ(form->GetConstraints()->GetMinWidth(), 130);
    bar->SetUIStyle(DeepBlue);
    EXPECT_EQ(bar->GetFont()->GetColor(), 0xFFFFFF);
    EXPECT_EQ(Button(skClose)->GetPicNormal()->GetWidth(), 19);
}

TEST_F(TitleBarTest, AStyleAppliedAgainBringsBackItsPicturesAfterOthers) {
    MakeBar();
    TskTitleBarButton* close = Button(skClose);
    auto normalPixel = [&] { return close->GetPicNormal()->GetBitmap()->Image().GetPixel(8, 8); };
    const TColor macPixel = normalPixel();
    EXPECT_EQ(close->GetPicNormal()->GetWidth(), 17);

    // A picture given by hand is replaced by the style's when the style is applied again.
    TBitmap custom(5, 5);
    custom.Image().Fill(0x123456);
    close->GetPicNormal()->SetBitmap(&custom);
    bar->SetUIStyle(MacOS);
    EXPECT_EQ(close->GetPicNormal()->GetWidth(), 17);
    EXPECT_EQ(normalPixel(), macPixel);

    // Away to another style and back: each time the style's own pictures.
    bar->SetUIStyle(DeepBlue);
    EXPECT_EQ(close->GetPicNormal()->GetWidth(), 19);
    bar->SetUIStyle(MacOS);
    EXPECT_EQ(close->GetPicNormal()->GetWidth(), 17);
    EXPECT_EQ(normalPixel(), macPixel);
}

TEST_F(TitleBarTest, PicturesAndButtonsStandWhereTheLayoutPutsThem) {
    MakeBar();
    const gfx::Bitmap shot = Headless::CaptureDesktop();
    const TPoint origin = Screen(0, 0);
    const int w = bar->GetWidth();
    // The left picture from the bar's corner (its buttons stand over it from row 4).
    TBitmap* left = bar->GetLeftImage();
    EXPECT_EQ(shot.GetPixel(origin.x + 1, origin.y + 1), left->GetCanvas()->GetPixel(1, 1));
    EXPECT_EQ(shot.GetPixel(origin.x + 47, origin.y + 22), left->GetCanvas()->GetPixel(47, 22));
    // The right picture's last column is the bar's last column.
    TBitmap* right = bar->GetRightImage();
    EXPECT_EQ(shot.GetPixel(origin.x + w - 1, origin.y + 22),
              right->GetCanvas()->GetPixel(right->GetWidth() - 1, 22));
    // The client picture is stretched between them.
    TBitmap* center = bar->GetCenterImage();
    EXPECT_EQ(shot.GetPixel(origin.x + w / 2, origin.y + 1), center->GetCanvas()->GetPixel(0, 1));
    // Close (first in the collection) rightmost, then maximise and minimise to its left; the
    // window-menu button at the left offset.
    EXPECT_TRUE(ShowsPicture(shot, origin.x + ButtonLeft(0), origin.y + 4,
                             Button(skClose)->GetPicNormal()));
    EXPECT_TRUE(
        ShowsPicture(shot, origin.x + ButtonLeft(1), origin.y + 4, Button(skMax)->GetPicNormal()));
    EXPECT_TRUE(
        ShowsPicture(shot, origin.x + ButtonLeft(2), origin.y + 4, Button(skMin)->GetPicNormal()));
    EXPECT_TRUE(
        ShowsPicture(shot, origin.x + 3, origin.y + 4, Button(skControlBox)->GetPicNormal()));

    // Invisible buttons leave no gap; the interval adds to the fixed pixel.
    Button(skMax)->SetVisible(false);
    bar->SetButtonInterval(5);
    Headless::ProcessMessages();
    EXPECT_TRUE(ShowsPicture(Headless::CaptureDesktop(), origin.x + w - 2 + 1 - 23 - 23,
                             origin.y + 4, Button(skMin)->GetPicNormal()));
}

TEST_F(TitleBarTest, TheCaptionFitsBetweenTheButtonsOrIsShortened) {
    MakeBar("Quorvane");
    const int limit = ButtonLeft(2);  // the leftmost right-side button
    EXPECT_TRUE(CaptionIn(25, 40));
    EXPECT_FALSE(CaptionIn(20, 25));
    EXPECT_FALSE(CaptionIn(100, limit));

    bar->SetCaption(std::string(80, 'W'));
    Headless::ProcessMessages();
    // The shortened text and its "..." end close to the buttons and never reach them.
    EXPECT_TRUE(CaptionIn(limit - 12, limit));
    EXPECT_FALSE(CaptionIn(limit, ButtonLeft(0)));

    // Without a window-menu button the caption starts at the left offset, or at 6.
    Button(skControlBox)->SetVisible(false);
    bar->SetLeftBtnXOffset(0);
    bar->SetCaption("Quorvane");
    Headless::ProcessMessages();
    EXPECT_FALSE(CaptionIn(0, 6));
    EXPECT_TRUE(CaptionIn(6, 12));
}

TEST_F(TitleBarTest, TheButtonUnderThePointerShowsItsHoverAndPressedPictures) {
    MakeBar();
    const TPoint origin = Screen(0, 0);
    const TPoint close = Screen(ButtonLeft(0) + 8, 12);
    Headless::MouseMove(close.x, close.y);
    Headless::ProcessMessages();
    EXPECT_EQ(bar->HoverIndex(), 1);
    EXPECT_TRUE(ShowsPicture(Headless::CaptureDesktop(), origin.x + ButtonLeft(0), origin.y + 4,
                             Button(skClose)->GetPicMouseOn()));
    Headless::MouseDown();
    Headless::ProcessMessages();
    EXPECT_TRUE(ShowsPicture(Headless::CaptureDesktop(), origin.x + ButtonLeft(0), origin.y + 4,
                             Button(skClose)->GetPicMouseDown()));
    // The right and bottom edges of a button count as inside it.
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_FALSE(form->GetVisible()) << "the close button closed the form";
}

// The pointer leaves the window straight from a button (over the window's edge): the
// button shows its normal picture again, whichever button it was.
TEST_F(TitleBarTest, LeavingTheWindowFromAButtonEndsItsHover) {
    MakeBar();
    const TPoint origin = Screen(0, 0);
    const struct {
        int position;
        TskTitleBarBtnType type;
    } cases[] = {{0, skClose}, {1, skMax}, {2, skMin}};
    for (const auto& [index, type] : cases) {
        const TPoint over = Screen(ButtonLeft(index) + 8, 12);
        Headless::MouseMove(over.x, over.y);
        Headless::ProcessMessages();
        ASSERT_NE(bar->HoverIndex(), -1) << "button " << index;
        Headless::MouseLeave();
        Headless::ProcessMessages();
        EXPECT_EQ(bar->HoverIndex(), -1) << "button " << index;
        TskTitleBarButton* button = Button(type);
        EXPECT_TRUE(ShowsPicture(Headless::CaptureDesktop(), origin.x + ButtonLeft(index),
                                 origin.y + 4, button->GetPicNormal()))
            << "button " << index << " still shows its hover picture";
    }
}

TEST_F(TitleBarTest, ButtonsActOnTheirForm) {
    MakeBar();
    ClickBar(ButtonLeft(1) + 8, 12);
    EXPECT_EQ(form->GetWindowState(), wsMaximized);
    const TRect area = GetWorkAreaRect();
    EXPECT_EQ(form->BoundsRect(), Rect(area.left, area.top, area.right, area.bottom - 1));
    EXPECT_TRUE(ShowsPicture(Headless::CaptureDesktop(), Screen(ButtonLeft(1), 4).x, Screen(0, 4).y,
                             Button(skMax)->GetPicNormal()));
    ClickBar(ButtonLeft(1) + 8, 12);
    EXPECT_EQ(form->GetWindowState(), wsNormal);
    ClickBar(ButtonLeft(2) + 8, 12);
    EXPECT_EQ(form->GetWindowState(), wsMinimized);
}

TEST_F(TitleBarTest, CustomAndHelpButtonsFireTheirEventsWithTheirIndex) {
    MakeBar();
    std::vector<std::string> fired;
    bar->OnCustomBtnsClick = [&](TObject*, int i) {
        fired.push_back("custom " + std::to_string(i));
    };
    bar->OnHelpBtnClick = [&](TObject*, int i) { fired.push_back("help " + std::to_string(i)); };
    Button(skMax)->SetButtonType(skHelp);
    TskTitleBarButton* custom = Button(skMin);
    custom->SetButtonType(skCustom);
    ClickBar(ButtonLeft(1) + 8, 12);
    ClickBar(ButtonLeft(2) + 8, 12);
    EXPECT_EQ(fired, (std::vector<std::string>{"help 2", "custom 3"}));
    EXPECT_EQ(form->GetWindowState(), wsNormal);
}

TEST_F(TitleBarTest, AHandlerThatRemovesTheButtonsLeavesNoStaleHover) {
    MakeBar();
    bar->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        bar->GetButtons()->Clear();
    };
    ClickBar(ButtonLeft(2) + 8, 12);
    EXPECT_EQ(bar->GetButtons()->Count(), 0);
    EXPECT_EQ(form->GetWindowState(), wsNormal);
}

TEST_F(TitleBarTest, PressingTheCaptionDragsTheFormButNotAMaximisedOne) {
    MakeBar();
    const TPoint start = Screen(200, 10);
    Headless::MouseMove(start.x, start.y);
    Headless::MouseDown();
    Headless::MouseMove(start.x + 30, start.y + 40);
    Headless::MouseMove(start.x + 50, start.y + 60);
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(form->GetLeft(), 150);
    EXPECT_EQ(form->GetTop(), 160);
    // The press that started the move is no click: a later release over the bar is none.
    int clicks = 0;
    bar->OnClick = [&](TObject*) { ++clicks; };
    const TPoint now = Screen(200, 10);
    Headless::MouseMove(now.x, now.y);
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(clicks, 0);

    form->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    const TRect maximised = form->BoundsRect();
    const TPoint p = Screen(200, 10);
    Headless::MouseMove(p.x, p.y);
    Headless::MouseDown();
    Headless::MouseMove(p.x + 30, p.y + 40);
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(form->BoundsRect(), maximised);
}

TEST_F(TitleBarTest, DoubleClicksMaximiseRestoreOrClose) {
    MakeBar();
    const TRect normal = form->BoundsRect();
    ClickBar(200, 10);
    ClickBar(200, 10);
    EXPECT_EQ(form->GetWindowState(), wsMaximized);
    ClickBar(200, 10);
    ClickBar(200, 10);
    EXPECT_EQ(form->GetWindowState(), wsNormal);
    EXPECT_EQ(form->BoundsRect(), normal);

    Button(skMax)->SetVisible(false);
    ClickBar(200, 10);
    ClickBar(200, 10);
    EXPECT_EQ(form->GetWindowState(), wsNormal);

    // A double-click on the window-menu button closes the form. (Clicked by hand, its first
    // click opens the window menu, whose loop takes the second.)
    const TPoint box = Screen(10, 12);
    Headless::MouseMove(box.x, box.y);
    Headless::ProcessMessages();
    bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 12));
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(TitleBarTest, TheWindowMenuOpensBelowTheBarWithItsItemsEnabledByTheButtons) {
    MakeBar();
    Button(skMin)->SetVisible(false);
    std::vector<bool> enabled;
    TRect menuRect;
    driver->WhenIdle([&] {
        const std::vector<HWND> open = OpenMenus();
        ASSERT_EQ(open.size(), 1u);
        menuRect = WindowRect(open[0]);
        TMenuItem* items = bar->WindowMenu()->GetItems();
        for (int i = 0; i < items->Count(); ++i) enabled.push_back(items->Items(i)->GetEnabled());
        Headless::KeyPress('C', U'c');
    });
    ClickBar(10, 12);
    EXPECT_EQ(menuRect.TopLeft(), Screen(0, bar->GetHeight()));
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(bar->WindowMenu()->GetItems()->Items(0)->GetCaption(), "最小化(&N)");
    EXPECT_EQ(bar->WindowMenu()->GetItems()->Items(3)->GetCaption(), "关闭(&C)");
    EXPECT_FALSE(form->GetVisible()) << "its Close closed the form";
}

TEST_F(TitleBarTest, TheWindowMenuCommandsMinimiseAndMaximise) {
    MakeBar();
    bar->WindowMenu()->OnMax(nullptr);
    EXPECT_EQ(form->GetWindowState(), wsMaximized);
    bar->WindowMenu()->OnMax(nullptr);
    EXPECT_EQ(form->GetWindowState(), wsNormal);
    bar->WindowMenu()->OnMin(nullptr);
    EXPECT_EQ(form->GetWindowState(), wsMinimized);
}

TEST_F(TitleBarTest, OnlyOneControlBoxButtonAndOneClientSection) {
    MakeBar();
    AnswerBox();
    Button(skMin)->SetButtonType(skControlBox);
    EXPECT_EQ(bar->GetButtons()->GetItem(3)->GetButtonType(), skMin);
    AnswerBox();
    bar->GetSections()->GetItem(0)->SetAlign(skClient);
    EXPECT_EQ(bar->GetSections()->GetItem(0)->GetAlign(), skLeft);
    EXPECT_EQ(boxes, (std::vector<std::string>{
                         "Sorry, only one button's ButtonType property can be \"skControlBox\"",
                         "Sorry, only one section's Align property can be \"skClient\""}));
    // A client section keeps its stretch.
    bar->GetSections()->GetItem(2)->SetStretch(false);
    EXPECT_TRUE(bar->GetSections()->GetItem(2)->GetStretch());
}

TEST_F(TitleBarTest, ACustomBarIgnoresStyleChanges) {
    MakeBar();
    bar->SetCustom(true);
    bar->SetUIStyle(WinXP);
    EXPECT_EQ(bar->GetUIStyle(), WinXP);
    EXPECT_EQ(bar->GetHeight(), 23);
    EXPECT_EQ(Button(skClose)->GetPicNormal()->GetWidth(), 17);
}

TEST_F(TitleBarTest, TheAppIconReplacesTheWindowMenuPicture) {
    MakeBar();
    bar->SetDrawAppIcon(true);
    Headless::ProcessMessages();
    const gfx::Bitmap shot = Headless::CaptureDesktop();
    const TPoint origin = Screen(0, 0);
    EXPECT_FALSE(
        ShowsPicture(shot, origin.x + 3, origin.y + 4, Button(skControlBox)->GetPicNormal()));
    // The caption moves to 21 pixels after the left offset.
    EXPECT_FALSE(CaptionIn(20, 24));
    EXPECT_TRUE(CaptionIn(24, 40));
}

}  // namespace
