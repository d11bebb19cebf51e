#pragma once
// Upper- and lower-casing of UTF-8 text, a character at a time.
#include <string>
#include <string_view>

// Locale: the user's language decides (Turkish "i" becomes a dotted capital), and a
// character it leaves alone takes Unicode's own mapping. Invariant: ASCII letters by the C
// locale's rule whatever the user's language, every other character by Unicode's mapping:
// for text such as identifiers, which are the same in every language.
enum class TCaseRule { Locale, Invariant };

std::string UpperCaseText(std::string_view Text, TCaseRule Rule);
std::string LowerCaseText(std::string_view Text, TCaseRule Rule);

// One byte of ASCII by the C locale's rule; any other byte stays as it is.
constexpr char UpperCaseAscii(char Ch) {
    return Ch >= 'a' && Ch <= 'z' ? static_cast<char>(Ch - 'a' + 'A') : Ch;
}
constexpr char LowerCaseAscii(char Ch) {
    return Ch >= 'A' && Ch <= 'Z' ? static_cast<char>(Ch - 'A' + 'a') : Ch;
}
