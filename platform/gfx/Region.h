#pragma once
// A region: a set of pixels kept as non-overlapping rectangles in y-x bands, combined as
// Win32's CombineRgn combines them.
#include <vector>

#include "platform/gfx/Geometry.h"

namespace gfx {

enum class CombineMode { And, Or, Xor, Diff, Copy };  // RGN_AND ... RGN_COPY

// One run of pixels on one row: x0 <= x < x1 on row y.
struct RowSpan {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
};

class Region {
public:
    Region() = default;  // empty
    explicit Region(const TRect& rect);
    // CreateRoundRectRgn: the corner ellipses have the given full width and height. The
    // right and bottom edges are exclusive: the region holds what RoundRect fills in the
    // same rectangle less its right column and bottom row, so (0, 0, W + 1, H + 1) shapes a
    // window of W x H. Ellipse is CreateEllipticRgn, the same with full-size corners.
    static Region RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
    static Region Ellipse(const TRect& rect);
    static Region FromRects(const std::vector<TRect>& rects);
    // The union of row spans in any order, overlapping or not.
    static Region FromRowSpans(std::vector<RowSpan> spans);

    bool IsEmpty() const { return m_rects.empty(); }
    bool Contains(TPoint p) const;
    bool Contains(int x, int y) const { return Contains(TPoint{x, y}); }
    bool Intersects(const TRect& rect) const;
    TRect BoundingBox() const;
    // The rectangles, sorted top to bottom then left to right, none overlapping.
    const std::vector<TRect>& Rects() const { return m_rects; }

    void Offset(int dx, int dy);
    static Region Combine(const Region& a, const Region& b, CombineMode mode);
    Region Intersected(const Region& o) const { return Combine(*this, o, CombineMode::And); }
    Region Intersected(const TRect& r) const;
    Region United(const Region& o) const { return Combine(*this, o, CombineMode::Or); }
    Region Subtracted(const Region& o) const { return Combine(*this, o, CombineMode::Diff); }

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<TRect> m_rects;
};

}  // namespace gfx
