#include "platform/gfx/PixmanBitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gfx {

namespace {

struct ImageUnref {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, ImageUnref>;

// A picture is drawn with few transparent colours, usually one.
constexpr std::size_t MAX_MASKS = 4;

}  // namespace

struct BitmapCache::Data {
    struct Mask {
        Pixel key = 0;
        std::vector<Pixel> pixels;
        PixmanImage image;
    };
    const Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    PixmanImage argb;
    PixmanImage xrgb;
    std::vector<Mask> masks;
};

void BitmapCache::DropMasks() {
    m_data->masks.clear();
}

void BitmapCache::Free() {
    delete m_data;
    m_data = nullptr;
}

namespace pixmanbits {

namespace {

// The cache for the bitmap's pixels where they are now; a cache made for a buffer that
// has since been moved or resized is replaced.
BitmapCache::Data& Fresh(const Bitmap& bitmap) {
    BitmapCache& cache = bitmap.Cache();
    BitmapCache::Data* data = cache.Get();
    if (!data || data->pixels != bitmap.Data() || data->width != bitmap.Width() ||
        data->height != bitmap.Height()) {
        data = new BitmapCache::Data;
        data->pixels = bitmap.Data();
        data->width = bitmap.Width();
        data->height = bitmap.Height();
        cache.Set(data);
    }
    return *data;
}

PixmanImage View(const BitmapCache::Data& data, pixman_format_code_t format) {
    return PixmanImage(pixman_image_create_bits(format, data.width, data.height,
                                                const_cast<Pixel*>(data.pixels), data.width * 4));
}

}  // namespace

pixman_image_t* Target(Bitmap& bitmap) {
    bitmap.Cache().PixelsChanging();
    return Pixels(bitmap);
}

pixman_image_t* Pixels(const Bitmap& bitmap) {
    BitmapCache::Data& data = Fresh(bitmap);
    if (!data.argb) data.argb = View(data, PIXMAN_a8r8g8b8);
    return data.argb.get();
}

pixman_image_t* OpaquePixels(const Bitmap& bitmap) {
    BitmapCache::Data& data = Fresh(bitmap);
    if (!data.xrgb) data.xrgb = View(data, PIXMAN_x8r8g8b8);
    return data.xrgb.get();
}

pixman_image_t* KeyedPixels(const Bitmap& bitmap, Pixel key) {
    BitmapCache::Data& data = Fresh(bitmap);
    for (const auto& mask : data.masks)
        if (mask.key == key) return mask.image.get();
    if (data.masks.size() >= MAX_MASKS) data.masks.erase(data.masks.begin());

    BitmapCache::Data::Mask mask;
    mask.key = key;
    const std::size_t count = static_cast<std::size_t>(data.width) * data.height;
    mask.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Pixel p = data.pixels[i];
        mask.pixels[i] = (p & 0x00FFFFFFu) == key ? 0 : p | 0xFF000000u;
    }
    mask.image = PixmanImage(pixman_image_create_bits(PIXMAN_a8r8g8b8, data.width, data.height,
                                                      mask.pixels.data(), data.width * 4));
    data.masks.push_back(std::move(mask));
    return data.masks.back().image.get();
}

}  // namespace pixmanbits

}  // namespace gfx
