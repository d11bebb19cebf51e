#include "Source/theme/SKControlTheme.h"

#include <algorithm>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"

namespace {

// A picture from a file can be of any size; one past reason is cut to what a control can
// draw without running out of memory.
void LimitSize(TBitmap* bitmap) {
    const int w = bitmap->GetWidth();
    const int h = bitmap->GetHeight();
    if (w > SK_MAX_PICTURE_SIZE || h > SK_MAX_PICTURE_SIZE)
        bitmap->SetSize(std::min(w, SK_MAX_PICTURE_SIZE), std::min(h, SK_MAX_PICTURE_SIZE));
}

}  // namespace

void GetControlThemeBitmap(const TskFileTheme* FileTheme, TskUIStyle Style, int Item,
                           TBitmap* Bitmap, int Count, int Index) {
    if (Bitmap == nullptr) return;
    TBitmap whole;
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective))
        FileTheme->GetBitmap(Item, &whole);
    else
        GetInsideThemeBitmap(effective, Item, &whole, 0, 0);
    LimitSize(&whole);
    if (Count <= 0 || whole.GetEmpty()) {
        Bitmap->Assign(&whole);
        return;
    }
    // More frames than columns would give frames of no width.
    const int count = std::min(Count, std::max(1, whole.GetWidth()));
    SpitBitmap(&whole, Bitmap, count, std::clamp(Index, 1, count));
}

TColor GetControlThemeColor(const TskFileTheme* FileTheme, TskUIStyle Style, int Item) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective)) return FileTheme->GetColor(Item);
    return GetInsideThemeColor(effective, Item);
}

bool GetControlThemeBool(const TskFileTheme* FileTheme, TskUIStyle Style, int Item) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective)) return FileTheme->GetBool(Item);
    return GetInsideThemeBool(effective, Item);
}

int GetControlThemeInt(const TskFileTheme* FileTheme, TskUIStyle Style, int Item, int Low,
                       int High) {
    TskUIStyle effective = Style;
    const int value = UsingFileTheme(FileTheme, Style, effective)
                          ? FileTheme->GetInt(Item)
                          : GetInsideThemeInt(effective, Item);
    return std::clamp(value, Low, High);
}
