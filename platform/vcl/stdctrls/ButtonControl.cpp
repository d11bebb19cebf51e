#include "platform/vcl/stdctrls/ButtonControl.h"

#include "platform/vcl/actions/ControlActionLink.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/graphics/Frame3D.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
constexpr int kCaptionGap = 4;

}  // namespace

const TClassInfo& TButtonControl::StaticClassInfo() {
    using C = TButtonControl;
    static const TClassInfo info =
        TClassBuilder<C>("TButtonControl")
            .Publish("Caption")
            .Enum("Alignment", AlignmentInfo, &C::GetAlignment, &C::SetAlignment, taRightJustify)
            .Build();
    return info;
}

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle = csSetCaption | csDoubleClicks;
    UpdateBoundsFields(0, 0, 97, 17);
    SetParentColor(true);
    SetTabStop(true);
}

void TButtonControl::SetAlignment(TAlignment Value) {
    if (Value == m_alignment) return;
    m_alignment = Value;
    Invalidate();
}

void TButtonControl::SetPressed(bool Value) {
    if (Value == m_pressed) return;
    m_pressed = Value;
    Invalidate();
}

void TButtonControl::Activate() {
    TComponentGuard guard(this);
    Toggle();
    if (guard.Exists()) Click();
}

void TButtonControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_BUTTON;
        return;
    }
    if (Message.Msg == WM_KILLFOCUS) {
        m_tracking = false;
        SetPressed(false);
    }
    TCustomControl::WndProc(Message);
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        m_tracking = true;
        SetCapture(Handle());
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (m_tracking) SetPressed(GetClientRect().Contains({X, Y}));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && m_tracking) {
        m_tracking = false;
        ReleaseCapture();
        const bool inside = m_pressed;
        SetPressed(false);
        TComponentGuard guard(this);
        if (inside) Activate();
        if (!guard.Exists()) return;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButtonControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_SPACE) SetPressed(true);
    TCustomControl::KeyDown(Key, Shift);
}

void TButtonControl::KeyUp(WORD& Key, TShiftState Shift) {
    if (Key == VK_SPACE && m_pressed) {
        SetPressed(false);
        TComponentGuard guard(this);
        Activate();
        if (!guard.Exists()) return;
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TButtonControl::CMDialogChar(TMessage& Message) {
    if (!IsAccel(static_cast<unsigned>(Message.WParam), GetCaption()) || !CanFocus()) return;
    SetFocus();
    if (Focused()) Activate();
    Message.Result = 1;
}

TRect TButtonControl::MarkRect(int Size) const {
    const TRect client = GetClientRect();
    const int top = (client.Height() - Size) / 2;
    const int left = m_alignment == taLeftJustify ? client.right - Size : 0;
    return {left, top, left + Size, top + Size};
}

TRect TButtonControl::CaptionRect(int Size) const {
    TRect r = GetClientRect();
    if (m_alignment == taLeftJustify)
        r.right -= Size + kCaptionGap;
    else
        r.left += Size + kCaptionGap;
    return r;
}

void TButtonControl::PaintCaption(int MarkSize) {
    TCanvas* canvas = GetCanvas();
    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(bsClear);
    const TRect area = CaptionRect(MarkSize);
    TRect text = area;
    const unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    canvas->DrawText(GetCaption(), text, flags | DT_CALCRECT);
    text = Rect(area.left, area.top + (area.Height() - text.Height()) / 2,
                std::min(area.right, area.left + text.Width()),
                area.top + (area.Height() + text.Height()) / 2);
    if (GetEnabled())
        canvas->DrawText(GetCaption(), text, flags);
    else
        DrawDisabledText(canvas, GetCaption(), text, flags);
    canvas->GetBrush()->SetStyle(bsSolid);
    if (Focused()) canvas->DrawFocusRect(text.Inflate(1, 1));
}

std::unique_ptr<TControlActionLink> TButtonControl::CreateActionLink() {
    return std::make_unique<TButtonActionLink>(this);
}

void TButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    TCustomControl::ActionChange(Sender, CheckDefaults);
    if (auto* action = dynamic_cast<TCustomAction*>(Sender))
        if (!CheckDefaults || !GetChecked()) SetCheckedQuietly(action->GetChecked());
}

void TButtonControl::SetCheckedQuietly(bool Value) {
    const bool before = m_clicksDisabled;
    m_clicksDisabled = true;
    try {
        SetChecked(Value);
    } catch (...) {
        m_clicksDisabled = before;
        throw;
    }
    m_clicksDisabled = before;
}
