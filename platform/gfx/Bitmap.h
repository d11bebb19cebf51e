#pragma once
// A 32-bit bitmap in memory: the surface that canvases, windows and codecs share.
#include <cstdint>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/PixelStore.h"

namespace gfx {

// What drawing derives from a bitmap's pixels and keeps for the next draw of it: views of
// them for pixman and the masks of its transparent colours (PixmanBitmap.h). A copy
// starts without any; the owner drops the masks before its pixels can change.
class BitmapCache {
public:
    struct Data;
    BitmapCache() = default;
    BitmapCache(const BitmapCache&) noexcept {}
    BitmapCache& operator=(const BitmapCache&) noexcept {
        Reset();
        return *this;
    }
    ~BitmapCache() { Reset(); }

    void PixelsChanging() {
        if (m_data) DropMasks();
    }
    void Reset() {
        if (m_data) Free();
    }
    Data* Get() const { return m_data; }
    void Set(Data* data) {
        Reset();
        m_data = data;
    }

private:
    void DropMasks();
    void Free();
    Data* m_data = nullptr;
};

// The bit depth a picture had when it was read or was asked to have. Pixels are always
// kept as 32-bit words; the format is remembered so that a picture can be written back
// and checked at the depth it came with.
enum class PixelFormat { Device, Bits1, Bits4, Bits8, Bits24, Bits32 };

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = 0xFFFFFFFF);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_width <= 0 || m_height <= 0; }
    TRect BoundsRect() const { return {0, 0, m_width, m_height}; }

    // Resizes, keeping the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);

    PixelFormat Format() const { return m_format; }
    void SetFormat(PixelFormat format) { m_format = format; }

    // Reading outside the bitmap answers clNone; writing outside is ignored.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Writable access drops what drawing derived from the pixels, so a pointer from Row or
    // Data must not be kept to write through after the bitmap was drawn somewhere.
    Pixel* Row(int y) {
        m_cache.PixelsChanging();
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }
    const Pixel* Row(int y) const {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }
    Pixel* Data() {
        m_cache.PixelsChanging();
        return m_pixels.data();
    }
    const Pixel* Data() const { return m_pixels.data(); }
    Pixel& At(int x, int y) {
        m_cache.PixelsChanging();
        return m_pixels[static_cast<std::size_t>(y) * m_width + x];
    }
    Pixel At(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }

    // The transparent colour: given, or by default the bottom-left pixel.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on) { m_transparent = on; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    void SetTransparentColorAuto() { m_transparentFixed = false; }
    bool TransparentColorIsFixed() const { return m_transparentFixed; }

    // A copy of a rectangle of this bitmap (clipped to it).
    Bitmap Copy(const TRect& source) const;
    void Fill(TColor color);

    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_pixels == b.m_pixels;
    }

    BitmapCache& Cache() const { return m_cache; }

private:
    int m_width = 0;
    int m_height = 0;
    PixelStore m_pixels;
    PixelFormat m_format = PixelFormat::Bits32;
    bool m_transparent = false;
    bool m_transparentFixed = false;
    TColor m_transparentColor = clNone;
    mutable BitmapCache m_cache;
};

}  // namespace gfx
