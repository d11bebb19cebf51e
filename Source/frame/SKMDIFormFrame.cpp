// TskMDIForm's frame: the style, the frame band, the window region, and the arrangements
// of the children that replace the client's own.
#include <algorithm>
#include <vector>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/win/Windows.h"

#include "Source/buttons/SKImageButton.h"
#include "Source/frame/SKFramePaint.h"
#include "Source/frame/SKMDIForm.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKThemes.h"

namespace {

constexpr int kBand = kSkinFrameBand;

void Fill(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.GetBrush()->SetColor(Color);
    Canvas.FillRect(Rect);
}

}  // namespace

void TskMDIForm::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    TskUIStyle effective = Value;
    int corner = 0;
    if (UsingFileTheme(m_fileTheme, Value, effective)) {
        m_borderColor = m_fileTheme->GetColor(SkItem::FormBorderColor);
        m_menuBarColor = m_fileTheme->GetColor(SkItem::FormBackgroundColor);
        m_borderWidth = std::max(0, m_fileTheme->GetInt(SkItem::FormBorderWidthInt));
        const TColor marker = m_fileTheme->GetColor(SkItem::ControlFontColor);
        if (marker == 0x20000) m_menuBarColor = 0xAC5B3B;
        if (marker == 0x30000) m_menuBarColor = 0x996733;
        corner = m_fileTheme->GetInt(SkItem::FormRoundCornerInt);
    } else {
        m_borderColor = GetInsideThemeColor(effective, SkItem::FormBorderColor);
        m_menuBarColor = GetInsideThemeColor(effective, SkItem::FormBackgroundColor);
        m_borderWidth = std::max(0, GetInsideThemeInt(effective, SkItem::FormBorderWidthInt));
        corner = GetInsideThemeInt(effective, SkItem::FormRoundCornerInt);
    }
    SetMenuBarColor(m_menuBarColor);
    SetRoundCorner(corner);
    if (!m_titleBar) return;
    m_titleBar->SetFileTheme(m_fileTheme);
    m_titleBar->SetUIStyle(Value);
    if (!(ComponentState() & csDesigning))
        for (TskToolBarSpeedButton* button : {m_closeButton, m_restoreButton, m_minimiseButton})
            if (button) button->SetColor(m_menuBarColor);
    m_titleBar->SetRoundCorner(0);
    if (m_menuBar) m_menuBar->Invalidate();
    PaintBorder();
}

void TskMDIForm::RegionWindow() {
    if (!m_form || m_closing || !m_form->HandleAllocated()) return;
    HWND hwnd = m_form->Handle();
    RECT bounds;
    GetWindowRect(hwnd, &bounds);
    const int w = bounds.Width();
    const int h = bounds.Height();
    const int r = std::max(0, m_roundCorner);
    HRGN region = CreateRoundRectRgn(0, 0, w + 1, h + 1, r, r);
    HRGN left = CreateRectRgn(0, std::max(0, h - 2 * r), std::min(w, 2 * r), h);
    HRGN right = CreateRectRgn(std::max(0, w - 2 * r), std::max(0, h - 2 * r), w, h);
    CombineRgn(region, region, left, RGN_OR);
    CombineRgn(region, region, right, RGN_OR);
    DeleteObject(left);
    DeleteObject(right);
    if (ComponentState() & csDesigning) {
        DeleteObject(region);
        return;
    }
    SetWindowRgn(hwnd, region, TRUE);
}

void TskMDIForm::PaintBorder() {
    if (m_closing || !m_form || !m_form->HandleAllocated()) return;
    if (m_form->GetWindowState() == wsMinimized) return;
    HWND hwnd = m_form->Handle();
    RECT bounds;
    GetWindowRect(hwnd, &bounds);
    const int W = bounds.Width();
    const int H = bounds.Height();
    const int BW = m_borderWidth;
    // The inner side strips start under the title bar, shown or not.
    const int T = m_titleBar ? m_titleBar->GetHeight() : 0;
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    TControlCanvas canvas;
    canvas.SetHandle(dc);
    Fill(canvas, Rect(0, 0, BW, H), m_borderColor);
    Fill(canvas, Rect(0, H - BW, W, H), m_borderColor);
    Fill(canvas, Rect(W - BW, 0, W, H), m_borderColor);
    if (BW < 4) {
        Fill(canvas, Rect(BW, T, kBand, H - BW), m_menuBarColor);
        Fill(canvas, Rect(BW, H - kBand, W - BW, H - BW), m_menuBarColor);
        Fill(canvas, Rect(W - kBand, T, W - BW, H - BW), m_menuBarColor);
    }
    const bool titleVisible = m_titleBar && m_titleBar->GetVisible();
    if (titleVisible && m_titleBar->CanPaint() && BW < 4) {
        PaintTitleBarEdges(canvas, *m_titleBar, W, BW, m_borderColor,
                           BW == 1 && m_roundCorner == 11 && !(ComponentState() & csDesigning));
    } else if (!titleVisible) {
        Fill(canvas, Rect(0, 0, W, 1), m_borderColor);
        Fill(canvas, Rect(BW, 1, W - BW, kBand), m_menuBarColor);
    }
    canvas.SetHandle(nullptr);
    ReleaseDC(hwnd, dc);
}

namespace {

// The children to arrange, from the back of the client's order to its front (the active
// child last), minimised ones left where they lie.
std::vector<TCustomForm*> ChildrenBackToFront(TCustomForm* Form, bool& AnyMinimised) {
    std::vector<TCustomForm*> out;
    AnyMinimised = false;
    for (int i = Form->MDIChildCount() - 1; i >= 0; --i) {
        TCustomForm* child = Form->MDIChildren(i);
        if (!child->GetVisible()) continue;
        if (child->GetWindowState() == wsMinimized) {
            AnyMinimised = true;
            continue;
        }
        out.push_back(child);
    }
    return out;
}

}  // namespace

void TskMDIForm::Cascade() {
    bool anyMinimised = false;
    const std::vector<TCustomForm*> children = ChildrenBackToFront(m_form, anyMinimised);
    const int w = static_cast<int>(m_form->GetClientWidth() * 0.8);
    const int h = static_cast<int>(m_form->GetClientHeight() * 0.6);
    int offset = 0;
    for (TCustomForm* child : children) {
        child->SetBounds(offset, offset, w, h);
        offset += 22;
    }
}

void TskMDIForm::Tile() {
    bool anyMinimised = false;
    const std::vector<TCustomForm*> children = ChildrenBackToFront(m_form, anyMinimised);
    const int n = static_cast<int>(children.size());
    if (n == 0) return;
    int usable = m_form->GetClientHeight();
    for (int i = 0; i < m_form->ControlCount(); ++i) {
        TControl* control = m_form->Controls(i);
        if (control->GetVisible() &&
            (control->GetAlign() == alTop || control->GetAlign() == alBottom))
            usable -= control->GetHeight();
    }
    if (anyMinimised) usable -= 25;
    const int width = m_form->GetClientWidth();
    int at = 0;
    if (m_form->GetTileMode() == tbVertical) {
        const int column = width / n;
        for (TCustomForm* child : children) {
            child->SetBounds(at, 0, column - 2, usable - 4);
            at += column - 2;
        }
    } else {
        const int row = usable / n;
        for (TCustomForm* child : children) {
            child->SetBounds(0, at, width - 4, row - 2);
            at += row - 2;
        }
    }
}
