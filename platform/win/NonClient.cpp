// The default frame: layout by style, classic painting, hit-testing and the move loop.
#include "platform/win/NonClient.h"

#include <algorithm>
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/win/Dce.h"
#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

namespace win {

namespace {

bool HasThickFrame(DWORD style) {
    return (style & WS_THICKFRAME) && (style & (WS_DLGFRAME | WS_BORDER)) != WS_DLGFRAME;
}
bool HasDialogFrame(DWORD style, DWORD exStyle) {
    return (exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
}
bool HasThinFrame(DWORD style) {
    return (style & WS_BORDER) || !(style & (WS_CHILD | WS_POPUP));
}

}  // namespace

FrameLayout LayoutFor(DWORD style, DWORD exStyle) {
    FrameLayout layout;
    if (HasThickFrame(style))
        layout.frame = 4;
    else if (HasDialogFrame(style, exStyle))
        layout.frame = 3;
    else if (HasThinFrame(style))
        layout.frame = 1;
    if ((style & WS_CAPTION) == WS_CAPTION) layout.caption = kCaptionHeight + 1;
    if (exStyle & WS_EX_CLIENTEDGE)
        layout.edge = 2;
    else if (exStyle & WS_EX_STATICEDGE)
        layout.edge = 1;
    layout.vscroll = (style & WS_VSCROLL) != 0;
    layout.hscroll = (style & WS_HSCROLL) != 0;
    return layout;
}

TRect ClientFromWindow(const TRect& window, DWORD style, DWORD exStyle) {
    const FrameLayout l = LayoutFor(style, exStyle);
    TRect r = window.Inflate(-(l.frame + l.edge), -(l.frame + l.edge));
    r.top += l.caption;
    if (l.vscroll) r.right -= kScrollBarSize;
    if (l.hscroll) r.bottom -= kScrollBarSize;
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

ScrollBarGeometry ScrollBarLayout(HWND hwnd, int bar) {
    ScrollBarGeometry g;
    const WindowObject* w = WM().Find(hwnd);
    if (!w || (bar != SB_HORZ && bar != SB_VERT)) return g;
    const DWORD bit = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    if (!(w->style & bit)) return g;
    const TRect c = w->clientRect;
    g.bar = bar == SB_VERT ? TRect{c.right, c.top, c.right + kScrollBarSize, c.bottom}
                           : TRect{c.left, c.bottom, c.right, c.bottom + kScrollBarSize};
    const int length = bar == SB_VERT ? g.bar.Height() : g.bar.Width();
    g.arrow = std::min(kScrollBarSize, length / 2);
    const ScrollBarState& s = w->scroll[bar];
    const int track = length - 2 * g.arrow;
    const int range = s.max - s.min + 1;
    if (track <= kMinThumb || range <= 0 || s.disabled) {
        g.thumbTop = g.thumbBottom = 0;
        return g;
    }
    int thumb = s.page ? std::max(kMinThumb,
                                  static_cast<int>(static_cast<long long>(track) * s.page / range))
                       : kScrollBarSize;
    thumb = std::min(thumb, track);
    const int positions = range - std::max<int>(static_cast<int>(s.page), 1);
    const int offset =
        positions > 0
            ? static_cast<int>(static_cast<long long>(track - thumb) * (s.pos - s.min) / positions)
            : 0;
    g.thumbTop = g.arrow + std::clamp(offset, 0, track - thumb);
    g.thumbBottom = g.thumbTop + thumb;
    return g;
}

namespace {

void Edge(gfx::Canvas& c, TRect r, TColor topLeft, TColor bottomRight) {
    c.GetBrush().style = gfx::BrushStyle::Solid;
    c.GetBrush().color = topLeft;
    c.FillRect({r.left, r.top, r.right - 1, r.top + 1});
    c.FillRect({r.left, r.top, r.left + 1, r.bottom - 1});
    c.GetBrush().color = bottomRight;
    c.FillRect({r.left, r.bottom - 1, r.right, r.bottom});
    c.FillRect({r.right - 1, r.top, r.right, r.bottom});
}

void Fill(gfx::Canvas& c, const TRect& r, TColor color) {
    c.GetBrush().style = gfx::BrushStyle::Solid;
    c.GetBrush().color = color;
    c.FillRect(r);
}

void RaisedBox(gfx::Canvas& c, const TRect& r) {
    Fill(c, r, clBtnFace);
    Edge(c, r, cl3DLight, cl3DDkShadow);
    Edge(c, r.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
}

// The classic track: a checkerboard of the highlight and the bar's colour.
void FillTrack(gfx::Canvas& c, const TRect& r) {
    auto pattern = std::make_shared<gfx::Bitmap>(2, 2);
    for (int i = 0; i < 4; ++i)
        pattern->SetPixel(i % 2, i / 2,
                          ColorToRGB((i == 0 || i == 3) ? clBtnHighlight : clScrollBar));
    const gfx::Brush saved = c.GetBrush();
    c.GetBrush().style = gfx::BrushStyle::Pattern;
    c.GetBrush().pattern = pattern;
    c.FillRect(r);
    c.SetBrush(saved);
}

// A triangle pointing up or left (forward false) or down or right; etched when disabled.
void PaintArrow(gfx::Canvas& c, const TRect& box, bool vertical, bool forward, bool enabled) {
    const int size = std::max(std::min(box.Width(), box.Height()) / 4, 2);
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    for (int pass = enabled ? 1 : 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        c.GetBrush().style = gfx::BrushStyle::Solid;
        c.GetBrush().color = enabled ? clBtnText : pass == 0 ? clBtnHighlight : clBtnShadow;
        for (int i = 0; i < size; ++i) {
            // Row i of the triangle, counted from its tip, is 2i+1 pixels wide.
            const int tip = forward ? size / 2 - i : i - size / 2;
            if (vertical) {
                const int y = cy + tip + offset;
                c.FillRect({cx - i + offset, y, cx + i + 1 + offset, y + 1});
            } else {
                const int x = cx + tip + offset;
                c.FillRect({x, cy - i + offset, x + 1, cy + i + 1 + offset});
            }
        }
    }
}

void PaintScrollBar(gfx::Canvas& c, HWND hwnd, int bar) {
    const ScrollBarGeometry g = ScrollBarLayout(hwnd, bar);
    if (g.bar.IsEmpty()) return;
    FillTrack(c, g.bar);
    const bool vertical = bar == SB_VERT;
    const TRect first = vertical ? Bounds(g.bar.left, g.bar.top, g.bar.Width(), g.arrow)
                                 : Bounds(g.bar.left, g.bar.top, g.arrow, g.bar.Height());
    const TRect last = vertical
                           ? TRect{g.bar.left, g.bar.bottom - g.arrow, g.bar.right, g.bar.bottom}
                           : TRect{g.bar.right - g.arrow, g.bar.top, g.bar.right, g.bar.bottom};
    RaisedBox(c, first);
    RaisedBox(c, last);
    // Without a thumb there is nothing to scroll, and the arrows show it.
    const bool enabled = g.thumbBottom > g.thumbTop;
    PaintArrow(c, first, vertical, false, enabled);
    PaintArrow(c, last, vertical, true, enabled);
    if (g.thumbBottom > g.thumbTop) {
        const TRect thumb = vertical ? TRect{g.bar.left, g.bar.top + g.thumbTop, g.bar.right,
                                             g.bar.top + g.thumbBottom}
                                     : TRect{g.bar.left + g.thumbTop, g.bar.top,
                                             g.bar.left + g.thumbBottom, g.bar.bottom};
        RaisedBox(c, thumb);
    }
}

}  // namespace

void PaintNonClient(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return;
    const FrameLayout l = LayoutFor(w->style, w->exStyle);
    HDC hdc = GetWindowDC(hwnd);
    gfx::Canvas* c = CanvasFromDC(hdc);
    if (!c) return;
    c->ExcludeClipRect(w->clientRect);
    TRect r{0, 0, w->Width(), w->Height()};
    if (l.frame == 1) {
        Edge(*c, r, clWindowFrame, clWindowFrame);
    } else if (l.frame > 1) {
        Fill(*c, r, clBtnFace);
        Edge(*c, r, cl3DLight, cl3DDkShadow);
        Edge(*c, r.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
    }
    r = r.Inflate(-l.frame, -l.frame);
    if (l.caption) {
        bool active = WM().active == hwnd || WM().active == WM().TopLevelOf(hwnd);
        // Of the MDI children only the client's active one shows an active caption.
        if (active && w->IsChild() && (w->exStyle & WS_EX_MDICHILD))
            active = reinterpret_cast<HWND>(SendMessage(w->parent, WM_MDIGETACTIVE, 0, 0)) == hwnd;
        const TRect bar{r.left, r.top, r.right, r.top + kCaptionHeight};
        Fill(*c, bar, active ? clActiveCaption : clInactiveCaption);
        Fill(*c, {r.left, bar.bottom, r.right, bar.bottom + 1}, clBtnFace);
        gfx::FontDesc font;
        font.style = gfx::fsBold;
        font.color = active ? clCaptionText : clInactiveCaptionText;
        c->SetFont(font);
        c->GetBrush().style = gfx::BrushStyle::Clear;
        TRect text{bar.left + 4, bar.top, bar.right - 4, bar.bottom};
        c->DrawText(w->text, text,
                    gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS);
        r.top += l.caption;
    }
    if (l.edge == 2) {
        const TRect edge = w->clientRect.Inflate(2, 2);
        TRect outer = edge;
        if (l.vscroll) outer.right += kScrollBarSize;
        if (l.hscroll) outer.bottom += kScrollBarSize;
        Edge(*c, outer, clBtnShadow, clBtnHighlight);
        Edge(*c, outer.Inflate(-1, -1), cl3DDkShadow, cl3DLight);
    } else if (l.edge == 1) {
        Edge(*c, w->clientRect.Inflate(1, 1), clBtnShadow, clBtnHighlight);
    }
    PaintScrollBar(*c, hwnd, SB_VERT);
    PaintScrollBar(*c, hwnd, SB_HORZ);
    if (l.vscroll && l.hscroll)
        Fill(*c,
             {w->clientRect.right, w->clientRect.bottom, w->clientRect.right + kScrollBarSize,
              w->clientRect.bottom + kScrollBarSize},
             clBtnFace);
    ReleaseDC(hwnd, hdc);
}

LRESULT NonClientHitTest(HWND hwnd, TPoint screen) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return HTNOWHERE;
    const TPoint origin = WM().WindowOrigin(hwnd);
    const TPoint p{screen.x - origin.x, screen.y - origin.y};
    const TRect whole{0, 0, w->Width(), w->Height()};
    if (!whole.Contains(p)) return HTNOWHERE;
    if (w->region && !w->region->Contains(p)) return HTNOWHERE;
    if (w->clientRect.Contains(p)) return HTCLIENT;
    if (ScrollBarLayout(hwnd, SB_VERT).bar.Contains(p)) return HTVSCROLL;
    if (ScrollBarLayout(hwnd, SB_HORZ).bar.Contains(p)) return HTHSCROLL;
    const FrameLayout l = LayoutFor(w->style, w->exStyle);
    const TRect inner = whole.Inflate(-l.frame, -l.frame);
    if (l.caption && p.y >= inner.top && p.y < inner.top + l.caption && p.x >= inner.left &&
        p.x < inner.right)
        return HTCAPTION;
    if (HasThickFrame(w->style) && !inner.Contains(p)) {
        const bool left = p.x < inner.left, right = p.x >= inner.right;
        const bool top = p.y < inner.top, bottom = p.y >= inner.bottom;
        if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        return left ? HTLEFT : HTRIGHT;
    }
    return HTBORDER;
}

void MoveLoop(HWND hwnd) {
    WindowManager& wm = WM();
    const WindowObject* w = wm.Find(hwnd);
    if (!w || wm.inMoveLoop) return;
    if (!(GetKeyState(VK_LBUTTON) & 0x8000)) return;  // the button is already up
    const TPoint start = wm.cursor;
    const TRect startRect = w->rect;
    wm.inMoveLoop = true;
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(hwnd);
    // A desktop's window manager moves the window itself (snapping, its own feedback) and
    // tells where it went; the loop then only waits for the release.
    const bool systemMove = wm.Find(hwnd) && wm.GetDriver().BeginSystemMove(hwnd);
    MSG msg;
    bool quit = false;
    try {
        while (wm.Find(hwnd) && wm.capture == hwnd) {
            if (!GetMessage(&msg)) {
                quit = true;
                break;
            }
            const UINT m = msg.message;
            const bool released = m == WM_LBUTTONUP || m == WM_NCLBUTTONUP;
            if (systemMove && (released || m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE)) {
                if (released) break;
            } else if (m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE || released) {
                // The release counts as a last move: its position may be newer than the
                // last motion's.
                SetWindowPos(hwnd, nullptr, startRect.left + wm.cursor.x - start.x,
                             startRect.top + wm.cursor.y - start.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                if (released) break;
            } else if (m == WM_KEYDOWN && msg.wParam == static_cast<WPARAM>(VK_ESCAPE)) {
                SetWindowPos(hwnd, nullptr, startRect.left, startRect.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                break;
            } else if (m < WM_MOUSEFIRST || m > WM_MOUSELAST) {
                DispatchMessage(&msg);
            }
        }
    } catch (...) {
        wm.inMoveLoop = false;
        if (wm.capture == hwnd) ReleaseCapture();
        throw;
    }
    wm.inMoveLoop = false;
    if (wm.capture == hwnd) ReleaseCapture();
    if (wm.Find(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

}  // namespace win
