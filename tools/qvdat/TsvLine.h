#pragma once
// Tab-separated lines whose fields may hold any byte but NUL: a backslash escapes the tab,
// the line breaks and itself, so that a field read back is byte for byte the one written.
#include <string>
#include <vector>

class TsvLine {
public:
    static std::vector<std::string> Split(const std::string& szLine);
    static std::string Escape(const std::string& szField);
    // False with a reason for an unknown or unfinished escape.
    static bool Unescape(const std::string& szField, std::string* pszOut, std::string* pszError);
};
