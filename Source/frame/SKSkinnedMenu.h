#pragma once
// What the skinned popup menu and main menu share: the look their items are drawn in and
// its published properties, the file theme and style the look comes from, and the two
// handlers the menu installs on each item of its own tree. `Base` is the platform menu.
#include <cstdint>
#include <string>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/menus/MenuItem.h"

#include "Source/frame/SKMenu.h"
#include "Source/frame/SKMenuLook.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemes.h"

class TImageList;

template <class Base>
class TskSkinnedMenu : public Base {
public:
    explicit TskSkinnedMenu(TComponent* AOwner) : Base(AOwner) {}

    // Always owner-drawn: reads True and ignores what is written.
    bool GetOwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value) {
        if (m_fileTheme != Value) {
            if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
            m_fileTheme = Value;
            if (Value) Value->FreeNotification(this);
        }
        SetUIStyle(m_look.UIStyle);
    }
    TskUIStyle GetUIStyle() const { return m_look.UIStyle; }
    void SetUIStyle(TskUIStyle Value) {
        m_look.ApplyStyle(Value, m_fileTheme);
        LookChanged();
    }

    // Both heights are fixed while the style is MacOS.
    int GetMenuItemHeight() const { return m_look.MenuItemHeight; }
    void SetHeight(int Value) { m_look.SetHeight(Value); }
    int GetSeparatorHeight() const { return m_look.SeparatorHeight; }
    void SetSeparatorHeight(int Value) { m_look.SetSeparatorHeight(Value); }
    int GetBarWidth() const { return m_look.BarWidth; }
    void SetBarWidth(int Value) { m_look.BarWidth = Value; }
    TColor GetBarColor() const { return m_look.BarColor; }
    void SetBarColor(TColor Value) { m_look.BarColor = Value; }
    TColor GetColor() const { return m_look.Color; }
    void SetColor(TColor Value) { m_look.Color = Value; }
    TColor GetSeparatorColor() const { return m_look.SeparatorColor; }
    void SetSeparatorColor(TColor Value) { m_look.SeparatorColor = Value; }
    TColor GetSelectedBorderColor() const { return m_look.SelectedBorderColor; }
    void SetSelectedBorderColor(TColor Value) { m_look.SelectedBorderColor = Value; }
    TColor GetSelectedColor() const { return m_look.SelectedColor; }
    void SetSelectedColor(TColor Value) { m_look.SelectedColor = Value; }
    TColor GetSelectedFontColor() const { return m_look.SelectedFontColor; }
    void SetSelectedFontColor(TColor Value) { m_look.SelectedFontColor = Value; }
    TColor GetFontColor() const { return m_look.FontColor; }
    void SetFontColor(TColor Value) { m_look.FontColor = Value; }
    // Stored only; no drawing uses it.
    TColor GetBorderColor() const { return m_look.BorderColor; }
    void SetBorderColor(TColor Value) { m_look.BorderColor = Value; }
    bool GetFlatMenu() const { return m_look.FlatMenu; }
    void SetFlatMenu(bool Value) { m_look.FlatMenu = Value; }
    const std::string& GetFontName() const { return m_look.FontName; }
    void SetFontName(const std::string& Value) { m_look.FontName = Value; }
    int GetFontSize() const { return m_look.FontSize; }
    void SetFontSize(int Value) { m_look.FontSize = Value; }
    int GetFontCharset() const { return m_look.FontCharset; }
    void SetFontCharset(int Value) { m_look.FontCharset = static_cast<std::uint8_t>(Value); }
    bool GetUseSystemFont() const { return m_look.UseSystemFont; }
    void SetUseSystemFont(bool Value) {
        m_look.UseSystemFont = Value;
        LookChanged();
    }

    // The two handlers the menu installs on its items.
    void MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height) {
        if (auto* item = dynamic_cast<TMenuItem*>(Sender))
            m_look.Measure(*item, ACanvas, Width, Height);
    }
    void DrawItem(TObject* Sender, TCanvas* ACanvas, TRect R, bool Selected) {
        if (auto* item = dynamic_cast<TMenuItem*>(Sender))
            // An item of an action draws from the action list's images when it has them.
            m_look.Draw(*item, ACanvas, R, Selected, item->GetImageList(), CheckMarks(),
                        m_fileTheme);
    }
    // Installs them on every item of the menu.
    virtual void MenuAdded() {
        for (int i = 0; i < this->GetItems()->Count(); ++i) HookItem(this->GetItems()->Items(i));
    }

protected:
    // The check mark drawn for checked items without an image.
    virtual TImageList* CheckMarks() const = 0;
    // After a change of the style or the font the look takes.
    virtual void LookChanged() {}

    void Loaded() override {
        Base::Loaded();
        MenuAdded();
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        Base::Notification(AComponent, Operation);
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

    TskMenuLook m_look;
    TskFileTheme* m_fileTheme = nullptr;

private:
    void HookItem(TMenuItem* Item) {
        Menu_SetItemEvent(
            Item,
            [this](TObject* s, TCanvas* c, TRect r, bool selected) { DrawItem(s, c, r, selected); },
            [this](TObject* s, TCanvas* c, int& w, int& h) { MeasureItem(s, c, w, h); });
    }
};

// Adds the look's published properties, in their stored order, to a skinned menu's class.
template <class C>
TClassBuilder<C>& AddSkinnedMenuProperties(TClassBuilder<C>& Builder) {
    return Builder.Boolean("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw, std::nullopt)
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
        .Boolean("UseSystemFont", &C::GetUseSystemFont, &C::SetUseSystemFont, true);
}
