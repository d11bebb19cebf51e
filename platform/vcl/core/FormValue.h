#pragma once
// The parsed form of a form description: objects with their property values, before they
// are applied to components (and after they are taken from components, for writing).
#include <cstdint>
#include <string>
#include <vector>

struct TFormProperty;

// One item of a collection value: < item ... end >.
struct TFormItem {
    int Line = 0;
    std::vector<TFormProperty> Properties;
};

struct TFormValue {
    enum class Kind { Integer, Float, String, Ident, Set, List, Collection, Binary };
    Kind Type = Kind::Integer;
    int Line = 0;
    std::int64_t Integer = 0;
    double Float = 0;
    std::string Text;                   // String, and the name for Ident
    std::vector<std::string> Elements;  // Set
    std::vector<TFormValue> List;       // List: ( 'a' 'b' )
    std::vector<TFormItem> Items;       // Collection
    std::vector<std::uint8_t> Bytes;    // Binary: { 0A1B }

    static TFormValue MakeInteger(std::int64_t v);
    static TFormValue MakeFloat(double v);
    static TFormValue MakeString(std::string v);
    static TFormValue MakeIdent(std::string v);
    static TFormValue MakeBinary(std::vector<std::uint8_t> v);
    // What the value is, for error messages: "an integer", "'abc'", "identifier Foo".
    std::string Describe() const;
};

struct TFormProperty {
    std::string Name;  // may be a path: Font.Style
    int Line = 0;
    TFormValue Value;
};

struct TFormObject {
    std::string Name;  // may be empty
    std::string ClassName;
    int Line = 0;
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
};
