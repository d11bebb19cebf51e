// TEditMask: parsing a mask and checking characters against its positions.
#include "platform/vcl/stdctrls/EditMask.h"

#include <algorithm>
#include <cctype>

#include "platform/vcl/core/CharCase.h"

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsRequired(char kind) {
    return kind == 'L' || kind == 'A' || kind == 'C' || kind == '0';
}

}  // namespace

TEditMask::TEditMask(std::string_view Mask) {
    // The mask proper, then optionally ";" save-literals flag and ";" blank character. A
    // semicolon escaped with a backslash belongs to the mask.
    std::string_view body = Mask;
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < Mask.size(); ++i) {
        if (Mask[i] == '\\') {
            ++i;
            continue;
        }
        if (Mask[i] == ';') {
            fields.push_back(Mask.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.push_back(Mask.substr(start));
    body = fields[0];
    if (fields.size() > 1 && !fields[1].empty()) m_saveLiterals = fields[1][0] != '0';
    if (fields.size() > 2 && !fields[2].empty()) m_blank = fields[2][0];

    Case convert = Case::Keep;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        Slot slot;
        switch (c) {
            case '!':
                continue;  // blanks lead instead of trail: the same positions either way
            case '>':
                if (i + 1 < body.size() && body[i + 1] == '<') {
                    convert = Case::Keep;
                    ++i;
                } else {
                    convert = Case::Upper;
                }
                continue;
            case '<':
                convert = Case::Lower;
                continue;
            case '\\':
                if (++i < body.size()) slot.Literal = body[i];
                break;
            case 'L':
            case 'l':
            case 'A':
            case 'a':
            case 'C':
            case 'c':
            case '0':
            case '9':
            case '#':
                slot.Kind = c;
                slot.Convert = convert;
                break;
            case '_':
                slot.Literal = ' ';
                break;
            default:
                slot.Literal = c;
                break;
        }
        if (slot.Literal || slot.Kind) m_slots.push_back(slot);
    }
}

bool TEditMask::IsLiteral(int Pos) const {
    return Pos >= 0 && Pos < Length() && m_slots[Pos].Kind == 0;
}

int TEditMask::NextEditable(int Pos) const {
    for (int i = std::max(Pos, 0); i < Length(); ++i)
        if (!IsLiteral(i)) return i;
    return -1;
}

int TEditMask::PrevEditable(int Pos) const {
    for (int i = std::min(Pos, Length() - 1); i >= 0; --i)
        if (!IsLiteral(i)) return i;
    return -1;
}

bool TEditMask::Accepts(int Pos, char& Ch) const {
    if (Pos < 0 || Pos >= Length() || IsLiteral(Pos)) return false;
    const Slot& slot = m_slots[Pos];
    bool ok = false;
    switch (slot.Kind) {
        case 'L':
        case 'l':
            ok = IsLetter(Ch);
            break;
        case 'A':
        case 'a':
            ok = IsLetter(Ch) || IsDigit(Ch);
            break;
        case 'C':
        case 'c':
            ok = static_cast<unsigned char>(Ch) >= 0x20;
            break;
        case '0':
        case '9':
            ok = IsDigit(Ch);
            break;
        case '#':
            ok = IsDigit(Ch) || Ch == '+' || Ch == '-';
            break;
        default:
            break;
    }
    if (!ok) return false;
    if (slot.Convert == Case::Upper)
        Ch = UpperCaseAscii(Ch);
    else if (slot.Convert == Case::Lower)
        Ch = LowerCaseAscii(Ch);
    return true;
}

std::string TEditMask::BlankText() const {
    std::string text;
    for (const Slot& slot : m_slots) text += slot.Kind ? m_blank : slot.Literal;
    return text;
}

std::string TEditMask::Format(std::string_view Value) const {
    std::string text = BlankText();
    std::size_t next = 0;
    for (int pos = 0; pos < Length() && next < Value.size(); ++pos) {
        if (IsLiteral(pos)) {
            // A saved literal stands in the value at its own place.
            if (m_saveLiterals) ++next;
            continue;
        }
        char c = Value[next++];
        if (c != ' ' && Accepts(pos, c)) text[pos] = c;
    }
    return text;
}

std::string TEditMask::Value(std::string_view EditText) const {
    std::string value;
    for (int pos = 0; pos < Length() && pos < static_cast<int>(EditText.size()); ++pos) {
        if (IsLiteral(pos)) {
            if (m_saveLiterals) value += EditText[pos];
            continue;
        }
        value += EditText[pos] == m_blank ? ' ' : EditText[pos];
    }
    return value;
}

bool TEditMask::IsComplete(std::string_view EditText) const {
    for (int pos = 0; pos < Length(); ++pos) {
        if (IsLiteral(pos) || !IsRequired(m_slots[pos].Kind)) continue;
        if (pos >= static_cast<int>(EditText.size()) || EditText[pos] == m_blank) return false;
    }
    return true;
}
