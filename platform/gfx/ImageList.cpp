#include "platform/gfx/ImageList.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/gfx/Raster.h"

namespace gfx {

namespace {

// The brightness from which a pixel counts as background when an image is greyed out.
constexpr int DISABLED_LIGHT_THRESHOLD = 192;

int Luminance(Pixel p) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return (r * 30 + g * 59 + b * 11) / 100;
}

}  // namespace

ImageList::ImageList(int width, int height) : m_width(width), m_height(height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("ImageList: image size " + std::to_string(width) + " x " +
                                    std::to_string(height) + " must be positive");
}

int ImageList::Add(const Bitmap& strip) {
    return AddStrip(strip, false, 0);
}

int ImageList::AddMasked(const Bitmap& strip, TColor key) {
    if (strip.IsEmpty()) return -1;
    const TColor rgb = key == clDefault ? strip.GetPixel(0, strip.Height() - 1) : ColorToRGB(key);
    return AddStrip(strip, true, ColorToPixel(rgb) & 0x00FFFFFF);
}

int ImageList::AddStrip(const Bitmap& strip, bool masked, Pixel key) {
    if (strip.IsEmpty()) return -1;
    const int first = Count();
    const int frames = std::max(1, strip.Width() / m_width);
    for (int frame = 0; frame < frames; ++frame) {
        Image image{Bitmap(m_width, m_height),
                    std::vector<std::uint8_t>(static_cast<std::size_t>(m_width) * m_height),
                    Bitmap(m_width, m_height, 0)};
        image.pixels.SetFormat(strip.Format());
        for (int y = 0; y < m_height && y < strip.Height(); ++y)
            for (int x = 0; x < m_width && frame * m_width + x < strip.Width(); ++x) {
                const Pixel p = strip.At(frame * m_width + x, y);
                image.pixels.At(x, y) = p;
                // Colours compare without the alpha byte, which codecs may leave unset.
                const bool shown = !masked || (p & 0x00FFFFFF) != key;
                image.opaque[static_cast<std::size_t>(y) * m_width + x] = shown;
                if (shown) image.drawn.At(x, y) = p | 0xFF000000u;
            }
        m_images.push_back(std::move(image));
    }
    return first;
}

void ImageList::Delete(int index) {
    At(index);
    m_images.erase(m_images.begin() + index);
}

const ImageList::Image& ImageList::At(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("ImageList: index " + std::to_string(index) +
                                " is not below the count " + std::to_string(Count()));
    return m_images[static_cast<std::size_t>(index)];
}

Bitmap ImageList::GetBitmap(int index) const {
    return At(index).pixels;
}

bool ImageList::IsOpaque(int index, int x, int y) const {
    const Image& image = At(index);
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return false;
    return image.opaque[static_cast<std::size_t>(y) * m_width + x] != 0;
}

template <typename Put>
void ImageList::ForClippedSpans(Canvas& canvas, int left, int top, int width, int height, Put put) {
    const TRect area{left, top, left + width, top + height};
    for (const TRect& clip : canvas.ClipRegion().Rects()) {
        const TRect r = clip.Intersect(area);
        for (int y = r.top; y < r.bottom; ++y) put(r.left, y, r.left - left, y - top, r.Width());
    }
}

bool ImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return false;
    const Image& image = m_images[static_cast<std::size_t>(index)];
    Bitmap& target = canvas.Target();
    const int left = x + canvas.Origin().x;
    const int top = y + canvas.Origin().y;
    const auto mask = [&](int iy) {
        return image.opaque.data() + static_cast<std::size_t>(iy) * m_width;
    };
    if (enabled) {
        ForClippedSpans(canvas, left, top, m_width, m_height,
                        [&](int dx, int dy, int ix, int iy, int count) {
                            raster::PutShown(target.Row(dy) + dx, image.drawn.Row(iy) + ix, count);
                        });
        return true;
    }
    const auto dark = [&](int ix, int iy) {
        return ix >= 0 && iy >= 0 && ix < m_width && iy < m_height && mask(iy)[ix] &&
               Luminance(image.pixels.At(ix, iy)) < DISABLED_LIGHT_THRESHOLD;
    };
    const Pixel highlight = ColorToPixel(ColorToRGB(clBtnHighlight));
    const Pixel shadow = ColorToPixel(ColorToRGB(clBtnShadow));
    // The highlight reaches one pixel past the image's right and bottom edges.
    ForClippedSpans(canvas, left, top, m_width + 1, m_height + 1,
                    [&](int dx, int dy, int ix, int iy, int count) {
                        Pixel* out = target.Row(dy) + dx;
                        for (int i = 0; i < count; ++i) {
                            if (dark(ix + i, iy))
                                out[i] = shadow;
                            else if (dark(ix + i - 1, iy - 1))
                                out[i] = highlight;
                        }
                    });
    return true;
}

}  // namespace gfx
