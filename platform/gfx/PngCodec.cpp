#include "platform/gfx/PngCodec.h"

#include <png.h>

#include <cstring>

namespace gfx {

namespace {


// libpng's simplified interface reports failures in the image structure instead of
// jumping, so no C state needs guarding here.
class PngImage {
public:
    PngImage() {
        std::memset(&m_image, 0, sizeof m_image);
        m_image.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&m_image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
    png_image* operator->() { return &m_image; }
    png_image* Get() { return &m_image; }
    [[noreturn]] void Fail(const char* doing) const {
        throw CodecError(std::string("PNG: ") + doing + ": " + m_image.message);
    }

private:
    png_image m_image;
};

}  // namespace

std::vector<std::uint8_t> WritePng(const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) throw CodecError("PNG: cannot write a picture without pixels");
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 3);
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Pixel p = bitmap.At(x, y);
            *out++ = static_cast<std::uint8_t>(p >> 16);
            *out++ = static_cast<std::uint8_t>(p >> 8);
            *out++ = static_cast<std::uint8_t>(p);
        }
    PngImage image;
    image->width = static_cast<png_uint_32>(bitmap.Width());
    image->height = static_cast<png_uint_32>(bitmap.Height());
    image->format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(*image.Get(), size, 0, rgb.data(), 0, nullptr))
        image.Fail("cannot encode");
    std::vector<std::uint8_t> png(size);
    if (!png_image_write_to_memory(image.Get(), png.data(), &size, 0, rgb.data(), 0, nullptr))
        image.Fail("cannot encode");
    png.resize(size);
    return png;
}

void WritePng(const Bitmap& bitmap, const std::string& path) {
    WriteWholeFile(path, WritePng(bitmap), "PNG");
}

Bitmap ReadPng(std::span<const std::uint8_t> data) {
    PngImage image;
    if (!png_image_begin_read_from_memory(image.Get(), data.data(), data.size()))
        image.Fail("cannot read the header");
    const long long width = image->width;
    const long long height = image->height;
    CheckPictureSize("PNG", width, height);
    image->format = PNG_FORMAT_BGRA;  // the memory order of our 32-bit pixels
    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height));
    if (!png_image_finish_read(image.Get(), nullptr, bitmap.Data(), 0, nullptr))
        image.Fail("cannot decode the pixels");
    bitmap.SetFormat(PixelFormat::Bits32);
    return bitmap;
}

Bitmap ReadPng(const std::string& path) {
    const std::vector<std::uint8_t> data = ReadWholeFile(path, "PNG");
    try {
        return ReadPng(data);
    } catch (const CodecError& e) {
        throw CodecError(std::string(e.what()) + " (\"" + path + "\")");
    }
}

}  // namespace gfx
