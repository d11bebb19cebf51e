// Drawing pictures: plain, transparent and stretched copies and BitBlt's raster operations.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/gfx/Canvas.h"
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

// The source column or row that destination offset i of n samples, for a source extent of
// m: nearest neighbour, as a COLORONCOLOR stretch picks it.
int SourceOffset(int i, int n, int m) {
    return static_cast<int>(static_cast<std::int64_t>(i) * m / n);
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
    const int dw = dest.Width();
    const int dh = dest.Height();
    const int sw = sourceRect.Width();
    const int sh = sourceRect.Height();
    const bool plain = rop == SRCCOPY && !keyed && dw == sw && dh == sh;

    for (const TRect& clip : DeviceClip().Rects()) {
        if (clip.top >= dest.bottom) break;
        const TRect r = clip.Intersect(dest);
        if (r.IsEmpty()) continue;
        for (int y = r.top; y < r.bottom; ++y) {
            const int sy = sourceRect.top + SourceOffset(y - dest.top, dh, sh);
            if (sy < 0 || sy >= src->Height()) continue;
            const Pixel* in = src->Row(sy);
            Pixel* out = m_target->Row(y);
            if (plain) {
                // Unscaled copies are the common case: copy the part of the row that exists.
                const int shift = sourceRect.left - dest.left;
                const int x0 = std::max(r.left, -shift);
                const int x1 = std::min(r.right, src->Width() - shift);
                if (x1 > x0) std::copy(in + x0 + shift, in + x1 + shift, out + x0);
                continue;
            }
            for (int x = r.left; x < r.right; ++x) {
                const int sx = sourceRect.left + SourceOffset(x - dest.left, dw, sw);
                if (sx < 0 || sx >= src->Width()) continue;
                const Pixel s = in[sx];
                if (keyed && (s & kRgbMask) == keyPixel) continue;
                out[x] = ApplyRop(rop, out[x], s);
            }
        }
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
