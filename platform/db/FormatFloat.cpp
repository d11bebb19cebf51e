// FormatFloat: the number patterns of DisplayFormat.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/db/Fields.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

std::vector<std::string> SplitSections(const std::string& Format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : Format) {
        if (quote) {
            if (c == quote) quote = 0;
            sections.back() += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            sections.back() += c;
        } else if (c == ';') {
            sections.emplace_back();
        } else {
            sections.back() += c;
        }
    }
    return sections;
}

std::string FormatSection(const std::string& Section, double Value) {
    // Find the number part: from the first digit placeholder to the last.
    int integerZeros = 0, decimalZeros = 0, decimalHashes = 0;
    bool thousands = false, inDecimals = false, seenNumber = false, numberDone = false;
    std::string prefix, suffix;
    char quote = 0;
    for (char c : Section) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                (seenNumber ? suffix : prefix) += c;
            continue;
        }
        bool placeholder = c == '0' || c == '#';
        if (c == '"' || c == '\'') {
            quote = c;
            if (seenNumber) numberDone = true;
        } else if (placeholder && !numberDone) {
            seenNumber = true;
            if (inDecimals)
                (c == '0' ? decimalZeros : decimalHashes)++;
            else if (c == '0')
                integerZeros++;
        } else if (c == '.' && !numberDone && !inDecimals) {
            seenNumber = true;
            inDecimals = true;
        } else if (c == ',' && seenNumber && !inDecimals && !numberDone) {
            thousands = true;
        } else {
            if (seenNumber) numberDone = true;
            (seenNumber ? suffix : prefix) += c;
        }
    }
    int decimals = decimalZeros + decimalHashes;
    char buffer[400];
    // Halves round away from zero, as people expect of a shown amount.
    const double scale = std::pow(10.0, decimals);
    double magnitude = std::fabs(Value);
    if (magnitude * scale < 1e15) magnitude = std::round(magnitude * scale) / scale;
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    std::string digits = buffer;
    std::string integerPart = digits.substr(0, digits.find('.'));
    std::string decimalPart =
        decimals > 0 ? digits.substr(digits.find('.') + 1) : std::string();
    while (static_cast<int>(decimalPart.size()) > decimalZeros && !decimalPart.empty() &&
           decimalPart.back() == '0')
        decimalPart.pop_back();
    if (integerPart == "0" && integerZeros == 0) integerPart.clear();
    if (static_cast<int>(integerPart.size()) < integerZeros)
        integerPart = std::string(static_cast<std::size_t>(integerZeros) - integerPart.size(), '0') +
                      integerPart;
    if (thousands) {
        std::string reversed;
        int count = 0;
        for (auto it = integerPart.rbegin(); it != integerPart.rend(); ++it) {
            if (count > 0 && count % 3 == 0) reversed.push_back(',');
            reversed.push_back(*it);
            ++count;
        }
        integerPart.assign(reversed.rbegin(), reversed.rend());
    }
    std::string number = integerPart;
    if (!decimalPart.empty()) number += "." + decimalPart;
    return prefix + number + suffix;
}

}  // namespace

std::string FormatFloat(const std::string& Format, double Value) {
    if (Format.empty()) return FloatToStr(Value);
    std::vector<std::string> sections = SplitSections(Format);
    if (Value == 0 && sections.size() >= 3 && !sections[2].empty())
        return FormatSection(sections[2], Value);
    if (Value < 0 && sections.size() >= 2 && !sections[1].empty())
        return FormatSection(sections[1], Value);
    std::string text = FormatSection(sections[0], Value);
    // A negative value that rounds to zero digits shows no sign.
    bool allZero = text.find_first_of("123456789") == std::string::npos;
    return Value < 0 && !allZero ? "-" + text : text;
}
