#include "Source/buttons/SKPanel.h"

#include <algorithm>

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kAnimationStep = 15;
constexpr int kButtonFrames = 4;

}  // namespace

const TClassInfo& TskPanel::StaticClassInfo() {
    using C = TskPanel;
    static const TClassInfo info =
        TClassBuilder<C>("TskPanel")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Publish("Caption")
            .Boolean("ShowButton", &C::GetShowButton, &C::SetShowButton, true)
            .Integer("Height", &C::GetFullHeight, &C::SetHeight2)
            .Color("CaptionFontColor", &C::GetCaptionFontColor, &C::SetCaptionFontColor)
            .Publish("TabStop")
            .Event("OnPush", &C::OnPush)
            .Event("OnPop", &C::OnPop)
            .Build();
    return info;
}

TskPanel::TskPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), m_title(std::make_unique<TBitmap>()) {
    SetBevelOuter(bvNone);
    SetWidth(100);
    SetHeight2(100);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskPanel::~TskPanel() {
    Destroying();
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
}

int TskPanel::TitleHeight() const {
    return m_title->GetHeight();
}

void TskPanel::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    Invalidate();
}

void TskPanel::SetCaptionFontColor(TColor Value) {
    m_captionFontColor = Value;
    Invalidate();
}

void TskPanel::SetShowButton(bool Value) {
    m_showButton = Value;
    Invalidate();
}

void TskPanel::SetHeight2(int Value) {
    m_fullHeight = Value;
    if ((ComponentState() & csDesigning) || m_expanded) SetHeight(Value);
}

void TskPanel::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    m_settingFileTheme = true;
    SetUIStyle(m_uiStyle);
    m_settingFileTheme = false;
}

void TskPanel::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    if (m_settingFileTheme && Value != FromThemeFile) return;
    SetColor(0xFFFFFF);
    TskUIStyle effective = Value;
    if (UsingFileTheme(m_fileTheme, Value, effective)) {
        GetControlThemeBitmap(m_fileTheme, Value, SkItem::SideChannelBarImage, m_title.get(), 0, 0);
        m_borderColor = m_fileTheme->GetColor(SkItem::ControlBorderColor);
        const TColor font = m_fileTheme->GetColor(SkItem::ControlFontColor);
        const bool dark =
            font == 0x020000 || font == 0x030000 || font == 0x040000 || font == 0x050000;
        m_captionFontColor = dark ? 0x000000 : 0xFFFFFF;
        // A theme written from a built-in style keeps that style's caption.
        const TskUIStyle rules = m_fileTheme->GetBuiltInStyle();
        if (rules != FromThemeFile)
            m_captionFontColor =
                rules == MacOS ? 0x000000 : m_fileTheme->GetColor(SkItem::MenuSelectedFontColor);
    } else {
        GetInsideThemeBitmap(effective, SkItem::SideChannelBarImage, m_title.get(), 0, 0);
        m_borderColor = GetInsideThemeColor(effective, SkItem::ControlBorderColor);
        m_captionFontColor = effective == MacOS
                                 ? 0x000000
                                 : GetInsideThemeColor(effective, SkItem::MenuSelectedFontColor);
    }
    // The children are laid out again against the new title strip; the full height stays.
    SetHeight2(m_fullHeight - 1);
    SetHeight2(m_fullHeight + 1);
    Invalidate();
}

void TskPanel::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        ContainerApplyUIStyle(this, DeepBlue, nullptr);
        SetUIStyle(DeepBlue);
    }
}

void TskPanel::AlignControls(TControl* AControl, TRect& Rect) {
    Rect = GetClientRect();
    Rect.left += 3;
    Rect.right -= 3;
    Rect.bottom -= 3;
    Rect.top = TitleHeight() + 3;
    TCustomPanel::AlignControls(AControl, Rect);
}

bool TskPanel::ButtonAllowed() const {
    const TAlign align = GetAlign();
    return m_showButton && align != alClient && align != alLeft && align != alRight;
}

TRect TskPanel::ButtonRect() const {
    const int top = (TitleHeight() - 12) / 2;
    const int buttonWidth = 52 / kButtonFrames;
    return {GetWidth() - 1 - buttonWidth - 4, top, GetWidth() - 5, top + 12};
}

void TskPanel::PaintButton(TCanvas* Canvas) {
    TBitmap strip;
    strip.LoadFromResourceName("PANEL_BUTTON");
    const int frame = m_mouseOnButton ? (m_expanded ? 2 : 4) : (m_expanded ? 1 : 3);
    TBitmap button;
    SpitBitmap(&strip, &button, kButtonFrames, frame);
    const int top = (TitleHeight() - 12) / 2;
    Canvas->Draw(GetWidth() - button.GetWidth() - 4, top / 2 + 2, &button);
}

void TskPanel::Paint() {
    const int width = std::max(0, GetWidth());
    TBitmap buffer(width, std::max(0, m_fullHeight));
    TCanvas* canvas = buffer.GetCanvas();
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetPen()->SetColor(m_borderColor);
    canvas->Rectangle(GetClientRect());
    const int titleHeight = TitleHeight();
    if (!m_title->GetEmpty()) canvas->StretchDraw({1, 0, width - 1, titleHeight}, m_title.get());
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->SetFont(GetFont());
    canvas->GetFont()->SetColor(m_captionFontColor);
    TRect captionRect{10, 0, width - 1, titleHeight};
    canvas->DrawText(GetCaption(), captionRect, DT_SINGLELINE | DT_VCENTER);
    if (ButtonAllowed()) PaintButton(canvas);
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomPanel::MouseMove(Shift, X, Y);
    if (!guard.Exists() || !ButtonAllowed()) return;
    const bool over = Y < TitleHeight() && InRect(X, Y, ButtonRect());
    if (over == m_mouseOnButton) return;
    m_mouseOnButton = over;
    Invalidate();
}

void TskPanel::CMMouseLeave(TMessage& Message) {
    TCustomPanel::CMMouseLeave(Message);
    if (!m_mouseOnButton) return;
    m_mouseOnButton = false;
    Invalidate();
}

void TskPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (!guard.Exists() || Button != mbLeft || !m_mouseOnButton) return;
    if (m_expanded)
        Push();
    else
        Pop();
    if (guard.Exists()) Invalidate();
}

bool TskPanel::Animate(int Target, int Step) {
    TComponentGuard guard(this);
    m_animating = true;
    const auto beyond = [&](int height) {
        return Step < 0 ? height + Step > Target : height + Step < Target;
    };
    while (beyond(GetHeight())) {
        const int before = GetHeight();
        SetHeight(before + Step);
        Repaint();
        // An alignment or constraints that hold the height would make this loop forever.
        if (GetHeight() == before) break;
        if (Application) Application->ProcessMessages();
        if (!guard.Exists()) return false;
    }
    SetHeight(Target);
    Repaint();
    m_animating = false;
    return true;
}

void TskPanel::Push() {
    const TAlign align = GetAlign();
    if (align == alClient || align == alLeft || align == alRight)
        throw Exception(SK_PANEL_CANNOT_PUSH);
    // A click that arrives during an animation starts no second one.
    if (m_animating || !m_expanded) return;
    const int target = TitleHeight() == 0 ? 20 : TitleHeight();
    if (!Animate(target, -kAnimationStep)) return;
    m_expanded = false;
    Invalidate();
    if (OnPush) OnPush(this);
}

void TskPanel::Pop() {
    if (m_animating || m_expanded) return;
    if (!Animate(m_fullHeight, kAnimationStep)) return;
    m_expanded = true;
    Invalidate();
    if (OnPop) OnPop(this);
}

void TskPanel::Resize() {
    TCustomPanel::Resize();
    if (!m_animating && m_expanded) m_fullHeight = GetHeight();
}

void TskPanel::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 1;
}
