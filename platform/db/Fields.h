#pragma once
// The field types: how each converts between its stored value, text and the As... accessors.
#include <cstdint>
#include <string>

#include "platform/db/Field.h"

class TStringField : public TField {
    QV_DECLARE_CLASS(TStringField, TField)

    explicit TStringField(TComponent* AOwner);
    std::string GetAsString() const override;
    // Raises when the text is longer than Size: a value is never cut short silently.
    void SetAsString(const std::string& Value) override;
    std::int64_t GetAsLargeInt() const override;
    double GetAsFloat() const override;
    bool GetAsBoolean() const override;

protected:
    Variant Normalize(const Variant& Value) const override;
    int DefaultDisplayWidth() const override { return GetSize() > 0 ? GetSize() : 20; }
};

// Integers of 64 bits; TIntegerField narrows the range to 32 bits.
class TLargeintField : public TField {
    QV_DECLARE_CLASS(TLargeintField, TField)

    explicit TLargeintField(TComponent* AOwner);
    std::string GetAsString() const override;
    void SetAsString(const std::string& Value) override;
    std::int64_t GetAsLargeInt() const override;
    double GetAsFloat() const override { return static_cast<double>(GetAsLargeInt()); }
    bool IsValidChar(char Ch) const override;
    std::int64_t GetMinValue() const { return m_minValue; }
    void SetMinValue(std::int64_t Value) { m_minValue = Value; }
    std::int64_t GetMaxValue() const { return m_maxValue; }
    void SetMaxValue(std::int64_t Value) { m_maxValue = Value; }

protected:
    Variant Normalize(const Variant& Value) const override;
    int DefaultDisplayWidth() const override { return 15; }

    std::int64_t m_minValue = 0;  // both 0: no range beyond the type's
    std::int64_t m_maxValue = 0;
    std::int64_t m_typeMin;
    std::int64_t m_typeMax;
};

class TIntegerField : public TLargeintField {
    QV_DECLARE_CLASS(TIntegerField, TLargeintField)

    explicit TIntegerField(TComponent* AOwner);

protected:
    int DefaultDisplayWidth() const override { return 10; }
};

class TFloatField : public TField {
    QV_DECLARE_CLASS(TFloatField, TField)

    explicit TFloatField(TComponent* AOwner);
    std::string GetAsString() const override;
    void SetAsString(const std::string& Value) override;
    std::int64_t GetAsLargeInt() const override;
    double GetAsFloat() const override;
    std::string GetText() const override;
    std::string GetDisplayText() const override;
    bool IsValidChar(char Ch) const override;
    // A FormatFloat pattern such as "#,##0.00"; empty shows the shortest exact form.
    const std::string& GetDisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const std::string& Value);
    const std::string& GetEditFormat() const { return m_editFormat; }
    void SetEditFormat(const std::string& Value) { m_editFormat = Value; }

protected:
    Variant Normalize(const Variant& Value) const override;

private:
    // False for text that is no number (which SQLite keeps in a REAL column).
    bool HoldsNumber() const;

    std::string m_displayFormat;
    std::string m_editFormat;
};

class TBooleanField : public TField {
    QV_DECLARE_CLASS(TBooleanField, TField)

    explicit TBooleanField(TComponent* AOwner);
    std::string GetAsString() const override;
    void SetAsString(const std::string& Value) override;
    bool GetAsBoolean() const override;
    std::int64_t GetAsLargeInt() const override { return GetAsBoolean() ? 1 : 0; }
    // "True;False": the texts for the two values.
    const std::string& GetDisplayValues() const { return m_displayValues; }
    void SetDisplayValues(const std::string& Value);

protected:
    Variant Normalize(const Variant& Value) const override;
    int DefaultDisplayWidth() const override { return 5; }

private:
    std::string m_displayValues = "True;False";
    std::string m_trueText = "True";
    std::string m_falseText = "False";
};

// Bytes of any length; a grid shows the kind's name instead of the bytes.
class TBlobField : public TField {
    QV_DECLARE_CLASS(TBlobField, TField)

    explicit TBlobField(TComponent* AOwner);
    std::string GetAsString() const override;
    void SetAsString(const std::string& Value) override;
    std::string GetDisplayText() const override;
    // The raw bytes, whatever the kind.
    std::string GetAsBytes() const { return GetAsString(); }
    void SetAsBytes(const std::string& Value) { SetAsString(Value); }

protected:
    Variant Normalize(const Variant& Value) const override;
    virtual std::string KindName() const { return "Blob"; }
};

class TMemoField : public TBlobField {
    QV_DECLARE_CLASS(TMemoField, TBlobField)

    explicit TMemoField(TComponent* AOwner);

protected:
    std::string KindName() const override { return "Memo"; }
};

class TGraphicField : public TBlobField {
    QV_DECLARE_CLASS(TGraphicField, TBlobField)

    explicit TGraphicField(TComponent* AOwner);

protected:
    std::string KindName() const override { return "Graphic"; }
};

// Makes the field of the class for a type, owned by AOwner.
TField* CreateFieldOfType(TFieldType Type, TComponent* AOwner);
