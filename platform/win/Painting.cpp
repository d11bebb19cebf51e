// Update regions, WM_PAINT and WM_NCPAINT, BeginPaint/EndPaint and RedrawWindow.
#include "platform/win/Painting.h"

#include "platform/win/Dce.h"
#include "platform/win/Gdi.h"
#include "platform/win/Message.h"
#include "platform/win/PaintPass.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace win {
// Dce.cpp: a client DC clipped further to the given region (client coordinates).
HDC GetPaintDC(HWND hwnd, const gfx::Region& clientClip);
}  // namespace win

namespace {

TRect ClientBounds(const WindowObject& w) {
    return {0, 0, w.clientRect.Width(), w.clientRect.Height()};
}

void InvalidateWindowArea(HWND hwnd, const gfx::Region& windowArea, UINT flags);

void PropagateToChildren(const WindowObject& w, const gfx::Region& clientArea, UINT flags) {
    for (HWND child : w.children) {
        const WindowObject* c = WM().Find(child);
        if (!c || !c->Visible()) continue;
        gfx::Region inChild = clientArea.Intersected(WM().OutlineInParent(*c));
        if (inChild.IsEmpty()) continue;
        inChild.Offset(-c->rect.left, -c->rect.top);
        InvalidateWindowArea(child, inChild, flags);
    }
}

// `windowArea` is in window coordinates and may cover frame and client.
void InvalidateWindowArea(HWND hwnd, const gfx::Region& windowArea, UINT flags) {
    WindowObject* w = WM().Find(hwnd);
    if (!w) return;
    if (flags & RDW_FRAME) {
        const gfx::Region frame = gfx::Region(TRect{0, 0, w->Width(), w->Height()})
                                      .Subtracted(gfx::Region(w->clientRect));
        if (!frame.Intersected(windowArea).IsEmpty()) w->frameDirty = true;
    }
    gfx::Region client = windowArea.Intersected(w->clientRect);
    client.Offset(-w->clientRect.left, -w->clientRect.top);
    InvalidateClientRegion(hwnd, client, flags & ~RDW_FRAME);
}

}  // namespace

void win::InvalidateClientRegion(HWND hwnd, const gfx::Region& area, UINT flags) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) return;
    EndPaintPass();
    if (hwnd == wm.Desktop()) {
        for (HWND top : w->children)
            if (const WindowObject* t = wm.Find(top)) {
                gfx::Region inTop = area.Intersected(t->rect);
                inTop.Offset(-t->rect.left, -t->rect.top);
                InvalidateWindowArea(top, inTop, flags | RDW_FRAME);
            }
        return;
    }
    const gfx::Region clipped = area.Intersected(ClientBounds(*w));
    if (flags & RDW_INVALIDATE) {
        if (wm.IsShowing(hwnd)) {
            w->updateRegion = w->updateRegion.United(clipped);
            if (flags & RDW_ERASE) w->erasePending = true;
        }
    } else if (flags & RDW_VALIDATE) {
        w->updateRegion = w->updateRegion.Subtracted(clipped);
        if (w->updateRegion.IsEmpty()) w->erasePending = false;
    }
    if (flags & RDW_ALLCHILDREN) PropagateToChildren(*w, clipped, flags | RDW_FRAME);
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    WindowManager& wm = WM();
    if (!hwnd) hwnd = wm.Desktop();
    WindowObject* w = wm.Find(hwnd);
    if (!w) {
        SetLastErrorInvalidHandle();
        return FALSE;
    }
    if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE) && !rect && !region && wm.IsShowing(hwnd))
        w->frameDirty = true;
    gfx::Region area;
    if (region) {
        if (const gfx::Region* r = RegionFromHandle(region)) area = *r;
    } else if (rect) {
        area = gfx::Region(*rect);
    } else {
        area = gfx::Region(ClientBounds(*w));
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) InvalidateClientRegion(hwnd, area, flags);
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE);
}

namespace {

void UpdateTree(HWND hwnd) {
    WindowObject* w = WM().Find(hwnd);
    if (!w || !WM().IsShowing(hwnd)) return;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = WM().Find(hwnd))) return;
    }
    if (!w->updateRegion.IsEmpty()) {
        SendMessage(hwnd, WM_PAINT, 0, 0);
        if (!(w = WM().Find(hwnd))) return;
        w->updateRegion = {};
        w->erasePending = false;
    }
    const std::vector<HWND> children = w->children;
    for (HWND child : children) UpdateTree(child);
}

HWND FindPaintable(HWND hwnd) {
    WindowObject* w = WM().Find(hwnd);
    if (!w || !WM().IsShowing(hwnd) || w->thread != std::this_thread::get_id()) return nullptr;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = WM().Find(hwnd))) return nullptr;
    }
    if (!w->updateRegion.IsEmpty()) return hwnd;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        if (HWND found = FindPaintable(child)) return found;
    return nullptr;
}

}  // namespace

HWND win::NextWindowToPaint() {
    WindowManager& wm = WM();
    const std::vector<HWND> tops = wm.Find(wm.Desktop())->children;
    for (HWND top : tops)
        if (HWND found = FindPaintable(top)) return found;
    return nullptr;
}

BOOL UpdateWindow(HWND hwnd) {
    if (!WM().Find(hwnd)) return FALSE;
    if (hwnd == WM().Desktop()) {
        const std::vector<HWND> tops = WM().Find(hwnd)->children;
        for (HWND top : tops) UpdateTree(top);
    } else {
        UpdateTree(hwnd);
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    WindowObject* w = WM().Find(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->updateRegion.BoundingBox();
    if (erase && w->erasePending && !w->updateRegion.IsEmpty()) {
        w->erasePending = false;
        HDC hdc = GetPaintDC(hwnd, w->updateRegion);
        SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        ReleaseDC(hwnd, hdc);
        w = WM().Find(hwnd);
    }
    return w && !w->updateRegion.IsEmpty() ? TRUE : FALSE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    WindowObject* w = WM().Find(hwnd);
    if (!w || !paint) {
        SetLastErrorInvalidHandle();
        return nullptr;
    }
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = WM().Find(hwnd))) return nullptr;
    }
    const gfx::Region update = w->updateRegion;
    const bool erase = w->erasePending;
    w->updateRegion = {};
    w->erasePending = false;
    paint->hdc = GetPaintDC(hwnd, update);
    paint->rcPaint = update.BoundingBox();
    paint->fErase = FALSE;
    if (erase)
        paint->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0)
                            ? FALSE
                            : TRUE;
    return paint->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    ReleaseDC(hwnd, paint->hdc);
    return TRUE;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT*, const RECT*) {
    WindowObject* w = WM().Find(hwnd);
    if (!w) return FALSE;
    const std::vector<HWND> children = w->children;
    for (HWND child : children) {
        const WindowObject* c = WM().Find(child);
        if (!c) continue;
        SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    // The pixels are not moved; the whole client area paints again instead.
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
