#pragma once
// The display backend behind the window manager. Every virtual has a default that works
// without a display, so a backend overrides only what it has.
#include <optional>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/win/WinDefs.h"

namespace win {

// Input as a device reports it, in screen coordinates; the window manager turns it into
// window messages when the message loop reaches it.
struct InputEvent {
    // MouseLeave: the pointer left every window of the program (onto the desktop or another
    // program's window).
    enum class Kind { MouseMove, MouseDown, MouseUp, Wheel, MouseLeave, KeyDown, KeyUp, Char };
    Kind kind = Kind::MouseMove;
    TPoint screen;       // mouse events
    int button = 0;      // 0 left, 1 right, 2 middle
    int wheelDelta = 0;  // multiples of WHEEL_DELTA, positive away from the user
    int vk = 0;          // key events
    char32_t ch = 0;     // Char
};

class Driver {
public:
    virtual ~Driver() = default;
    virtual const char* Name() const { return "null"; }

    virtual TRect ScreenRect() const { return {0, 0, 1024, 768}; }
    virtual TRect WorkArea() const;
    virtual DWORD TickCount() const;

    // Moves pending device input into the window manager's input queue without waiting.
    virtual void PollInput() {}
    // Waits until input arrives or the tick count reaches deadline. `waitingFor` names what
    // the loop is waiting for; a backend that can never deliver input throws with it.
    virtual void WaitInput(std::optional<DWORD> deadline, const std::string& waitingFor);
    virtual void Sleep(DWORD milliseconds);
    // Ends a WaitInput early because another thread posted a message.
    virtual void Wake() {}

    // Top-level windows: the backend mirrors them. Surfaces are read through
    // win::TopLevelSurface when presenting.
    virtual void WindowShown(HWND) {}
    virtual void WindowHidden(HWND) {}
    virtual void WindowDestroyed(HWND) {}
    virtual void WindowMoved(HWND) {}
    virtual void WindowTextChanged(HWND) {}
    virtual void WindowRegionChanged(HWND) {}
    virtual void WindowZOrderChanged(HWND) {}
    virtual void WindowActivated(HWND) {}
    // Its style, extended style or owner changed (SetWindowLong): what the desktop is told
    // about the window's kind, owner and sizing follows.
    virtual void WindowStyleChanged(HWND) {}
    virtual void CaptureChanged(HWND) {}
    // The move loop asks whether the display's own window manager moves the window while
    // the left button is held. When it does, the backend reports the moves itself and
    // queues the button's release when the move ends; the loop only waits for it.
    virtual bool BeginSystemMove(HWND) { return false; }
    // Shows what was painted into the surfaces since the last call.
    virtual void Present() {}
    // A timed slide or reveal of a top-level window (AnimateWindow); the window is already
    // shown (or still shown, when hiding).
    virtual void Animate(HWND, DWORD milliseconds, DWORD flags);

    // The picture a desktop shows for the program's windows (task bar, window switcher),
    // with its alpha: 0 where the desktop shows through.
    virtual void SetIcon(const gfx::Bitmap&) {}
    virtual void SetCursorShape(int) {}
    virtual void SetCursorPos(TPoint) {}
    virtual void Beep(UINT) {}
    virtual bool OpenUrl(const std::string&) { return false; }
    virtual void SetClipboardText(const std::string& text) { m_clipboard = text; }
    virtual std::string GetClipboardText() { return m_clipboard; }
    // The text the user selected last, offered to other programs for a middle-click paste
    // (the X PRIMARY selection); a desktop without one keeps it in the program.
    virtual void SetSelectionText(const std::string& text) { m_selection = text; }
    virtual std::string GetSelectionText() { return m_selection; }

private:
    std::string m_clipboard;
    std::string m_selection;
};

}  // namespace win
