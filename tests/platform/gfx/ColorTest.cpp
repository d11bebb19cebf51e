#include <gtest/gtest.h>

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
