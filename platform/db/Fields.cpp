#include "platform/db/Fields.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/db/DBError.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"

// TStringField

const TClassInfo& TStringField::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TStringField>("TStringField").Build();
    return info;
}

TStringField::TStringField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftString);
    SetSize(20);
}

std::string TStringField::GetAsString() const {
    return GetValue().ToString();
}

void TStringField::SetAsString(const std::string& Value) {
    SetValue(Value);
}

Variant TStringField::Normalize(const Variant& Value) const {
    if (Value.IsNull()) return Value;
    std::string text = Value.ToString();
    if (GetSize() > 0 && static_cast<int>(text.size()) > GetSize())
        DatabaseError(dbmsg::FieldTooLong(GetDisplayLabel(), GetSize()));
    return text;
}

std::int64_t TStringField::GetAsLargeInt() const {
    std::string text = GetAsString();
    std::int64_t value = 0;
    if (text.empty()) return 0;
    if (!TryStrToInt(text, value)) DatabaseError(dbmsg::NotInteger(text));
    return value;
}

double TStringField::GetAsFloat() const {
    std::string text = GetAsString();
    if (text.empty()) return 0;
    try {
        return StrToFloat(text);
    } catch (const EConvertError&) {
        DatabaseError(dbmsg::NotFloat(text));
    }
}

bool TStringField::GetAsBoolean() const {
    std::string text = GetAsString();
    if (text.empty()) return false;
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (c == 'T' || c == 'Y' || c == '1') return true;
    if (c == 'F' || c == 'N' || c == '0') return false;
    DatabaseError(dbmsg::NotBoolean(text));
}

// TLargeintField and TIntegerField

const TClassInfo& TLargeintField::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TLargeintField>("TLargeintField").Build();
    return info;
}

TLargeintField::TLargeintField(TComponent* AOwner)
    : TField(AOwner),
      m_typeMin(std::numeric_limits<std::int64_t>::min()),
      m_typeMax(std::numeric_limits<std::int64_t>::max()) {
    SetDataType(ftLargeint);
    SetAlignment(taRightJustify);
}

std::string TLargeintField::GetAsString() const {
    Variant v = GetValue();
    if (v.IsNull()) return {};
    // SQLite keeps text, or a fraction, that an integer column was given: it shows as what
    // it is.
    std::int64_t number = 0;
    if (v.IsString() && !TryStrToInt(v.String(), number)) return v.String();
    if (v.IsFloat() && (v.Float() != std::floor(v.Float()) || !(std::fabs(v.Float()) < 9.2e18)))
        return FloatToStr(v.Float());
    return IntToStr(GetAsLargeInt());
}

void TLargeintField::SetAsString(const std::string& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    std::int64_t value = 0;
    if (!TryStrToInt(Value, value)) DatabaseError(dbmsg::NotInteger(Value));
    SetAsLargeInt(value);
}

std::int64_t TLargeintField::GetAsLargeInt() const {
    return TField::GetAsLargeInt();
}

bool TLargeintField::IsValidChar(char Ch) const {
    return std::isdigit(static_cast<unsigned char>(Ch)) || Ch == '+' || Ch == '-';
}

Variant TLargeintField::Normalize(const Variant& Value) const {
    if (Value.IsNull()) return Value;
    std::int64_t v = 0;
    if (Value.IsInteger())
        v = Value.Integer();
    else if (Value.IsFloat()) {
        double f = Value.Float();
        if (f != std::floor(f) || f < -9.2e18 || f > 9.2e18)
            DatabaseError(dbmsg::NotInteger(FloatToStr(f)));
        v = static_cast<std::int64_t>(f);
    } else if (!TryStrToInt(Value.String(), v))
        DatabaseError(dbmsg::NotInteger(Value.String()));
    std::int64_t lo = m_typeMin, hi = m_typeMax;
    if (m_minValue != 0 || m_maxValue != 0) {
        lo = m_minValue;
        hi = m_maxValue;
    }
    if (v < lo || v > hi)
        DatabaseError(dbmsg::OutOfRange(IntToStr(v), GetDisplayLabel(), IntToStr(lo), IntToStr(hi)));
    return v;
}

const TClassInfo& TIntegerField::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TIntegerField>("TIntegerField").Build();
    return info;
}

TIntegerField::TIntegerField(TComponent* AOwner) : TLargeintField(AOwner) {
    SetDataType(ftInteger);
    m_typeMin = std::numeric_limits<std::int32_t>::min();
    m_typeMax = std::numeric_limits<std::int32_t>::max();
}

// TFloatField

const TClassInfo& TFloatField::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TFloatField>("TFloatField")
            .String("DisplayFormat", &TFloatField::GetDisplayFormat, &TFloatField::SetDisplayFormat)
            .String("EditFormat", &TFloatField::GetEditFormat, &TFloatField::SetEditFormat)
            .Build();
    return info;
}

TFloatField::TFloatField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftFloat);
    SetAlignment(taRightJustify);
}

std::string TFloatField::GetAsString() const {
    Variant v = GetValue();
    if (v.IsNull()) return {};
    if (!HoldsNumber()) return v.String();  // text the column was given, shown as it is
    return FloatToStr(GetAsFloat());
}

bool TFloatField::HoldsNumber() const {
    const Variant v = GetValue();
    double number = 0;
    return !v.IsString() || TryStrToFloat(v.String(), number);
}

void TFloatField::SetAsString(const std::string& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    double value = 0;
    try {
        value = StrToFloat(Value);
    } catch (const EConvertError&) {
        DatabaseError(dbmsg::NotFloat(Value));
    }
    SetAsFloat(value);
}

std::int64_t TFloatField::GetAsLargeInt() const {
    return static_cast<std::int64_t>(std::llround(GetAsFloat()));
}

double TFloatField::GetAsFloat() const {
    return TField::GetAsFloat();
}

std::string TFloatField::GetText() const {
    if (m_editFormat.empty() || IsNull() || !HoldsNumber()) return GetAsString();
    return FormatFloat(m_editFormat, GetAsFloat());
}

std::string TFloatField::GetDisplayText() const {
    if (m_displayFormat.empty() || IsNull() || !HoldsNumber()) return GetAsString();
    return FormatFloat(m_displayFormat, GetAsFloat());
}

void TFloatField::SetDisplayFormat(const std::string& Value) {
    m_displayFormat = Value;
    PropertyChanged();
}

bool TFloatField::IsValidChar(char Ch) const {
    return std::isdigit(static_cast<unsigned char>(Ch)) || Ch == '+' || Ch == '-' || Ch == '.' ||
           Ch == 'e' || Ch == 'E';
}

Variant TFloatField::Normalize(const Variant& Value) const {
    if (Value.IsNull()) return Value;
    if (Value.IsFloat()) return Value;
    if (Value.IsInteger()) return static_cast<double>(Value.Integer());
    try {
        return StrToFloat(Value.String());
    } catch (const EConvertError&) {
        DatabaseError(dbmsg::NotFloat(Value.String()));
    }
}

// TBooleanField

const TClassInfo& TBooleanField::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TBooleanField>("TBooleanField")
            .String("DisplayValues", &TBooleanField::GetDisplayValues,
                    &TBooleanField::SetDisplayValues)
            .Build();
    return info;
}

TBooleanField::TBooleanField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftBoolean);
}

void TBooleanField::SetDisplayValues(const std::string& Value) {
    std::size_t semi = Value.find(';');
    std::string t = Value.substr(0, semi);
    std::string f = semi == std::string::npos ? std::string() : Value.substr(semi + 1);
    if (t.empty() && f.empty()) DatabaseError("'" + Value + "' is not a valid pair of values");
    m_displayValues = Value;
    m_trueText = t;
    m_falseText = f;
    PropertyChanged();
}

std::string TBooleanField::GetAsString() const {
    Variant v = GetValue();
    if (v.IsNull()) return {};
    try {
        return Normalize(v).Integer() != 0 ? m_trueText : m_falseText;
    } catch (const EDatabaseError&) {
        return v.ToString();  // text that is neither value, shown as it is
    }
}

void TBooleanField::SetAsString(const std::string& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    SetValue(Value);
}

bool TBooleanField::GetAsBoolean() const {
    Variant v = GetValue();
    if (v.IsNull()) return false;
    return Normalize(v).Integer() != 0;
}

Variant TBooleanField::Normalize(const Variant& Value) const {
    if (Value.IsNull()) return Value;
    if (Value.IsInteger()) return Variant(Value.Integer() != 0);
    if (Value.IsFloat()) return Variant(Value.Float() != 0);
    const std::string& text = Value.String();
    auto matches = [&](const std::string& candidate) {
        return !candidate.empty() && text.size() <= candidate.size() &&
               SameText(text, candidate.substr(0, text.size()));
    };
    if (SameText(text, m_trueText) || SameText(text, "True") || text == "1") return Variant(true);
    if (SameText(text, m_falseText) || SameText(text, "False") || text == "0")
        return Variant(false);
    // A prefix of one of the texts, as users type "T" or "F".
    if (matches(m_trueText) && !matches(m_falseText)) return Variant(true);
    if (matches(m_falseText) && !matches(m_trueText)) return Variant(false);
    DatabaseError(dbmsg::NotBoolean(text));
}

// TBlobField, TMemoField, TGraphicField

const TClassInfo& TBlobField::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBlobField>("TBlobField").Build();
    return info;
}

TBlobField::TBlobField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftBlob);
}

std::string TBlobField::GetAsString() const {
    Variant v = GetValue();
    return v.IsNull() ? std::string() : v.ToString();
}

void TBlobField::SetAsString(const std::string& Value) {
    if (Value.empty())
        Clear();
    else
        SetValue(Value);
}

std::string TBlobField::GetDisplayText() const {
    std::string text = "(";
    text += IsNull() ? KindName() : UpperCase(KindName());
    text += ')';
    return text;
}

Variant TBlobField::Normalize(const Variant& Value) const {
    if (Value.IsNull() || Value.IsString()) return Value;
    return Value.ToString();
}

const TClassInfo& TMemoField::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMemoField>("TMemoField").Build();
    return info;
}

TMemoField::TMemoField(TComponent* AOwner) : TBlobField(AOwner) {
    SetDataType(ftMemo);
}

const TClassInfo& TGraphicField::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphicField>("TGraphicField").Build();
    return info;
}

TGraphicField::TGraphicField(TComponent* AOwner) : TBlobField(AOwner) {
    SetDataType(ftGraphic);
}

TField* CreateFieldOfType(TFieldType Type, TComponent* AOwner) {
    switch (Type) {
        case ftInteger: return new TIntegerField(AOwner);
        case ftLargeint: return new TLargeintField(AOwner);
        case ftFloat: return new TFloatField(AOwner);
        case ftBoolean: return new TBooleanField(AOwner);
        case ftMemo: return new TMemoField(AOwner);
        case ftBlob: return new TBlobField(AOwner);
        case ftGraphic: return new TGraphicField(AOwner);
        case ftString:
        case ftUnknown: break;
    }
    return new TStringField(AOwner);
}
