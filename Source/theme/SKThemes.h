#pragma once
// The five built-in visual styles: the 42 theme items with their names and kinds, the
// fixed tables of each style's values, and the lookups every skinned control draws from.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/core/ClassInfo.h"

class TBitmap;
class TComponent;

// The visual style of a control. FromThemeFile means that the values come from a file
// theme; DeepBlue is the style to fall back to wherever none can be determined.
enum class TskUIStyle : std::uint8_t { FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass };
using enum TskUIStyle;

// The value names of TskUIStyle, for the published UIStyle properties.
const TEnumInfo& TskUIStyleInfo();

// The kind of a theme item; Str items name a picture.
enum class TskType : std::uint8_t { Int, Color, Str, Bool };

inline constexpr int SK_ITEM_COUNT = 42;

// Both tables are indexed by item number, 1 to 42; entry 0 is unused.
extern const std::array<const char*, SK_ITEM_COUNT + 1> SK_FILETHEME_ITEMNAME;
extern const std::array<TskType, SK_ITEM_COUNT + 1> SK_ITEM_TYPE;

// The item numbers by their names in theme files.
namespace SkItem {
inline constexpr int ButtonImage = 1;
inline constexpr int ButtonTransparentBool = 2;
inline constexpr int CheckBoxImage = 3;
inline constexpr int RadioButtonImage = 4;
inline constexpr int TitleBarButtonImage = 5;
inline constexpr int TitleBarButtonTransparentBool = 6;
inline constexpr int TitleBarButtonLeftOffsetInt = 7;
inline constexpr int TitleBarButtonRightOffsetInt = 8;
inline constexpr int TitleBarButtonTopInt = 9;
inline constexpr int TitleBarLeftImage = 10;
inline constexpr int TitleBarClientImage = 11;
inline constexpr int TitleBarRightImage = 12;
inline constexpr int FormMinWidthInt = 13;
inline constexpr int FormRoundCornerInt = 14;
inline constexpr int FormBackgroundColor = 15;
inline constexpr int FormBorderColor = 16;
inline constexpr int FormBorderWidthInt = 17;
inline constexpr int MenuSelectedBorderColor = 18;
inline constexpr int MenuSelectedBackgroundColor = 19;
inline constexpr int MenuSelectedFontColor = 20;
inline constexpr int MenuBackgroundColor = 21;
inline constexpr int MenuFontColor = 22;
inline constexpr int MenuBarColor = 23;
inline constexpr int ProgressBarImage = 24;
inline constexpr int ControlBorderColor = 25;
inline constexpr int ControlBackgroundColor = 26;
inline constexpr int ControlFontColor = 27;
inline constexpr int TrackBarBarImage = 28;
inline constexpr int TrackBarSliderImage = 29;
inline constexpr int TrackBarSliderVImage = 30;
inline constexpr int ScrollBarBackgroundColor = 31;
inline constexpr int ScrollBarButtonImage = 32;
inline constexpr int ScrollBarSliderImage = 33;
inline constexpr int CheckListBoxImage = 34;
inline constexpr int ToolBarButtonBorderColor = 35;
inline constexpr int ToolBarButtonBackgroundColor = 36;
inline constexpr int ToolBarButtonDownBackgroundColor = 37;
inline constexpr int ScrollButtonImage = 38;
inline constexpr int TabControlTabImage = 39;
inline constexpr int TabControlBarImage = 40;
inline constexpr int SideChannelHandleImage = 41;
inline constexpr int SideChannelBarImage = 42;
}  // namespace SkItem

// The item whose theme-file name this is, compared without letter case; 0 when none.
int FindThemeItem(std::string_view name);

// One item of a built-in style: its kind and, by kind, the number (a colour as 0xBBGGRR,
// an integer, or 0 and 1 for a flag) or the resource name of the picture.
struct TskThemeValue {
    TskType Kind = TskType::Int;
    std::int32_t Value = -1;
    const char* Picture = nullptr;
};

// FromThemeFile and item numbers outside 1 to 42 answer kind Int with the value -1.
TskThemeValue GetInsideThemeValue(TskUIStyle style, int item);

// Each getter answers the item's value when the item is of its kind, else its default:
// black, -1 and false.
TColor GetInsideThemeColor(TskUIStyle style, int item);
int GetInsideThemeInt(TskUIStyle style, int item);
bool GetInsideThemeBool(TskUIStyle style, int item);

// Loads the item's picture into the bitmap: whole when count is 0, else frame index (from
// 1) of count equal-width frames. A null bitmap is left alone; with count 0 a non-picture
// item leaves the bitmap as it is, with a count it makes the bitmap empty. Throws
// std::runtime_error when the picture the table names cannot be found.
void GetInsideThemeBitmap(TskUIStyle style, int item, gfx::Bitmap* bitmap, int count, int index);
// The same for a control's bitmap.
void GetInsideThemeBitmap(TskUIStyle style, int item, TBitmap* bitmap, int count, int index);
// A null bitmap is left alone, whichever kind it would have been.
inline void GetInsideThemeBitmap(TskUIStyle, int, std::nullptr_t, int, int) {}

// The style a new skinned control owned by Owner starts in: the UIStyle of the first child
// control of the owner form that is a skinned frame (of class TskForm or derived from it),
// DeepBlue when the owner is null, not a form, or has no skinned frame.
TskUIStyle GetSKFormStyle(const TComponent* Owner);

// Makes the skin's embedded pictures findable as bitmap resources (FindResource,
// TBitmap::LoadFromResourceName). The picture store calls it on first use; calling it again
// does nothing.
void RegisterSkinPictures();

// The skin's pictures by resource name, kept for the life of the program; null when there
// is no such picture. They are the pictures embedded in the program unless a folder is set,
// in which case NAME.bmp is read from it (sktheme builds themes from a folder of edited
// pictures that way); an empty folder name goes back to the embedded ones. A damaged
// picture throws gfx::CodecError.
void SetSkinPictureFolder(const std::string& folder);
const std::string& GetSkinPictureFolder();
const gfx::Bitmap* FindSkinPicture(const std::string& resourceName);
// The picture's file bytes as stored, for writing it into a theme file; null when missing.
const std::vector<std::uint8_t>* FindSkinPictureData(const std::string& resourceName);

// The captions of the title bar's window menu, each with its accelerator.
inline constexpr char SK_TITLE_MENUITEM_MINIMIZE[] = "最小化(&N)";
inline constexpr char SK_TITLE_MENUITEM_MAXIMIZE[] = "最大化/还原(&X)";
inline constexpr char SK_TITLE_MENUITEM_CLOSE[] = "关闭(&C)";
