#include "Source/edits/SKToolBar.h"

#include <algorithm>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/WinDefs.h"

namespace {

// The width of a drop-down button's arrow part, left out when centring image and caption.
constexpr int kArrowPart = 14;

// The caption as it reads: every "&" taken out.
std::string WithoutAmpersands(std::string Text) {
    std::erase(Text, '&');
    return Text;
}

}  // namespace

const TClassInfo& TskToolBar::StaticClassInfo() {
    using C = TskToolBar;
    static const TClassInfo info =
        TClassBuilder<C>("TskToolBar")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("ButtonColor", &C::GetButtonColor, &C::SetButtonColor)
            .Color("ButtonBorderColor", &C::GetButtonBorderColor, &C::SetButtonBorderColor)
            .Color("ButtonDownColor", &C::GetButtonDownColor, &C::SetButtonDownColor)
            .Build();
    return info;
}

TskToolBar::TskToolBar(TComponent* AOwner) : TToolBar(AOwner) {
    if (!(ComponentState() & csDesigning))
        OnCustomDrawButton = [this](TToolBar* Sender, TToolButton* Button, TCustomDrawState State,
                                    bool& DefaultDraw) {
            DrawButton(Sender, Button, State, DefaultDraw);
        };
    OnCustomDraw = [this](TToolBar* Sender, const TRect& ARect, bool& DefaultDraw) {
        DrawBar(Sender, ARect, DefaultDraw);
    };
    SetFlat(true);
    SetTransparent(false);
    SetUIStyle(GetSKFormStyle(AOwner));
}

void TskToolBar::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    m_buttonBorderColor = GetControlThemeColor(m_fileTheme, Value, SkItem::ToolBarButtonBorderColor);
    m_buttonColor = GetControlThemeColor(m_fileTheme, Value, SkItem::ToolBarButtonBackgroundColor);
    m_buttonDownColor =
        GetControlThemeColor(m_fileTheme, Value, SkItem::ToolBarButtonDownBackgroundColor);
    const TskUIStyle rules = DrawingRulesStyle(m_fileTheme, m_uiStyle);
    SetTransparent(rules == MacOS || rules == Protein);
    SetEdgeInner(esNone);
    SetEdgeOuter(esNone);
    Repaint();
}

void TskToolBar::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) RemoveFreeNotification(m_fileTheme);
    m_fileTheme = Value;
    if (m_fileTheme) FreeNotification(m_fileTheme);
    SetUIStyle(m_uiStyle);
}

void TskToolBar::SetButtonColor(TColor Value) {
    m_buttonColor = Value;
    Repaint();
}

void TskToolBar::SetButtonBorderColor(TColor Value) {
    m_buttonBorderColor = Value;
    Repaint();
}

void TskToolBar::SetButtonDownColor(TColor Value) {
    m_buttonDownColor = Value;
    Repaint();
}

void TskToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TToolBar::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskToolBar::DrawBar(TToolBar*, const TRect&, bool&) {
    if (GetTransparent()) DoTrans(GetCanvas(), this);
}

void TskToolBar::DrawButton(TToolBar*, TToolButton* Button, TCustomDrawState State,
                            bool& DefaultDraw) {
    if (Button->IsSeparator()) return;
    const TRect r = Button->BoundsRect();
    const bool dropDown = Button->GetStyle() == tbsDropDown;
    TImageList* images = GetHotImages() ? GetHotImages() : GetImages();
    TCanvas* canvas = GetCanvas();
    const std::string caption = Button->GetCaption();
    if (State & cdsHot) {
        if (State & cdsSelected)
            DrawDownButton(canvas, r, images, Button->GetImageIndex(), caption, dropDown);
        else
            DrawHotButton(canvas, r, images, Button->GetImageIndex(), caption, dropDown);
        if (dropDown) DrawDropDownArrow(canvas, r);
        DefaultDraw = false;
    } else if (State & (cdsSelected | cdsChecked)) {
        DrawHotButton(canvas, r, images, Button->GetImageIndex(), caption, dropDown);
        DefaultDraw = false;
    }
}

void TskToolBar::DrawHotButton(TCanvas* Canvas, const TRect& R, TImageList* Images, int ImageIndex,
                               const std::string& Caption, bool DropDown) {
    DrawFace(Canvas, R, Images, ImageIndex, Caption, DropDown, false);
}

void TskToolBar::DrawDownButton(TCanvas* Canvas, const TRect& R, TImageList* Images, int ImageIndex,
                                const std::string& Caption, bool DropDown) {
    DrawFace(Canvas, R, Images, ImageIndex, Caption, DropDown, true);
}

void TskToolBar::DrawFace(TCanvas* Canvas, const TRect& R, TImageList* Images, int ImageIndex,
                          const std::string& Caption, bool DropDown, bool Down) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Down ? m_buttonDownColor : m_buttonColor);
    Canvas->GetPen()->SetColor(m_buttonBorderColor);
    Canvas->Rectangle(R);
    const int right = DropDown ? R.right - kArrowPart : R.right;
    if (Images) {
        if (!GetList())
            Images->Draw(Canvas, R.left + (right - R.left - Images->GetWidth()) / 2, R.top + 3,
                         ImageIndex, true);
        else
            Images->Draw(Canvas, R.left + 5, R.top + 3, ImageIndex, true);
    }
    if (!GetShowCaptions()) return;
    Canvas->SetFont(GetFont());
    const int c = (right - R.left - Canvas->TextWidth(WithoutAmpersands(Caption))) / 2;
    TPoint corner;
    if (Images)
        corner = GetList() ? TPoint{R.left + Images->GetWidth() + 7, R.top + 4}
                           : TPoint{R.left + c, R.top + Images->GetHeight() + 4};
    else
        corner =
            GetList() ? TPoint{R.left + 8, R.top + 3} : TPoint{R.left + c, R.top + (Down ? 5 : 4)};
    TRect text{corner.x, corner.y, R.right, R.bottom};
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->DrawText(Caption, text, gfx::DT_LEFT | gfx::DT_TOP | gfx::DT_SINGLELINE);
    Canvas->GetBrush()->SetStyle(bsSolid);
}

void TskToolBar::DrawDropDownArrow(TCanvas* Canvas, const TRect& R) {
    const int m = R.top + (R.bottom - R.top) / 2;
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clBlack);
    Canvas->GetPen()->SetColor(clBlack);
    Canvas->Polygon({{R.right - 9, m}, {R.right - 5, m}, {R.right - 7, m + 2}});
    Canvas->Polygon({{R.right - 8, m}, {R.right - 6, m}, {R.right - 7, m + 1}});
    Canvas->MoveTo(R.right - kArrowPart, R.top);
    Canvas->LineTo(R.right - kArrowPart, R.bottom);
}

void RegisterSKToolBarClasses() {
    RegisterClassesOf<TskToolBar>();
}
