#include <gtest/gtest.h>

#include <string>

#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "tests/Source/public/PictureFixtures.h"

// Cutting frames out of strip pictures and turning pictures by a quarter.
namespace {

using namespace public_test;

TEST(SpitBitmap, CutsTheFrameOfItsIndex) {
    struct Case {
        int width;
        int count;
        int index;
        TRect frame;
    };
    const Case cases[] = {
        {252, 3, 3, {168, 0, 252, 23}},
        {252, 4, 1, {0, 0, 63, 23}},
        {252, 3, 2, {84, 0, 168, 23}},
        {252, 1, 1, {0, 0, 252, 23}},
        // Columns past the last whole frame belong to no frame.
        {254, 4, 4, {189, 0, 252, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " wide, frame " + std::to_string(c.index) + " of " +
                     std::to_string(c.count));
        TBitmap strip;
        FillPicture(strip, c.width, 23);
        TBitmap frame(5, 5);
        SpitBitmap(&strip, &frame, c.count, c.index);
        EXPECT_EQ(frame.Image(), strip.Image().Copy(c.frame));
    }
}

TEST(SpitBitmap, TheTargetKeepsItsTransparency) {
    TBitmap strip;
    FillPicture(strip, 30, 4);
    TBitmap frame;
    frame.SetTransparentColor(kMagenta);
    frame.SetTransparent(true);
    SpitBitmap(&strip, &frame, 3, 2);
    EXPECT_EQ(frame.GetWidth(), 10);
    EXPECT_TRUE(frame.GetTransparent());
    EXPECT_EQ(frame.GetTransparentMode(), tmFixed);
    EXPECT_EQ(frame.GetTransparentColor(), kMagenta);
}

TEST(SpitBitmap, RefusesAFrameCountOfZero) {
    TBitmap strip(6, 2);
    TBitmap frame;
    EXPECT_THROW(SpitBitmap(&strip, &frame, 0, 1), std::invalid_argument);
}

// A 3 x 2 picture turned every way; each pixel of the result names its source pixel.
TEST(RoundPicture, TurnsAQuarter) {
    TBitmap picture;
    FillPicture(picture, 3, 2);

    TBitmap left;
    left.Assign(&picture);
    RoundPicture(&left);
    ASSERT_EQ(left.GetWidth(), 2);
    ASSERT_EQ(left.GetHeight(), 3);
    // The old top row is the new left column, read from bottom to top.
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(left, 0, 2 - x), SourceColor(x, 0));
    EXPECT_EQ(PixelAt(left, 1, 0), SourceColor(2, 1));

    TBitmap right;
    right.Assign(&picture);
    RoundPicture3(&right);
    ASSERT_EQ(right.GetWidth(), 2);
    ASSERT_EQ(right.GetHeight(), 3);
    // The old bottom row is the new left column, read from top to bottom.
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(right, 0, x), SourceColor(x, 1));
    EXPECT_EQ(PixelAt(right, 1, 0), SourceColor(0, 0));
}

TEST(RoundPicture, OppositeTurnsUndoEachOther) {
    TBitmap picture;
    FillPicture(picture, 5, 3);
    TBitmap turned;
    turned.Assign(&picture);
    RoundPicture(&turned);
    RoundPicture3(&turned);
    EXPECT_EQ(turned.Image(), picture.Image());
    RoundPicture3(&turned);
    RoundPicture(&turned);
    EXPECT_EQ(turned.Image(), picture.Image());
    // Four turns the same way come round too.
    for (int i = 0; i < 4; ++i) RoundPicture(&turned);
    EXPECT_EQ(turned.Image(), picture.Image());
}

TEST(RoundPicture, TheSecondFormMirrorsASquareTopToBottom) {
    TBitmap picture;
    FillPicture(picture, 4, 4);
    TBitmap mirrored;
    mirrored.Assign(&picture);
    RoundPicture2(&mirrored);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(mirrored, x, 3 - y), SourceColor(x, y));
    }
    // A non-square picture exchanges its width and height.
    TBitmap wide;
    FillPicture(wide, 3, 2);
    RoundPicture2(&wide);
    EXPECT_EQ(wide.GetWidth(), 2);
    EXPECT_EQ(wide.GetHeight(), 3);
    EXPECT_EQ(PixelAt(wide, 0, 2), SourceColor(0, 0));
    EXPECT_EQ(PixelAt(wide, 1, 1), SourceColor(1, 1));
}

}  // namespace
