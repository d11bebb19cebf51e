// The standard scroll bars of a window: range, page, position, visibility and geometry.
#include "platform/win/Scroll.h"

#include <algorithm>

#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/Timer.h"
#include "platform/win/NonClient.h"
#include "platform/win/Painting.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

ScrollBarState* Find(HWND hwnd, int bar) {
    WindowObject* w = WM().Find(hwnd);
    if (!w || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
    return &w->scroll[bar];
}

DWORD StyleBit(int bar) {
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

// Shows or hides the bar by its style bit; the client area changes with it.
void SetBarShown(HWND hwnd, int bar, bool show) {
    WindowObject* w = WM().Find(hwnd);
    const bool shown = (w->style & StyleBit(bar)) != 0;
    if (shown == show) return;
    if (show)
        w->style |= StyleBit(bar);
    else
        w->style &= ~StyleBit(bar);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool Scrollable(const ScrollBarState& s) {
    if (s.page == 0) return s.max > s.min;
    return s.max - s.min + 1 > static_cast<int>(s.page);
}

void ClampPosition(ScrollBarState& s) {
    const int last = s.max - std::max(static_cast<int>(s.page) - 1, 0);
    s.pos = std::clamp(s.pos, s.min, std::max(s.min, last));
}

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    ScrollBarState* s = Find(hwnd, bar);
    if (!s || !info) return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMax, info->nMin);
    }
    if (info->fMask & SIF_PAGE)
        s->page = std::min<UINT>(info->nPage, static_cast<UINT>(s->max - s->min + 1));
    if (info->fMask & SIF_POS) s->pos = info->nPos;
    ClampPosition(*s);
    s->trackPos = s->pos;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        if (Scrollable(*s)) {
            s->disabled = false;
            SetBarShown(hwnd, bar, true);
        } else if (info->fMask & SIF_DISABLENOSCROLL) {
            s->disabled = true;
            SetBarShown(hwnd, bar, true);
        } else {
            SetBarShown(hwnd, bar, false);
        }
    }
    if (redraw && IsWindowVisible(hwnd))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return s->pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    const ScrollBarState* s = Find(hwnd, bar);
    if (!s || !info) return FALSE;
    if (info->fMask & SIF_RANGE) info->nMin = s->min, info->nMax = s->max;
    if (info->fMask & SIF_PAGE) info->nPage = s->page;
    if (info->fMask & SIF_POS) info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->trackPos;
    return TRUE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG objectId, SCROLLBARINFO* info) {
    if (!info || (objectId != OBJID_VSCROLL && objectId != OBJID_HSCROLL)) return FALSE;
    const int bar = objectId == OBJID_VSCROLL ? SB_VERT : SB_HORZ;
    const ScrollBarState* s = Find(hwnd, bar);
    if (!s) return FALSE;
    const ScrollBarGeometry g = ScrollBarLayout(hwnd, bar);
    *info = SCROLLBARINFO{};
    if (g.bar.IsEmpty()) {
        info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
        return TRUE;
    }
    const TPoint origin = WM().WindowOrigin(hwnd);
    info->rcScrollBar = g.bar.Offset(origin.x, origin.y);
    info->dxyLineButton = g.arrow;
    info->xyThumbTop = g.thumbTop;
    info->xyThumbBottom = g.thumbBottom;
    if (s->disabled || !IsWindowEnabled(hwnd)) info->rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    ScrollBarState* s = Find(hwnd, bar);
    if (!s) return 0;
    const int previous = s->pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
    const ScrollBarState* s = Find(hwnd, bar);
    return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = min;
    info.nMax = max;
    return Find(hwnd, bar) && SetScrollInfo(hwnd, bar, &info, redraw) >= min ? TRUE : FALSE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (!WM().Find(hwnd)) return FALSE;
    if (bar == SB_BOTH)
        return ShowScrollBar(hwnd, SB_HORZ, show) && ShowScrollBar(hwnd, SB_VERT, show);
    if (!Find(hwnd, bar)) return FALSE;
    SetBarShown(hwnd, bar, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, int bar, BOOL enable) {
    ScrollBarState* s = Find(hwnd, bar);
    if (!s) return FALSE;
    s->disabled = !enable;
    if (IsWindowVisible(hwnd)) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return TRUE;
}

namespace win {

namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFF0;  // private to the tracking loop
constexpr UINT kFirstRepeat = 400;
constexpr UINT kRepeat = 50;

// The scroll position for a thumb whose top (or left) edge lies at `thumbTop`.
int PositionForThumb(const ScrollBarState& s, const ScrollBarGeometry& g, int length,
                     int thumbTop) {
    const int thumb = g.thumbBottom - g.thumbTop;
    const int travel = length - 2 * g.arrow - thumb;
    const int positions = s.max - s.min + 1 - std::max<int>(static_cast<int>(s.page), 1);
    if (travel <= 0 || positions <= 0) return s.min;
    const int offset = std::clamp(thumbTop - g.arrow, 0, travel);
    return s.min + (offset * positions + travel / 2) / travel;
}

}  // namespace

void TrackScrollBar(HWND hwnd, int bar, TPoint screen) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    const ScrollBarGeometry g = ScrollBarLayout(hwnd, bar);
    if (!w || g.bar.IsEmpty() || w->scroll[bar].disabled) return;
    const bool vertical = bar == SB_VERT;
    const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    const int length = vertical ? g.bar.Height() : g.bar.Width();
    auto along = [&](TPoint p) {
        const TPoint origin = wm.WindowOrigin(hwnd);
        return vertical ? p.y - origin.y - g.bar.top : p.x - origin.x - g.bar.left;
    };
    const int at = along(screen);
    const bool onThumb = g.thumbBottom > g.thumbTop && at >= g.thumbTop && at < g.thumbBottom;
    int part = at < g.arrow             ? SB_LINEUP
               : at >= length - g.arrow ? SB_LINEDOWN
               : at < g.thumbTop        ? SB_PAGEUP
                                        : SB_PAGEDOWN;
    const int grab = at - g.thumbTop;
    int position = w->scroll[bar].pos;

    if (!onThumb) SendMessage(hwnd, message, MAKEWPARAM(part, 0), 0);
    SetCapture(hwnd);
    if (!onThumb) SetTimer(hwnd, kRepeatTimer, kFirstRepeat);
    MSG msg;
    try {
        while (wm.Find(hwnd) && wm.capture == hwnd && GetMessage(&msg)) {
            if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
            if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == kRepeatTimer) {
                SetTimer(hwnd, kRepeatTimer, kRepeat);
                SendMessage(hwnd, message, MAKEWPARAM(part, 0), 0);
            } else if (onThumb && (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE)) {
                WindowObject* now = wm.Find(hwnd);
                const int next = PositionForThumb(now->scroll[bar], ScrollBarLayout(hwnd, bar),
                                                  length, along(wm.cursor) - grab);
                if (next != position) {
                    position = next;
                    now->scroll[bar].trackPos = next;
                    SendMessage(hwnd, message, MAKEWPARAM(SB_THUMBTRACK, next), 0);
                }
            } else if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST) {
                DispatchMessage(&msg);
            }
        }
    } catch (...) {
        // A loop that cannot go on (a stuck headless loop) still lets go of the mouse.
        KillTimer(hwnd, kRepeatTimer);
        if (wm.capture == hwnd) ReleaseCapture();
        throw;
    }
    if (msg.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
    if (!wm.Find(hwnd)) return;
    KillTimer(hwnd, kRepeatTimer);
    if (wm.capture == hwnd) ReleaseCapture();
    if (onThumb) SendMessage(hwnd, message, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    SendMessage(hwnd, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

}  // namespace win
