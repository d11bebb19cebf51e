#include "platform/vcl/streaming/FormParser.h"

#include <cctype>

#include "platform/vcl/core/SysUtils.h"

namespace {

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || std::isdigit(static_cast<unsigned char>(c));
}
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

TFormParser::TFormParser(std::string_view text, std::string fileName)
    : m_text(text), m_fileName(std::move(fileName)) {
    Next();
}

std::string TFormParser::Where(const std::string& fileName, int line, const std::string& message) {
    return fileName + ":" + IntToStr(line) + ": " + message;
}

void TFormParser::Expected(const std::string& what) const {
    throw EReadError(Where(m_fileName, m_tokenLine, "expected " + what + ", found " + Describe()));
}

std::string TFormParser::Describe() const {
    switch (m_token) {
        case Token::End:
            return "the end of the file";
        case Token::Ident:
            return "'" + m_string + "'";
        case Token::Integer:
        case Token::Float:
            return "the number " + m_number;
        case Token::String:
            return "the string '" + m_string + "'";
        case Token::Symbol:
            return std::string("'") + m_symbol + "'";
    }
    return "something else";
}

void TFormParser::SkipBlanks() {
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (c == '\n') {
            ++m_line;
        } else if (c == '/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '/') {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n') ++m_pos;
            continue;
        } else if (static_cast<unsigned char>(c) > ' ') {
            return;
        }
        ++m_pos;
    }
}

void TFormParser::Next() {
    SkipBlanks();
    m_tokenLine = m_line;
    if (m_pos >= m_text.size()) {
        m_token = Token::End;
        return;
    }
    const char c = m_text[m_pos];
    if (IsIdentStart(c)) {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && IsIdentChar(m_text[m_pos])) ++m_pos;
        m_token = Token::Ident;
        m_string = std::string(m_text.substr(start, m_pos - start));
    } else if (IsDigit(c) || c == '$' ||
               ((c == '-' || c == '+') && m_pos + 1 < m_text.size() &&
                (IsDigit(m_text[m_pos + 1]) || m_text[m_pos + 1] == '$'))) {
        ScanNumber();
    } else if (c == '\'' || c == '#') {
        ScanString();
    } else {
        m_token = Token::Symbol;
        m_symbol = c;
        ++m_pos;
    }
}

void TFormParser::ScanNumber() {
    const std::size_t start = m_pos;
    if (m_text[m_pos] == '-' || m_text[m_pos] == '+') ++m_pos;
    bool hex = false, real = false;
    if (m_pos < m_text.size() && m_text[m_pos] == '$') {
        hex = true;
        ++m_pos;
        while (m_pos < m_text.size() && HexValue(m_text[m_pos]) >= 0) ++m_pos;
    } else {
        while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) ++m_pos;
        if (m_pos + 1 < m_text.size() && m_text[m_pos] == '.' && IsDigit(m_text[m_pos + 1])) {
            real = true;
            ++m_pos;
            while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) ++m_pos;
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            real = true;
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == '-' || m_text[m_pos] == '+')) ++m_pos;
            while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) ++m_pos;
        }
    }
    m_number = std::string(m_text.substr(start, m_pos - start));
    m_token = real ? Token::Float : Token::Integer;
    if (m_pos < m_text.size() && IsIdentChar(m_text[m_pos])) {
        m_tokenLine = m_line;
        throw EReadError(Where(m_fileName, m_line,
                               "expected a number, found '" + m_number + m_text[m_pos] + "...'"));
    }
    (void)hex;
}

// A string is a run of 'quoted' parts and #NNN character codes with nothing between them.
void TFormParser::ScanString() {
    m_string.clear();
    while (m_pos < m_text.size()) {
        if (m_text[m_pos] == '\'') {
            ++m_pos;
            while (true) {
                if (m_pos >= m_text.size() || m_text[m_pos] == '\n')
                    throw EReadError(Where(m_fileName, m_line, "expected ' to end the string"));
                if (m_text[m_pos] == '\'') {
                    if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\'') {
                        m_string += '\'';
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                m_string += m_text[m_pos++];
            }
        } else if (m_text[m_pos] == '#') {
            ++m_pos;
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) ++m_pos;
            std::int64_t code = 0;
            if (start == m_pos || !TryStrToInt(m_text.substr(start, m_pos - start), code) ||
                code > 255)
                throw EReadError(
                    Where(m_fileName, m_line, "expected a character code 0 to 255 after #"));
            m_string += static_cast<char>(code);
        } else {
            break;
        }
    }
    m_token = Token::String;
}

bool TFormParser::IsKeyword(std::string_view word) const {
    return m_token == Token::Ident && SameText(m_string, word);
}

void TFormParser::Take(char c) {
    if (!IsSymbol(c)) Expected(std::string("'") + c + "'");
    Next();
}

std::string TFormParser::TakeIdent(const char* what) {
    if (m_token != Token::Ident) Expected(what);
    std::string ident = m_string;
    Next();
    return ident;
}

std::string TFormParser::TakeDottedIdent(const char* what) {
    std::string ident = TakeIdent(what);
    while (IsSymbol('.')) {
        Next();
        ident += '.' + TakeIdent(what);
    }
    return ident;
}

TFormParser::NestingGuard::NestingGuard(TFormParser& parser) : m_parser(parser) {
    if (++m_parser.m_depth > kMaxNesting)
        throw EReadError(Where(m_parser.m_fileName, m_parser.m_tokenLine,
                               "objects, lists and collections nested more than " +
                                   std::to_string(kMaxNesting) + " deep"));
}

TFormParser::NestingGuard::~NestingGuard() {
    --m_parser.m_depth;
}

TFormObject TFormParser::ParseDescription() {
    TFormObject root = ParseObject();
    if (m_token != Token::End) Expected("the end of the file after the last 'end'");
    return root;
}

TFormObject TFormParser::ParseObject() {
    const NestingGuard guard(*this);
    if (IsKeyword("inherited") || IsKeyword("inline"))
        throw EReadError(
            Where(m_fileName, m_tokenLine,
                  "expected 'object' (inherited and inline objects are not supported)"));
    if (!IsKeyword("object")) Expected("'object'");
    TFormObject object;
    object.Line = m_tokenLine;
    Next();
    std::string first = TakeIdent("a component name or class name");
    if (IsSymbol(':')) {
        Next();
        object.Name = std::move(first);
        object.ClassName = TakeIdent("a class name after ':'");
    } else {
        object.ClassName = std::move(first);
    }
    while (!IsKeyword("end") && !IsKeyword("object") && !IsKeyword("inherited") &&
           !IsKeyword("inline")) {
        if (m_token != Token::Ident) Expected("a property name, 'object' or 'end'");
        object.Properties.push_back(ParseProperty());
    }
    while (!IsKeyword("end")) {
        if (m_token != Token::Ident) Expected("'object' or 'end'");
        object.Children.push_back(ParseObject());
    }
    Next();
    return object;
}

TFormProperty TFormParser::ParseProperty() {
    TFormProperty property;
    property.Line = m_tokenLine;
    property.Name = TakeDottedIdent("a property name");
    Take('=');
    property.Value = ParseValue();
    return property;
}

TFormValue TFormParser::ParseValue() {
    const int line = m_tokenLine;
    TFormValue value;
    switch (m_token) {
        case Token::Integer: {
            std::int64_t v = 0;
            if (!TryStrToInt(m_number, v)) Expected("an integer that fits in 64 bits");
            value = TFormValue::MakeInteger(v);
            Next();
            break;
        }
        case Token::Float: {
            double v = 0;
            if (!TryStrToFloat(m_number, v)) Expected("a number that fits in a double");
            value = TFormValue::MakeFloat(v);
            Next();
            break;
        }
        case Token::String: {
            std::string text = m_string;
            Next();
            while (IsSymbol('+')) {
                Next();
                if (m_token != Token::String) Expected("a string after '+'");
                text += m_string;
                Next();
            }
            value = TFormValue::MakeString(std::move(text));
            break;
        }
        case Token::Ident:
            value = TFormValue::MakeIdent(TakeDottedIdent("an identifier"));
            break;
        case Token::Symbol:
            if (m_symbol == '[') {
                value = ParseSet();
            } else if (m_symbol == '(') {
                value = ParseList();
            } else if (m_symbol == '<') {
                value = ParseCollection();
            } else if (m_symbol == '{') {
                value = ParseBinary();
            } else {
                Expected("a value");
            }
            break;
        case Token::End:
            Expected("a value");
    }
    value.Line = line;
    return value;
}

TFormValue TFormParser::ParseSet() {
    TFormValue value;
    value.Type = TFormValue::Kind::Set;
    Take('[');
    if (!IsSymbol(']')) {
        value.Elements.push_back(TakeIdent("a set element"));
        while (IsSymbol(',')) {
            Next();
            value.Elements.push_back(TakeIdent("a set element after ','"));
        }
    }
    Take(']');
    return value;
}

TFormValue TFormParser::ParseList() {
    const NestingGuard guard(*this);
    TFormValue value;
    value.Type = TFormValue::Kind::List;
    Take('(');
    while (!IsSymbol(')')) {
        if (m_token == Token::End) Expected("')' to end the list");
        value.List.push_back(ParseValue());
    }
    Next();
    return value;
}

TFormValue TFormParser::ParseCollection() {
    const NestingGuard guard(*this);
    TFormValue value;
    value.Type = TFormValue::Kind::Collection;
    Take('<');
    while (!IsSymbol('>')) {
        if (!IsKeyword("item")) Expected("'item' or '>'");
        TFormItem item;
        item.Line = m_tokenLine;
        Next();
        while (!IsKeyword("end")) {
            if (m_token != Token::Ident) Expected("a property name or 'end'");
            item.Properties.push_back(ParseProperty());
        }
        Next();
        value.Items.push_back(std::move(item));
    }
    Next();
    return value;
}

// Binary data is read straight from the text: hex digit pairs, blanks and line breaks.
TFormValue TFormParser::ParseBinary() {
    TFormValue value;
    value.Type = TFormValue::Kind::Binary;
    int pending = -1;
    while (true) {
        if (m_pos >= m_text.size())
            throw EReadError(Where(m_fileName, m_line, "expected '}' to end the binary data"));
        const char c = m_text[m_pos++];
        if (c == '}') break;
        if (c == '\n') ++m_line;
        if (static_cast<unsigned char>(c) <= ' ') continue;
        const int digit = HexValue(c);
        if (digit < 0)
            throw EReadError(Where(
                m_fileName, m_line,
                std::string("expected a hexadecimal digit in binary data, found '") + c + "'"));
        if (pending < 0) {
            pending = digit;
        } else {
            value.Bytes.push_back(static_cast<std::uint8_t>(pending * 16 + digit));
            pending = -1;
        }
    }
    if (pending >= 0)
        throw EReadError(
            Where(m_fileName, m_line, "expected an even number of hexadecimal digits"));
    Next();
    return value;
}
