#pragma once
// A control's theme item: the file theme's value when UsingFileTheme says the control's file
// theme is in use for its style, else the built-in value of the style it hands back.
#include "Source/theme/SKThemes.h"

class TBitmap;
class TskFileTheme;

TColor ThemeItemColor(const TskFileTheme* FileTheme, TskUIStyle Style, int Item);
// The item's whole picture, uncut.
void ThemeItemPicture(const TskFileTheme* FileTheme, TskUIStyle Style, int Item, TBitmap* Bitmap);
// An integer item kept within [Low, High]: a theme file may hold any number, and sizes,
// offsets and counts outside their sane range would draw out of bounds or divide by zero.
int ThemeItemInt(const TskFileTheme* FileTheme, TskUIStyle Style, int Item, int Low, int High);
