#pragma once
// TskMainMenu: the main menu of a skinned form. It attaches itself to the TskForm of its
// form, which shows it in a menu bar of its own, keeps that bar in step with its items,
// and measures and draws every drop-down item as the skinned popup menu does. The form
// draws the bar's buttons in this menu's style, file theme and font.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/vcl/menus/MainMenu.h"

#include "Source/frame/SKMenuLook.h"
#include "Source/theme/SKThemes.h"

class TImageList;
class TskFileTheme;
class TskForm;

class TskMainMenu : public TMainMenu {
    QV_DECLARE_CLASS(TskMainMenu, TMainMenu)

    explicit TskMainMenu(TComponent* AOwner);
    ~TskMainMenu() override;
    // Gives the menu to the skinned frame among its form's controls, if there is one.
    void AfterConstruction() override;

    // Reads null while the menu draws from its own check-mark list; writing null puts that
    // list back.
    TImageList* GetImages() const override;
    void SetImages(TImageList* Value) override;
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
    // Repaints the host form's bar in the new font.
    void SetUseSystemFont(bool Value);

    // The skinned form whose menu bar shows this menu; the form sets and clears it.
    TskForm* HostForm() const { return m_host; }
    void SetHostForm(TskForm* Value);
    // The menu's own check mark, drawn for checked items without an image.
    TImageList* CheckMarks() const { return m_checkMarks.get(); }

    // The two handlers the menu installs on its items.
    void MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void DrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected);
    // Installs them on every item, then has the host rebuild its bar.
    void MenuAdded();
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void HookItem(TMenuItem* Item);

    std::unique_ptr<TImageList> m_checkMarks;
    TskMenuLook m_look;
    TskFileTheme* m_fileTheme = nullptr;
    TskForm* m_host = nullptr;
};

// Registers the skinned main menu for form descriptions.
void RegisterSKMainMenuClasses();
