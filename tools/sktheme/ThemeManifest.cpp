#include "tools/sktheme/ThemeManifest.h"

#include <cctype>
#include <charconv>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace {

const char kHeader[] =
    "# The entries of a theme file in their order, one a line: KIND NAME=VALUE.\n"
    "# picture NAME=FILE in this folder; integer NAME=NUMBER (decimal or 0x hexadecimal);\n"
    "# flag NAME=0 or 1; text NAME=TEXT. In names and texts \\\\ is a backslash and \\xHH a\n"
    "# byte. Blank lines and lines starting with # are skipped.\n";

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '=';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseKind(const std::string& word, TskThemeEntryKind& kind) {
    for (auto candidate : {TskThemeEntryKind::Picture, TskThemeEntryKind::Integer,
                           TskThemeEntryKind::Flag, TskThemeEntryKind::Text}) {
        if (word == ThemeEntryKindName(candidate)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

// The line's name ends at its first "=", since a "=" inside a name is escaped.
ThemeManifestLine ParseLine(const std::string& line) {
    const std::size_t space = line.find(' ');
    const std::size_t equals = line.find('=');
    if (space == std::string::npos || equals == std::string::npos || equals < space) {
        throw std::runtime_error("expected KIND NAME=VALUE");
    }
    ThemeManifestLine parsed;
    const std::string kind = line.substr(0, space);
    if (!ParseKind(kind, parsed.Kind)) {
        throw std::runtime_error("unknown kind '" + kind +
                                 "' (expected picture, integer, flag or text)");
    }
    parsed.Name = ThemeManifest::Unescape(line.substr(space + 1, equals - space - 1));
    if (parsed.Name.size() > SK_THEMEFILE_NAME_SIZE) {
        throw std::runtime_error("the name '" + parsed.Name + "' is longer than 64 characters");
    }
    const std::string value = line.substr(equals + 1);
    switch (parsed.Kind) {
        case TskThemeEntryKind::Picture:
            if (value.empty()) throw std::runtime_error("the picture has no file name");
            parsed.Value = value;
            break;
        case TskThemeEntryKind::Integer:
            ThemeManifest::ParseInteger(value);
            parsed.Value = value;
            break;
        case TskThemeEntryKind::Flag:
            if (value != "0" && value != "1") {
                throw std::runtime_error("a flag is 0 or 1, not '" + value + "'");
            }
            parsed.Value = value;
            break;
        case TskThemeEntryKind::Text:
            parsed.Value = ThemeManifest::Unescape(value);
            break;
    }
    return parsed;
}

}  // namespace

const char* ThemeEntryKindName(TskThemeEntryKind kind) {
    switch (kind) {
        case TskThemeEntryKind::Picture:
            return "picture";
        case TskThemeEntryKind::Integer:
            return "integer";
        case TskThemeEntryKind::Flag:
            return "flag";
        case TskThemeEntryKind::Text:
            return "text";
    }
    return "unknown";
}

std::string ThemeManifest::Escape(const std::string& text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (NeedsEscape(byte)) {
            escaped += "\\x";
            escaped += digits[byte >> 4];
            escaped += digits[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string ThemeManifest::Unescape(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            plain += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && HexDigit(text[i + 2]) >= 0 &&
                   HexDigit(text[i + 3]) >= 0) {
            plain += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            throw std::runtime_error("a backslash must be followed by \\ or xHH");
        }
    }
    return plain;
}

std::int32_t ThemeManifest::ParseInteger(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(first + 2, last, value, 16);
        if (error == std::errc() && end == last) return static_cast<std::int32_t>(value);
    } else {
        std::int32_t value = 0;
        const auto [end, error] = std::from_chars(first, last, value, 10);
        if (error == std::errc() && end == last && !text.empty()) return value;
    }
    throw std::runtime_error("'" + text + "' is not a 32-bit integer");
}

void ThemeManifest::Write(std::ostream& out) const {
    out << kHeader;
    for (const ThemeManifestLine& line : m_lines) {
        const std::string value =
            line.Kind == TskThemeEntryKind::Text ? Escape(line.Value) : line.Value;
        out << ThemeEntryKindName(line.Kind) << ' ' << Escape(line.Name) << '=' << value << '\n';
    }
}

ThemeManifest ThemeManifest::Read(std::istream& in) {
    ThemeManifest manifest;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        try {
            manifest.m_lines.push_back(ParseLine(line));
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(std::string(FileName) + " line " + std::to_string(number) +
                                     ": " + error.what());
        }
    }
    return manifest;
}
