#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

using namespace gfx;

namespace {

constexpr TColor KEY = clFuchsia;

// A strip of three 3 x 2 images: each has one key pixel at its top left, and image i
// is otherwise filled with COLORS[i].
const TColor COLORS[] = {clRed, clLime, clBlue};

Bitmap Strip() {
    Bitmap strip(9, 2);
    for (int i = 0; i < 3; ++i)
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                strip.SetPixel(i * 3 + x, y, x == 0 && y == 0 ? KEY : COLORS[i]);
    return strip;
}

// The picture drawn onto a white 8 x 6 surface, as one character per pixel:
// '.' white, 'K' the key colour, 'r' 'g' 'b' the image colours, 'S' the shadow colour.
std::vector<std::string> Show(const Bitmap& surface) {
    std::vector<std::string> rows;
    for (int y = 0; y < surface.Height(); ++y) {
        std::string row;
        for (int x = 0; x < surface.Width(); ++x) {
            const TColor c = surface.GetPixel(x, y);
            row += c == clWhite                   ? '.'
                   : c == KEY                     ? 'K'
                   : c == clRed                   ? 'r'
                   : c == clLime                  ? 'g'
                   : c == clBlue                  ? 'b'
                   : c == ColorToRGB(clBtnShadow) ? 'S'
                                                  : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(ImageList, CutsAStripIntoEqualImages) {
    ImageList list(3, 2);
    EXPECT_EQ(list.AddMasked(Strip(), KEY), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Add(Strip()), 3) << "the first index of the new images";
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.GetBitmap(1).GetPixel(1, 1), clLime);
    EXPECT_EQ(list.GetBitmap(1).GetPixel(0, 0), KEY) << "masked pixels keep their colour";
    EXPECT_FALSE(list.IsOpaque(1, 0, 0));
    EXPECT_TRUE(list.IsOpaque(1, 1, 0));
    EXPECT_TRUE(list.IsOpaque(4, 0, 0)) << "Add masks nothing";

    ImageList wide(20, 2);
    EXPECT_EQ(wide.AddMasked(Strip(), KEY), 0);
    EXPECT_EQ(wide.Count(), 1) << "a narrower strip is one image";
    EXPECT_FALSE(wide.IsOpaque(0, 15, 1)) << "the part past the strip is transparent";
    EXPECT_EQ(wide.Add(Bitmap()), -1);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.GetBitmap(0).GetPixel(1, 1), clLime);
    EXPECT_THROW(list.Delete(5), std::out_of_range);
    EXPECT_THROW(ImageList(0, 4), std::invalid_argument);
}

TEST(ImageList, DrawsThroughTheMaskOrOpaque) {
    struct Case {
        const char* name;
        bool masked;
        int index;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"masked", true, 1, {"........", ".gg.....", "ggg.....", "........"}},
        {"opaque", false, 2, {"........", "Kbb.....", "bbb.....", "........"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageList list(3, 2);
        c.masked ? list.AddMasked(Strip(), KEY) : list.Add(Strip());
        Bitmap surface(8, 4, 0xFFFFFFFF);
        Canvas canvas(surface);
        EXPECT_TRUE(list.Draw(canvas, 0, 1, c.index));
        EXPECT_EQ(Show(surface), c.expected);
    }
}

TEST(ImageList, DefaultKeyIsTheBottomLeftPixel) {
    Bitmap strip(2, 2);
    strip.Fill(clBlue);
    strip.SetPixel(0, 1, clRed);
    strip.SetPixel(1, 0, clRed);
    ImageList list(2, 2);
    list.AddMasked(strip, clDefault);
    EXPECT_FALSE(list.IsOpaque(0, 1, 0));
    EXPECT_TRUE(list.IsOpaque(0, 0, 0));
}

TEST(ImageList, DrawingHonoursOriginAndClip) {
    ImageList list(3, 2);
    list.Add(Strip());
    Bitmap surface(8, 4, 0xFFFFFFFF);
    Canvas canvas(surface);
    canvas.SetOrigin({2, 1});
    canvas.IntersectClipRect({-2, -1, 2, 1});  // device columns 0-3, rows 0-1
    // Logical (-1, 0) is device (1, 1): only the image's top row's first three pixels,
    // of which device column 4 lies outside the clip.
    list.Draw(canvas, -1, 0, 0);
    EXPECT_EQ(Show(surface),
              (std::vector<std::string>{"........", ".Krr....", "........", "........"}));
    // Drawing partly off the surface writes only what lies on it.
    Bitmap small(2, 2, 0xFFFFFFFF);
    Canvas edge(small);
    list.Draw(edge, -2, 1, 0);
    EXPECT_EQ(Show(small), (std::vector<std::string>{"..", "r."}));
}

TEST(ImageList, DisabledImagesAreEmbossedAndInvalidIndicesDrawNothing) {
    // A dark L shape on a light background, masked by the magenta corner.
    Bitmap glyph(4, 3);
    glyph.Fill(RGB(230, 230, 230));
    glyph.SetPixel(3, 0, KEY);
    for (int y = 0; y < 3; ++y) glyph.SetPixel(1, y, clNavy);
    glyph.SetPixel(2, 2, RGB(40, 40, 40));
    ImageList list(4, 3);
    list.AddMasked(glyph, KEY);

    Bitmap surface(6, 5, 0xFFFFFFFF);
    surface.Fill(clFuchsia);  // the highlight must show against a non-white surface
    Canvas canvas(surface);
    EXPECT_TRUE(list.Draw(canvas, 1, 1, 0, false));
    // The classic scheme's highlight is white, shown as '.'.
    EXPECT_EQ(Show(surface), (std::vector<std::string>{
                                 "KKKKKK",
                                 "KKSKKK",
                                 "KKS.KK",
                                 "KKSSKK",
                                 "KKK..K",
                             }));
    // Light pixels of the image are left out: the surface shows through them.
    const Bitmap before = surface;
    EXPECT_FALSE(list.Draw(canvas, 0, 0, 1));
    EXPECT_FALSE(list.Draw(canvas, 0, 0, -1, false));
    EXPECT_EQ(surface, before);
}
