#include "Source/frame/SKPopupMenu.h"

#include <memory>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKMenu.h"
#include "Source/theme/SKFileTheme.h"

namespace {

constexpr TColor kDisabledFontColor = 0x808080;

}  // namespace

TImageList* SkinMenuCheckedImages() {
    static std::unique_ptr<TImageList> images = [] {
        RegisterSkinPictures();
        auto list = std::make_unique<TImageList>(nullptr);
        TBitmap check;
        check.LoadFromResourceName("MENU_CHECKED");
        check.SetTransparent(true);
        list->SetWidth(check.GetWidth());
        list->SetHeight(check.GetHeight());
        list->AddMasked(&check, clWhite);
        return list;
    }();
    return images.get();
}

const TClassInfo& TskPopupMenu::StaticClassInfo() {
    using C = TskPopupMenu;
    static const TClassInfo info =
        TClassBuilder<C>("TskPopupMenu")
            .Boolean("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw, std::nullopt)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle, std::nullopt)
            .Integer("MenuItemHeight", &C::GetMenuItemHeight, &C::SetHeight)
            .Integer("SeparatorHeight", &C::GetSeparatorHeight, &C::SetSeparatorHeight)
            .Integer("BarWidth", &C::GetBarWidth, &C::SetBarWidth)
            .Color("BarColor", &C::GetBarColor, &C::SetBarColor)
            .Color("Color", &C::GetColor, &C::SetColor)
            .Color("SeparatorColor", &C::GetSeparatorColor, &C::SetSeparatorColor)
            .Color("SelectedBorderColor", &C::GetSelectedBorderColor, &C::SetSelectedBorderColor)
            .Color("SelectedColor", &C::GetSelectedColor, &C::SetSelectedColor)
            .Color("SelectedFontColor", &C::GetSelectedFontColor, &C::SetSelectedFontColor)
            .Color("FontColor", &C::GetFontColor, &C::SetFontColor)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Boolean("FlatMenu", &C::GetFlatMenu, &C::SetFlatMenu, false)
            .String("FontName", &C::GetFontName, &C::SetFontName)
            .Integer("FontSize", &C::GetFontSize, &C::SetFontSize)
            .Integer("FontCharset", &C::GetFontCharset, &C::SetFontCharset)
            .Boolean("UseSystemFont", &C::GetUseSystemFont, &C::SetUseSystemFont, true)
            .Build();
    return info;
}

TskPopupMenu::TskPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskPopupMenu::~TskPopupMenu() = default;

TColor TskPopupMenu::ThemeColor(int Item) const {
    TskUIStyle effective = m_uiStyle;
    if (UsingFileTheme(m_fileTheme, m_uiStyle, effective)) return m_fileTheme->GetColor(Item);
    return GetInsideThemeColor(effective, Item);
}

void TskPopupMenu::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    m_barWidth = 26;
    if (Value == MacOS) {
        m_menuItemHeight = 20;
        m_separatorHeight = 12;
        m_separatorColor = 0x000000;
    } else {
        m_menuItemHeight = 21;
        m_separatorHeight = 5;
        m_separatorColor = 0x848284;
    }
    m_barColor = ThemeColor(SkItem::MenuBarColor);
    m_color = ThemeColor(SkItem::MenuBackgroundColor);
    m_fontColor = ThemeColor(SkItem::MenuFontColor);
    m_selectedBorderColor = ThemeColor(SkItem::MenuSelectedBorderColor);
    m_selectedColor = ThemeColor(SkItem::MenuSelectedBackgroundColor);
    m_selectedFontColor = ThemeColor(SkItem::MenuSelectedFontColor);
}

void TskPopupMenu::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(m_uiStyle);
}

void TskPopupMenu::SetHeight(int Value) {
    if (m_uiStyle != MacOS) m_menuItemHeight = Value;
}

void TskPopupMenu::SetSeparatorHeight(int Value) {
    if (m_uiStyle != MacOS) m_separatorHeight = Value;
}

void TskPopupMenu::HookItem(TMenuItem* Item) {
    Menu_SetItemEvent(
        Item,
        [this](TObject* s, TCanvas* c, TRect r, bool selected) { DrawItem(s, c, r, selected); },
        [this](TObject* s, TCanvas* c, int& w, int& h) { MeasureItem(s, c, w, h); });
}

void TskPopupMenu::MenuAdded() {
    for (int i = 0; i < GetItems()->Count(); ++i) HookItem(GetItems()->Items(i));
}

void TskPopupMenu::Loaded() {
    TPopupMenu::Loaded();
    MenuAdded();
}

void TskPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TPopupMenu::Notification(AComponent, Operation);
    if (Operation == opInsert) {
        // Only items of this menu's own tree get its handlers: an item of another menu
        // would keep handlers that point at this menu after it is gone.
        auto* item = dynamic_cast<TMenuItem*>(AComponent);
        if (item && item->GetParentMenu() == this) HookItem(item);
    } else if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

bool TskPopupMenu::HasImage(const TMenuItem* Item) const {
    const TImageList* images = GetImages();
    const int index = Item->GetImageIndex();
    return images && index >= 0 && index < images->Count();
}

void TskPopupMenu::MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item) return;
    Height = item->GetCaption() == "-" ? m_separatorHeight : m_menuItemHeight;
    Width = ACanvas->TextWidth(item->GetCaption()) +
            ACanvas->TextWidth(ShortCutToText(item->GetShortCut())) + m_barWidth + 40;
}

void TskPopupMenu::DrawPlainBackground(TCanvas* Canvas, const TRect& R) {
    if (m_barWidth > 0)
        Menu_DrawBackGround(Canvas, Rect(R.left, R.top, R.left + m_barWidth, R.bottom), m_barColor);
    Menu_DrawBackGround(Canvas, Rect(R.left + m_barWidth, R.top, R.right, R.bottom), m_color);
}

void TskPopupMenu::DrawItem(TObject* Sender, TCanvas* ACanvas, TRect R, bool Selected) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item) return;
    if (m_flatMenu) {
        auto* control = dynamic_cast<TControlCanvas*>(ACanvas);
        if (HWND window = control ? WindowFromDC(control->GetHandle()) : nullptr)
            Menu_DrawWindowBorder(window, 0x000000, ThemeColor(SkItem::FormBackgroundColor));
    }
    const bool macOS = m_uiStyle == MacOS;
    if (item->GetCaption() == "-") {
        if (macOS) {
            Menu_DrawMacOSLineItem(ACanvas, R);
        } else {
            DrawPlainBackground(ACanvas, R);
            Menu_DrawLineItem(ACanvas, R, m_separatorColor, m_barWidth);
        }
        return;
    }
    const bool enabled = item->GetEnabled();
    if (Selected && enabled) {
        if (macOS) {
            Menu_DrawMacOSSelectedItem(ACanvas, R);
        } else {
            Menu_DrawBackGround(ACanvas, R, m_selectedColor);
            Menu_DrawBorder(ACanvas, R, m_selectedBorderColor);
        }
    } else if (macOS) {
        Menu_DrawMacOSNonSelectedItem(ACanvas, R);
    } else {
        DrawPlainBackground(ACanvas, R);
    }

    TFont* font = ACanvas->GetFont();
    if (m_useSystemFont) {
        Menu_GetSystemFont(font);
    } else {
        font->SetName(m_fontName);
        font->SetSize(m_fontSize);
        font->SetCharset(m_fontCharset);
    }
    ACanvas->GetBrush()->SetStyle(TBrushStyle::bsClear);
    font->SetColor(!enabled ? kDisabledFontColor : Selected ? m_selectedFontColor : m_fontColor);
    if (item->GetDefault()) font->SetStyle(font->GetStyle() | fsBold);

    TRect textRect = Rect(R.left + m_barWidth + 4, R.top + 4, R.right, R.bottom);
    ACanvas->DrawText(item->GetCaption(), textRect, DT_SINGLELINE);
    const std::string shortCut = ShortCutToText(item->GetShortCut());
    ACanvas->TextOut(R.right - ACanvas->TextWidth(shortCut) - 16, R.top + 4, shortCut);

    const bool hasImage = HasImage(item);
    if (item->GetChecked()) {
        if (hasImage) {
            Menu_DrawBorder(ACanvas, Rect(R.left + 2, R.top + 1, R.left + 21, R.top + 20),
                            0x000000);
            Menu_DrawBackGround(ACanvas, Rect(R.left + 3, R.top + 2, R.left + 20, R.top + 19),
                                m_selectedColor);
        } else {
            SkinMenuCheckedImages()->Draw(ACanvas, R.left + 4, R.top + 3, 0, enabled);
        }
    }
    if (hasImage) GetImages()->Draw(ACanvas, R.left + 4, R.top + 3, item->GetImageIndex(), enabled);
}
