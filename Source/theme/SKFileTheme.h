#pragma once
// TskFileTheme: a non-visual component that loads one theme file and answers the theme
// items from it, and UsingFileTheme, the rule by which a control chooses between its file
// theme and a built-in style.
#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/core/Component.h"

#include "platform/vcl/core/Event.h"

class TBitmap;
class TskFileThemeMgr;

// Fired when SetThemeFile finds no file of the name anywhere it looks; Searched lists the
// paths tried, in order.
using TskThemeFileNotFoundEvent = TEvent<void(TObject* Sender, const std::string& FileName,
                                              const std::vector<std::string>& Searched)>;

// The text entry naming the built-in style a theme file was written from (sktheme builtin
// writes it). The style's own drawing rules, those no theme item holds (MacOS's striped
// form and black caption, the bold focused button of MacOS and BlueGlass, ...), then apply
// to the file theme too, so that it draws exactly as the style.
inline constexpr char SK_FILETHEME_BUILTINSTYLE[] = "BuiltInStyle";

// The message of the exception raised for a file that is no theme file.
inline constexpr char SK_INVALID_SKIN_FILE[] = "Invalid skin file for SkinLib!";

class TskFileTheme : public TComponent {
    QV_DECLARE_CLASS(TskFileTheme, TComponent)

    explicit TskFileTheme(TComponent* AOwner);
    ~TskFileTheme() override;

    // The full path of the theme file in use.
    const std::string& GetThemeFile() const { return m_themeFile; }
    // Finds the file as given, else under its file name in ThemeFolders(); when none
    // exists nothing changes but OnThemeFileNotFound. A file that is no theme file raises
    // Exception(SK_INVALID_SKIN_FILE), a damaged one EskThemeFileError; either way the
    // previous theme stays. Once loaded, the owner form's skinned controls that use this
    // theme reload their look.
    void SetThemeFile(const std::string& Value);
    // The paths SetThemeFile tries for the name, in order.
    std::vector<std::string> SearchPaths(const std::string& name) const;

    // A theme file that is nowhere to be found keeps the current look; this says so.
    TskThemeFileNotFoundEvent OnThemeFileNotFound;

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
    // The built-in style the loaded file names as its origin (SK_FILETHEME_BUILTINSTYLE);
    // FromThemeFile when it names none.
    TskUIStyle GetBuiltInStyle() const { return m_builtInStyle; }

protected:
    // The folders searched, in order, for a theme file that is not where its name says:
    // the executable's folder, the installation's theme folder found from it (the program
    // may be installed under any prefix), the one the library was built for, and the
    // system's.
    virtual std::vector<std::string> ThemeFolders() const;

private:
    std::string FindThemeFile(const std::string& name) const;
    void ReloadOwnerControls();

    TskUIStyle ReadBuiltInStyle() const;
    std::unique_ptr<TskFileThemeMgr> m_mgr;
    TskUIStyle m_builtInStyle = FromThemeFile;
    std::string m_themeFile;
    bool m_canUse = false;
};

// Sets Effective to Style and answers whether the control draws from FileTheme: only for
// FromThemeFile with a usable file theme. FromThemeFile without one falls back to
// DeepBlue.
bool UsingFileTheme(const TskFileTheme* FileTheme, TskUIStyle Style, TskUIStyle& Effective);

// The built-in style whose own drawing rules a control in Style with FileTheme follows: the
// style itself, the file theme's built-in style when the file theme is in use (FromThemeFile
// when it names none), or DeepBlue when FromThemeFile has no usable file theme.
TskUIStyle DrawingRulesStyle(const TskFileTheme* FileTheme, TskUIStyle Style);

// Where the Windows and system directories of the search lie here: the folders of themes
// shared by every user of the machine, as the library was built to be installed.
std::string GetWindowsDirectory();
std::string GetSystemDirectory();
// The theme folder of the installation the executable belongs to, found from the
// executable's folder (PREFIX/bin or PREFIX/libexec/PROGRAM); empty when the executable
// lies elsewhere, as a program run from its build folder does.
std::string InstalledThemeDirectory(const std::string& executableFolder);
// Whether the component is a form or a frame, which own the controls a theme reaches.
bool IsFormOrFrame(const TComponent* AComponent);
