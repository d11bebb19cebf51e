#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/Resources.h"

// The pictures built into the program: every one that the style tables and the skinned
// controls name is found by name, without any folder, with the size the drawing relies on.
namespace {

struct Size {
    int width;
    int height;
};

struct ItemSizes {
    int item;
    std::array<Size, 5> sizes;  // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

const ItemSizes kItemSizes[] = {
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

constexpr std::array<TskUIStyle, 5> kStyles = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

class EmbeddedPictures : public ::testing::Test {
protected:
    void SetUp() override { SetSkinPictureFolder(""); }
};

TEST_F(EmbeddedPictures, EveryStylePictureHasItsSize) {
    for (const ItemSizes& row : kItemSizes) {
        for (std::size_t s = 0; s < kStyles.size(); ++s) {
            const TskThemeValue value = GetInsideThemeValue(kStyles[s], row.item);
            SCOPED_TRACE(value.Picture != nullptr ? value.Picture : "no picture");
            ASSERT_EQ(value.Kind, TskType::Str);
            gfx::Bitmap bitmap;
            GetInsideThemeBitmap(kStyles[s], row.item, &bitmap, 0, 0);
            EXPECT_EQ(bitmap.Width(), row.sizes[s].width);
            EXPECT_EQ(bitmap.Height(), row.sizes[s].height);
        }
    }
}

TEST_F(EmbeddedPictures, EveryPictureItemIsInTheSizeTable) {
    int pictureItems = 0;
    for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
        if (SK_ITEM_TYPE[static_cast<std::size_t>(item)] == TskType::Str) ++pictureItems;
    }
    EXPECT_EQ(pictureItems, static_cast<int>(std::size(kItemSizes)));
}

TEST_F(EmbeddedPictures, ControlPicturesAreBitmapResourcesByName) {
    struct Named {
        const char* name;
        Size size;
    };
    const Named named[] = {
        {"MACOS_FORM_BACKGROUND", {8, 8}},   {"PROTEIN_FORM_BACKGROUND", {8, 8}},
        {"MACOS_MENU_BAR", {1, 22}},         {"MACOS_MENU_SELECT", {1, 21}},
        {"MENU_CHECKED", {16, 16}},          {"MDI_CONTROL_BUTTON", {48, 16}},
        {"MSNPOPFORM", {181, 116}},          {"PANEL_BUTTON", {52, 12}},
        {"MACOS_COMBOBOX_BUTTON", {16, 17}}, {"WINXP_COMBOBOX_BUTTON", {16, 18}},
        {"DBNAV_BUTTON", {160, 16}},
    };
    RegisterSkinPictures();
    for (const Named& n : named) {
        SCOPED_TRACE(n.name);
        TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromResourceName(n.name));
        EXPECT_EQ(bitmap.GetWidth(), n.size.width);
        EXPECT_EQ(bitmap.GetHeight(), n.size.height);
        // The picture store hands out the same pixels.
        const gfx::Bitmap* stored = FindSkinPicture(n.name);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(*stored, bitmap.Image());
    }
}

TEST_F(EmbeddedPictures, NamesAreFoundWithoutCaseAndUnknownOnesAreNot) {
    ASSERT_NE(FindSkinPicture("macos_button"), nullptr);
    EXPECT_EQ(FindSkinPicture("macos_button"), FindSkinPicture("MACOS_BUTTON"));
    EXPECT_EQ(FindSkinPicture("NO_SUCH_PICTURE"), nullptr);
    EXPECT_EQ(FindSkinPictureData("NO_SUCH_PICTURE"), nullptr);
    ASSERT_NE(FindSkinPictureData("MACOS_BUTTON"), nullptr);
    EXPECT_EQ(FindSkinPictureData("MACOS_BUTTON")->size(),
              FindResource("MACOS_BUTTON", TResourceKind::Bitmap)->size());
}

}  // namespace
