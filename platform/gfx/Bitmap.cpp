#include "platform/gfx/Bitmap.h"

#include <algorithm>

namespace gfx {

Bitmap::Bitmap(int width, int height, Pixel fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixels(static_cast<std::size_t>(m_width) * m_height, fill) {}

void Bitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) return;
    m_cache.Reset();
    PixelStore pixels(static_cast<std::size_t>(width) * height, 0xFFFFFFFF);
    const int keepWidth = std::min(width, m_width);
    const int keepHeight = std::min(height, m_height);
    for (int y = 0; y < keepHeight; ++y)
        std::copy_n(Row(y), keepWidth, pixels.data() + static_cast<std::size_t>(y) * width);
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
}

TColor Bitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return clNone;
    return PixelToColor(At(x, y));
}

void Bitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_cache.PixelsChanging();
    At(x, y) = ColorToPixel(ColorToRGB(color));
}

TColor Bitmap::TransparentColor() const {
    if (m_transparentFixed) return m_transparentColor;
    if (IsEmpty()) return clNone;
    return GetPixel(0, m_height - 1);
}

void Bitmap::SetTransparentColor(TColor color) {
    m_transparentColor = color;
    m_transparentFixed = true;
}

Bitmap Bitmap::Copy(const TRect& source) const {
    const TRect r = source.Intersect(BoundsRect());
    Bitmap copy(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::copy_n(Row(r.top + y) + r.left, r.Width(), copy.Row(y));
    copy.m_format = m_format;
    return copy;
}

void Bitmap::Fill(TColor color) {
    m_cache.PixelsChanging();
    std::fill(m_pixels.begin(), m_pixels.end(), ColorToPixel(ColorToRGB(color)));
}

}  // namespace gfx
