#pragma once
// The look every framed data-aware control shares: its style, its file theme and the colour
// of the flat two-pixel ring it paints along its edge after the platform has painted.
#include "Source/theme/SKThemes.h"
#include "platform/gfx/Color.h"

class TComponent;
class TWinControl;
class TskFileTheme;

class TskDBFrame {
public:
    explicit TskDBFrame(TWinControl* Control) : m_control(Control) {}
    ~TskDBFrame();
    TskDBFrame(const TskDBFrame&) = delete;
    TskDBFrame& operator=(const TskDBFrame&) = delete;

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    // Stores the theme and asks for its removal notice; the control re-applies its style.
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Stores the style, takes its border colour, and answers the style that UsingFileTheme
    // hands back (what linked parts are given).
    TskUIStyle SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    // References are resolved after the whole form is read: a border colour the form stores
    // must still win over the theme's, as it would had the theme come first.
    void KeepStoredBorderColor(TColor Stored);
    // True when the removed component was the file theme, which is then forgotten.
    bool FileThemeRemoved(const TComponent* AComponent);
    // The outer ring in BorderColor, the ring inside it in the control's colour.
    void Draw();

private:
    TWinControl* m_control;
    TskFileTheme* m_fileTheme = nullptr;
    TskUIStyle m_uiStyle = DeepBlue;
    TColor m_borderColor = 0;
    bool m_borderColorRead = false;
};
