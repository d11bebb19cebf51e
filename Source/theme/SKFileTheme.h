#pragma once
// TskFileTheme: a non-visual component that loads one theme file and answers the theme
// items from it, and UsingFileTheme, the rule by which a control chooses between its file
// theme and a built-in style.
#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/core/Component.h"

class TBitmap;
class TskFileThemeMgr;

// The message of the exception raised for a file that is no theme file.
inline constexpr char SK_INVALID_SKIN_FILE[] = "Invalid skin file for SkinLib!";

class TskFileTheme : public TComponent {
    QV_DECLARE_CLASS(TskFileTheme, TComponent)

    explicit TskFileTheme(TComponent* AOwner);
    ~TskFileTheme() override;

    // The full path of the theme file in use.
    const std::string& GetThemeFile() const { return m_themeFile; }
    // Finds the file as given, else under its file name beside the executable, in the
    // Windows directory or in the system directory; when none exists nothing changes. A
    // file that is no theme file raises Exception(SK_INVALID_SKIN_FILE), a damaged one
    // EskThemeFileError; either way the previous theme stays. Once loaded, the owner
    // form's skinned controls that use this theme reload their look.
    void SetThemeFile(const std::string& Value);

    // Whether a theme file has been loaded.
    bool CanUse() const { return m_canUse; }
    bool CheckThemeFile(const std::string& FileName) const;

    void GetBitmap(int Item, TBitmap* Bitmap) const;
    // Frame Index (from 1) of Count equal-width frames of the item's picture; Count is
    // never 0.
    void GetBitmap(int Item, TBitmap* Bitmap, int Count, int Index) const;
    TColor GetColor(int Item) const;
    int GetInt(int Item) const;
    bool GetBool(int Item) const;

protected:
    // The folders searched, in order, for a theme file that is not where its name says.
    virtual std::vector<std::string> ThemeFolders() const;

private:
    std::string FindThemeFile(const std::string& name) const;
    void ReloadOwnerControls();

    std::unique_ptr<TskFileThemeMgr> m_mgr;
    std::string m_themeFile;
    bool m_canUse = false;
};

// Sets Effective to Style and answers whether the control draws from FileTheme: only for
// FromThemeFile with a usable file theme. FromThemeFile without one falls back to
// DeepBlue.
bool UsingFileTheme(const TskFileTheme* FileTheme, TskUIStyle Style, TskUIStyle& Effective);

// Where the Windows and system directories of the search lie here: the folders of themes
// shared by every user of the machine.
std::string GetWindowsDirectory();
std::string GetSystemDirectory();
// Whether the component is a form or a frame, which own the controls a theme reaches.
bool IsFormOrFrame(const TComponent* AComponent);
