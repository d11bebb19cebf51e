#pragma once
// PNG pictures, for screenshots that a person looks at and tests read back.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/CodecError.h"

namespace gfx {

// Written as opaque 24-bit RGB: a screenshot has no transparency.
std::vector<std::uint8_t> WritePng(const Bitmap& bitmap);
void WritePng(const Bitmap& bitmap, const std::string& path);

// Any PNG; transparent pixels keep their alpha in the pixel's top byte.
Bitmap ReadPng(std::span<const std::uint8_t> data);
Bitmap ReadPng(const std::string& path);

}  // namespace gfx
