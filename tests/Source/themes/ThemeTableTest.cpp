#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "Source/theme/SKThemes.h"
#include "platform/gfx/BmpCodec.h"
#include "tests/Source/themes/ThemeTestSupport.h"

// The built-in styles: every item of every style answers with its own kind, the getters'
// defaults, the values and pictures the drawing code relies on, and frame cutting.
namespace {

constexpr std::array<TskUIStyle, 5> kStyles = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

class ThemeTables : public ::testing::Test {
protected:
    void SetUp() override { theme_test::UseSourcePictures(); }
};

TEST_F(ThemeTables, EveryItemOfEveryStyleAnswersWithItsKind) {
    const gfx::Bitmap marker(3, 2, 0xFF123456);
    for (const TskUIStyle style : kStyles) {
        for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
            SCOPED_TRACE("style " + std::to_string(static_cast<int>(style)) + ", item " +
                         SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)]);
            const TskThemeValue value = GetInsideThemeValue(style, item);
            const TskType kind = SK_ITEM_TYPE[static_cast<std::size_t>(item)];
            ASSERT_EQ(value.Kind, kind);
            EXPECT_EQ(value.Picture != nullptr, kind == TskType::Str);

            EXPECT_EQ(GetInsideThemeInt(style, item), kind == TskType::Int ? value.Value : -1);
            EXPECT_EQ(GetInsideThemeColor(style, item), kind == TskType::Color ? value.Value : 0);
            EXPECT_EQ(GetInsideThemeBool(style, item), kind == TskType::Bool && value.Value == 1);
            if (kind == TskType::Bool) {
                EXPECT_TRUE(value.Value == 0 || value.Value == 1);
            }

            gfx::Bitmap bitmap = marker;
            GetInsideThemeBitmap(style, item, &bitmap, 0, 0);
            if (kind == TskType::Str) {
                EXPECT_FALSE(bitmap.IsEmpty());
                EXPECT_EQ(bitmap, *FindSkinPicture(value.Picture));
            } else {
                EXPECT_EQ(bitmap, marker);
            }
        }
    }
}

TEST_F(ThemeTables, ItemNamesAreDistinctAndFoundWithoutCase) {
    std::set<std::string> seen;
    for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
        std::string name = SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)];
        EXPECT_EQ(FindThemeItem(name), item) << name;
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_EQ(FindThemeItem(name), item) << name;
    }
    EXPECT_EQ(FindThemeItem(""), 0);
    EXPECT_EQ(FindThemeItem("ButtonImag"), 0);
    EXPECT_EQ(FindThemeItem("ButtonImageX"), 0);
}

TEST_F(ThemeTables, LookupsOutsideTheTablesAnswerTheDefaults) {
    struct Case {
        TskUIStyle style;
        int item;
    };
    const Case cases[] = {
        {FromThemeFile, SkItem::TitleBarButtonTransparentBool},
        {FromThemeFile, SkItem::TitleBarButtonTopInt},
        {FromThemeFile, SkItem::FormBackgroundColor},
        {FromThemeFile, SkItem::ButtonImage},
        {static_cast<TskUIStyle>(6), SkItem::FormMinWidthInt},
        {MacOS, 0},
        {MacOS, SK_ITEM_COUNT + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("style " + std::to_string(static_cast<int>(c.style)) + ", item " +
                     std::to_string(c.item));
        const TskThemeValue value = GetInsideThemeValue(c.style, c.item);
        EXPECT_EQ(value.Kind, TskType::Int);
        EXPECT_EQ(value.Value, -1);
        EXPECT_EQ(GetInsideThemeInt(c.style, c.item), -1);
        EXPECT_EQ(GetInsideThemeColor(c.style, c.item), 0);
        EXPECT_FALSE(GetInsideThemeBool(c.style, c.item));

        gfx::Bitmap whole(4, 4);
        GetInsideThemeBitmap(c.style, c.item, &whole, 0, 0);
        EXPECT_EQ(whole.Width(), 4);
        // Cutting a frame out of no picture leaves an empty one.
        gfx::Bitmap frame(4, 4);
        GetInsideThemeBitmap(c.style, c.item, &frame, 3, 1);
        EXPECT_EQ(frame.Width(), 0);
        EXPECT_EQ(frame.Height(), 0);
    }
    GetInsideThemeBitmap(MacOS, SkItem::ButtonImage, nullptr, 3, 1);
}

// Every item of every built-in style, written out as the tables hold it: a changed colour,
// number, flag or picture name in any table shows here. Flags are 1 and 0, colours 0xBBGGRR.
TEST_F(ThemeTables, EveryItemOfEveryStyleHoldsItsValue) {
    struct Row {
        int item;
        const char* name;
        TskType kind;
        std::array<const char*, 5> values;  // MacOS, WinXP, DeepBlue, Protein, BlueGlass
    };
    // clang-format off
    const Row rows[] = {
        {1, "ButtonImage", TskType::Str, {"MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON", "BLUEGLASS_BUTTON"}},
        {2, "ButtonTransparentBool", TskType::Bool, {"1", "0", "0", "0", "1"}},
        {3, "CheckBoxImage", TskType::Str, {"MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX", "BLUEGLASS_CHECKBOX"}},
        {4, "RadioButtonImage", TskType::Str, {"MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON", "BLUEGLASS_RADIOBUTTON"}},
        {5, "TitleBarButtonImage", TskType::Str, {"MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN", "BLUEGLASS_TITLEBTN"}},
        {6, "TitleBarButtonTransparentBool", TskType::Bool, {"0", "0", "0", "1", "1"}},
        {7, "TitleBarButtonLeftOffsetInt", TskType::Int, {"3", "2", "0", "0", "4"}},
        {8, "TitleBarButtonRightOffsetInt", TskType::Int, {"-2", "-2", "0", "0", "-3"}},
        {9, "TitleBarButtonTopInt", TskType::Int, {"4", "5", "2", "2", "6"}},
        {10, "TitleBarLeftImage", TskType::Str, {"MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT", "BLUEGLASS_TITLE_LEFT"}},
        {11, "TitleBarClientImage", TskType::Str, {"MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT", "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT"}},
        {12, "TitleBarRightImage", TskType::Str, {"MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT", "PROTEIN_TITLE_RIGHT", "BLUEGLASS_TITLE_RIGHT"}},
        {13, "FormMinWidthInt", TskType::Int, {"130", "150", "130", "130", "270"}},
        {14, "FormRoundCornerInt", TskType::Int, {"0", "13", "0", "0", "11"}},
        {15, "FormBackgroundColor", TskType::Color, {"0xE7E7E7", "0xDEEBEF", "0xE8E8E8", "0xFBFBFB", "0xE7E7E7"}},
        {16, "FormBorderColor", TskType::Color, {"0x7F7F7F", "0xC82C00", "0x000000", "0x000000", "0x000000"}},
        {17, "FormBorderWidthInt", TskType::Int, {"1", "3", "1", "1", "1"}},
        {18, "MenuSelectedBorderColor", TskType::Color, {"0xC47339", "0xC66931", "0xA04A44", "0xC4302D", "0xEC5E5E"}},
        {19, "MenuSelectedBackgroundColor", TskType::Color, {"0xC47339", "0xEFD3C6", "0xA04A44", "0xC4302D", "0xEC5E5E"}},
        {20, "MenuSelectedFontColor", TskType::Color, {"0xFFFFFF", "0x000000", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF"}},
        {21, "MenuBackgroundColor", TskType::Color, {"0x000000", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF", "0xE7E7E7"}},
        {22, "MenuFontColor", TskType::Color, {"0x000000", "0x000000", "0x000000", "0x000000", "0x000000"}},
        {23, "MenuBarColor", TskType::Color, {"0x000000", "0xCED3D6", "0xCED3D6", "0xCED3D6", "0xCED3D6"}},
        {24, "ProgressBarImage", TskType::Str, {"MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR", "PROTEIN_PROGRESSBAR", "BLUEGLASS_PROGRESSBAR"}},
        {25, "ControlBorderColor", TskType::Color, {"0x7F7F7F", "0x686868", "0x000000", "0x000000", "0x000000"}},
        {26, "ControlBackgroundColor", TskType::Color, {"0xE7E7E7", "0xDEEBEF", "0xE8E8E8", "0xFBFBFB", "0xE7E7E7"}},
        {27, "ControlFontColor", TskType::Color, {"0x000000", "0xCF4602", "0x000000", "0x000000", "0x000000"}},
        {28, "TrackBarBarImage", TskType::Str, {"MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR", "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR"}},
        {29, "TrackBarSliderImage", TskType::Str, {"MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER", "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"}},
        {30, "TrackBarSliderVImage", TskType::Str, {"MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V", "PROTEIN_TRACKBAR_SLIDER_V", "BLUEGLASS_TRACKBAR_SLIDER_V"}},
        {31, "ScrollBarBackgroundColor", TskType::Color, {"0xC9C9C9", "0xF9F9F9", "0xF5F5F5", "0xF5F5F5", "0xF4F4F4"}},
        {32, "ScrollBarButtonImage", TskType::Str, {"MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON", "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON"}},
        {33, "ScrollBarSliderImage", TskType::Str, {"MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK", "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"}},
        {34, "CheckListBoxImage", TskType::Str, {"MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST", "BLUEGLASS_CHECKLIST"}},
        {35, "ToolBarButtonBorderColor", TskType::Color, {"0x474747", "0xC66931", "0x474747", "0x474747", "0x474747"}},
        {36, "ToolBarButtonBackgroundColor", TskType::Color, {"0xEFEFEF", "0xEFD3C6", "0xEFEFEF", "0xEFEFEF", "0xEFEFEF"}},
        {37, "ToolBarButtonDownBackgroundColor", TskType::Color, {"0xD8D8D8", "0xE1AC93", "0xD8D8D8", "0xD8D8D8", "0xD8D8D8"}},
        {38, "ScrollButtonImage", TskType::Str, {"MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON"}},
        {39, "TabControlTabImage", TskType::Str, {"MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"}},
        {40, "TabControlBarImage", TskType::Str, {"MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE", "BLUEGLASS_TAB_LINE"}},
        {41, "SideChannelHandleImage", TskType::Str, {"MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE", "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE"}},
        {42, "SideChannelBarImage", TskType::Str, {"MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR", "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"}},
    };
    // clang-format on
    ASSERT_EQ(std::size(rows), static_cast<std::size_t>(SK_ITEM_COUNT));
    for (const Row& row : rows) {
        ASSERT_EQ(SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(row.item)], std::string(row.name));
        EXPECT_EQ(SK_ITEM_TYPE[static_cast<std::size_t>(row.item)], row.kind) << row.name;
        for (std::size_t i = 0; i < kStyles.size(); ++i) {
            SCOPED_TRACE(std::string(row.name) + " of style " + std::to_string(i + 1));
            const TskThemeValue value = GetInsideThemeValue(kStyles[i], row.item);
            if (row.kind == TskType::Str) {
                EXPECT_STREQ(value.Picture, row.values[i]);
            } else {
                EXPECT_EQ(value.Value, std::stoll(row.values[i], nullptr, 0));
            }
        }
    }
}

TEST_F(ThemeTables, PicturesHaveTheSizesTheDrawingCodeCutsThemBy) {
    struct Row {
        int item;
        std::array<std::array<int, 2>, 5> sizes;  // MacOS, WinXP, DeepBlue, Protein, BlueGlass
    };
    const Row rows[] = {
        {SkItem::ButtonImage, {{{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}}},
        {SkItem::CheckBoxImage, {{{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
        {SkItem::RadioButtonImage, {{{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
        {SkItem::TitleBarButtonImage, {{{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}}},
        {SkItem::TitleBarLeftImage, {{{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}}},
        {SkItem::TitleBarClientImage, {{{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}}},
        {SkItem::TitleBarRightImage, {{{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}}},
        {SkItem::ProgressBarImage, {{{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}}},
        {SkItem::TrackBarBarImage, {{{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}}},
        {SkItem::TrackBarSliderImage, {{{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}}},
        {SkItem::TrackBarSliderVImage, {{{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}}},
        {SkItem::ScrollBarButtonImage, {{{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}}},
        {SkItem::ScrollBarSliderImage, {{{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}}},
        {SkItem::CheckListBoxImage, {{{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}}},
        {SkItem::ScrollButtonImage, {{{72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}}}},
        {SkItem::TabControlTabImage, {{{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}}},
        {SkItem::TabControlBarImage, {{{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}}},
        {SkItem::SideChannelHandleImage, {{{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}}},
        {SkItem::SideChannelBarImage, {{{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}}},
    };
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < kStyles.size(); ++i) {
            SCOPED_TRACE(std::string(SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(row.item)]) +
                         " of style " + std::to_string(i + 1));
            gfx::Bitmap bitmap;
            GetInsideThemeBitmap(kStyles[i], row.item, &bitmap, 0, 0);
            EXPECT_EQ(bitmap.Width(), row.sizes[i][0]);
            EXPECT_EQ(bitmap.Height(), row.sizes[i][1]);
        }
    }
}

TEST_F(ThemeTables, FramesAreCutFromTheStripByCountThenIndex) {
    gfx::Bitmap whole;
    GetInsideThemeBitmap(MacOS, SkItem::ButtonImage, &whole, 0, 0);
    ASSERT_EQ(whole.Width(), 252);

    struct Case {
        int count;
        int index;
        int left;
        int width;
    };
    const Case cases[] = {
        {3, 1, 0, 84}, {3, 2, 84, 84}, {3, 3, 168, 84}, {4, 1, 0, 63}, {1, 1, 0, 252}};
    for (const Case& c : cases) {
        SCOPED_TRACE("frame " + std::to_string(c.index) + " of " + std::to_string(c.count));
        gfx::Bitmap frame;
        frame.SetTransparent(true);
        GetInsideThemeBitmap(MacOS, SkItem::ButtonImage, &frame, c.count, c.index);
        EXPECT_EQ(frame, whole.Copy({c.left, 0, c.left + c.width, 23}));
        EXPECT_TRUE(frame.Transparent()) << "loading a picture keeps the bitmap's own settings";
    }
}

TEST(ThemePictures, AMissingPictureIsReportedByName) {
    theme_test::TempFolder folder;
    SetSkinPictureFolder(folder.Path("none"));
    EXPECT_EQ(FindSkinPicture("MACOS_BUTTON"), nullptr);
    gfx::Bitmap bitmap;
    try {
        GetInsideThemeBitmap(MacOS, SkItem::ButtonImage, &bitmap, 3, 1);
        ADD_FAILURE() << "a missing picture went unnoticed";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("MACOS_BUTTON"), std::string::npos)
            << error.what();
    }
    // Values need no pictures.
    EXPECT_EQ(GetInsideThemeInt(MacOS, SkItem::TitleBarButtonRightOffsetInt), -2);
    theme_test::UseSourcePictures();
}

TEST(ThemePictures, PicturesHandedOutStayWhenTheFolderChanges) {
    theme_test::UseSourcePictures();
    const gfx::Bitmap* before = FindSkinPicture("WINXP_BUTTON");
    ASSERT_NE(before, nullptr);
    const gfx::Bitmap copy = *before;
    theme_test::TempFolder folder;
    SetSkinPictureFolder(folder.Path(""));
    theme_test::WriteBytes(folder.Path("WINXP_BUTTON.bmp"),
                           gfx::WriteBmp(gfx::Bitmap(2, 2, 0xFF000000)));
    EXPECT_EQ(FindSkinPicture("WINXP_BUTTON")->Width(), 2);
    EXPECT_EQ(*before, copy);
    theme_test::UseSourcePictures();
}

}  // namespace
