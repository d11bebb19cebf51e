#pragma once
// The window manager's state: the window, class and device-context tables, the message
// queues, input state and timers, and the backend. Everything the Win32-style free
// functions share lives here; nothing outside platform/win includes this header.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/win/Driver.h"
#include "platform/win/HandleTable.h"
#include "platform/win/PaintPass.h"
#include "platform/win/WindowObject.h"

namespace win {

struct TimerEntry {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    DWORD due = 0;
    TIMERPROC proc = nullptr;
};

struct MessageQueue {
    std::deque<MSG> posted;
    std::deque<MSG> input;  // messages made from one device event, waiting their turn
    bool quit = false;
    int quitCode = 0;
};

class WindowManager {
public:
    static WindowManager& Instance();
    // Destroys every window and starts again on the given backend.
    static void Reset(std::unique_ptr<Driver> driver);

    Driver& GetDriver() { return *m_driver; }
    HWND Desktop() const { return m_desktop; }

    WindowObject* Find(HWND hwnd) const;
    HWND Register(std::unique_ptr<WindowObject> window);
    std::unique_ptr<WindowObject> Unregister(HWND hwnd);
    template <class Fn>
    void ForEachWindow(Fn&& fn) const {
        m_windows.ForEach([&](std::uintptr_t h, const WindowObject&) { fn(ToHwnd(h)); });
    }
    static HWND ToHwnd(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }

    std::map<std::string, WindowClass>& Classes() { return m_classes; }

    MessageQueue& Queue();  // the calling thread's
    MessageQueue& QueueOf(std::thread::id thread);
    std::recursive_mutex& QueueMutex() { return m_queueMutex; }
    std::deque<InputEvent>& Input() { return m_input; }

    // Geometry helpers. Screen coordinates of a window's outer top-left corner and of its
    // client area's top-left corner.
    TPoint WindowOrigin(HWND hwnd) const;
    TPoint ClientOrigin(HWND hwnd) const;
    HWND TopLevelOf(HWND hwnd) const;
    // True when the window and all its ancestors are visible (and its top level is not
    // minimised).
    bool IsShowing(HWND hwnd) const;
    // The part of the window (or of its client area) that drawing may touch, in the
    // coordinates of its top-level window's surface: clipped by ancestors, regions,
    // siblings above it and its own children.
    gfx::Region VisibleRegion(HWND hwnd, bool clientOnly) const;
    // The window's outline in its parent's client coordinates (rectangle and region).
    gfx::Region OutlineInParent(const WindowObject& window) const;

    // Input state.
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND mouseWindow = nullptr;  // the window under the pointer, for WM_MOUSELEAVE
    TPoint cursor;
    BYTE keyState[256] = {};
    HWND lastClickWindow = nullptr;
    UINT lastClickMessage = 0;
    DWORD lastClickTime = 0;
    TPoint lastClickPoint;
    bool inMoveLoop = false;

    std::vector<TimerEntry> timers;
    std::function<bool(MSG&)> hook;
    std::function<void(HWND, UINT, WPARAM, LPARAM)> trace;
    DWORD messageTime = 0;
    DWORD lastError = 0;

    // The current paint pass and the client images kept in it (PaintPass.h).
    std::uint64_t paintPass = 0;
    std::map<HWND, TPassImage> passImages;

private:
    WindowManager();
    void CreateDesktop();

    std::unique_ptr<Driver> m_driver;
    HandleTable<WindowObject> m_windows;
    std::map<std::string, WindowClass> m_classes;
    HWND m_desktop = nullptr;
    std::recursive_mutex m_queueMutex;
    std::map<std::thread::id, MessageQueue> m_queues;
    std::deque<InputEvent> m_input;
};

inline WindowManager& WM() {
    return WindowManager::Instance();
}

// Window helpers used across the subsystems.
void SetLastErrorInvalidHandle();
void DestroyAllWindows();
void InvalidateAfterGeometryChange(HWND hwnd, const gfx::Region& oldAreaInParent);
// Records that `area` (in the top-level window's coordinates) of its surface was drawn on.
void MarkSurfaceChanged(HWND topLevel, const gfx::Region& area);
// RedrawWindow's work on a region in the window's client coordinates.
void InvalidateClientRegion(HWND hwnd, const gfx::Region& area, UINT flags);
// The next window of the calling thread that needs WM_NCPAINT or WM_PAINT; sends
// WM_NCPAINT itself and answers the window that needs WM_PAINT.
HWND NextWindowToPaint();
void ActivateNextAfter(HWND hwnd);
void ForgetInputState(HWND hwnd);
void KillTimersOf(HWND hwnd);

}  // namespace win
