#pragma once
// TEditMask: an edit mask ("!99/99/00;1;_") taken apart into positions, each a literal or a
// place for one character of a kind, and the conversions between the text a user sees while
// editing and the value the edit reports.
#include <string>
#include <string_view>
#include <vector>

class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(std::string_view Mask);

    bool IsEmpty() const { return m_slots.empty(); }
    int Length() const { return static_cast<int>(m_slots.size()); }
    bool SaveLiterals() const { return m_saveLiterals; }
    char BlankChar() const { return m_blank; }

    bool IsLiteral(int Pos) const;
    // The first position at or after Pos (before Pos, going back) that takes input, or -1.
    int NextEditable(int Pos) const;
    int PrevEditable(int Pos) const;
    // Whether Ch may stand at Pos; Ch comes back in the case the mask asks for.
    bool Accepts(int Pos, char& Ch) const;

    // The text while editing: literals in place and blanks where nothing was typed.
    std::string BlankText() const;
    // Places a value into the mask: with literals saved, character for character; without,
    // the value's characters fill the input positions in order. Characters that do not fit
    // leave their position blank.
    std::string Format(std::string_view Value) const;
    // The value of an editing text: blanks become spaces, literals stay only when saved.
    std::string Value(std::string_view EditText) const;
    // Every required position holds a character.
    bool IsComplete(std::string_view EditText) const;

private:
    enum class Case { Keep, Upper, Lower };
    struct Slot {
        char Literal = 0;  // a literal's character; 0 for an input position
        char Kind = 0;     // the mask character of an input position
        Case Convert = Case::Keep;
    };

    std::vector<Slot> m_slots;
    bool m_saveLiterals = true;
    char m_blank = '_';
};
