#include "Source/theme/SKThemeItem.h"

#include "Source/theme/SKFileTheme.h"

TColor ThemeItemColor(const TskFileTheme* FileTheme, TskUIStyle Style, int Item) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective)) return FileTheme->GetColor(Item);
    return GetInsideThemeColor(effective, Item);
}

void ThemeItemPicture(const TskFileTheme* FileTheme, TskUIStyle Style, int Item, TBitmap* Bitmap) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective))
        FileTheme->GetBitmap(Item, Bitmap);
    else
        GetInsideThemeBitmap(effective, Item, Bitmap, 0, 0);
}
