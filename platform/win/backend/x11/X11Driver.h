#pragma once
// The backend for the program: every visible top-level window is an X window showing the
// window's surface, shaped by its region (SHAPE), titled with its text. Menus, drop-down
// lists, hints and notifications (pop-ups that are tool or non-activating windows) are
// override-redirect windows, placed exactly where the window manager puts them; the rest
// are managed by the desktop's window manager when one runs, without its decorations.
// Mouse capture grabs the pointer, so a click anywhere reaches an open menu.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Region.h"
#include "platform/win/Driver.h"

struct _XDisplay;
struct _XGC;
union _XEvent;

namespace win {

class X11Image;
class X11Keyboard;
class X11Clipboard;
struct X11Atoms;

class X11Driver : public Driver {
public:
    // Opens $DISPLAY; throws std::runtime_error when there is none or it cannot show our
    // pixels (a display without 24-bit true colour).
    X11Driver();
    ~X11Driver() override;

    const char* Name() const override { return "x11"; }
    TRect ScreenRect() const override;
    TRect WorkArea() const override;

    void PollInput() override;
    void WaitInput(std::optional<DWORD> deadline, const std::string& waitingFor) override;
    void Wake() override;

    void WindowShown(HWND hwnd) override;
    void WindowHidden(HWND hwnd) override;
    void WindowDestroyed(HWND hwnd) override;
    void WindowMoved(HWND hwnd) override;
    void WindowTextChanged(HWND hwnd) override;
    void WindowRegionChanged(HWND hwnd) override;
    void WindowZOrderChanged(HWND hwnd) override;
    void WindowActivated(HWND hwnd) override;
    void CaptureChanged(HWND hwnd) override;
    bool BeginSystemMove(HWND hwnd) override;
    void Present() override;
    void Animate(HWND hwnd, DWORD milliseconds, DWORD flags) override;

    void SetIcon(const gfx::Bitmap& icon) override;
    void SetCursorShape(int cursor) override;
    void SetCursorPos(TPoint screen) override;
    bool OpenUrl(const std::string& url) override;
    void Beep(UINT type) override;
    void WindowStyleChanged(HWND hwnd) override;
    void SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    void SetSelectionText(const std::string& text) override;
    std::string GetSelectionText() override;

private:
    struct Native {
        unsigned long window = 0;
        bool popup = false;      // override-redirect: no window manager between
        bool shown = false;      // mapped, as far as we asked
        bool viewable = false;   // the server says it is mapped
        bool iconic = false;     // iconified through the window manager
        int unmapsExpected = 0;  // unmaps we asked for, told apart from the user's
        bool focusWhenMapped = false;
        bool repaintAll = true;
        TRect placed;         // where the server has it, screen coordinates
        gfx::Region exposed;  // window coordinates, to put again
        std::unique_ptr<X11Image> image;
    };

    // X11Driver.cpp: windows.
    Native* Ensure(HWND hwnd);
    void SetProperties(HWND hwnd, Native& native);
    void SetKindAndSizing(HWND hwnd, const Native& native);
    void ApplyShape(HWND hwnd, Native& native, int revealTop = 0, int revealBottom = -1);
    void Restack();
    void Grab();
    HWND FromWindow(unsigned long window) const;
    bool DesktopManagerRuns() const;
    bool DesktopSupports(unsigned long atom) const;
    void ApplyIcon(const Native& native);

    // X11Events.cpp: from X events to device input and window changes.
    void Translate(_XEvent& event);
    void Configured(HWND hwnd, Native& native);
    bool IconicOnServer(const Native& native) const;
    void FocusChanged(_XEvent& event);
    void PushMouse(InputEvent::Kind kind, int x, int y, int button = 0);
    void CheckSystemMove();
    void CheckSignals();
    void ReapChildren();

    _XDisplay* m_display = nullptr;
    int m_screen = 0;
    unsigned long m_root = 0;
    unsigned long m_leader = 0;  // never mapped: owns the clipboard, groups our windows
    _XGC* m_gc = nullptr;
    bool m_shm = false;
    std::unique_ptr<X11Atoms> m_atoms;
    std::unique_ptr<X11Keyboard> m_keyboard;
    std::unique_ptr<X11Clipboard> m_clipboard;
    std::unique_ptr<X11Clipboard> m_primary;
    std::map<HWND, Native> m_windows;
    std::map<int, unsigned long> m_cursors;
    unsigned long m_cursor = 0;
    int m_cursorId = 0;
    bool m_grabbed = false;
    bool m_wantGrab = false;
    HWND m_systemMove = nullptr;  // the window manager moves it; we wait for the release
    bool m_systemMoving = false;  // until the move loop lets go of the capture
    bool m_applyingServerGeometry = false;
    unsigned long m_lastTime = 0;  // of the last user event, for selections and activation
    std::vector<long> m_icon;      // _NET_WM_ICON: width, height, ARGB pixels
    std::vector<int> m_children;   // xdg-open processes to reap
    mutable std::optional<bool> m_desktopManager;
    mutable std::vector<unsigned long> m_supported;
    int m_wakePipe[2] = {-1, -1};  // another thread's PostMessage ends a wait through it
};

}  // namespace win
