#pragma once
// The text file that an unpacked theme keeps beside its pictures: one line per entry in
// the theme file's order, "KIND NAME=VALUE", where KIND is picture (the value names a file
// in the same folder), integer (decimal, or hexadecimal after 0x), flag (0 or 1) or text.
// In names and texts a backslash is written \\ and a control character or "=" as \xHH.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "Source/theme/SKThemeFile.h"

struct ThemeManifestLine {
    TskThemeEntryKind Kind = TskThemeEntryKind::Integer;
    std::string Name;
    std::string Value;  // the file name, the number as written, 0 or 1, or the text
};

class ThemeManifest {
public:
    static constexpr const char* FileName = "theme.txt";

    std::vector<ThemeManifestLine>& Lines() { return m_lines; }
    const std::vector<ThemeManifestLine>& Lines() const { return m_lines; }

    void Write(std::ostream& out) const;
    // Throws std::runtime_error naming the line for anything it cannot take.
    static ThemeManifest Read(std::istream& in);

    static std::string Escape(const std::string& text);
    // Throws std::runtime_error for a broken escape.
    static std::string Unescape(const std::string& text);
    // A decimal or 0x-hexadecimal 32-bit integer; throws std::runtime_error otherwise.
    static std::int32_t ParseInteger(const std::string& text);

private:
    std::vector<ThemeManifestLine> m_lines;
};

const char* ThemeEntryKindName(TskThemeEntryKind kind);
