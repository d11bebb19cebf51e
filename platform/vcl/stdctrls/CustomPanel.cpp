#include "platform/vcl/stdctrls/CustomPanel.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Frame3D.h"

namespace {

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumInfo BevelInfo{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const TEnumInfo BorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};

}  // namespace

const TClassInfo& TCustomPanel::StaticClassInfo() {
    using C = TCustomPanel;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomPanel")
            .Enum("Alignment", AlignmentInfo, &C::GetAlignment, &C::SetAlignment, taCenter)
            .Hidden()
            .Enum("BevelInner", BevelInfo, &C::GetBevelInner, &C::SetBevelInner, bvNone)
            .Hidden()
            .Enum("BevelOuter", BevelInfo, &C::GetBevelOuter, &C::SetBevelOuter, bvRaised)
            .Hidden()
            .Integer("BevelWidth", &C::GetBevelWidth, &C::SetBevelWidth, 1)
            .Hidden()
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Hidden()
            .Enum("BorderStyle", BorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle, bsNone)
            .Hidden()
            .Boolean("FullRepaint", &C::GetFullRepaint, &C::SetFullRepaint, true)
            .Hidden()
            .Build();
    return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPanel>("TPanel")
                                       .Publish("Alignment")
                                       .Publish("BevelInner")
                                       .Publish("BevelOuter")
                                       .Publish("BevelWidth")
                                       .Publish("BorderWidth")
                                       .Publish("BorderStyle")
                                       .Publish("Caption")
                                       .Publish("FullRepaint")
                                       .Build();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                     csDoubleClicks | csReplicatable;
    UpdateBoundsFields(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (Value == m_alignment) return;
    m_alignment = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (Value == m_bevelInner) return;
    m_bevelInner = Value;
    Changed();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (Value == m_bevelOuter) return;
    m_bevelOuter = Value;
    Changed();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
    if (Value < 1) throw EPropertyError("BevelWidth must be at least 1");
    if (Value == m_bevelWidth) return;
    m_bevelWidth = Value;
    Changed();
}

void TCustomPanel::SetBorderWidth(int Value) {
    if (Value < 0) throw EPropertyError("BorderWidth cannot be negative");
    if (Value == m_borderWidth) return;
    m_borderWidth = Value;
    Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsNone && Value != bsSingle)
        throw EPropertyError("A panel's BorderStyle is bsNone or bsSingle");
    if (Value == m_borderStyle) return;
    m_borderStyle = Value;
    RecreateWnd();
    Changed();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (m_borderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) const {
    TCustomControl::AdjustClientRect(Rect);
    int inset = m_borderWidth;
    if (m_bevelOuter != bvNone) inset += m_bevelWidth;
    if (m_bevelInner != bvNone) inset += m_bevelWidth;
    Rect = Rect.Inflate(-inset, -inset);
}

void TCustomPanel::CMTextChanged(TMessage& Message) {
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect rect = GetClientRect();
    const auto bevelColors = [](TPanelBevel bevel, TColor& top, TColor& bottom) {
        top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    };
    TColor top;
    TColor bottom;
    if (m_bevelOuter != bvNone) {
        bevelColors(m_bevelOuter, top, bottom);
        Frame3D(canvas, rect, top, bottom, m_bevelWidth);
    }
    Frame3D(canvas, rect, GetColor(), GetColor(), m_borderWidth);
    if (m_bevelInner != bvNone) {
        bevelColors(m_bevelInner, top, bottom);
        Frame3D(canvas, rect, top, bottom, m_bevelWidth);
    }
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(rect);

    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(bsClear);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (m_alignment == taCenter) flags |= DT_CENTER;
    if (m_alignment == taRightJustify) flags |= DT_RIGHT;
    if (GetEnabled())
        canvas->DrawText(GetCaption(), rect, flags);
    else
        DrawDisabledText(canvas, GetCaption(), rect, flags);
    canvas->GetBrush()->SetStyle(bsSolid);
}
