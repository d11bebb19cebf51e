#pragma once
// TPen: how a canvas draws lines and outlines, over gfx::Pen.
#include "platform/gfx/Canvas.h"
#include "platform/vcl/graphics/GraphicsObject.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
// The raster operations the canvas supports, in the VCL's order.
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmXor, pmNotXor };
using enum TPenMode;

class TPen : public TGraphicsObject {
    QV_DECLARE_CLASS(TPen, TGraphicsObject)

    TPen() = default;

    TColor GetColor() const { return m_pen.color; }
    void SetColor(TColor Value);
    TPenMode GetMode() const { return m_mode; }
    void SetMode(TPenMode Value);
    TPenStyle GetStyle() const { return static_cast<TPenStyle>(m_pen.style); }
    void SetStyle(TPenStyle Value);
    int GetWidth() const { return m_pen.width; }
    void SetWidth(int Value);

    const gfx::Pen& Desc() const { return m_pen; }
    void Assign(const TPersistent* Source) override;

private:
    gfx::Pen m_pen;
    TPenMode m_mode = pmCopy;
};
