#pragma once
// JPEG pictures through libjpeg-turbo. Damaged or truncated files throw CodecError
// instead of ending the program or showing grey.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/CodecError.h"

namespace gfx {

// Greyscale, RGB and YCbCr pictures; the result is a 24-bit picture.
Bitmap ReadJpeg(std::span<const std::uint8_t> data);
Bitmap ReadJpegFile(const std::string& path);

// quality is 1 (smallest) to 100 (best), as libjpeg counts it.
std::vector<std::uint8_t> WriteJpeg(const Bitmap& bitmap, int quality = 90);
void WriteJpegFile(const Bitmap& bitmap, const std::string& path, int quality = 90);

}  // namespace gfx
