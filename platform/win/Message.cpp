// Sending and posting, the message queue and its loop, dispatching, and the queue hook.
#include "platform/win/Message.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/win/DescriptorWatch.h"
#include "platform/win/Input.h"
#include "platform/win/PaintPass.h"
#include "platform/win/Painting.h"
#include "platform/win/Timer.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace win {
// Input.cpp turns one device event into the messages it causes.
void ConvertInput(const InputEvent& event, std::deque<MSG>& out);
// Timer.cpp: the next due timer of the calling thread, and the earliest due time.
bool TakeDueTimer(MSG& msg, bool remove);
std::optional<DWORD> NextTimerDue();
void PresentSurfaces();
}  // namespace win

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowManager& wm = WM();
    const WindowObject* w = wm.Find(hwnd);
    if (!w) {
        SetLastErrorInvalidHandle();
        return 0;
    }
    if (wm.trace) wm.trace(hwnd, message, wParam, lParam);
    const WNDPROC proc = w->wndProc;
    return proc ? proc(hwnd, message, wParam, lParam)
                : DefWindowProc(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowManager& wm = WM();
    if (hwnd && !wm.Find(hwnd)) {
        SetLastErrorInvalidHandle();
        return FALSE;
    }
    MSG msg{hwnd, message, wParam, lParam, GetTickCount(), wm.cursor};
    // A window's messages go to the queue of the thread that created it.
    const std::thread::id thread = hwnd ? wm.Find(hwnd)->thread : std::this_thread::get_id();
    {
        std::lock_guard lock(wm.QueueMutex());
        wm.QueueOf(thread).posted.push_back(msg);
    }
    if (thread != std::this_thread::get_id()) wm.GetDriver().Wake();
    return TRUE;
}

BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessage(nullptr, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    MessageQueue& queue = WM().Queue();
    queue.quit = true;
    queue.quitCode = exitCode;
}

namespace {

// What GetMessage and PeekMessage are asked for: a window and its children, a range.
struct Filter {
    HWND hwnd = nullptr;
    UINT min = 0;
    UINT max = 0;

    bool InRange(UINT message) const {
        return (min == 0 && max == 0) || (message >= min && message <= max);
    }
    bool Matches(const MSG& msg) const {
        if (!InRange(msg.message)) return false;
        return !hwnd || msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd);
    }
};

bool TakeFrom(std::deque<MSG>& queue, MSG& msg, const Filter& filter, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!filter.Matches(*it)) continue;
        msg = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}

std::string DescribeWait() {
    WindowManager& wm = WM();
    std::string what = "input";
    if (wm.inMoveLoop)
        what = "the mouse button's release in a window move loop";
    else if (wm.capture)
        what = "mouse input to the capturing window \"" + GetWindowText(wm.capture) + "\"";
    else if (wm.active)
        what = "input to the active window \"" + GetWindowText(wm.active) + "\"";
    if (wm.timers.empty()) what += " (no timer is running)";
    return what;
}

// One pass over the sources in Win32's order: posted messages, input, quit, paint, timers.
bool FetchOnce(MSG& msg, const Filter& filter, bool remove) {
    WindowManager& wm = WM();
    MessageQueue& queue = wm.Queue();
    {
        std::lock_guard lock(wm.QueueMutex());
        if (TakeFrom(queue.posted, msg, filter, remove)) return true;
    }
    while (true) {
        if (TakeFrom(queue.input, msg, filter, remove)) return true;
        if (wm.Input().empty() || !queue.input.empty()) break;
        const InputEvent event = wm.Input().front();
        wm.Input().pop_front();
        ConvertInput(event, queue.input);
    }
    if (queue.quit && !filter.hwnd && filter.min == 0 && filter.max == 0) {
        msg = MSG{nullptr, WM_QUIT,        static_cast<WPARAM>(queue.quitCode),
                  0,       GetTickCount(), wm.cursor};
        if (remove) queue.quit = false;
        return true;
    }
    if (filter.InRange(WM_PAINT)) {
        if (HWND hwnd = NextWindowToPaint()) {
            msg = MSG{hwnd, WM_PAINT, 0, 0, GetTickCount(), wm.cursor};
            if (filter.Matches(msg)) return true;
        }
    }
    if (filter.InRange(WM_TIMER) && TakeDueTimer(msg, false) && filter.Matches(msg)) {
        if (remove) TakeDueTimer(msg, true);
        return true;
    }
    return false;
}

bool Fetch(MSG& msg, const Filter& filter, bool remove, bool wait) {
    WindowManager& wm = WM();
    while (true) {
        wm.GetDriver().PollInput();
        DispatchWatchedDescriptors(0);
        if (FetchOnce(msg, filter, remove)) {
            if (msg.message != WM_PAINT) EndPaintPass();
            if (!remove || !wm.hook || msg.message == WM_QUIT) return true;
            if (!wm.hook(msg)) return true;
            // The hook handled it. A WM_PAINT nobody answers would come back forever.
            if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
            continue;
        }
        EndPaintPass();
        PresentSurfaces();
        if (!wait) return false;
        wm.GetDriver().WaitInput(NextTimerDue(), DescribeWait());
    }
}

}  // namespace

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    MSG local;
    Fetch(local, Filter{hwnd, filterMin, filterMax}, true, true);
    if (msg) *msg = local;
    WM().messageTime = local.time;
    return local.message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    MSG local;
    if (!Fetch(local, Filter{hwnd, filterMin, filterMax}, (remove & PM_REMOVE) != 0, false))
        return FALSE;
    if (msg) *msg = local;
    if (remove & PM_REMOVE) WM().messageTime = local.time;
    return TRUE;
}

BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER,
                                                 static_cast<UINT_PTR>(msg->wParam), msg->time);
        return 0;
    }
    if (!msg->hwnd) return 0;
    const LRESULT result = SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        // A window procedure that did not call BeginPaint would get WM_PAINT forever.
        if (WindowObject* w = WM().Find(msg->hwnd); w && !w->updateRegion.IsEmpty()) {
            w->updateRegion = {};
            w->erasePending = false;
        }
    }
    return result;
}

BOOL WaitMessage() {
    MSG msg;
    Fetch(msg, Filter{}, false, true);
    return TRUE;
}

DWORD GetMessageTime() {
    return WM().messageTime;
}

DWORD GetMessagePos() {
    const TPoint p = WM().cursor;
    return static_cast<DWORD>(MAKELPARAM(p.x, p.y));
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, message, wParam, lParam);
}

MessageHook SetMessageHook(MessageHook hook) {
    return std::exchange(WM().hook, std::move(hook));
}

MessageTrace SetMessageTrace(MessageTrace trace) {
    return std::exchange(WM().trace, std::move(trace));
}

// Object window procedures: each entry point is a distinct function that forwards to its
// slot, so a method can stand wherever Win32 wants a plain WNDPROC.
namespace {

constexpr std::size_t kObjectInstances = 1024;
std::array<ObjectWndProc, kObjectInstances> g_objectSlots;

template <std::size_t N>
LRESULT ObjectEntry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A copy, because the procedure may free its own slot while it runs.
    const ObjectWndProc method = g_objectSlots[N];
    return method ? method(hwnd, message, wParam, lParam) : 0;
}

template <std::size_t... N>
constexpr std::array<WNDPROC, sizeof...(N)> MakeEntries(std::index_sequence<N...>) {
    return {&ObjectEntry<N>...};
}

const std::array<WNDPROC, kObjectInstances> g_objectEntries =
    MakeEntries(std::make_index_sequence<kObjectInstances>());

}  // namespace

WNDPROC MakeObjectInstance(ObjectWndProc method) {
    if (!method) throw std::invalid_argument("MakeObjectInstance needs a method to call");
    for (std::size_t i = 0; i < kObjectInstances; ++i) {
        if (!g_objectSlots[i]) {
            g_objectSlots[i] = std::move(method);
            return g_objectEntries[i];
        }
    }
    throw std::runtime_error("MakeObjectInstance: all " + std::to_string(kObjectInstances) +
                             " object window procedures are in use");
}

void FreeObjectInstance(WNDPROC proc) {
    for (std::size_t i = 0; i < kObjectInstances; ++i)
        if (g_objectEntries[i] == proc) g_objectSlots[i] = nullptr;
}
