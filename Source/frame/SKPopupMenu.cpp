#include "Source/frame/SKPopupMenu.h"

#include <memory>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKMenu.h"
#include "Source/theme/SKFileTheme.h"

TImageList* SkinMenuCheckedImages() {
    static std::unique_ptr<TImageList> images = [] {
        auto list = std::make_unique<TImageList>(nullptr);
        LoadMenuCheckMark(list.get());
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

void TskPopupMenu::SetUIStyle(TskUIStyle Value) {
    m_look.ApplyStyle(Value, m_fileTheme);
}

void TskPopupMenu::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(m_look.UIStyle);
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

void TskPopupMenu::MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height) {
    if (auto* item = dynamic_cast<TMenuItem*>(Sender)) m_look.Measure(*item, ACanvas, Width, Height);
}

void TskPopupMenu::DrawItem(TObject* Sender, TCanvas* ACanvas, TRect R, bool Selected) {
    if (auto* item = dynamic_cast<TMenuItem*>(Sender))
        m_look.Draw(*item, ACanvas, R, Selected, GetImages(), SkinMenuCheckedImages(), m_fileTheme);
}
