// Message timers on the backend's clock.
#include "platform/win/Timer.h"

#include <algorithm>

#include "platform/win/Message.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

bool Reached(DWORD now, DWORD due) {
    return static_cast<std::int32_t>(now - due) >= 0;
}

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    WindowManager& wm = WM();
    if (hwnd && !wm.Find(hwnd)) {
        SetLastErrorInvalidHandle();
        return 0;
    }
    const UINT interval = std::max(elapseMs, USER_TIMER_MINIMUM);
    if (!hwnd) {
        // A thread timer gets an identifier of its own.
        UINT_PTR next = 1;
        for (const TimerEntry& t : wm.timers)
            if (!t.hwnd) next = std::max(next, t.id + 1);
        id = next;
    }
    const DWORD due = GetTickCount() + interval;
    for (TimerEntry& t : wm.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.interval = interval;
            t.due = due;
            t.proc = proc;
            return hwnd ? 1 : id;
        }
    }
    wm.timers.push_back(TimerEntry{hwnd, id, interval, due, proc});
    return hwnd ? 1 : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = WM().timers;
    const auto removed =
        std::erase_if(timers, [&](const TimerEntry& t) { return t.hwnd == hwnd && t.id == id; });
    return removed ? TRUE : FALSE;
}

void win::KillTimersOf(HWND hwnd) {
    std::erase_if(WM().timers, [&](const TimerEntry& t) { return t.hwnd == hwnd; });
}

DWORD GetTickCount() {
    return WM().GetDriver().TickCount();
}

void Sleep(DWORD milliseconds) {
    WM().GetDriver().Sleep(milliseconds);
}

namespace win {

// The earliest due timer becomes a WM_TIMER; when taken, it is due again one interval
// from now, so a loop that fell behind gets one message rather than a burst.
bool TakeDueTimer(MSG& msg, bool remove) {
    WindowManager& wm = WM();
    const DWORD now = GetTickCount();
    TimerEntry* best = nullptr;
    for (TimerEntry& t : wm.timers) {
        if (!Reached(now, t.due)) continue;
        if (t.hwnd && (!wm.Find(t.hwnd) || wm.Find(t.hwnd)->thread != std::this_thread::get_id()))
            continue;
        if (!best || static_cast<std::int32_t>(t.due - best->due) < 0) best = &t;
    }
    if (!best) return false;
    msg = MSG{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), now, wm.cursor};
    if (remove) best->due = now + best->interval;
    return true;
}

std::optional<DWORD> NextTimerDue() {
    std::optional<DWORD> next;
    for (const TimerEntry& t : WM().timers)
        if (!next || static_cast<std::int32_t>(t.due - *next) < 0) next = t.due;
    return next;
}

}  // namespace win
