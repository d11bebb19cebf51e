#include "platform/win/backend/x11/X11Keyboard.h"

#include <clocale>
#include <cstring>
#include <string>

#include "platform/gfx/Font.h"
#include "platform/win/backend/x11/X11KeyMap.h"

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace win {

namespace {

bool IsUtf8Locale(const char* name) {
    if (!name) return false;
    const std::string locale = name;
    return locale.find("UTF-8") != std::string::npos || locale.find("utf8") != std::string::npos;
}

// Input methods work in the character set of the locale; ours is UTF-8. Text elsewhere
// in the program is compared byte-wise, which a UTF-8 LC_CTYPE leaves as the C locale has it.
void UseUtf8CharacterSet() {
    if (IsUtf8Locale(std::setlocale(LC_CTYPE, ""))) return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) std::setlocale(LC_CTYPE, "C");
}

XIM OpenInputMethodOf(Display* display) {
    if (!XSupportsLocale()) return nullptr;
    // The user's input method first (XMODIFIERS); Xlib's built-in one when it is not there.
    XSetLocaleModifiers("");
    if (XIM im = XOpenIM(display, nullptr, nullptr, nullptr)) return im;
    XSetLocaleModifiers("@im=none");
    return XOpenIM(display, nullptr, nullptr, nullptr);
}

bool SupportsRootStyle(XIM im) {
    XIMStyles* styles = nullptr;
    if (XGetIMValues(im, XNQueryInputStyle, &styles, nullptr) || !styles) return false;
    bool found = false;
    for (unsigned short i = 0; i < styles->count_styles; ++i)
        if (styles->supported_styles[i] == (XIMPreeditNothing | XIMStatusNothing)) found = true;
    XFree(styles);
    return found;
}

void PushChar(std::deque<InputEvent>& out, char32_t ch) {
    // Delete types nothing on Windows; control characters from Ctrl do.
    if (ch == 0 || ch == 0x7F) return;
    InputEvent typed;
    typed.kind = InputEvent::Kind::Char;
    typed.ch = ch;
    out.push_back(typed);
}

}  // namespace

X11Keyboard::X11Keyboard(Display* display, unsigned long clientWindow)
    : m_display(display), m_clientWindow(clientWindow), m_focusWindow(clientWindow) {
    // Held keys repeat as presses alone, so a repeat is not taken for a release.
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display, True, &supported);
    UseUtf8CharacterSet();
}

void X11Keyboard::OpenInputMethod() {
    m_opened = true;
    m_im = OpenInputMethodOf(m_display);
    if (m_im && SupportsRootStyle(m_im))
        m_ic = XCreateIC(m_im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                         m_clientWindow, XNFocusWindow, m_focusWindow, nullptr);
    if (m_ic) {
        XGetICValues(m_ic, XNFilterEvents, &m_filterEvents, nullptr);
        XSetICFocus(m_ic);
    }
}

X11Keyboard::~X11Keyboard() {
    if (m_ic) XDestroyIC(m_ic);
    if (m_im) XCloseIM(m_im);
}

void X11Keyboard::FocusWindow(unsigned long window) {
    if (window == m_focusWindow) return;
    if (m_ic) XSetICValues(m_ic, XNFocusWindow, window, nullptr);
    m_focusWindow = window;
}

bool X11Keyboard::Filter(XEvent& event) {
    if (event.type == KeyPress && !m_opened) {
        m_focusWindow = event.xkey.window;
        OpenInputMethod();
    }
    if (!m_ic) return false;
    if (event.type == KeyPress || event.type == KeyRelease) FocusWindow(event.xkey.window);
    return XFilterEvent(&event, None) == True;
}

void X11Keyboard::Translate(XEvent& event, std::deque<InputEvent>& out) {
    XKeyEvent& key = event.xkey;
    const bool press = event.type == KeyPress;
    char text[64] = {};
    KeySym keysym = NoSymbol;
    int length = 0;
    Status status = XLookupNone;
    if (press && m_ic) {
        length = Xutf8LookupString(m_ic, &key, text, sizeof text - 1, &keysym, &status);
        if (status == XBufferOverflow) length = 0;
    } else {
        length = XLookupString(&key, text, sizeof text - 1, &keysym, nullptr);
        status = length > 0 ? XLookupBoth : XLookupKeySym;
    }
    // A key code of 0 is the input method's: the character a dead key sequence made.
    if (key.keycode != 0) {
        const KeySym plain = XLookupKeysym(&key, 0);
        if (const int vk = VirtualKeyOf(keysym, plain, key.keycode)) {
            InputEvent keyEvent;
            keyEvent.kind = press ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
            keyEvent.vk = vk;
            out.push_back(keyEvent);
        }
    }
    if (!press) return;
    if (m_ic) {
        if (status != XLookupChars && status != XLookupBoth) return;
        const std::string utf8(text, static_cast<std::size_t>(length));
        for (std::size_t pos = 0; pos < utf8.size();) PushChar(out, gfx::DecodeUtf8(utf8, pos));
    } else if (length > 0) {
        for (int i = 0; i < length; ++i) PushChar(out, static_cast<unsigned char>(text[i]));
    } else {
        PushChar(out, KeysymCharacter(keysym));
    }
}

}  // namespace win
