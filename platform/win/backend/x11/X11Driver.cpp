#include "platform/win/backend/x11/X11Driver.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "platform/gfx/Font.h"
#include "platform/win/Screen.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"
#include "platform/win/backend/x11/X11Atoms.h"
#include "platform/win/backend/x11/X11Clipboard.h"
#include "platform/win/backend/x11/X11Image.h"
#include "platform/win/backend/x11/X11KeyMap.h"
#include "platform/win/backend/x11/X11Keyboard.h"

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>

extern char** environ;

namespace win {

// X11Events.cpp: the termination signals end the message loop through a pipe.
void InstallTerminationSignals();
void RestoreTerminationSignals();
int TerminationSignalPipe();

namespace {

constexpr long kWindowEvents = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                               ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                               LeaveWindowMask | FocusChangeMask | StructureNotifyMask;

// Menus, drop-down lists, hints and notifications: owned pop-ups or windows that never
// take activation. They bypass the window manager and sit exactly where they are put.
// A hint is a top-most tool window; a tool window form alone is managed as any form.
bool IsPopup(const WindowObject& w) {
    const bool hint = (w.exStyle & WS_EX_TOOLWINDOW) && (w.exStyle & WS_EX_TOPMOST);
    // A dialog frame alone (a menu's) is no caption: only both bits together make one.
    return (w.style & WS_POPUP) && (w.style & WS_CAPTION) != WS_CAPTION &&
           ((w.exStyle & WS_EX_NOACTIVATE) || hint);
}

// X reports errors after the fact; one about a window that is already gone (a request
// racing the window manager's destruction) or a refused focus must not end the program.
int OnXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadMatch) return 0;
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error (request %d): %s\n", error->request_code, text);
    return 0;
}

// Without its display the program can neither show nor save anything; Xlib's default would
// run the exit handlers, which talk to the lost display again.
int OnXConnectionLost(Display*) {
    std::fflush(stdout);
    std::fputs("The connection to the display was lost.\n", stderr);
    _exit(1);
}

bool TrueColour24(Display* display, int screen) {
    const Visual* visual = DefaultVisual(display, screen);
    if (DefaultDepth(display, screen) != 24 || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
        return false;
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool words = false;
    for (int i = 0; i < count; ++i)
        if (formats[i].depth == 24 && formats[i].bits_per_pixel == 32) words = true;
    if (formats) XFree(formats);
    return words;
}

}  // namespace

X11Driver::X11Driver() {
    // Windows on a display show text: the fonts are prepared meanwhile.
    gfx::PrepareFonts();
    m_display = XOpenDisplay(nullptr);
    if (!m_display) throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    m_screen = DefaultScreen(m_display);
    if (!TrueColour24(m_display, m_screen)) {
        XCloseDisplay(m_display);
        throw std::runtime_error("the X display shows no 24-bit true colour");
    }
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnXConnectionLost);
    m_root = RootWindow(m_display, m_screen);
    m_atoms = std::make_unique<X11Atoms>(m_display);
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    m_leader = XCreateWindow(m_display, m_root, -10, -10, 1, 1, 0, CopyFromParent, InputOnly,
                             CopyFromParent, CWEventMask, &attributes);
    // The root's properties tell when a desktop window manager starts or changes its work area.
    XSelectInput(m_display, m_root, PropertyChangeMask);
    m_gc = XCreateGC(m_display, m_root, 0, nullptr);
    int major = 0, minor = 0;
    Bool pixmaps = False;
    m_shm = XShmQueryVersion(m_display, &major, &minor, &pixmaps);
    m_keyboard = std::make_unique<X11Keyboard>(m_display, m_leader);
    m_clipboard = std::make_unique<X11Clipboard>(m_display, m_leader, *m_atoms, m_atoms->CLIPBOARD);
    m_primary = std::make_unique<X11Clipboard>(m_display, m_leader, *m_atoms, XA_PRIMARY);
    if (pipe2(m_wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) m_wakePipe[0] = m_wakePipe[1] = -1;
    InstallTerminationSignals();
}

X11Driver::~X11Driver() {
    RestoreTerminationSignals();
    for (auto& [hwnd, native] : m_windows) {
        native.image.reset();
        XDestroyWindow(m_display, native.window);
    }
    for (auto& [id, cursor] : m_cursors) XFreeCursor(m_display, cursor);
    m_keyboard.reset();
    XFreeGC(m_display, m_gc);
    XDestroyWindow(m_display, m_leader);
    XCloseDisplay(m_display);
    for (int fd : m_wakePipe)
        if (fd >= 0) close(fd);
}

TRect X11Driver::ScreenRect() const {
    return {0, 0, DisplayWidth(m_display, m_screen), DisplayHeight(m_display, m_screen)};
}

// The desktop's work area leaves out its panels; a bare X server has the whole screen.
TRect X11Driver::WorkArea() const {
    const TRect screen = ScreenRect();
    if (!DesktopManagerRuns()) return screen;
    auto cardinals = [&](unsigned long atom) {
        std::vector<long> values;
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, m_root, atom, 0, 1024, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data && format == 32)
            values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + items);
        if (data) XFree(data);
        return values;
    };
    const std::vector<long> areas = cardinals(m_atoms->_NET_WORKAREA);
    const std::vector<long> current = cardinals(m_atoms->_NET_CURRENT_DESKTOP);
    const std::size_t desktop = current.empty() ? 0 : static_cast<std::size_t>(current[0]);
    if (areas.size() < 4 * (desktop + 1)) return screen;
    const long* a = &areas[4 * desktop];
    const TRect area = Bounds(static_cast<int>(a[0]), static_cast<int>(a[1]),
                              static_cast<int>(a[2]), static_cast<int>(a[3]));
    return area.IsEmpty() ? screen : area;
}

// An EWMH window manager names a window that names itself back; a stale name does not.
bool X11Driver::DesktopManagerRuns() const {
    if (m_desktopManager) return *m_desktopManager;
    auto checkWindow = [&](unsigned long window) -> unsigned long {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0, result = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, window, m_atoms->_NET_SUPPORTING_WM_CHECK, 0, 1, False,
                               XA_WINDOW, &type, &format, &items, &after, &data) == Success &&
            data && items == 1)
            result = *reinterpret_cast<unsigned long*>(data);
        if (data) XFree(data);
        return result;
    };
    const unsigned long check = checkWindow(m_root);
    const bool runs = (check && checkWindow(check) == check) ||
                      XGetSelectionOwner(m_display, m_atoms->WM_S0) != None;
    m_desktopManager = runs;
    m_supported.clear();
    if (runs) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, m_root, m_atoms->_NET_SUPPORTED, 0, 4096, False, XA_ATOM,
                               &type, &format, &items, &after, &data) == Success &&
            data && format == 32)
            m_supported.assign(reinterpret_cast<unsigned long*>(data),
                               reinterpret_cast<unsigned long*>(data) + items);
        if (data) XFree(data);
    }
    return runs;
}

bool X11Driver::DesktopSupports(unsigned long atom) const {
    return DesktopManagerRuns() &&
           std::find(m_supported.begin(), m_supported.end(), atom) != m_supported.end();
}

HWND X11Driver::FromWindow(unsigned long window) const {
    for (const auto& [hwnd, native] : m_windows)
        if (native.window == window) return hwnd;
    return nullptr;
}

X11Driver::Native* X11Driver::Ensure(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || w->parent != WM().Desktop()) return nullptr;
    Native& native = m_windows[hwnd];
    if (native.window) return &native;
    native.popup = IsPopup(*w);
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;  // our pixels cover it; no flash of a background
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kWindowEvents | m_keyboard->FilterEvents();
    attributes.override_redirect = native.popup ? True : False;
    attributes.save_under = native.popup ? True : False;
    attributes.cursor = m_cursor;
    native.placed =
        Bounds(w->rect.left, w->rect.top, std::max(1, w->Width()), std::max(1, w->Height()));
    native.window = XCreateWindow(m_display, m_root, native.placed.left, native.placed.top,
                                  static_cast<unsigned>(native.placed.Width()),
                                  static_cast<unsigned>(native.placed.Height()), 0, CopyFromParent,
                                  InputOutput, CopyFromParent,
                                  CWBackPixmap | CWBitGravity | CWEventMask | CWOverrideRedirect |
                                      CWSaveUnder | (m_cursor ? CWCursor : 0),
                                  &attributes);
    native.image = std::make_unique<X11Image>(m_display, m_shm);
    SetProperties(hwnd, native);
    return &native;
}

// What a window manager needs to know: protocols, title, kind, owner, decorations (none:
// the program draws its own frame), and that the given position is the window's own.
void X11Driver::SetProperties(HWND hwnd, Native& native) {
    const WindowObject* w = WM().Find(hwnd);
    const ::Window xw = native.window;
    WindowTextChanged(hwnd);
    const long pid = getpid();
    XChangeProperty(m_display, xw, m_atoms->_NET_WM_PID, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    SetKindAndSizing(hwnd, native);
    if (native.popup) return;

    Atom protocols[] = {m_atoms->WM_DELETE_WINDOW};
    XSetWMProtocols(m_display, xw, protocols, 1);
    XClassHint* classHint = XAllocClassHint();
    const std::string name = program_invocation_short_name;
    std::string className = name;
    if (!className.empty()) className[0] = static_cast<char>(std::toupper(className[0]));
    classHint->res_name = const_cast<char*>(name.c_str());
    classHint->res_class = const_cast<char*>(className.c_str());
    XSetClassHint(m_display, xw, classHint);
    XFree(classHint);
    XWMHints* hints = XAllocWMHints();
    hints->flags = InputHint | StateHint | WindowGroupHint;
    hints->input = True;
    hints->initial_state = NormalState;
    hints->window_group = m_leader;
    XSetWMHints(m_display, xw, hints);
    XFree(hints);
    const long motif[5] = {2, 0, 0, 0, 0};  // flags: decorations; decorations: none
    XChangeProperty(m_display, xw, m_atoms->_MOTIF_WM_HINTS, m_atoms->_MOTIF_WM_HINTS, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(motif), 5);
    std::vector<Atom> states;
    if (w->exStyle & WS_EX_TOPMOST) states.push_back(m_atoms->_NET_WM_STATE_ABOVE);
    if (w->exStyle & WS_EX_TOOLWINDOW) states.push_back(m_atoms->_NET_WM_STATE_SKIP_TASKBAR);
    if (!states.empty())
        XChangeProperty(m_display, xw, m_atoms->_NET_WM_STATE, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(states.data()),
                        static_cast<int>(states.size()));
    ApplyIcon(native);
}

// The window's kind, its owner and whether it can be resized: these follow the window's
// style and owner, which may change after it was created. A window without a sizing frame
// gets equal minimum and maximum sizes, which is how a desktop learns it is of fixed size.
void X11Driver::SetKindAndSizing(HWND hwnd, const Native& native) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return;
    const ::Window xw = native.window;
    const Native* owner = nullptr;
    if (w->owner)
        if (auto it = m_windows.find(w->owner); it != m_windows.end()) owner = &it->second;
    const Atom type = native.popup ? ((w->exStyle & WS_EX_TOPMOST) && !w->owner
                                          ? m_atoms->_NET_WM_WINDOW_TYPE_NOTIFICATION
                                          : m_atoms->_NET_WM_WINDOW_TYPE_POPUP_MENU)
                      : w->owner   ? m_atoms->_NET_WM_WINDOW_TYPE_DIALOG
                                   : m_atoms->_NET_WM_WINDOW_TYPE_NORMAL;
    XChangeProperty(m_display, xw, m_atoms->_NET_WM_WINDOW_TYPE, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
    if (native.popup) return;
    if (owner)
        XSetTransientForHint(m_display, xw, owner->window);
    else
        XDeleteProperty(m_display, xw, XA_WM_TRANSIENT_FOR);
    XSizeHints* size = XAllocSizeHints();
    size->flags = USPosition | PPosition | USSize | PSize | PWinGravity;
    size->x = native.placed.left;
    size->y = native.placed.top;
    size->width = native.placed.Width();
    size->height = native.placed.Height();
    size->win_gravity = StaticGravity;
    if (!(w->style & WS_THICKFRAME)) {
        size->flags |= PMinSize | PMaxSize;
        size->min_width = size->max_width = size->width;
        size->min_height = size->max_height = size->height;
    }
    XSetWMNormalHints(m_display, xw, size);
    XFree(size);
}

void X11Driver::WindowStyleChanged(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || !it->second.window) return;
    SetKindAndSizing(hwnd, it->second);
    XFlush(m_display);
}

void X11Driver::ApplyIcon(const Native& native) {
    if (m_icon.empty() || native.popup) return;
    XChangeProperty(m_display, native.window, m_atoms->_NET_WM_ICON, XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(m_icon.data()),
                    static_cast<int>(m_icon.size()));
}

void X11Driver::SetIcon(const gfx::Bitmap& icon) {
    m_icon.clear();
    if (icon.IsEmpty()) return;
    m_icon.push_back(icon.Width());
    m_icon.push_back(icon.Height());
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x)
            m_icon.push_back(static_cast<long>(icon.Row(y)[x]));  // ARGB, as the desktop reads it
    for (const auto& [hwnd, native] : m_windows) ApplyIcon(native);
}

void X11Driver::WindowShown(HWND hwnd) {
    Native* native = Ensure(hwnd);
    if (!native) return;
    WindowMoved(hwnd);
    ApplyShape(hwnd, *native);
    native->repaintAll = true;
    native->shown = true;
    native->iconic = false;
    XMapWindow(m_display, native->window);
    Restack();
    // A window shown without activation (a notification) leaves the keyboard where it is;
    // one that is active already gets it once the server has mapped it.
    if (WM().active == hwnd && !native->popup) WindowActivated(hwnd);
    XFlush(m_display);
}

void X11Driver::WindowHidden(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || !it->second.shown) return;
    Native& native = it->second;
    native.shown = false;
    native.focusWhenMapped = false;
    // A minimised window goes to the desktop's task bar, from where the user restores it;
    // without a window manager there is no such place, and it is simply unmapped.
    const bool minimising = IsIconic(hwnd) && (GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE);
    if (minimising && !native.popup && DesktopManagerRuns()) {
        native.iconic = true;
        XIconifyWindow(m_display, native.window, m_screen);
    } else if (native.popup) {
        ++native.unmapsExpected;
        XUnmapWindow(m_display, native.window);
    } else {
        ++native.unmapsExpected;
        XWithdrawWindow(m_display, native.window, m_screen);
    }
    XFlush(m_display);
}

void X11Driver::WindowDestroyed(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    if (m_systemMove == hwnd) m_systemMove = nullptr;
    it->second.image.reset();
    XDestroyWindow(m_display, it->second.window);
    m_windows.erase(it);
    XFlush(m_display);
}

void X11Driver::WindowMoved(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    const WindowObject* w = WM().Find(hwnd);
    if (it == m_windows.end() || !w) return;
    Native& native = it->second;
    const TRect wanted =
        Bounds(w->rect.left, w->rect.top, std::max(1, w->Width()), std::max(1, w->Height()));
    if (wanted == native.placed) return;
    const bool sized =
        wanted.Width() != native.placed.Width() || wanted.Height() != native.placed.Height();
    native.placed = wanted;
    // The server (or the window manager) moved it already; telling it back would fight it.
    if (!m_applyingServerGeometry) {
        XMoveResizeWindow(m_display, native.window, wanted.left, wanted.top,
                          static_cast<unsigned>(wanted.Width()),
                          static_cast<unsigned>(wanted.Height()));
    }
    if (sized) {
        // A fixed size that the program changes is still the only size the desktop may use.
        if (!native.popup && !(w->style & WS_THICKFRAME)) SetKindAndSizing(hwnd, native);
        ApplyShape(hwnd, native);
        native.repaintAll = true;
    }
}

void X11Driver::WindowTextChanged(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    const std::string text = GetWindowText(hwnd);
    XChangeProperty(m_display, it->second.window, m_atoms->_NET_WM_NAME, m_atoms->UTF8_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(text.data()),
                    static_cast<int>(text.size()));
    // WM_NAME for window managers and tools that read no UTF-8: Latin-1, '?' beyond it.
    std::string latin1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            latin1 += static_cast<char>(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < text.size() && c <= 0xC3) {
            latin1 += static_cast<char>(((c & 0x03) << 6) | (text[++i] & 0x3F));
        } else if ((c & 0xC0) != 0x80) {
            latin1 += '?';
        }
    }
    XChangeProperty(m_display, it->second.window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()),
                    static_cast<int>(latin1.size()));
}

void X11Driver::WindowRegionChanged(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end()) ApplyShape(hwnd, it->second);
}

// The region as SHAPE rectangles; `revealTop`..`revealBottom` limits it while animating.
void X11Driver::ApplyShape(HWND hwnd, Native& native, int revealTop, int revealBottom) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return;
    if (!w->region && revealBottom < 0) {
        XShapeCombineMask(m_display, native.window, ShapeBounding, 0, 0, None, ShapeSet);
        return;
    }
    gfx::Region shape = TopLevelShape(hwnd);
    if (revealBottom >= 0)
        shape = shape.Intersected(TRect{-100000, revealTop, 100000, revealBottom});
    std::vector<XRectangle> rects;
    for (const TRect& r : shape.Rects())
        rects.push_back({static_cast<short>(r.left), static_cast<short>(r.top),
                         static_cast<unsigned short>(r.Width()),
                         static_cast<unsigned short>(r.Height())});
    XShapeCombineRectangles(m_display, native.window, ShapeBounding, 0, 0, rects.data(),
                            static_cast<int>(rects.size()), ShapeSet, YXBanded);
}

// Our Z-order on the server. Without a window manager we stack every window ourselves;
// with one, only the pop-ups it does not manage, above the rest.
void X11Driver::Restack() {
    std::vector<::Window> order;  // top first
    for (HWND hwnd : VisibleTopLevelWindows()) {
        auto it = m_windows.find(hwnd);
        if (it == m_windows.end() || !it->second.shown) continue;
        if (DesktopManagerRuns() && !it->second.popup) continue;
        order.push_back(it->second.window);
    }
    if (order.empty()) return;
    if (DesktopManagerRuns()) {
        for (auto it = order.rbegin(); it != order.rend(); ++it) XRaiseWindow(m_display, *it);
    } else {
        XRaiseWindow(m_display, order.front());
        XRestackWindows(m_display, order.data(), static_cast<int>(order.size()));
    }
}

void X11Driver::WindowZOrderChanged(HWND) {
    Restack();
}

void X11Driver::WindowActivated(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || !it->second.shown || it->second.popup) return;
    Native& native = it->second;
    if (DesktopSupports(m_atoms->_NET_ACTIVE_WINDOW)) {
        // The desktop decides on focus and raising; we ask as an application does.
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = native.window;
        event.xclient.message_type = m_atoms->_NET_ACTIVE_WINDOW;
        event.xclient.format = 32;
        event.xclient.data.l[0] = 1;  // from an application
        event.xclient.data.l[1] = static_cast<long>(m_lastTime);
        XSendEvent(m_display, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
    } else {
        Restack();
        if (native.viewable)
            XSetInputFocus(m_display, native.window, RevertToParent, CurrentTime);
        else
            native.focusWhenMapped = true;
    }
    XFlush(m_display);
}

// A capture grabs the pointer on the root window, so that presses anywhere on the screen
// come to us with their screen position, and the capturing window sees them.
void X11Driver::Grab() {
    if (m_grabbed || m_systemMove) return;
    const unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    const int result = XGrabPointer(m_display, m_root, False, mask, GrabModeAsync, GrabModeAsync,
                                    None, m_cursor, CurrentTime);
    m_grabbed = result == GrabSuccess;
    m_wantGrab = !m_grabbed;
}

void X11Driver::CaptureChanged(HWND hwnd) {
    if (hwnd) {
        Grab();
    } else {
        m_wantGrab = false;
        m_systemMoving = false;
        if (m_grabbed) XUngrabPointer(m_display, CurrentTime);
        m_grabbed = false;
    }
    XFlush(m_display);
}

// With a desktop window manager that offers it, the window manager moves the window: the
// window snaps and shows as the desktop's own do. Under a bare server the loop moves it.
bool X11Driver::BeginSystemMove(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || it->second.popup || !DesktopSupports(m_atoms->_NET_WM_MOVERESIZE))
        return false;
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned mask = 0;
    XQueryPointer(m_display, m_root, &root, &child, &rootX, &rootY, &x, &y, &mask);
    if (!(mask & Button1Mask)) return false;
    // The window manager can only grab the pointer once we let go of it.
    XUngrabPointer(m_display, CurrentTime);
    m_grabbed = false;
    m_wantGrab = false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = it->second.window;
    event.xclient.message_type = m_atoms->_NET_WM_MOVERESIZE;
    event.xclient.format = 32;
    event.xclient.data.l[0] = rootX;
    event.xclient.data.l[1] = rootY;
    event.xclient.data.l[2] = 8;  // _NET_WM_MOVERESIZE_MOVE
    event.xclient.data.l[3] = 1;  // the left button
    event.xclient.data.l[4] = 1;  // from an application
    XSendEvent(m_display, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(m_display);
    m_systemMove = hwnd;
    m_systemMoving = true;
    return true;
}

void X11Driver::Present() {
    bool pending = false;
    for (HWND hwnd : VisibleTopLevelWindows()) {
        const gfx::Region damage = TakeSurfaceDamage(hwnd);
        auto it = m_windows.find(hwnd);
        const gfx::Bitmap* pixels = TopLevelSurface(hwnd);
        if (it == m_windows.end() || !it->second.shown || !pixels) continue;
        Native& native = it->second;
        gfx::Region area =
            native.repaintAll ? gfx::Region(pixels->BoundsRect()) : damage.United(native.exposed);
        native.repaintAll = false;
        native.exposed = {};
        if (!area.IsEmpty()) pending |= native.image->Put(native.window, m_gc, *pixels, area);
    }
    // A shared image must not change while the server still reads it.
    if (pending)
        XSync(m_display, False);
    else
        XFlush(m_display);
}

void X11Driver::Animate(HWND hwnd, DWORD milliseconds, DWORD flags) {
    auto it = m_windows.find(hwnd);
    const WindowObject* w = WM().Find(hwnd);
    if (it == m_windows.end() || !w || !(flags & (AW_VER_POSITIVE | AW_VER_NEGATIVE))) {
        Driver::Animate(hwnd, milliseconds, flags);
        return;
    }
    // The window rolls in from (or out to) its bottom or top edge in steps.
    it->second.repaintAll = true;
    Present();
    const int steps = std::max<int>(1, static_cast<int>(milliseconds / 20));
    const int height = w->Height();
    const bool hide = (flags & AW_HIDE) != 0;
    const bool fromBottom = (flags & AW_VER_NEGATIVE) != 0;
    for (int i = 1; i <= steps; ++i) {
        const int shown = height * (hide ? steps - i : i) / steps;
        // Sliding up shows the bottom edge first; sliding down hides the top first.
        const bool keepBottom = fromBottom != hide;
        if (keepBottom)
            ApplyShape(hwnd, it->second, height - shown, height);
        else
            ApplyShape(hwnd, it->second, 0, shown);
        // What the shape uncovers was never drawn (the server keeps no pixels outside a
        // shape), and the loop answers no Expose until it ends: put the picture again.
        it->second.repaintAll = true;
        Present();
        Sleep(milliseconds / static_cast<DWORD>(steps));
    }
    ApplyShape(hwnd, it->second);
    XFlush(m_display);
}

void X11Driver::SetCursorShape(int cursor) {
    if (cursor == m_cursorId) return;
    m_cursorId = cursor;
    unsigned long& shape = m_cursors[cursor];
    if (!shape) shape = XCreateFontCursor(m_display, CursorGlyph(cursor));
    m_cursor = shape;
    for (const auto& [hwnd, native] : m_windows) XDefineCursor(m_display, native.window, shape);
    if (m_grabbed)
        XChangeActivePointerGrab(m_display, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                 shape, CurrentTime);
}

void X11Driver::SetCursorPos(TPoint screen) {
    XWarpPointer(m_display, None, m_root, 0, 0, 0, 0, screen.x, screen.y);
    XFlush(m_display);
}

// The desktop's handler opens the address, started directly: no shell reads the address.
bool X11Driver::OpenUrl(const std::string& url) {
    if (url.empty() || url[0] == '-') return false;  // it would read as an option
    const char* argv[] = {"xdg-open", url.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv),
                     environ) != 0)
        return false;
    m_children.push_back(child);
    return true;
}

// The bell goes through XKB with the name of the sound, so that a desktop that plays its
// own sounds for bells plays the matching one; the server's bell rings where none does.
void X11Driver::Beep(UINT type) {
    unsigned long sound = m_atoms->bell;
    switch (type & 0xF0) {
        case MB_ICONERROR:
            sound = m_atoms->dialogError;
            break;
        case MB_ICONQUESTION:
            sound = m_atoms->dialogQuestion;
            break;
        case MB_ICONEXCLAMATION:
            sound = m_atoms->dialogWarning;
            break;
        case MB_ICONINFORMATION:
            sound = m_atoms->dialogInformation;
            break;
        default:
            break;
    }
    ::Window window = None;
    if (auto it = m_windows.find(WM().active); it != m_windows.end()) window = it->second.window;
    if (!XkbBell(m_display, window, 0, sound)) XBell(m_display, 0);
    XFlush(m_display);
}

void X11Driver::SetClipboardText(const std::string& text) {
    m_clipboard->SetText(text, m_lastTime);
}

std::string X11Driver::GetClipboardText() {
    return m_clipboard->GetText(m_lastTime);
}

void X11Driver::SetSelectionText(const std::string& text) {
    m_primary->SetText(text, m_lastTime);
}

std::string X11Driver::GetSelectionText() {
    return m_primary->GetText(m_lastTime);
}

void X11Driver::Wake() {
    if (m_wakePipe[1] >= 0) (void)!write(m_wakePipe[1], "w", 1);
}

}  // namespace win
