// Each operation twice: through our Canvas or image list, and the nearest equivalent done
// by pixman on the same pixels. Pixels are counted as items, so the rates compare directly.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

using namespace gfx;

namespace {

constexpr int WIDTH = 512;
constexpr int HEIGHT = 384;
constexpr TColor KEY = clFuchsia;

struct PixmanDeleter {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanDeleter>;

// A pixman view of a bitmap's pixels: both keep 0xAARRGGBB words.
PixmanImage Wrap(Bitmap& bitmap) {
    return PixmanImage(pixman_image_create_bits(PIXMAN_a8r8g8b8, bitmap.Width(), bitmap.Height(),
                                                bitmap.Data(), bitmap.Width() * 4));
}

// A picture with some structure, so that neither side can take a shortcut for flat colour.
Bitmap Picture(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.At(x, y) = (x / 8 + y / 8) % 3 == 0
                                   ? ColorToPixel(KEY)
                                   : 0xFF000000u | (x * 3 << 16) | (y * 5 << 8) | (x ^ y);
    return picture;
}

void CountPixels(benchmark::State& state, long long pixelsPerIteration) {
    state.SetItemsProcessed(state.iterations() * pixelsPerIteration);
}

void FillOurs(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    Canvas canvas(target);
    canvas.GetBrush().color = RGB(10, 20, 30);
    for (auto _ : state) {
        canvas.FillRect({0, 0, WIDTH, HEIGHT});
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

void FillPixman(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    const PixmanImage dest = Wrap(target);
    const pixman_color_t color{30 * 257, 20 * 257, 10 * 257, 0xFFFF};
    const pixman_rectangle16_t rect{0, 0, WIDTH, HEIGHT};
    for (auto _ : state) {
        pixman_image_fill_rectangles(PIXMAN_OP_SRC, dest.get(), &color, 1, &rect);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

void BlitOurs(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    const Bitmap source = Picture(WIDTH, HEIGHT);
    Canvas canvas(target);
    for (auto _ : state) {
        canvas.BitBlt(0, 0, WIDTH, HEIGHT, source, 0, 0);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

void BlitPixman(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    Bitmap source = Picture(WIDTH, HEIGHT);
    const PixmanImage dest = Wrap(target), src = Wrap(source);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, src.get(), nullptr, dest.get(), 0, 0, 0, 0, 0, 0,
                                 WIDTH, HEIGHT);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

// Stretching a quarter-size picture over the whole target, nearest pixel as StretchBlt's
// default mode picks it.
void StretchOurs(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    const Bitmap source = Picture(WIDTH / 2, HEIGHT / 2);
    Canvas canvas(target);
    for (auto _ : state) {
        canvas.StretchDraw({0, 0, WIDTH, HEIGHT}, source);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

void StretchPixman(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    Bitmap source = Picture(WIDTH / 2, HEIGHT / 2);
    const PixmanImage dest = Wrap(target), src = Wrap(source);
    pixman_transform_t scale;
    pixman_transform_init_scale(&scale, pixman_double_to_fixed(0.5), pixman_double_to_fixed(0.5));
    pixman_image_set_transform(src.get(), &scale);
    pixman_image_set_filter(src.get(), PIXMAN_FILTER_NEAREST, nullptr, 0);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, src.get(), nullptr, dest.get(), 0, 0, 0, 0, 0, 0,
                                 WIDTH, HEIGHT);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

void TransparentOurs(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    const Bitmap source = Picture(WIDTH, HEIGHT);
    Canvas canvas(target);
    for (auto _ : state) {
        canvas.DrawTransparent(0, 0, source, KEY);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

// pixman has no colour key: the key is turned into alpha once, outside the timing, and
// the picture is composited over the target.
void TransparentPixman(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    Bitmap source = Picture(WIDTH, HEIGHT);
    const Pixel key = ColorToPixel(KEY);
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x)
            if (source.At(x, y) == key) source.At(x, y) = 0;
    const PixmanImage dest = Wrap(target), src = Wrap(source);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src.get(), nullptr, dest.get(), 0, 0, 0, 0, 0, 0,
                                 WIDTH, HEIGHT);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, WIDTH * HEIGHT);
}

void ImageListOurs(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    ImageList list(16, 16);
    list.AddMasked(Picture(16 * 8, 16), KEY);
    Canvas canvas(target);
    for (auto _ : state) {
        for (int i = 0; i < 64; ++i) list.Draw(canvas, (i % 8) * 20, (i / 8) * 20, i % 8);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, 64 * 16 * 16);
}

// Sixty-four 16 x 16 images from a keyed strip; pixman composites the same images, their
// key turned into alpha beforehand.
void ImageListPixman(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    Bitmap strip = Picture(16 * 8, 16);
    const Pixel key = ColorToPixel(KEY);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < strip.Width(); ++x)
            if (strip.At(x, y) == key) strip.At(x, y) = 0;
    const PixmanImage dest = Wrap(target), src = Wrap(strip);
    for (auto _ : state) {
        for (int i = 0; i < 64; ++i)
            pixman_image_composite32(PIXMAN_OP_OVER, src.get(), nullptr, dest.get(), (i % 8) * 16,
                                     0, 0, 0, (i % 8) * 20, (i / 8) * 20, 16, 16);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, 64 * 16 * 16);
}

const char* const TEXT = "Abbreviation: Quorvane Reference, keywords and commands";
constexpr int TEXT_LINES = 20;

FontDesc DialogFont() {
    FontDesc font;
    font.color = clBlack;
    return font;
}

void TextOurs(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    Canvas canvas(target);
    canvas.SetFont(DialogFont());
    canvas.GetBrush().style = BrushStyle::Clear;
    for (auto _ : state) {
        for (int line = 0; line < TEXT_LINES; ++line) canvas.TextOut(4, line * 16, TEXT);
        benchmark::DoNotOptimize(target.Data());
    }
    CountPixels(state, static_cast<long long>(TEXT_LINES) * canvas.TextWidth(TEXT) * 13);
}

// The same glyph coverage, rasterised once by our font code into pixman's glyph cache,
// then composited in black through an a8 mask as a text renderer on pixman would.
void TextPixman(benchmark::State& state) {
    Bitmap target(WIDTH, HEIGHT);
    const PixmanImage dest = Wrap(target);
    const auto face = FontFace::Get(DialogFont());
    pixman_glyph_cache_t* cache = pixman_glyph_cache_create();
    std::vector<pixman_glyph_t> glyphs;
    const std::string text = TEXT;
    for (int line = 0; line < TEXT_LINES; ++line) {
        int pen = 4;
        for (char ch : text) {
            const auto key = reinterpret_cast<void*>(static_cast<std::uintptr_t>(ch));
            const void* glyph = pixman_glyph_cache_lookup(cache, key, nullptr);
            if (!glyph) {
                const int w = std::max(1, face->CharWidth(static_cast<unsigned char>(ch)) + 2);
                const int h = face->Height();
                PixmanImage mask(pixman_image_create_bits(PIXMAN_a8, w, h, nullptr, 0));
                auto* bits = reinterpret_cast<std::uint8_t*>(pixman_image_get_data(mask.get()));
                const int stride = pixman_image_get_stride(mask.get());
                face->Render(std::string(1, ch), 1, 0, [&](int x, int y, std::uint8_t c) {
                    if (x >= 0 && y >= 0 && x < w && y < h) bits[y * stride + x] = c;
                });
                pixman_glyph_cache_freeze(cache);
                glyph = pixman_glyph_cache_insert(cache, key, nullptr, 1, 0, mask.get());
                pixman_glyph_cache_thaw(cache);
            }
            glyphs.push_back({pen, line * 16, glyph});
            pen += face->CharWidth(static_cast<unsigned char>(ch));
        }
    }
    const pixman_color_t black{0, 0, 0, 0xFFFF};
    const PixmanImage ink(pixman_image_create_solid_fill(&black));
    for (auto _ : state) {
        pixman_composite_glyphs(PIXMAN_OP_OVER, ink.get(), dest.get(), PIXMAN_a8, 0, 0, 0, 0, 0, 0,
                                WIDTH, HEIGHT, cache, static_cast<int>(glyphs.size()),
                                glyphs.data());
        benchmark::DoNotOptimize(target.Data());
    }
    pixman_glyph_cache_destroy(cache);
    CountPixels(state, static_cast<long long>(TEXT_LINES) * face->TextWidth(TEXT) * 13);
}

}  // namespace

BENCHMARK(FillOurs)->Name("BM_Fill/ours");
BENCHMARK(FillPixman)->Name("BM_Fill/pixman");
BENCHMARK(BlitOurs)->Name("BM_Blit/ours");
BENCHMARK(BlitPixman)->Name("BM_Blit/pixman");
BENCHMARK(StretchOurs)->Name("BM_Stretch/ours");
BENCHMARK(StretchPixman)->Name("BM_Stretch/pixman");
BENCHMARK(TransparentOurs)->Name("BM_Transparent/ours");
BENCHMARK(TransparentPixman)->Name("BM_Transparent/pixman");
BENCHMARK(ImageListOurs)->Name("BM_ImageList/ours");
BENCHMARK(ImageListPixman)->Name("BM_ImageList/pixman");
BENCHMARK(TextOurs)->Name("BM_Text/ours");
BENCHMARK(TextPixman)->Name("BM_Text/pixman");
