// Popup menus: where they open, how mouse and keyboard drive them, how they close, and
// what their items' measure and draw handlers are given.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "tests/platform/vcl/ControlTestFixture.h"

namespace {

using vcltest::THostControl;
using vcltest::TProbe;
using win::Headless;

// The open menu windows, the first-opened first.
std::vector<HWND> OpenMenus() {
    std::vector<HWND> found;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (GetClassName(h) == "TMenuWindow" && IsWindowVisible(h)) found.push_back(h);
    std::reverse(found.begin(), found.end());
    return found;
}

TRect WindowRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

class PopupMenuTest : public vcltest::VclTest {
protected:
    // Keys reach the menu loop through the active window, so there is always one.
    void SetUp() override {
        VclTest::SetUp();
        form = std::make_unique<THostControl>(nullptr);
        form->SetBounds(600, 400, 200, 100);
        form->SetTabStop(true);
        ShowWindow(form->Handle(), SW_SHOW);
        form->SetFocus();
        form->OnKeyPress = [this](TObject*, char& key) { typed += key; };
        Headless::ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        VclTest::TearDown();
    }

    // A menu of items whose clicks are logged by caption; "-" is a separator and a caption
    // starting with "!" makes a disabled item.
    TMenuItem* AddItems(TMenuItem* parent, std::initializer_list<const char*> captions) {
        TMenuItem* last = nullptr;
        for (const char* caption : captions) {
            last = new TMenuItem(nullptr);
            std::string text = caption;
            if (text[0] == '!') {
                last->SetEnabled(false);
                text.erase(0, 1);
            }
            last->SetCaption(text);
            last->OnClick = [this, text](TObject*) { clicked.push_back(StripHotkey(text)); };
            parent->Add(last);
        }
        return last;
    }

    std::unique_ptr<THostControl> form;
    std::string typed;
    TPopupMenu menu{nullptr};
    std::vector<std::string> clicked;
};

TEST_F(PopupMenuTest, OpensAtThePointWithoutActivationAndAClickOutsideClosesIt) {
    AddItems(menu.GetItems(), {"&Cut", "&Copy"});
    std::vector<HWND> open;
    driver->WhenIdle([&] {
        open = OpenMenus();
        ASSERT_EQ(open.size(), 1u);
        EXPECT_EQ(WindowRect(open[0]).TopLeft(), (TPoint{100, 80}));
        EXPECT_EQ(GetCapture(), open[0]);
        EXPECT_EQ(GetActiveWindow(), form->Handle());
        Headless::Click(600, 500);
    });
    menu.Popup(100, 80);
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_FALSE(IsWindow(open.at(0)));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(PopupMenuTest, NearTheScreensEdgesItOpensToTheLeftAndAbove) {
    AddItems(menu.GetItems(), {"&Cut", "&Copy"});
    TRect rect;
    driver->WhenIdle([&] {
        rect = WindowRect(OpenMenus().at(0));
        Headless::KeyPress(VK_ESCAPE);
    });
    menu.Popup(1020, 760);
    EXPECT_EQ(rect.BottomRight(), (TPoint{1020, 760}));
}

TEST_F(PopupMenuTest, KeysMoveThroughItemsOpenSubmenusAndChoose) {
    struct Case {
        const char* name;
        std::vector<int> keys;  // virtual keys; letters are typed as characters
        const char* chosen;     // "" for none
    };
    const std::vector<Case> cases = {
        {"down enters at the top", {VK_DOWN, VK_RETURN}, "Open"},
        {"down skips the separator", {VK_DOWN, VK_DOWN, VK_RETURN}, "Save"},
        {"up wraps to the bottom", {VK_UP, VK_RETURN}, "Exit"},
        {"end then up", {VK_END, VK_UP, VK_UP, VK_UP, VK_RETURN}, "Save"},
        {"escape chooses nothing", {VK_DOWN, VK_ESCAPE}, ""},
        {"a letter chooses its item", {'S'}, "Save"},
        {"a disabled item stays", {'P', VK_RETURN, VK_ESCAPE}, ""},
        {"right opens a submenu",
         {VK_END, VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN},
         "Recent Two"},
        {"a letter opens a submenu", {'R', 'T'}, "Recent Two"},
        {"left closes only the submenu", {'R', VK_LEFT, VK_DOWN, VK_DOWN, VK_RETURN}, "Exit"},
        {"escape closes only the submenu", {'R', VK_ESCAPE, VK_ESCAPE}, ""},
        {"an unknown letter beeps", {'Q', VK_ESCAPE}, ""},
    };
    AddItems(menu.GetItems(), {"&Open", "-", "&Save", "&Recent"});
    TMenuItem* recent = menu.GetItems()->Items(3);
    AddItems(recent, {"Recent &One", "Recent &Two"});
    int recentOpened = 0;
    recent->OnClick = [&](TObject*) { ++recentOpened; };
    AddItems(menu.GetItems(), {"!&Print", "E&xit"});

    for (const Case& c : cases) {
        clicked.clear();
        typed.clear();
        recentOpened = 0;
        const std::size_t beeps = driver->Beeps().size();
        for (int key : c.keys) {
            if (key >= 'A' && key <= 'Z')
                Headless::KeyPress(key, static_cast<char32_t>(key - 'A' + 'a'));
            else if (key == VK_RETURN)
                Headless::KeyPress(key, '\r');
            else if (key == VK_ESCAPE)
                Headless::KeyPress(key, 0x1B);
            else
                Headless::KeyPress(key);
        }
        menu.Popup(50, 50);
        Headless::ProcessMessages();
        const std::vector<std::string> expected =
            *c.chosen ? std::vector<std::string>{c.chosen} : std::vector<std::string>{};
        EXPECT_EQ(clicked, expected) << c.name;
        EXPECT_TRUE(OpenMenus().empty()) << c.name;
        EXPECT_EQ(typed, "") << c.name << ": a key the menu used reached the form";
        if (std::string(c.chosen).starts_with("Recent")) {
            EXPECT_EQ(recentOpened, 1) << c.name;
        }
        const std::size_t expectedBeeps = std::string(c.name) == "an unknown letter beeps" ? 1 : 0;
        EXPECT_EQ(driver->Beeps().size() - beeps, expectedBeeps) << c.name;
    }
}

TEST_F(PopupMenuTest, AMenuOpenedByAltSpaceLeavesTheSpaceBehind) {
    AddItems(menu.GetItems(), {"&Restore", "&Close"});
    // Opened from the message hook, as a form's window menu is on Alt+Space.
    const MessageHook previous = SetMessageHook([&](MSG& msg) {
        if (msg.message != WM_SYSKEYDOWN || msg.wParam != VK_SPACE) return false;
        menu.Popup(0, 0);
        return true;
    });
    const std::size_t beeps = driver->Beeps().size();
    driver->WhenIdle([] {
        Headless::KeyPress(VK_UP);
        Headless::KeyPress(VK_RETURN, '\r');
    });
    Headless::KeyDown(VK_MENU);
    Headless::KeyPress(VK_SPACE, ' ');
    Headless::KeyUp(VK_MENU);
    Headless::ProcessMessages();
    SetMessageHook(previous);
    EXPECT_EQ(clicked, (std::vector<std::string>{"Close"}));
    EXPECT_EQ(driver->Beeps().size(), beeps);
    EXPECT_EQ(typed, "");
}

TEST_F(PopupMenuTest, TheMouseHighlightsChoosesAndOpensSubmenusAfterAPause) {
    AddItems(menu.GetItems(), {"&New", "-", "&Recent", "!&Print"});
    TMenuItem* recent = menu.GetItems()->Items(2);
    AddItems(recent, {"&One", "&Two"});
    // Fixed heights put the items at known places: 20 pixels each, the separator 8.
    for (TMenuItem* parent : {menu.GetItems(), recent})
        for (int i = 0; i < parent->Count(); ++i)
            parent->Items(i)->OnMeasureItem = [](TObject* sender, TCanvas*, int&, int& height) {
                height = static_cast<TMenuItem*>(sender)->IsLine() ? 8 : 20;
            };
    driver->WhenIdle([&] {
        const TRect r = WindowRect(OpenMenus().at(0));
        const int top = r.top + 3;
        // Clicks on the separator and on the disabled item leave the menu open.
        Headless::Click(r.left + 20, top + 24);
        Headless::Click(r.left + 20, top + 58);
        Headless::MouseMove(r.left + 20, top + 38);
        driver->After(1000, [&, r, top] {
            const std::vector<HWND> open = OpenMenus();
            ASSERT_EQ(open.size(), 2u);
            const TRect sub = WindowRect(open[1]);
            EXPECT_EQ(sub.TopLeft(), (TPoint{r.right - 3, top + 28 - 3}));
            Headless::Click(sub.left + 20, sub.top + 3 + 30);
        });
    });
    menu.Popup(200, 200);
    // A submenu's item is clicked as its submenu opens, so that it can fill it in.
    EXPECT_EQ(clicked, (std::vector<std::string>{"Recent", "Two"}));
}

TEST_F(PopupMenuTest, MeasureAndDrawHandlersGetTheItemRectanglesOnTheMenuWindow) {
    AddItems(menu.GetItems(), {"&Alpha", "-", "&Beta"});
    struct Drawn {
        std::string caption;
        TRect rect;
        bool selected;
        bool onMenuWindow;
    };
    std::vector<Drawn> drawn;
    std::vector<bool> visibleWhenMeasured;
    for (int i = 0; i < 3; ++i) {
        TMenuItem* item = menu.GetItems()->Items(i);
        item->OnMeasureItem = [&, item](TObject*, TCanvas* canvas, int& width, int& height) {
            EXPECT_GT(canvas->TextWidth(item->GetCaption()), 0);
            visibleWhenMeasured.push_back(!OpenMenus().empty());
            width = 120;
            height = item->IsLine() ? 5 : 21;
        };
        item->OnDrawItem = [&](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
            auto* control = dynamic_cast<TControlCanvas*>(canvas);
            const HWND window = control ? WindowFromDC(control->GetHandle()) : nullptr;
            const std::vector<HWND> open = OpenMenus();
            drawn.push_back({static_cast<TMenuItem*>(sender)->GetCaption(), rect, selected,
                             !open.empty() && window == open[0]});
            canvas->GetBrush()->SetColor(selected ? clRed : clLime);
            canvas->FillRect(rect);
        };
    }
    driver->WhenIdle([&] {
        ASSERT_EQ(drawn.size(), 3u);
        const TRect expected[] = {{0, 0, 120, 21}, {0, 21, 120, 26}, {0, 26, 120, 47}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(drawn[i].rect, expected[i]) << drawn[i].caption;
            EXPECT_FALSE(drawn[i].selected);
            EXPECT_TRUE(drawn[i].onMenuWindow);
        }
        const HWND window = OpenMenus().at(0);
        EXPECT_EQ(WindowRect(window), (TRect{10, 20, 10 + 126, 20 + 53}));
        const gfx::Bitmap shot = Headless::CaptureDesktop();
        EXPECT_EQ(shot.GetPixel(10 + 3 + 60, 20 + 3 + 10), clLime);
        drawn.clear();
        Headless::KeyPress(VK_DOWN);
    });
    driver->WhenIdle([&] {
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.back().caption, "&Alpha");
        EXPECT_TRUE(drawn.back().selected);
        EXPECT_EQ(Headless::CaptureDesktop().GetPixel(10 + 3 + 60, 20 + 3 + 10), clRed);
        Headless::KeyPress(VK_ESCAPE);
    });
    menu.Popup(10, 20);
    EXPECT_EQ(visibleWhenMeasured, (std::vector<bool>{false, false, false}));
}

TEST_F(PopupMenuTest, ClassicItemsShowTheHighlightTheCheckAndTheShortcutColumn) {
    TMenuItem* bold = AddItems(menu.GetItems(), {"&Bold"});
    bold->SetChecked(true);
    AddItems(menu.GetItems(), {"&Italic"})->SetShortCut(ShortCut('I', ssCtrl));
    driver->WhenIdle([&] { Headless::KeyPress(VK_DOWN); });
    driver->WhenIdle([&] {
        const TRect r = WindowRect(OpenMenus().at(0));
        const gfx::Bitmap shot = Headless::CaptureDesktop();
        const int left = r.left + 3;
        const int top = r.top + 3;
        const int height = (r.Height() - 6) / 2;
        // The highlighted first item, its check mark in the highlight's text colour.
        EXPECT_EQ(shot.GetPixel(r.right - 6, top + height / 2), ColorToRGB(clHighlight));
        EXPECT_EQ(shot.GetPixel(left + 6, top + height / 2 - 2), ColorToRGB(clHighlightText));
        // The second item on the menu's colour, with its shortcut's text right of Italic.
        EXPECT_EQ(shot.GetPixel(r.right - 6, top + height + height / 2), ColorToRGB(clMenu));
        bool shortcutInk = false;
        for (int x = r.left + r.Width() / 2; x < r.right - 20; ++x)
            for (int y = top + height; y < top + 2 * height; ++y)
                shortcutInk |= shot.GetPixel(x, y) != ColorToRGB(clMenu);
        EXPECT_TRUE(shortcutInk);
        Headless::KeyPress(VK_ESCAPE);
    });
    menu.Popup(100, 100);
}

TEST_F(PopupMenuTest, AnItemWithAnImageDrawsItInTheLeftColumnAndNotTheCheckMark) {
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    TBitmap red(16, 16);
    red.GetCanvas()->GetBrush()->SetColor(clRed);
    red.GetCanvas()->FillRect(Rect(0, 0, 16, 16));
    images.Add(&red);
    menu.SetImages(&images);
    TMenuItem* item = AddItems(menu.GetItems(), {"&Red"});
    item->SetImageIndex(0);
    AddItems(menu.GetItems(), {"&Plain"})->SetImageIndex(5);  // past the end: no image
    driver->WhenIdle([&] {
        const TRect r = WindowRect(OpenMenus().at(0));
        const int height = (r.Height() - 6) / 2;
        const gfx::Bitmap shot = Headless::CaptureDesktop();
        EXPECT_EQ(shot.GetPixel(r.left + 3 + 12, r.top + 3 + height / 2), clRed);
        EXPECT_EQ(shot.GetPixel(r.left + 3 + 12, r.top + 3 + height + height / 2),
                  ColorToRGB(clMenu));
        Headless::KeyPress(VK_ESCAPE);
    });
    menu.Popup(100, 100);
    menu.SetImages(nullptr);
}

TEST_F(PopupMenuTest, ARightClickOpensThePopupMenuOfTheControlOrOfItsParent) {
    THostControl host(nullptr);
    host.SetBounds(100, 100, 200, 100);
    TProbe probe(nullptr);
    probe.SetBounds(10, 10, 40, 40);
    probe.SetParent(&host);
    host.SetPopupMenu(&menu);
    ShowWindow(host.Handle(), SW_SHOW);
    Headless::ProcessMessages();
    AddItems(menu.GetItems(), {"&Delete"});
    std::vector<TPoint> openedAt;
    driver->WhenIdle([&] {
        openedAt.push_back(WindowRect(OpenMenus().at(0)).TopLeft());
        Headless::KeyPress(VK_DOWN);
        Headless::KeyPress(VK_RETURN, '\r');
        Headless::Click(120, 125, 1);  // on the probe, which has no menu of its own
    });
    driver->WhenIdle([&] {
        openedAt.push_back(WindowRect(OpenMenus().at(0)).TopLeft());
        Headless::KeyPress(VK_ESCAPE);
        host.SetFocus();
        Headless::KeyPress(VK_APPS);  // the menu key opens it at the control
    });
    driver->WhenIdle([&] {
        openedAt.push_back(WindowRect(OpenMenus().at(0)).TopLeft());
        Headless::KeyPress(VK_ESCAPE);
    });
    Headless::Click(250, 170, 1);  // on the host
    Headless::ProcessMessages();
    EXPECT_EQ(openedAt, (std::vector<TPoint>{{250, 170}, {120, 125}, {100, 100}}));
    EXPECT_EQ(clicked, (std::vector<std::string>{"Delete"}));
    EXPECT_EQ(menu.GetPopupComponent(), &host);
    probe.SetParent(nullptr);
}

}  // namespace
