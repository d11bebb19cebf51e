#pragma once
// What a skinned control asks of its theme: each lookup follows UsingFileTheme, taking the
// value from the file theme when it is in use and from the built-in style otherwise, and
// guards the control against values a theme file may hold (frame counts and indices out of
// range, sizes beyond reason).
#include "Source/theme/SKThemes.h"

class TBitmap;
class TskFileTheme;

// Loads frame Index (from 1) of Count equal-width frames of the item's picture into
// Bitmap. A Count of 0 or less means the whole picture; Index is clamped into 1..Count.
// An item without a picture leaves Bitmap empty.
void GetControlThemeBitmap(const TskFileTheme* FileTheme, TskUIStyle Style, int Item,
                           TBitmap* Bitmap, int Count, int Index);
TColor GetControlThemeColor(const TskFileTheme* FileTheme, TskUIStyle Style, int Item);
bool GetControlThemeBool(const TskFileTheme* FileTheme, TskUIStyle Style, int Item);
// The item's integer, clamped into Low..High.
int GetControlThemeInt(const TskFileTheme* FileTheme, TskUIStyle Style, int Item, int Low,
                       int High);

// The widest and highest picture a control accepts from a theme; a larger one is cut.
inline constexpr int SK_MAX_PICTURE_SIZE = 4096;
