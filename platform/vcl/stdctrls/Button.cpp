#include "platform/vcl/stdctrls/Button.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/Frame3D.h"
#include "platform/win/Windows.h"

const TIdentMap& ModalResultIdents() {
    static const TIdentMap idents{
        {mrNone, "mrNone"},         {mrOk, "mrOk"},
        {mrCancel, "mrCancel"},     {mrAbort, "mrAbort"},
        {mrRetry, "mrRetry"},       {mrIgnore, "mrIgnore"},
        {mrYes, "mrYes"},           {mrNo, "mrNo"},
        {mrAll, "mrAll"},           {mrNoToAll, "mrNoToAll"},
        {mrYesToAll, "mrYesToAll"},
    };
    return idents;
}

const TClassInfo& TButton::StaticClassInfo() {
    using C = TButton;
    static const TClassInfo info = TClassBuilder<C>("TButton")
                                       .Publish("Caption")
                                       .Boolean("Cancel", &C::GetCancel, &C::SetCancel, false)
                                       .Boolean("Default", &C::GetDefault, &C::SetDefault, false)
                                       .Integer("ModalResult", &C::GetModalResult,
                                                &C::SetModalResult, mrNone, &ModalResultIdents())
                                       .Build();
    return info;
}

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle = csSetCaption | csOpaque | csDoubleClicks | csClickEvents;
    UpdateBoundsFields(0, 0, 75, 25);
    SetColor(clBtnFace);
    SetTabStop(true);
}

void TButton::SetDefault(bool Value) {
    if (Value == m_default) return;
    m_default = Value;
    if (GetParent()) {
        TWinControl* focused = FindControl(GetFocus());
        m_active = Value && !dynamic_cast<TButton*>(focused) ? true : focused == this;
    }
    Invalidate();
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(m_modalResult);
    TCustomControl::Click();
}

void TButton::SetDown(bool Value) {
    if (Value == m_down) return;
    m_down = Value;
    Invalidate();
}

void TButton::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_BUTTON | (m_active ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return;
    }
    if (Message.Msg == WM_KILLFOCUS) {
        m_tracking = false;
        SetDown(false);
    }
    TCustomControl::WndProc(Message);
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        m_tracking = true;
        SetCapture(Handle());
        SetDown(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y) {
    if (m_tracking) SetDown(GetClientRect().Contains({X, Y}));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // The click comes from the control's click events, which look at where it ends.
    if (Button == mbLeft) {
        m_tracking = false;
        ReleaseCapture();
        SetDown(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_SPACE) SetDown(true);
    TCustomControl::KeyDown(Key, Shift);
}

void TButton::KeyUp(WORD& Key, TShiftState Shift) {
    if (Key == VK_SPACE && m_down) {
        SetDown(false);
        TComponentGuard guard(this);
        Click();
        if (!guard.Exists()) return;
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TButton::CMDialogChar(TMessage& Message) {
    // Hidden buttons still answer their accelerators; disabled ones do not.
    if (GetEnabled() && IsAccel(static_cast<unsigned>(Message.WParam), GetCaption())) {
        Click();
        Message.Result = 1;
    }
}

void TButton::CMDialogKey(TMessage& Message) {
    const bool ret = Message.WParam == VK_RETURN && m_active;
    const bool esc = Message.WParam == VK_ESCAPE && m_cancel;
    if ((ret || esc) && KeyboardShiftState() == 0 && CanFocus()) {
        Click();
        Message.Result = 1;
    }
}

void TButton::CMFocusChanged(TMessage& Message) {
    auto* sender = reinterpret_cast<TWinControl*>(Message.LParam);
    const bool active = dynamic_cast<TButton*>(sender) ? sender == this : m_default;
    if (active != m_active) {
        m_active = active;
        Invalidate();
    }
}

void TButton::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    const bool focused = Focused();
    if (m_active || focused) {
        canvas->GetBrush()->SetColor(cl3DDkShadow);
        canvas->FrameRect(r);
        r = r.Inflate(-1, -1);
    }
    if (m_down) {
        canvas->GetBrush()->SetColor(clBtnShadow);
        canvas->FrameRect(r);
        r = r.Inflate(-1, -1);
    } else {
        Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(canvas, r, cl3DLight, clBtnShadow, 1);
    }
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(r);

    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(bsClear);
    TRect text = GetClientRect();
    if (m_down) text = text.Offset(1, 1);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (GetEnabled())
        canvas->DrawText(GetCaption(), text, flags);
    else
        DrawDisabledText(canvas, GetCaption(), text, flags);
    canvas->GetBrush()->SetStyle(bsSolid);
    if (focused) canvas->DrawFocusRect(GetClientRect().Inflate(-4, -4));
}
