// The names and kinds of the 42 theme items and the values of the five built-in styles.
#include <cstddef>
#include <strings.h>

#include "Source/theme/SKThemes.h"

const std::array<const char*, SK_ITEM_COUNT + 1> SK_FILETHEME_ITEMNAME = {
    "",
    "ButtonImage",
    "ButtonTransparentBool",
    "CheckBoxImage",
    "RadioButtonImage",
    "TitleBarButtonImage",
    "TitleBarButtonTransparentBool",
    "TitleBarButtonLeftOffsetInt",
    "TitleBarButtonRightOffsetInt",
    "TitleBarButtonTopInt",
    "TitleBarLeftImage",
    "TitleBarClientImage",
    "TitleBarRightImage",
    "FormMinWidthInt",
    "FormRoundCornerInt",
    "FormBackgroundColor",
    "FormBorderColor",
    "FormBorderWidthInt",
    "MenuSelectedBorderColor",
    "MenuSelectedBackgroundColor",
    "MenuSelectedFontColor",
    "MenuBackgroundColor",
    "MenuFontColor",
    "MenuBarColor",
    "ProgressBarImage",
    "ControlBorderColor",
    "ControlBackgroundColor",
    "ControlFontColor",
    "TrackBarBarImage",
    "TrackBarSliderImage",
    "TrackBarSliderVImage",
    "ScrollBarBackgroundColor",
    "ScrollBarButtonImage",
    "ScrollBarSliderImage",
    "CheckListBoxImage",
    "ToolBarButtonBorderColor",
    "ToolBarButtonBackgroundColor",
    "ToolBarButtonDownBackgroundColor",
    "ScrollButtonImage",
    "TabControlTabImage",
    "TabControlBarImage",
    "SideChannelHandleImage",
    "SideChannelBarImage",
};

const std::array<TskType, SK_ITEM_COUNT + 1> SK_ITEM_TYPE = {
    TskType::Int,   TskType::Str,   TskType::Bool,  TskType::Str,   TskType::Str,   TskType::Str,
    TskType::Bool,  TskType::Int,   TskType::Int,   TskType::Int,   TskType::Str,   TskType::Str,
    TskType::Str,   TskType::Int,   TskType::Int,   TskType::Color, TskType::Color, TskType::Int,
    TskType::Color, TskType::Color, TskType::Color, TskType::Color, TskType::Color, TskType::Color,
    TskType::Str,   TskType::Color, TskType::Color, TskType::Color, TskType::Str,   TskType::Str,
    TskType::Str,   TskType::Color, TskType::Str,   TskType::Str,   TskType::Str,   TskType::Color,
    TskType::Color, TskType::Color, TskType::Str,   TskType::Str,   TskType::Str,   TskType::Str,
    TskType::Str,
};

namespace {

// A table entry is a picture's resource name for Str items and a number for the others.
struct TskThemeEntry {
    constexpr TskThemeEntry(const char* picture) : Picture(picture) {}
    constexpr TskThemeEntry(std::int32_t value) : Value(value) {}
    std::int32_t Value = 0;
    const char* Picture = nullptr;
};

using TskThemeTable = std::array<TskThemeEntry, SK_ITEM_COUNT + 1>;

const TskThemeTable kTableMacOS = {
    0,
    "MACOS_BUTTON",              // 1 ButtonImage
    true,                        // 2 ButtonTransparentBool
    "MACOS_CHECKBOX",            // 3 CheckBoxImage
    "MACOS_RADIOBUTTON",         // 4 RadioButtonImage
    "MACOS_TITLEBTN",            // 5 TitleBarButtonImage
    false,                       // 6 TitleBarButtonTransparentBool
    3,                           // 7 TitleBarButtonLeftOffsetInt
    -2,                          // 8 TitleBarButtonRightOffsetInt
    4,                           // 9 TitleBarButtonTopInt
    "MACOS_TITLE_LEFT",          // 10 TitleBarLeftImage
    "MACOS_TITLE_CLIENT",        // 11 TitleBarClientImage
    "MACOS_TITLE_RIGHT",         // 12 TitleBarRightImage
    130,                         // 13 FormMinWidthInt
    0,                           // 14 FormRoundCornerInt
    0xE7E7E7,                    // 15 FormBackgroundColor
    0x7F7F7F,                    // 16 FormBorderColor
    1,                           // 17 FormBorderWidthInt
    0xC47339,                    // 18 MenuSelectedBorderColor
    0xC47339,                    // 19 MenuSelectedBackgroundColor
    0xFFFFFF,                    // 20 MenuSelectedFontColor
    0x000000,                    // 21 MenuBackgroundColor
    0x000000,                    // 22 MenuFontColor
    0x000000,                    // 23 MenuBarColor
    "MACOS_PROGRESSBAR",         // 24 ProgressBarImage
    0x7F7F7F,                    // 25 ControlBorderColor
    0xE7E7E7,                    // 26 ControlBackgroundColor
    0x000000,                    // 27 ControlFontColor
    "MACOS_TRACKBAR_BAR",        // 28 TrackBarBarImage
    "MACOS_TRACKBAR_SLIDER",     // 29 TrackBarSliderImage
    "MACOS_TRACKBAR_SLIDER_V",   // 30 TrackBarSliderVImage
    0xC9C9C9,                    // 31 ScrollBarBackgroundColor
    "MACOS_SCROLLBAR_BUTTON",    // 32 ScrollBarButtonImage
    "MACOS_SCROLLBAR_TRACK",     // 33 ScrollBarSliderImage
    "MACOS_CHECKLIST",           // 34 CheckListBoxImage
    0x474747,                    // 35 ToolBarButtonBorderColor
    0xEFEFEF,                    // 36 ToolBarButtonBackgroundColor
    0xD8D8D8,                    // 37 ToolBarButtonDownBackgroundColor
    "MACOS_SCROLLBUTTON",        // 38 ScrollButtonImage
    "MACOS_TAB",                 // 39 TabControlTabImage
    "MACOS_TAB_LINE",            // 40 TabControlBarImage
    "MACOS_SIDECHENNEL_HANDLE",  // 41 SideChannelHandleImage
    "MACOS_SIDECHENNEL_BAR",     // 42 SideChannelBarImage
};

const TskThemeTable kTableWinXP = {
    0,
    "WINXP_BUTTON",              // 1 ButtonImage
    false,                       // 2 ButtonTransparentBool
    "WINXP_CHECKBOX",            // 3 CheckBoxImage
    "WINXP_RADIOBUTTON",         // 4 RadioButtonImage
    "WINXP_TITLEBTN",            // 5 TitleBarButtonImage
    false,                       // 6 TitleBarButtonTransparentBool
    2,                           // 7 TitleBarButtonLeftOffsetInt
    -2,                          // 8 TitleBarButtonRightOffsetInt
    5,                           // 9 TitleBarButtonTopInt
    "WINXP_TITLE_LEFT",          // 10 TitleBarLeftImage
    "WINXP_TITLE_CLIENT",        // 11 TitleBarClientImage
    "WINXP_TITLE_RIGHT",         // 12 TitleBarRightImage
    150,                         // 13 FormMinWidthInt
    13,                          // 14 FormRoundCornerInt
    0xDEEBEF,                    // 15 FormBackgroundColor
    0xC82C00,                    // 16 FormBorderColor
    3,                           // 17 FormBorderWidthInt
    0xC66931,                    // 18 MenuSelectedBorderColor
    0xEFD3C6,                    // 19 MenuSelectedBackgroundColor
    0x000000,                    // 20 MenuSelectedFontColor
    0xFFFFFF,                    // 21 MenuBackgroundColor
    0x000000,                    // 22 MenuFontColor
    0xCED3D6,                    // 23 MenuBarColor
    "WINXP_PROGRESSBAR",         // 24 ProgressBarImage
    0x686868,                    // 25 ControlBorderColor
    0xDEEBEF,                    // 26 ControlBackgroundColor
    0xCF4602,                    // 27 ControlFontColor
    "WINXP_TRACKBAR_BAR",        // 28 TrackBarBarImage
    "WINXP_TRACKBAR_SLIDER",     // 29 TrackBarSliderImage
    "WINXP_TRACKBAR_SLIDER_V",   // 30 TrackBarSliderVImage
    0xF9F9F9,                    // 31 ScrollBarBackgroundColor
    "WINXP_SCROLLBAR_BUTTON",    // 32 ScrollBarButtonImage
    "WINXP_SCROLLBAR_TRACK",     // 33 ScrollBarSliderImage
    "WINXP_CHECKLIST",           // 34 CheckListBoxImage
    0xC66931,                    // 35 ToolBarButtonBorderColor
    0xEFD3C6,                    // 36 ToolBarButtonBackgroundColor
    0xE1AC93,                    // 37 ToolBarButtonDownBackgroundColor
    "WINXP_SCROLLBUTTON",        // 38 ScrollButtonImage
    "WINXP_TAB",                 // 39 TabControlTabImage
    "WINXP_TAB_LINE",            // 40 TabControlBarImage
    "WINXP_SIDECHENNEL_HANDLE",  // 41 SideChannelHandleImage
    "WINXP_SIDECHENNEL_BAR",     // 42 SideChannelBarImage
};

const TskThemeTable kTableDeepBlue = {
    0,
    "DEEPBLUE_BUTTON",              // 1 ButtonImage
    false,                          // 2 ButtonTransparentBool
    "DEEPBLUE_CHECKBOX",            // 3 CheckBoxImage
    "DEEPBLUE_RADIOBUTTON",         // 4 RadioButtonImage
    "DEEPBLUE_TITLEBTN",            // 5 TitleBarButtonImage
    false,                          // 6 TitleBarButtonTransparentBool
    0,                              // 7 TitleBarButtonLeftOffsetInt
    0,                              // 8 TitleBarButtonRightOffsetInt
    2,                              // 9 TitleBarButtonTopInt
    "DEEPBLUE_TITLE_LEFT",          // 10 TitleBarLeftImage
    "DEEPBLUE_TITLE_CLIENT",        // 11 TitleBarClientImage
    "DEEPBLUE_TITLE_RIGHT",         // 12 TitleBarRightImage
    130,                            // 13 FormMinWidthInt
    0,                              // 14 FormRoundCornerInt
    0xE8E8E8,                       // 15 FormBackgroundColor
    0x000000,                       // 16 FormBorderColor
    1,                              // 17 FormBorderWidthInt
    0xA04A44,                       // 18 MenuSelectedBorderColor
    0xA04A44,                       // 19 MenuSelectedBackgroundColor
    0xFFFFFF,                       // 20 MenuSelectedFontColor
    0xFFFFFF,                       // 21 MenuBackgroundColor
    0x000000,                       // 22 MenuFontColor
    0xCED3D6,                       // 23 MenuBarColor
    "DEEPBLUE_PROGRESSBAR",         // 24 ProgressBarImage
    0x000000,                       // 25 ControlBorderColor
    0xE8E8E8,                       // 26 ControlBackgroundColor
    0x000000,                       // 27 ControlFontColor
    "DEEPBLUE_TRACKBAR_BAR",        // 28 TrackBarBarImage
    "DEEPBLUE_TRACKBAR_SLIDER",     // 29 TrackBarSliderImage
    "DEEPBLUE_TRACKBAR_SLIDER_V",   // 30 TrackBarSliderVImage
    0xF5F5F5,                       // 31 ScrollBarBackgroundColor
    "DEEPBLUE_SCROLLBAR_BUTTON",    // 32 ScrollBarButtonImage
    "DEEPBLUE_SCROLLBAR_TRACK",     // 33 ScrollBarSliderImage
    "DEEPBLUE_CHECKLIST",           // 34 CheckListBoxImage
    0x474747,                       // 35 ToolBarButtonBorderColor
    0xEFEFEF,                       // 36 ToolBarButtonBackgroundColor
    0xD8D8D8,                       // 37 ToolBarButtonDownBackgroundColor
    "MORE_SCROLLBUTTON",            // 38 ScrollButtonImage
    "DEEPBLUE_TAB",                 // 39 TabControlTabImage
    "DEEPBLUE_TAB_LINE",            // 40 TabControlBarImage
    "DEEPBLUE_SIDECHENNEL_HANDLE",  // 41 SideChannelHandleImage
    "DEEPBLUE_SIDECHENNEL_BAR",     // 42 SideChannelBarImage
};

const TskThemeTable kTableProtein = {
    0,
    "PROTEIN_BUTTON",              // 1 ButtonImage
    false,                         // 2 ButtonTransparentBool
    "PROTEIN_CHECKBOX",            // 3 CheckBoxImage
    "PROTEIN_RADIOBUTTON",         // 4 RadioButtonImage
    "PROTEIN_TITLEBTN",            // 5 TitleBarButtonImage
    true,                          // 6 TitleBarButtonTransparentBool
    0,                             // 7 TitleBarButtonLeftOffsetInt
    0,                             // 8 TitleBarButtonRightOffsetInt
    2,                             // 9 TitleBarButtonTopInt
    "PROTEIN_TITLE_LEFT",          // 10 TitleBarLeftImage
    "PROTEIN_TITLE_CLIENT",        // 11 TitleBarClientImage
    "PROTEIN_TITLE_RIGHT",         // 12 TitleBarRightImage
    130,                           // 13 FormMinWidthInt
    0,                             // 14 FormRoundCornerInt
    0xFBFBFB,                      // 15 FormBackgroundColor
    0x000000,                      // 16 FormBorderColor
    1,                             // 17 FormBorderWidthInt
    0xC4302D,                      // 18 MenuSelectedBorderColor
    0xC4302D,                      // 19 MenuSelectedBackgroundColor
    0xFFFFFF,                      // 20 MenuSelectedFontColor
    0xFFFFFF,                      // 21 MenuBackgroundColor
    0x000000,                      // 22 MenuFontColor
    0xCED3D6,                      // 23 MenuBarColor
    "PROTEIN_PROGRESSBAR",         // 24 ProgressBarImage
    0x000000,                      // 25 ControlBorderColor
    0xFBFBFB,                      // 26 ControlBackgroundColor
    0x000000,                      // 27 ControlFontColor
    "PROTEIN_TRACKBAR_BAR",        // 28 TrackBarBarImage
    "PROTEIN_TRACKBAR_SLIDER",     // 29 TrackBarSliderImage
    "PROTEIN_TRACKBAR_SLIDER_V",   // 30 TrackBarSliderVImage
    0xF5F5F5,                      // 31 ScrollBarBackgroundColor
    "PROTEIN_SCROLLBAR_BUTTON",    // 32 ScrollBarButtonImage
    "PROTEIN_SCROLLBAR_TRACK",     // 33 ScrollBarSliderImage
    "PROTEIN_CHECKLIST",           // 34 CheckListBoxImage
    0x474747,                      // 35 ToolBarButtonBorderColor
    0xEFEFEF,                      // 36 ToolBarButtonBackgroundColor
    0xD8D8D8,                      // 37 ToolBarButtonDownBackgroundColor
    "MORE_SCROLLBUTTON",           // 38 ScrollButtonImage
    "PROTEIN_TAB",                 // 39 TabControlTabImage
    "PROTEIN_TAB_LINE",            // 40 TabControlBarImage
    "PROTEIN_SIDECHENNEL_HANDLE",  // 41 SideChannelHandleImage
    "PROTEIN_SIDECHENNEL_BAR",     // 42 SideChannelBarImage
};

const TskThemeTable kTableBlueGlass = {
    0,
    "BLUEGLASS_BUTTON",              // 1 ButtonImage
    true,                            // 2 ButtonTransparentBool
    "BLUEGLASS_CHECKBOX",            // 3 CheckBoxImage
    "BLUEGLASS_RADIOBUTTON",         // 4 RadioButtonImage
    "BLUEGLASS_TITLEBTN",            // 5 TitleBarButtonImage
    true,                            // 6 TitleBarButtonTransparentBool
    4,                               // 7 TitleBarButtonLeftOffsetInt
    -3,                              // 8 TitleBarButtonRightOffsetInt
    6,                               // 9 TitleBarButtonTopInt
    "BLUEGLASS_TITLE_LEFT",          // 10 TitleBarLeftImage
    "BLUEGLASS_TITLE_CLIENT",        // 11 TitleBarClientImage
    "BLUEGLASS_TITLE_RIGHT",         // 12 TitleBarRightImage
    270,                             // 13 FormMinWidthInt
    11,                              // 14 FormRoundCornerInt
    0xE7E7E7,                        // 15 FormBackgroundColor
    0x000000,                        // 16 FormBorderColor
    1,                               // 17 FormBorderWidthInt
    0xEC5E5E,                        // 18 MenuSelectedBorderColor
    0xEC5E5E,                        // 19 MenuSelectedBackgroundColor
    0xFFFFFF,                        // 20 MenuSelectedFontColor
    0xE7E7E7,                        // 21 MenuBackgroundColor
    0x000000,                        // 22 MenuFontColor
    0xCED3D6,                        // 23 MenuBarColor
    "BLUEGLASS_PROGRESSBAR",         // 24 ProgressBarImage
    0x000000,                        // 25 ControlBorderColor
    0xE7E7E7,                        // 26 ControlBackgroundColor
    0x000000,                        // 27 ControlFontColor
    "BLUEGLASS_TRACKBAR_BAR",        // 28 TrackBarBarImage
    "BLUEGLASS_TRACKBAR_SLIDER",     // 29 TrackBarSliderImage
    "BLUEGLASS_TRACKBAR_SLIDER_V",   // 30 TrackBarSliderVImage
    0xF4F4F4,                        // 31 ScrollBarBackgroundColor
    "BLUEGLASS_SCROLLBAR_BUTTON",    // 32 ScrollBarButtonImage
    "BLUEGLASS_SCROLLBAR_TRACK",     // 33 ScrollBarSliderImage
    "BLUEGLASS_CHECKLIST",           // 34 CheckListBoxImage
    0x474747,                        // 35 ToolBarButtonBorderColor
    0xEFEFEF,                        // 36 ToolBarButtonBackgroundColor
    0xD8D8D8,                        // 37 ToolBarButtonDownBackgroundColor
    "MORE_SCROLLBUTTON",             // 38 ScrollButtonImage
    "BLUEGLASS_TAB",                 // 39 TabControlTabImage
    "BLUEGLASS_TAB_LINE",            // 40 TabControlBarImage
    "BLUEGLASS_SIDECHENNEL_HANDLE",  // 41 SideChannelHandleImage
    "BLUEGLASS_SIDECHENNEL_BAR",     // 42 SideChannelBarImage
};

const TskThemeTable* BuiltInTable(TskUIStyle style) {
    switch (style) {
        case MacOS:
            return &kTableMacOS;
        case WinXP:
            return &kTableWinXP;
        case DeepBlue:
            return &kTableDeepBlue;
        case Protein:
            return &kTableProtein;
        case BlueGlass:
            return &kTableBlueGlass;
        case FromThemeFile:
            break;
    }
    return nullptr;
}

}  // namespace

int FindThemeItem(std::string_view name) {
    for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
        const char* itemName = SK_FILETHEME_ITEMNAME[item];
        if (name.size() == std::char_traits<char>::length(itemName) &&
            strncasecmp(name.data(), itemName, name.size()) == 0) {
            return item;
        }
    }
    return 0;
}

TskThemeValue GetInsideThemeValue(TskUIStyle style, int item) {
    const TskThemeTable* table = BuiltInTable(style);
    if (table == nullptr || item < 1 || item > SK_ITEM_COUNT) return {};
    const TskThemeEntry& entry = (*table)[static_cast<std::size_t>(item)];
    return {SK_ITEM_TYPE[static_cast<std::size_t>(item)], entry.Value, entry.Picture};
}
