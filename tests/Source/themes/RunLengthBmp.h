#pragma once
// A run-length bitmap of any size in a few bytes, for the bounds on a theme's pictures.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace test_pictures {

// Eight bits a pixel, two palette colours and endOfLines empty rows before the end: it claims
// width x height pixels, and decodes when the runs are long enough for the size (the reader
// takes 512 pixels a byte).
inline std::vector<std::uint8_t> RunLengthBmp(int width, int height, std::size_t endOfLines = 0) {
    std::vector<std::uint8_t> bmp;
    const auto u32 = [&](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bmp.push_back(static_cast<std::uint8_t>(value >> shift));
    };
    const std::uint32_t pixelsAt = 14 + 40 + 8;
    const auto runs = static_cast<std::uint32_t>(endOfLines * 2 + 2);
    bmp = {'B', 'M'};
    u32(pixelsAt + runs), u32(0), u32(pixelsAt);
    u32(40), u32(static_cast<std::uint32_t>(width)), u32(static_cast<std::uint32_t>(height));
    u32(1 | 8 << 16), u32(1), u32(runs), u32(2835), u32(2835), u32(2), u32(0);
    u32(0x000000), u32(0xFFFFFF);
    bmp.insert(bmp.end(), endOfLines * 2, 0);
    bmp.push_back(0);
    bmp.push_back(1);
    return bmp;
}

}  // namespace test_pictures
