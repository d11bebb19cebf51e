#include "Source/buttons/SKCustomButton.h"

#include <algorithm>

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/win/Windows.h"

namespace {

// Whether the text has more than blanks and control characters.
bool HasVisibleText(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

}  // namespace

const TClassInfo& TskCustomButton::StaticClassInfo() {
    using C = TskCustomButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskCustomButton")
            .Publish("Caption")
            .Publish("TabStop")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Boolean("Cancel", &C::GetCancel, &C::SetCancel, false)
            .Boolean("Default", &C::GetDefault, &C::SetDefault, false)
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, std::nullopt)
            .Integer("ModalResult", &C::GetModalResult, &C::SetModalResult, 0, &ModalResultIdents())
            .Integer("FocusedRectMargin", &C::GetFocusedRectMargin, &C::SetFocusedRectMargin, 2)
            .Integer("MouseContinuouslyDownInterval", &C::GetMouseContinuouslyDownInterval,
                     &C::SetMouseContinuouslyDownInterval, 100)
            .Event("OnMouseExit", &C::OnMouseExit)
            .Event("OnMouseContinuouslyDown", &C::OnMouseContinuouslyDown)
            .Integer("ResHandle", &C::GetResHandle, &C::SetResHandle, 0)
            .NotStored()
            .Build();
    return info;
}

TskCustomButton::TskCustomButton(TComponent* AOwner)
    : TCustomControl(AOwner), m_repeatTimer(std::make_unique<TTimer>(nullptr)) {
    m_controlStyle &= ~(csDoubleClicks | csAcceptsControls);
    m_repeatTimer->SetEnabled(false);
    m_repeatTimer->OnTimer = [this](TObject* sender) { RepeatTimer(sender); };
    OnClick = nullptr;
    SetText("");
    SetTabStop(true);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskCustomButton::~TskCustomButton() {
    Destroying();
    SetFileTheme(nullptr);
}

void TskCustomButton::SetAutoSize(bool Value) {
    TCustomControl::SetAutoSize(Value);
    AutoSizeChanged();
    Invalidate();
}

void TskCustomButton::SetDefault(bool Value) {
    m_default = Value;
    if (!HandleAllocated()) return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->GetActiveControl()));
}

void TskCustomButton::SetTransparent(bool Value) {
    m_transparent = Value;
    TransparentChanged();
    Invalidate();
}

void TskCustomButton::SetPicTransparent(bool Value) {
    m_picTransparent = Value;
    Invalidate();
}

void TskCustomButton::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    UIStyleChanged();
    Invalidate();
}

void TskCustomButton::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    if (!(ComponentState() & csDestroying)) SetUIStyle(m_uiStyle);
}

void TskCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskCustomButton::SetEnabled(bool Value) {
    // A button disabled while the mouse holds it lets go at once.
    if (!Value) CancelPress();
    TCustomControl::SetEnabled(Value);
    EnableChanged();
}

bool TskCustomButton::Repeating() const {
    return m_repeatTimer->GetEnabled();
}

void TskCustomButton::AutoSizeChanged() {
    if (!GetAutoSize()) return;
    TBitmap picture;
    GetInsideThemeBitmap(GetUIStyle(), SkItem::ButtonImage, &picture, 0, 0);
    const int height = picture.GetHeight() == 0 ? 21 : picture.GetHeight();
    const int width = picture.GetWidth() == 0 ? 74 : picture.GetWidth();
    SetBounds(GetLeft(), GetTop(), width / 3, height);
}

void TskCustomButton::FontChanged() {
    GetCanvas()->SetFont(GetFont());
    Invalidate();
}

void TskCustomButton::TransparentChanged() {
    SetPicTransparent(m_transparent);
}

void TskCustomButton::UIStyleChanged() {}

void TskCustomButton::PaintButton(int Item, int Count, int Index, TBitmap* Bitmap) {
    GetControlThemeBitmap(m_fileTheme, m_uiStyle, Item, Bitmap, Count, Index);
}

void TskCustomButton::PaintButtonNormal(TBitmap* Bitmap) {
    PaintButton(SkItem::ButtonImage, 3, 1, Bitmap);
}

void TskCustomButton::PaintButtonMouseOn(TBitmap* Bitmap) {
    PaintButton(SkItem::ButtonImage, 3, 2, Bitmap);
}

void TskCustomButton::PaintButtonMouseDown(TBitmap* Bitmap) {
    PaintButton(SkItem::ButtonImage, 3, 3, Bitmap);
}

void TskCustomButton::PaintButtonDisabled(TBitmap* Bitmap) {
    // The disabled look comes from the etched caption.
    PaintButton(SkItem::ButtonImage, 3, 1, Bitmap);
}

void TskCustomButton::Paint() {
    TBitmap picture;
    try {
        if (!GetEnabled())
            PaintButtonDisabled(&picture);
        else if (m_pressed)
            PaintButtonMouseDown(&picture);
        else if (m_mouseOn)
            PaintButtonMouseOn(&picture);
        else
            PaintButtonNormal(&picture);
    } catch (const std::exception&) {
        // A picture that cannot be had leaves a blank face; the caption still shows.
        picture.SetSize(74, 21);
    }
    picture.SetTransparent(m_picTransparent);

    TBitmap buffer(std::max(0, GetWidth()), std::max(0, GetHeight()));
    TCanvas* canvas = buffer.GetCanvas();
    if (!m_transparent) {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(GetClientRect());
    } else {
        // On a container that shows through its buttons the background is what lies
        // under the container; elsewhere it is the parent's face under the button.
        const auto* container = dynamic_cast<const IskButtonContainer*>(GetParent());
        if (container && container->ButtonsShowBackdrop())
            DoTrans(canvas, GetParent());
        else
            DoTrans(canvas, this);
    }
    PaintPic(canvas, &picture);
    if (Focused() && GetTabStop()) PaintFocus(canvas);
    canvas->SetFont(GetFont());
    GetCanvas()->SetFont(GetFont());
    if (HasVisibleText(GetCaption())) PaintText(canvas, GetCaption());
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskCustomButton::PaintPic(TCanvas* Canvas, TBitmap* Bitmap) {
    if (Bitmap->GetWidth() == 0 || Bitmap->GetHeight() == 0) return;
    TImageList images(nullptr);
    images.SetWidth(Bitmap->GetWidth());
    images.SetHeight(Bitmap->GetHeight());
    if (m_picTransparent)
        images.AddMasked(Bitmap, Bitmap->GetCanvas()->GetPixel(0, 0));
    else
        images.Add(Bitmap);
    images.Draw(Canvas, 0, 0, 0, GetEnabled());
}

void TskCustomButton::PaintText(TCanvas* Canvas, const std::string& Text) {
    Canvas->GetBrush()->SetStyle(bsClear);
    TRect rect = GetClientRect();
    Canvas->SetFont(GetFont());
    if (m_boldCaption) Canvas->GetFont()->SetStyle(Canvas->GetFont()->GetStyle() | fsBold);
    const unsigned flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (!GetEnabled()) {
        // Etched: white one pixel down and right, grey on top.
        rect = rect.Offset(1, 1);
        Canvas->GetFont()->SetColor(clWhite);
        Canvas->DrawText(Text, rect, flags);
        rect = GetClientRect();
        Canvas->GetFont()->SetColor(0x808080);
    } else if (m_pressed) {
        rect = rect.Offset(1, 1);
    }
    Canvas->DrawText(Text, rect, flags);
    m_boldCaption = false;
}

void TskCustomButton::PaintFocus(TCanvas* Canvas) {
    const int m = m_focusedRectMargin;
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->DrawFocusRect({m, m, GetClientWidth() - m, GetClientHeight() - m});
}

void TskCustomButton::CreateWnd() {
    TCustomControl::CreateWnd();
    m_active = m_default;
}

void TskCustomButton::SetPressed(bool Value) {
    if (Value == m_pressed) return;
    m_pressed = Value;
    Invalidate();
}

void TskCustomButton::StartRepeat() {
    if (m_repeatTimer->GetEnabled()) return;
    // A timer of no interval never runs: an interval of 0 or less means no notifications.
    if (m_repeatInterval <= 0) return;
    m_repeatTimer->SetInterval(static_cast<unsigned>(m_repeatInterval));
    m_repeatTimer->SetEnabled(true);
}

void TskCustomButton::CancelPress() {
    m_repeatTimer->SetEnabled(false);
    SetPressed(false);
}

void TskCustomButton::RepeatTimer(TObject*) {
    if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
}

void TskCustomButton::Click() {
    if (m_pressed) CancelPress();
    if (GetParent())
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(m_modalResult);
    TCustomControl::Click();
}

void TskCustomButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TCustomControl::ActionChange(Sender, CheckDefaults);
    SetCaption(GetText());
}

void TskCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        m_pressed = true;
        StartRepeat();
        if (GetTabStop() && CanFocus() && GetEnabled() && GetVisible()) {
            try {
                SetFocus();
            } catch (const std::exception&) {
                // The press goes on without the focus.
            }
        }
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskCustomButton::MouseMove(TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomControl::MouseMove(Shift, X, Y);
    if (!guard.Exists()) return;
    // The right and bottom edges still count as inside.
    if (X < 0 || Y < 0 || X > GetWidth() || Y > GetHeight()) {
        m_mouseOn = false;
        SetPressed(false);
        Invalidate();
    }
}

void TskCustomButton::CMMouseEnter(TMessage& Message) {
    if (ComponentState() & csDesigning) {
        TCustomControl::CMMouseEnter(Message);
        return;
    }
    m_mouseOn = true;
    Invalidate();
    // The platform's handling fires OnMouseEnter, which comes last.
    TCustomControl::CMMouseEnter(Message);
}

void TskCustomButton::CMMouseLeave(TMessage& Message) {
    TComponentGuard guard(this);
    TCustomControl::CMMouseLeave(Message);
    if (!guard.Exists()) return;
    m_mouseOn = false;
    CancelPress();
    Invalidate();
    if (OnMouseExit) OnMouseExit(this);
}

void TskCustomButton::CMFontChanged(TMessage& Message) {
    TCustomControl::CMFontChanged(Message);
    FontChanged();
}

void TskCustomButton::CMTextChanged(TMessage& Message) {
    TCustomControl::CMTextChanged(Message);
    CaptionChanged();
    Invalidate();
}

void TskCustomButton::CMDialogChar(TMessage& Message) {
    TCustomControl::CMDialogChar(Message);
    // Hidden buttons still answer their accelerators; disabled ones do not.
    if (GetEnabled() && IsAccel(static_cast<unsigned>(Message.WParam), GetCaption())) {
        Click();
        Message.Result = 1;
    } else {
        Message.Result = 0;
    }
}

void TskCustomButton::CMDialogKey(TMessage& Message) {
    const bool enter = Message.WParam == VK_RETURN && m_active;
    const bool escape = Message.WParam == VK_ESCAPE && m_cancel;
    if ((enter || escape) && KeyboardShiftState() == 0 && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(Message);
}

void TskCustomButton::CMFocusChanged(TMessage& Message) {
    TCustomControl::CMFocusChanged(Message);
    // Only a push button takes Enter over while it has the focus; a focused image or arrow
    // button leaves it with the default button.
    auto* sender = dynamic_cast<TskCustomButton*>(reinterpret_cast<TWinControl*>(Message.LParam));
    if (sender && sender->TakesEnterWhenFocused())
        m_active = sender == this;
    else
        m_active = m_default;
    Invalidate();
}

void TskCustomButton::WMEraseBkgnd(TMessage& Message) {
    // Paint covers every pixel.
    Message.Result = 1;
}

void TskCustomButton::WMKeyDown(TMessage& Message) {
    TComponentGuard guard(this);
    TCustomControl::WMKeyDown(Message);
    // The key pressed a button already (this one, or the default button with the focus
    // elsewhere): it must not press this one as well.
    if (!guard.Exists() || Message.Result != 0) return;
    const WPARAM key = Message.WParam;
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && GetEnabled()) SetPressed(true);
}

void TskCustomButton::WMKeyUp(TMessage& Message) {
    TComponentGuard guard(this);
    TCustomControl::WMKeyUp(Message);
    if (!guard.Exists()) return;
    const WPARAM key = Message.WParam;
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && m_pressed && GetEnabled()) {
        SetPressed(false);
        Click();
    }
}

void TskCustomButton::WMSetFocus(TMessage& Message) {
    TCustomControl::WMSetFocus(Message);
    Invalidate();
}

void TskCustomButton::WMKillFocus(TMessage& Message) {
    TCustomControl::WMKillFocus(Message);
    Invalidate();
}

void TskCustomButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
        case CM_CANCELMODE:
            // The mouse that held the button is gone without a release over it.
            if (Message.LParam != reinterpret_cast<LPARAM>(GetHandle()) ||
                Message.Msg != WM_CAPTURECHANGED)
                CancelPress();
            break;
        case CM_VISIBLECHANGED:
            if (Message.WParam == 0) CancelPress();
            break;
        default:
            break;
    }
    TCustomControl::WndProc(Message);
}
