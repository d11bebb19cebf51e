#include "platform/vcl/core/FormValue.h"

#include "platform/vcl/core/SysUtils.h"

TFormValue TFormValue::MakeInteger(std::int64_t v) {
    TFormValue value;
    value.Type = Kind::Integer;
    value.Integer = v;
    return value;
}

TFormValue TFormValue::MakeFloat(double v) {
    TFormValue value;
    value.Type = Kind::Float;
    value.Float = v;
    return value;
}

TFormValue TFormValue::MakeString(std::string v) {
    TFormValue value;
    value.Type = Kind::String;
    value.Text = std::move(v);
    return value;
}

TFormValue TFormValue::MakeIdent(std::string v) {
    TFormValue value;
    value.Type = Kind::Ident;
    value.Text = std::move(v);
    return value;
}

TFormValue TFormValue::MakeBinary(std::vector<std::uint8_t> v) {
    TFormValue value;
    value.Type = Kind::Binary;
    value.Bytes = std::move(v);
    return value;
}

std::string TFormValue::Describe() const {
    switch (Type) {
        case Kind::Integer:
            return "the integer " + IntToStr(Integer);
        case Kind::Float:
            return "the number " + FloatToStr(Float);
        case Kind::String:
            return "the string '" + Text + "'";
        case Kind::Ident:
            return "'" + Text + "'";
        case Kind::Set:
            return "a set";
        case Kind::List:
            return "a list";
        case Kind::Collection:
            return "a collection";
        case Kind::Binary:
            return "binary data";
    }
    return "a value";
}
