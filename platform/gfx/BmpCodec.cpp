#include "platform/gfx/BmpCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <unordered_map>

namespace gfx {

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t CORE_HEADER_SIZE = 12;
constexpr std::uint32_t INFO_HEADER_SIZE = 40;
// Refused before anything is allocated: no real picture of ours comes near it.

[[noreturn]] void Fail(const std::string& what) {
    throw CodecError("BMP: " + what);
}

// Little-endian fields at offsets checked against the data's end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : m_data(data) {}
    std::size_t Size() const { return m_data.size(); }
    void Require(std::size_t offset, std::size_t length, const char* part) const {
        if (offset > m_data.size() || length > m_data.size() - offset)
            Fail(std::string("file ends inside the ") + part);
    }
    std::uint32_t U16(std::size_t offset) const {
        Require(offset, 2, "header");
        return m_data[offset] | (m_data[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const {
        Require(offset, 4, "header");
        return U16(offset) | (U16(offset + 2) << 16);
    }
    const std::uint8_t* At(std::size_t offset) const { return m_data.data() + offset; }

private:
    std::span<const std::uint8_t> m_data;
};

// One channel of a BI_BITFIELDS mask, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint32_t Extract(std::uint32_t value) const {
        if (max == 0) return 0;
        return static_cast<std::uint32_t>(
            (static_cast<std::uint64_t>((value & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = BI_RGB;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::array<std::uint32_t, 3> masks{0x00FF0000, 0x0000FF00, 0x000000FF};
};

Header ReadHeader(const Reader& in) {
    in.Require(0, FILE_HEADER_SIZE + 4, "header");
    if (in.At(0)[0] != 'B' || in.At(0)[1] != 'M') Fail("not a BMP file (no \"BM\" signature)");
    const std::uint32_t headerSize = in.U32(FILE_HEADER_SIZE);
    in.Require(FILE_HEADER_SIZE, headerSize, "header");
    Header h;
    long long width = 0;
    long long height = 0;
    std::uint32_t colorsUsed = 0;
    const std::size_t info = FILE_HEADER_SIZE;
    if (headerSize == CORE_HEADER_SIZE) {
        width = in.U16(info + 4);
        height = in.U16(info + 6);
        h.bitCount = static_cast<int>(in.U16(info + 10));
        h.paletteEntrySize = 3;
    } else if (headerSize >= INFO_HEADER_SIZE) {
        width = static_cast<std::int32_t>(in.U32(info + 4));
        height = static_cast<std::int32_t>(in.U32(info + 8));
        h.bitCount = static_cast<int>(in.U16(info + 14));
        h.compression = in.U32(info + 16);
        colorsUsed = in.U32(info + 32);
    } else {
        Fail("unknown header size " + std::to_string(headerSize));
    }
    h.topDown = height < 0;
    height = std::llabs(height);
    if (width <= 0 || height <= 0)
        Fail("picture has no pixels (" + std::to_string(width) + " x " + std::to_string(height) +
             ")");
    CheckPictureSize("BMP", width, height);
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(height);

    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24 &&
        h.bitCount != 32)
        Fail(std::to_string(h.bitCount) + " bits per pixel are not supported");
    h.paletteOffset = info + headerSize;
    if (h.compression == BI_BITFIELDS && h.bitCount == 32) {
        // Version 1 headers keep the masks after the header, later ones inside it.
        std::size_t masksAt = info + INFO_HEADER_SIZE;
        if (headerSize == INFO_HEADER_SIZE) h.paletteOffset += 12;
        in.Require(masksAt, 12, "colour masks");
        h.masks = {in.U32(masksAt), in.U32(masksAt + 4), in.U32(masksAt + 8)};
        if (h.masks[0] == 0 || h.masks[1] == 0 || h.masks[2] == 0) Fail("a colour mask is empty");
    } else if ((h.compression == BI_RLE8 && h.bitCount == 8) ||
               (h.compression == BI_RLE4 && h.bitCount == 4)) {
        if (h.topDown) Fail("a run-length compressed picture cannot be top-down");
    } else if (h.compression != BI_RGB) {
        Fail("compression " + std::to_string(h.compression) + " with " +
             std::to_string(h.bitCount) + " bits per pixel is not supported");
    }
    if (h.bitCount <= 8) {
        const std::size_t capacity = std::size_t{1} << h.bitCount;
        if (colorsUsed > capacity)
            Fail("palette of " + std::to_string(colorsUsed) + " colours is too large for " +
                 std::to_string(h.bitCount) + " bits per pixel");
        h.paletteCount = colorsUsed == 0 ? capacity : colorsUsed;
        in.Require(h.paletteOffset, h.paletteCount * h.paletteEntrySize, "palette");
    }
    return h;
}

PixelFormat FormatOf(int bitCount) {
    switch (bitCount) {
        case 1:
            return PixelFormat::Bits1;
        case 4:
            return PixelFormat::Bits4;
        case 8:
            return PixelFormat::Bits8;
        case 24:
            return PixelFormat::Bits24;
        default:
            return PixelFormat::Bits32;
    }
}

std::size_t Stride(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

Pixel Opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

void DecodeRow(const Header& h, const std::uint8_t* row, const std::vector<Pixel>& palette,
               Pixel* out) {
    if (h.bitCount <= 8) {
        const int perByte = 8 / h.bitCount;
        const unsigned mask = (1u << h.bitCount) - 1;
        for (int x = 0; x < h.width; ++x) {
            const int shift = (perByte - 1 - x % perByte) * h.bitCount;
            const unsigned index = (row[x / perByte] >> shift) & mask;
            // An index past the palette's end shows black, as Windows shows it.
            out[x] = index < palette.size() ? palette[index] : 0xFF000000u;
        }
    } else if (h.bitCount == 24) {
        for (int x = 0; x < h.width; ++x, row += 3) out[x] = Opaque(row[2], row[1], row[0]);
    } else {
        const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
        for (int x = 0; x < h.width; ++x, row += 4) {
            const std::uint32_t v =
                row[0] | (row[1] << 8) | (row[2] << 16) | (std::uint32_t{row[3]} << 24);
            out[x] = Opaque(red.Extract(v), green.Extract(v), blue.Extract(v));
        }
    }
}

// Run-length data: pairs of (count, index) runs and escapes for end of line, end of
// picture, a jump, and a stretch of literal indices. Rows run bottom-up; pixels that no
// run reaches keep palette entry 0, and runs past the picture's edge are cut.
void DecodeRunLength(const Header& h, std::span<const std::uint8_t> rle,
                     const std::vector<Pixel>& palette, Bitmap& bitmap) {
    const bool four = h.bitCount == 4;
    std::size_t pos = 0;
    const auto next = [&]() -> unsigned {
        if (pos >= rle.size()) Fail("file ends inside the pixel data");
        return rle[pos++];
    };
    const auto put = [&](long long x, long long y, unsigned index) {
        if (x >= h.width || y >= h.height) return;
        const Pixel pixel = index < palette.size() ? palette[index] : 0xFF000000u;
        bitmap.At(static_cast<int>(x), static_cast<int>(h.height - 1 - y)) = pixel;
    };
    // Runs and jumps may carry the position far past the right edge without an end of line;
    // counted in 64 bits, no file can be long enough to make it overflow.
    long long x = 0, y = 0;
    for (;;) {
        const unsigned count = next();
        const unsigned value = next();
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i, ++x)
                put(x, y, four ? (i % 2 ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            x += next();
            y += next();
        } else {
            unsigned byte = 0;
            for (unsigned i = 0; i < value; ++i, ++x) {
                if (!four || i % 2 == 0) byte = next();
                put(x, y, four ? (i % 2 ? byte & 0x0F : byte >> 4) : byte);
            }
            const unsigned bytes = four ? (value + 1) / 2 : value;
            if (bytes % 2) next();  // literal runs end on a 16-bit boundary
        }
        if (y >= h.height) return;
    }
}

}  // namespace

Bitmap ReadBmp(std::span<const std::uint8_t> data) {
    const Reader in(data);
    const Header h = ReadHeader(in);
    std::vector<Pixel> palette;
    for (std::size_t i = 0; i < h.paletteCount; ++i) {
        const std::uint8_t* entry = in.At(h.paletteOffset + i * h.paletteEntrySize);
        palette.push_back(Opaque(entry[2], entry[1], entry[0]));
    }
    const std::size_t pixelsAt = in.U32(10);
    if (h.compression == BI_RLE8 || h.compression == BI_RLE4) {
        in.Require(pixelsAt, 0, "pixel data");
        const std::span<const std::uint8_t> rle = data.subspan(pixelsAt);
        // Runs are short, so a small file that claims a huge picture is refused before
        // the picture is allocated.
        const long long pixels = static_cast<long long>(h.width) * h.height;
        if (pixels > std::max<long long>(65536, 512 * static_cast<long long>(rle.size())))
            Fail("run-length data of " + std::to_string(rle.size()) + " bytes cannot fill " +
                 std::to_string(h.width) + " x " + std::to_string(h.height) + " pixels");
        Bitmap bitmap(h.width, h.height, palette.empty() ? 0xFF000000u : palette[0]);
        DecodeRunLength(h, rle, palette, bitmap);
        bitmap.SetFormat(FormatOf(h.bitCount));
        return bitmap;
    }
    const std::size_t stride = Stride(h.width, h.bitCount);
    in.Require(pixelsAt, stride * h.height, "pixel data");

    Bitmap bitmap(h.width, h.height);
    for (int y = 0; y < h.height; ++y) {
        const int target = h.topDown ? y : h.height - 1 - y;
        DecodeRow(h, in.At(pixelsAt + stride * y), palette, bitmap.Row(target));
    }
    bitmap.SetFormat(FormatOf(h.bitCount));
    return bitmap;
}

BmpSize ReadBmpSize(std::span<const std::uint8_t> data) {
    const Header h = ReadHeader(Reader(data));
    return {h.width, h.height};
}

Bitmap ReadBmpFile(const std::string& path) {
    const std::vector<std::uint8_t> data = ReadWholeFile(path, "BMP");
    try {
        return ReadBmp(data);
    } catch (const CodecError& e) {
        throw CodecError(std::string(e.what()) + " (\"" + path + "\")");
    }
}

namespace {

int BitCountOf(PixelFormat format) {
    switch (format) {
        case PixelFormat::Bits1:
            return 1;
        case PixelFormat::Bits4:
            return 4;
        case PixelFormat::Bits8:
            return 8;
        case PixelFormat::Bits24:
            return 24;
        default:
            return 32;
    }
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

int Distance(Pixel a, Pixel b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

// The palette a picture is written with and the index of each of its colours.
class PaletteMapper {
public:
    PaletteMapper(const Bitmap& bitmap, int bitCount) {
        const std::size_t capacity = std::size_t{1} << bitCount;
        for (int y = 0; y < bitmap.Height() && m_exact; ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const Pixel p = bitmap.At(x, y) | 0xFF000000u;
                if (m_index.contains(p)) continue;
                if (m_palette.size() == capacity) {
                    m_exact = false;
                    break;
                }
                m_index.emplace(p, static_cast<std::uint8_t>(m_palette.size()));
                m_palette.push_back(p);
            }
        if (!m_exact) UseFixedPalette(bitCount);
    }
    const std::vector<Pixel>& Palette() const { return m_palette; }
    std::uint8_t IndexOf(Pixel p) {
        p |= 0xFF000000u;
        if (const auto it = m_index.find(p); it != m_index.end()) return it->second;
        std::size_t best = 0;
        for (std::size_t i = 1; i < m_palette.size(); ++i)
            if (Distance(p, m_palette[i]) < Distance(p, m_palette[best])) best = i;
        m_index.emplace(p, static_cast<std::uint8_t>(best));
        return static_cast<std::uint8_t>(best);
    }

private:
    void UseFixedPalette(int bitCount) {
        m_palette.clear();
        m_index.clear();
        if (bitCount == 1) {
            m_palette = {0xFF000000u, 0xFFFFFFFFu};
        } else if (bitCount == 4) {
            for (TColor c : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                             clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite})
                m_palette.push_back(ColorToPixel(c));
        } else {
            for (std::uint32_t i = 0; i < 256; ++i)
                m_palette.push_back(
                    Opaque((i >> 5) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3));
        }
    }

    bool m_exact = true;
    std::vector<Pixel> m_palette;
    std::unordered_map<Pixel, std::uint8_t> m_index;
};

void EncodeRow(const Pixel* row, int width, int bitCount, PaletteMapper* mapper,
               std::uint8_t* out) {
    if (bitCount <= 8) {
        const int perByte = 8 / bitCount;
        for (int x = 0; x < width; ++x) {
            const int shift = (perByte - 1 - x % perByte) * bitCount;
            out[x / perByte] |= static_cast<std::uint8_t>(mapper->IndexOf(row[x]) << shift);
        }
        return;
    }
    const int bytes = bitCount / 8;
    for (int x = 0; x < width; ++x, out += bytes) {
        out[0] = static_cast<std::uint8_t>(row[x]);
        out[1] = static_cast<std::uint8_t>(row[x] >> 8);
        out[2] = static_cast<std::uint8_t>(row[x] >> 16);
        if (bytes == 4) out[3] = static_cast<std::uint8_t>(row[x] >> 24);
    }
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap, std::optional<PixelFormat> format) {
    if (bitmap.IsEmpty()) Fail("cannot write a picture without pixels");
    const int bitCount = BitCountOf(format.value_or(bitmap.Format()));
    std::optional<PaletteMapper> mapper;
    if (bitCount <= 8) mapper.emplace(bitmap, bitCount);
    const std::size_t paletteCount = mapper ? mapper->Palette().size() : 0;
    const std::size_t stride = Stride(bitmap.Width(), bitCount);
    const std::size_t pixelsAt = FILE_HEADER_SIZE + INFO_HEADER_SIZE + paletteCount * 4;
    const std::size_t fileSize = pixelsAt + stride * bitmap.Height();

    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(fileSize));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(pixelsAt));
    Put32(out, INFO_HEADER_SIZE);
    Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
    Put32(out, static_cast<std::uint32_t>(bitmap.Height()));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitCount));
    Put32(out, BI_RGB);
    Put32(out, static_cast<std::uint32_t>(stride * bitmap.Height()));
    Put32(out, 3780);  // 96 DPI in pixels per metre
    Put32(out, 3780);
    Put32(out, static_cast<std::uint32_t>(paletteCount));
    Put32(out, 0);
    for (std::size_t i = 0; i < paletteCount; ++i) Put32(out, mapper->Palette()[i] & 0x00FFFFFF);
    out.resize(fileSize, 0);
    for (int y = 0; y < bitmap.Height(); ++y)
        EncodeRow(bitmap.Row(bitmap.Height() - 1 - y), bitmap.Width(), bitCount,
                  mapper ? &*mapper : nullptr, out.data() + pixelsAt + stride * y);
    return out;
}

void WriteBmpFile(const Bitmap& bitmap, const std::string& path,
                  std::optional<PixelFormat> format) {
    WriteWholeFile(path, WriteBmp(bitmap, format), "BMP");
}

}  // namespace gfx
