#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/gfx/PngCodec.h"

using namespace gfx;

TEST(PngCodec, ScreenshotsRoundTripExactlyAndOpaque) {
    Bitmap shot(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) shot.SetPixel(x, y, RGB(x * 30, y * 80, 255 - x * 30));
    shot.At(0, 0) = 0x00123456;  // a stray alpha byte must not make the screenshot transparent
    const auto path =
        std::filesystem::temp_directory_path() / ("png-codec-" + std::to_string(getpid()) + ".png");
    WritePng(shot, path.string());
    const Bitmap back = ReadPng(path.string());
    std::filesystem::remove(path);
    ASSERT_EQ(back.Width(), 7);
    ASSERT_EQ(back.Height(), 3);
    EXPECT_EQ(back.At(0, 0), 0xFF123456u);
    for (int y = 0; y < 3; ++y)
        for (int x = 1; x < 7; ++x) EXPECT_EQ(back.At(x, y), shot.At(x, y)) << x << "," << y;
}

TEST(PngCodec, DamagedDataAndBadPathsRaiseCodecError) {
    const std::vector<std::uint8_t> valid = WritePng(Bitmap(4, 4, 0xFF00FF00));
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {},
        {'n', 'o', 't', ' ', 'p', 'n', 'g'},
        std::vector<std::uint8_t>(valid.begin(), valid.begin() + 20),
        std::vector<std::uint8_t>(valid.begin(), valid.end() - 20),
    };
    for (const auto& data : damaged) EXPECT_THROW(ReadPng(data), CodecError) << data.size();
    EXPECT_THROW(ReadPng(std::string("/nonexistent/shot.png")), CodecError);
    EXPECT_THROW(WritePng(Bitmap(2, 2), "/nonexistent/folder/shot.png"), CodecError);
    EXPECT_THROW(WritePng(Bitmap()), CodecError);
}
