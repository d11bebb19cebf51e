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

TEST_F(ThemeTables, ValuesTheControlsDrawWith) {
    struct Row {
        int item;
        std::array<std::int32_t, 5> values;  // MacOS, WinXP, DeepBlue, Protein, BlueGlass
    };
    const Row rows[] = {
        {SkItem::ButtonTransparentBool, {1, 0, 0, 0, 1}},
        {SkItem::TitleBarButtonTransparentBool, {0, 0, 0, 1, 1}},
        {SkItem::TitleBarButtonLeftOffsetInt, {3, 2, 0, 0, 4}},
        {SkItem::TitleBarButtonRightOffsetInt, {-2, -2, 0, 0, -3}},
        {SkItem::TitleBarButtonTopInt, {4, 5, 2, 2, 6}},
        {SkItem::FormMinWidthInt, {130, 150, 130, 130, 270}},
        {SkItem::FormRoundCornerInt, {0, 13, 0, 0, 11}},
        {SkItem::FormBorderWidthInt, {1, 3, 1, 1, 1}},
        {SkItem::FormBackgroundColor, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
        {SkItem::FormBorderColor, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}},
        {SkItem::MenuSelectedBackgroundColor, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}},
        {SkItem::MenuBackgroundColor, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}},
        {SkItem::ControlFontColor, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}},
        {SkItem::ScrollBarBackgroundColor, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}},
        {SkItem::ToolBarButtonDownBackgroundColor,
         {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}},
    };
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < kStyles.size(); ++i) {
            SCOPED_TRACE(std::string(SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(row.item)]) +
                         " of style " + std::to_string(i + 1));
            EXPECT_EQ(GetInsideThemeValue(kStyles[i], row.item).Value, row.values[i]);
        }
    }
    // The three styles without pictures of their own share one scroll button strip.
    EXPECT_STREQ(GetInsideThemeValue(WinXP, SkItem::ScrollButtonImage).Picture,
                 "WINXP_SCROLLBUTTON");
    for (const TskUIStyle style : {DeepBlue, Protein, BlueGlass}) {
        EXPECT_STREQ(GetInsideThemeValue(style, SkItem::ScrollButtonImage).Picture,
                     "MORE_SCROLLBUTTON");
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
