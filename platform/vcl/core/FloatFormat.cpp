// Numbers written for people and read back: FormatFloat with its format sections, the
// locale's separators, and the strict conversions of typed text.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/vcl/core/SysUtils.h"

namespace {

// One piece of a format section.
struct TFormatToken {
    enum Kind { Literal, IntDigit, FracDigit, Point, Exponent } kind;
    char ch = 0;  // '0' or '#' for digits; 'E' or 'e' for the exponent
    std::string text;
    bool alwaysSign = false;  // "E+" writes the sign of a positive exponent too
    int expDigits = 0;
};

struct TFormatSection {
    std::vector<TFormatToken> tokens;
    int intCount = 0;
    int minInt = 0;
    int minFrac = 0;
    int maxFrac = 0;
    bool thousands = false;
    bool scientific = false;
    bool hasDigits = false;
};

std::vector<std::string> SplitSections(std::string_view format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

void AddLiteral(TFormatSection& s, std::string text) {
    if (!s.tokens.empty() && s.tokens.back().kind == TFormatToken::Literal)
        s.tokens.back().text += text;
    else
        s.tokens.push_back({TFormatToken::Literal, 0, std::move(text)});
}

TFormatSection ParseSection(std::string_view f) {
    TFormatSection s;
    bool afterPoint = false;
    bool seenZero = false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (c == '"' || c == '\'') {
            const std::size_t end = f.find(c, i + 1);
            const std::size_t stop = end == std::string_view::npos ? f.size() : end;
            AddLiteral(s, std::string(f.substr(i + 1, stop - i - 1)));
            i = stop;
        } else if ((c == '0' || c == '#') && !s.scientific) {
            s.hasDigits = true;
            if (afterPoint) {
                ++s.maxFrac;
                if (c == '0') s.minFrac = s.maxFrac;
                s.tokens.push_back({TFormatToken::FracDigit, c, {}});
            } else {
                ++s.intCount;
                if (c == '0') seenZero = true;
                if (seenZero) ++s.minInt;
                s.tokens.push_back({TFormatToken::IntDigit, c, {}});
            }
        } else if (c == '.' && !s.scientific) {
            if (!afterPoint) s.tokens.push_back({TFormatToken::Point, c, {}});
            afterPoint = true;
        } else if (c == ',' && !s.scientific) {
            if (!afterPoint) s.thousands = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < f.size() && (f[i + 1] == '+' || f[i + 1] == '-') &&
                   !s.scientific) {
            TFormatToken exp{TFormatToken::Exponent, c, {}};
            exp.alwaysSign = f[i + 1] == '+';
            i += 2;
            while (i < f.size() && (f[i] == '0' || f[i] == '#')) {
                if (f[i] == '0') ++exp.expDigits;
                ++i;
            }
            --i;
            s.scientific = true;
            s.tokens.push_back(exp);
        } else {
            AddLiteral(s, std::string(1, c));
        }
    }
    return s;
}

// Fixed notation of a non-negative value with at most maxFrac decimals.
void SplitFixed(double value, int maxFrac, std::string& intDigits, std::string& frac) {
    // A half rounds away from zero, as people expect of a written number.
    const double scale = std::pow(10.0, maxFrac);
    if (std::fabs(value * scale) < 1e15) value = std::round(value * scale) / scale;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", maxFrac, value);
    const std::string text = buffer;
    const std::size_t point = text.find('.');
    intDigits = text.substr(0, point);
    frac = point == std::string::npos ? std::string() : text.substr(point + 1);
}

bool AllZero(const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

std::string Render(const TFormatSection& s, double value, bool minus, const TFormatSettings& fs) {
    std::string intDigits, frac;
    int exponent = 0;
    if (s.scientific) {
        const int mantissaDigits = std::max(s.intCount, 1);
        if (value != 0) {
            exponent = static_cast<int>(std::floor(std::log10(value))) - (mantissaDigits - 1);
            SplitFixed(value / std::pow(10.0, exponent), s.maxFrac, intDigits, frac);
            if (static_cast<int>(intDigits.size()) > mantissaDigits) {
                ++exponent;
                SplitFixed(value / std::pow(10.0, exponent), s.maxFrac, intDigits, frac);
            }
        } else {
            SplitFixed(0, s.maxFrac, intDigits, frac);
        }
    } else {
        SplitFixed(value, s.maxFrac, intDigits, frac);
    }
    if (minus && AllZero(intDigits) && AllZero(frac)) minus = false;
    while (static_cast<int>(frac.size()) > s.minFrac && frac.back() == '0') frac.pop_back();
    if (intDigits == "0" && s.minInt == 0) intDigits.clear();
    if (static_cast<int>(intDigits.size()) < s.minInt)
        intDigits = std::string(s.minInt - intDigits.size(), '0') + intDigits;

    std::string out = minus ? "-" : "";
    const int size = static_cast<int>(intDigits.size());
    auto emitDigit = [&](int i) {
        out += intDigits[i];
        const int fromRight = size - 1 - i;
        if (s.thousands && fromRight > 0 && fromRight % 3 == 0) out += fs.ThousandSeparator;
    };
    const int excess = size - s.intCount;
    int intIndex = 0, fracIndex = 0;
    bool intWritten = s.intCount > 0;
    for (const TFormatToken& t : s.tokens) {
        switch (t.kind) {
            case TFormatToken::Literal:
                out += t.text;
                break;
            case TFormatToken::IntDigit: {
                if (intIndex == 0)
                    for (int i = 0; i < excess; ++i) emitDigit(i);
                const int at = excess + intIndex++;
                if (at >= 0) emitDigit(at);
                break;
            }
            case TFormatToken::Point:
                if (!intWritten) {
                    for (int i = 0; i < size; ++i) emitDigit(i);
                    intWritten = true;
                }
                if (!frac.empty()) out += fs.DecimalSeparator;
                break;
            case TFormatToken::FracDigit:
                if (fracIndex < static_cast<int>(frac.size())) out += frac[fracIndex];
                ++fracIndex;
                break;
            case TFormatToken::Exponent: {
                out += t.ch;
                if (exponent < 0)
                    out += '-';
                else if (t.alwaysSign)
                    out += '+';
                std::string digits = std::to_string(std::abs(exponent));
                if (static_cast<int>(digits.size()) < t.expDigits)
                    digits = std::string(t.expDigits - digits.size(), '0') + digits;
                out += digits;
                break;
            }
        }
    }
    return out;
}

bool RoundsToZero(const TFormatSection& s, double value) {
    if (s.scientific) return value == 0;
    std::string intDigits, frac;
    SplitFixed(value, s.maxFrac, intDigits, frac);
    return AllZero(intDigits) && AllZero(frac);
}

// The literal text before the first and after the last number part of a section.
void SectionAffixes(const TFormatSection& s, std::string& prefix, std::string& suffix) {
    prefix.clear();
    suffix.clear();
    std::size_t first = s.tokens.size(), last = 0;
    for (std::size_t i = 0; i < s.tokens.size(); ++i)
        if (s.tokens[i].kind != TFormatToken::Literal) {
            first = std::min(first, i);
            last = i;
        }
    for (std::size_t i = 0; i < s.tokens.size(); ++i) {
        if (s.tokens[i].kind != TFormatToken::Literal) continue;
        if (i < first) prefix += s.tokens[i].text;
        if (first < s.tokens.size() && i > last) suffix += s.tokens[i].text;
    }
    prefix = Trim(prefix);
    suffix = Trim(suffix);
}

std::string WithoutThousands(std::string_view text, const TFormatSettings& fs) {
    std::string out(text);
    out.erase(std::remove(out.begin(), out.end(), fs.ThousandSeparator), out.end());
    return out;
}

}  // namespace

TFormatSettings& FormatSettings() {
    static TFormatSettings settings = [] {
        TFormatSettings s;
        if (const std::lconv* conv = std::localeconv()) {
            if (conv->decimal_point && conv->decimal_point[0]) s.DecimalSeparator = conv->decimal_point[0];
            if (conv->thousands_sep && conv->thousands_sep[0])
                s.ThousandSeparator = conv->thousands_sep[0];
        }
        if (s.ThousandSeparator == s.DecimalSeparator) s.ThousandSeparator = s.DecimalSeparator == ',' ? '.' : ',';
        return s;
    }();
    return settings;
}

std::string Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& settings) {
    std::string s = Trim(text);
    if (s.empty()) return false;
    for (char& c : s) {
        if (c == settings.DecimalSeparator)
            c = '.';
        else if (c == '.' || !(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' ||
                               c == 'e' || c == 'E'))
            return false;
    }
    std::string_view digits = s;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.front() == '+' || digits.front() == '-') return false;
    double parsed = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(parsed))
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

double StrToFloat(std::string_view text, const TFormatSettings& settings) {
    double value = 0;
    if (!TryStrToFloat(text, value, settings))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

bool TryStrToInt32(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

std::string FormatFloat(std::string_view format, double value) {
    return FormatFloat(format, value, FormatSettings());
}

std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings) {
    if (format.empty() || !std::isfinite(value)) return FloatToStr(value);
    const std::vector<std::string> sections = SplitSections(format);
    const TFormatSection positive = ParseSection(sections[0]);
    if (sections.size() >= 3 && !sections[2].empty() && RoundsToZero(positive, std::fabs(value)))
        return Render(ParseSection(sections[2]), 0, false, settings);
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        return Render(ParseSection(sections[1]), -value, false, settings);
    return Render(positive, std::fabs(value), value < 0, settings);
}

double StrToFormattedFloat(std::string_view text, std::string_view format,
                           const TFormatSettings& settings) {
    double value = 0;
    const std::string trimmed = Trim(text);
    if (TryStrToFloat(WithoutThousands(trimmed, settings), value, settings)) return value;
    // Take off the literals of the section that fits best: the longest that matches.
    const std::vector<std::string> sections = SplitSections(format);
    std::size_t bestLength = 0;
    bool found = false;
    for (std::size_t i = 0; i < sections.size() && i < 3; ++i) {
        std::string prefix, suffix;
        SectionAffixes(ParseSection(sections[i]), prefix, suffix);
        const std::size_t affixes = prefix.size() + suffix.size();
        if (affixes == 0 || trimmed.size() < affixes || (found && affixes <= bestLength)) continue;
        if (trimmed.compare(0, prefix.size(), prefix) != 0 ||
            trimmed.compare(trimmed.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string middle =
            WithoutThousands(trimmed.substr(prefix.size(), trimmed.size() - affixes), settings);
        double parsed = 0;
        if (!TryStrToFloat(middle, parsed, settings)) continue;
        value = i == 1 ? -parsed : parsed;
        bestLength = affixes;
        found = true;
    }
    if (!found)
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}
