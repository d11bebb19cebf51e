#include "platform/gfx/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <pixman.h>

namespace gfx::raster {

namespace {

constexpr Pixel kOpaque = 0xFF000000u;

Pixel Apply(PenMode mode, Pixel dst, Pixel src) {
    switch (mode) {
        case PenMode::Copy:
            return src | kOpaque;
        case PenMode::Xor:
            return (dst ^ src) | kOpaque;
        case PenMode::Not:
            return ~dst | kOpaque;
        case PenMode::NotXor:
            return ~(dst ^ src) | kOpaque;
        case PenMode::Black:
            return kOpaque;
        case PenMode::White:
            return 0xFFFFFFFFu;
        case PenMode::Nop:
            return dst;
    }
    return dst;
}

int PositiveModulo(int value, int divisor) {
    const int m = value % divisor;
    return m < 0 ? m + divisor : m;
}

}  // namespace

void PaintRun(Bitmap& target, int y, int x0, int x1, const Paint& paint) {
    if (x1 <= x0) return;
    Pixel* row = target.Row(y);
    if (paint.pattern && !paint.pattern->IsEmpty()) {
        const Bitmap& pattern = *paint.pattern;
        const Pixel* source = pattern.Row(PositiveModulo(y, pattern.Height()));
        const int width = pattern.Width();
        int px = PositiveModulo(x0, width);
        for (int x = x0; x < x1; ++x) {
            row[x] = Apply(paint.mode, row[x], source[px]);
            if (++px == width) px = 0;
        }
        return;
    }
    switch (paint.mode) {
        case PenMode::Copy:
            std::fill(row + x0, row + x1, paint.color | kOpaque);
            return;
        case PenMode::Black:
            std::fill(row + x0, row + x1, kOpaque);
            return;
        case PenMode::White:
            std::fill(row + x0, row + x1, 0xFFFFFFFFu);
            return;
        case PenMode::Nop:
            return;
        default:
            for (int x = x0; x < x1; ++x) row[x] = Apply(paint.mode, row[x], paint.color);
    }
}

bool FillRect(Bitmap& target, const TRect& rect, const Paint& paint) {
    if (paint.pattern && !paint.pattern->IsEmpty()) return false;
    Pixel value = 0;
    switch (paint.mode) {
        case PenMode::Copy:
            value = paint.color | kOpaque;
            break;
        case PenMode::Black:
            value = kOpaque;
            break;
        case PenMode::White:
            value = 0xFFFFFFFFu;
            break;
        default:
            return false;
    }
    return pixman_fill(target.Data(), target.Width(), 32, rect.left, rect.top, rect.Width(),
                       rect.Height(), value);
}

ShapeRows RoundRectRows(const TRect& box, int ellipseWidth, int ellipseHeight) {
    ShapeRows shape;
    shape.top = box.top;
    const int width = box.Width();
    const int height = box.Height();
    if (width <= 0 || height <= 0) return shape;
    const int ew = std::min(std::abs(ellipseWidth), width);
    const int eh = std::min(std::abs(ellipseHeight), height);
    shape.runs.assign(height, {box.left, box.right});
    if (ew < 2 || eh < 2) return shape;

    // A pixel of a corner belongs to the shape when its centre lies inside the ellipse
    // that touches all four sides of the ew x eh corner box.
    const double a = ew / 2.0;
    const double b = eh / 2.0;
    const double centerX = (ew - 1) / 2.0;
    const double centerY = (eh - 1) / 2.0;
    for (int k = 0; k < (eh + 1) / 2 && k < height; ++k) {
        const double dy = (k - centerY) / b;
        const double dx = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int inset = std::clamp(static_cast<int>(std::ceil(centerX - dx - 1e-9)), 0, ew / 2);
        const std::pair<int, int> run{box.left + inset, box.right - inset};
        shape.runs[k] = run;
        shape.runs[height - 1 - k] = run;
    }
    return shape;
}

ShapeRows Interior(const ShapeRows& shape) {
    ShapeRows inner;
    inner.top = shape.top;
    const int count = static_cast<int>(shape.runs.size());
    inner.runs.resize(count, {0, 0});
    for (int i = 1; i + 1 < count; ++i) {
        const auto& above = shape.runs[i - 1];
        const auto& here = shape.runs[i];
        const auto& below = shape.runs[i + 1];
        const int x0 = std::max({here.first + 1, above.first, below.first});
        const int x1 = std::min({here.second - 1, above.second, below.second});
        inner.runs[i] = {x0, std::max(x0, x1)};
    }
    return inner;
}

std::vector<RowSpan> Difference(const ShapeRows& shape, const ShapeRows& inner) {
    std::vector<RowSpan> spans;
    for (std::size_t i = 0; i < shape.runs.size(); ++i) {
        const int y = shape.top + static_cast<int>(i);
        const auto [a, b] = shape.runs[i];
        if (b <= a) continue;
        const int innerIndex = y - inner.top;
        std::pair<int, int> hole{0, 0};
        if (innerIndex >= 0 && innerIndex < static_cast<int>(inner.runs.size()))
            hole = inner.runs[innerIndex];
        if (hole.second <= hole.first || hole.second <= a || hole.first >= b) {
            spans.push_back({y, a, b});
            continue;
        }
        if (hole.first > a) spans.push_back({y, a, hole.first});
        if (hole.second < b) spans.push_back({y, hole.second, b});
    }
    return spans;
}

std::vector<RowSpan> Spans(const ShapeRows& shape) {
    std::vector<RowSpan> spans;
    spans.reserve(shape.runs.size());
    for (std::size_t i = 0; i < shape.runs.size(); ++i)
        if (shape.runs[i].second > shape.runs[i].first)
            spans.push_back(
                {shape.top + static_cast<int>(i), shape.runs[i].first, shape.runs[i].second});
    return spans;
}

}  // namespace gfx::raster
