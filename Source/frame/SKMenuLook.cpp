#include "Source/frame/SKMenuLook.h"

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKMenu.h"
#include "Source/theme/SKFileTheme.h"

namespace {

constexpr TColor kDisabledFontColor = 0x808080;

bool HasImage(const TMenuItem& Item, const TImageList* Images) {
    const int index = Item.GetImageIndex();
    return Images && index >= 0 && index < Images->Count();
}

}  // namespace

void LoadMenuCheckMark(TImageList* List) {
    RegisterSkinPictures();
    TBitmap check;
    check.LoadFromResourceName("MENU_CHECKED");
    check.SetTransparent(true);
    List->SetWidth(check.GetWidth());
    List->SetHeight(check.GetHeight());
    List->AddMasked(&check, clWhite);
}

TColor TskMenuLook::ThemeColor(TskFileTheme* FileTheme, int Item) const {
    TskUIStyle effective = UIStyle;
    if (UsingFileTheme(FileTheme, UIStyle, effective)) return FileTheme->GetColor(Item);
    return GetInsideThemeColor(effective, Item);
}

void TskMenuLook::ApplyStyle(TskUIStyle Style, TskFileTheme* FileTheme) {
    UIStyle = Style;
    RulesStyle = DrawingRulesStyle(FileTheme, Style);
    BarWidth = 26;
    if (RulesStyle == MacOS) {
        MenuItemHeight = 20;
        SeparatorHeight = 12;
        SeparatorColor = 0x000000;
    } else {
        MenuItemHeight = 21;
        SeparatorHeight = 5;
        SeparatorColor = 0x848284;
    }
    BarColor = ThemeColor(FileTheme, SkItem::MenuBarColor);
    Color = ThemeColor(FileTheme, SkItem::MenuBackgroundColor);
    FontColor = ThemeColor(FileTheme, SkItem::MenuFontColor);
    SelectedBorderColor = ThemeColor(FileTheme, SkItem::MenuSelectedBorderColor);
    SelectedColor = ThemeColor(FileTheme, SkItem::MenuSelectedBackgroundColor);
    SelectedFontColor = ThemeColor(FileTheme, SkItem::MenuSelectedFontColor);
}

void TskMenuLook::SetHeight(int Value) {
    if (RulesStyle != MacOS) MenuItemHeight = Value;
}

void TskMenuLook::SetSeparatorHeight(int Value) {
    if (RulesStyle != MacOS) SeparatorHeight = Value;
}

void TskMenuLook::Measure(const TMenuItem& Item, TCanvas* Canvas, int& Width, int& Height) const {
    Height = Item.GetCaption() == "-" ? SeparatorHeight : MenuItemHeight;
    Width = Canvas->TextWidth(Item.GetCaption()) +
            Canvas->TextWidth(ShortCutToText(Item.GetShortCut())) + BarWidth + 40;
}

void TskMenuLook::DrawPlainBackground(TCanvas* Canvas, const TRect& R) const {
    if (BarWidth > 0)
        Menu_DrawBackGround(Canvas, Rect(R.left, R.top, R.left + BarWidth, R.bottom), BarColor);
    Menu_DrawBackGround(Canvas, Rect(R.left + BarWidth, R.top, R.right, R.bottom), Color);
}

void TskMenuLook::Draw(const TMenuItem& Item, TCanvas* Canvas, const TRect& R, bool Selected,
                       const TImageList* Images, const TImageList* CheckMarks,
                       TskFileTheme* FileTheme) const {
    if (FlatMenu) {
        auto* control = dynamic_cast<TControlCanvas*>(Canvas);
        if (HWND window = control ? WindowFromDC(control->GetHandle()) : nullptr)
            Menu_DrawWindowBorder(window, 0x000000,
                                  ThemeColor(FileTheme, SkItem::FormBackgroundColor));
    }
    const bool macOS = RulesStyle == MacOS;
    if (Item.GetCaption() == "-") {
        if (macOS) {
            Menu_DrawMacOSLineItem(Canvas, R);
        } else {
            DrawPlainBackground(Canvas, R);
            Menu_DrawLineItem(Canvas, R, SeparatorColor, BarWidth);
        }
        return;
    }
    const bool enabled = Item.GetEnabled();
    if (Selected && enabled) {
        if (macOS) {
            Menu_DrawMacOSSelectedItem(Canvas, R);
        } else {
            Menu_DrawBackGround(Canvas, R, SelectedColor);
            Menu_DrawBorder(Canvas, R, SelectedBorderColor);
        }
    } else if (macOS) {
        Menu_DrawMacOSNonSelectedItem(Canvas, R);
    } else {
        DrawPlainBackground(Canvas, R);
    }

    TFont* font = Canvas->GetFont();
    if (UseSystemFont) {
        Menu_GetSystemFont(font);
    } else {
        font->SetName(FontName);
        font->SetSize(FontSize);
        font->SetCharset(FontCharset);
    }
    Canvas->GetBrush()->SetStyle(TBrushStyle::bsClear);
    font->SetColor(!enabled ? kDisabledFontColor : Selected ? SelectedFontColor : FontColor);
    if (Item.GetDefault()) font->SetStyle(font->GetStyle() | fsBold);

    TRect textRect = Rect(R.left + BarWidth + 4, R.top + 4, R.right, R.bottom);
    Canvas->DrawText(Item.GetCaption(), textRect, DT_SINGLELINE);
    const std::string shortCut = ShortCutToText(Item.GetShortCut());
    Canvas->TextOut(R.right - Canvas->TextWidth(shortCut) - 16, R.top + 4, shortCut);

    const bool hasImage = HasImage(Item, Images);
    if (Item.GetChecked()) {
        if (hasImage) {
            Menu_DrawBorder(Canvas, Rect(R.left + 2, R.top + 1, R.left + 21, R.top + 20), 0x000000);
            Menu_DrawBackGround(Canvas, Rect(R.left + 3, R.top + 2, R.left + 20, R.top + 19),
                                SelectedColor);
        } else if (CheckMarks) {
            CheckMarks->Draw(Canvas, R.left + 4, R.top + 3, 0, enabled);
        }
    }
    if (hasImage) Images->Draw(Canvas, R.left + 4, R.top + 3, Item.GetImageIndex(), enabled);
}
