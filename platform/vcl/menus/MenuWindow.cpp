#include "platform/vcl/menus/MenuWindow.h"

#include <algorithm>
#include <cstring>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

constexpr const char* kClassName = "TMenuWindow";
constexpr const char* kSelfProp = "TMenuWindow.Self";
constexpr int kFrame = 3;  // the raised frame around the items
constexpr int kSeparatorHeight = 9;
constexpr int kArrowMargin = 20;  // room for the submenu arrow right of the text
constexpr int kShortCutGap = 16;  // between the captions and the shortcut column

void RegisterMenuClass(WNDPROC proc) {
    WNDCLASS existing;
    if (GetClassInfo(kClassName, &existing)) return;
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.lpfnWndProc = proc;
    wc.hbrBackground = clMenu;
    wc.style = CS_DBLCLKS;
    RegisterClass(wc);
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
    c.GetBrush()->SetColor(color);
    c.FillRect(r);
}

// The classic 7 by 7 check mark, its top-left corner at (x, y).
void DrawCheck(TCanvas& c, int x, int y, TColor color) {
    static constexpr int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) Fill(c, Bounds(x + i, y + kTop[i], 1, 3), color);
}

void DrawBullet(TCanvas& c, int cx, int cy, TColor color) {
    c.GetBrush()->SetColor(color);
    c.GetPen()->SetColor(color);
    c.Ellipse(Rect(cx - 3, cy - 3, cx + 3, cy + 3));
}

// A right-pointing arrow, 4 pixels wide and 7 high, centred on cy.
void DrawArrow(TCanvas& c, int x, int cy, TColor color) {
    for (int i = 0; i < 4; ++i) Fill(c, Rect(x + i, cy - 3 + i, x + i + 1, cy + 4 - i), color);
}

}  // namespace

TMenuWindow::TMenuWindow(TMenuItem* Parent, HWND Owner) : m_parent(Parent) {
    RegisterMenuClass(&TMenuWindow::WndProc);
    m_handle = CreateWindowEx(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, "",
                              WS_POPUP | WS_DLGFRAME, 0, 0, 0, 0, Owner);
    if (!m_handle) throw EInvalidOperation("the window of a menu could not be created");
    SetProp(m_handle, kSelfProp, reinterpret_cast<LONG_PTR>(this));
    for (int i = 0; i < Parent->Count(); ++i)
        if (Parent->Items(i)->GetVisible()) m_entries.push_back({Parent->Items(i), {}});
    Measure();
}

TMenuWindow::~TMenuWindow() {
    if (IsWindow(m_handle)) {
        RemoveProp(m_handle, kSelfProp);
        DestroyWindow(m_handle);
    }
}

void TMenuWindow::GetMenuFont(TFont& Font) {
    NONCLIENTMETRICS metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    const LOGFONT& lf = metrics.lfMenuFont;
    Font.SetName(lf.lfFaceName);
    Font.SetHeight(lf.lfHeight);
    Font.SetCharset(lf.lfCharSet);
    TFontStyles style = 0;
    if (lf.lfWeight >= 700) style |= fsBold;
    if (lf.lfItalic) style |= fsItalic;
    Font.SetStyle(style);
    Font.SetColor(clMenuText);
}

void TMenuWindow::PrepareCanvas(TCanvas& Canvas) {
    GetMenuFont(*Canvas.GetFont());
    Canvas.GetBrush()->SetColor(clMenu);
    Canvas.GetPen()->SetColor(clMenuText);
    Canvas.GetPen()->SetWidth(1);
}

void TMenuWindow::Measure() {
    HDC dc = GetDC(m_handle);
    TControlCanvas canvas;
    canvas.SetHandle(dc);
    PrepareCanvas(canvas);
    const TImageList* images = m_parent->GetImageList();
    const int imageWidth = images ? images->GetWidth() : 0;
    const int imageHeight = images ? images->GetHeight() : 0;
    m_gutter = std::max(imageWidth, 12) + 8;
    const int itemHeight = std::max({canvas.TextHeight("Wg") + 6, imageHeight + 4, 17});
    int captions = 0;
    int shortCuts = 0;
    for (const Entry& e : m_entries) {
        if (e.item->IsLine()) continue;
        canvas.GetFont()->SetStyle(e.item->GetDefault() ? TFontStyles{fsBold} : TFontStyles{0});
        captions = std::max(captions, canvas.TextWidth(StripHotkey(e.item->GetCaption())));
        shortCuts = std::max(shortCuts, canvas.TextWidth(ShortCutToText(e.item->GetShortCut())));
    }
    m_shortCutColumn = m_gutter + captions + kShortCutGap;
    const int classicWidth =
        m_gutter + captions + (shortCuts ? kShortCutGap + shortCuts : 0) + kArrowMargin;
    int y = 0;
    m_width = 0;
    for (Entry& e : m_entries) {
        int width = classicWidth;
        int height = e.item->IsLine() ? kSeparatorHeight : itemHeight;
        if (e.item->OnMeasureItem) {
            PrepareCanvas(canvas);
            e.item->OnMeasureItem(e.item, &canvas, width, height);
        }
        e.rect = Rect(0, y, 0, y + std::max(height, 0));
        y = e.rect.bottom;
        m_width = std::max(m_width, width);
    }
    m_height = y;
    for (Entry& e : m_entries) e.rect.right = m_width;
    canvas.SetHandle(nullptr);
    ReleaseDC(m_handle, dc);
}

TSize TMenuWindow::WindowSize() const {
    return {m_width + 2 * kFrame, std::max(m_height, 2) + 2 * kFrame};
}

void TMenuWindow::ShowAt(TPoint Pos) {
    const TSize size = WindowSize();
    SetWindowPos(m_handle, HWND_TOPMOST, Pos.x, Pos.y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

TMenuItem* TMenuWindow::Item(int Index) const {
    return m_entries.at(static_cast<std::size_t>(Index)).item;
}

TRect TMenuWindow::ItemRect(int Index) const {
    return m_entries.at(static_cast<std::size_t>(Index)).rect;
}

TRect TMenuWindow::ScreenRect() const {
    RECT r;
    GetWindowRect(m_handle, &r);
    return r;
}

TRect TMenuWindow::ScreenItemRect(int Index) const {
    POINT origin{0, 0};
    ClientToScreen(m_handle, &origin);
    return ItemRect(Index).Offset(origin.x, origin.y);
}

int TMenuWindow::ItemAt(TPoint Screen) const {
    POINT p = Screen;
    ScreenToClient(m_handle, &p);
    for (int i = 0; i < Count(); ++i)
        if (m_entries[static_cast<std::size_t>(i)].rect.Contains(p)) return i;
    return -1;
}

int TMenuWindow::IndexOf(const TMenuItem* Item) const {
    for (int i = 0; i < Count(); ++i)
        if (m_entries[static_cast<std::size_t>(i)].item == Item) return i;
    return -1;
}

void TMenuWindow::SetSelected(int Index) {
    if (Index < -1 || Index >= Count()) Index = -1;
    if (Index == m_selected) return;
    if (m_selected >= 0) {
        const TRect r = ItemRect(m_selected);
        InvalidateRect(m_handle, &r, FALSE);
    }
    m_selected = Index;
    if (m_selected >= 0) {
        const TRect r = ItemRect(m_selected);
        InvalidateRect(m_handle, &r, FALSE);
    }
}

int TMenuWindow::NextSelectable(int From, int Step) const {
    const int n = Count();
    if (n == 0) return -1;
    int i = From;
    for (int tries = 0; tries < n; ++tries) {
        i = i < 0 ? (Step > 0 ? 0 : n - 1) : (i + Step + n) % n;
        if (!Item(i)->IsLine()) return i;
    }
    return -1;
}

LRESULT TMenuWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TMenuWindow*>(GetProp(hwnd, kSelfProp));
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &ps);
            RECT dirty;
            GetClientRect(hwnd, &dirty);
            if (!wParam) dirty = ps.rcPaint;
            if (self) self->Paint(dc, dirty);
            if (!wParam) EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_CANCELMODE:
            if (self && self->OnCancelMode) self->OnCancelMode();
            return 0;
        case WM_CAPTURECHANGED:
            if (self && self->OnCancelMode && reinterpret_cast<HWND>(lParam) != hwnd)
                self->OnCancelMode();
            return 0;
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void TMenuWindow::Paint(HDC DC, const TRect& Dirty) {
    TControlCanvas canvas;
    canvas.SetHandle(DC);
    for (int i = 0; i < Count(); ++i) {
        // Only the items in need of it are drawn, so a change of highlight asks the draw
        // handlers for the two items concerned.
        if (ItemRect(i).Intersect(Dirty).IsEmpty()) continue;
        TMenuItem* item = Item(i);
        PrepareCanvas(canvas);
        canvas.GetBrush()->SetStyle(bsSolid);
        if (item->OnDrawItem) {
            item->OnDrawItem(item, &canvas, ItemRect(i), i == m_selected);
            // As with Win32's owner-drawn items, the submenu arrow is the menu's, in the
            // colour the handler left its text in.
            if (item->Count() > 0) {
                const TRect r = ItemRect(i);
                DrawArrow(canvas, r.right - 12, r.top + r.Height() / 2,
                          canvas.GetFont()->GetColor());
            }
        } else
            DrawClassic(canvas, *item, ItemRect(i), i == m_selected);
    }
    RECT client;
    GetClientRect(m_handle, &client);
    if (client.bottom > m_height)
        Fill(canvas, Rect(0, m_height, client.right, client.bottom), clMenu);
    canvas.SetHandle(nullptr);
}

void TMenuWindow::DrawClassic(TCanvas& Canvas, const TMenuItem& Item, const TRect& R,
                              bool Selected) {
    if (Item.IsLine()) {
        Fill(Canvas, R, clMenu);
        const int y = R.top + R.Height() / 2 - 1;
        Fill(Canvas, Rect(R.left + 1, y, R.right - 1, y + 1), clBtnShadow);
        Fill(Canvas, Rect(R.left + 1, y + 1, R.right - 1, y + 2), clBtnHighlight);
        return;
    }
    const bool enabled = Item.GetEnabled();
    Fill(Canvas, R, Selected ? clHighlight : clMenu);
    const TColor text = !enabled ? clGrayText : Selected ? clHighlightText : clMenuText;
    const int cy = R.top + R.Height() / 2;

    const TImageList* images = Item.GetImageList();
    const int index = Item.GetImageIndex();
    if (images && index >= 0 && index < images->Count()) {
        const int x = R.left + (m_gutter - images->GetWidth()) / 2;
        const int y = cy - images->GetHeight() / 2;
        if (Item.GetChecked()) {
            const TRect box =
                Rect(x - 1, y - 1, x + images->GetWidth() + 1, y + images->GetHeight() + 1);
            Fill(Canvas, box, Selected ? clMenu : clBtnHighlight);
            Fill(Canvas, Rect(box.left, box.top, box.right, box.top + 1), clBtnShadow);
            Fill(Canvas, Rect(box.left, box.top, box.left + 1, box.bottom), clBtnShadow);
        }
        images->Draw(&Canvas, x, y, index, enabled);
    } else if (Item.GetChecked()) {
        const int x = R.left + (m_gutter - 7) / 2;
        if (Item.GetRadioItem())
            DrawBullet(Canvas, x + 3, cy, text);
        else
            DrawCheck(Canvas, x, cy - 4, text);
    }

    Canvas.GetBrush()->SetStyle(bsClear);
    if (Item.GetDefault()) Canvas.GetFont()->SetStyle(fsBold);
    const std::string shortCut = ShortCutToText(Item.GetShortCut());
    auto drawText = [&](int dx, int dy, TColor color) {
        Canvas.GetFont()->SetColor(color);
        TRect caption = Rect(R.left + m_gutter + dx, R.top + dy, R.right + dx, R.bottom + dy);
        Canvas.DrawText(Item.GetCaption(), caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!shortCut.empty()) {
            TRect column =
                Rect(R.left + m_shortCutColumn + dx, R.top + dy, R.right + dx, R.bottom + dy);
            Canvas.DrawText(shortCut, column, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        }
    };
    // A disabled item is embossed, unless the highlight is under it.
    if (!enabled && !Selected) {
        drawText(1, 1, clBtnHighlight);
        drawText(0, 0, clBtnShadow);
    } else {
        drawText(0, 0, text);
    }
    if (Item.Count() > 0) DrawArrow(Canvas, R.right - 12, cy, text);
    Canvas.GetBrush()->SetStyle(bsSolid);
}
