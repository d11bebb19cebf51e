#include "platform/vcl/graphics/Brush.h"

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo BrushStyleInfo{"TBrushStyle", {"bsSolid", "bsClear"}};

}  // namespace

const TClassInfo& TBrush::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TBrush>("TBrush")
            .Color("Color", &TBrush::GetColor, &TBrush::SetColor, clWhite)
            .Enum("Style", BrushStyleInfo, &TBrush::GetStyle, &TBrush::SetStyle, bsSolid)
            .Build();
    return info;
}

void TBrush::UpdateStyle() {
    if (m_style == bsClear)
        m_brush.style = gfx::BrushStyle::Clear;
    else
        m_brush.style = m_brush.pattern ? gfx::BrushStyle::Pattern : gfx::BrushStyle::Solid;
}

void TBrush::SetColor(TColor Value) {
    if (Value == m_brush.color && m_style != bsClear) return;
    m_brush.color = Value;
    m_style = bsSolid;
    UpdateStyle();
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == m_style) return;
    m_style = Value;
    UpdateStyle();
    Changed();
}

void TBrush::SetBitmap(const TBitmap* Value) {
    m_brush.pattern =
        Value && !Value->GetEmpty() ? std::make_shared<const gfx::Bitmap>(Value->Image()) : nullptr;
    UpdateStyle();
    Changed();
}

void TBrush::Assign(const TPersistent* Source) {
    if (auto* brush = dynamic_cast<const TBrush*>(Source)) {
        m_brush = brush->m_brush;
        m_style = brush->m_style;
        return Changed();
    }
    inherited::Assign(Source);
}
