#pragma once
// TField: one column of a dataset's current record, with its display properties and the
// conversions of its type. The typed fields (Fields.h) decide how values convert; every
// refusal is an EDatabaseError.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/db/Variant.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/core/Component.h"

class TDataSet;
class TField;

enum TFieldType {
    ftUnknown,
    ftString,
    ftInteger,
    ftLargeint,
    ftFloat,
    ftBoolean,
    ftMemo,
    ftBlob,
    ftGraphic,
};
// Data fields hold a column; lookup fields show a value found in another dataset.
enum TFieldKind { fkData, fkLookup };

using TFieldNotifyEvent = TEvent<void(TField* Sender)>;

class TField : public TComponent {
    QV_DECLARE_CLASS(TField, TComponent)

    explicit TField(TComponent* AOwner);
    ~TField() override;

    TDataSet* GetDataSet() const { return m_dataSet; }
    // Adds the field to the dataset's fields (persistent fields are made this way before Open).
    void SetDataSet(TDataSet* Value);
    const std::string& GetFieldName() const { return m_fieldName; }
    void SetFieldName(const std::string& Value);
    TFieldType GetDataType() const { return m_dataType; }
    TFieldKind GetFieldKind() const { return m_fieldKind; }
    void SetFieldKind(TFieldKind Value);
    // The column's position in the record, from 1; 0 for a lookup field.
    int GetFieldNo() const { return m_fieldNo; }
    int GetIndex() const;
    int GetSize() const { return m_size; }
    void SetSize(int Value) { m_size = Value; }

    bool GetRequired() const { return m_required; }
    void SetRequired(bool Value) { m_required = Value; }
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool Value);
    // The label a grid shows; the field name when none is set.
    std::string GetDisplayLabel() const { return m_displayLabel.empty() ? m_fieldName : m_displayLabel; }
    void SetDisplayLabel(const std::string& Value);
    // In characters; a field type's default when none is set.
    int GetDisplayWidth() const;
    void SetDisplayWidth(int Value);
    const std::string& GetEditMask() const { return m_editMask; }
    void SetEditMask(const std::string& Value) { m_editMask = Value; }
    TAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    // Lookup fields: the value of LookupResultField in the LookupDataSet record whose
    // LookupKeyFields equal this record's KeyFields.
    TDataSet* GetLookupDataSet() const { return m_lookupDataSet; }
    void SetLookupDataSet(TDataSet* Value);
    const std::string& GetKeyFields() const { return m_keyFields; }
    void SetKeyFields(const std::string& Value) { m_keyFields = Value; }
    const std::string& GetLookupKeyFields() const { return m_lookupKeyFields; }
    void SetLookupKeyFields(const std::string& Value) { m_lookupKeyFields = Value; }
    const std::string& GetLookupResultField() const { return m_lookupResultField; }
    void SetLookupResultField(const std::string& Value) { m_lookupResultField = Value; }
    bool IsLookup() const { return m_fieldKind == fkLookup; }

    // The value of the record that the dataset shows now.
    Variant GetValue() const;
    void SetValue(const Variant& Value);
    bool IsNull() const { return GetValue().IsNull(); }
    void Clear() { SetValue(Variant()); }

    virtual std::string GetAsString() const;
    virtual void SetAsString(const std::string& Value);
    virtual std::int64_t GetAsLargeInt() const;
    virtual void SetAsLargeInt(std::int64_t Value);
    int GetAsInteger() const { return static_cast<int>(GetAsLargeInt()); }
    void SetAsInteger(int Value) { SetAsLargeInt(Value); }
    virtual double GetAsFloat() const;
    virtual void SetAsFloat(double Value);
    virtual bool GetAsBoolean() const;
    virtual void SetAsBoolean(bool Value);

    // The text an edit shows and takes; DisplayText is what a grid or label shows.
    virtual std::string GetText() const { return GetAsString(); }
    void SetText(const std::string& Value) { SetAsString(Value); }
    virtual std::string GetDisplayText() const { return GetText(); }

    // Whether a character may be typed into an edit bound to this field.
    virtual bool IsValidChar(char Ch) const;
    // Whether the field can be written now: not read-only, a data field, of a modifiable set.
    bool CanModify() const;
    // Puts the focus on the control bound to the field (through the dataset's links).
    void FocusControl();

    TFieldNotifyEvent OnValidate;
    TFieldNotifyEvent OnChange;

protected:
    void SetDataType(TFieldType Value) { m_dataType = Value; }
    // Converts a value of another kind to the field's own, or raises; null stays null.
    virtual Variant Normalize(const Variant& Value) const { return Value; }
    virtual int DefaultDisplayWidth() const { return 10; }
    void PropertyChanged();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TDataSet;

    TDataSet* m_dataSet = nullptr;
    std::string m_fieldName;
    TFieldType m_dataType = ftUnknown;
    TFieldKind m_fieldKind = fkData;
    int m_fieldNo = 0;
    int m_size = 0;
    bool m_required = false;
    bool m_readOnly = false;
    bool m_visible = true;
    bool m_defaultField = false;
    std::string m_displayLabel;
    int m_displayWidth = 0;
    std::string m_editMask;
    TAlignment m_alignment = taLeftJustify;
    TDataSet* m_lookupDataSet = nullptr;
    std::string m_keyFields;
    std::string m_lookupKeyFields;
    std::string m_lookupResultField;
    bool m_validating = false;
};

// Splits a list of field names separated by ";".
std::vector<std::string> SplitFieldNames(const std::string& Names);
