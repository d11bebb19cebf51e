// The skinned form's frame: the window procedure it puts in front of its form's, size
// changes (maximising to the work area, MDI children), the window region, the frame band,
// the background, and the keyboard through the menu and the application hook.
#include <algorithm>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKForm.h"
#include "Source/frame/SKFramePaint.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"

namespace {

constexpr int kBand = kSkinFrameBand;

// The MDI client window an MDI child form lives in: its own frame's, which need not be
// the application's main form.
HWND MdiClientOf(TCustomForm* Form) {
    if (!Form || Form->GetFormStyle() != fsMDIChild || !Form->HandleAllocated()) return nullptr;
    const HWND client = GetParent(Form->Handle());
    return GetClassName(client) == MDICLIENT_CLASS ? client : nullptr;
}

void Fill(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.GetBrush()->SetColor(Color);
    Canvas.FillRect(Rect);
}

// The least width and height of the laid-out background pattern.
constexpr int kPatternSpan = 128;

// Tiles `tile` over `area` from the client's origin, drawing only the tiles that meet the
// canvas's clip box.
void TileClipped(TCanvas& Canvas, const TRect& area, TBitmap* tile) {
    const int w = tile->GetWidth(), h = tile->GetHeight();
    if (w <= 0 || h <= 0) return;
    const TRect box = Canvas.ClipRect().Intersect(area);
    if (box.IsEmpty()) return;
    for (int y = box.top - box.top % h; y < box.bottom; y += h)
        for (int x = box.left - box.left % w; x < box.right; x += w) Canvas.Draw(x, y, tile);
}

}  // namespace

TWindowState TskForm::FormState() const {
    return m_ownerForm ? m_ownerForm->GetWindowState() : wsNormal;
}

void TskForm::NewParentWndProc(TMessage& Message) {
    if (m_closing) return;
    if (Message.Msg != WM_NCPAINT) {
        // The form's own handling may free the form and this frame (a release message):
        // nothing of either is touched after it unless both are still there.
        TComponentGuard self(this);
        TComponentGuard form(m_ownerForm);
        const TWndMethod saved = m_savedWndProc;
        saved(Message);
        if (!self.Exists() || !form.Exists() || m_closing) return;
    }
    switch (Message.Msg) {
        case WM_MDIACTIVATE: {
            const bool activated = reinterpret_cast<HWND>(Message.LParam) == m_ownerForm->Handle();
            if (activated && MdiClientOf(m_ownerForm))
                SendMessage(MdiClientOf(m_ownerForm), WM_MDIREFRESHMENU, 0, 0);
            if (m_titleBar) m_titleBar->SetActive(activated);
            break;
        }
        case WM_KEYDOWN:
            ProcessKeyPress(Message);
            break;
        case WM_DESTROY:
            if (GetMDIChild() && Application && MdiClientOf(m_ownerForm)) {
                HWND client = MdiClientOf(m_ownerForm);
                auto* frame = dynamic_cast<TCustomForm*>(TWinControl::FindControl(::GetParent(client)));
                if (frame && frame->MDIChildCount() == 1)
                    SendMessage(client, WM_MDIREFRESHMENU, 0, 0);
                if (FormState() == wsMaximized)
                    SendMessage(client, WM_MDIRESTORE,
                                reinterpret_cast<WPARAM>(m_ownerForm->Handle()), 0);
            }
            break;
        case WM_ACTIVATE:
            if (m_titleBar) m_titleBar->SetActive(LOWORD(Message.WParam) != 0);
            break;
        case WM_NCPAINT:
            if (FormState() == wsMinimized) {
                const TWndMethod saved = m_savedWndProc;
                saved(Message);
            } else {
                PaintFormBorder();
                Message.Result = 0;
            }
            break;
        case CM_RECREATEWND:
        case CN_PARENTNOTIFY:
            ReAssign();
            break;
        case WM_SIZE:
            SizeChanged();
            break;
        case WM_SYSCOMMAND:
            if ((Message.WParam & 0xFFF0) == SC_KEYMENU)
                MenuKey(static_cast<char>(Message.LParam));
            break;
        default:
            break;
    }
}

void TskForm::SizeChanged() {
    const bool maximized = FormState() == wsMaximized;
    if (maximized && (ComponentState() & csDesigning)) return;
    if (m_startMaximized) {
        if (!maximized) {
            const TRect r = m_normalBounds;
            m_startMaximized = false;
            m_ownerForm->SetBounds(r.left, r.top, r.Width(), r.Height());
        }
        m_contentShifted = true;
    }
    if (maximized && !GetMDIChild()) {
        TRect area = GetWorkAreaRect();
        area.bottom -= 1;
        if (m_ownerForm->BoundsRect() != area) PlaceControl(m_ownerForm, area);
    }
    PaintFormBorder();
    if (m_titleBar) m_titleBar->ProcessMaxBtn();
    if (GetMDIChild() && m_titleBar) {
        const int shift = std::max(0, m_titleBar->GetHeight() - kBand);
        HWND client = MdiClientOf(m_ownerForm);
        if (maximized) {
            m_titleBar->SetVisible(false);
            if (!m_contentShifted) {
                ShiftContents(-shift);
                m_contentShifted = true;
                if (client)
                    SendMessage(client, WM_MDIMAXIMIZE,
                                reinterpret_cast<WPARAM>(m_ownerForm->Handle()), 0);
            }
        } else {
            m_titleBar->SetVisible(true);
            if (m_contentShifted) {
                ShiftContents(shift);
                m_contentShifted = false;
                m_titleBar->ProcessMaxBtn();
                if (client) SendMessage(client, WM_MDIRESTORE, 0, 0);
            }
        }
    }
    RegionWindow();
}

void TskForm::ShiftContents(int Dy) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (control == m_titleBar || control->GetAlign() != alNone) continue;
        control->SetTop(control->GetTop() + Dy);
    }
    Invalidate();
}

void TskForm::RegionWindow() {
    if (!m_ownerForm || m_closing || (ComponentState() & csDesigning)) return;
    if (!m_ownerForm->HandleAllocated()) return;
    HWND hwnd = m_ownerForm->Handle();
    RECT bounds;
    GetWindowRect(hwnd, &bounds);
    const int w = bounds.right - bounds.left;
    const int h = bounds.bottom - bounds.top;
    const int r = std::max(0, GetRoundCorner());
    HRGN region = CreateRoundRectRgn(0, 0, w + 1, h + 1, r, r);
    // The bottom corners stay square; the pieces are the region's business only while
    // it is being built.
    HRGN left = CreateRectRgn(0, std::max(0, h - 2 * r), std::min(w, 2 * r), h);
    HRGN right = CreateRectRgn(std::max(0, w - 2 * r), std::max(0, h - 2 * r), w, h);
    CombineRgn(region, region, left, RGN_OR);
    CombineRgn(region, region, right, RGN_OR);
    DeleteObject(left);
    DeleteObject(right);
    SetWindowRgn(hwnd, region, TRUE);
}

void TskForm::PaintFormBorder() {
    if (m_closing || !m_ownerForm || !m_ownerForm->HandleAllocated()) return;
    if (FormState() == wsMinimized && !(ComponentState() & csDesigning)) return;
    HWND hwnd = m_ownerForm->Handle();
    RECT bounds;
    GetWindowRect(hwnd, &bounds);
    const int W = bounds.right - bounds.left;
    const int H = bounds.bottom - bounds.top;
    const int BW = m_borderWidth;
    const int T = GetTitleBarHeight();
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    TControlCanvas canvas;
    canvas.SetHandle(dc);

    Fill(canvas, Rect(0, 0, BW, H), m_borderColor);
    Fill(canvas, Rect(0, H - BW, W, H), m_borderColor);
    Fill(canvas, Rect(W - BW, 0, W, H), m_borderColor);
    if (BW < 4) {
        const TColor inner = GetColor();
        Fill(canvas, Rect(BW, T, kBand, H - BW), inner);
        Fill(canvas, Rect(BW, H - kBand, W - BW, H - BW), inner);
        Fill(canvas, Rect(W - kBand, T, W - BW, H - BW), inner);
        PaintMenuBarEdges(canvas, W, BW);
    }
    const bool titleVisible = m_titleBar && m_titleBar->GetVisible();
    if (titleVisible && m_titleBar->CanPaint() && BW < 4) {
        PaintTitleBarEdges(canvas, *m_titleBar, W, BW, m_borderColor,
                           BW == 1 && GetRoundCorner() == 11 && !(ComponentState() & csDesigning));
    } else if (!titleVisible) {
        Fill(canvas, Rect(0, 0, W, 1), m_borderColor);
        Fill(canvas, Rect(BW, 1, W - BW, kBand), GetColor());
    }
    canvas.SetHandle(nullptr);
    ReleaseDC(hwnd, dc);
}

TBitmap* TskForm::BackgroundPattern(const char* ResourceName) {
    if (!m_backgroundPattern || m_backgroundPatternName != ResourceName) {
        RegisterSkinPictures();
        TBitmap tile;
        tile.LoadFromResourceName(ResourceName);
        // The patterns are a few pixels square: laid out once over a larger picture, they
        // take a few draws per paint instead of thousands.
        const int w = tile.GetWidth(), h = tile.GetHeight();
        auto pattern = std::make_unique<TBitmap>();
        if (w > 0 && h > 0) {
            pattern->SetSize((kPatternSpan + w - 1) / w * w, (kPatternSpan + h - 1) / h * h);
            for (int y = 0; y < pattern->GetHeight(); y += h)
                for (int x = 0; x < pattern->GetWidth(); x += w)
                    pattern->GetCanvas()->Draw(x, y, &tile);
        }
        m_backgroundPattern = std::move(pattern);
        m_backgroundPatternName = ResourceName;
    }
    return m_backgroundPattern.get();
}

void TskForm::Paint() {
    if (m_closing) return;
    const TRect client = GetClientRect();
    if (!client.IsEmpty()) {
        // Straight onto the window: its surface reaches the screen only once the whole pass
        // is painted, and the canvas is clipped to the part that needs painting.
        TCanvas* canvas = GetCanvas();
        const TskUIStyle rules = DrawingRulesStyle(m_fileTheme, m_uiStyle);
        const char* pattern = rules == MacOS     ? "MACOS_FORM_BACKGROUND"
                              : rules == Protein ? "PROTEIN_FORM_BACKGROUND"
                                                 : nullptr;
        if (pattern)
            TileClipped(*canvas, client, BackgroundPattern(pattern));
        else
            Fill(*canvas, client, GetColor());
    }
    PaintFormBorder();
}

void TskForm::WndProc(TMessage& Message) {
    if (Message.Msg == WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    TCustomPanel::WndProc(Message);
}

void TskForm::ProcessKeyPress(TMessage& Message) {
    Message.Result = 0;
    if (m_closing || !m_ownerForm || !m_menu) return;
    if (FormHasFocus(m_ownerForm) && m_ownerForm->Active() && m_menu->IsShortCut(Message))
        Message.Result = 1;
}

void TskForm::OnApplicationMessage(MSG& Msg, bool& Handled) {
    if (m_closing) return;
    if (Msg.message == WM_SYSCHAR && LOWORD(Msg.wParam) == ' ') {
        // The hook owner's own form: while a damaged file is reported from the main form's
        // creation there is no main form yet, and a disabled form (under a modal dialog)
        // must not offer its Close.
        TCustomForm* form = m_ownerForm;
        if (!form || !m_titleBar || !form->HandleAllocated() || !IsWindowEnabled(form->Handle()))
            return;
        Handled = true;
        m_titleBar->WindowMenu()->Popup(form->GetLeft(), form->GetTop() + GetTitleBarHeight());
    } else if (Msg.message == WM_KEYDOWN) {
        TMessage message{Msg.message, Msg.wParam, Msg.lParam, 0};
        ProcessKeyPress(message);
        Handled = message.Result == 1;
    }
}
