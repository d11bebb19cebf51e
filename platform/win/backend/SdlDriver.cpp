#include "platform/win/backend/SdlDriver.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "platform/gfx/Font.h"
#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/Screen.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"
#include "platform/win/backend/SdlKeyMap.h"

// X11's headers define short macros (None, Bool, KeyPress), so they come last.
#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace win {

namespace {

bool IsPopupMenu(HWND hwnd) {
    const DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    const DWORD ex = static_cast<DWORD>(GetWindowLong(hwnd, GWL_EXSTYLE));
    return (style & WS_POPUP) && GetWindow(hwnd, GW_OWNER) &&
           (ex & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE));
}

bool X11Handles(SDL_Window* window, Display*& display, ::Window& xwindow) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    display = info.info.x11.display;
    xwindow = info.info.x11.window;
    return true;
}

// X reports errors after the fact; one about a window that is already gone (SDL talking to
// a window it has just destroyed) must not end the program, as Xlib's default handler would.
int OnXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow) return 0;
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error (request %d): %s\n", error->request_code, text);
    return 0;
}

// Without its display the program can neither show nor save anything; Xlib's default would
// run the exit handlers, which talk to the lost display again and never finish.
int OnXConnectionLost(Display*) {
    std::fputs("The connection to the display was lost.\n", stderr);
    _exit(1);
}

}  // namespace

// Where the pointer is now, in screen coordinates. Asked of the X server itself: SDL's
// global state can lag behind synthetic input, and event positions are relative to a
// window that a move loop may have moved since.
TPoint SdlDriver::PointerNow() const {
    for (const auto& [hwnd, native] : m_windows) {
        Display* display = nullptr;
        ::Window xwindow = 0;
        if (!native.window || !X11Handles(native.window, display, xwindow)) continue;
        ::Window root = 0, child = 0;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned mask = 0;
        if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x,
                          &y, &mask))
            return {rootX, rootY};
    }
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return {x, y};
}

SdlDriver::SdlDriver() {
    // Our loop waits on the X connection, not on SDL's queue, so SDL's quit event would go
    // unseen: a terminate signal must end the program as it ends any other.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // An accelerated window surface would recreate the X window behind our back, losing its
    // shape; the plain X11 framebuffer keeps the window we shaped.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("SDL cannot open the display: ") + SDL_GetError());
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnXConnectionLost);
    if (pipe2(m_wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) m_wakePipe[0] = m_wakePipe[1] = -1;
    SDL_StartTextInput();
}

SdlDriver::~SdlDriver() {
    for (auto& [hwnd, native] : m_windows)
        if (native.window) SDL_DestroyWindow(native.window);
    for (auto& [id, cursor] : m_cursors) SDL_FreeCursor(cursor);
    SDL_Quit();
    for (int fd : m_wakePipe)
        if (fd >= 0) close(fd);
}

TRect SdlDriver::ScreenRect() const {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(0, &r) != 0) return Driver::ScreenRect();
    return Bounds(r.x, r.y, r.w, r.h);
}

TRect SdlDriver::WorkArea() const {
    SDL_Rect r;
    if (SDL_GetDisplayUsableBounds(0, &r) != 0) return ScreenRect();
    return Bounds(r.x, r.y, r.w, r.h);
}

SdlDriver::Native* SdlDriver::Ensure(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || w->parent != WM().Desktop()) return nullptr;
    Native& native = m_windows[hwnd];
    if (native.window) return &native;
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (IsPopupMenu(hwnd))
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    else if (w->exStyle & WS_EX_TOPMOST)
        flags |= SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    if (w->exStyle & WS_EX_TOOLWINDOW) flags |= SDL_WINDOW_SKIP_TASKBAR;
    native.window = SDL_CreateWindow(w->text.c_str(), w->rect.left, w->rect.top,
                                     std::max(1, w->Width()), std::max(1, w->Height()), flags);
    if (!native.window) {
        m_windows.erase(hwnd);
        throw std::runtime_error(std::string("SDL cannot create a window: ") + SDL_GetError());
    }
    return &native;
}

void SdlDriver::WindowShown(HWND hwnd) {
    Native* native = Ensure(hwnd);
    if (!native) return;
    const WindowObject* w = WM().Find(hwnd);
    SDL_SetWindowPosition(native->window, w->rect.left, w->rect.top);
    SDL_SetWindowSize(native->window, std::max(1, w->Width()), std::max(1, w->Height()));
    ApplyShape(hwnd, *native);
    SDL_ShowWindow(native->window);
    if (SDL_GetWindowFlags(native->window) & SDL_WINDOW_MINIMIZED)
        SDL_RestoreWindow(native->window);
    native->shown = true;
    native->needsPaint = true;
    // Without a window manager SDL hands every window it shows the keyboard; a window that
    // is not activated (a notification, a menu) gives it back to the active one.
    GiveFocusBack(hwnd);
}

void SdlDriver::GiveFocusBack(HWND hwnd) {
    const HWND active = WM().active;
    if (!active || active == hwnd) return;
    auto it = m_windows.find(active);
    if (it != m_windows.end() && it->second.window && it->second.shown)
        SDL_SetWindowInputFocus(it->second.window);
}

void SdlDriver::WindowHidden(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || !it->second.window) return;
    // A minimised window goes to the desktop's task bar, from where the user restores it.
    if (IsIconic(hwnd) && IsWindowVisible(hwnd) == FALSE &&
        (GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE))
        SDL_MinimizeWindow(it->second.window);
    else
        SDL_HideWindow(it->second.window);
    it->second.shown = false;
}

void SdlDriver::WindowDestroyed(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    if (it->second.window) SDL_DestroyWindow(it->second.window);
    m_windows.erase(it);
}

void SdlDriver::WindowMoved(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    const WindowObject* w = WM().Find(hwnd);
    if (it == m_windows.end() || !it->second.window || !w) return;
    int width = 0, height = 0;
    SDL_GetWindowSize(it->second.window, &width, &height);
    SDL_SetWindowPosition(it->second.window, w->rect.left, w->rect.top);
    if (width != w->Width() || height != w->Height()) {
        SDL_SetWindowSize(it->second.window, std::max(1, w->Width()), std::max(1, w->Height()));
        ApplyShape(hwnd, it->second);
        it->second.needsPaint = true;
    }
}

void SdlDriver::WindowTextChanged(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end() && it->second.window)
        SDL_SetWindowTitle(it->second.window, GetWindowText(hwnd).c_str());
}

void SdlDriver::WindowRegionChanged(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end() && it->second.window) ApplyShape(hwnd, it->second);
}

void SdlDriver::WindowZOrderChanged(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end() && it->second.window && !IsPopupMenu(hwnd)) {
        const bool topMost = (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        SDL_SetWindowAlwaysOnTop(it->second.window, topMost ? SDL_TRUE : SDL_FALSE);
    }
    if (it != m_windows.end() && it->second.window && it->second.shown &&
        GetTopWindow(nullptr) == hwnd)
        SDL_RaiseWindow(it->second.window);
}

void SdlDriver::WindowActivated(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || !it->second.window || !it->second.shown) return;
    SDL_RaiseWindow(it->second.window);
    // Without a window manager nobody else hands out the keyboard focus.
    SDL_SetWindowInputFocus(it->second.window);
}

void SdlDriver::CaptureChanged(HWND hwnd) {
    // While a button is held, X11's implicit grab already brings every motion to the window
    // pressed on, and grabbing again would break it. A capture taken with the buttons up (an
    // open menu) grabs the pointer, so that a click outside every window of ours still
    // arrives and can close the menu.
    const bool buttonsDown = SDL_GetGlobalMouseState(nullptr, nullptr) != 0;
    if (hwnd && !buttonsDown && !m_grabbed) {
        m_grabbed = SDL_CaptureMouse(SDL_TRUE) == 0;
    } else if (!hwnd && m_grabbed) {
        SDL_CaptureMouse(SDL_FALSE);
        m_grabbed = false;
    }
}

// The region as X11 SHAPE rectangles; `revealTop`..`revealBottom` limits it while animating.
void SdlDriver::ApplyShape(HWND hwnd, Native& native, int revealTop, int revealBottom) {
    Display* display = nullptr;
    ::Window xwindow = 0;
    if (!X11Handles(native.window, display, xwindow)) return;
    gfx::Region shape = TopLevelShape(hwnd);
    if (revealBottom >= 0)
        shape = shape.Intersected(TRect{-100000, revealTop, 100000, revealBottom});
    const WindowObject* w = WM().Find(hwnd);
    const bool whole = w && !w->region && revealBottom < 0;
    if (whole) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        for (const TRect& r : shape.Rects())
            rects.push_back({static_cast<short>(r.left), static_cast<short>(r.top),
                             static_cast<unsigned short>(r.Width()),
                             static_cast<unsigned short>(r.Height())});
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(),
                                static_cast<int>(rects.size()), ShapeSet, YXBanded);
    }
    XFlush(display);
}

void SdlDriver::Blit(HWND hwnd, Native& native) {
    const gfx::Bitmap* pixels = TopLevelSurface(hwnd);
    SDL_Surface* target = SDL_GetWindowSurface(native.window);
    if (!pixels || !target || pixels->IsEmpty()) return;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Pixel*>(pixels->Data()), pixels->Width(), pixels->Height(), 32,
        pixels->Width() * static_cast<int>(sizeof(Pixel)), SDL_PIXELFORMAT_ARGB8888);
    if (!source) return;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(native.window);
    native.needsPaint = false;
}

void SdlDriver::Present() {
    for (HWND hwnd : VisibleTopLevelWindows()) {
        auto it = m_windows.find(hwnd);
        const bool dirty = !TakeSurfaceDamage(hwnd).IsEmpty();
        if (it == m_windows.end() || !it->second.shown) continue;
        if (dirty || it->second.needsPaint) Blit(hwnd, it->second);
    }
}

void SdlDriver::Animate(HWND hwnd, DWORD milliseconds, DWORD flags) {
    auto it = m_windows.find(hwnd);
    const WindowObject* w = WM().Find(hwnd);
    if (it == m_windows.end() || !it->second.window || !w ||
        !(flags & (AW_VER_POSITIVE | AW_VER_NEGATIVE))) {
        Driver::Animate(hwnd, milliseconds, flags);
        return;
    }
    // The window rolls in from (or out to) its bottom or top edge in steps.
    Blit(hwnd, it->second);
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
        SDL_Delay(milliseconds / static_cast<DWORD>(steps));
    }
    ApplyShape(hwnd, it->second);
}

HWND SdlDriver::FromWindowId(unsigned id) const {
    SDL_Window* window = SDL_GetWindowFromID(id);
    for (const auto& [hwnd, native] : m_windows)
        if (native.window == window) return hwnd;
    return nullptr;
}

void SdlDriver::Translate(const SDL_Event& event) {
    WindowManager& wm = WM();
    InputEvent input;
    switch (event.type) {
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            input.screen = PointerNow();
            input.kind = event.type == SDL_MOUSEMOTION       ? InputEvent::Kind::MouseMove
                         : event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown
                                                             : InputEvent::Kind::MouseUp;
            if (event.type != SDL_MOUSEMOTION) input.button = ButtonIndex(event.button.button);
            wm.Input().push_back(input);
            return;
        }
        case SDL_MOUSEWHEEL: {
            input.kind = InputEvent::Kind::Wheel;
            input.screen = PointerNow();
            input.wheelDelta = event.wheel.y * WHEEL_DELTA;
            wm.Input().push_back(input);
            return;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            input.kind =
                event.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
            input.vk = VirtualKey(event.key.keysym.sym);
            if (!input.vk) return;
            wm.Input().push_back(input);
            if (event.type == SDL_KEYDOWN) {
                if (const char32_t ch = KeyCharacter(event.key.keysym.sym, event.key.keysym.mod)) {
                    InputEvent typed;
                    typed.kind = InputEvent::Kind::Char;
                    typed.ch = ch;
                    wm.Input().push_back(typed);
                }
            }
            return;
        }
        case SDL_TEXTINPUT: {
            // With Ctrl or Alt held the key event made the character already.
            if (SDL_GetModState() & (KMOD_CTRL | KMOD_ALT)) return;
            const std::string text = event.text.text;
            for (std::size_t pos = 0; pos < text.size();) {
                InputEvent typed;
                typed.kind = InputEvent::Kind::Char;
                typed.ch = gfx::DecodeUtf8(text, pos);
                wm.Input().push_back(typed);
            }
            return;
        }
        case SDL_WINDOWEVENT: {
            const HWND hwnd = FromWindowId(event.window.windowID);
            if (!hwnd) return;
            switch (event.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                    if (auto it = m_windows.find(hwnd); it != m_windows.end())
                        it->second.needsPaint = true;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    // Another program took the keyboard (focus moving between our own
                    // windows leaves one of them focused): close menus, deactivate.
                    if (!SDL_GetKeyboardFocus() && wm.active && !IsPopupMenu(wm.active)) {
                        if (wm.capture) SendMessage(wm.capture, WM_CANCELMODE, 0, 0);
                        SetActiveWindow(nullptr);
                    }
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    if (IsIconic(hwnd)) PostMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
                    break;
                case SDL_WINDOWEVENT_CLOSE:
                    PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    if (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE) {
                        // A notification or a hint that X gave the keyboard hands it back:
                        // activating it would start a tug of war with the active window.
                        GiveFocusBack(hwnd);
                        break;
                    }
                    if (wm.active != hwnd && IsWindowEnabled(hwnd) && !IsPopupMenu(hwnd))
                        SetActiveWindow(hwnd);
                    break;
                default:
                    break;
            }
            return;
        }
        default:
            return;
    }
}

void SdlDriver::PollInput() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) Translate(event);
}

// Waits on the X connection (and the wake pipe) rather than in SDL_WaitEvent, whose
// wake-up machinery sends events to windows that may already be destroyed. The wait is
// cut into short slices so that SDL's own delayed work (settling focus) still runs.
void SdlDriver::WaitInput(std::optional<DWORD> deadline, const std::string&) {
    Present();
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) return;
    int timeout = 100;
    if (deadline) {
        const std::int32_t left = static_cast<std::int32_t>(*deadline - TickCount());
        timeout = std::clamp(left, 0, timeout);
    }
    std::vector<pollfd> fds;
    for (const auto& [hwnd, native] : m_windows) {
        Display* display = nullptr;
        ::Window xwindow = 0;
        if (native.window && X11Handles(native.window, display, xwindow)) {
            fds.push_back({ConnectionNumber(display), POLLIN, 0});
            break;
        }
    }
    if (m_wakePipe[0] >= 0) fds.push_back({m_wakePipe[0], POLLIN, 0});
    if (fds.empty()) {
        SDL_Delay(static_cast<Uint32>(timeout));
        return;
    }
    if (poll(fds.data(), fds.size(), timeout) > 0 && m_wakePipe[0] >= 0) {
        char drained[64];
        while (read(m_wakePipe[0], drained, sizeof drained) > 0) {
        }
    }
}

void SdlDriver::Wake() {
    if (m_wakePipe[1] >= 0) (void)!write(m_wakePipe[1], "w", 1);
}

void SdlDriver::SetCursorShape(int cursor) {
    SDL_Cursor*& shape = m_cursors[cursor];
    if (!shape) shape = SDL_CreateSystemCursor(SystemCursor(cursor));
    if (shape) SDL_SetCursor(shape);
}

void SdlDriver::SetCursorPos(TPoint screen) {
    SDL_WarpMouseGlobal(screen.x, screen.y);
}

bool SdlDriver::OpenUrl(const std::string& url) {
    return SDL_OpenURL(url.c_str()) == 0;
}

void SdlDriver::SetClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

std::string SdlDriver::GetClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

}  // namespace win
