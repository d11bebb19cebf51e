#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/Source/res/SkinResource.h"

// Pictures whose pixels the drawing code relies on: the background patterns and menu strips
// row by row, the check mark's three colours, the MDI glyphs and the notification's close box.
namespace {

using skin_test::kBlack;
using skin_test::kWhite;
using skin_test::LoadResource;

struct Rows {
    const char* name;
    std::vector<TColor> rows;  // repeated downward; every pixel of a row has its colour
};

const std::vector<Rows> kRowPictures = {
    {"MACOS_FORM_BACKGROUND", {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF}},
    {"PROTEIN_FORM_BACKGROUND", {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xEEEEEE}},
    {"MACOS_MENU_BAR",
     {0xE9E9E9, 0xFFFFFF, 0xFFFFFF, 0xFBFBFB, 0xE9E9E9, 0xFAFAFA, 0xFEFEFE, 0xFAFAFA,
      0xE9E9E9, 0xFAFAFA, 0xFFFFFF, 0xFAFAFA, 0xE9E9E9, 0xFAFAFA, 0xFFFFFF, 0xF9F9F9,
      0xEBE9E8, 0xFAFAFA, 0xFFFFFF, 0xFAF9FB, 0xD4D4D4, 0x5D5B5B}},
    {"MACOS_MENU_SELECT", {0xB35923, 0xBC6A33, 0xC47339, 0xBC6A33, 0xB35923, 0xBC6A33, 0xC47339,
                           0xBC6A33, 0xB85C27, 0xBC6A33, 0xBF723A, 0xBC6A33, 0xB35923, 0xBC6A33,
                           0xC47339, 0xBC6A33, 0xB35923, 0xBC6A33, 0xC47339, 0xBC6A33, 0xB35923}},
};

class RowPicture : public ::testing::TestWithParam<Rows> {};

TEST_P(RowPicture, MatchesItsRowsPixelForPixel) {
    const Rows& r = GetParam();
    gfx::Bitmap bitmap = LoadResource(r.name);
    ASSERT_FALSE(bitmap.IsEmpty());
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            ASSERT_EQ(bitmap.GetPixel(x, y), r.rows[y % r.rows.size()])
                << r.name << " at " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(All, RowPicture, ::testing::ValuesIn(kRowPictures),
                         [](const auto& info) { return std::string(info.param.name); });

std::set<TColor> ColoursOf(const gfx::Bitmap& bitmap, int x0, int x1) {
    std::set<TColor> colours;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = x0; x < x1; ++x) colours.insert(bitmap.GetPixel(x, y));
    return colours;
}

TEST(MenuChecked, IsAGreenTickWithAGreyShadowOnWhiteOnly) {
    // White is the mask colour of the shared check mark, so a blended edge pixel would
    // show as a light fringe around it.
    const TColor green = 0x1DCB00, shadow = 0x575757;
    gfx::Bitmap bitmap = LoadResource("MENU_CHECKED");
    EXPECT_EQ(ColoursOf(bitmap, 0, bitmap.Width()), (std::set<TColor>{kWhite, green, shadow}));
}

TEST(MdiControlButton, EachFrameIsABlackGlyphOnWhite) {
    gfx::Bitmap bitmap = LoadResource("MDI_CONTROL_BUTTON");
    ASSERT_EQ(bitmap.Width(), 48);
    for (int frame = 0; frame < 3; ++frame) {
        const int x0 = frame * 16;
        EXPECT_EQ(ColoursOf(bitmap, x0, x0 + 16), (std::set<TColor>{kBlack, kWhite}))
            << "frame " << frame + 1;
        // The glyph stays clear of the frame's edge, which the speed button keys out.
        EXPECT_EQ(ColoursOf(bitmap, x0, x0 + 1), (std::set<TColor>{kWhite}));
        EXPECT_EQ(bitmap.GetPixel(x0, 15), kWhite);
    }
}

struct OpaqueTitleButtons {
    const char* style;
    int top;  // the title bar's button row, counted from the window's top edge
};

TEST(TitleButtons, OpaqueButtonCornersContinueTheTitleRowsBehindThem) {
    // Styles that draw their title buttons without a key paint them straight over the title
    // pictures, so each frame's corners must carry the title's rows or a box shows.
    for (auto [style, top] : {OpaqueTitleButtons{"MACOS", 4}, OpaqueTitleButtons{"WINXP", 5},
                              OpaqueTitleButtons{"DEEPBLUE", 2}}) {
        const std::string prefix = style;
        gfx::Bitmap strip = LoadResource(prefix + "_TITLEBTN");
        gfx::Bitmap client = LoadResource(prefix + "_TITLE_CLIENT");
        const int size = strip.Height();
        ASSERT_LE(top + size, client.Height()) << style;
        for (int frame = 0; frame < 18; ++frame)
            for (int y : {0, size - 1})
                for (int x : {frame * size, frame * size + size - 1})
                    EXPECT_EQ(strip.GetPixel(x, y), client.GetPixel(0, top + y))
                        << style << " frame " << frame + 1 << " at " << x << ", " << y;
    }
}

bool IsRed(TColor c) {
    return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
}

TEST(MsnPopForm, CloseBoxIsRedWithAWhiteCrossWhereClicksAreTaken) {
    // Clicks at x 162-175, y 6-19 close the window; the picture must show the box there.
    gfx::Bitmap bitmap = LoadResource("MSNPOPFORM");
    ASSERT_EQ(bitmap.Width(), 181);
    int red = 0, white = 0;
    for (int y = 6; y <= 19; ++y)
        for (int x = 162; x <= 175; ++x) {
            red += IsRed(bitmap.GetPixel(x, y));
            white += bitmap.GetPixel(x, y) == kWhite;
        }
    EXPECT_GT(red, 14 * 14 / 2);
    EXPECT_GT(white, 8);
    EXPECT_EQ(bitmap.GetPixel(168, 12), kWhite) << "the cross meets in the box's middle";
    for (auto [x, y] :
         {std::pair{161, 12}, std::pair{176, 12}, std::pair{168, 5}, std::pair{168, 20}})
        EXPECT_FALSE(IsRed(bitmap.GetPixel(x, y))) << x << ", " << y;
}

}  // namespace
