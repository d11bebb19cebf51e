#include "platform/vcl/stdctrls/CheckBox.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Frame3D.h"

const TEnumInfo& CheckBoxStateInfo() {
    static const TEnumInfo info{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
    return info;
}

namespace {

constexpr int kBoxSize = 13;

}  // namespace

const TClassInfo& TCustomCheckBox::StaticClassInfo() {
    using C = TCustomCheckBox;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomCheckBox")
            .Boolean("AllowGrayed", &C::GetAllowGrayed, &C::SetAllowGrayed, false)
            .Boolean("Checked", &C::GetChecked, &C::SetChecked, false)
            .NotStored()
            .Enum("State", CheckBoxStateInfo(), &C::GetState, &C::SetState, cbUnchecked)
            .Build();
    return info;
}

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCheckBox>("TCheckBox").Build();
    return info;
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
    if (Value == m_state) return;
    m_state = Value;
    Invalidate();
    if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle() {
    switch (m_state) {
        case cbUnchecked:
            m_state = cbChecked;
            break;
        case cbChecked:
            m_state = m_allowGrayed ? cbGrayed : cbUnchecked;
            break;
        case cbGrayed:
            m_state = cbUnchecked;
            break;
    }
    Invalidate();
}

void TCustomCheckBox::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(GetClientRect());

    TRect box = MarkRect(kBoxSize);
    const TPoint origin = box.TopLeft();
    Frame3D(canvas, box, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, box, cl3DDkShadow, cl3DLight, 1);
    const bool grayed = m_state == cbGrayed || !GetEnabled();
    canvas->GetBrush()->SetColor(Pressed() || grayed ? clBtnFace : clWindow);
    canvas->FillRect(box);
    if (m_state != cbUnchecked) {
        // The classic tick: a V three pixels thick from (3, 5) down to (5, 7) and up to (9, 3).
        const TColor mark = grayed ? clBtnShadow : clWindowText;
        for (int x = 3; x <= 9; ++x) {
            const int top = x <= 5 ? 5 + (x - 3) : 7 - (x - 5);
            for (int y = top; y < top + 3; ++y) canvas->SetPixel(origin.x + x, origin.y + y, mark);
        }
    }
    PaintCaption(kBoxSize);
}
