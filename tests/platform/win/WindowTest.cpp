// Window lifetime, handles, hierarchy, window longs and procedures.
#include <thread>

#include "WinTestFixture.h"

using namespace wintest;
using win::Headless;

namespace {

class WindowTest : public WinTest {};

const std::vector<UINT> kLifecycle = {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,  WM_SIZE,
                                      WM_MOVE,     WM_SHOWWINDOW, WM_DESTROY, WM_NCDESTROY};

TEST_F(WindowTest, CreateSizeAndDestroySendTheirMessagesInOrder) {
    HWND hwnd =
        CreateWindowEx(0, "Plain", "w", WS_OVERLAPPED | WS_CAPTION, 10, 20, 200, 100, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(MessagesOf(hwnd, kLifecycle),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));

    log.clear();
    ShowWindow(hwnd, SW_SHOW);
    SetWindowPos(hwnd, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(MessagesOf(hwnd, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_NCCALCSIZE,
                                WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE, WM_ACTIVATE, WM_SETFOCUS}),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED,
                                 WM_ACTIVATE, WM_SETFOCUS, WM_WINDOWPOSCHANGING, WM_NCCALCSIZE,
                                 WM_WINDOWPOSCHANGED, WM_SIZE}));

    HWND child = Child(hwnd, 5, 5, 20, 20);
    log.clear();
    DestroyWindow(hwnd);
    // The parent hears of its destruction first, its child last, and the child is freed first.
    std::vector<std::pair<HWND, UINT>> order;
    for (const Received& r : log)
        if (r.message == WM_DESTROY || r.message == WM_NCDESTROY)
            order.push_back({r.hwnd, r.message});
    EXPECT_EQ(
        order,
        (std::vector<std::pair<HWND, UINT>>{
            {hwnd, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {hwnd, WM_NCDESTROY}}));
}

TEST_F(WindowTest, ADestroyedHandleFailsEveryLookupEvenWhenItsSlotIsReused) {
    HWND first = TopLevel(0, 0, 50, 50);
    DestroyWindow(first);
    HWND second = TopLevel(0, 0, 50, 50);
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(SendMessage(first, WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(GetWindowLong(first, GWL_STYLE), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FALSE(SetWindowPos(first, nullptr, 1, 1, 1, 1, 0));
    EXPECT_FALSE(PostMessage(first, WM_USER));
    EXPECT_FALSE(DestroyWindow(first));
    RECT r;
    EXPECT_FALSE(GetWindowRect(first, &r));
    EXPECT_EQ(GetDC(first), nullptr);
}

TEST_F(WindowTest, CreationFailsForUnknownClassesAndParents) {
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    HWND gone = TopLevel(0, 0, 10, 10);
    DestroyWindow(gone);
    EXPECT_EQ(CreateWindowEx(0, "Plain", "", WS_CHILD, 0, 0, 1, 1, gone), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "Plain", "", WS_CHILD, 0, 0, 1, 1, nullptr), nullptr);
}

TEST_F(WindowTest, ACreateHandlerThatRefusesDestroysTheWindow) {
    WNDCLASS refusing;
    refusing.lpszClassName = "Refusing";
    refusing.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        return m == WM_CREATE ? -1 : DefWindowProc(h, m, w, l);
    };
    RegisterClass(refusing);
    EXPECT_EQ(CreateWindowEx(0, "Refusing", "", WS_POPUP, 0, 0, 10, 10, nullptr), nullptr);
    int destroyed = 0;
    for (const Received& r : log) destroyed += r.message == WM_NCDESTROY;
    EXPECT_EQ(destroyed, 1);
}

TEST_F(WindowTest, HierarchyOwnerAndCoordinates) {
    HWND owner = TopLevel(100, 50, 300, 200);
    HWND popup = CreateWindowEx(0, "Plain", "p", WS_POPUP, 0, 0, 10, 10, owner);
    HWND child = Child(owner, 10, 20, 100, 50);
    HWND grandChild = Child(child, 5, 6, 10, 10);
    EXPECT_EQ(GetParent(child), owner);
    EXPECT_EQ(GetParent(popup), owner);  // a popup's "parent" is its owner
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetAncestor(grandChild, GA_ROOT), owner);
    EXPECT_EQ(GetAncestor(owner, GA_PARENT), GetDesktopWindow());
    EXPECT_TRUE(IsChild(owner, grandChild));
    EXPECT_FALSE(IsChild(owner, popup));

    POINT p{1, 2};
    ClientToScreen(grandChild, &p);
    EXPECT_EQ(p, (POINT{100 + 10 + 5 + 1, 50 + 20 + 6 + 2}));
    ScreenToClient(child, &p);
    EXPECT_EQ(p, (POINT{6, 8}));
    RECT r;
    GetWindowRect(grandChild, &r);
    EXPECT_EQ(r, Bounds(115, 76, 10, 10));

    // Destroying the owner takes the owned popup with it.
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_FALSE(IsWindow(grandChild));
}

TEST_F(WindowTest, ZOrderKeepsTopMostWindowsAbove) {
    HWND a = TopLevel(0, 0, 10, 10);
    HWND topMost = TopLevel(0, 0, 10, 10, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    HWND b = TopLevel(0, 0, 10, 10);
    EXPECT_EQ(GetTopWindow(nullptr), topMost);
    EXPECT_EQ(GetWindow(topMost, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(topMost, GW_HWNDNEXT), a);
    SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetTopWindow(nullptr), b);
    EXPECT_NE(GetWindowLong(b, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(WindowTest, StylesTextAndUserData) {
    HWND hwnd = TopLevel(0, 0, 10, 10, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_STYLE),
              static_cast<LONG_PTR>(WS_POPUP | WS_VISIBLE | WS_CAPTION));
    // Visibility does not change through the style word.
    SetWindowLong(hwnd, GWL_STYLE, WS_POPUP);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetWindowLong(hwnd, GWL_STYLE) & WS_CAPTION, 0);
    SetWindowLong(hwnd, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_EXSTYLE), static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLong(hwnd, GWL_USERDATA, 1234);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_USERDATA), 1234);

    EXPECT_EQ(GetWindowText(hwnd), "top");
    SetWindowText(hwnd, "Quorvane Reference");
    EXPECT_EQ(GetWindowText(hwnd), "Quorvane Reference");
    char buffer[9];
    EXPECT_EQ(SendMessage(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 8);
    EXPECT_STREQ(buffer, "Quorvane");
    SetProp(hwnd, "Control", 77);
    EXPECT_EQ(GetProp(hwnd, "Control"), 77);
    EXPECT_EQ(RemoveProp(hwnd, "Control"), 77);
    EXPECT_EQ(GetProp(hwnd, "Control"), 0);
}

// Subclassing: the new procedure sees every message first and passes it on.
std::vector<UINT> g_seenBySubclass;
WNDPROC g_savedProc = nullptr;

LRESULT Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seenBySubclass.push_back(message);
    if (message == WM_USER + 1) return 42;
    const LRESULT inherited = CallWindowProc(g_savedProc, hwnd, message, wParam, lParam);
    return message == WM_GETTEXTLENGTH ? inherited + 100 : inherited;
}

TEST_F(WindowTest, SubclassingSeesMessagesFirstAndCallWindowProcPassesThemOn) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    win::Headless::ProcessMessages();
    g_seenBySubclass.clear();
    g_savedProc = reinterpret_cast<WNDPROC>(
        SetWindowLong(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(g_savedProc, &DefWindowProc);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Subclass));
    EXPECT_EQ(SendMessage(hwnd, WM_USER + 1), 42);
    EXPECT_EQ(SendMessage(hwnd, WM_GETTEXTLENGTH), 103);  // "top" through the saved procedure
    PostMessage(hwnd, WM_USER + 2);
    win::Headless::ProcessMessages();
    EXPECT_EQ(g_seenBySubclass, (std::vector<UINT>{WM_USER + 1, WM_GETTEXTLENGTH, WM_USER + 2}));

    SetWindowLong(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(g_savedProc));
    EXPECT_EQ(SendMessage(hwnd, WM_GETTEXTLENGTH), 3);
    EXPECT_EQ(CallWindowProc(nullptr, hwnd, WM_USER, 0, 0), 0);
}

TEST_F(WindowTest, ObjectInstancesCallTheirOwnMethodAndCanBeFreedWhileRunning) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    int calls = 0;
    WNDPROC proc = nullptr;
    proc = MakeObjectInstance([&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        ++calls;
        if (m == WM_USER) {
            SetWindowLong(h, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProc));
            FreeObjectInstance(proc);
            return 7;
        }
        return DefWindowProc(h, m, w, l);
    });
    WNDPROC other = MakeObjectInstance([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 9; });
    EXPECT_NE(proc, other);
    SetWindowLong(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    EXPECT_EQ(SendMessage(hwnd, WM_USER), 7);
    EXPECT_EQ(SendMessage(hwnd, WM_USER), 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(CallWindowProc(other, hwnd, WM_USER, 0, 0), 9);
    FreeObjectInstance(other);
    EXPECT_THROW(MakeObjectInstance(nullptr), std::invalid_argument);
}

TEST_F(WindowTest, ShowWindowStatesAndEnabling) {
    HWND hwnd = TopLevel(100, 100, 200, 150, WS_POPUP);
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWMAXIMIZED));
    EXPECT_TRUE(IsZoomed(hwnd));
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 1024, 738}));
    EXPECT_TRUE(ShowWindow(hwnd, SW_RESTORE));
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, Bounds(100, 100, 200, 150));
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    // WM_SIZE tells the state.
    std::vector<WPARAM> kinds;
    for (const Received& m : log)
        if (m.hwnd == hwnd && m.message == WM_SIZE) kinds.push_back(m.wParam);
    EXPECT_EQ(kinds, (std::vector<WPARAM>{SIZE_RESTORED, SIZE_MAXIMIZED, SIZE_RESTORED,
                                          SIZE_MINIMIZED, SIZE_RESTORED}));

    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    EXPECT_EQ(Count(hwnd, WM_ENABLE), 2);
}

TEST_F(WindowTest, TheHookSeesQueuedMessagesFirstAndCanSwallowThem) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    win::Headless::ProcessMessages();
    std::vector<UINT> hooked;
    SetMessageHook([&](MSG& msg) {
        hooked.push_back(msg.message);
        return msg.message == WM_USER + 1;
    });
    PostMessage(hwnd, WM_USER);
    PostMessage(hwnd, WM_USER + 1);
    SendMessage(hwnd, WM_USER + 2);  // sent messages do not pass the queue
    log.clear();
    win::Headless::ProcessMessages();
    EXPECT_EQ(hooked, (std::vector<UINT>{WM_USER, WM_USER + 1}));
    EXPECT_EQ(Count(hwnd, WM_USER), 1);
    EXPECT_EQ(Count(hwnd, WM_USER + 1), 0);
    SetMessageHook(nullptr);
}

TEST_F(WindowTest, PostedMessagesComeBeforePaintAndQuitComesLast) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    win::Headless::ProcessMessages();
    InvalidateRect(hwnd, nullptr, TRUE);
    PostQuitMessage(3);
    PostMessage(hwnd, WM_USER);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(GetMessage(&msg));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(GetMessage(&msg));
    EXPECT_EQ(msg.message, WM_PAINT);
}

TEST_F(WindowTest, AMessagePostedFromAnotherThreadReachesTheWindowsOwnQueue) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    Headless::ProcessMessages();
    std::thread worker([hwnd] { PostMessage(hwnd, WM_USER + 5, 1, 2); });
    worker.join();
    log.clear();
    Headless::ProcessMessages();
    EXPECT_EQ(Count(hwnd, WM_USER + 5), 1);
}

}  // namespace
