#include "platform/vcl/core/SysUtils.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/vcl/core/CharCase.h"

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

bool TryStrToInt(std::string_view text, std::int64_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    // Decimal numbers must fit as written: 18446744073709551615 is no way to write -1.
    // Hexadecimal ones are bit patterns, so $FFFFFFFFFFFFFFFF is -1 as the VCL reads it.
    if (base == 10) {
        constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        if (magnitude > kMax + (negative ? 1 : 0)) return false;
    }
    // Negated in unsigned arithmetic, where -9223372036854775808 has no overflow to fear.
    value = static_cast<std::int64_t>(negative ? ~magnitude + 1 : magnitude);
    return true;
}

std::int64_t StrToInt(std::string_view text) {
    std::int64_t value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

std::string FloatToStr(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) throw EConvertError("cannot format a floating point value");
    return std::string(buffer, end);
}

bool TryStrToFloat(std::string_view text, double& value) {
    double read = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(read))
        return false;
    value = read;
    return true;
}

double StrToFloat(std::string_view text) {
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

// Identifiers (class, property and component names) compare by the C locale's rule, the
// same under every language: Turkish would fold "I" apart from "i".
static int Fold(char c) {
    return static_cast<unsigned char>(LowerCaseAscii(c));
}

int CompareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int d = Fold(a[i]) - Fold(b[i]);
        if (d != 0) return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = UpperCaseAscii(c);
    return result;
}

bool IsValidIdent(std::string_view name) {
    if (name.empty()) return false;
    auto alpha = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    if (!alpha(name[0])) return false;
    for (char c : name)
        if (!alpha(c) && !std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}
