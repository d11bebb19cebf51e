// The X11 backend's input: X events become device input and window changes, the message
// loop waits on the connection, and termination signals end the loop.
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win/DescriptorWatch.h"
#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"
#include "platform/win/backend/x11/X11Atoms.h"
#include "platform/win/backend/x11/X11Clipboard.h"
#include "platform/win/backend/x11/X11Driver.h"
#include "platform/win/backend/x11/X11Image.h"
#include "platform/win/backend/x11/X11Keyboard.h"

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace win {

namespace {

// The start leaves its temporaries (files, form descriptions, decoders) freed in the heap,
// and closing windows frees their bitmaps; the allocator keeps both for reuse. While the
// program waits for input, it gives the pages of free memory back to the system when the
// heap holds clearly more free memory than after its last trim. A trim leaves the free count
// as it was (the chunks stay free, only their pages go), hence the comparison with it; a
// paint that allocates and frees the same memory does not raise the count, so it costs no trim.
void ReturnFreedMemory() {
    constexpr std::size_t kNewlyFree = 64 * 1024;
    static std::size_t s_freeAtTrim = 0;
    const std::size_t free = mallinfo2().fordblks;
    if (free < s_freeAtTrim + kNewlyFree) return;
    malloc_trim(0);
    s_freeAtTrim = free;
}

// A termination signal only writes to a pipe; the message loop reads it and ends as when
// the user closes the program, so forms are destroyed and files closed as usual. Every
// signal is read so: one that comes while the program asks something on its way out ends
// the question, as the first ended the loop.
int g_signalPipe[2] = {-1, -1};
constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnTerminationSignal(int signal) {
    const char byte = static_cast<char>(signal);
    if (g_signalPipe[1] >= 0) (void)!write(g_signalPipe[1], &byte, 1);
}

}  // namespace

void InstallTerminationSignals() {
    if (g_signalPipe[0] < 0 && pipe2(g_signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : kTerminationSignals) sigaction(signal, &action, nullptr);
}

// Without the display, nothing reads the pipe: signals end the program as any other.
void RestoreTerminationSignals() {
    for (int signal : kTerminationSignals) ::signal(signal, SIG_DFL);
}

int TerminationSignalPipe() {
    return g_signalPipe[0];
}

void X11Driver::CheckSignals() {
    char bytes[16];
    if (g_signalPipe[0] < 0 || read(g_signalPipe[0], bytes, sizeof bytes) <= 0) return;
    while (read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (WM().capture) SendMessage(WM().capture, WM_CANCELMODE, 0, 0);
    PostQuitMessage(0);
}

void X11Driver::ReapChildren() {
    std::erase_if(m_children, [](int child) { return waitpid(child, nullptr, WNOHANG) != 0; });
}

void X11Driver::PollInput() {
    CheckSignals();
    if (m_wantGrab && WM().capture) Grab();
    while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (m_keyboard->Filter(event)) continue;
        Translate(event);
    }
    if (m_systemMove) CheckSystemMove();
    if (!m_children.empty()) ReapChildren();
}

void X11Driver::WaitInput(std::optional<DWORD> deadline, const std::string&) {
    Present();
    if (XPending(m_display)) return;
    ReturnFreedMemory();
    // Present has synced with the server after any shared transfer.
    for (auto& [hwnd, native] : m_windows)
        if (native.image) native.image->ReleaseStaging();
    int timeout = -1;
    if (deadline)
        timeout = std::max<std::int32_t>(0, static_cast<std::int32_t>(*deadline - TickCount()));
    // The window manager keeps the button's release during its move; we look for it.
    if (m_systemMove || m_wantGrab) timeout = timeout < 0 ? 30 : std::min(timeout, 30);
    std::vector<pollfd> fds = {{ConnectionNumber(m_display), POLLIN, 0},
                               {m_wakePipe[0], POLLIN, 0},
                               {g_signalPipe[0], POLLIN, 0}};
    // The loop runs the handlers of watched descriptors when the wait ends.
    AppendWatchedDescriptors(fds);
    if (AnyWatchMarkedReady()) timeout = 0;
    if (poll(fds.data(), fds.size(), timeout) > 0 && (fds[1].revents & POLLIN)) {
        char drained[64];
        while (read(m_wakePipe[0], drained, sizeof drained) > 0) {
        }
    }
}

void X11Driver::PushMouse(InputEvent::Kind kind, int x, int y, int button) {
    std::deque<InputEvent>& input = WM().Input();
    // Motion faster than the program follows it only needs its latest position.
    if (kind == InputEvent::Kind::MouseMove && !input.empty() &&
        input.back().kind == InputEvent::Kind::MouseMove) {
        input.back().screen = {x, y};
        return;
    }
    InputEvent event;
    event.kind = kind;
    event.screen = {x, y};
    event.button = button;
    input.push_back(event);
}

// The window manager's move ends with the button's release, which it keeps for itself.
void X11Driver::CheckSystemMove() {
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned mask = 0;
    XQueryPointer(m_display, m_root, &root, &child, &rootX, &rootY, &x, &y, &mask);
    if (mask & Button1Mask) return;
    // Where the window manager left the window is where the loop ends it.
    const HWND hwnd = std::exchange(m_systemMove, nullptr);
    XSync(m_display, False);
    if (auto it = m_windows.find(hwnd); it != m_windows.end()) Configured(hwnd, it->second);
    PushMouse(InputEvent::Kind::MouseUp, rootX, rootY, 0);
}

// WM_STATE, which the window manager keeps, says whether it iconified the window (and did
// not merely unmap it to reparent it).
bool X11Driver::IconicOnServer(const Native& native) const {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    bool iconic = false;
    if (XGetWindowProperty(m_display, native.window, m_atoms->WM_STATE, 0, 2, False,
                           m_atoms->WM_STATE, &type, &format, &items, &after, &data) == Success &&
        data && format == 32 && items >= 1)
        iconic = reinterpret_cast<long*>(data)[0] == IconicState;
    if (data) XFree(data);
    return iconic;
}

// The window manager or the user moved or resized a window: the window follows.
void X11Driver::Configured(HWND hwnd, Native& native) {
    ::Window child = 0;
    int x = 0, y = 0;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, native.window, &attributes) ||
        !XTranslateCoordinates(m_display, native.window, m_root, 0, 0, &x, &y, &child))
        return;
    const TRect now = Bounds(x, y, attributes.width, attributes.height);
    if (now == native.placed) return;
    RECT r;
    GetWindowRect(hwnd, &r);
    if (r == now) {
        native.placed = now;
        return;
    }
    m_applyingServerGeometry = true;
    SetWindowPos(hwnd, nullptr, now.left, now.top, now.Width(), now.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_applyingServerGeometry = false;
}

void X11Driver::FocusChanged(XEvent& event) {
    const XFocusChangeEvent& focus = event.xfocus;
    if (focus.mode == NotifyGrab || focus.mode == NotifyUngrab || focus.detail == NotifyInferior ||
        focus.detail == NotifyPointer)
        return;
    WindowManager& wm = WM();
    const HWND hwnd = FromWindow(focus.window);
    if (!hwnd) return;
    if (event.type == FocusIn) {
        m_keyboard->FocusWindow(focus.window);
        // Keys released while another program had the keyboard must not stay down here.
        char keys[32];
        XQueryKeymap(m_display, keys);
        static const struct {
            unsigned long keysym;
            int vk;
        } modifiers[] = {{XK_Shift_L, VK_LSHIFT},     {XK_Shift_R, VK_RSHIFT},
                         {XK_Control_L, VK_LCONTROL}, {XK_Control_R, VK_RCONTROL},
                         {XK_Alt_L, VK_LMENU},        {XK_Alt_R, VK_RMENU}};
        for (const auto& m : modifiers) {
            const KeyCode code = XKeysymToKeycode(m_display, m.keysym);
            const bool down = code && (keys[code / 8] & (1 << (code % 8)));
            if (!down && (wm.keyState[m.vk] & 0x80)) {
                InputEvent up;
                up.kind = InputEvent::Kind::KeyUp;
                up.vk = m.vk;
                wm.Input().push_back(up);
            }
        }
        // A window that never takes activation (a menu) leaves it with its owner, even
        // when a desktop hands it the keyboard.
        if (wm.active != hwnd && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd) &&
            !(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE))
            SetActiveWindow(hwnd);
        return;
    }
    // The keyboard went to another program: menus close and the window shows inactive.
    if (wm.active != hwnd) return;
    ::Window now = 0;
    int revert = 0;
    XGetInputFocus(m_display, &now, &revert);
    if (FromWindow(now)) return;
    if (wm.capture) SendMessage(wm.capture, WM_CANCELMODE, 0, 0);
    SetActiveWindow(nullptr);
}

void X11Driver::Translate(XEvent& event) {
    switch (event.type) {
        case MotionNotify:
            m_lastTime = event.xmotion.time;
            PushMouse(InputEvent::Kind::MouseMove, event.xmotion.x_root, event.xmotion.y_root);
            return;
        case ButtonPress:
        case ButtonRelease: {
            const XButtonEvent& b = event.xbutton;
            m_lastTime = b.time;
            const bool press = event.type == ButtonPress;
            if (b.button == Button4 || b.button == Button5) {
                if (!press) return;
                InputEvent wheel;
                wheel.kind = InputEvent::Kind::Wheel;
                wheel.screen = {b.x_root, b.y_root};
                wheel.wheelDelta = b.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA;
                WM().Input().push_back(wheel);
                return;
            }
            if (b.button > Button3) return;  // sideways scrolling and extra buttons
            const int button = b.button == Button1 ? 0 : b.button == Button3 ? 1 : 2;
            PushMouse(press ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp, b.x_root,
                      b.y_root, button);
            return;
        }
        case EnterNotify:
            if (event.xcrossing.mode == NotifyNormal)
                PushMouse(InputEvent::Kind::MouseMove, event.xcrossing.x_root,
                          event.xcrossing.y_root);
            return;
        case LeaveNotify:
            if (event.xcrossing.mode == NotifyNormal && event.xcrossing.detail != NotifyInferior &&
                !m_grabbed)
                PushMouse(InputEvent::Kind::MouseLeave, event.xcrossing.x_root,
                          event.xcrossing.y_root);
            return;
        case KeyPress:
        case KeyRelease:
            m_lastTime = event.xkey.time;
            m_keyboard->Translate(event, WM().Input());
            return;
        case FocusIn:
        case FocusOut:
            FocusChanged(event);
            return;
        case MappingNotify:
            if (event.xmapping.request != MappingPointer) XRefreshKeyboardMapping(&event.xmapping);
            return;
        case SelectionRequest:
        case SelectionClear:
            if (!m_clipboard->Handle(event) && !m_primary->Handle(event))
                X11Clipboard::Refuse(m_display, event);
            return;
        case PropertyNotify:
            if (event.xproperty.window == m_root &&
                (event.xproperty.atom == m_atoms->_NET_SUPPORTING_WM_CHECK ||
                 event.xproperty.atom == m_atoms->_NET_SUPPORTED))
                m_desktopManager.reset();
            return;
        default:
            break;
    }
    const HWND hwnd = FromWindow(event.xany.window);
    auto it = m_windows.find(hwnd);
    if (!hwnd || it == m_windows.end()) return;
    Native& native = it->second;
    switch (event.type) {
        case Expose: {
            const XExposeEvent& e = event.xexpose;
            native.exposed =
                native.exposed.United(gfx::Region(Bounds(e.x, e.y, e.width, e.height)));
            return;
        }
        case ConfigureNotify:
            // Our own move loop's requests reach a window manager late; its answers to
            // earlier ones must not pull the window back while the loop runs.
            if (!native.popup && !(WM().inMoveLoop && !m_systemMoving)) Configured(hwnd, native);
            return;
        case MapNotify:
            native.viewable = true;
            if (native.focusWhenMapped) {
                native.focusWhenMapped = false;
                XSetInputFocus(m_display, native.window, RevertToParent, CurrentTime);
            }
            // The user restored the window from the desktop's task bar.
            if (native.iconic && IsIconic(hwnd)) {
                native.iconic = false;
                PostMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
            }
            return;
        case UnmapNotify:
            native.viewable = false;
            if (native.unmapsExpected > 0) {
                --native.unmapsExpected;
            } else if (native.shown && !native.popup && !IsIconic(hwnd) && IconicOnServer(native)) {
                // The desktop iconified it (a key of its own, its task bar).
                native.iconic = true;
                PostMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            }
            return;
        case ClientMessage:
            if (event.xclient.message_type == m_atoms->WM_PROTOCOLS &&
                static_cast<unsigned long>(event.xclient.data.l[0]) == m_atoms->WM_DELETE_WINDOW)
                PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        default:
            return;
    }
}

}  // namespace win
