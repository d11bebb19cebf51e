#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/gfx/Raster.h"

namespace gfx {

Canvas::Canvas(Bitmap& target) : m_target(&target) {}

void Canvas::SetBaseClip(const Region& deviceRegion) {
    m_hasBaseClip = true;
    m_baseClip = deviceRegion;
    UpdateEffectiveClip();
}

void Canvas::SetClipRegion(const Region& deviceRegion) {
    m_state.hasUserClip = true;
    m_state.userClip = deviceRegion;
    UpdateEffectiveClip();
}

void Canvas::ClearClip() {
    m_state.hasUserClip = false;
    m_state.userClip = Region();
    UpdateEffectiveClip();
}

void Canvas::IntersectClipRect(const TRect& logical) {
    const TRect device = ToDevice(logical);
    m_state.userClip = m_state.hasUserClip ? m_state.userClip.Intersected(device) : Region(device);
    m_state.hasUserClip = true;
    UpdateEffectiveClip();
}

void Canvas::ExcludeClipRect(const TRect& logical) {
    if (!m_state.hasUserClip) {
        // Without a clip of its own the device context can draw anywhere on its surface.
        TRect whole = m_target->BoundsRect();
        if (m_hasBaseClip) whole = whole.Union(m_baseClip.BoundingBox());
        m_state.userClip = Region(whole);
        m_state.hasUserClip = true;
    }
    m_state.userClip = m_state.userClip.Subtracted(Region(ToDevice(logical)));
    UpdateEffectiveClip();
}

void Canvas::UpdateEffectiveClip() {
    m_clipTargetSize = {-1, -1};
}

const Region& Canvas::DeviceClip() const {
    const TSize size{m_target->Width(), m_target->Height()};
    if (size == m_clipTargetSize) return m_effectiveClip;
    Region clip(m_target->BoundsRect());
    if (m_hasBaseClip) clip = m_baseClip.Intersected(m_target->BoundsRect());
    if (m_state.hasUserClip) clip = clip.Intersected(m_state.userClip);
    m_effectiveClip = std::move(clip);
    m_clipTargetSize = size;
    return m_effectiveClip;
}

const Region& Canvas::ClipRegion() const {
    return DeviceClip();
}

TRect Canvas::ClipBox() const {
    const TRect box = DeviceClip().BoundingBox();
    if (box.IsEmpty()) return {};
    return box.Offset(-m_state.origin.x, -m_state.origin.y);
}

bool Canvas::ClipContains(int x, int y) const {
    const Region& clip = DeviceClip();
    if (clip.Rects().size() == 1) return clip.Rects().front().Contains({x, y});
    return clip.Contains(x, y);
}

int Canvas::Save() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

void Canvas::Restore(int level) {
    const int count = static_cast<int>(m_saved.size());
    const int target = level < 0 ? count + 1 + level : level;
    if (target < 1 || target > count)
        throw std::out_of_range("Canvas::Restore: no saved state at level " +
                                std::to_string(level) + " (" + std::to_string(count) + " saved)");
    m_state = m_saved[target - 1];
    m_saved.resize(target - 1);
    UpdateEffectiveClip();
}

raster::Paint Canvas::BrushPaint(bool withPenMode) const {
    raster::Paint paint;
    paint.mode = withPenMode ? m_state.pen.mode : PenMode::Copy;
    paint.color = ColorToPixel(ColorToRGB(m_state.brush.color));
    if (m_state.brush.style == BrushStyle::Pattern && m_state.brush.pattern)
        paint.pattern = m_state.brush.pattern.get();
    return paint;
}

raster::Paint Canvas::PenPaint() const {
    raster::Paint paint;
    paint.mode = m_state.pen.mode;
    paint.color = ColorToPixel(ColorToRGB(m_state.pen.color));
    return paint;
}

void Canvas::PaintDeviceRect(const TRect& device, const raster::Paint& paint) {
    if (device.IsEmpty()) return;
    for (const TRect& clip : DeviceClip().Rects()) {
        if (clip.top >= device.bottom) break;
        const TRect r = clip.Intersect(device);
        if (r.IsEmpty() || raster::FillRect(*m_target, r, paint)) continue;
        for (int y = r.top; y < r.bottom; ++y)
            raster::PaintRun(*m_target, y, r.left, r.right, paint);
    }
}

void Canvas::PaintDeviceRegion(const Region& device, const raster::Paint& paint) {
    if (device.IsEmpty()) return;
    const Region& clip = DeviceClip();
    const Region visible = clip.Rects().size() == 1 ? device.Intersected(clip.Rects().front())
                                                    : device.Intersected(clip);
    for (const TRect& r : visible.Rects())
        for (int y = r.top; y < r.bottom; ++y)
            raster::PaintRun(*m_target, y, r.left, r.right, paint);
}

void Canvas::PaintDeviceSpans(std::vector<RowSpan> spans, const raster::Paint& paint) {
    PaintDeviceRegion(Region::FromRowSpans(std::move(spans)), paint);
}

void Canvas::FillRect(const TRect& rect) {
    if (!HasBrush()) return;
    PaintDeviceRect(ToDevice(rect), BrushPaint(false));
}

void Canvas::FrameRect(const TRect& rect) {
    if (!HasBrush() || rect.IsEmpty()) return;
    const TRect d = ToDevice(rect);
    const raster::Paint paint = BrushPaint(false);
    PaintDeviceRect({d.left, d.top, d.right, d.top + 1}, paint);
    PaintDeviceRect({d.left, d.bottom - 1, d.right, d.bottom}, paint);
    PaintDeviceRect({d.left, d.top + 1, d.left + 1, d.bottom - 1}, paint);
    PaintDeviceRect({d.right - 1, d.top + 1, d.right, d.bottom - 1}, paint);
}

void Canvas::InvertRect(const TRect& rect) {
    raster::Paint paint;
    paint.mode = PenMode::Not;
    PaintDeviceRect(ToDevice(rect), paint);
}

void Canvas::DrawFocusRect(const TRect& rect) {
    if (rect.IsEmpty()) return;
    const TRect d = ToDevice(rect);
    // Every frame pixel is visited once, so that a second call undoes the first.
    auto toggle = [this](int x, int y) {
        if ((x + y) % 2 != 0 || !ClipContains(x, y)) return;
        Pixel& p = m_target->At(x, y);
        p = ~p | 0xFF000000u;
    };
    for (int x = d.left; x < d.right; ++x) {
        toggle(x, d.top);
        if (d.bottom - 1 > d.top) toggle(x, d.bottom - 1);
    }
    for (int y = d.top + 1; y < d.bottom - 1; ++y) {
        toggle(d.left, y);
        if (d.right - 1 > d.left) toggle(d.right - 1, y);
    }
}

TColor Canvas::GetPixel(int x, int y) const {
    x += m_state.origin.x;
    y += m_state.origin.y;
    if (!ClipContains(x, y)) return clNone;
    return PixelToColor(m_target->At(x, y));
}

void Canvas::SetPixel(int x, int y, TColor color) {
    x += m_state.origin.x;
    y += m_state.origin.y;
    if (ClipContains(x, y)) m_target->At(x, y) = ColorToPixel(ColorToRGB(color));
}

}  // namespace gfx
