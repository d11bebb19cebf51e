#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

TEST(Color, SystemColoursAreNegativeAndResolveThroughTheScheme) {
    EXPECT_LT(clBtnFace, 0);
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(GetRValue(clRed), 255);
    EXPECT_EQ(GetBValue(clBlue), 255);
}

TEST(Color, PixelRoundTripKeepsTheChannelOrder) {
    gfx::Bitmap bitmap(2, 2);
    bitmap.SetPixel(1, 0, RGB(1, 2, 3));
    EXPECT_EQ(bitmap.At(1, 0), 0xFF010203u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(bitmap.GetPixel(2, 0), clNone);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUnlessGiven) {
    gfx::Bitmap bitmap(3, 3);
    bitmap.SetPixel(0, 2, clFuchsia);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    bitmap.SetTransparentColor(clLime);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
    bitmap.SetTransparentColorAuto();
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
}

// Small pictures live on the heap and large ones in pages of their own: a picture that grows
// or shrinks across that line keeps its pixels, and new ones are white.
TEST(Bitmap, ResizingAcrossTheLargePictureLineKeepsThePixels) {
    struct Case {
        int fromSide;
        int toSide;
    };
    for (const Case c : {Case{8, 400}, Case{400, 8}, Case{400, 600}, Case{600, 300}}) {
        SCOPED_TRACE(std::to_string(c.fromSide) + " to " + std::to_string(c.toSide));
        gfx::Bitmap bitmap(c.fromSide, c.fromSide, 0xFF102030);
        bitmap.SetPixel(c.fromSide - 1, c.fromSide - 1, clRed);
        bitmap.SetSize(c.toSide, c.toSide);
        const int kept = std::min(c.fromSide, c.toSide);
        EXPECT_EQ(bitmap.At(0, 0), 0xFF102030u);
        EXPECT_EQ(bitmap.At(kept - 1, 0), 0xFF102030u);
        if (c.toSide >= c.fromSide) {
            EXPECT_EQ(bitmap.GetPixel(kept - 1, kept - 1), clRed);
        }
        if (c.toSide > c.fromSide) {
            EXPECT_EQ(bitmap.GetPixel(c.toSide - 1, c.toSide - 1), clWhite);
        }
        const gfx::Bitmap copy = bitmap;
        EXPECT_TRUE(copy == bitmap);
    }
}
