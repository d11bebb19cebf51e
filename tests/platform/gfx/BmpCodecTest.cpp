#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/gfx/BmpCodec.h"

using namespace gfx;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A BMP file put together field by field, so that each test can damage one field.
struct BmpFile {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks;    // BI_BITFIELDS masks after a 40-byte header
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB entries
    Bytes pixels;                        // rows exactly as stored, padding included

    Bytes Build() const {
        Bytes info;
        if (headerSize == 12) {
            Put32(info, 12);
            Put16(info, static_cast<std::uint32_t>(width));
            Put16(info, static_cast<std::uint32_t>(height));
            Put16(info, 1);
            Put16(info, static_cast<std::uint32_t>(bitCount));
        } else {
            Put32(info, headerSize);
            Put32(info, static_cast<std::uint32_t>(width));
            Put32(info, static_cast<std::uint32_t>(height));
            Put16(info, 1);
            Put16(info, static_cast<std::uint32_t>(bitCount));
            Put32(info, compression);
            Put32(info, static_cast<std::uint32_t>(pixels.size()));
            Put32(info, 3780);
            Put32(info, 3780);
            Put32(info, colorsUsed);
            Put32(info, 0);
            // Later headers carry the masks inside, then colour space fields we leave zero.
            if (headerSize > 40) {
                for (std::uint32_t m : masks) Put32(info, m);
                info.resize(headerSize, 0);
            }
        }
        if (headerSize == 40)
            for (std::uint32_t m : masks) Put32(info, m);
        for (std::uint32_t c : palette) {
            info.push_back(static_cast<std::uint8_t>(c));
            info.push_back(static_cast<std::uint8_t>(c >> 8));
            info.push_back(static_cast<std::uint8_t>(c >> 16));
            if (headerSize != 12) info.push_back(0);
        }
        Bytes file{'B', 'M'};
        Put32(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()));
        Put32(file, 0);
        Put32(file, static_cast<std::uint32_t>(14 + info.size()));
        file.insert(file.end(), info.begin(), info.end());
        file.insert(file.end(), pixels.begin(), pixels.end());
        return file;
    }
};

// Every valid fixture below shows this 3 x 2 picture (rows top to bottom), except the
// two-colour one.
const std::vector<TColor> PICTURE = {clRed,   clLime,  clBlue,
                                     clWhite, clBlack, RGB(0x12, 0x34, 0x56)};
const std::vector<std::uint32_t> PICTURE_PALETTE = {0xFF0000, 0x00FF00, 0x0000FF,
                                                    0xFFFFFF, 0x000000, 0x123456};

std::vector<TColor> PixelsOf(const Bitmap& bitmap) {
    std::vector<TColor> colors;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) colors.push_back(bitmap.GetPixel(x, y));
    return colors;
}

struct ReadCase {
    const char* name;
    BmpFile file;
    PixelFormat format;
    std::vector<TColor> expected;
};

std::vector<ReadCase> ReadCases() {
    std::vector<ReadCase> cases;
    BmpFile f;
    // 24 bits, bottom-up: the bottom row comes first, each row padded to 12 bytes.
    f.pixels = {0xFF, 0xFF, 0xFF, 0, 0,    0, 0x56, 0x34, 0x12, 0, 0, 0,
                0,    0,    0xFF, 0, 0xFF, 0, 0xFF, 0,    0,    0, 0, 0};
    cases.push_back({"24 bits bottom-up", f, PixelFormat::Bits24, PICTURE});
    BmpFile topDown = f;
    topDown.height = -2;
    topDown.pixels = {0,    0,    0xFF, 0, 0xFF, 0, 0xFF, 0,    0,    0, 0, 0,
                      0xFF, 0xFF, 0xFF, 0, 0,    0, 0x56, 0x34, 0x12, 0, 0, 0};
    cases.push_back({"24 bits top-down", topDown, PixelFormat::Bits24, PICTURE});

    BmpFile b32;
    b32.bitCount = 32;
    b32.pixels = {0xFF, 0xFF, 0xFF, 0, 0, 0,    0, 0, 0x56, 0x34, 0x12, 0,
                  0,    0,    0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0,    0,    0};
    cases.push_back({"32 bits", b32, PixelFormat::Bits32, PICTURE});
    // Bit fields in a different order: red in the low byte, blue in the third.
    BmpFile fields = b32;
    fields.compression = 3;
    fields.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    fields.pixels = {0xFF, 0xFF, 0xFF, 0, 0, 0,    0, 0, 0x12, 0x34, 0x56, 0,
                     0xFF, 0,    0,    0, 0, 0xFF, 0, 0, 0,    0,    0xFF, 0};
    cases.push_back({"32 bits with bit fields", fields, PixelFormat::Bits32, PICTURE});
    BmpFile v5 = fields;
    v5.headerSize = 124;
    cases.push_back({"32 bits with a version 5 header", v5, PixelFormat::Bits32, PICTURE});
    BmpFile v4 = fields;
    v4.headerSize = 108;
    cases.push_back({"32 bits with a version 4 header", v4, PixelFormat::Bits32, PICTURE});

    BmpFile b8;
    b8.bitCount = 8;
    b8.palette = PICTURE_PALETTE;
    b8.colorsUsed = 6;
    b8.pixels = {3, 4, 5, 0, 0, 1, 2, 0};
    cases.push_back({"8 bits with a short palette", b8, PixelFormat::Bits8, PICTURE});
    BmpFile core = b8;
    core.headerSize = 12;
    core.palette.resize(256, 0);
    cases.push_back({"8 bits with a core header", core, PixelFormat::Bits8, PICTURE});

    BmpFile b4 = b8;
    b4.bitCount = 4;
    b4.colorsUsed = 0;
    b4.palette.resize(16, 0);
    b4.pixels = {0x34, 0x50, 0, 0, 0x01, 0x20, 0, 0};
    cases.push_back({"4 bits", b4, PixelFormat::Bits4, PICTURE});

    BmpFile b1;
    b1.bitCount = 1;
    b1.palette = {0x000000, 0xFFFFFF};
    b1.pixels = {0b01000000, 0, 0, 0, 0b10100000, 0, 0, 0};
    cases.push_back(
        {"1 bit", b1, PixelFormat::Bits1, {clWhite, clBlack, clWhite, clBlack, clWhite, clBlack}});
    // Run-length rows, bottom first: a literal run padded to an even length, then single
    // runs, each row closed by an end-of-line escape and the picture by end-of-picture.
    BmpFile rle8 = b8;
    rle8.compression = 1;
    rle8.pixels = {0, 3, 3, 4, 5, 0, 0, 0, 1, 0, 1, 1, 1, 2, 0, 1};
    cases.push_back({"8 bits run-length", rle8, PixelFormat::Bits8, PICTURE});
    // A jump leaves pixels at palette entry 0; a run longer than the row is cut.
    BmpFile jump = rle8;
    jump.pixels = {0, 2, 2, 0, 1, 5, 0, 0, 200, 1, 0, 1};
    cases.push_back({"8 bits run-length with a jump",
                     jump,
                     PixelFormat::Bits8,
                     {clLime, clLime, clLime, clRed, clRed, RGB(0x12, 0x34, 0x56)}});
    BmpFile rle4 = b4;
    rle4.compression = 2;
    rle4.pixels = {0, 3, 0x34, 0x50, 0, 0, 2, 0x01, 1, 0x20, 0, 1};
    cases.push_back({"4 bits run-length", rle4, PixelFormat::Bits4, PICTURE});
    // Indices past a short palette show black instead of reading past it.
    BmpFile shortPalette = b8;
    shortPalette.colorsUsed = 2;
    shortPalette.palette = {0xFF0000, 0x00FF00};
    shortPalette.pixels = {1, 200, 0, 0, 0, 1, 2, 0};
    cases.push_back({"indices past the palette",
                     shortPalette,
                     PixelFormat::Bits8,
                     {clRed, clLime, clBlack, clLime, clBlack, clRed}});
    return cases;
}

}  // namespace

TEST(BmpCodec, ReadsEachDepthAndLayout) {
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.name);
        const Bitmap bitmap = ReadBmp(c.file.Build());
        ASSERT_EQ(bitmap.Width(), 3);
        ASSERT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(bitmap.Format(), c.format);
        EXPECT_EQ(PixelsOf(bitmap), c.expected);
        EXPECT_EQ(bitmap.At(0, 0) >> 24, 0xFFu) << "pixels are opaque";
    }
}

TEST(BmpCodec, RefusesDamagedFilesWithAClearMessage) {
    BmpFile good;
    good.pixels.assign(24, 0);
    BmpFile b8;
    b8.bitCount = 8;
    b8.palette = PICTURE_PALETTE;
    b8.colorsUsed = 6;
    b8.pixels.assign(8, 0);
    const Bytes valid = good.Build();

    struct Case {
        const char* name;
        Bytes data;
        const char* message;
    };
    std::vector<Case> cases = {
        {"empty", {}, "file ends inside the header"},
        {"no signature", Bytes(valid.begin() + 2, valid.end()), "no \"BM\" signature"},
        {"header cut short", Bytes(valid.begin(), valid.begin() + 30),
         "file ends inside the header"},
        {"pixels cut short", Bytes(valid.begin(), valid.end() - 1),
         "file ends inside the pixel data"},
    };
    auto with = [&](const char* name, BmpFile f, const char* message) {
        cases.push_back({name, f.Build(), message});
    };
    BmpFile f = good;
    f.width = 100000;
    f.height = 100000;
    with("absurd size", f, "100000 x 100000 pixels is too large");
    f = good;
    f.height = INT32_MIN;
    with("height of -2^31", f, "too large");
    f = good;
    f.width = 0;
    with("no width", f, "picture has no pixels");
    f = good;
    f.bitCount = 7;
    with("odd depth", f, "7 bits per pixel are not supported");
    f = good;
    f.compression = 1;
    with("run-length compression", f, "compression 1 with 24 bits per pixel is not supported");
    f = good;
    f.headerSize = 20;
    with("unknown header", f, "unknown header size 20");
    f = b8;
    f.colorsUsed = 300;
    with("palette count above the depth", f, "palette of 300 colours is too large");
    f = b8;
    f.colorsUsed = 200;
    f.pixels.clear();
    with("palette count past the file's end", f, "file ends inside the palette");
    f = good;
    f.bitCount = 32;
    f.compression = 3;
    f.masks = {0xFF0000, 0, 0xFF};
    f.pixels.assign(24, 0);
    with("empty colour mask", f, "a colour mask is empty");

    BmpFile rle = b8;
    rle.compression = 1;
    rle.pixels = {3, 1, 0, 0, 3, 2};  // no end-of-picture escape
    with("run-length data without its end", rle, "file ends inside the pixel data");
    rle.height = -2;
    with("top-down run-length data", rle, "cannot be top-down");
    rle.height = 5000;
    rle.width = 5000;
    with("tiny run-length data for a huge picture", rle, "cannot fill 5000 x 5000 pixels");

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ReadBmp(c.data);
            ADD_FAILURE() << "no error";
        } catch (const CodecError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("BMP: ", 0), 0u) << e.what();
        }
    }
}

// Jumps of 255 columns, never ending the line, carry the column past 2^31 after 34 MB; the
// run after them must not land outside the picture (a 32-bit column once wrapped there).
TEST(BmpCodec, RunsFarPastTheRightEdgeStayOutsideThePicture) {
    BmpFile f;
    f.width = 1;
    f.height = 1;
    f.bitCount = 8;
    f.compression = 1;
    f.palette = {0x000000, 0xFF0000};
    f.colorsUsed = 2;
    const std::size_t jumps = (std::size_t{1} << 31) / 255 + 1;
    f.pixels.reserve(jumps * 4 + 4);
    for (std::size_t i = 0; i < jumps; ++i) f.pixels.insert(f.pixels.end(), {0, 2, 255, 0});
    f.pixels.insert(f.pixels.end(), {1, 1, 0, 1});  // one red pixel, then the end
    const Bitmap bitmap = ReadBmp(f.Build());
    EXPECT_EQ(bitmap.GetPixel(0, 0), clBlack);
}

TEST(BmpCodec, EveryTruncationOfAValidFileFailsCleanly) {
    BmpFile f;
    f.bitCount = 8;
    f.palette = PICTURE_PALETTE;
    f.colorsUsed = 6;
    f.pixels = {3, 4, 5, 0, 0, 1, 2, 0};
    BmpFile rle = f;
    rle.compression = 1;
    rle.pixels = {0, 3, 3, 4, 5, 0, 0, 0, 3, 1, 0, 1};
    for (const BmpFile& file : {f, rle}) {
        const Bytes valid = file.Build();
        ASSERT_NO_THROW(ReadBmp(valid));
        for (std::size_t length = 0; length < valid.size(); ++length) {
            // A copy of exactly that length, so that a sanitizer sees any read past it.
            const Bytes cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_THROW(ReadBmp(cut), CodecError)
                << "compression " << file.compression << ", length " << length;
        }
    }
}

TEST(BmpCodec, WritesAndReadsBackEachDepth) {
    Bitmap picture(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.SetPixel(x, y, (x + y) % 2 ? clNavy : RGB(200, 10, 30));
    for (PixelFormat format : {PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8,
                               PixelFormat::Bits24, PixelFormat::Bits32}) {
        SCOPED_TRACE(static_cast<int>(format));
        const Bitmap back = ReadBmp(WriteBmp(picture, format));
        EXPECT_EQ(back.Format(), format);
        EXPECT_EQ(PixelsOf(back), PixelsOf(picture)) << "two colours fit every palette exactly";
    }
    picture.SetFormat(PixelFormat::Bits8);
    EXPECT_EQ(ReadBmp(WriteBmp(picture)).Format(), PixelFormat::Bits8) << "keeps its own format";
}

TEST(BmpCodec, MapsTooManyColoursToTheNearestFixedEntry) {
    Bitmap ramp(300, 1);
    for (int x = 0; x < 300; ++x) ramp.SetPixel(x, 0, RGB(x % 256, x / 2 % 256, 255 - x % 256));
    ramp.SetPixel(0, 0, RGB(250, 250, 250));
    ramp.SetPixel(1, 0, RGB(10, 20, 5));

    const Bitmap mono = ReadBmp(WriteBmp(ramp, PixelFormat::Bits1));
    EXPECT_EQ(mono.GetPixel(0, 0), clWhite);
    EXPECT_EQ(mono.GetPixel(1, 0), clBlack);
    const Bitmap eight = ReadBmp(WriteBmp(ramp, PixelFormat::Bits8));
    for (int x = 0; x < 300; ++x) {
        const TColor in = ramp.GetPixel(x, 0), out = eight.GetPixel(x, 0);
        EXPECT_LE(std::abs(GetRValue(in) - GetRValue(out)), 18) << x;
        EXPECT_LE(std::abs(GetGValue(in) - GetGValue(out)), 18) << x;
        EXPECT_LE(std::abs(GetBValue(in) - GetBValue(out)), 42) << x;
    }
}

TEST(BmpCodec, FilesRoundTripAndMissingFilesAreNamed) {
    const auto path =
        std::filesystem::temp_directory_path() / ("bmp-codec-" + std::to_string(getpid()) + ".bmp");
    Bitmap picture(4, 4, 0xFF102030);
    picture.SetFormat(PixelFormat::Bits24);
    WriteBmpFile(picture, path.string());
    EXPECT_EQ(ReadBmpFile(path.string()), picture);
    std::filesystem::remove(path);
    try {
        ReadBmpFile(path.string());
        ADD_FAILURE() << "no error";
    } catch (const CodecError& e) {
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
    EXPECT_THROW(WriteBmp(Bitmap()), CodecError);
}
