#include "platform/vcl/stdctrls/Label.h"

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Frame3D.h"
#include "platform/vcl/controls/WinControl.h"

namespace {

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumInfo LayoutInfo{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};

}  // namespace

const TClassInfo& TCustomLabel::StaticClassInfo() {
    using C = TCustomLabel;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomLabel")
            .Publish("Caption")
            .Enum("Alignment", AlignmentInfo, &C::GetAlignment, &C::SetAlignment, taLeftJustify)
            .Reference("FocusControl", &C::GetFocusControl, &C::SetFocusControl)
            .Enum("Layout", LayoutInfo, &C::GetLayout, &C::SetLayout, tlTop)
            .Boolean("ShowAccelChar", &C::GetShowAccelChar, &C::SetShowAccelChar, true)
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, false)
            .Boolean("WordWrap", &C::GetWordWrap, &C::SetWordWrap, false)
            .Build();
    return info;
}

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TLabel>("TLabel").Build();
    return info;
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    m_controlStyle |= csOpaque | csReplicatable;
    UpdateBoundsFields(0, 0, 65, 17);
    SetParentColor(true);
    SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (Value == m_alignment) return;
    m_alignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (Value == m_layout) return;
    m_layout = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (Value == m_wordWrap) return;
    m_wordWrap = Value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (Value == GetTransparent()) return;
    if (Value)
        m_controlStyle &= ~csOpaque;
    else
        m_controlStyle |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (Value == m_showAccelChar) return;
    m_showAccelChar = Value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    if (Value == m_focusControl) return;
    if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
    m_focusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_focusControl) m_focusControl = nullptr;
}

unsigned TCustomLabel::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (m_wordWrap) flags |= DT_WORDBREAK;
    if (!m_showAccelChar) flags |= DT_NOPREFIX;
    if (m_alignment == taRightJustify) flags |= DT_RIGHT;
    if (m_alignment == taCenter) flags |= DT_CENTER;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& Rect, unsigned Flags) {
    std::string text = GetCaption();
    // An empty caption still measures one line high.
    if ((Flags & DT_CALCRECT) && (text.empty() || (m_showAccelChar && text == "&"))) text += ' ';
    TCanvas* canvas = GetCanvas();
    canvas->SetFont(GetFont());
    if (!GetEnabled() && !(Flags & DT_CALCRECT))
        DrawDisabledText(canvas, text, Rect, Flags);
    else
        canvas->DrawText(text, Rect, Flags);
}

void TCustomLabel::Paint() {
    TCanvas* canvas = GetCanvas();
    if (!GetTransparent()) {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(GetClientRect());
    }
    canvas->GetBrush()->SetStyle(bsClear);
    TRect rect = GetClientRect();
    if (m_layout != tlTop) {
        TRect measured = rect;
        DoDrawText(measured, TextFlags() | DT_CALCRECT);
        const int offset = rect.Height() - measured.Height();
        rect.top += m_layout == tlBottom ? offset : offset / 2;
    }
    DoDrawText(rect, TextFlags());
    canvas->GetBrush()->SetStyle(bsSolid);
}

void TCustomLabel::AdjustSize() {
    if (!GetAutoSize() || (ComponentState() & csLoading)) return;
    // Measured on a canvas of its own: outside painting the label has no device context.
    gfx::Bitmap scratch(1, 1);
    gfx::Canvas target(scratch);
    TCanvas* canvas = GetCanvas();
    canvas->SetTarget(&target);
    TRect rect{0, 0, m_wordWrap ? GetWidth() : 0, 0};
    try {
        DoDrawText(rect, TextFlags() | DT_CALCRECT);
    } catch (...) {
        canvas->SetTarget(nullptr);
        throw;
    }
    canvas->SetTarget(nullptr);
    int left = GetLeft();
    const int width = m_wordWrap ? GetWidth() : rect.Width();
    if (m_alignment == taRightJustify) left += GetWidth() - width;
    if (m_alignment == taCenter) left += (GetWidth() - width) / 2;
    SetBounds(left, GetTop(), width, rect.Height());
}

void TCustomLabel::CMDialogChar(TMessage& Message) {
    if (!m_focusControl || !GetEnabled() || !m_showAccelChar) return;
    if (!IsAccel(static_cast<unsigned>(Message.WParam), GetCaption())) return;
    if (m_focusControl->CanFocus()) {
        m_focusControl->SetFocus();
        Message.Result = 1;
    }
}
