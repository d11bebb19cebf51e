// The MDI client window: children made through it, activation told to both children in
// order, the maximised state carried to the child activated next, the frame's caption,
// moving on to the next child, the arrangements, and children that go or hide.
#include <algorithm>

#include "tests/platform/win/WinTestFixture.h"

using wintest::Received;
using wintest::WinTest;

namespace {

class MdiTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        WNDCLASS child;
        child.lpszClassName = "MdiChild";
        child.lpfnWndProc = DefMDIChildProc;
        child.hbrBackground = clWhite;
        RegisterClass(child);
        WNDCLASS frameClass;
        frameClass.lpszClassName = "MdiFrame";
        frameClass.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            return DefFrameProc(h, FindWindowClient(h), m, w, l);
        };
        RegisterClass(frameClass);
        frame = CreateWindowEx(0, "MdiFrame", "Frame", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400,
                               nullptr);
        CLIENTCREATESTRUCT ccs;
        ccs.idFirstChild = 100;
        client = CreateWindowEx(0, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400,
                                frame, 0, nullptr, &ccs);
        ASSERT_NE(client, nullptr);
    }
    static HWND FindWindowClient(HWND frame) {
        for (HWND h = GetTopWindow(frame); h; h = GetWindow(h, GW_HWNDNEXT))
            if (GetClassName(h) == MDICLIENT_CLASS) return h;
        return nullptr;
    }
    HWND NewChild(const char* title, int x = 10, int y = 10, int w = 200, int h = 150) {
        MDICREATESTRUCT mcs;
        mcs.szClass = "MdiChild";
        mcs.szTitle = title;
        mcs.x = x, mcs.y = y, mcs.cx = w, mcs.cy = h;
        const HWND child = reinterpret_cast<HWND>(
            SendMessage(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
        EXPECT_NE(child, nullptr);
        return child;
    }
    HWND Active(BOOL* maximised = nullptr) const {
        return reinterpret_cast<HWND>(
            SendMessage(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximised)));
    }
    // The log's activation and size messages of the given windows, in order.
    std::vector<Received> Sequence(std::initializer_list<HWND> of) const {
        std::vector<Received> out;
        for (const Received& r : log)
            if (std::find(of.begin(), of.end(), r.hwnd) != of.end() &&
                (r.message == WM_NCACTIVATE || r.message == WM_MDIACTIVATE ||
                 r.message == WM_SIZE))
                out.push_back({r.hwnd, r.message, r.wParam,
                               r.message == WM_SIZE ? 0 : r.lParam});
        return out;
    }
    static void ExpectSequence(const std::vector<Received>& actual,
                               const std::vector<Received>& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("message " + std::to_string(i));
            EXPECT_EQ(actual[i].hwnd, expected[i].hwnd);
            EXPECT_EQ(actual[i].message, expected[i].message);
            EXPECT_EQ(actual[i].wParam, expected[i].wParam);
            EXPECT_EQ(actual[i].lParam, expected[i].lParam);
        }
    }
    static WPARAM W(HWND h) { return reinterpret_cast<WPARAM>(h); }
    static LPARAM L(HWND h) { return reinterpret_cast<LPARAM>(h); }
    static RECT RectIn(HWND parent, HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        POINT p{r.left, r.top};
        ScreenToClient(parent, &p);
        return Bounds(p.x, p.y, r.Width(), r.Height());
    }

    HWND frame = nullptr;
    HWND client = nullptr;
};

}  // namespace

TEST_F(MdiTest, CreatedChildIsShownActiveAndListedInTheFrame) {
    const HWND a = NewChild("A");
    EXPECT_TRUE(GetWindowLong(a, GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(GetParent(a), client);
    EXPECT_TRUE(IsWindowVisible(a));
    EXPECT_EQ(Active(), a);
    EXPECT_EQ(GetFocus(), a);
    // The frame's WM_COMMAND for the window menu's second entry activates the second child.
    const HWND b = NewChild("B");
    EXPECT_EQ(Active(), b);
    SendMessage(frame, WM_COMMAND, 100, 0);
    EXPECT_EQ(Active(), a);
}

TEST_F(MdiTest, ActivationTellsTheChildLeftThenTheChildActivated) {
    const HWND a = NewChild("A");
    const HWND b = NewChild("B");
    log.clear();
    SendMessage(client, WM_MDIACTIVATE, W(a), 0);
    ExpectSequence(Sequence({a, b}), {
                                         {b, WM_NCACTIVATE, FALSE, 0},
                                         {b, WM_MDIACTIVATE, W(b), L(a)},
                                         {a, WM_NCACTIVATE, TRUE, 0},
                                         {a, WM_MDIACTIVATE, W(b), L(a)},
                                     });
    EXPECT_EQ(GetTopWindow(client), a);
    EXPECT_EQ(GetFocus(), a);
    // Activating the active child again tells nobody anything.
    log.clear();
    SendMessage(client, WM_MDIACTIVATE, W(a), 0);
    EXPECT_TRUE(Sequence({a, b}).empty());
}

TEST_F(MdiTest, MaximisedChildFillsTheClientAndPassesTheStateOnWhenAnotherIsActivated) {
    const HWND a = NewChild("A", 10, 10, 200, 150);
    const HWND c = NewChild("C", 30, 30, 200, 150);
    SendMessage(client, WM_MDIMAXIMIZE, W(c), 0);
    BOOL maximised = FALSE;
    EXPECT_EQ(Active(&maximised), c);
    EXPECT_TRUE(maximised);
    RECT inner;
    GetClientRect(c, &inner);
    EXPECT_EQ(inner.Width(), 600);
    EXPECT_EQ(inner.Height(), 400);
    POINT origin{0, 0};
    ClientToScreen(c, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(GetWindowText(frame), "Frame - [C]");

    log.clear();
    SendMessage(client, WM_MDIACTIVATE, W(a), 0);
    ExpectSequence(Sequence({a, c}), {
                                         {c, WM_NCACTIVATE, FALSE, 0},
                                         {c, WM_MDIACTIVATE, W(c), L(a)},
                                         {c, WM_SIZE, SIZE_RESTORED, 0},
                                         {a, WM_SIZE, SIZE_MAXIMIZED, 0},
                                         {a, WM_NCACTIVATE, TRUE, 0},
                                         {a, WM_MDIACTIVATE, W(c), L(a)},
                                     });
    EXPECT_TRUE(IsZoomed(a));
    EXPECT_FALSE(IsZoomed(c));
    EXPECT_EQ(RectIn(client, c), Bounds(30, 30, 200, 150));
    EXPECT_EQ(GetWindowText(frame), "Frame - [A]");

    SendMessage(client, WM_MDIRESTORE, W(a), 0);
    EXPECT_EQ(Active(&maximised), a);
    EXPECT_FALSE(maximised);
    EXPECT_EQ(RectIn(client, a), Bounds(10, 10, 200, 150));
    EXPECT_EQ(GetWindowText(frame), "Frame");
    // The frame's own caption changes under a maximised child keep the child's part.
    SendMessage(client, WM_MDIMAXIMIZE, W(a), 0);
    SetWindowText(frame, "Editor");
    EXPECT_EQ(GetWindowText(frame), "Editor - [A]");
}

TEST_F(MdiTest, NextVisitsEveryChildAndPreviousGoesBack) {
    const HWND a = NewChild("A");
    const HWND b = NewChild("B");
    const HWND c = NewChild("C");
    struct Step {
        LPARAM previous;
        HWND expected;
    };
    const Step steps[] = {{0, b}, {0, a}, {0, c}, {1, a}, {1, b}};
    for (const Step& step : steps) {
        SendMessage(client, WM_MDINEXT, 0, step.previous);
        EXPECT_EQ(Active(), step.expected);
        EXPECT_EQ(GetTopWindow(client), step.expected);
    }
}

TEST_F(MdiTest, TileAndCascadePlaceTheShownChildren) {
    const HWND a = NewChild("A");
    const HWND b = NewChild("B");
    const HWND c = NewChild("C");
    SendMessage(client, WM_MDIMAXIMIZE, W(c), 0);
    struct Case {
        WPARAM how;
        RECT expected[3];  // c, b, a: the active child first
    };
    const Case cases[] = {
        {MDITILE_HORIZONTAL, {{0, 0, 600, 133}, {0, 133, 600, 266}, {0, 266, 600, 399}}},
        {MDITILE_VERTICAL, {{0, 0, 200, 400}, {200, 0, 400, 400}, {400, 0, 600, 400}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.how);
        SendMessage(client, WM_MDITILE, test.how, 0);
        EXPECT_FALSE(IsZoomed(c));
        EXPECT_EQ(RectIn(client, c), test.expected[0]);
        EXPECT_EQ(RectIn(client, b), test.expected[1]);
        EXPECT_EQ(RectIn(client, a), test.expected[2]);
    }
    EXPECT_EQ(Active(), c);
    // Cascading starts with the bottom child; the active one ends furthest in, on top.
    SendMessage(client, WM_MDICASCADE, 0, 0);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) - 1;
    const int stagger = 400 / (3 * step);
    const int w = 600 - stagger * step, h = 400 - stagger * step;
    EXPECT_EQ(RectIn(client, a), Bounds(0, 0, w, h));
    EXPECT_EQ(RectIn(client, b), Bounds(step, step, w, h));
    EXPECT_EQ(RectIn(client, c), Bounds(2 * step, 2 * step, w, h));
    EXPECT_EQ(GetTopWindow(client), c);
}

TEST_F(MdiTest, MinimisedChildrenLineTheBottomAndTilingLeavesThemRoom) {
    const HWND a = NewChild("A");
    const HWND b = NewChild("B");
    ShowWindow(a, SW_MINIMIZE);
    const RECT icon = RectIn(client, a);
    EXPECT_EQ(icon.left, 0);
    EXPECT_EQ(icon.bottom, 400);
    SendMessage(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    EXPECT_EQ(RectIn(client, b), Bounds(0, 0, 600, 400 - icon.Height()));
    EXPECT_EQ(RectIn(client, a), icon);
    ShowWindow(a, SW_RESTORE);
    EXPECT_EQ(RectIn(client, a), Bounds(10, 10, 200, 150));
}

TEST_F(MdiTest, ChildThatGoesOrHidesHandsTheActivationOn) {
    const HWND a = NewChild("A");
    const HWND b = NewChild("B");
    const HWND c = NewChild("C");
    SendMessage(client, WM_MDIMAXIMIZE, W(c), 0);
    // The maximised active child goes: the next one takes its place, maximised.
    log.clear();
    SendMessage(client, WM_MDIDESTROY, W(c), 0);
    EXPECT_FALSE(IsWindow(c));
    BOOL maximised = FALSE;
    EXPECT_EQ(Active(&maximised), b);
    EXPECT_TRUE(maximised);
    EXPECT_EQ(GetWindowText(frame), "Frame - [B]");
    ExpectSequence(Sequence({b}), {
                                      {b, WM_SIZE, SIZE_MAXIMIZED, 0},
                                      {b, WM_NCACTIVATE, TRUE, 0},
                                      {b, WM_MDIACTIVATE, W(c), L(b)},
                                  });
    // A hidden child is not active; with none shown there is no active child at all.
    SendMessage(client, WM_MDIRESTORE, W(b), 0);
    log.clear();
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(Active(), a);
    ExpectSequence(Sequence({b}), {
                                      {b, WM_NCACTIVATE, FALSE, 0},
                                      {b, WM_MDIACTIVATE, W(b), L(a)},
                                  });
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(GetWindowText(frame), "Frame");
    // Closing a child through its default procedure destroys it through the client.
    ShowWindow(a, SW_SHOW);
    SendMessage(client, WM_MDIACTIVATE, W(a), 0);
    EXPECT_EQ(Active(), a);
    SendMessage(a, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(Active(), nullptr);
}

TEST_F(MdiTest, ClickActivatesTheChildUnderThePointer) {
    const HWND a = NewChild("A", 0, 0, 200, 150);
    const HWND b = NewChild("B", 300, 0, 200, 150);
    EXPECT_EQ(Active(), b);
    win::Headless::Click(100, 100);
    win::Headless::ProcessMessages();
    EXPECT_EQ(Active(), a);
    EXPECT_EQ(GetTopWindow(client), a);
}

TEST_F(MdiTest, ControlF6MovesOnAndControlF4ClosesTheActiveChild) {
    const HWND a = NewChild("A");
    const HWND b = NewChild("B");
    win::Headless::KeyDown(VK_CONTROL);
    win::Headless::ProcessMessages();
    MSG f6{b, WM_KEYDOWN, static_cast<WPARAM>(VK_F6), 0, 0, {}};
    EXPECT_TRUE(TranslateMDISysAccel(client, &f6));
    EXPECT_EQ(Active(), a);
    MSG f4{a, WM_KEYDOWN, static_cast<WPARAM>(VK_F4), 0, 0, {}};
    EXPECT_TRUE(TranslateMDISysAccel(client, &f4));
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(Active(), b);
    MSG other{b, WM_KEYDOWN, static_cast<WPARAM>('N'), 0, 0, {}};
    EXPECT_FALSE(TranslateMDISysAccel(client, &other));
    win::Headless::KeyUp(VK_CONTROL);
    win::Headless::ProcessMessages();
    EXPECT_FALSE(TranslateMDISysAccel(client, &f6));
}

// Tiling gives each shown child a place of its own: none overlaps another, all lie inside
// the client and together they fill it but for the odd pixels of the division, for every
// number of children and both directions.
TEST_F(MdiTest, TilingGivesEachChildItsOwnPlaceFillingTheClient) {
    for (const WPARAM how : {WPARAM(MDITILE_HORIZONTAL), WPARAM(MDITILE_VERTICAL)}) {
        for (int count = 1; count <= 5; ++count) {
            SCOPED_TRACE(std::string(how == MDITILE_HORIZONTAL ? "horizontal, " : "vertical, ") +
                         std::to_string(count) + " children");
            std::vector<HWND> children;
            for (int i = 0; i < count; ++i) children.push_back(NewChild("T", 10, 10, 120, 90));
            SendMessage(client, WM_MDITILE, how, 0);
            long covered = 0;
            for (std::size_t i = 0; i < children.size(); ++i) {
                const RECT r = RectIn(client, children[i]);
                EXPECT_GT(r.Width(), 0);
                EXPECT_GT(r.Height(), 0);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 600 && r.bottom <= 400)
                    << "child " << i << " stands outside the client";
                covered += static_cast<long>(r.Width()) * r.Height();
                for (std::size_t j = 0; j < i; ++j) {
                    const RECT o = RectIn(client, children[j]);
                    const bool apart = r.right <= o.left || o.right <= r.left ||
                                       r.bottom <= o.top || o.bottom <= r.top;
                    EXPECT_TRUE(apart) << "children " << j << " and " << i << " overlap";
                }
            }
            // What the division leaves over is less than one row and one column of pixels
            // per child.
            EXPECT_GT(covered, 600L * 400 - count * (600 + 400));
            if (count > 1) {
                const RECT first = RectIn(client, children[0]);
                const RECT second = RectIn(client, children[1]);
                if (count <= 3 && how == MDITILE_HORIZONTAL) {
                    EXPECT_EQ(first.Width(), 600) << "one above another";
                }
                if (count <= 3 && how == MDITILE_VERTICAL) {
                    EXPECT_EQ(first.Height(), 400) << "side by side";
                }
                EXPECT_NE(first, second);
            }
            for (HWND h : children) SendMessage(client, WM_MDIDESTROY, W(h), 0);
        }
    }
}

// Each minimised child gets a place of its own along the bottom edge, left to right and
// then in a row above, and the row follows the bottom edge when the client is resized.
TEST_F(MdiTest, MinimisedChildrenEachGetTheirOwnPlaceAlongTheBottom) {
    std::vector<HWND> children;
    for (const char* title : {"A", "B", "C", "D"}) children.push_back(NewChild(title));
    for (HWND h : children) ShowWindow(h, SW_MINIMIZE);
    const int height = RectIn(client, children[0]).Height();
    ASSERT_GT(height, 0);
    struct Case {
        int clientWidth, clientHeight;
        POINT places[4];  // top-left corners of A, B, C and D
    };
    const Case cases[] = {
        {600,
         400,
         {{0, 400 - height}, {160, 400 - height}, {320, 400 - height}, {0, 400 - 2 * height}}},
        {700,
         300,
         {{0, 300 - height}, {160, 300 - height}, {320, 300 - height}, {480, 300 - height}}},
        {330,
         500,
         {{0, 500 - height}, {160, 500 - height}, {0, 500 - 2 * height}, {160, 500 - 2 * height}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.clientWidth) + " x " + std::to_string(c.clientHeight));
        SetWindowPos(client, nullptr, 0, 0, c.clientWidth, c.clientHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        for (std::size_t i = 0; i < children.size(); ++i) {
            SCOPED_TRACE(GetWindowText(children[i]));
            EXPECT_TRUE(IsIconic(children[i]));
            const RECT r = RectIn(client, children[i]);
            EXPECT_EQ(r.left, c.places[i].x);
            EXPECT_EQ(r.top, c.places[i].y);
            EXPECT_EQ(r.Height(), height);
        }
    }
    // A restored child leaves its place to the others.
    ShowWindow(children[1], SW_RESTORE);
    SetWindowPos(client, nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(RectIn(client, children[2]).left, 160);
    EXPECT_EQ(RectIn(client, children[3]).left, 320);
}

// A maximised child keeps filling the client whatever size the client takes, and each
// child activated after it takes the state over and fills the client as well.
TEST_F(MdiTest, AMaximisedChildFillsTheClientThroughResizesAndActivations) {
    const HWND a = NewChild("A", 10, 10, 200, 150);
    const HWND b = NewChild("B", 30, 30, 200, 150);
    SendMessage(client, WM_MDIMAXIMIZE, W(b), 0);
    struct Step {
        const char* name;
        int width, height;
        HWND activate;
    };
    const Step steps[] = {
        {"client shrunk", 450, 300, nullptr},   {"client grown", 800, 500, nullptr},
        {"other child activated", 800, 500, a}, {"client shrunk again", 320, 240, nullptr},
        {"first child back", 320, 240, b},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        SetWindowPos(client, nullptr, 0, 0, step.width, step.height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (step.activate) SendMessage(client, WM_MDIACTIVATE, W(step.activate), 0);
        BOOL maximised = FALSE;
        const HWND active = Active(&maximised);
        EXPECT_TRUE(maximised);
        EXPECT_TRUE(IsZoomed(active));
        RECT inner;
        GetClientRect(active, &inner);
        EXPECT_EQ(inner.Width(), step.width);
        EXPECT_EQ(inner.Height(), step.height);
        POINT origin{0, 0};
        ClientToScreen(active, &origin);
        EXPECT_EQ(origin.x, 0);
        EXPECT_EQ(origin.y, 0);
        const HWND other = active == a ? b : a;
        EXPECT_FALSE(IsZoomed(other));
    }
    SendMessage(client, WM_MDIRESTORE, W(b), 0);
    EXPECT_EQ(RectIn(client, b), Bounds(30, 30, 200, 150));
}
