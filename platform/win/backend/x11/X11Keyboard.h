#pragma once
// The keyboard on X11: key events become virtual keys and the characters of the user's
// layout, dead keys and compose sequences included, through the X input method of the
// user's locale (Xlib's own when no input method server runs).
#include <deque>

#include "platform/win/Driver.h"

struct _XDisplay;
struct _XIM;
struct _XIC;
union _XEvent;

namespace win {

class X11Keyboard {
public:
    // `clientWindow`: a window that lives as long as the keyboard, for the input context.
    X11Keyboard(_XDisplay* display, unsigned long clientWindow);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // The event mask the input method needs on windows that take keys, beyond the keys.
    long FilterEvents() const { return m_filterEvents; }
    // True when the input method took the event (a dead key waiting for its letter).
    bool Filter(_XEvent& event);
    // A key press or release as device input: the virtual key, then what it typed.
    void Translate(_XEvent& event, std::deque<InputEvent>& out);
    // The keyboard moved to another of our windows.
    void FocusWindow(unsigned long window);

private:
    // Opens the input method and its context. Xlib's own reads the locale's whole compose
    // table (half a megabyte, milliseconds of parsing), so this waits for the first key.
    void OpenInputMethod();

    _XDisplay* m_display;
    unsigned long m_clientWindow;
    bool m_opened = false;
    _XIM* m_im = nullptr;
    _XIC* m_ic = nullptr;
    unsigned long m_focusWindow = 0;
    long m_filterEvents = 0;
};

}  // namespace win
