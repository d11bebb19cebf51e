#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"

using namespace gfx;
using Bytes = std::vector<std::uint8_t>;

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

namespace {

// The CRC that PNG chunks end with.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

}  // namespace

// A few bytes that declare a huge picture are refused before it is allocated, by every
// codec, with the size in the message.
TEST(PictureCodecs, AHugeDeclaredSizeIsRefusedBeforeAllocating) {
    Bytes png = WritePng(Bitmap(1, 1));
    // IHDR's width and height, then its CRC, which libpng checks.
    const auto setU32 = [](Bytes& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    };
    setU32(png, 16, 16384);
    setU32(png, 20, 16384);
    setU32(png, 29, Crc32(png.data() + 12, 17));
    Bytes jpeg = WriteJpeg(Bitmap(8, 8));
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC0) continue;  // the frame header
        jpeg[i + 5] = jpeg[i + 7] = 0x40;                       // 16384 high and wide
        jpeg[i + 6] = jpeg[i + 8] = 0x00;
        break;
    }
    const struct {
        const char* name;
        std::function<Bitmap()> read;
    } cases[] = {
        {"PNG", [&] { return ReadPng(png); }},
        {"JPEG", [&] { return ReadJpeg(jpeg); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.read();
            ADD_FAILURE() << "a 16384 x 16384 picture was taken";
        } catch (const CodecError& error) {
            EXPECT_NE(std::string(error.what()).find("16384 x 16384 pixels is too large"),
                      std::string::npos)
                << error.what();
        }
    }
    // The largest sizes still taken: a wide strip and an 8K desktop.
    EXPECT_EQ(ReadPng(WritePng(Bitmap(16384, 1))).Width(), 16384);
    EXPECT_NO_THROW(CheckPictureSize("PNG", 7680, 4320));
    EXPECT_THROW(CheckPictureSize("PNG", 16385, 1), CodecError);
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
