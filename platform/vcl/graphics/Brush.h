#pragma once
// TBrush: how a canvas fills areas (a colour, nothing, or a tiled bitmap), over gfx::Brush.
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/vcl/graphics/GraphicsObject.h"

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush : public TGraphicsObject {
    QV_DECLARE_CLASS(TBrush, TGraphicsObject)

    TBrush() = default;

    TColor GetColor() const { return m_brush.color; }
    // Setting a colour makes a clear brush solid, as the VCL does.
    void SetColor(TColor Value);
    TBrushStyle GetStyle() const { return m_style; }
    void SetStyle(TBrushStyle Value);
    // A pattern tiled from the device origin; null for none. The bitmap is copied.
    void SetBitmap(const TBitmap* Value);
    bool HasBitmap() const { return m_brush.pattern != nullptr; }

    const gfx::Brush& Desc() const { return m_brush; }
    void Assign(const TPersistent* Source) override;

private:
    void UpdateStyle();

    gfx::Brush m_brush;
    TBrushStyle m_style = bsSolid;
};
