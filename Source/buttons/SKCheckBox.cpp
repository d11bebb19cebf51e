#include "Source/buttons/SKCheckBox.h"

#include <algorithm>

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/win/Windows.h"

const TClassInfo& TskCheckBox::StaticClassInfo() {
    using C = TskCheckBox;
    static const TClassInfo info =
        TClassBuilder<C>("TskCheckBox")
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Boolean("AutoSize", &C::GetAutoSize, &C::SetAutoSize, true)
            .Boolean("Checked", &C::GetChecked, &C::SetChecked, false)
            .Publish("Caption")
            .Publish("TabStop")
            .Enum("State", CheckBoxStateInfo(), &C::GetState, &C::SetState, cbUnchecked)
            .NotStored()
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, false)
            .Event("OnClick", &C::OnClick)
            .Build();
    return info;
}

const TClassInfo& TskRadioButton::StaticClassInfo() {
    using C = TskRadioButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskRadioButton")
            .Integer("GroupIndex", &C::GetGroupIndex, &C::SetGroupIndex, 0)
            .Build();
    return info;
}

TskCheckBox::TskCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
    TCustomControl::SetAutoSize(true);
    SetHeight(17);
    SetWidth(93);
    m_controlStyle &= ~csDoubleClicks;
    SetTabStop(true);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskCheckBox::~TskCheckBox() {
    Destroying();
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
}

void TskCheckBox::SetChecked(bool Value) {
    if (Value == m_checked) return;
    m_checked = Value;
    Invalidate();
    CheckStateChanged();
}

void TskCheckBox::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    SettleSize();
    Invalidate();
}

void TskCheckBox::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(m_uiStyle);
}

void TskCheckBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskCheckBox::SetTransparent(bool Value) {
    m_transparent = Value;
    Invalidate();
}

void TskCheckBox::SetAutoSize(bool Value) {
    TCustomControl::SetAutoSize(Value);
    SettleSize();
    Invalidate();
}

void TskCheckBox::SetEnabled(bool Value) {
    TCustomControl::SetEnabled(Value);
    Invalidate();
}

void TskCheckBox::Loaded() {
    TCustomControl::Loaded();
    SettleSize();
}

bool TskCheckBox::NeedDrawFocus() const {
    return GetTabStop() && Focused();
}

void TskCheckBox::CheckStateChanged() {
    if (ComponentState() & csLoading) return;
    if (OnClick) OnClick(this);
}

void TskCheckBox::DoClick() {
    Toggle();
    SetChecked(!m_checked);
}

void TskCheckBox::Click() {
    TComponentGuard guard(this);
    DoClick();
    if (!guard.Exists()) return;
    TCustomControl::Click();
}

void TskCheckBox::GetStatePicture(TBitmap* Bitmap) {
    const int frame = GetEnabled() ? (m_checked ? 1 : 2) : (m_checked ? 3 : 4);
    GetControlThemeBitmap(m_fileTheme, m_uiStyle, GetPicThemeIndex(), Bitmap, 4, frame);
}

void TskCheckBox::ApplyAutoSize(TBitmap* Picture) {
    if (!GetAutoSize()) return;
    TBitmap measure(1, 1);
    TCanvas* canvas = measure.GetCanvas();
    canvas->SetFont(GetFont());
    const int height = std::max(canvas->TextHeight("W") + 2, Picture->GetHeight()) + 4;
    const int width = Picture->GetWidth() + 8 + canvas->TextWidth(GetCaption());
    if (width != GetWidth() || height != GetHeight()) SetBounds(GetLeft(), GetTop(), width, height);
}

void TskCheckBox::SettleSize() {
    // The size follows the picture and the caption at every paint; settling it as soon as
    // either changes means nobody sees a size that the next paint will change.
    if (!GetAutoSize() || (ComponentState() & csLoading)) return;
    TBitmap picture;
    try {
        GetStatePicture(&picture);
    } catch (const std::exception&) {
        // Measured as a missing picture; Paint reports nothing either.
    }
    ApplyAutoSize(&picture);
}

void TskCheckBox::Paint() {
    TBitmap picture;
    try {
        GetStatePicture(&picture);
    } catch (const std::exception&) {
        picture.SetSize(0, 0);
    }
    picture.SetTransparent(GetPicTransparent());
    ApplyAutoSize(&picture);

    TBitmap buffer(std::max(0, GetWidth()), std::max(0, GetHeight()));
    TCanvas* canvas = buffer.GetCanvas();
    canvas->SetFont(GetFont());
    if (!m_transparent) {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(GetClientRect());
    } else {
        DoTrans(canvas, this);
    }
    if (!picture.GetEmpty())
        canvas->Draw(1, (GetClientHeight() - picture.GetHeight()) / 2, &picture);

    canvas->GetBrush()->SetStyle(bsClear);
    const int textHeight = canvas->TextHeight("W");
    const int left = picture.GetWidth() + 4;
    const int top = (GetClientHeight() - textHeight) / 2;
    TRect rect{left, top, GetWidth(), GetHeight()};
    canvas->DrawText(GetCaption(), rect, DT_SINGLELINE);
    if (NeedDrawFocus()) {
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->DrawFocusRect({left - 1, top, GetWidth(), top + textHeight + 2});
    }
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskCheckBox::TakeFocus() {
    if (!CanFocus() || !GetEnabled() || !GetVisible()) return;
    try {
        SetFocus();
    } catch (const std::exception&) {
        // The click goes on without the focus.
    }
}

void TskCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (guard.Exists() && Button == mbLeft) TakeFocus();
}

void TskCheckBox::CMFontChanged(TMessage& Message) {
    TCustomControl::CMFontChanged(Message);
    SettleSize();
    Invalidate();
}

void TskCheckBox::CMTextChanged(TMessage& Message) {
    TCustomControl::CMTextChanged(Message);
    SettleSize();
    Invalidate();
}

void TskCheckBox::CMDialogChar(TMessage& Message) {
    TCustomControl::CMDialogChar(Message);
    if (GetEnabled() && IsAccel(static_cast<unsigned>(Message.WParam), GetCaption())) {
        TakeFocus();
        Click();
        Message.Result = 1;
    } else {
        Message.Result = 0;
    }
}

void TskCheckBox::CMFocusChanged(TMessage& Message) {
    TCustomControl::CMFocusChanged(Message);
    Invalidate();
}

void TskCheckBox::WMEraseBkgnd(TMessage& Message) {
    // Paint covers every pixel.
    Message.Result = 1;
}

void TskCheckBox::WMKeyUp(TMessage& Message) {
    TComponentGuard guard(this);
    TCustomControl::WMKeyUp(Message);
    if (!guard.Exists()) return;
    const WPARAM key = Message.WParam;
    if (WantKeyUp() && (key == VK_SPACE || key == VK_RETURN) && Focused() && GetEnabled()) {
        Invalidate();
        Click();
    }
}

void TskCheckBox::WMSetFocus(TMessage& Message) {
    TCustomControl::WMSetFocus(Message);
    Invalidate();
}

void TskCheckBox::WMKillFocus(TMessage& Message) {
    TCustomControl::WMKillFocus(Message);
    Invalidate();
}

TskRadioButton::TskRadioButton(TComponent* AOwner) : TskCheckBox(AOwner) {
    m_controlStyle |= csDoubleClicks;
    // The base constructor sized the control with the check box picture.
    SetUIStyle(GetUIStyle());
}

void TskRadioButton::CheckStateChanged() {
    if (!GetChecked()) return;
    UnCheckGroup();
    if (ComponentState() & csLoading) return;
    if (OnClick) OnClick(this);
}

void TskRadioButton::DoClick() {
    if (!GetChecked()) SetChecked(true);
}

void TskRadioButton::UnCheckGroup() {
    TWinControl* parent = GetParent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TskRadioButton*>(parent->Controls(i));
        if (other && other != this && other->m_groupIndex == m_groupIndex) other->SetChecked(false);
    }
}

void TskRadioButton::WMSetFocus(TMessage& Message) {
    TComponentGuard guard(this);
    TskCheckBox::WMSetFocus(Message);
    if (!guard.Exists()) return;
    // Moving between the items of a radio group with the keyboard checks the new one.
    auto previous = reinterpret_cast<HWND>(Message.WParam);
    if (previous && previous != Handle() && IsWindow(previous) &&
        GetClassName(previous) == "TskRadioGroupButton")
        Click();
}
