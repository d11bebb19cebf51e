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
// Fills a rectangle of the bitmap in one go when the paint is one colour that replaces
// what is there; false, painting nothing, for any other paint.
bool FillRect(Bitmap& target, const TRect& rect, const Paint& paint);
// Puts the count pixels of source whose alpha byte is 0xFF over out and leaves out where
// it is 0; source holds no other alpha. Without a branch per pixel, so that the compiler
// does it four pixels at a time.
inline void PutShown(Pixel* out, const Pixel* source, int count) {
    for (int i = 0; i < count; ++i) {
        const Pixel shown = static_cast<Pixel>(static_cast<std::int32_t>(source[i]) >> 31);
        out[i] = (source[i] & shown) | (out[i] & ~shown);
    }
}
// Mixes src over dst by coverage 0..255.
inline Pixel Blend(Pixel dst, Pixel src, std::uint8_t coverage) {
    if (coverage == 255) return src | 0xFF000000u;
    if (coverage == 0) return dst;
    const unsigned a = coverage;
    const unsigned na = 255 - a;
    auto channel = [&](int shift) {
        const unsigned d = (dst >> shift) & 0xFF;
        const unsigned s = (src >> shift) & 0xFF;
        return ((s * a + d * na + 127) / 255) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}
// Blends color into count pixels of out by the coverage bytes that go with them.
inline void BlendRun(Pixel* out, const std::uint8_t* coverage, int count, Pixel color) {
    for (int i = 0; i < count; ++i)
        if (coverage[i] != 0) out[i] = Blend(out[i], color, coverage[i]);
}

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
