// Drawing pictures: plain, transparent and stretched copies and BitBlt's raster operations.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/PixmanBitmap.h"
#include "platform/gfx/Raster.h"

namespace gfx {

namespace {

constexpr Pixel kOpaque = 0xFF000000u;
constexpr Pixel kRgbMask = 0x00FFFFFFu;

bool NeedsSource(std::uint32_t rop) {
    return rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT && rop != PATCOPY;
}

void CheckRop(std::uint32_t rop) {
    switch (rop) {
        case SRCCOPY:
        case SRCPAINT:
        case SRCAND:
        case SRCINVERT:
        case NOTSRCCOPY:
        case BLACKNESS:
        case WHITENESS:
        case DSTINVERT:
        case PATCOPY:
            return;
        default: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(rop));
            throw std::invalid_argument(std::string("BitBlt: unsupported raster operation ") + hex);
        }
    }
}

Pixel ApplyRop(std::uint32_t rop, Pixel dst, Pixel src) {
    switch (rop) {
        case SRCPAINT:
            return dst | src | kOpaque;
        case SRCAND:
            return (dst & src) | kOpaque;
        case SRCINVERT:
            return (dst ^ src) | kOpaque;
        case NOTSRCCOPY:
            return ~src | kOpaque;
        default:
            return src | kOpaque;
    }
}

// Copies the pixels of source at (x + dx, y + dy) to (x, y) for every (x, y) of part,
// which the caller has clipped to both bitmaps; alpha bytes go along as they are.
void Copy(Bitmap& target, const TRect& part, const Bitmap& source, int dx, int dy) {
    Pixel* out = target.Data();
    if (pixman_blt(const_cast<Pixel*>(source.Data()), out, source.Width(), target.Width(), 32, 32,
                   part.left + dx, part.top + dy, part.left, part.top, part.Width(), part.Height()))
        return;
    for (int y = part.top; y < part.bottom; ++y) {
        const Pixel* in = source.Row(y + dy) + dx;
        std::copy(in + part.left, in + part.right,
                  out + static_cast<std::size_t>(y) * target.Width() + part.left);
    }
}

// The same for the pixels whose colour is not key, drawn opaque, from the picture's cached
// copy that has the key as its alpha: compositing a pixel of alpha 0 keeps the target's
// pixel and one of alpha 0xFF puts the picture's exactly.
void CopyKeyed(Bitmap& target, const TRect& part, const Bitmap& source, int dx, int dy, Pixel key) {
    pixman_image_t* dest = pixmanbits::Target(target);
    pixman_image_composite32(PIXMAN_OP_OVER, pixmanbits::KeyedPixels(source, key), nullptr, dest,
                             part.left + dx, part.top + dy, 0, 0, part.left, part.top, part.Width(),
                             part.Height());
}

// Where destination offsets 0 .. n - 1 sample a source extent of m: nearest pixel as a
// COLORONCOLOR stretch picks it, offset i taking i * m / n rounded down. Walked without a
// division per step, so that a stretch costs about as much as a copy.
class Sampler {
public:
    Sampler(int first, int n, int m)
        : m_n(n),
          m_step(m / n),
          m_stepRemainder(m % n),
          m_value(static_cast<int>(static_cast<std::int64_t>(first) * m / n)),
          m_remainder(static_cast<int>(static_cast<std::int64_t>(first) * m % n)) {}
    int Value() const { return m_value; }
    void Next() {
        m_value += m_step;
        m_remainder += m_stepRemainder;
        if (m_remainder >= m_n) {
            m_remainder -= m_n;
            ++m_value;
        }
    }

private:
    int m_n, m_step, m_stepRemainder, m_value, m_remainder;
};

// Whether a raster operation's result depends only on the source, so that a row that
// samples the same source row as the one above it is a copy of that row.
bool IgnoresTarget(std::uint32_t rop) {
    return rop == SRCCOPY || rop == NOTSRCCOPY;
}

// Stretches sourceRect of source over dest with rop, for the part of dest in clipped;
// keyed leaves the pixels whose colour is key.
void Stretch(Bitmap& target, const TRect& clipped, const TRect& dest, const Bitmap& source,
             const TRect& sourceRect, std::uint32_t rop, bool keyed, Pixel key) {
    const int dw = dest.Width(), dh = dest.Height();
    const int sw = sourceRect.Width(), sh = sourceRect.Height();
    // The source columns of the clipped part, and the run of them inside the source.
    std::vector<int> columns(static_cast<std::size_t>(clipped.Width()));
    int first = clipped.right, last = clipped.left;
    Sampler column(clipped.left - dest.left, dw, sw);
    for (int x = clipped.left; x < clipped.right; ++x, column.Next()) {
        const int sx = sourceRect.left + column.Value();
        columns[static_cast<std::size_t>(x - clipped.left)] = sx;
        if (sx >= 0 && sx < source.Width()) {
            first = std::min(first, x);
            last = x + 1;
        }
    }
    if (first >= last) return;
    const int* sample = columns.data() - clipped.left;
    const int width = target.Width();
    Pixel* pixels = target.Data();
    const Pixel* previousOut = nullptr;
    int previousSy = -1;
    Sampler row(clipped.top - dest.top, dh, sh);
    for (int y = clipped.top; y < clipped.bottom; ++y, row.Next()) {
        const int sy = sourceRect.top + row.Value();
        if (sy < 0 || sy >= source.Height()) continue;
        Pixel* out = pixels + static_cast<std::size_t>(y) * width;
        if (!keyed && IgnoresTarget(rop) && previousOut && sy == previousSy) {
            std::copy(previousOut + first, previousOut + last, out + first);
            previousOut = out;
            continue;
        }
        const Pixel* in = source.Row(sy);
        if (!keyed && rop == SRCCOPY) {
            for (int x = first; x < last; ++x) out[x] = in[sample[x]] | kOpaque;
        } else {
            for (int x = first; x < last; ++x) {
                const Pixel s = in[sample[x]];
                if (keyed && (s & kRgbMask) == key) continue;
                out[x] = ApplyRop(rop, out[x], s);
            }
        }
        previousOut = out;
        previousSy = sy;
    }
}

}  // namespace

void Canvas::StretchBlit(const TRect& dest, const Bitmap& source, const TRect& sourceRect,
                         std::uint32_t rop, bool keyed, TColor key) {
    if (dest.IsEmpty() || sourceRect.IsEmpty()) return;
    keyed = keyed && key != clNone;  // a picture without a transparent colour is opaque
    // Copying a bitmap onto itself must read the pixels as they were before the copy.
    std::optional<Bitmap> snapshot;
    const Bitmap* src = &source;
    if (&source == m_target) {
        snapshot.emplace(source.Copy(source.BoundsRect()));
        src = &*snapshot;
    }
    const Pixel keyPixel = keyed ? ColorToPixel(ColorToRGB(key)) & kRgbMask : 0;
    const bool unscaled =
        dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height();
    // Where an unscaled copy's source pixels exist, in destination coordinates.
    const int dx = sourceRect.left - dest.left, dy = sourceRect.top - dest.top;
    const TRect sourceArea = src->BoundsRect().Offset(-dx, -dy);

    for (const TRect& clip : DeviceClip().Rects()) {
        if (clip.top >= dest.bottom) break;
        const TRect r = clip.Intersect(dest);
        if (r.IsEmpty()) continue;
        if (unscaled && rop == SRCCOPY) {
            const TRect part = r.Intersect(sourceArea);
            if (part.IsEmpty()) continue;
            if (keyed)
                CopyKeyed(*m_target, part, *src, dx, dy, keyPixel);
            else
                Copy(*m_target, part, *src, dx, dy);
            continue;
        }
        Stretch(*m_target, r, dest, *src, sourceRect, rop, keyed, keyPixel);
    }
}

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
    if (bitmap.Transparent()) {
        DrawTransparent(x, y, bitmap, bitmap.TransparentColor());
        return;
    }
    BitBlt(x, y, bitmap.Width(), bitmap.Height(), bitmap, 0, 0, SRCCOPY);
}

void Canvas::DrawTransparent(int x, int y, const Bitmap& bitmap, TColor key) {
    StretchBlit(ToDevice(Bounds(x, y, bitmap.Width(), bitmap.Height())), bitmap,
                bitmap.BoundsRect(), SRCCOPY, true, key);
}

void Canvas::StretchDraw(const TRect& rect, const Bitmap& bitmap) {
    StretchBlit(ToDevice(rect), bitmap, bitmap.BoundsRect(), SRCCOPY, bitmap.Transparent(),
                bitmap.TransparentColor());
}

void Canvas::StretchDrawTransparent(const TRect& rect, const Bitmap& bitmap, TColor key) {
    StretchBlit(ToDevice(rect), bitmap, bitmap.BoundsRect(), SRCCOPY, true, key);
}

void Canvas::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) {
    const TPoint o = source.Origin();
    StretchBlit(ToDevice(dest), source.Target(), sourceRect.Offset(o.x, o.y), SRCCOPY, false,
                clNone);
}

void Canvas::CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect) {
    StretchBlit(ToDevice(dest), source, sourceRect, SRCCOPY, false, clNone);
}

void Canvas::BitBlt(int x, int y, int width, int height, const Canvas& source, int sx, int sy,
                    std::uint32_t rop) {
    const TPoint o = source.Origin();
    BitBlt(x, y, width, height, source.Target(), sx + o.x, sy + o.y, rop);
}

void Canvas::BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                    std::uint32_t rop) {
    CheckRop(rop);
    const TRect dest = ToDevice(Bounds(x, y, width, height));
    if (NeedsSource(rop)) {
        StretchBlit(dest, source, Bounds(sx, sy, width, height), rop, false, clNone);
        return;
    }
    raster::Paint paint;
    if (rop == BLACKNESS) paint.mode = PenMode::Black;
    if (rop == WHITENESS) paint.mode = PenMode::White;
    if (rop == DSTINVERT) paint.mode = PenMode::Not;
    if (rop == PATCOPY) {
        if (!HasBrush()) return;
        paint = BrushPaint(false);
    }
    PaintDeviceRect(dest, paint);
}

}  // namespace gfx
