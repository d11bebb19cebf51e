// Tool bars: placing buttons, clicking and checking them, custom drawing with hot and
// selected states, and buttons that drop their menu item's submenu down.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "tests/platform/vcl/ControlTestFixture.h"

namespace {

using vcltest::THostControl;
using win::Headless;

std::vector<HWND> OpenMenus() {
    std::vector<HWND> found;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (GetClassName(h) == "TMenuWindow" && IsWindowVisible(h)) found.push_back(h);
    return found;
}

TRect WindowRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

class ToolBarTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        form = std::make_unique<THostControl>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        bar = new TToolBar(form.get());
        bar->SetParent(form.get());
        ShowWindow(form->Handle(), SW_SHOW);
        Headless::ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        VclTest::TearDown();
    }

    // Buttons appended left to right.
    TToolButton* Add(const std::string& caption, TToolButtonStyle style = tbsButton) {
        auto* button = new TToolButton(form.get());
        button->SetStyle(style);
        button->SetCaption(caption);
        button->SetLeft(10000);
        button->SetParent(bar);
        return button;
    }
    TPoint ScreenCentre(const TToolButton* b) const {
        return bar->ClientToScreen(
            {b->GetLeft() + b->GetWidth() / 2, b->GetTop() + b->GetHeight() / 2});
    }
    void ClickOn(const TToolButton* b) {
        const TPoint p = ScreenCentre(b);
        Headless::Click(p.x, p.y);
    }

    std::unique_ptr<THostControl> form;
    TToolBar* bar = nullptr;
};

TEST_F(ToolBarTest, ButtonsGoInRowsThatWrapAndTheBarFitsThem) {
    struct Case {
        const char* name;
        int barWidth;
        bool wrapable;
        std::vector<TRect> expected;
    };
    const std::vector<Case> cases = {
        {"one row", 300, true, {{0, 2, 23, 24}, {23, 2, 31, 24}, {31, 2, 54, 24}, {54, 2, 77, 24}}},
        {"wrapped", 60, true, {{0, 2, 23, 24}, {23, 2, 31, 24}, {31, 2, 54, 24}, {0, 24, 23, 46}}},
        {"not wrapable",
         60,
         false,
         {{0, 2, 23, 24}, {23, 2, 31, 24}, {31, 2, 54, 24}, {54, 2, 77, 24}}},
    };
    bar->SetAlign(alNone);
    bar->SetAutoSize(true);
    Add("a");
    Add("", tbsSeparator);
    Add("b");
    Add("c");
    for (const Case& c : cases) {
        bar->SetWrapable(c.wrapable);
        bar->SetWidth(c.barWidth);
        std::vector<TRect> got;
        for (int i = 0; i < bar->ButtonCount(); ++i) got.push_back(bar->Buttons(i)->BoundsRect());
        EXPECT_EQ(got, c.expected) << c.name;
        EXPECT_EQ(bar->GetHeight(), c.expected.back().bottom) << c.name;
    }
    // A button placed at run time with Left 0 goes first, as the VCL has it.
    auto* first = new TToolButton(form.get());
    first->SetParent(bar);
    EXPECT_EQ(bar->Buttons(0), first);
    EXPECT_EQ(first->Index(), 0);
}

TEST_F(ToolBarTest, CaptionsWidenButtonsAndCheckButtonsStayDown) {
    bar->SetShowCaptions(true);
    TToolButton* narrow = Add("&I");
    TToolButton* wide = Add("Synchronise everything");
    EXPECT_EQ(narrow->GetWidth(), 23);  // ButtonWidth covers a short caption
    EXPECT_GT(wide->GetWidth(), 100);
    narrow->SetAutoSize(true);
    EXPECT_LT(narrow->GetWidth(), 23);
    EXPECT_EQ(wide->GetLeft(), narrow->GetWidth());

    TToolButton* left = Add("L", tbsCheck);
    TToolButton* right = Add("R", tbsCheck);
    for (TToolButton* b : {left, right}) b->SetGrouped(true);
    std::vector<std::string> clicks;
    for (TToolButton* b : {narrow, left, right})
        b->OnClick = [&clicks, b](TObject*) { clicks.push_back(b->GetCaption()); };
    for (TToolButton* b : {narrow, left, right, right}) ClickOn(b);
    Headless::ProcessMessages();
    EXPECT_EQ(clicks, (std::vector<std::string>{"&I", "L", "R", "R"}));
    EXPECT_FALSE(left->GetDown());
    EXPECT_TRUE(right->GetDown());  // a grouped button without AllowAllUp stays down
}

TEST_F(ToolBarTest, CustomDrawGetsTheBarAndEachButtonWithItsState) {
    bar->SetFlat(true);
    TToolButton* plain = Add("plain");
    TToolButton* checked = Add("checked", tbsCheck);
    checked->SetDown(true);
    TToolButton* off = Add("off");
    off->SetEnabled(false);
    std::vector<TRect> background;
    std::vector<std::pair<std::string, TCustomDrawState>> drawn;
    bar->OnCustomDraw = [&](TToolBar* sender, const TRect& rect, bool&) {
        EXPECT_EQ(sender, bar);
        background.push_back(rect);
    };
    bar->OnCustomDrawButton = [&](TToolBar* sender, TToolButton* button, TCustomDrawState state,
                                  bool& defaultDraw) {
        drawn.push_back({button->GetCaption(), state});
        if (button != plain) return;
        defaultDraw = false;
        sender->GetCanvas()->GetBrush()->SetColor((state & cdsHot) ? clRed : clLime);
        sender->GetCanvas()->FillRect(button->BoundsRect());
    };
    auto stateOf = [&](const std::string& caption) {
        TCustomDrawState last = 0xFFFF;
        for (const auto& [name, state] : drawn)
            if (name == caption) last = state;
        return last;
    };
    bar->Repaint();
    Headless::ProcessMessages();
    ASSERT_FALSE(background.empty());
    EXPECT_EQ(background.back(), bar->ClientRect());
    EXPECT_EQ(stateOf("plain"), 0u);
    EXPECT_EQ(stateOf("checked"), cdsChecked);
    EXPECT_EQ(stateOf("off"), cdsDisabled | cdsGrayed);
    const TPoint centre = ScreenCentre(plain);
    EXPECT_EQ(Headless::CaptureDesktop().GetPixel(centre.x, centre.y), clLime);

    Headless::MouseMove(centre.x, centre.y);
    Headless::ProcessMessages();
    EXPECT_EQ(stateOf("plain"), cdsHot);
    EXPECT_EQ(Headless::CaptureDesktop().GetPixel(centre.x, centre.y), clRed);
    Headless::MouseDown();
    Headless::ProcessMessages();
    EXPECT_EQ(stateOf("plain"), cdsHot | cdsSelected);
    Headless::MouseUp();
    Headless::MouseMove(centre.x, 400);
    Headless::ProcessMessages();
    EXPECT_EQ(stateOf("plain"), 0u);
}

TEST_F(ToolBarTest, ADropdownMenuOpensBelowItsButtonAfterOnPopup) {
    auto* popup = new TPopupMenu(form.get());
    auto* item = new TMenuItem(form.get());
    item->SetCaption("&Refresh");
    popup->GetItems()->Add(item);
    int popups = 0;
    int refreshes = 0;
    popup->OnPopup = [&](TObject*) { ++popups; };
    item->OnClick = [&](TObject*) { ++refreshes; };
    TToolButton* button = Add("", tbsDropDown);
    button->SetDropdownMenu(popup);
    EXPECT_EQ(button->GetWidth(), 23 + 14);
    TPoint opened;
    driver->WhenIdle([&] {
        opened = WindowRect(OpenMenus().at(0)).TopLeft();
        Headless::KeyPress(VK_DOWN);
        Headless::KeyPress(VK_RETURN, '\r');
    });
    ClickOn(button);
    Headless::ProcessMessages();
    EXPECT_EQ(opened, bar->ClientToScreen({button->GetLeft(), button->BoundsRect().bottom}));
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(refreshes, 1);
}

class ToolBarMenuTest : public ToolBarTest {
protected:
    void SetUp() override {
        ToolBarTest::SetUp();
        bar->SetFlat(true);
        bar->SetShowCaptions(true);
        menu = new TMainMenu(form.get());
        for (const auto& [top, items] :
             std::vector<std::pair<std::string, std::vector<std::string>>>{
                 {"&File", {"&New", "&Open"}}, {"&Edit", {"Cu&t"}}, {"&Help", {"&About"}}}) {
            auto* item = new TMenuItem(form.get());
            item->SetCaption(top);
            menu->GetItems()->Add(item);
            for (const std::string& caption : items) {
                auto* sub = new TMenuItem(form.get());
                sub->SetCaption(caption);
                sub->OnClick = [this, caption](TObject*) { clicked.push_back(caption); };
                item->Add(sub);
            }
            Add("")->SetMenuItem(item);
        }
        Headless::ProcessMessages();
    }

    TMainMenu* menu = nullptr;
    std::vector<std::string> clicked;
};

TEST_F(ToolBarMenuTest, AButtonDropsItsItemsSubmenuDownBelowItself) {
    TToolButton* file = bar->Buttons(0);
    EXPECT_EQ(file->GetCaption(), "&File");
    driver->WhenIdle([&] {
        const std::vector<HWND> open = OpenMenus();
        ASSERT_EQ(open.size(), 1u);
        const TPoint below = bar->ClientToScreen({file->GetLeft(), file->BoundsRect().bottom});
        EXPECT_EQ(WindowRect(open[0]).TopLeft(), below);
        EXPECT_EQ(bar->MenuButton(), file);
        EXPECT_EQ(bar->ButtonState(file), cdsHot | cdsSelected);
        Headless::KeyPress(VK_DOWN);
        Headless::KeyPress(VK_DOWN);
        Headless::KeyPress(VK_RETURN, '\r');
    });
    ClickOn(file);
    Headless::ProcessMessages();
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));
    EXPECT_EQ(bar->MenuButton(), nullptr);
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(ToolBarMenuTest, MovingAlongTheBarOrPressingRightOpensTheNeighboursMenu) {
    TToolButton* edit = bar->Buttons(1);
    TToolButton* help = bar->Buttons(2);
    std::vector<std::pair<TToolButton*, int>> seen;  // the open button and its menu's left
    driver->WhenIdle([&] {
        const TPoint p = ScreenCentre(edit);
        Headless::MouseMove(p.x, p.y);
    });
    driver->WhenIdle([&] {
        seen.push_back({bar->MenuButton(), WindowRect(OpenMenus().at(0)).left});
        Headless::KeyPress(VK_RIGHT);
    });
    driver->WhenIdle([&] {
        seen.push_back({bar->MenuButton(), WindowRect(OpenMenus().at(0)).left});
        Headless::KeyPress(VK_RETURN, '\r');  // Right selected the first item
    });
    ClickOn(bar->Buttons(0));
    Headless::ProcessMessages();
    const int editLeft = bar->ClientToScreen(edit->BoundsRect().TopLeft()).x;
    const int helpLeft = bar->ClientToScreen(help->BoundsRect().TopLeft()).x;
    EXPECT_EQ(seen,
              (std::vector<std::pair<TToolButton*, int>>{{edit, editLeft}, {help, helpLeft}}));
    EXPECT_EQ(clicked, (std::vector<std::string>{"&About"}));
}

TEST_F(ToolBarMenuTest, ClickingTheOpenButtonAgainOrOutsideClosesTheMenu) {
    TToolButton* file = bar->Buttons(0);
    for (const TPoint target : {ScreenCentre(file), TPoint{250, 250}}) {
        driver->WhenIdle([&, target] {
            ASSERT_EQ(OpenMenus().size(), 1u);
            Headless::Click(target.x, target.y);
        });
        ClickOn(file);
        Headless::ProcessMessages();
        EXPECT_TRUE(OpenMenus().empty());
        EXPECT_EQ(bar->MenuButton(), nullptr);
    }
    EXPECT_TRUE(clicked.empty());
}

TEST_F(ToolBarMenuTest, TheButtonStopsBeingHotWhenThePointerLeavesAfterItsMenu) {
    TToolButton* file = bar->Buttons(0);
    // Another window to move to once the menu is closed from the keyboard.
    THostControl other(nullptr);
    other.SetBounds(500, 100, 100, 100);
    ShowWindow(other.Handle(), SW_SHOWNOACTIVATE);
    driver->WhenIdle([] { Headless::KeyPress(VK_ESCAPE); });
    ClickOn(file);
    Headless::ProcessMessages();
    ASSERT_TRUE(OpenMenus().empty());
    EXPECT_TRUE(file->Hot()) << "the pointer is still on it";
    Headless::MouseMove(550, 150);
    Headless::ProcessMessages();
    EXPECT_FALSE(file->Hot());
}

}  // namespace
