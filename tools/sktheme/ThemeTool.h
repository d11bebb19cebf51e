#pragma once
// The commands of sktheme, the theme file tool. Each answers the program's exit status:
// 0 on success, 1 when the work failed (the reason on the error stream).
#include <iosfwd>
#include <string>

class TskThemeFileReader;

class ThemeTool {
public:
    ThemeTool(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    // Lists every entry and says whether all 42 theme items are present with their kinds.
    int Info(const std::string& themeFile);
    // Writes each picture as a file named after its entry and the entries' list, with the
    // values, as theme.txt into the folder (made when missing).
    int Unpack(const std::string& themeFile, const std::string& folder);
    // Makes a theme file from a folder that Unpack made (or that was written by hand).
    int Pack(const std::string& folder, const std::string& themeFile);
    // Writes a built-in style, all 42 items, as a theme file.
    int Builtin(const std::string& styleName, const std::string& themeFile);

private:
    int Fail(const std::string& message);
    void ReportItems(const TskThemeFileReader& reader);

    std::ostream& m_out;
    std::ostream& m_err;
};
