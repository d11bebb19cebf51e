#pragma once
// Small pictures whose pixels tell where they came from, for checking what the drawing
// helpers copied where.
#include <functional>

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/graphics/Bitmap.h"

namespace public_test {

constexpr TColor kMagenta = 0xFF00FF;
constexpr TColor kBackground = 0x0A0B0C;

// The colour of source pixel (x, y): red x, green y, blue 0x40, never magenta or the
// background.
constexpr TColor SourceColor(int x, int y) {
    return 0x400000 | (y << 8) | x;
}
constexpr int SourceX(TColor c) {
    return c & 0xFF;
}
constexpr int SourceY(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr bool IsSource(TColor c) {
    return (c & 0xFF0000) == 0x400000;
}

// A width x height picture whose pixel (x, y) is SourceColor(x, y), or magenta where
// keyed(x, y) says so.
inline void FillPicture(TBitmap& bitmap, int width, int height,
                        const std::function<bool(int, int)>& keyed = nullptr) {
    gfx::Bitmap pixels(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.SetPixel(x, y, keyed && keyed(x, y) ? kMagenta : SourceColor(x, y));
    }
    bitmap.SetImage(pixels);
}

// A canvas to draw on, filled with the background colour.
inline void FillCanvas(TBitmap& bitmap, int width, int height) {
    bitmap.SetImage(gfx::Bitmap(width, height));
    bitmap.Image().Fill(kBackground);
}

inline TColor PixelAt(const TBitmap& bitmap, int x, int y) {
    return bitmap.Image().GetPixel(x, y);
}

}  // namespace public_test
