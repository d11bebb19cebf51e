// Lines, rectangles, polygons, ellipses, round rectangles and arcs.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Raster.h"

namespace gfx {

namespace {

// Calls plot(x, y) for every pixel of the Bresenham line from a to b, b itself left out.
template <typename Plot>
void WalkLine(TPoint a, TPoint b, Plot&& plot) {
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x;
    int y = a.y;
    while (x != b.x || y != b.y) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// The pixels of a solid line; a wide pen stamps a width x width square on every point,
// the end point left out as with a thin pen.
void LineSpans(TPoint a, TPoint b, int width, std::vector<RowSpan>& out) {
    if (width <= 1) {
        WalkLine(a, b, [&](int x, int y) { out.push_back({y, x, x + 1}); });
        return;
    }
    const int half = width / 2;
    auto stamp = [&](int x, int y) {
        for (int row = 0; row < width; ++row)
            out.push_back({y - half + row, x - half, x - half + width});
    };
    WalkLine(a, b, stamp);
}

// On and off runs of the cosmetic pen styles, in pixels.
std::vector<int> StylePattern(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return {18, 6};
        case PenStyle::Dot:
            return {3, 3};
        case PenStyle::DashDot:
            return {9, 6, 3, 6};
        case PenStyle::DashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

bool StyleIsOn(const std::vector<int>& pattern, int position) {
    int period = 0;
    for (int run : pattern) period += run;
    int offset = position % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (offset < pattern[i]) return i % 2 == 0;
        offset -= pattern[i];
    }
    return false;
}

TRect Normalized(const TRect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

double Angle(double x, double y, double cx, double cy) {
    // Screen y grows downward; counter-clockwise is measured as the user sees it.
    return std::atan2(cy - y, x - cx);
}

double Sweep(double from, double to) {
    double d = std::fmod(to - from, 2 * std::numbers::pi);
    if (d < 0) d += 2 * std::numbers::pi;
    return d;
}

// The pixels inside a polygon by the alternate rule on rows top <= y < bottom, sampled at
// the pixels themselves as the outline's lines are: an edge counts on the rows from its
// upper end up to, not including, its lower end, and a row's run takes the pixels from its
// left crossing up to, not including, its right one.
std::vector<RowSpan> AlternateFill(const std::vector<TPoint>& p, int top, int bottom) {
    std::vector<RowSpan> fill;
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < p.size(); ++i) {
            const TPoint a = p[i];
            const TPoint b = p[(i + 1) % p.size()];
            if ((a.y <= y) == (b.y <= y)) continue;
            crossings.push_back(a.x + (y - a.y) * static_cast<double>(b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int x0 = static_cast<int>(std::ceil(crossings[i] - 1e-9));
            const int x1 = static_cast<int>(std::ceil(crossings[i + 1] - 1e-9));
            if (x1 > x0) fill.push_back({y, x0, x1});
        }
    }
    return fill;
}

}  // namespace

void Canvas::StrokeLine(TPoint from, TPoint to, int& styleOffset) {
    if (!HasPen()) return;
    const TPoint a{from.x + m_state.origin.x, from.y + m_state.origin.y};
    const TPoint b{to.x + m_state.origin.x, to.y + m_state.origin.y};
    const Pen& pen = m_state.pen;
    const raster::Paint paint = PenPaint();
    const std::vector<int> pattern = pen.width <= 1 ? StylePattern(pen.style) : std::vector<int>{};
    if (!pattern.empty()) {
        // The gaps take the background colour, the brush's, unless the brush is clear.
        raster::Paint gap = paint;
        gap.color = ColorToPixel(ColorToRGB(m_state.brush.color));
        const bool opaque = HasBrush();
        WalkLine(a, b, [&](int x, int y) {
            const bool on = StyleIsOn(pattern, styleOffset++);
            if ((on || opaque) && ClipContains(x, y))
                raster::PaintRun(*m_target, y, x, x + 1, on ? paint : gap);
        });
        return;
    }
    if (pen.width <= 1 && a.y == b.y) {
        PaintDeviceRect(
            a.x < b.x ? TRect{a.x, a.y, b.x, a.y + 1} : TRect{b.x + 1, a.y, a.x + 1, a.y + 1},
            paint);
        return;
    }
    if (pen.width <= 1 && a.x == b.x) {
        PaintDeviceRect(
            a.y < b.y ? TRect{a.x, a.y, a.x + 1, b.y} : TRect{a.x, b.y + 1, a.x + 1, a.y + 1},
            paint);
        return;
    }
    std::vector<RowSpan> spans;
    LineSpans(a, b, pen.width, spans);
    PaintDeviceSpans(std::move(spans), paint);
}

void Canvas::LineTo(int x, int y) {
    int styleOffset = 0;
    StrokeLine(m_state.penPos, {x, y}, styleOffset);
    m_state.penPos = {x, y};
}

void Canvas::Polyline(const std::vector<TPoint>& points) {
    int styleOffset = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        StrokeLine(points[i - 1], points[i], styleOffset);
}

void Canvas::FillAndFrame(const std::vector<RowSpan>& interior,
                          const std::vector<RowSpan>& outline) {
    if (HasBrush()) PaintDeviceSpans(interior, BrushPaint(true));
    if (HasPen()) PaintDeviceSpans(outline, PenPaint());
}

void Canvas::Rectangle(const TRect& rect) {
    const TRect d = ToDevice(Normalized(rect));
    if (!HasPen()) {
        // Without a pen Win32 leaves out the right column and bottom row.
        if (HasBrush())
            PaintDeviceRect({d.left, d.top, d.right - 1, d.bottom - 1}, BrushPaint(true));
        return;
    }
    const int w = std::max(m_state.pen.width, 1);
    if (w == 1 && !StylePattern(m_state.pen.style).empty()) {
        if (HasBrush())
            PaintDeviceRect({d.left + 1, d.top + 1, d.right - 1, d.bottom - 1}, BrushPaint(true));
        const TRect l = Normalized(rect);
        Polyline({{l.left, l.top},
                  {l.right - 1, l.top},
                  {l.right - 1, l.bottom - 1},
                  {l.left, l.bottom - 1},
                  {l.left, l.top}});
        return;
    }
    // A wide pen is centred on the outline that a one-pixel pen would draw.
    TRect outer = d;
    TRect inner{d.left + w, d.top + w, d.right - w, d.bottom - w};
    if (m_state.pen.style != PenStyle::InsideFrame) {
        const int before = w / 2;
        outer = {d.left - before, d.top - before, d.right - 1 - before + w,
                 d.bottom - 1 - before + w};
        inner = {outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    }
    if (inner.IsEmpty()) inner = {};
    if (HasBrush()) PaintDeviceRect(inner, BrushPaint(true));
    PaintDeviceRegion(Region(outer).Subtracted(Region(inner)), PenPaint());
}

void Canvas::DrawRoundShape(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    const TRect d = ToDevice(Normalized(rect));
    if (!HasPen()) {
        if (!HasBrush()) return;
        const TRect box{d.left, d.top, d.right - 1, d.bottom - 1};
        PaintDeviceSpans(raster::Spans(raster::RoundRectRows(box, ellipseWidth, ellipseHeight)),
                         BrushPaint(true));
        return;
    }
    const raster::ShapeRows shape = raster::RoundRectRows(d, ellipseWidth, ellipseHeight);
    raster::ShapeRows inner = shape;
    for (int i = 0; i < std::max(m_state.pen.width, 1); ++i) inner = raster::Interior(inner);
    FillAndFrame(raster::Spans(inner), raster::Difference(shape, inner));
}

void Canvas::Ellipse(const TRect& rect) {
    const TRect n = Normalized(rect);
    DrawRoundShape(n, n.Width(), n.Height());
}

void Canvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    DrawRoundShape(rect, ellipseWidth, ellipseHeight);
}

void Canvas::Arc(const TRect& rect, TPoint start, TPoint end) {
    if (!HasPen()) return;
    const TRect d = ToDevice(Normalized(rect));
    const raster::ShapeRows shape = raster::RoundRectRows(d, d.Width(), d.Height());
    raster::ShapeRows inner = shape;
    for (int i = 0; i < std::max(m_state.pen.width, 1); ++i) inner = raster::Interior(inner);

    const double cx = (d.left + d.right - 1) / 2.0;
    const double cy = (d.top + d.bottom - 1) / 2.0;
    const TPoint o = m_state.origin;
    const double from = Angle(start.x + o.x, start.y + o.y, cx, cy);
    double sweep = Sweep(from, Angle(end.x + o.x, end.y + o.y, cx, cy));
    // Equal rays draw the whole ellipse, as Win32 does.
    if (sweep < 1e-12) sweep = 2 * std::numbers::pi;

    std::vector<RowSpan> spans;
    for (const RowSpan& s : raster::Difference(shape, inner))
        for (int x = s.x0; x < s.x1; ++x)
            if (Sweep(from, Angle(x, s.y, cx, cy)) <= sweep + 1e-9)
                spans.push_back({s.y, x, x + 1});
    PaintDeviceSpans(std::move(spans), PenPaint());
}

void Canvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    const TPoint o = m_state.origin;
    std::vector<TPoint> p;
    p.reserve(points.size());
    for (TPoint q : points) p.push_back({q.x + o.x, q.y + o.y});

    std::vector<RowSpan> fill;
    if (HasBrush()) {
        const auto [low, high] =
            std::minmax_element(p.begin(), p.end(), [](TPoint a, TPoint b) { return a.y < b.y; });
        const TRect clip = DeviceClip().BoundingBox();
        fill = AlternateFill(p, std::max(low->y, clip.top), std::min(high->y, clip.bottom));
    }
    if (!HasPen()) {
        PaintDeviceSpans(std::move(fill), BrushPaint(true));
        return;
    }
    if (m_state.pen.width <= 1 && !StylePattern(m_state.pen.style).empty()) {
        PaintDeviceSpans(std::move(fill), BrushPaint(true));
        std::vector<TPoint> closed = points;
        closed.push_back(points.front());
        Polyline(closed);
        return;
    }
    std::vector<RowSpan> outline;
    for (std::size_t i = 0; i < p.size(); ++i)
        LineSpans(p[i], p[(i + 1) % p.size()], m_state.pen.width, outline);
    const Region frame = Region::FromRowSpans(outline);
    if (HasBrush())
        PaintDeviceRegion(Region::FromRowSpans(std::move(fill)).Subtracted(frame),
                          BrushPaint(true));
    PaintDeviceRegion(frame, PenPaint());
}

}  // namespace gfx
