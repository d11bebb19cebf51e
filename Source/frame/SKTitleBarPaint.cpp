// The title bar's painting: the three title pictures, the caption buttons with their hover
// and pressed pictures, the window-menu button or the application icon, and the caption.
#include <algorithm>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKTitleBar.h"
#include "Source/theme/SKPublic.h"

namespace {

constexpr int kIconSize = 16;
constexpr const char* kEllipsis = "...";

// Draws the picture through a scratch bitmap, leaving out its bottom-left colour when
// Transparent is set.
void DrawButtonPicture(TCanvas* Target, int X, int Y, TPicture* Picture, TPicture* Size,
                       bool Transparent) {
    TBitmap scratch(Size->GetWidth(), Size->GetHeight());
    if (TGraphic* graphic = Picture->GetGraphic()) scratch.GetCanvas()->Draw(0, 0, graphic);
    scratch.SetTransparent(Transparent);
    Target->Draw(X, Y, &scratch);
}

}  // namespace

void TskTitleBar::Paint() {
    const TRect client = GetClientRect();
    if (client.IsEmpty()) return;
    TBitmap buffer(client.Width(), client.Height());
    TCanvas* canvas = buffer.GetCanvas();
    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(TBrushStyle::bsClear);
    DrawSectionsTo(&buffer);
    DrawButtons(&buffer);
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskTitleBar::DrawSectionsTo(TBitmap* Bitmap) {
    int dx = 0;
    int dy = 0;
    if (InMDIForm()) {
        dx = -4;
        dy = -3;
    } else if (InForm()) {
        dx = -3;
        dy = -3;
    }
    TCanvas* canvas = Bitmap->GetCanvas();
    const int w = Bitmap->GetWidth();
    int a = dx;
    int b = w - dx;
    const int count = m_sections->Count();
    if (count > 0) {
        TPicture* left = m_sections->GetItem(0)->GetPicture();
        if (TGraphic* g = left->GetGraphic()) {
            canvas->Draw(dx, dy, g);
            a = left->GetWidth() + dx;
        }
    }
    if (count > 1) {
        TPicture* right = m_sections->GetItem(1)->GetPicture();
        if (TGraphic* g = right->GetGraphic()) {
            b = w - right->GetWidth() - dx;
            canvas->Draw(b, dy, g);
        }
    }
    if (count > 2) {
        TPicture* center = m_sections->GetItem(2)->GetPicture();
        if (TGraphic* g = center->GetGraphic())
            canvas->StretchDraw(Rect(a, dy, b, dy + center->GetHeight()), g);
    }
}

TPicture* TskTitleBar::ButtonPicture(TskTitleBarButton* Button, bool Hover) {
    if (!Hover) return Button->GetPicNormal();
    return m_mouseIsDown ? Button->GetPicMouseDown() : Button->GetPicMouseOn();
}

TBitmap* TskTitleBar::AppIcon() {
    if (m_appIcon) return m_appIcon.get();
    m_appIcon = std::make_unique<TBitmap>(kIconSize, kIconSize);
    TPicture* icon = Application ? Application->GetIcon() : nullptr;
    if (icon && icon->GetGraphic() && !icon->GetGraphic()->GetEmpty()) {
        m_appIcon->GetCanvas()->StretchDraw(Rect(0, 0, kIconSize, kIconSize), icon->GetGraphic());
    } else {
        RegisterSkinPictures();
        TBitmap resource;
        resource.LoadFromResourceName("MAINICON");
        m_appIcon->GetCanvas()->StretchDraw(Rect(0, 0, kIconSize, kIconSize), &resource);
    }
    m_appIcon->SetTransparent(true);
    return m_appIcon.get();
}

void TskTitleBar::DrawButtons(TBitmap* Bitmap) {
    TCanvas* canvas = Bitmap->GetCanvas();
    const int w = Bitmap->GetWidth();
    int x = w + m_rightBtnXOffset + 1;
    int controlBox = -1;
    m_hoverIndex = -1;
    POINT cursor{};
    GetCursorPos(&cursor);
    const TPoint pointer = ScreenToClient(cursor);

    for (int i = 0; i < m_buttons->Count(); ++i) {
        TskTitleBarButton* button = m_buttons->GetItem(i);
        if (!button->GetVisible()) continue;
        if (button->GetButtonType() == skControlBox) {
            controlBox = i;
            continue;
        }
        TPicture* normal = button->GetPicNormal();
        x -= normal->GetWidth() + m_buttonInterval + 1;
        const TRect r =
            Rect(x, m_buttonRowTop, x + normal->GetWidth(), m_buttonRowTop + normal->GetHeight());
        const bool hover = InRect(pointer, r);
        if (hover) m_hoverIndex = i;
        DrawButtonPicture(canvas, x, m_buttonRowTop, ButtonPicture(button, hover), normal,
                          button->GetTransparent());
    }

    int xl = m_leftBtnXOffset;
    if (controlBox != -1) {
        TskTitleBarButton* button = m_buttons->GetItem(controlBox);
        TPicture* normal = button->GetPicNormal();
        const TRect r =
            Rect(xl, m_buttonRowTop, xl + normal->GetWidth(), m_buttonRowTop + normal->GetHeight());
        const bool hover = InRect(pointer, r);
        if (hover) m_hoverIndex = controlBox;
        if (m_drawAppIcon) {
            canvas->Draw(xl + 3, m_buttonRowTop, AppIcon());
            xl += 21;
        } else {
            DrawButtonPicture(canvas, xl, m_buttonRowTop, ButtonPicture(button, hover), normal,
                              button->GetTransparent());
            xl += normal->GetWidth() + 5;
        }
    }
    if (xl == 0) xl = 6;
    DrawCaption(canvas, xl, x);
}

void TskTitleBar::DrawCaption(TCanvas* Canvas, int Left, int Right) {
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(TBrushStyle::bsClear);
    if (!m_formActive) Canvas->GetFont()->SetColor(clInactiveCaption);
    std::string text = GetCaption();
    const int available = Right - Left;
    if (Canvas->TextWidth(text) > available) {
        // Whole UTF-8 characters come off the end until the rest and "..." fit.
        while (!text.empty() && Canvas->TextWidth(text + kEllipsis) > available) {
            std::size_t cut = text.size() - 1;
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
            text.erase(cut);
        }
        text += kEllipsis;
    }
    const int top = m_buttonRowTop + (m_buttonImageHeight - Canvas->TextHeight(text)) / 2;
    Canvas->TextOut(Left, top, text);
}
