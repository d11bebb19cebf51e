#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/JpegLibrary.h"

using namespace gfx;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Four flat 8 x 8 blocks, which JPEG keeps close to their colours.
Bitmap Blocks() {
    Bitmap picture(16, 16);
    const TColor colors[] = {clRed, RGB(0, 128, 0), clNavy, RGB(240, 240, 240)};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, colors[(y / 8) * 2 + x / 8]);
    return picture;
}

int Difference(TColor a, TColor b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

void ExpectCodecError(const Bytes& data, const char* name) {
    try {
        ReadJpeg(data);
        ADD_FAILURE() << name << ": no error";
    } catch (const CodecError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("JPEG: ", 0), 0u) << name << ": " << e.what();
        EXPECT_GT(std::string(e.what()).size(), 8u) << name << ": the message says what is wrong";
    }
}

}  // namespace

TEST(JpegCodec, RoundTripKeepsSizeAndColours) {
    const Bitmap picture = Blocks();
    const Bytes jpeg = WriteJpeg(picture, 95);
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    const Bitmap back = ReadJpeg(jpeg);
    ASSERT_EQ(back.Width(), 16);
    ASSERT_EQ(back.Height(), 16);
    EXPECT_EQ(back.Format(), PixelFormat::Bits24);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_LE(Difference(back.GetPixel(x, y), picture.GetPixel(x, y)), 12) << x << "," << y;
            EXPECT_EQ(back.At(x, y) >> 24, 0xFFu);
        }
}

TEST(JpegCodec, OddSizesAndLowQualityStillDecode) {
    Bitmap banner(37, 5, 0xFF3366CC);
    const Bitmap back = ReadJpeg(WriteJpeg(banner, 1));
    EXPECT_EQ(back.Width(), 37);
    EXPECT_EQ(back.Height(), 5);
    EXPECT_LE(Difference(back.GetPixel(20, 2), banner.GetPixel(20, 2)), 40);
}

TEST(JpegCodec, DamagedFilesRaiseCodecErrorInsteadOfEndingTheProgram) {
    const Bytes valid = WriteJpeg(Blocks(), 90);
    ExpectCodecError({}, "empty");
    ExpectCodecError(WriteBmp(Blocks()), "a BMP file");
    ExpectCodecError(Bytes(valid.begin(), valid.begin() + 2), "only the start marker");
    ExpectCodecError(Bytes(valid.begin(), valid.begin() + valid.size() / 2), "cut in half");
    ExpectCodecError(Bytes(valid.begin(), valid.end() - 2), "no end marker");
    Bytes scrambled = valid;
    // Scramble the entropy-coded data after the headers, keeping the end marker.
    for (std::size_t i = scrambled.size() - 40; i < scrambled.size() - 2; ++i) scrambled[i] = 0xFF;
    ExpectCodecError(scrambled, "scrambled data");
}

TEST(JpegCodec, EveryTruncationFailsCleanly) {
    const Bytes valid = WriteJpeg(Blocks(), 75);
    for (std::size_t length = 0; length < valid.size(); length += 7) {
        const Bytes cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReadJpeg(cut), CodecError) << "length " << length;
    }
}

TEST(JpegCodec, WritingRefusesBadArguments) {
    EXPECT_THROW(WriteJpeg(Bitmap(), 90), CodecError);
    EXPECT_THROW(WriteJpeg(Blocks(), 0), CodecError);
    EXPECT_THROW(WriteJpeg(Blocks(), 101), CodecError);
    EXPECT_THROW(ReadJpegFile("/nonexistent/banner.jpg"), CodecError);
}

// The codec keeps libjpeg mapped only while a picture is read or written, including when a
// write happens inside a read's lifetime and after a read that fails.
TEST(JpegCodec, TheLibraryIsLoadedOnlyWhileAPictureIsReadOrWritten) {
    const auto loaded = [] {
        void* handle = dlopen(JpegLibrary::Name(), RTLD_NOW | RTLD_NOLOAD);
        if (handle) dlclose(handle);
        return handle != nullptr;
    };
    ASSERT_FALSE(loaded()) << "another part of the test program keeps libjpeg loaded";
    {
        const JpegLibrary outer;
        EXPECT_TRUE(loaded());
        const Bytes file = WriteJpeg(Blocks());
        EXPECT_TRUE(loaded()) << "an inner user's end must not unload the library";
        EXPECT_EQ(ReadJpeg(file).Width(), 16);
    }
    EXPECT_FALSE(loaded());
    const Bytes file = WriteJpeg(Blocks());
    EXPECT_EQ(ReadJpeg(file).Height(), 16);
    EXPECT_THROW(ReadJpeg(Bytes(file.begin(), file.begin() + 20)), CodecError);
    EXPECT_FALSE(loaded());
}
