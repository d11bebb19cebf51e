// The skinned form's menu bar with a skinned main menu: the buttons it makes from the
// menu, how each button state is drawn in two styles, opening, moving and choosing by
// mouse and keyboard, the content below it, and controls standing at its right end.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/streaming/FormReader.h"

#include "Source/SkinClasses.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/frame/SKMenuBar.h"
#include "FrameTestSupport.h"

namespace {

using namespace frame_test;

class MenuBarTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        MakeForm();
        frame = new TskForm(form);
        panel = new TPanel(form);
        panel->SetParent(frame);
        frame->SetPanel(panel);
        menu = new TskMainMenu(form);
        for (const auto& [top, items] : std::vector<std::pair<std::string, std::vector<std::string>>>{
                 {"&File", {"&New", "&Open"}}, {"&Edit", {"Cu&t", "&Paste"}}, {"&Help", {"&About"}}}) {
            auto* item = new TMenuItem(form);
            item->SetCaption(top);
            menu->GetItems()->Add(item);
            for (const std::string& caption : items) {
                auto* sub = new TMenuItem(form);
                sub->SetCaption(caption);
                sub->OnClick = [this, caption](TObject*) { chosen.push_back(caption); };
                item->Add(sub);
            }
        }
        ShowForm();
    }

    TskMenuBar* Bar() const { return frame->MenuBar(); }
    TToolButton* Button(int Index) const { return Bar()->Buttons(Index); }
    TRect ScreenBounds(TControl* Control) const {
        const TPoint p = Control->GetParent()->ClientToScreen(Control->BoundsRect().TopLeft());
        return Bounds(p.x, p.y, Control->GetWidth(), Control->GetHeight());
    }
    TPoint Centre(TControl* Control) const {
        const TRect r = ScreenBounds(Control);
        return {r.left + r.Width() / 2, r.top + r.Height() / 2};
    }
    void ClickOn(TControl* Control) {
        const TPoint p = Centre(Control);
        Headless::Click(p.x, p.y);
        Headless::ProcessMessages();
    }
    void PressAlt() {
        Headless::KeyDown(VK_MENU);
        Headless::KeyUp(VK_MENU);
    }
    void PressAltWith(int Key, char Ch) {
        Headless::KeyDown(VK_MENU);
        Headless::KeyPress(Key, static_cast<unsigned char>(Ch));
        Headless::KeyUp(VK_MENU);
    }
    int OpenMenuLeft() const { return WindowRect(OpenMenus().at(0)).left; }

    TskForm* frame = nullptr;
    TPanel* panel = nullptr;
    TskMainMenu* menu = nullptr;
    std::vector<std::string> chosen;
};

TEST_F(MenuBarTest, AMenuMakesABarOfItsTopItemsAndShiftsTheContentDown) {
    const int title = frame->GetTitleBarHeight();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(panel->GetTop(), title);
    const int panelHeight = panel->GetHeight();

    frame->SetMenu(menu);
    Headless::ProcessMessages();
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(menu->HostForm(), frame);
    ASSERT_EQ(Bar()->ButtonCount(), 3);
    std::vector<std::string> captions;
    for (int i = 0; i < 3; ++i) captions.push_back(Button(i)->GetCaption());
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Edit", "&Help"}));
    EXPECT_LT(Button(0)->GetLeft(), Button(1)->GetLeft());
    EXPECT_EQ(Bar()->GetTop(), title);
    EXPECT_EQ(Bar()->GetHeight(), 22);
    EXPECT_EQ(panel->GetTop(), title + 22);
    EXPECT_EQ(panel->GetHeight(), panelHeight - 22);

    frame->SetMenu(nullptr);
    Headless::ProcessMessages();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(menu->HostForm(), nullptr);
    EXPECT_EQ(panel->GetTop(), title);
    EXPECT_EQ(panel->GetHeight(), panelHeight);
}

TEST_F(MenuBarTest, ItemChangesReachTheButtonsAndNewTopItemsRebuildTheBar) {
    frame->SetMenu(menu);
    TToolButton* help = Button(2);
    menu->GetItems()->Items(2)->SetCaption("&Info");
    menu->GetItems()->Items(2)->SetEnabled(false);
    EXPECT_EQ(Button(2), help);  // renamed and disabled, not rebuilt
    EXPECT_EQ(help->GetCaption(), "&Info");
    EXPECT_FALSE(help->GetEnabled());

    auto* view = new TMenuItem(form);
    view->SetCaption("&View");
    menu->GetItems()->Insert(2, view);
    ASSERT_EQ(Bar()->ButtonCount(), 4);
    EXPECT_EQ(Button(2)->GetMenuItem(), view);
    delete view;
    EXPECT_EQ(Bar()->ButtonCount(), 3);
}

TEST_F(MenuBarTest, AFreedMenuTakesItsBarAway) {
    frame->SetMenu(menu);
    // The menu's destruction takes the bar with it, before the menu is half gone.
    delete menu;
    menu = nullptr;
    EXPECT_EQ(frame->GetMenu(), nullptr);
    EXPECT_EQ(Bar(), nullptr);
    Headless::ProcessMessages();
}

// ---------------------------------------------------------------------------------------
// Drawing

class MenuBarLookTest : public MenuBarTest {
protected:
    void Style(TskUIStyle Value) {
        frame->SetMenu(menu);
        frame->SetUIStyle(Value);
        Headless::ProcessMessages();
        EXPECT_EQ(menu->GetUIStyle(), Value);
    }
    static bool Shows(const gfx::Bitmap& Screen, const TRect& R, TColor Color) {
        for (int y = R.top; y < R.bottom; ++y)
            for (int x = R.left; x < R.right; ++x)
                if (Screen.GetPixel(x, y) == Color) return true;
        return false;
    }
};

TEST_F(MenuBarLookTest, WinXPButtonsNormalDisabledHotAndOpen) {
    Style(WinXP);
    menu->GetItems()->Items(2)->SetEnabled(false);
    Headless::ProcessMessages();
    const TColor font = GetInsideThemeColor(WinXP, SkItem::MenuFontColor);
    const TColor background = GetInsideThemeColor(WinXP, SkItem::FormBackgroundColor);
    EXPECT_EQ(Bar()->GetColor(), background);
    gfx::Bitmap screen = Headless::CaptureDesktop();
    const TRect file = ScreenBounds(Button(0));
    const TRect help = ScreenBounds(Button(2));
    EXPECT_EQ(screen.GetPixel(file.left + 1, file.top + 1), background);
    EXPECT_TRUE(Shows(screen, file, font));
    EXPECT_TRUE(Shows(screen, help, 0x808080));
    EXPECT_FALSE(Shows(screen, help, font));

    // Hot under the pointer: filled and framed in the selection colours.
    const TPoint middle = Centre(Button(0));
    Headless::MouseMove(middle.x, middle.y);
    Headless::ProcessMessages();
    screen = Headless::CaptureDesktop();
    EXPECT_EQ(screen.GetPixel(file.left, file.top + 5), 0xC66931u);
    EXPECT_EQ(screen.GetPixel(file.right - 1, file.top + 5), 0xC66931u);
    EXPECT_EQ(screen.GetPixel(file.left + 2, file.top + 2), 0xEFD3C6u);

    // Open: the same, two pixels narrower on the right.
    driver->WhenIdle([&] {
        const gfx::Bitmap open = Headless::CaptureDesktop();
        EXPECT_EQ(open.GetPixel(file.right - 3, file.top + 5), 0xC66931u);
        EXPECT_EQ(open.GetPixel(file.right - 1, file.top + 5), background);
        Headless::KeyPress(VK_ESCAPE);
    });
    driver->WhenIdle([] { Headless::KeyPress(VK_ESCAPE); });
    ClickOn(Button(0));
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(MenuBarLookTest, MacOSBarStandsOnThePinstripeAndHotButtonsOnTheBlueOne) {
    Style(MacOS);
    gfx::Bitmap screen = Headless::CaptureDesktop();
    const TRect bar = ScreenBounds(Bar());
    const TRect file = ScreenBounds(Button(0));
    // Far right of the buttons, the bar's own pinstripe, one picture row per pixel row.
    const int x = bar.right - 5;
    EXPECT_EQ(screen.GetPixel(x, bar.top), 0xE9E9E9u);
    EXPECT_EQ(screen.GetPixel(x, bar.top + 1), 0xFFFFFFu);
    EXPECT_EQ(screen.GetPixel(x, bar.top + 20), 0xD4D4D4u);
    EXPECT_EQ(screen.GetPixel(x, bar.top + 21), 0x5D5B5Bu);
    EXPECT_EQ(screen.GetPixel(file.left + 1, file.top), 0xE9E9E9u);

    const TPoint middle = Centre(Button(0));
    Headless::MouseMove(middle.x, middle.y);
    Headless::ProcessMessages();
    screen = Headless::CaptureDesktop();
    EXPECT_EQ(screen.GetPixel(file.left + 1, file.top), 0xB35923u);
    EXPECT_TRUE(Shows(screen, file, GetInsideThemeColor(MacOS, SkItem::MenuSelectedFontColor)));
}

TEST_F(MenuBarLookTest, DropDownItemsAreDrawnByTheMenuWithItsOwnTick) {
    Style(WinXP);
    TMenuItem* open = menu->GetItems()->Items(0)->Items(1);
    open->SetChecked(true);
    driver->WhenIdle([&] {
        const HWND window = OpenMenus().at(0);
        const gfx::Bitmap screen = Headless::CaptureWindow(window);
        // The window's frame is 3 pixels; the second item starts 21 pixels down.
        EXPECT_TRUE(Shows(screen, Bounds(3 + 4, 3 + 21 + 3, 16, 16), 0x1DCB00));
        EXPECT_TRUE(Shows(screen, Bounds(3, 3, 26, 21),
                          GetInsideThemeColor(WinXP, SkItem::MenuBarColor)));
        Headless::KeyPress(VK_ESCAPE);
    });
    driver->WhenIdle([] { Headless::KeyPress(VK_ESCAPE); });
    ClickOn(Button(0));
}

TEST_F(MenuBarLookTest, AnItemWithASubmenuShowsTheMenusArrowInItsTextColour) {
    Style(WinXP);
    TMenuItem* help = menu->GetItems()->Items(2);
    auto* more = new TMenuItem(form);
    more->SetCaption("&More");
    help->Add(more);
    auto* deeper = new TMenuItem(form);
    deeper->SetCaption("&Deeper");
    more->Add(deeper);
    const TColor text = GetInsideThemeColor(WinXP, SkItem::MenuFontColor);
    driver->WhenIdle([&] {
        const HWND window = OpenMenus().at(0);
        const gfx::Bitmap screen = Headless::CaptureDesktop();
        const TRect r = WindowRect(window);
        // The second item's row; the arrow stands 12 pixels in from the items' right edge.
        const TRect arrow = Rect(r.right - 3 - 13, r.top + 3 + 21, r.right - 3 - 6, r.top + 3 + 42);
        const TRect first = arrow.Offset(0, -21);
        EXPECT_TRUE(Shows(screen, arrow, text));
        EXPECT_FALSE(Shows(screen, first, text));
        Headless::KeyPress(VK_ESCAPE);
    });
    driver->WhenIdle([] { Headless::KeyPress(VK_ESCAPE); });
    ClickOn(Button(2));
}

// ---------------------------------------------------------------------------------------
// Mouse and keyboard

TEST_F(MenuBarTest, TheMouseOpensMovesAlongAndChooses) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    std::vector<std::pair<TToolButton*, int>> seen;
    driver->WhenIdle([&] {
        seen.push_back({Bar()->MenuButton(), OpenMenuLeft()});
        const TPoint p = Centre(Button(1));
        Headless::MouseMove(p.x, p.y);
    });
    driver->WhenIdle([&] {
        seen.push_back({Bar()->MenuButton(), OpenMenuLeft()});
        const TRect item = WindowRect(OpenMenus().at(0));
        Headless::Click(item.left + 20, item.top + 3 + 21 + 10);  // the second item
    });
    ClickOn(Button(0));
    EXPECT_EQ(seen, (std::vector<std::pair<TToolButton*, int>>{
                        {Button(0), ScreenBounds(Button(0)).left},
                        {Button(1), ScreenBounds(Button(1)).left}}));
    EXPECT_EQ(chosen, (std::vector<std::string>{"&Paste"}));
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(MenuBarTest, AClickOutsideClosesTheMenuAndChoosesNothing) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    driver->WhenIdle([] { Headless::Click(450, 280); });
    ClickOn(Button(0));
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_FALSE(Bar()->InKeyboardMode());
    EXPECT_TRUE(chosen.empty());
}

TEST_F(MenuBarTest, AltAloneHighlightsTheFirstButtonThenArrowsAndEnterChoose) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    std::vector<TToolButton*> highlighted;
    driver->WhenIdle([&] {
        highlighted.push_back(Bar()->KeyboardButton());
        EXPECT_TRUE(OpenMenus().empty());
        Headless::KeyPress(VK_RIGHT);
    });
    driver->WhenIdle([&] {
        highlighted.push_back(Bar()->KeyboardButton());
        Headless::KeyPress(VK_DOWN);  // opens Edit with its first item lit
    });
    driver->WhenIdle([&] {
        EXPECT_EQ(OpenMenuLeft(), ScreenBounds(Button(1)).left);
        Headless::KeyPress(VK_DOWN);
    });
    driver->WhenIdle([] { Headless::KeyPress(VK_RETURN, '\r'); });
    PressAlt();
    Headless::ProcessMessages();
    EXPECT_EQ(highlighted, (std::vector<TToolButton*>{Button(0), Button(1)}));
    EXPECT_EQ(chosen, (std::vector<std::string>{"&Paste"}));
    EXPECT_FALSE(Bar()->InKeyboardMode());
    EXPECT_EQ(Bar()->KeyboardButton(), nullptr);
}

// The arrows walk the lit button round the bar in both directions: Left on the first
// button lights the last one, Right on the last the first.
TEST_F(MenuBarTest, TheKeyboardModesArrowsWalkRoundTheBarBothWays) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    struct Case {
        const char* name;
        std::vector<int> keys;
        std::vector<std::string> lit;  // before each key, and after the last
    };
    const Case cases[] = {
        {"right", {VK_RIGHT, VK_RIGHT, VK_RIGHT}, {"&File", "&Edit", "&Help", "&File"}},
        {"left", {VK_LEFT, VK_LEFT, VK_LEFT}, {"&File", "&Help", "&Edit", "&File"}},
        {"left then right", {VK_LEFT, VK_RIGHT, VK_RIGHT}, {"&File", "&Help", "&File", "&Edit"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lit;
        auto note = [&] {
            lit.push_back(Bar()->KeyboardButton() ? Bar()->KeyboardButton()->GetCaption() : "none");
        };
        for (const int key : c.keys)
            driver->WhenIdle([&, key] {
                note();
                Headless::KeyPress(key);
            });
        driver->WhenIdle([&] {
            note();
            EXPECT_TRUE(OpenMenus().empty());
            Headless::KeyPress(VK_ESCAPE);
        });
        PressAlt();
        Headless::ProcessMessages();
        EXPECT_EQ(lit, c.lit);
        EXPECT_EQ(driver->PendingActions(), 0u);
        EXPECT_FALSE(Bar()->InKeyboardMode());
    }
}

// With a menu open the arrows open the neighbour's menu, round the ends of the bar too.
TEST_F(MenuBarTest, TheArrowsOnAnOpenMenuOpenTheNeighboursRoundTheEnds) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    struct Case {
        char letter;
        int key;
        const char* opened;
    };
    const Case cases[] = {
        {'f', VK_LEFT, "&Help"},
        {'f', VK_RIGHT, "&Edit"},
        {'h', VK_RIGHT, "&File"},
        {'h', VK_LEFT, "&Edit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.letter) + (c.key == VK_LEFT ? " left" : " right"));
        std::string opened;
        driver->WhenIdle([&] { Headless::KeyPress(c.key); });
        driver->WhenIdle([&] {
            opened = Bar()->MenuButton() ? Bar()->MenuButton()->GetCaption() : "none";
            EXPECT_EQ(OpenMenuLeft(), ScreenBounds(Bar()->MenuButton()).left);
            Headless::KeyPress(VK_ESCAPE);
        });
        driver->WhenIdle([] { Headless::KeyPress(VK_ESCAPE); });
        PressAltWith(std::toupper(c.letter), c.letter);
        Headless::ProcessMessages();
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(driver->PendingActions(), 0u);
        EXPECT_TRUE(OpenMenus().empty());
        EXPECT_FALSE(Bar()->InKeyboardMode());
    }
}

// F10 does what Alt alone does: it lights the first button, and pressed again, on the bar
// or on an open menu, leaves the bar without choosing anything.
TEST_F(MenuBarTest, F10EntersTheBarAndLeavesItFromTheBarOrAnOpenMenu) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    constexpr int kF10 = VK_F1 + 9;
    for (const bool fromOpenMenu : {false, true}) {
        SCOPED_TRACE(fromOpenMenu ? "from an open menu" : "from the bar");
        std::string lit = "none";
        driver->WhenIdle([&] {
            if (Bar()->KeyboardButton()) lit = Bar()->KeyboardButton()->GetCaption();
            Headless::KeyPress(fromOpenMenu ? VK_DOWN : kF10);
        });
        if (fromOpenMenu)
            driver->WhenIdle([&] {
                EXPECT_EQ(OpenMenus().size(), 1u);
                Headless::KeyPress(kF10);
            });
        Headless::KeyPress(kF10);
        Headless::ProcessMessages();
        EXPECT_EQ(lit, "&File");
        EXPECT_EQ(driver->PendingActions(), 0u);
        EXPECT_TRUE(OpenMenus().empty());
        EXPECT_FALSE(Bar()->InKeyboardMode());
        EXPECT_EQ(Bar()->KeyboardButton(), nullptr);
        EXPECT_TRUE(chosen.empty());
    }
}

TEST_F(MenuBarTest, AltLetterOpensThatMenuAndEscapeStepsBackOneLevelAtATime) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    std::vector<std::string> steps;
    driver->WhenIdle([&] {
        steps.push_back("open " + Bar()->MenuButton()->GetCaption());
        Headless::KeyPress(VK_LEFT);  // the neighbour's menu opens instead
    });
    driver->WhenIdle([&] {
        steps.push_back("open " + Bar()->MenuButton()->GetCaption());
        Headless::KeyPress(VK_ESCAPE);
    });
    driver->WhenIdle([&] {
        steps.push_back(std::string(OpenMenus().empty() ? "closed" : "still open") + ", lit " +
                        Bar()->KeyboardButton()->GetCaption());
        Headless::KeyPress(VK_ESCAPE);
    });
    PressAltWith('E', 'e');
    Headless::ProcessMessages();
    EXPECT_EQ(steps, (std::vector<std::string>{"open &Edit", "open &File", "closed, lit &File"}));
    EXPECT_FALSE(Bar()->InKeyboardMode());
    EXPECT_TRUE(chosen.empty());
}

TEST_F(MenuBarTest, ALetterInTheKeyboardModeOpensItsMenuAndAClickLeavesTheMode) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    bool lit = false;
    driver->WhenIdle([] { Headless::KeyPress('H', 'h'); });
    driver->WhenIdle([] { Headless::KeyPress('A', 'a'); });  // About
    PressAlt();
    Headless::ProcessMessages();
    EXPECT_EQ(chosen, (std::vector<std::string>{"&About"}));

    driver->WhenIdle([&] {
        lit = Bar()->KeyboardButton() != nullptr;
        Headless::Click(450, 280);
    });
    PressAlt();
    Headless::ProcessMessages();
    EXPECT_TRUE(lit);
    EXPECT_FALSE(Bar()->InKeyboardMode());
}

TEST_F(MenuBarTest, AltWithALetterNoButtonHasBeepsAndOpensNothing) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    const std::size_t beeps = driver->Beeps().size();
    PressAltWith('Q', 'q');
    Headless::ProcessMessages();
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ(driver->Beeps().size(), beeps + 1);
}

// ---------------------------------------------------------------------------------------
// Controls at the right end

TEST_F(MenuBarTest, ControlsAtTheRightEndKeepTheButtonsClearAndOutliveTheBar) {
    frame->SetMenu(menu);
    Headless::ProcessMessages();
    auto* box = new TPanel(form);
    box->SetBounds(0, 0, 16, 14);
    Bar()->AddRightControl(box);
    EXPECT_EQ(box->GetParent(), Bar());
    EXPECT_EQ(box->GetLeft(), Bar()->GetClientWidth() - 2 - 16);
    EXPECT_EQ(box->GetTop(), 4);
    EXPECT_EQ(Button(2)->GetTop(), 0);

    // A control as wide as leaves room for two buttons sends the third to a second row.
    const int room = Button(1)->BoundsRect().right + 4;
    box->SetWidth(Bar()->GetClientWidth() - room - 4);
    Bar()->RemoveRightControl(box);
    Bar()->AddRightControl(box);
    EXPECT_EQ(Button(1)->GetTop(), 0);
    EXPECT_EQ(Button(2)->GetTop(), 22);
    EXPECT_EQ(Bar()->GetHeight(), 44);

    frame->SetMenu(nullptr);
    EXPECT_EQ(box->GetParent(), nullptr);  // still there, given back to its owner
    delete box;
}

// ---------------------------------------------------------------------------------------
// Read from a description

TEST_F(MenuBarTest, ADescribedMenuAttachesItselfToTheDescribedFrame) {
    RegisterVclClasses();
    RegisterSkinClasses();
    delete form;
    form = new TForm(nullptr);
    TFormReader("Menu.dfm").ReadRootComponent(*form, R"(object fmMenu: TForm
  Left = 100
  Top = 100
  Width = 300
  Height = 150
  BorderStyle = bsDialog
  object sfMenu: TskForm
    UIStyle = WinXP
    Menu = mmMain
  end
  object mmMain: TskMainMenu
    UIStyle = WinXP
    object miFile: TMenuItem
      Caption = '&File'
      object miExit: TMenuItem
        Caption = 'E&xit'
      end
    end
    object miHelp: TMenuItem
      Caption = '&Help'
    end
  end
end
)");
    auto* described = dynamic_cast<TskForm*>(form->FindComponent("sfMenu"));
    ASSERT_NE(described, nullptr);
    ASSERT_NE(described->MenuBar(), nullptr);
    ASSERT_EQ(described->MenuBar()->ButtonCount(), 2);
    EXPECT_EQ(described->MenuBar()->Buttons(0)->GetCaption(), "&File");
    EXPECT_EQ(described->MenuBar()->Buttons(1)->GetCaption(), "&Help");
    frame = nullptr;
    menu = nullptr;
}

}  // namespace
