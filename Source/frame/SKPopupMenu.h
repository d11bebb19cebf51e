#pragma once
// TskPopupMenu: a popup menu that measures and draws every one of its items itself, with
// colours, heights and a left bar taken from its visual style.
#include <cstdint>
#include <string>

#include "platform/vcl/menus/PopupMenu.h"

#include "Source/frame/SKMenuLook.h"
#include "Source/theme/SKThemes.h"

class TImageList;
class TskFileTheme;

class TskPopupMenu : public TPopupMenu {
    QV_DECLARE_CLASS(TskPopupMenu, TPopupMenu)

    explicit TskPopupMenu(TComponent* AOwner);
    ~TskPopupMenu() override;

    // Always owner-drawn: reads True and ignores what is written.
    bool GetOwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_look.UIStyle; }
    void SetUIStyle(TskUIStyle Value);

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
    void SetUseSystemFont(bool Value) { m_look.UseSystemFont = Value; }

    // The two handlers the menu installs on its items.
    void MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void DrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected);
    // Installs them on every item of the menu.
    void MenuAdded();

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void HookItem(TMenuItem* Item);

    TskMenuLook m_look;
    TskFileTheme* m_fileTheme = nullptr;
};

// The check mark checked items without an image show, shared by every skinned menu. Built
// on first use, once the skin's pictures can be found.
TImageList* SkinMenuCheckedImages();
