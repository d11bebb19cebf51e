#pragma once
// Pixel-level helpers shared by the canvas and regions: painting runs of pixels with a
// raster operation, and the row spans of rounded shapes.
#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace gfx::raster {

// What a run of pixels is painted with: a colour or a pattern tiled from the device
// origin, combined with the destination by a binary raster operation (SetROP2).
struct Paint {
    PenMode mode = PenMode::Copy;
    Pixel color = 0xFF000000;
    const Bitmap* pattern = nullptr;
};

// Paints x0 <= x < x1 on row y; the caller has clipped the run to the bitmap.
void PaintRun(Bitmap& target, int y, int x0, int x1, const Paint& paint);
// Mixes src over dst by coverage 0..255.
Pixel Blend(Pixel dst, Pixel src, std::uint8_t coverage);

// A shape with one contiguous run per row, rows from top down: ellipses and round
// rectangles. Row top + i covers runs[i].first <= x < runs[i].second; an empty run
// has first >= second.
struct ShapeRows {
    int top = 0;
    std::vector<std::pair<int, int>> runs;
};

// The pixels of a filled round rectangle occupying box (right and bottom exclusive),
// its corners quarter ellipses of the given full width and height. An ellipse is the
// case where those are the box's own size.
ShapeRows RoundRectRows(const TRect& box, int ellipseWidth, int ellipseHeight);
// The pixels whose four neighbours all lie inside the shape.
ShapeRows Interior(const ShapeRows& shape);
// Row spans of shape minus inner (inner lies within shape, both one run per row).
std::vector<RowSpan> Difference(const ShapeRows& shape, const ShapeRows& inner);
std::vector<RowSpan> Spans(const ShapeRows& shape);

}  // namespace gfx::raster
