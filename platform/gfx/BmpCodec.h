#pragma once
// Windows BMP files: reading 1, 4, 8, 24 and 32-bit pictures (core, info, v4 and v5
// headers, bottom-up and top-down, palettes, BI_RGB, BI_BITFIELDS, BI_RLE8 and BI_RLE4)
// and writing 1, 4, 8, 24 and 32-bit ones. Damaged files throw CodecError; nothing is read
// past the end of the data.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/CodecError.h"

namespace gfx {

// The picture's Format() tells the bit depth it was stored with.
Bitmap ReadBmp(std::span<const std::uint8_t> data);
Bitmap ReadBmpFile(const std::string& path);

// The picture's size as its header gives it, checked as ReadBmp checks the header; the
// pixels are neither decoded nor allocated. Throws CodecError for a damaged header.
struct BmpSize {
    int Width = 0;
    int Height = 0;
};
BmpSize ReadBmpSize(std::span<const std::uint8_t> data);

// Without a format the bitmap's own is kept (Device is written with 32 bits). Pictures with
// more colours than a palette holds are mapped to the nearest entry of a fixed palette
// (black and white for 1 bit, the 16 VGA colours for 4, 3-3-2 for 8).
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap,
                                   std::optional<PixelFormat> format = std::nullopt);
void WriteBmpFile(const Bitmap& bitmap, const std::string& path,
                  std::optional<PixelFormat> format = std::nullopt);

}  // namespace gfx
