#pragma once
// TskMenuLook: the look a skinned menu gives its items, shared by the popup menu and the
// main menu: the style's colours, item heights and left bar, and how one item is measured
// and drawn with them.
#include <cstdint>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

#include "Source/theme/SKThemes.h"

class TCanvas;
class TImageList;
class TMenuItem;
class TskFileTheme;

struct TskMenuLook {
    TskUIStyle UIStyle = DeepBlue;
    // The style whose own menu drawing applies (DrawingRulesStyle): MacOS draws its menus
    // from its pictures, also from a theme file written from it.
    TskUIStyle RulesStyle = DeepBlue;
    int MenuItemHeight = 21;
    int SeparatorHeight = 21;
    TColor BarColor = clBtnFace;
    int BarWidth = 0;
    TColor Color = 0xFFFFFF;
    TColor SeparatorColor = 0x808080;
    TColor SelectedBorderColor = clHighlight;
    TColor SelectedColor = clHighlight;
    TColor SelectedFontColor = 0xFFFFFF;
    TColor FontColor = 0xFFFFFF;
    TColor BorderColor = 0x000000;  // stored only; no drawing uses it
    bool FlatMenu = false;
    std::string FontName = "MS Sans Serif";
    int FontSize = 8;
    std::uint8_t FontCharset = 1;
    bool UseSystemFont = true;

    // Takes the bar width, heights and colours of the style, from the file theme when it
    // is in use.
    void ApplyStyle(TskUIStyle Style, TskFileTheme* FileTheme);
    TColor ThemeColor(TskFileTheme* FileTheme, int Item) const;
    // Both heights are fixed while the style is MacOS.
    void SetHeight(int Value);
    void SetSeparatorHeight(int Value);

    void Measure(const TMenuItem& Item, TCanvas* Canvas, int& Width, int& Height) const;
    // Images is the user's image list (or null), CheckMarks the list whose first image is
    // the tick of a checked item without an image of its own.
    void Draw(const TMenuItem& Item, TCanvas* Canvas, const TRect& R, bool Selected,
              const TImageList* Images, const TImageList* CheckMarks,
              TskFileTheme* FileTheme) const;

private:
    void DrawPlainBackground(TCanvas* Canvas, const TRect& R) const;
};

// Loads the check mark into an empty image list: the tick's picture, marked transparent
// and added masked with white.
void LoadMenuCheckMark(TImageList* List);
