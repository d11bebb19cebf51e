#include "tools/qvdat/TsvLine.h"

std::vector<std::string> TsvLine::Split(const std::string& szLine) {
    std::vector<std::string> fields;
    std::size_t nStart = 0;
    for (;;) {
        const std::size_t nTab = szLine.find('\t', nStart);
        if (nTab == std::string::npos) {
            fields.push_back(szLine.substr(nStart));
            return fields;
        }
        fields.push_back(szLine.substr(nStart, nTab - nStart));
        nStart = nTab + 1;
    }
}

std::string TsvLine::Escape(const std::string& szField) {
    std::string szOut;
    szOut.reserve(szField.size());
    for (const char c : szField) {
        switch (c) {
            case '\\':
                szOut += "\\\\";
                break;
            case '\t':
                szOut += "\\t";
                break;
            case '\n':
                szOut += "\\n";
                break;
            case '\r':
                szOut += "\\r";
                break;
            default:
                szOut += c;
                break;
        }
    }
    return szOut;
}

bool TsvLine::Unescape(const std::string& szField, std::string* pszOut, std::string* pszError) {
    std::string szOut;
    for (std::size_t i = 0; i < szField.size(); ++i) {
        if (szField[i] != '\\') {
            szOut += szField[i];
            continue;
        }
        if (++i == szField.size()) {
            *pszError = "a backslash ends the field; write \\\\ for a backslash";
            return false;
        }
        switch (szField[i]) {
            case '\\':
                szOut += '\\';
                break;
            case 't':
                szOut += '\t';
                break;
            case 'n':
                szOut += '\n';
                break;
            case 'r':
                szOut += '\r';
                break;
            default:
                *pszError = std::string("unknown escape \\") + szField[i] +
                            " (only \\\\, \\t, \\n and \\r are known)";
                return false;
        }
    }
    *pszOut = szOut;
    return true;
}
