#pragma once
// A control's theme item: the file theme's value when UsingFileTheme says the control's file
// theme is in use for its style, else the built-in value of the style it hands back.
#include "Source/theme/SKThemes.h"

class TBitmap;
class TskFileTheme;

TColor ThemeItemColor(const TskFileTheme* FileTheme, TskUIStyle Style, int Item);
// The item's whole picture, uncut.
void ThemeItemPicture(const TskFileTheme* FileTheme, TskUIStyle Style, int Item, TBitmap* Bitmap);
