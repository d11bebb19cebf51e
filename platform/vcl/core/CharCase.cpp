#include "platform/vcl/core/CharCase.h"

#include <locale.h>
#include <wctype.h>

#include "platform/gfx/Font.h"

namespace {

// Unicode's case mapping, which the C.UTF-8 locale holds; null where it is not installed,
// and then characters past ASCII keep their case under the invariant rule.
locale_t UnicodeLocale() {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return unicode;
}

char32_t MapAscii(char32_t ch, bool upper) {
    if (upper && ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
    if (!upper && ch >= 'A' && ch <= 'Z') return ch - 'A' + 'a';
    return ch;
}

char32_t MapUnicode(char32_t ch, bool upper) {
    const locale_t unicode = UnicodeLocale();
    if (!unicode) return ch;
    const auto wide = static_cast<wint_t>(ch);
    return static_cast<char32_t>(upper ? towupper_l(wide, unicode) : towlower_l(wide, unicode));
}

char32_t MapCharacter(char32_t ch, bool upper, TCaseRule rule) {
    if (rule == TCaseRule::Invariant)
        return ch < 0x80 ? MapAscii(ch, upper) : MapUnicode(ch, upper);
    // The user's locale, as the program set it up; the "C" locale maps ASCII only.
    const auto wide = static_cast<wint_t>(ch);
    const auto mapped = static_cast<char32_t>(upper ? towupper(wide) : towlower(wide));
    return mapped != ch ? mapped : MapUnicode(ch, upper);
}

std::string MapText(std::string_view text, bool upper, TCaseRule rule) {
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t ch = gfx::DecodeUtf8(text, pos);
        const std::string_view bytes = text.substr(start, pos - start);
        // Bytes that are not UTF-8 stay as they are.
        const bool broken = ch == 0xFFFD && bytes != "\xEF\xBF\xBD";
        const std::string mapped =
            broken ? std::string() : gfx::EncodeUtf8(MapCharacter(ch, upper, rule));
        result += mapped.empty() ? std::string(bytes) : mapped;
    }
    return result;
}

}  // namespace

std::string UpperCaseText(std::string_view Text, TCaseRule Rule) {
    return MapText(Text, true, Rule);
}

std::string LowerCaseText(std::string_view Text, TCaseRule Rule) {
    return MapText(Text, false, Rule);
}
