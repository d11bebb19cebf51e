// TWinControl's message handling: the window procedure's dispatch, painting, the routing of
// mouse messages to graphic children, focus, and the keyboard's dialog navigation.
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/controls/HintWindow.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/gfx/Font.h"
#include "platform/win/Windows.h"

namespace {

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

bool IsButtonPress(UINT msg) {
    return msg != WM_MOUSEMOVE && msg != WM_LBUTTONUP && msg != WM_RBUTTONUP &&
           msg != WM_MBUTTONUP;
}

bool IsDialogKey(WORD key) {
    switch (key) {
        case VK_TAB:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_CANCEL:
            return true;
        default:
            return false;
    }
}

}  // namespace

void TWinControl::WndProc(TMessage& Message) {
    const UINT msg = Message.Msg;
    if (IsMouseMessage(msg)) {
        if (msg == WM_MOUSEMOVE) {
            // The control under the pointer, whoever holds the capture; none outside.
            const TPoint point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
            TControl* over = nullptr;
            if (GetClientRect().Contains(point)) {
                over = ControlAtPos(point);
                if (!over) over = this;
            }
            TComponentGuard guard(this);
            SetMouseControl(over);
            if (!guard.Exists()) return;
        }
        if (IsButtonPress(msg)) CancelHint();
        if (RouteMouseToChild(Message)) return;
        TControl::WndProc(Message);
        return;
    }
    switch (msg) {
        case WM_PAINT:
            WMPaint(Message);
            return;
        case WM_ERASEBKGND:
            WMEraseBkgnd(Message);
            return;
        case WM_SETFOCUS:
            WMSetFocus(Message);
            return;
        case WM_KILLFOCUS:
            WMKillFocus(Message);
            return;
        case WM_SIZE:
        case WM_MOVE:
            DefaultHandler(Message);
            if (msg == WM_SIZE)
                WMSize(Message);
            else
                UpdateBoundsFromWindow();
            return;
        case WM_SETCURSOR:
            WMSetCursor(Message);
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            CancelHint();
            WMKeyDown(Message);
            return;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            WMKeyUp(Message);
            return;
        case WM_CHAR:
            WMChar(Message);
            return;
        case WM_SYSCHAR:
            WMSysChar(Message);
            return;
        case WM_MOUSELEAVE: {
            TControl* over = GetMouseControl();
            if (over &&
                (over == this || (over->GetParent() == this && !dynamic_cast<TWinControl*>(over))))
                SetMouseControl(nullptr);
            DefaultHandler(Message);
            return;
        }
        case CM_RECREATEWND:
            CMRecreateWnd(Message);
            return;
        case CM_ENTER:
            DoEnter();
            return;
        case CM_EXIT:
            DoExit();
            return;
        default:
            TControl::WndProc(Message);
            return;
    }
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (!m_handle) return;
    Message.Result =
        CallWindowProc(m_defWndProc, m_handle, Message.Msg, Message.WParam, Message.LParam);
}

bool TWinControl::RouteMouseToChild(TMessage& Message) {
    TControl* capture = GetCaptureControl();
    TControl* target = nullptr;
    const TPoint point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (capture && capture->GetParent() == this)
        target = capture;
    else if (!capture && GetCapture() != m_handle)
        target = ControlAtPos(point);
    if (!target) return false;
    Message.Result =
        target->Perform(Message.Msg, Message.WParam,
                        MAKELPARAM(point.x - target->GetLeft(), point.y - target->GetTop()));
    return true;
}

void TWinControl::WMPaint(TMessage& Message) {
    PaintHandler(Message);
}

void TWinControl::PaintHandler(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    PAINTSTRUCT ps;
    const bool own = dc == nullptr;
    if (own) dc = BeginPaint(m_handle, &ps);
    try {
        PaintWindow(dc);
        PaintControls(dc, nullptr);
    } catch (...) {
        if (own) EndPaint(m_handle, &ps);
        throw;
    }
    if (own) EndPaint(m_handle, &ps);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    bool started = First == nullptr;
    RECT clip;
    GetClipBox(DC, &clip);
    for (TControl* c : m_controls) {
        if (!started) {
            started = c == First;
            if (!started) continue;
        }
        if (dynamic_cast<TWinControl*>(c) || !c->GetVisible()) continue;
        if (c->BoundsRect().Intersect(clip).IsEmpty()) continue;
        const int saved = SaveDC(DC);
        POINT origin;
        GetViewportOrgEx(DC, &origin);
        SetViewportOrgEx(DC, origin.x + c->GetLeft(), origin.y + c->GetTop(), nullptr);
        IntersectClipRect(DC, 0, 0, c->GetWidth(), c->GetHeight());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
        RestoreDC(DC, saved);
    }
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    HBRUSH brush = CreateSolidBrush(GetColor());
    FillRect(dc, GetClientRect(), brush);
    DeleteObject(brush);
    Message.Result = 1;
}

void TWinControl::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
    TComponentGuard guard(this);
    TopParent()->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
    if (guard.Exists()) Invalidate();
}

void TWinControl::WMKillFocus(TMessage& Message) {
    DefaultHandler(Message);
    Invalidate();
}

void TWinControl::WMSize(TMessage&) {
    UpdateBoundsFromWindow();
}

void TWinControl::WMSetCursor(TMessage& Message) {
    if (LOWORD(static_cast<std::uintptr_t>(Message.LParam)) == HTCLIENT &&
        reinterpret_cast<HWND>(Message.WParam) == m_handle) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(m_handle, &p);
        TControl* over = ControlAtPos(p);
        const TCursor cursor = over ? over->GetCursor() : GetCursor();
        if (cursor != crDefault) {
            ::SetCursor(LoadCursor(nullptr, CursorToIDC(cursor)));
            Message.Result = 1;
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMKeyDown(TMessage& Message) {
    WORD key = static_cast<WORD>(Message.WParam);
    const TShiftState shift = KeyboardShiftState();
    TComponentGuard guard(this);
    TWinControl* top = TopParent();
    if (top != this && top->WantsKeyPreview()) {
        top->KeyDown(key, shift);
        if (!guard.Exists() || key == 0) return;
    }
    KeyDown(key, shift);
    if (!guard.Exists() || key == 0) return;
    // The form's menu performs its shortcuts before the key goes on.
    if (auto* form = dynamic_cast<TCustomForm*>(top); form && form->IsShortCut(Message)) {
        Message.Result = 1;
        return;
    }
    if (!guard.Exists()) return;
    if (IsDialogKey(key)) {
        const LRESULT code = Perform(WM_GETDLGCODE, key);
        const bool arrow = key >= VK_LEFT && key <= VK_DOWN;
        const bool wanted = (code & DLGC_WANTALLKEYS) || (key == VK_TAB && (code & DLGC_WANTTAB)) ||
                            (arrow && (code & DLGC_WANTARROWS));
        // A key the form used (a default button's Enter) is done: the result says so to the
        // control that had the focus.
        if (!wanted && top->Perform(CM_DIALOGKEY, key, Message.LParam) != 0) {
            Message.Result = 1;
            return;
        }
        if (!guard.Exists()) return;
    }
    Message.WParam = key;
    DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
    WORD key = static_cast<WORD>(Message.WParam);
    const TShiftState shift = KeyboardShiftState();
    TComponentGuard guard(this);
    TWinControl* top = TopParent();
    if (top != this && top->WantsKeyPreview()) {
        top->KeyUp(key, shift);
        if (!guard.Exists() || key == 0) return;
    }
    KeyUp(key, shift);
    if (!guard.Exists() || key == 0) return;
    DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
    // WM_CHAR carries a whole character; KeyPress handlers see one byte. A character past
    // ASCII shows them its UTF-8 lead byte, so a filter that passes only what it knows drops
    // it, and one that leaves the byte alone lets the whole character through.
    const auto code = static_cast<char32_t>(Message.WParam);
    const std::string bytes = gfx::EncodeUtf8(code);
    if (bytes.empty()) return;
    const char typed = bytes[0];
    char ch = typed;
    TComponentGuard guard(this);
    TWinControl* top = TopParent();
    if (top != this && top->WantsKeyPreview()) {
        top->KeyPress(ch);
        if (!guard.Exists() || ch == 0) return;
    }
    KeyPress(ch);
    if (!guard.Exists() || ch == 0) return;
    // A control that does not type characters leaves them to the accelerators.
    if (!(Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) &&
        top->Perform(CM_DIALOGCHAR, static_cast<unsigned char>(ch), Message.LParam) != 0)
        return;
    if (!guard.Exists()) return;
    Message.WParam = code >= 0x80 && ch == typed ? code : static_cast<unsigned char>(ch);
    DefaultHandler(Message);
}

void TWinControl::WMSysChar(TMessage& Message) {
    if (TopParent()->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
    DefaultHandler(Message);
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::CMDialogChar(TMessage& Message) {
    Broadcast(Message);
}

void TWinControl::CMDialogKey(TMessage& Message) {
    Broadcast(Message);
}

void TWinControl::CMFocusChanged(TMessage& Message) {
    Broadcast(Message);
    // Every control hears of the change, whoever answered first.
    Message.Result = 0;
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
    if (m_handle) EnableWindow(m_handle, GetEnabled());
    TControl::CMEnabledChanged(Message);
}

void TWinControl::CMVisibleChanged(TMessage&) {
    UpdateShowing();
}

void TWinControl::UpdateShowing() {
    if (!m_handle) {
        if (GetVisible() && GetParent() && GetParent()->HandleAllocated()) CreateHandle();
        return;
    }
    ShowWindow(m_handle, GetVisible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMColorChanged(TMessage& Message) {
    TControl::CMColorChanged(Message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message) {
    TControl::CMFontChanged(Message);
    NotifyControls(CM_PARENTFONTCHANGED);
}
