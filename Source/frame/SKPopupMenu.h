#pragma once
// TskPopupMenu: a popup menu that measures and draws every one of its items itself, with
// colours, heights and a left bar taken from its visual style.
#include <cstdint>
#include <string>

#include "platform/vcl/menus/PopupMenu.h"

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
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);

    // Both heights are fixed while the style is MacOS.
    int GetMenuItemHeight() const { return m_menuItemHeight; }
    void SetHeight(int Value);
    int GetSeparatorHeight() const { return m_separatorHeight; }
    void SetSeparatorHeight(int Value);

    int GetBarWidth() const { return m_barWidth; }
    void SetBarWidth(int Value) { m_barWidth = Value; }
    TColor GetBarColor() const { return m_barColor; }
    void SetBarColor(TColor Value) { m_barColor = Value; }
    TColor GetColor() const { return m_color; }
    void SetColor(TColor Value) { m_color = Value; }
    TColor GetSeparatorColor() const { return m_separatorColor; }
    void SetSeparatorColor(TColor Value) { m_separatorColor = Value; }
    TColor GetSelectedBorderColor() const { return m_selectedBorderColor; }
    void SetSelectedBorderColor(TColor Value) { m_selectedBorderColor = Value; }
    TColor GetSelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(TColor Value) { m_selectedColor = Value; }
    TColor GetSelectedFontColor() const { return m_selectedFontColor; }
    void SetSelectedFontColor(TColor Value) { m_selectedFontColor = Value; }
    TColor GetFontColor() const { return m_fontColor; }
    void SetFontColor(TColor Value) { m_fontColor = Value; }
    // Stored only; no drawing uses it.
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value) { m_borderColor = Value; }
    bool GetFlatMenu() const { return m_flatMenu; }
    void SetFlatMenu(bool Value) { m_flatMenu = Value; }
    const std::string& GetFontName() const { return m_fontName; }
    void SetFontName(const std::string& Value) { m_fontName = Value; }
    int GetFontSize() const { return m_fontSize; }
    void SetFontSize(int Value) { m_fontSize = Value; }
    int GetFontCharset() const { return m_fontCharset; }
    void SetFontCharset(int Value) { m_fontCharset = static_cast<std::uint8_t>(Value); }
    bool GetUseSystemFont() const { return m_useSystemFont; }
    void SetUseSystemFont(bool Value) { m_useSystemFont = Value; }

    // The two handlers the menu installs on its items.
    void MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void DrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected);
    // Installs them on every item of the menu.
    void MenuAdded();

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TColor ThemeColor(int Item) const;
    bool HasImage(const TMenuItem* Item) const;
    void DrawPlainBackground(TCanvas* Canvas, const TRect& Rect);
    void HookItem(TMenuItem* Item);

    TskUIStyle m_uiStyle = DeepBlue;
    int m_menuItemHeight = 21;
    int m_separatorHeight = 21;
    TColor m_barColor = clBtnFace;
    int m_barWidth = 0;
    TColor m_color = 0xFFFFFF;
    TColor m_separatorColor = 0x808080;
    TColor m_selectedBorderColor = clHighlight;
    TColor m_selectedColor = clHighlight;
    TColor m_selectedFontColor = 0xFFFFFF;
    TColor m_fontColor = 0xFFFFFF;
    TColor m_borderColor = 0x000000;
    bool m_flatMenu = false;
    std::string m_fontName = "MS Sans Serif";
    int m_fontSize = 8;
    std::uint8_t m_fontCharset = 1;
    bool m_useSystemFont = true;
    TskFileTheme* m_fileTheme = nullptr;
};

// The check mark checked items without an image show, shared by every skinned menu. Built
// on first use, once the skin's pictures can be found.
TImageList* SkinMenuCheckedImages();
