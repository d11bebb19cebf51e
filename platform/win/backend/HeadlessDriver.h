#pragma once
// The backend for tests: a 1024 x 768 virtual desktop in memory with a 30-pixel task bar, a
// virtual clock that only moves when told to (or when a waiting loop can let a timer fire),
// synthetic input, and pictures of the desktop or of one window.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/win/Driver.h"

namespace win {

class HeadlessDriver : public Driver {
public:
    const char* Name() const override { return "headless"; }
    TRect ScreenRect() const override { return {0, 0, 1024, 768}; }
    TRect WorkArea() const override { return {0, 0, 1024, 738}; }
    DWORD TickCount() const override { return m_now; }

    // A loop that waits may let the clock run to the next timer, but not for more than
    // this much virtual time in a row without input; then it fails instead of spinning.
    void WaitInput(std::optional<DWORD> deadline, const std::string& waitingFor) override;
    void Sleep(DWORD milliseconds) override { m_now += milliseconds; }
    void Animate(HWND, DWORD milliseconds, DWORD flags) override;

    void Beep(UINT type) override { m_beeps.push_back(type); }
    bool OpenUrl(const std::string& url) override;
    void SetCursorShape(int cursor) override { m_cursor = cursor; }

    void SetIdleLimit(DWORD milliseconds) { m_idleLimit = milliseconds; }
    // Actions run one at a time, in order, each when a message loop would otherwise wait:
    // how a test answers a modal dialog that its own call opens.
    void WhenIdle(std::function<void()> action) { m_idleActions.push_back(std::move(action)); }
    // An action that a waiting message loop runs when the clock reaches now + milliseconds,
    // letting timers due before then fire first: how a test holds a button for a while.
    void After(DWORD milliseconds, std::function<void()> action);
    // Actions queued by WhenIdle or After that no loop has run yet. A test that ends with
    // some left was not driven as it meant: the loop they were for never started.
    std::size_t PendingActions() const { return m_idleActions.size() + m_scheduled.size(); }
    // Forgets them, for a test that feeds a waiting loop from an open-ended stream of
    // actions and is done with it.
    void DropPendingActions() {
        m_idleActions.clear();
        m_scheduled.clear();
    }
    const std::vector<UINT>& Beeps() const { return m_beeps; }
    const std::vector<std::string>& OpenedUrls() const { return m_urls; }
    int CursorShape() const { return m_cursor; }
    struct Animation {
        HWND hwnd;
        DWORD milliseconds;
        DWORD flags;
    };
    const std::vector<Animation>& Animations() const { return m_animations; }

private:
    friend class Headless;
    DWORD m_now = 10000;
    DWORD m_idle = 0;
    DWORD m_idleLimit = 60000;
    std::vector<UINT> m_beeps;
    std::vector<std::string> m_urls;
    std::vector<Animation> m_animations;
    std::deque<std::function<void()>> m_idleActions;
    std::multimap<DWORD, std::function<void()>> m_scheduled;  // by virtual time
    int m_cursor = IDC_ARROW;

public:
    TPoint m_pointer;  // where synthetic presses happen
};

// What a test does to the headless desktop: install it, advance its clock, feed it input
// and look at it. Input is queued as a device would deliver it and becomes messages when
// the message loop reaches it.
class Headless {
public:
    // Destroys every window and starts a fresh headless desktop; returns its driver.
    static HeadlessDriver& Install();
    static HeadlessDriver& Driver();  // the installed one; throws if another backend runs

    // Runs the message loop until nothing is left to do now (posted messages, input, paint,
    // due timers); never waits.
    static void ProcessMessages();
    // Moves the clock forward, delivering every timer that falls due on the way at its time.
    static void AdvanceTime(DWORD milliseconds);

    static void MouseMove(int x, int y);
    static void MouseDown(int button = 0);
    static void MouseUp(int button = 0);
    static void Click(int x, int y, int button = 0);
    static void Wheel(int delta);
    // The pointer leaves every window of the program (onto another program's window): it
    // is then at (-1, -1), off the desktop, until it moves again.
    static void MouseLeave();
    static void KeyDown(int vk);
    static void KeyUp(int vk);
    // Down and up, with the character it types when it has one.
    static void KeyPress(int vk, char32_t ch = 0);
    static void TypeText(const std::string& utf8);

    static gfx::Bitmap CaptureDesktop();
    static gfx::Bitmap CaptureWindow(HWND hwnd);
};

}  // namespace win
