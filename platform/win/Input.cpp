// Focus and activation, capture, key state, and turning device input into messages.
#include "platform/win/Input.h"

#include <cstdlib>
#include <deque>

#include "platform/win/Message.h"
#include "platform/win/Timer.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

void SendActivate(HWND hwnd, WORD state, HWND other) {
    if (!WM().Find(hwnd)) return;
    SendMessage(hwnd, WM_NCACTIVATE, state != WA_INACTIVE, 0);
    SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(state, IsIconic(hwnd) ? 1 : 0),
                reinterpret_cast<LPARAM>(other));
}

}  // namespace

HWND SetFocus(HWND hwnd) {
    WindowManager& wm = WM();
    const HWND previous = wm.focus;
    if (hwnd) {
        const WindowObject* w = wm.Find(hwnd);
        if (!w || hwnd == wm.Desktop()) {
            SetLastErrorInvalidHandle();
            return nullptr;
        }
        if (w->style & WS_DISABLED) return nullptr;
        if (hwnd == previous) return previous;
        const HWND top = wm.TopLevelOf(hwnd);
        if (top != wm.active) {
            SetActiveWindow(top);
            // Activation may have moved the focus; the caller's window still gets it.
            if (!wm.Find(hwnd)) return nullptr;
            if (wm.focus == hwnd) return previous;
        }
    }
    const HWND losing = wm.focus;
    wm.focus = hwnd;
    if (hwnd)
        if (WindowObject* top = wm.Find(wm.TopLevelOf(hwnd))) top->lastFocus = hwnd;
    if (losing && wm.Find(losing))
        SendMessage(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && wm.focus == hwnd && wm.Find(hwnd))
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
    return previous;
}

HWND GetFocus() {
    return WM().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    WindowManager& wm = WM();
    const HWND previous = wm.active;
    if (hwnd) {
        hwnd = wm.TopLevelOf(hwnd);
        if (!hwnd) return nullptr;
    }
    if (hwnd == previous) return previous;
    wm.active = hwnd;
    if (previous) SendActivate(previous, WA_INACTIVE, hwnd);
    if (wm.active != hwnd) return previous;  // the deactivated window activated another
    if (hwnd) {
        if (GetTopWindow(nullptr) != hwnd && !(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
            // Below top-most windows is as high as an ordinary window goes.
            const HWND above = GetWindow(hwnd, GW_HWNDPREV);
            if (above && !(GetWindowLong(above, GWL_EXSTYLE) & WS_EX_TOPMOST))
                BringWindowToTop(hwnd);
        } else if (GetTopWindow(nullptr) != hwnd) {
            BringWindowToTop(hwnd);
        }
        SendActivate(hwnd, WA_ACTIVE, previous);
        if (wm.active == hwnd && wm.Find(hwnd)) wm.GetDriver().WindowActivated(hwnd);
        // DefWindowProc's WM_ACTIVATE gives a window without focused child the focus; a
        // procedure of its own may have chosen another control.
        if (wm.focus && wm.TopLevelOf(wm.focus) != wm.active) SetFocus(nullptr);
    } else if (wm.focus) {
        SetFocus(nullptr);
    }
    return previous;
}

HWND GetActiveWindow() {
    return WM().active;
}
BOOL SetForegroundWindow(HWND hwnd) {
    SetActiveWindow(hwnd);
    return hwnd && WM().active == WM().TopLevelOf(hwnd) ? TRUE : FALSE;
}
HWND GetForegroundWindow() {
    return WM().active;
}

void win::ActivateNextAfter(HWND hwnd) {
    WindowManager& wm = WM();
    const WindowObject* w = wm.Find(hwnd);
    HWND next = nullptr;
    if (w && w->owner && IsWindowVisible(w->owner) && !IsIconic(w->owner)) {
        next = w->owner;
    } else {
        for (HWND top : wm.Find(wm.Desktop())->children) {
            const WindowObject* t = wm.Find(top);
            if (top != hwnd && t && t->Visible() && !(t->style & (WS_MINIMIZE | WS_DISABLED)) &&
                !(t->exStyle & WS_EX_TOOLWINDOW)) {
                next = top;
                break;
            }
        }
    }
    if (wm.active == hwnd || !wm.active) SetActiveWindow(next);
    if (wm.focus && wm.TopLevelOf(wm.focus) == hwnd) SetFocus(nullptr);
}

void win::ForgetInputState(HWND hwnd) {
    WindowManager& wm = WM();
    if (wm.focus == hwnd) wm.focus = nullptr;
    if (wm.active == hwnd) wm.active = nullptr;
    if (wm.capture == hwnd) {
        wm.capture = nullptr;
        wm.GetDriver().CaptureChanged(nullptr);
    }
    if (wm.mouseWindow == hwnd) wm.mouseWindow = nullptr;
    if (wm.lastClickWindow == hwnd) wm.lastClickWindow = nullptr;
}

HWND SetCapture(HWND hwnd) {
    WindowManager& wm = WM();
    if (!wm.Find(hwnd)) return nullptr;
    const HWND previous = wm.capture;
    if (previous == hwnd) return previous;
    wm.capture = hwnd;
    if (previous) SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    wm.GetDriver().CaptureChanged(hwnd);
    return previous;
}

BOOL ReleaseCapture() {
    WindowManager& wm = WM();
    const HWND previous = wm.capture;
    if (!previous) return TRUE;
    wm.capture = nullptr;
    wm.GetDriver().CaptureChanged(nullptr);
    SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return WM().capture;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = WM().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    WM().GetDriver().SetCursorPos({x, y});
    InputEvent move;
    move.kind = InputEvent::Kind::MouseMove;
    move.screen = {x, y};
    WM().Input().push_back(move);
    return TRUE;
}

SHORT GetKeyState(int virtualKey) {
    const BYTE state = WM().keyState[virtualKey & 0xFF];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 1));
}

SHORT GetAsyncKeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}

UINT GetDoubleClickTime() {
    return 500;
}

HCURSOR LoadCursor(HINSTANCE, int cursorId) {
    return reinterpret_cast<HCURSOR>(static_cast<std::intptr_t>(cursorId));
}

HCURSOR SetCursor(HCURSOR cursor) {
    static HCURSOR current = LoadCursor(nullptr, IDC_ARROW);
    const HCURSOR previous = current;
    current = cursor;
    WM().GetDriver().SetCursorShape(
        cursor ? static_cast<int>(reinterpret_cast<std::intptr_t>(cursor)) : 0);
    return previous;
}

// From device events to messages.
namespace {

WPARAM MouseKeyFlags() {
    WPARAM flags = 0;
    if (GetKeyState(VK_LBUTTON) & 0x8000) flags |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) & 0x8000) flags |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) & 0x8000) flags |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) & 0x8000) flags |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) & 0x8000) flags |= MK_CONTROL;
    return flags;
}

void SetKey(int vk, bool down) {
    BYTE& state = WM().keyState[vk & 0xFF];
    if (down && !(state & 0x80)) state ^= 1;
    state = static_cast<BYTE>(down ? (state | 0x80) : (state & ~0x80));
}

// The generic modifier keys follow their left and right keys.
void SetKeyWithGeneric(int vk, bool down) {
    SetKey(vk, down);
    auto either = [](int a, int b) {
        return (WM().keyState[a] & 0x80) || (WM().keyState[b] & 0x80);
    };
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) SetKey(VK_SHIFT, either(VK_LSHIFT, VK_RSHIFT));
    if (vk == VK_LCONTROL || vk == VK_RCONTROL)
        SetKey(VK_CONTROL, either(VK_LCONTROL, VK_RCONTROL));
    if (vk == VK_LMENU || vk == VK_RMENU) SetKey(VK_MENU, either(VK_LMENU, VK_RMENU));
}

// A press inside an MDI child that is not its client's active one activates it first.
void ActivateMdiChildUnder(HWND target) {
    for (HWND h = target; h && h != WM().Desktop(); h = GetParent(h)) {
        const WindowObject* w = WM().Find(h);
        if (!w || !w->IsChild()) return;
        if (!(w->exStyle & WS_EX_MDICHILD)) continue;
        const HWND client = w->parent;
        if (reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)) != h)
            SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h), 0);
        return;
    }
}

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{hwnd, message, wParam, lParam, GetTickCount(), WM().cursor};
}

void MouseEvent(const InputEvent& event, std::deque<MSG>& out) {
    WindowManager& wm = WM();
    wm.cursor = event.screen;
    static constexpr int buttonKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    const int button = std::clamp(event.button, 0, 2);
    if (event.kind == InputEvent::Kind::MouseDown) SetKey(buttonKeys[button], true);
    if (event.kind == InputEvent::Kind::MouseUp) SetKey(buttonKeys[button], false);

    HWND target = wm.capture ? wm.capture : WindowFromPoint(event.screen);
    if (wm.mouseWindow && wm.mouseWindow != target) {
        out.push_back(Make(wm.mouseWindow, WM_MOUSELEAVE, 0, 0));
        wm.mouseWindow = nullptr;
    }
    if (!target) return;
    wm.mouseWindow = target;
    // A disabled window (a form behind its modal dialog) gets no mouse input at all.
    if (!IsWindowEnabled(target) || !IsWindowEnabled(wm.TopLevelOf(target))) return;

    if (event.kind == InputEvent::Kind::Wheel) {
        HWND focus = wm.focus ? wm.focus : target;
        out.push_back(Make(focus, WM_MOUSEWHEEL,
                           MAKEWPARAM(static_cast<int>(MouseKeyFlags()), event.wheelDelta),
                           MAKELPARAM(event.screen.x, event.screen.y)));
        return;
    }
    if (event.kind == InputEvent::Kind::MouseDown && !wm.capture) {
        const HWND top = wm.TopLevelOf(target);
        if (top && top != wm.active && IsWindowEnabled(top)) {
            const LRESULT how =
                SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), 0);
            if (how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT) SetActiveWindow(top);
            if (how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT) return;
        }
        if (!wm.Find(target)) return;
        ActivateMdiChildUnder(target);
        if (!wm.Find(target)) return;
    }
    LRESULT hit = HTCLIENT;
    if (!wm.capture) {
        hit = SendMessage(target, WM_NCHITTEST, 0, MAKELPARAM(event.screen.x, event.screen.y));
        if (hit == HTNOWHERE || hit == HTTRANSPARENT || hit == HTERROR) return;
    }
    UINT base;  // the message for this button's press; up is base + 1, double-click base + 2
    switch (event.kind) {
        case InputEvent::Kind::MouseDown:
        case InputEvent::Kind::MouseUp:
            base = button == 0 ? WM_LBUTTONDOWN : button == 1 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
            break;
        default:
            base = WM_MOUSEMOVE;
            break;
    }
    UINT message = base;
    if (event.kind == InputEvent::Kind::MouseUp) message = base + 1;
    if (event.kind == InputEvent::Kind::MouseDown) {
        const DWORD now = GetTickCount();
        const WindowObject* w = wm.Find(target);
        const bool dblClicks = w && w->windowClass && (w->windowClass->style & CS_DBLCLKS);
        const bool isDouble = (dblClicks || hit != HTCLIENT) && wm.lastClickWindow == target &&
                              wm.lastClickMessage == base &&
                              now - wm.lastClickTime <= GetDoubleClickTime() &&
                              std::abs(event.screen.x - wm.lastClickPoint.x) <= 2 &&
                              std::abs(event.screen.y - wm.lastClickPoint.y) <= 2;
        if (isDouble) {
            message = base + 2;
            wm.lastClickWindow = nullptr;
        } else {
            wm.lastClickWindow = target;
            wm.lastClickMessage = base;
            wm.lastClickTime = now;
            wm.lastClickPoint = event.screen;
        }
    }
    if (!wm.capture) {
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                    MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
        if (!wm.Find(target)) return;
        ActivateMdiChildUnder(target);
        if (!wm.Find(target)) return;
    }
    if (hit == HTCLIENT) {
        POINT client = event.screen;
        ScreenToClient(target, &client);
        out.push_back(Make(target, message, MouseKeyFlags(), MAKELPARAM(client.x, client.y)));
    } else {
        // WM_NCMOUSEMOVE and friends sit at the same distance from WM_MOUSEMOVE's range.
        const UINT nc = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        out.push_back(
            Make(target, nc, static_cast<WPARAM>(hit), MAKELPARAM(event.screen.x, event.screen.y)));
    }
}

// The pointer went where no window of the program is; a capturing window still follows it.
void LeaveEvent(const InputEvent& event, std::deque<MSG>& out) {
    WindowManager& wm = WM();
    if (wm.capture) return;
    // The pointer is now where the leave found it, outside our windows: whatever asks
    // for its position (a hover drawn at the next paint) must not see the last point inside.
    wm.cursor = event.screen;
    if (!wm.mouseWindow) return;
    out.push_back(Make(wm.mouseWindow, WM_MOUSELEAVE, 0, 0));
    wm.mouseWindow = nullptr;
}

void KeyEvent(const InputEvent& event, std::deque<MSG>& out) {
    WindowManager& wm = WM();
    const bool down = event.kind == InputEvent::Kind::KeyDown;
    const BYTE before = wm.keyState[event.vk & 0xFF];
    SetKeyWithGeneric(event.vk, down);
    if (event.vk == VK_SHIFT || event.vk == VK_CONTROL || event.vk == VK_MENU)
        SetKey(event.vk, down);
    const HWND target = wm.focus ? wm.focus : wm.active;
    if (!target) return;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    // F10 is the menu's key as Alt is, and comes as a system key as Alt does.
    const bool sys = (alt && !ctrl) || event.vk == VK_MENU || event.vk == VK_LMENU ||
                     event.vk == VK_RMENU || (event.vk == VK_F10 && !ctrl);
    LPARAM lParam = 1;
    if (alt) lParam |= KF_ALTDOWN_LPARAM;
    if (down && (before & 0x80)) lParam |= 0x40000000;  // repeated
    if (!down) lParam |= static_cast<LPARAM>(0xC0000000u);
    const UINT message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    // Key messages name the generic modifier, as Win32's do; only GetKeyState tells sides.
    int vk = event.vk;
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) vk = VK_SHIFT;
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) vk = VK_CONTROL;
    if (vk == VK_LMENU || vk == VK_RMENU) vk = VK_MENU;
    out.push_back(Make(target, message, static_cast<WPARAM>(vk), lParam));
}

void CharEvent(const InputEvent& event, std::deque<MSG>& out) {
    WindowManager& wm = WM();
    const HWND target = wm.focus ? wm.focus : wm.active;
    if (!target) return;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool sys = alt && !ctrl;
    out.push_back(Make(target, sys ? WM_SYSCHAR : WM_CHAR, static_cast<WPARAM>(event.ch),
                       1 | (alt ? KF_ALTDOWN_LPARAM : 0)));
}

}  // namespace

namespace win {

void ConvertInput(const InputEvent& event, std::deque<MSG>& out) {
    switch (event.kind) {
        case InputEvent::Kind::KeyDown:
        case InputEvent::Kind::KeyUp:
            KeyEvent(event, out);
            break;
        case InputEvent::Kind::Char:
            CharEvent(event, out);
            break;
        case InputEvent::Kind::MouseLeave:
            LeaveEvent(event, out);
            break;
        default:
            MouseEvent(event, out);
            break;
    }
}

}  // namespace win
