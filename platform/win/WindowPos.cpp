// Position, size, Z-order, visibility and enabling of windows.
#include <algorithm>

#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/PaintPass.h"
#include "platform/win/Painting.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

// Win32's internal flags telling DefWindowProc's WM_WINDOWPOSCHANGED that the client area
// kept its size or place, so no WM_SIZE or WM_MOVE follows.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

// Owned windows (dialogs, menus) stay directly above their owner when it rises.
void KeepOwnedAbove(std::vector<HWND>& list, const WindowObject& owner) {
    std::vector<HWND> owned;
    for (HWND h : list) {
        const WindowObject* o = WM().Find(h);
        if (o && o->owner == owner.handle &&
            (o->exStyle & WS_EX_TOPMOST) == (owner.exStyle & WS_EX_TOPMOST))
            owned.push_back(h);
    }
    if (owned.empty()) return;
    for (HWND h : owned) std::erase(list, h);
    auto at = std::find(list.begin(), list.end(), owner.handle);
    list.insert(at, owned.begin(), owned.end());
}

void Reorder(WindowObject& w, HWND insertAfter) {
    WindowObject* p = WM().Find(w.parent);
    if (!p) return;
    auto& list = p->children;
    std::erase(list, w.handle);
    const bool topLevel = w.parent == WM().Desktop();
    if (topLevel && insertAfter == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (topLevel && insertAfter == HWND_NOTOPMOST) w.exStyle &= ~WS_EX_TOPMOST;
    auto pos = list.begin();
    if (insertAfter == HWND_BOTTOM) {
        pos = list.end();
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
               insertAfter != HWND_NOTOPMOST) {
        auto it = std::find(list.begin(), list.end(), insertAfter);
        pos = it == list.end() ? list.begin() : it + 1;
    }
    if (topLevel) {
        // Keep top-most windows above the rest.
        auto firstNormal = std::find_if(list.begin(), list.end(), [](HWND h) {
            const WindowObject* o = WM().Find(h);
            return o && !(o->exStyle & WS_EX_TOPMOST);
        });
        const auto index = firstNormal - list.begin();
        if (w.exStyle & WS_EX_TOPMOST) {
            if (pos - list.begin() > index) pos = list.begin() + index;
        } else if (pos - list.begin() < index) {
            pos = list.begin() + index;
        }
    }
    list.insert(pos, w.handle);
    if (topLevel) {
        KeepOwnedAbove(list, w);
        WM().GetDriver().WindowZOrderChanged(w.handle);
    }
}

}  // namespace

void win::InvalidateAfterGeometryChange(HWND hwnd, const gfx::Region& oldAreaInParent) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) return;
    if (w->parent != wm.Desktop() && wm.IsShowing(w->parent)) {
        // The parent repaints where the window was and where it is now: children are
        // drawn into their top-level window's surface, whose old pixels must go.
        gfx::Region area = oldAreaInParent;
        if (w->Visible()) area = area.United(wm.OutlineInParent(*w));
        InvalidateClientRegion(w->parent, area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    if (w->Visible())
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w || hwnd == wm.Desktop()) {
        SetLastErrorInvalidHandle();
        return FALSE;
    }
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) pos.x = w->rect.left, pos.y = w->rect.top;
    if (flags & SWP_NOSIZE) pos.cx = w->Width(), pos.cy = w->Height();
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!(w = wm.Find(hwnd))) return FALSE;
    }
    pos.cx = std::max(pos.cx, 0);
    pos.cy = std::max(pos.cy, 0);
    const TRect newRect = Bounds(pos.x, pos.y, pos.cx, pos.cy);
    const bool moved = newRect.TopLeft() != w->rect.TopLeft();
    const bool sized = newRect.Width() != w->Width() || newRect.Height() != w->Height();
    const bool showing = (flags & SWP_SHOWWINDOW) && !w->Visible();
    const bool hiding = (flags & SWP_HIDEWINDOW) && w->Visible();
    const bool topLevel = w->parent == wm.Desktop();

    if (moved || sized || showing || hiding) EndPaintPass();
    const TRect oldClient = w->clientRect;
    const gfx::Region oldArea = w->Visible() ? wm.OutlineInParent(*w) : gfx::Region();
    w->rect = newRect;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldArea.BoundingBox();
        params.rgrc[2] = oldClient.Offset(newRect.left, newRect.top);
        params.lppos = &pos;
        SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if (!(w = wm.Find(hwnd))) return FALSE;
        w->clientRect = params.rgrc[0].Offset(-newRect.left, -newRect.top);
    }
    if (topLevel && sized && w->surface && !w->surface->IsEmpty())
        w->surface->SetSize(newRect.Width(), newRect.Height());
    if (!(flags & SWP_NOZORDER)) Reorder(*w, insertAfter);
    if (showing) w->style |= WS_VISIBLE;
    if (hiding) w->style &= ~WS_VISIBLE;

    if (w->clientRect.Width() == oldClient.Width() && w->clientRect.Height() == oldClient.Height())
        pos.flags |= SWP_NOCLIENTSIZE;
    if (!moved && w->clientRect.TopLeft() == oldClient.TopLeft()) pos.flags |= SWP_NOCLIENTMOVE;

    if (!(flags & SWP_NOREDRAW) && (moved || sized || showing || hiding ||
                                    (flags & SWP_FRAMECHANGED) || !(flags & SWP_NOZORDER))) {
        if (!topLevel) {
            InvalidateAfterGeometryChange(hwnd, oldArea);
        } else if (sized || showing || (flags & SWP_FRAMECHANGED)) {
            RedrawWindow(hwnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
    if (topLevel) {
        Driver& driver = wm.GetDriver();
        if (moved || sized) driver.WindowMoved(hwnd);
        if (showing) driver.WindowShown(hwnd);
        if (hiding) driver.WindowHidden(hwnd);
    }
    if (hiding) {
        if (wm.focus && (wm.focus == hwnd || IsChild(hwnd, wm.focus))) {
            if (topLevel)
                ActivateNextAfter(hwnd);
            else
                SetFocus(nullptr);
        } else if (topLevel && wm.active == hwnd) {
            ActivateNextAfter(hwnd);
        }
    }
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if ((w = wm.Find(hwnd)) && (flags & SWP_FRAMECHANGED) && !(flags & SWP_NOREDRAW) &&
        wm.IsShowing(hwnd)) {
        // A changed frame is painted at once, so that whoever changed it sees the result.
        w->frameDirty = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
    }
    if (w && !topLevel && !(flags & SWP_NOACTIVATE) && (w->exStyle & WS_EX_MDICHILD) &&
        w->Visible()) {
        // An MDI child brought forward becomes its client's active child.
        SendMessage(hwnd, WM_CHILDACTIVATE, 0, 0);
    } else if (w && showing && topLevel && !(flags & SWP_NOACTIVATE) &&
               !(w->exStyle & WS_EX_NOACTIVATE)) {
        SetActiveWindow(hwnd);
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

namespace {

TRect MaximizedRect(const WindowObject& w) {
    WindowManager& wm = WM();
    if (w.parent == wm.Desktop()) return wm.GetDriver().WorkArea();
    const WindowObject* p = wm.Find(w.parent);
    TRect area{0, 0, p->clientRect.Width(), p->clientRect.Height()};
    if (w.exStyle & WS_EX_MDICHILD) {
        // A maximised MDI child's client area fills its client window; its frame lies
        // outside, out of sight.
        area.left -= w.clientRect.left;
        area.top -= w.clientRect.top;
        area.right += w.Width() - w.clientRect.right;
        area.bottom += w.Height() - w.clientRect.bottom;
    }
    return area;
}

}  // namespace

BOOL ShowWindow(HWND hwnd, int command) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w || hwnd == wm.Desktop()) {
        SetLastErrorInvalidHandle();
        return FALSE;
    }
    const BOOL wasVisible = w->Visible() ? TRUE : FALSE;
    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return wasVisible;
    }
    const bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                          command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
    TRect target = w->rect;
    WPARAM sizeKind = SIZE_RESTORED;
    DWORD state = w->style & (WS_MAXIMIZE | WS_MINIMIZE);
    switch (command) {
        case SW_SHOWMAXIMIZED:
            if (!(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) w->normalRect = w->rect;
            target = MaximizedRect(*w);
            state = WS_MAXIMIZE;
            sizeKind = SIZE_MAXIMIZED;
            break;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
            if (!(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) w->normalRect = w->rect;
            state = WS_MINIMIZE;
            sizeKind = SIZE_MINIMIZED;
            break;
        case SW_RESTORE:
        case SW_SHOWNORMAL:
            if (w->style & (WS_MAXIMIZE | WS_MINIMIZE)) target = w->normalRect;
            state = 0;
            break;
        default:
            sizeKind = (state & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                       : (state & WS_MINIMIZE) ? SIZE_MINIMIZED
                                               : SIZE_RESTORED;
            break;
    }
    const bool stateChanged = state != (w->style & (WS_MAXIMIZE | WS_MINIMIZE));
    w->style = (w->style & ~(WS_MAXIMIZE | WS_MINIMIZE)) | state;
    if (!wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!(w = wm.Find(hwnd))) return FALSE;
    }
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (stateChanged) flags |= SWP_FRAMECHANGED;
    if (activate && w->parent == wm.Desktop()) flags &= ~SWP_NOZORDER;
    const TRect clientBefore = w->clientRect;
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.Width(), target.Height(), flags);
    if (!(w = wm.Find(hwnd))) return wasVisible;
    // SetWindowPos told of a new client size already; a state change alone still needs it.
    if (stateChanged && w->clientRect.Width() == clientBefore.Width() &&
        w->clientRect.Height() == clientBefore.Height()) {
        SendMessage(hwnd, WM_SIZE, sizeKind,
                    MAKELPARAM(w->clientRect.Width(), w->clientRect.Height()));
        if (!(w = wm.Find(hwnd))) return wasVisible;
    }
    if (w->parent == wm.Desktop()) {
        if (state & WS_MINIMIZE) {
            wm.GetDriver().WindowHidden(hwnd);
            if (wm.active == hwnd) ActivateNextAfter(hwnd);
        } else if (stateChanged && wasVisible) {
            wm.GetDriver().WindowShown(hwnd);
        }
        if (activate && !(state & WS_MINIMIZE) && !(w->exStyle & WS_EX_NOACTIVATE))
            SetActiveWindow(hwnd);
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    return WM().IsShowing(hwnd) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        if (wm.focus == hwnd || IsChild(hwnd, wm.focus)) SetFocus(nullptr);
        if (wm.capture == hwnd) ReleaseCapture();
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}
