// Timers on the virtual clock, and message loops that would wait forever.
#include <stdexcept>

#include "WinTestFixture.h"

using namespace wintest;
using win::Headless;

namespace {

class TimerTest : public WinTest {};

TEST_F(TimerTest, TimersFireAsTheVirtualClockPasses) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    std::vector<std::pair<WPARAM, DWORD>> fired;
    SetMessageTrace([&](HWND h, UINT m, WPARAM w, LPARAM) {
        if (h == hwnd && m == WM_TIMER) fired.push_back({w, GetTickCount()});
    });
    const DWORD start = GetTickCount();
    SetTimer(hwnd, 1, 100);
    SetTimer(hwnd, 2, 250);
    Headless::AdvanceTime(99);
    EXPECT_TRUE(fired.empty());
    Headless::AdvanceTime(451);
    const std::vector<std::pair<WPARAM, DWORD>> expected = {
        {1, start + 100}, {1, start + 200}, {2, start + 250}, {1, start + 300},
        {1, start + 400}, {1, start + 500}, {2, start + 500},
    };
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(GetTickCount(), start + 550);

    EXPECT_TRUE(KillTimer(hwnd, 1));
    EXPECT_FALSE(KillTimer(hwnd, 1));
    fired.clear();
    SetTimer(hwnd, 2, 40);  // the same id again: replaced, counting from now
    Headless::AdvanceTime(100);
    EXPECT_EQ(fired.size(), 2u);
    DestroyWindow(hwnd);  // a window's timers die with it
    fired.clear();
    Headless::AdvanceTime(1000);
    EXPECT_TRUE(fired.empty());
}

void CALLBACK_Count(HWND, UINT, UINT_PTR, DWORD);
int g_callbacks = 0;
void CALLBACK_Count(HWND, UINT, UINT_PTR, DWORD) {
    ++g_callbacks;
}

TEST_F(TimerTest, ThreadTimersCallTheirProcedure) {
    g_callbacks = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 50, CALLBACK_Count);
    EXPECT_NE(id, 0u);
    Headless::AdvanceTime(160);
    EXPECT_EQ(g_callbacks, 3);
    KillTimer(nullptr, id);
    Headless::AdvanceTime(160);
    EXPECT_EQ(g_callbacks, 3);
}

TEST_F(TimerTest, ALoopThatCanOnlyWaitStopsWithAnErrorNamingWhatItWaitedFor) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    SetWindowText(hwnd, "Entry dialog");
    Headless::ProcessMessages();
    MSG msg;
    try {
        GetMessage(&msg);
        FAIL() << "GetMessage returned without anything to return";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("input to the active window \"Entry dialog\""),
                  std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find("no timer"), std::string::npos) << e.what();
    }
    // A timer keeps a loop alive for a while, but not forever.
    driver->SetIdleLimit(1000);
    SetTimer(hwnd, 1, 100);
    int ticks = 0;
    try {
        while (GetMessage(&msg)) ticks += msg.message == WM_TIMER;
        FAIL() << "the loop ended";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("only timers fired"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ticks, 10);
}

TEST_F(TimerTest, ALoopEndedByATimerRunsWithoutRealWaiting) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    Headless::ProcessMessages();
    const DWORD start = GetTickCount();
    SetTimer(hwnd, 7, 2000);
    MSG msg;
    while (GetMessage(&msg)) {
        if (msg.message == WM_TIMER) PostQuitMessage(0);
        DispatchMessage(&msg);
    }
    EXPECT_EQ(GetTickCount(), start + 2000);
}

TEST_F(TimerTest, TheMoveLoopStuckWithoutAReleaseSaysSo) {
    TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    Headless::MouseMove(150, 110);
    Headless::MouseDown();
    try {
        Headless::ProcessMessages();
        FAIL() << "the move loop ended without the button's release";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("move loop"), std::string::npos) << e.what();
    }
    EXPECT_EQ(GetCapture(), nullptr);  // the loop cleaned up on its way out
}

}  // namespace

namespace {

class IdleTest : public WinTest {};

TEST_F(IdleTest, IdleActionsAnswerAModalLoopBeforeTheClockMoves) {
    HWND dialog = TopLevel(100, 100, 200, 100);
    const DWORD start = GetTickCount();
    SetTimer(dialog, 1, 5000);  // would end the loop much later
    driver->WhenIdle([] { Headless::KeyPress(VK_RETURN, '\r'); });
    MSG msg;
    std::vector<UINT> seen;
    while (GetMessage(&msg)) {
        seen.push_back(msg.message);
        if (msg.message == WM_CHAR && msg.wParam == '\r') PostQuitMessage(1);
        DispatchMessage(&msg);
    }
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(GetTickCount(), start);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_TIMER), 0);
}

TEST_F(IdleTest, PeekingForOneWindowLeavesTheOthersMessagesQueued) {
    HWND a = TopLevel(0, 0, 10, 10);
    HWND b = TopLevel(0, 0, 10, 10);
    HWND child = Child(b, 0, 0, 5, 5);
    Headless::ProcessMessages();
    PostMessage(a, WM_USER);
    PostMessage(child, WM_USER + 1);
    PostMessage(b, WM_CHAR, 'x');
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, b, WM_CHAR, WM_CHAR, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    ASSERT_TRUE(PeekMessage(&msg, b, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, child);  // a child's messages count as the window's
    EXPECT_FALSE(PeekMessage(&msg, b, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
}

}  // namespace
