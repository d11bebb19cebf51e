#include <gtest/gtest.h>

#include <string>

#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "tests/Source/public/PictureFixtures.h"

// Drawing pictures scaled by their borders, by their ends, and tiled.
namespace {

using namespace public_test;

// The rows and columns that the edges and the centre of a 21 x 21 picture are cut from
// (10 and 11) are magenta: with them keyed out, only the corners show.
bool MiddleStripes(int x, int y) {
    return x == 10 || x == 11 || y == 10 || y == 11;
}

// Where each pixel of the canvas must come from: the source pixel, or nothing drawn.
void ExpectCorners(const TBitmap& canvas, const TBitmap& picture,
                   const std::vector<std::pair<TRect, TPoint>>& corners) {
    for (int y = 0; y < canvas.GetHeight(); ++y) {
        for (int x = 0; x < canvas.GetWidth(); ++x) {
            TColor expected = kBackground;
            for (const auto& [place, source] : corners) {
                if (place.Contains({x, y}))
                    expected =
                        PixelAt(picture, source.x + x - place.left, source.y + y - place.top);
            }
            ASSERT_EQ(PixelAt(canvas, x, y), expected) << "at " << x << ", " << y;
        }
    }
}

TEST(SpitDraw, CornersKeepTheirSizeAndComeFromTheirSide) {
    TBitmap picture;
    FillPicture(picture, 21, 21, MiddleStripes);
    TBitmap canvas;
    FillCanvas(canvas, 100, 30);
    SpitDraw(&picture, canvas.GetCanvas(), {0, 0, 100, 30}, false);
    ExpectCorners(canvas, picture,
                  {
                      {{0, 0, 10, 10}, {0, 0}},       // top left, 10 x 10
                      {{0, 21, 10, 30}, {0, 12}},     // bottom left, 10 x 9
                      {{91, 0, 100, 10}, {12, 0}},    // top right, 9 x 10
                      {{91, 21, 100, 30}, {12, 12}},  // bottom right, 9 x 9
                  });
}

TEST(SpitDraw, ARectangleSmallerThanTheCornersShrinksThemFromTheOuterSide) {
    TBitmap picture;
    FillPicture(picture, 21, 21, MiddleStripes);
    TBitmap canvas;
    FillCanvas(canvas, 8, 6);
    SpitDraw(&picture, canvas.GetCanvas(), {0, 0, 8, 6}, false);
    // Half the rectangle is 4 x 3: the left corners get 4 columns, the right ones 3; the
    // top corners 3 rows, the bottom ones 2.
    ExpectCorners(canvas, picture,
                  {
                      {{0, 0, 4, 3}, {0, 0}},
                      {{0, 4, 4, 6}, {0, 19}},
                      {{5, 0, 8, 3}, {18, 0}},
                      {{5, 4, 8, 6}, {18, 19}},
                  });
}

TEST(SpitDraw, TheTransparentFlagKeysOnlyTheCorners) {
    // Magenta in the top-left corner and in the middle stripes.
    auto keyed = [](int x, int y) { return (x == 0 && y == 0) || MiddleStripes(x, y); };
    TBitmap picture;
    FillPicture(picture, 21, 21, keyed);
    for (const bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        TBitmap canvas;
        FillCanvas(canvas, 40, 30);
        SpitDraw(&picture, canvas.GetCanvas(), {0, 0, 40, 30}, transparent);
        EXPECT_EQ(PixelAt(canvas, 0, 0), transparent ? kBackground : kMagenta);
        EXPECT_EQ(PixelAt(canvas, 1, 0), SourceColor(1, 0));
        // The edges are keyed whatever the flag says.
        EXPECT_EQ(PixelAt(canvas, 20, 0), kBackground);
        EXPECT_EQ(PixelAt(canvas, 20, 15), kBackground);
    }
}

TEST(SpitDraw, EdgesAndCentreStretchTheMiddleSlices) {
    TBitmap picture;
    FillPicture(picture, 21, 21);
    TBitmap canvas;
    FillCanvas(canvas, 100, 30);
    SpitDraw(&picture, canvas.GetCanvas(), {0, 0, 100, 30}, false);

    // The top edge spans x 10 to 91 from the two middle columns, rows kept.
    EXPECT_EQ(PixelAt(canvas, 9, 0), SourceColor(9, 0));
    for (int x = 10; x < 91; ++x) {
        const TColor c = PixelAt(canvas, x, 3);
        ASSERT_TRUE(SourceX(c) == 10 || SourceX(c) == 11) << "x " << x;
        ASSERT_EQ(SourceY(c), 3) << "x " << x;
    }
    EXPECT_EQ(PixelAt(canvas, 91, 0), SourceColor(12, 0));

    struct Sample {
        const char* part;
        TPoint at;
        int sourceY;  // the row the part is cut from
    };
    const Sample samples[] = {
        {"left edge", {4, 15}, 10},    {"left edge", {4, 20}, 10}, {"right edge", {95, 15}, 11},
        {"centre", {50, 15}, 10},      {"centre", {50, 18}, 10},   {"bottom edge", {50, 20}, 11},
        {"bottom edge", {50, 29}, 20},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(std::string(s.part) + " at " + std::to_string(s.at.x) + ", " +
                     std::to_string(s.at.y));
        const TColor c = PixelAt(canvas, s.at.x, s.at.y);
        ASSERT_TRUE(IsSource(c));
        EXPECT_EQ(SourceY(c), s.sourceY);
    }
    EXPECT_EQ(PixelAt(canvas, 4, 15), SourceColor(4, 10));
    EXPECT_EQ(PixelAt(canvas, 95, 15), SourceColor(16, 11));
}

TEST(SpitDrawHorizontal, EndsAreKeyedAndTheMiddleStretchedOpaque) {
    // Three 5 x 4 frames. The top-left pixel of the picture and one pixel of each frame
    // are magenta.
    auto keyed = [](int x, int y) { return y == 1 && (x == 1 || x == 6 || x == 11); };
    for (const bool cornerColor : {false, true}) {
        SCOPED_TRACE(cornerColor ? "corner colour" : "magenta");
        TBitmap picture;
        FillPicture(picture, 15, 4, keyed);
        TBitmap canvas;
        FillCanvas(canvas, 40, 8);
        SpitDrawHorizontal(&picture, canvas.GetCanvas(), {2, 1, 32, 5}, cornerColor);

        // The left end at (2, 1) and the right end at (27, 1).
        EXPECT_EQ(PixelAt(canvas, 3, 1), SourceColor(1, 0));
        EXPECT_EQ(PixelAt(canvas, 28, 1), SourceColor(11, 0));
        // The key is the top-left colour when asked for, else magenta.
        const TColor keyedPixel = cornerColor ? kMagenta : kBackground;
        EXPECT_EQ(PixelAt(canvas, 2 + 1, 1 + 1), keyedPixel);
        EXPECT_EQ(PixelAt(canvas, 27 + 1, 1 + 1), keyedPixel);
        EXPECT_EQ(PixelAt(canvas, 2, 1), cornerColor ? kBackground : SourceColor(0, 0));
        EXPECT_EQ(PixelAt(canvas, 27, 1), SourceColor(10, 0));
        // The middle frame fills x 7 to 27 without a key: its magenta shows.
        int magenta = 0;
        for (int x = 7; x < 27; ++x) {
            const TColor c = PixelAt(canvas, x, 2);
            ASSERT_TRUE(c == kMagenta || (IsSource(c) && SourceX(c) >= 5 && SourceX(c) < 10));
            magenta += c == kMagenta;
        }
        EXPECT_GT(magenta, 0);
        EXPECT_EQ(PixelAt(canvas, 7, 0), kBackground);
        EXPECT_EQ(PixelAt(canvas, 7, 5), kBackground);
    }
}

TEST(TileDraw, TilesFromTheOriginWithOneToSpare) {
    // A 16 x 16 tile marked in its top-left pixel.
    TBitmap tile;
    FillPicture(tile, 16, 16);
    tile.Image().Fill(0x00FF00);
    tile.Image().SetPixel(0, 0, 0x0000FF);
    TBitmap canvas;
    FillCanvas(canvas, 80, 64);
    TileDraw(canvas.GetCanvas(), &tile, {0, 0, 40, 20});
    for (int y = 0; y < 64; y += 16) {
        for (int x = 0; x < 80; x += 16) {
            const bool drawn = x <= 48 && y <= 32;
            EXPECT_EQ(PixelAt(canvas, x, y), drawn ? 0x0000FF : kBackground) << x << ", " << y;
        }
    }
}

}  // namespace
