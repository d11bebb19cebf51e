#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/Source/res/SkinResource.h"

// Every picture the skin library loads by name, with the size the drawing code cuts it by,
// its frame count and how its transparent parts are marked.
namespace {

using skin_test::kMagenta;
using skin_test::LoadResource;

enum class Key {
    Opaque,        // drawn as it is: no pixel may be the magenta key
    FrameCorners,  // nine-part drawn with its corners keyed: every frame's corners magenta
    OuterEnds,     // three-part drawn: the outer corners of the end frames are magenta
    BottomLeft,    // drawn with its bottom-left pixel's colour left out: magenta there
    TopLeft,       // glyphs masked by their top-left pixel: magenta there
    White,         // masked with white: white corners
};

struct Picture {
    const char* name;
    int width;
    int height;
    int frames;
    Key key;
};

const std::vector<Picture> kPictures = {
    {"MACOS_BUTTON", 252, 23, 3, Key::FrameCorners},
    {"MACOS_CHECKBOX", 60, 17, 4, Key::Opaque},
    {"MACOS_RADIOBUTTON", 64, 17, 4, Key::BottomLeft},
    {"MACOS_TITLEBTN", 306, 17, 18, Key::Opaque},
    {"MACOS_TITLE_LEFT", 48, 23, 1, Key::Opaque},
    {"MACOS_TITLE_CLIENT", 49, 23, 1, Key::Opaque},
    {"MACOS_TITLE_RIGHT", 48, 23, 1, Key::Opaque},
    {"MACOS_PROGRESSBAR", 13, 10, 1, Key::Opaque},
    {"MACOS_TRACKBAR_BAR", 45, 5, 3, Key::OuterEnds},
    {"MACOS_TRACKBAR_SLIDER", 11, 20, 1, Key::BottomLeft},
    {"MACOS_TRACKBAR_SLIDER_V", 19, 11, 1, Key::Opaque},
    {"MACOS_SCROLLBAR_BUTTON", 96, 22, 6, Key::Opaque},
    {"MACOS_SCROLLBAR_TRACK", 33, 16, 3, Key::Opaque},
    {"MACOS_CHECKLIST", 40, 11, 4, Key::Opaque},
    {"MACOS_SCROLLBUTTON", 72, 18, 4, Key::Opaque},
    {"MACOS_TAB", 36, 27, 3, Key::OuterEnds},
    {"MACOS_TAB_LINE", 17, 7, 1, Key::Opaque},
    {"MACOS_SIDECHENNEL_HANDLE", 7, 84, 1, Key::Opaque},
    {"MACOS_SIDECHENNEL_BAR", 1, 21, 1, Key::Opaque},
    {"WINXP_BUTTON", 54, 21, 3, Key::Opaque},
    {"WINXP_CHECKBOX", 52, 13, 4, Key::Opaque},
    {"WINXP_RADIOBUTTON", 52, 13, 4, Key::BottomLeft},
    {"WINXP_TITLEBTN", 378, 21, 18, Key::Opaque},
    {"WINXP_TITLE_LEFT", 35, 29, 1, Key::Opaque},
    {"WINXP_TITLE_CLIENT", 37, 29, 1, Key::Opaque},
    {"WINXP_TITLE_RIGHT", 35, 29, 1, Key::Opaque},
    {"WINXP_PROGRESSBAR", 6, 10, 1, Key::Opaque},
    {"WINXP_TRACKBAR_BAR", 45, 8, 3, Key::OuterEnds},
    {"WINXP_TRACKBAR_SLIDER", 11, 21, 1, Key::BottomLeft},
    {"WINXP_TRACKBAR_SLIDER_V", 22, 11, 1, Key::Opaque},
    {"WINXP_SCROLLBAR_BUTTON", 96, 17, 6, Key::Opaque},
    {"WINXP_SCROLLBAR_TRACK", 21, 16, 3, Key::Opaque},
    {"WINXP_CHECKLIST", 44, 11, 4, Key::Opaque},
    {"WINXP_SCROLLBUTTON", 72, 18, 4, Key::Opaque},
    {"WINXP_TAB", 18, 18, 3, Key::OuterEnds},
    {"WINXP_TAB_LINE", 8, 1, 1, Key::Opaque},
    {"WINXP_SIDECHENNEL_HANDLE", 8, 86, 1, Key::Opaque},
    {"WINXP_SIDECHENNEL_BAR", 1, 21, 1, Key::Opaque},
    {"DEEPBLUE_BUTTON", 222, 21, 3, Key::Opaque},
    {"DEEPBLUE_CHECKBOX", 52, 13, 4, Key::Opaque},
    {"DEEPBLUE_RADIOBUTTON", 52, 13, 4, Key::BottomLeft},
    {"DEEPBLUE_TITLEBTN", 342, 19, 18, Key::Opaque},
    {"DEEPBLUE_TITLE_LEFT", 97, 32, 1, Key::Opaque},
    {"DEEPBLUE_TITLE_CLIENT", 98, 32, 1, Key::Opaque},
    {"DEEPBLUE_TITLE_RIGHT", 97, 32, 1, Key::Opaque},
    {"DEEPBLUE_PROGRESSBAR", 1, 10, 1, Key::Opaque},
    {"DEEPBLUE_TRACKBAR_BAR", 45, 4, 3, Key::OuterEnds},
    {"DEEPBLUE_TRACKBAR_SLIDER", 11, 20, 1, Key::BottomLeft},
    {"DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11, 1, Key::Opaque},
    {"DEEPBLUE_SCROLLBAR_BUTTON", 96, 16, 6, Key::Opaque},
    {"DEEPBLUE_SCROLLBAR_TRACK", 21, 16, 3, Key::Opaque},
    {"DEEPBLUE_CHECKLIST", 44, 11, 4, Key::Opaque},
    {"DEEPBLUE_TAB", 12, 17, 3, Key::OuterEnds},
    {"DEEPBLUE_TAB_LINE", 5, 5, 1, Key::Opaque},
    {"DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83, 1, Key::Opaque},
    {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20, 1, Key::Opaque},
    {"PROTEIN_BUTTON", 222, 21, 3, Key::Opaque},
    {"PROTEIN_CHECKBOX", 52, 13, 4, Key::Opaque},
    {"PROTEIN_RADIOBUTTON", 52, 13, 4, Key::BottomLeft},
    {"PROTEIN_TITLEBTN", 342, 19, 18, Key::BottomLeft},
    {"PROTEIN_TITLE_LEFT", 441, 23, 1, Key::Opaque},
    {"PROTEIN_TITLE_CLIENT", 1, 23, 1, Key::Opaque},
    {"PROTEIN_TITLE_RIGHT", 1, 23, 1, Key::Opaque},
    {"PROTEIN_PROGRESSBAR", 1, 10, 1, Key::Opaque},
    {"PROTEIN_TRACKBAR_BAR", 45, 4, 3, Key::OuterEnds},
    {"PROTEIN_TRACKBAR_SLIDER", 11, 20, 1, Key::BottomLeft},
    {"PROTEIN_TRACKBAR_SLIDER_V", 18, 11, 1, Key::Opaque},
    {"PROTEIN_SCROLLBAR_BUTTON", 96, 16, 6, Key::Opaque},
    {"PROTEIN_SCROLLBAR_TRACK", 21, 16, 3, Key::Opaque},
    {"PROTEIN_CHECKLIST", 44, 11, 4, Key::Opaque},
    {"PROTEIN_TAB", 18, 17, 3, Key::OuterEnds},
    {"PROTEIN_TAB_LINE", 10, 5, 1, Key::Opaque},
    {"PROTEIN_SIDECHENNEL_HANDLE", 8, 83, 1, Key::Opaque},
    {"PROTEIN_SIDECHENNEL_BAR", 1, 21, 1, Key::Opaque},
    {"BLUEGLASS_BUTTON", 231, 27, 3, Key::FrameCorners},
    {"BLUEGLASS_CHECKBOX", 52, 13, 4, Key::Opaque},
    {"BLUEGLASS_RADIOBUTTON", 52, 13, 4, Key::BottomLeft},
    {"BLUEGLASS_TITLEBTN", 342, 19, 18, Key::BottomLeft},
    {"BLUEGLASS_TITLE_LEFT", 162, 33, 1, Key::Opaque},
    {"BLUEGLASS_TITLE_CLIENT", 179, 33, 1, Key::Opaque},
    {"BLUEGLASS_TITLE_RIGHT", 101, 33, 1, Key::Opaque},
    {"BLUEGLASS_PROGRESSBAR", 1, 10, 1, Key::Opaque},
    {"BLUEGLASS_TRACKBAR_BAR", 45, 4, 3, Key::OuterEnds},
    {"BLUEGLASS_TRACKBAR_SLIDER", 11, 20, 1, Key::BottomLeft},
    {"BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11, 1, Key::Opaque},
    {"BLUEGLASS_SCROLLBAR_BUTTON", 102, 16, 6, Key::Opaque},
    {"BLUEGLASS_SCROLLBAR_TRACK", 21, 16, 3, Key::Opaque},
    {"BLUEGLASS_CHECKLIST", 44, 11, 4, Key::Opaque},
    {"BLUEGLASS_TAB", 18, 17, 3, Key::OuterEnds},
    {"BLUEGLASS_TAB_LINE", 10, 5, 1, Key::Opaque},
    {"BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86, 1, Key::Opaque},
    {"BLUEGLASS_SIDECHENNEL_BAR", 1, 21, 1, Key::Opaque},
    {"MORE_SCROLLBUTTON", 72, 17, 4, Key::Opaque},
    {"MACOS_FORM_BACKGROUND", 8, 8, 1, Key::Opaque},
    {"PROTEIN_FORM_BACKGROUND", 8, 8, 1, Key::Opaque},
    {"MACOS_MENU_BAR", 1, 22, 1, Key::Opaque},
    {"MACOS_MENU_SELECT", 1, 21, 1, Key::Opaque},
    {"MENU_CHECKED", 16, 16, 1, Key::White},
    {"MDI_CONTROL_BUTTON", 48, 16, 3, Key::White},
    {"MSNPOPFORM", 181, 116, 1, Key::Opaque},
    {"PANEL_BUTTON", 52, 12, 4, Key::Opaque},
    {"MACOS_COMBOBOX_BUTTON", 16, 17, 1, Key::Opaque},
    {"WINXP_COMBOBOX_BUTTON", 16, 18, 1, Key::Opaque},
    {"DBNAV_BUTTON", 160, 16, 10, Key::TopLeft},
    {"MAINICON", 32, 32, 1, Key::BottomLeft},
};

class SkinPicture : public ::testing::TestWithParam<Picture> {};

std::string NameOf(const ::testing::TestParamInfo<Picture>& info) {
    return info.param.name;
}

TEST_P(SkinPicture, HasItsSizeAndDepth) {
    const Picture& p = GetParam();
    gfx::Bitmap bitmap = LoadResource(p.name);
    EXPECT_EQ(bitmap.Width(), p.width);
    EXPECT_EQ(bitmap.Height(), p.height);
    const bool oneBit = std::string(p.name) == "MDI_CONTROL_BUTTON";
    EXPECT_EQ(bitmap.Format(), oneBit ? gfx::PixelFormat::Bits1 : gfx::PixelFormat::Bits24);
}

TEST_P(SkinPicture, KeyColourStandsWhereTheDrawingLeavesItOut) {
    const Picture& p = GetParam();
    gfx::Bitmap bitmap = LoadResource(p.name);
    ASSERT_EQ(bitmap.Width(), p.width);
    const int fw = p.width / p.frames;
    const int bottom = p.height - 1;
    auto countKey = [&](int x0, int x1) {
        int n = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = x0; x < x1; ++x) n += bitmap.GetPixel(x, y) == kMagenta;
        return n;
    };
    switch (p.key) {
        case Key::Opaque:
            EXPECT_EQ(countKey(0, p.width), 0) << "a magenta pixel would show through";
            break;
        case Key::FrameCorners:
            for (int f = 0; f < p.frames; ++f) {
                const int l = f * fw, r = l + fw - 1;
                EXPECT_EQ(bitmap.GetPixel(l, 0), kMagenta) << "frame " << f + 1;
                EXPECT_EQ(bitmap.GetPixel(r, 0), kMagenta) << "frame " << f + 1;
                EXPECT_EQ(bitmap.GetPixel(l, bottom), kMagenta) << "frame " << f + 1;
                EXPECT_EQ(bitmap.GetPixel(r, bottom), kMagenta) << "frame " << f + 1;
            }
            break;
        case Key::OuterEnds:
            EXPECT_EQ(bitmap.GetPixel(0, 0), kMagenta);
            EXPECT_EQ(bitmap.GetPixel(p.width - 1, 0), kMagenta);
            // The middle frame is stretched without a key.
            EXPECT_EQ(countKey(fw, 2 * fw), 0);
            break;
        case Key::BottomLeft:
        case Key::TopLeft:
            for (int f = 0; f < p.frames; ++f) {
                const int y = p.key == Key::BottomLeft ? bottom : 0;
                EXPECT_EQ(bitmap.GetPixel(f * fw, y), kMagenta) << "frame " << f + 1;
                EXPECT_LT(countKey(f * fw, f * fw + fw), fw * p.height) << "frame is empty";
            }
            break;
        case Key::White:
            EXPECT_EQ(bitmap.GetPixel(0, 0), skin_test::kWhite);
            EXPECT_EQ(bitmap.GetPixel(p.width - 1, bottom), skin_test::kWhite);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(All, SkinPicture, ::testing::ValuesIn(kPictures), NameOf);

TEST(SkinPictures, NinePartButtonPicturesHaveOddHeights) {
    // The nine-part drawing takes the left edge and the centre from the middle row, which
    // exists only in a picture of odd height.
    for (const char* name :
         {"MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON", "BLUEGLASS_BUTTON"})
        EXPECT_EQ(LoadResource(name).Height() % 2, 1) << name;
}

TEST(SkinPictures, TitleButtonFramesAreSquare) {
    for (const char* name : {"MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN",
                             "PROTEIN_TITLEBTN", "BLUEGLASS_TITLEBTN"}) {
        gfx::Bitmap bitmap = LoadResource(name);
        EXPECT_EQ(bitmap.Width(), 18 * bitmap.Height()) << name;
    }
}

}  // namespace
