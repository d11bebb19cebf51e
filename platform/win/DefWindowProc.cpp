// The default window procedure.
#include <cstring>

#include "platform/gfx/Canvas.h"
#include "platform/win/Dce.h"
#include "platform/win/Gdi.h"
#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/NonClient.h"
#include "platform/win/Painting.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

// Whether Alt went down with no other key after it; the key messages of every window pass
// here, one at a time.
bool altAlone = false;
// Whether F10 went down here: its release then asks for the menu, as Alt's does.
bool f10Down = false;

LRESULT EraseBackground(HWND hwnd, HDC hdc) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || !w->windowClass || w->windowClass->background == clNone) return 0;
    gfx::Canvas* canvas = CanvasFromDC(hdc);
    if (!canvas) return 0;
    const gfx::Brush saved = canvas->GetBrush();
    canvas->SetBrush(gfx::Brush{w->windowClass->background, gfx::BrushStyle::Solid, nullptr});
    canvas->FillRect({0, 0, w->clientRect.Width(), w->clientRect.Height()});
    canvas->SetBrush(saved);
    return 1;
}

// WM_PRINT: the window's frame, background, client and children into the given DC.
void Print(HWND hwnd, HDC hdc, LPARAM flags) {
    WindowObject* w = WM().Find(hwnd);
    gfx::Canvas* canvas = CanvasFromDC(hdc);
    if (!w || !canvas) return;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return;
    const int saved = SaveDC(hdc);
    POINT org;
    GetViewportOrgEx(hdc, &org);
    const TRect client = w->clientRect;
    SetViewportOrgEx(hdc, org.x + client.left, org.y + client.top, nullptr);
    IntersectClipRect(hdc, 0, 0, client.Width(), client.Height());
    if (flags & PRF_ERASEBKGND) SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    if (flags & PRF_CLIENT) SendMessage(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), flags);
    if (flags & PRF_CHILDREN) {
        const WindowObject* self = WM().Find(hwnd);
        const std::vector<HWND> children = self ? self->children : std::vector<HWND>{};
        // Bottom of the Z-order first, so that upper siblings cover lower ones.
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            const WindowObject* c = WM().Find(*it);
            if (!c || !c->Visible()) continue;
            const int inner = SaveDC(hdc);
            POINT base;
            GetViewportOrgEx(hdc, &base);
            SetViewportOrgEx(hdc, base.x + c->rect.left, base.y + c->rect.top, nullptr);
            SendMessage(*it, WM_PRINT, reinterpret_cast<WPARAM>(hdc), flags & ~PRF_NONCLIENT);
            RestoreDC(hdc, inner);
        }
    }
    RestoreDC(hdc, saved);
}

LRESULT SysCommand(HWND hwnd, WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_MOVE:
            MoveLoop(hwnd);
            return 0;
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
            return 0;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            return 0;
        case SC_CLOSE:
            SendMessage(hwnd, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;
    }
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) return 0;
    switch (message) {
        case WM_NCCREATE: {
            const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (cs && cs->lpszName) w->text = cs->lpszName;
            return TRUE;
        }
        case WM_NCCALCSIZE: {
            RECT* r = reinterpret_cast<RECT*>(lParam);  // rgrc[0] when wParam is TRUE
            if (r) *r = ClientFromWindow(*r, w->style, w->exStyle);
            return 0;
        }
        case WM_NCPAINT:
            PaintNonClient(hwnd);
            return 0;
        case WM_NCHITTEST:
            return NonClientHitTest(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_NCACTIVATE:
            if (wm.IsShowing(hwnd)) PaintNonClient(hwnd);
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
        case WM_PRINT:
            Print(hwnd, reinterpret_cast<HDC>(wParam), lParam);
            return 0;
        case WM_PRINTCLIENT:
            // Window procedures that paint into the DC of a WM_PAINT's wParam paint here too.
            return SendMessage(hwnd, WM_PAINT, wParam, 0);
        case WM_SETTEXT: {
            w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            if (w->parent == wm.Desktop()) wm.GetDriver().WindowTextChanged(hwnd);
            if ((w->style & WS_CAPTION) == WS_CAPTION)
                RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return TRUE;
        }
        case WM_GETTEXT: {
            char* buffer = reinterpret_cast<char*>(lParam);
            if (!buffer || wParam == 0) return 0;
            const std::size_t n = std::min<std::size_t>(w->text.size(), wParam - 1);
            std::memcpy(buffer, w->text.data(), n);
            buffer[n] = '\0';
            return static_cast<LRESULT>(n);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_WINDOWPOSCHANGED: {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            constexpr UINT noClientSize = 0x0800, noClientMove = 0x1000;
            if (pos && !(pos->flags & noClientMove))
                SendMessage(
                    hwnd, WM_MOVE, 0,
                    MAKELPARAM(w->rect.left + w->clientRect.left, w->rect.top + w->clientRect.top));
            if (pos && !(pos->flags & noClientSize) && (w = wm.Find(hwnd))) {
                const WPARAM kind = (w->style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                                    : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                               : SIZE_RESTORED;
                SendMessage(hwnd, WM_SIZE, kind,
                            MAKELPARAM(w->clientRect.Width(), w->clientRect.Height()));
            }
            return 0;
        }
        case WM_ACTIVATE:
            // An activated window gets back the focus it had, or takes it itself.
            if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && wm.active == hwnd &&
                (!wm.focus || wm.TopLevelOf(wm.focus) != hwnd)) {
                const HWND last = w->lastFocus;
                const bool usable = last && (last == hwnd || IsChild(hwnd, last)) &&
                                    IsWindowVisible(last) && IsWindowEnabled(last);
                SetFocus(usable ? last : hwnd);
            }
            return 0;
        case WM_MOUSEACTIVATE:
            // Windows that must not take activation from the form they serve (menus) say so.
            if (GetWindowLong(reinterpret_cast<HWND>(wParam), GWL_EXSTYLE) & WS_EX_NOACTIVATE)
                return MA_NOACTIVATE;
            return MA_ACTIVATE;
        case WM_SETCURSOR:
            if (LOWORD(static_cast<WPARAM>(lParam)) == HTCLIENT && w->windowClass)
                SetCursor(LoadCursor(nullptr, w->windowClass->cursor));
            return TRUE;
        case WM_MOUSEWHEEL:
            if (w->IsChild()) return SendMessage(w->parent, message, wParam, lParam);
            return 0;
        case WM_NCLBUTTONDOWN:
            if (wParam == static_cast<WPARAM>(HTVSCROLL) ||
                wParam == static_cast<WPARAM>(HTHSCROLL))
                TrackScrollBar(hwnd, wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ,
                               {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (wParam == static_cast<WPARAM>(HTCAPTION))
                SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
            if (wParam == static_cast<WPARAM>(HTCAPTION) && (w->style & WS_MAXIMIZEBOX))
                SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
            return 0;
        case WM_SYSCOMMAND:
            return SysCommand(hwnd, wParam);
        case WM_SYSKEYDOWN:
            // Alt pressed and released with no key between asks the window for its menu.
            if (wParam == VK_MENU) {
                if (!(lParam & 0x40000000)) altAlone = true;
            } else {
                altAlone = false;
            }
            f10Down = wParam == VK_F10 && !(GetKeyState(VK_SHIFT) & 0x8000);
            // Alt+F4 closes the top-level window, wherever in it the focus is.
            if (wParam == VK_F4)
                PostMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        case WM_KEYDOWN:
            altAlone = false;
            f10Down = false;
            return 0;
        case WM_SYSKEYUP:
            if ((wParam == VK_MENU && altAlone) || (wParam == VK_F10 && f10Down)) {
                altAlone = false;
                f10Down = false;
                SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
            }
            return 0;
        case WM_SYSCHAR:
            // An Alt+letter nobody took as a mnemonic is the menu's, with the letter.
            altAlone = false;
            f10Down = false;
            SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, wParam);
            return 0;
        case WM_RBUTTONUP: {
            // A right click asks for the context menu, at the pointer in screen coordinates.
            POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &screen);
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                        MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        case WM_KEYUP:
            // The menu key asks for it too, with the position (-1, -1) meaning "by keyboard".
            if (wParam == static_cast<WPARAM>(VK_APPS))
                SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                            MAKELPARAM(-1, -1));
            return 0;
        case WM_CONTEXTMENU:
            if (w->IsChild()) return SendMessage(w->parent, message, wParam, lParam);
            return 0;
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_CANCELMODE:
            if (wm.capture == hwnd) ReleaseCapture();
            return 0;
        default:
            return 0;
    }
}
