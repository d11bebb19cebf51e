#pragma once
// Reading the skin's picture files from the source tree, the way the build embeds them.
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/BmpCodec.h"

namespace skin_test {

inline std::string ResourcePath(const std::string& name) {
    return std::string(QV_SOURCE_DIR) + "/Source/res/" + name + ".bmp";
}

inline gfx::Bitmap LoadResource(const std::string& name) {
    return gfx::ReadBmpFile(ResourcePath(name));
}

constexpr TColor kMagenta = 0xFF00FF;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

}  // namespace skin_test
