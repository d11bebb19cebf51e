#pragma once
// Reads the text of a form description into its parsed form. Errors raise EReadError with
// the file name, the line and what was expected there.
#include <string>
#include <string_view>

#include "platform/vcl/core/FormValue.h"

class TFormParser {
public:
    TFormParser(std::string_view text, std::string fileName);

    // The one top-level object of the description; anything after it is an error.
    TFormObject ParseDescription();

    // "file:line: message", the form of every error this reader raises.
    static std::string Where(const std::string& fileName, int line, const std::string& message);

private:
    enum class Token { End, Ident, Integer, Float, String, Symbol };

    void Next();
    void SkipBlanks();
    void ScanNumber();
    void ScanString();
    std::string Describe() const;
    [[noreturn]] void Expected(const std::string& what) const;
    bool IsSymbol(char c) const { return m_token == Token::Symbol && m_symbol == c; }
    bool IsKeyword(std::string_view word) const;
    void Take(char c);
    std::string TakeIdent(const char* what);
    std::string TakeDottedIdent(const char* what);

    // Objects, lists and collections nest by recursion; a description nested deeper than
    // any form needs is refused before it can use up the stack.
    static constexpr int kMaxNesting = 100;
    class NestingGuard {
    public:
        explicit NestingGuard(TFormParser& parser);
        ~NestingGuard();
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        TFormParser& m_parser;
    };

    TFormObject ParseObject();
    TFormProperty ParseProperty();
    TFormValue ParseValue();
    TFormValue ParseSet();
    TFormValue ParseList();
    TFormValue ParseCollection();
    TFormValue ParseBinary();

    std::string_view m_text;
    std::string m_fileName;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_depth = 0;

    Token m_token = Token::End;
    int m_tokenLine = 1;
    char m_symbol = 0;
    std::string m_string;  // Ident and String
    std::string m_number;  // the spelling of Integer and Float
};
