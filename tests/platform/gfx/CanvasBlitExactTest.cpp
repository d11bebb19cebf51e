// Pictures drawn through the canvas's fast paths (pixman's copies and compositing, the
// stretch walked without divisions, the cached transparency of a picture) must give the
// pixels the plain rules give: nearest pixel i * m / n, the key left out, results opaque.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gfx/Canvas.h"

using gfx::Bitmap;
using gfx::Canvas;

namespace {

// Pixels that differ everywhere, some with alpha bytes other than 0xFF as codecs leave
// them, and some of the key colour.
Bitmap Noise(int width, int height, unsigned seed, Pixel key) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const Pixel p = seed >> 5;
            bitmap.At(x, y) = (p & 7) == 0 ? key | (p & 0xFF000000u) : p;
        }
    return bitmap;
}

// What a stretch of sourceRect over dest, clipped to clip, must leave in target.
void NaiveStretch(Bitmap& target, const TRect& dest, const Bitmap& source, const TRect& sourceRect,
                  const TRect& clip, bool keyed, Pixel key) {
    const TRect r = dest.Intersect(clip).Intersect(target.BoundsRect());
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const int sx =
                sourceRect.left + static_cast<int>(static_cast<std::int64_t>(x - dest.left) *
                                                   sourceRect.Width() / dest.Width());
            const int sy =
                sourceRect.top + static_cast<int>(static_cast<std::int64_t>(y - dest.top) *
                                                  sourceRect.Height() / dest.Height());
            if (sx < 0 || sy < 0 || sx >= source.Width() || sy >= source.Height()) continue;
            const Pixel s = source.At(sx, sy);
            if (keyed && (s & 0x00FFFFFFu) == key) continue;
            // An unscaled copy takes the pixels as they are, every other drawing makes them
            // opaque.
            const bool unscaled =
                dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height();
            target.At(x, y) = unscaled && !keyed ? s : s | 0xFF000000u;
        }
}

TEST(CanvasBlitExact, StretchesTakeTheNearestPixelForEverySizeAndClip) {
    constexpr Pixel KEY = 0x00FF00FF;
    const Bitmap source = Noise(9, 7, 7, KEY);
    const Bitmap background = Noise(24, 20, 99, KEY);
    const TRect clips[] = {{0, 0, 24, 20}, {3, 2, 11, 17}};
    const TRect sourceRects[] = {{0, 0, 9, 7}, {2, 1, 7, 6}, {-2, -1, 11, 8}};
    for (const bool keyed : {false, true})
        for (const TRect& clip : clips)
            for (const TRect& sourceRect : sourceRects)
                for (int w = 1; w <= 21; w += 2)
                    for (const int h : {1, 4, 7, 10, 17}) {
                        const TRect dest = Bounds(1, 2, w, h);
                        const TRect from = keyed ? source.BoundsRect() : sourceRect;
                        Bitmap actual = background;
                        Canvas canvas(actual);
                        canvas.IntersectClipRect(clip);
                        if (keyed)
                            canvas.StretchDrawTransparent(dest, source, clFuchsia);
                        else
                            canvas.CopyRect(dest, source, sourceRect);
                        Bitmap expected = background;
                        NaiveStretch(expected, dest, source, from, clip, keyed, KEY);
                        ASSERT_TRUE(actual == expected)
                            << "keyed " << keyed << ", " << w << " x " << h << " from "
                            << from.Width() << " x " << from.Height();
                    }
}

TEST(CanvasBlitExact, UnscaledCopiesKeepTheSourceAndTransparentOnesLeaveTheKey) {
    constexpr Pixel KEY = 0x000000FF;
    const Bitmap source = Noise(13, 11, 5, KEY);
    const Bitmap background = Noise(20, 16, 3, KEY);
    for (const TPoint at : {TPoint{0, 0}, TPoint{4, 3}, TPoint{-5, -2}, TPoint{12, 9}}) {
        Bitmap actual = background;
        Canvas canvas(actual);
        canvas.IntersectClipRect({1, 1, 17, 14});
        canvas.DrawTransparent(at.x, at.y, source, static_cast<TColor>(0xFF0000));
        Bitmap expected = background;
        NaiveStretch(expected, Bounds(at.x, at.y, 13, 11), source, source.BoundsRect(),
                     {1, 1, 17, 14}, true, KEY);
        EXPECT_TRUE(actual == expected) << at.x << ", " << at.y;

        // A plain copy takes the pixels as they are, alpha byte included.
        actual = background;
        Canvas plain(actual);
        plain.BitBlt(at.x, at.y, 13, 11, source, 0, 0);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= at.x && y >= at.y && x < at.x + 13 && y < at.y + 11;
                ASSERT_EQ(actual.At(x, y),
                          inside ? source.At(x - at.x, y - at.y) : background.At(x, y));
            }
    }
}

// The transparency of a picture is worked out once and kept; whatever changes the picture
// must be seen by the next draw.
TEST(CanvasBlitExact, APictureChangedAfterADrawIsDrawnAsItIsNow) {
    const auto drawn = [](const Bitmap& picture) {
        Bitmap target(4, 1, 0xFF000000u);
        Canvas(target).DrawTransparent(0, 0, picture, clRed);
        return target;
    };
    const Pixel red = 0xFFFF0000u, green = 0xFF00FF00u, blue = 0xFF0000FFu;
    Bitmap picture(4, 1, red);
    ASSERT_EQ(drawn(picture).At(0, 0), 0xFF000000u);

    picture.At(0, 0) = green;
    EXPECT_EQ(drawn(picture).At(0, 0), green) << "At";
    picture.SetPixel(1, 0, clBlue);
    EXPECT_EQ(drawn(picture).At(1, 0), blue) << "SetPixel";
    picture.Row(0)[2] = green;
    EXPECT_EQ(drawn(picture).At(2, 0), green) << "Row";
    Canvas(picture).FillRect({3, 0, 4, 1});
    EXPECT_EQ(drawn(picture).At(3, 0), 0xFFFFFFFFu) << "drawing on it";
    picture.Fill(clRed);
    EXPECT_EQ(drawn(picture).At(3, 0), 0xFF000000u) << "Fill";
    picture.SetSize(5, 1);
    EXPECT_EQ(drawn(picture).At(0, 0), 0xFF000000u) << "SetSize";
    picture = Bitmap(4, 1, green);
    EXPECT_EQ(drawn(picture).At(0, 0), green) << "assigned";
    Bitmap copy = picture;
    copy.At(0, 0) = blue;
    EXPECT_EQ(drawn(copy).At(0, 0), blue) << "a copy";
    EXPECT_EQ(drawn(picture).At(0, 0), green) << "the original of a copy";
}

}  // namespace
