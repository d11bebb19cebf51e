#include "platform/vcl/stdctrls/RadioButton.h"

#include <cmath>

#include "platform/vcl/core/ClassBuilder.h"

namespace {

constexpr int kMarkSize = 12;

}  // namespace

const TClassInfo& TRadioButton::StaticClassInfo() {
    using C = TRadioButton;
    static const TClassInfo info = TClassBuilder<C>("TRadioButton")
                                       .Boolean("Checked", &C::GetChecked, &C::SetChecked, false)
                                       .Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    UpdateBoundsFields(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool Value) {
    if (Value == m_checked) return;
    m_checked = Value;
    SetTabStop(Value);
    Invalidate();
    if (!Value) return;
    if (TWinControl* parent = GetParent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
                other && other != this)
                other->SetChecked(false);
    if (!ClicksDisabled()) Click();
}

void TRadioButton::Toggle() {
    // The click that follows comes from the caller, so this checks without clicking.
    if (m_checked) return;
    m_checked = true;
    SetTabStop(true);
    if (TWinControl* parent = GetParent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
                other && other != this)
                other->SetChecked(false);
    Invalidate();
}

void TRadioButton::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(GetClientRect());

    // The classic round mark: an outer ring dark above and left, light below and right, an
    // inner ring the same way, and the window colour inside.
    const TRect mark = MarkRect(kMarkSize);
    const TColor inside = Pressed() || !GetEnabled() ? clBtnFace : clWindow;
    for (int y = 0; y < kMarkSize; ++y)
        for (int x = 0; x < kMarkSize; ++x) {
            const double d = std::hypot(x - 5.5, y - 5.5);
            const bool upperLeft = x + y < 11;
            TColor color;
            if (d >= 6.0)
                continue;
            else if (d >= 5.0)
                color = upperLeft ? clBtnShadow : clBtnHighlight;
            else if (d >= 4.0)
                color = upperLeft ? cl3DDkShadow : cl3DLight;
            else if (m_checked && d < 2.0)
                color = GetEnabled() ? clWindowText : clBtnShadow;
            else
                color = inside;
            canvas->SetPixel(mark.left + x, mark.top + y, color);
        }
    PaintCaption(kMarkSize);
}
