#include "platform/db/Field.h"

#include <algorithm>

#include "platform/db/DataSet.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TField::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TField>("TField")
            .String("FieldName", &TField::GetFieldName, &TField::SetFieldName)
            .String("DisplayLabel", &TField::GetDisplayLabel, &TField::SetDisplayLabel)
            .Stored([](TField& f) { return !f.m_displayLabel.empty(); })
            .Integer("DisplayWidth", &TField::GetDisplayWidth, &TField::SetDisplayWidth)
            .Stored([](TField& f) { return f.m_displayWidth != 0; })
            .String("EditMask", &TField::GetEditMask, &TField::SetEditMask)
            .Boolean("ReadOnly", &TField::GetReadOnly, &TField::SetReadOnly)
            .Boolean("Required", &TField::GetRequired, &TField::SetRequired)
            .Boolean("Visible", &TField::GetVisible, &TField::SetVisible, true)
            .Integer("Size", &TField::GetSize, &TField::SetSize, 0)
            .String("KeyFields", &TField::GetKeyFields, &TField::SetKeyFields)
            .String("LookupKeyFields", &TField::GetLookupKeyFields, &TField::SetLookupKeyFields)
            .String("LookupResultField", &TField::GetLookupResultField,
                    &TField::SetLookupResultField)
            .Event("OnChange", &TField::OnChange)
            .Event("OnValidate", &TField::OnValidate)
            .Build();
    return info;
}

TField::TField(TComponent* AOwner) : TComponent(AOwner) {}

TField::~TField() {
    SetLookupDataSet(nullptr);
    if (m_dataSet) m_dataSet->RemoveField(this);
}

void TField::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == m_lookupDataSet) m_lookupDataSet = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TField::SetDataSet(TDataSet* Value) {
    if (Value == m_dataSet) return;
    if (Value && Value->GetActive()) DatabaseError(dbmsg::DataSetOpen);
    if (m_dataSet) m_dataSet->RemoveField(this);
    if (Value) Value->AddField(this);
}

void TField::SetFieldName(const std::string& Value) {
    if (m_dataSet && m_dataSet->GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_fieldName = Value;
}

void TField::SetFieldKind(TFieldKind Value) {
    if (m_dataSet && m_dataSet->GetActive()) DatabaseError(dbmsg::DataSetOpen);
    m_fieldKind = Value;
}

int TField::GetIndex() const {
    if (!m_dataSet) return -1;
    for (int i = 0; i < m_dataSet->FieldCount(); ++i)
        if (m_dataSet->Fields(i) == this) return i;
    return -1;
}

void TField::SetReadOnly(bool Value) {
    m_readOnly = Value;
    PropertyChanged();
}

void TField::SetVisible(bool Value) {
    if (m_visible == Value) return;
    m_visible = Value;
    PropertyChanged();
}

void TField::SetDisplayLabel(const std::string& Value) {
    m_displayLabel = Value == m_fieldName ? std::string() : Value;
    PropertyChanged();
}

int TField::GetDisplayWidth() const {
    return m_displayWidth > 0 ? m_displayWidth : DefaultDisplayWidth();
}

void TField::SetDisplayWidth(int Value) {
    m_displayWidth = std::max(0, Value);
    PropertyChanged();
}

void TField::SetAlignment(TAlignment Value) {
    m_alignment = Value;
    PropertyChanged();
}

void TField::SetLookupDataSet(TDataSet* Value) {
    if (m_lookupDataSet) m_lookupDataSet->RemoveFreeNotification(this);
    m_lookupDataSet = Value;
    if (Value) Value->FreeNotification(this);
}

void TField::PropertyChanged() {
    if (m_dataSet && m_dataSet->GetActive()) m_dataSet->DataEvent(deLayoutChange, 0);
}

Variant TField::GetValue() const {
    if (!m_dataSet) return {};
    if (m_fieldKind == fkLookup) {
        if (!m_lookupDataSet || !m_lookupDataSet->GetActive()) return {};
        std::vector<Variant> keys;
        for (const std::string& name : SplitFieldNames(m_keyFields)) {
            TField* key = m_dataSet->FindField(name);
            if (!key) return {};
            keys.push_back(key->GetValue());
        }
        if (keys.empty() || std::any_of(keys.begin(), keys.end(),
                                        [](const Variant& v) { return v.IsNull(); }))
            return {};
        return m_lookupDataSet->Lookup(m_lookupKeyFields, keys, m_lookupResultField);
    }
    return m_dataSet->GetFieldValue(*this);
}

void TField::SetValue(const Variant& Value) {
    if (!m_dataSet) DatabaseError("Field '" + m_fieldName + "' has no dataset");
    if (m_fieldKind == fkLookup) {
        // A lookup field is set through its key: find the looked-up record by its result.
        if (!m_lookupDataSet) DatabaseError(dbmsg::FieldReadOnly(m_fieldName));
        std::vector<std::string> keyNames = SplitFieldNames(m_keyFields);
        std::vector<std::string> lookupNames = SplitFieldNames(m_lookupKeyFields);
        if (keyNames.size() != 1 || lookupNames.size() != 1)
            DatabaseError(dbmsg::FieldReadOnly(m_fieldName));
        TField* key = m_dataSet->FieldByName(keyNames[0]);
        if (Value.IsNull()) {
            key->Clear();
            return;
        }
        Variant found = m_lookupDataSet->Lookup(m_lookupResultField, {Value}, lookupNames[0]);
        if (found.IsNull())
            DatabaseError("'" + Value.ToString() + "' is not a value of field '" + m_fieldName +
                          "'");
        key->SetValue(found);
        return;
    }
    m_dataSet->SetFieldValue(*this, Normalize(Value));
}

std::string TField::GetAsString() const {
    return GetValue().ToString();
}

void TField::SetAsString(const std::string& Value) {
    SetValue(Value);
}

std::int64_t TField::GetAsLargeInt() const {
    Variant v = GetValue();
    if (v.IsNull()) return 0;
    if (v.IsInteger()) return v.Integer();
    if (v.IsFloat()) {
        // Beyond the 64-bit range (or not a number) no integer stands for it.
        const double f = v.Float();
        if (!(f > -9.2e18 && f < 9.2e18)) DatabaseError(dbmsg::NotInteger(FloatToStr(f)));
        return static_cast<std::int64_t>(f);
    }
    std::int64_t result = 0;
    if (!TryStrToInt(v.String(), result)) DatabaseError(dbmsg::NotInteger(v.String()));
    return result;
}

void TField::SetAsLargeInt(std::int64_t Value) {
    SetValue(Value);
}

double TField::GetAsFloat() const {
    Variant v = GetValue();
    if (v.IsNull()) return 0;
    if (v.IsFloat()) return v.Float();
    if (v.IsInteger()) return static_cast<double>(v.Integer());
    try {
        return StrToFloat(v.String());
    } catch (const EConvertError&) {
        DatabaseError(dbmsg::NotFloat(v.String()));
    }
}

void TField::SetAsFloat(double Value) {
    SetValue(Value);
}

bool TField::GetAsBoolean() const {
    return GetAsLargeInt() != 0;
}

void TField::SetAsBoolean(bool Value) {
    SetValue(Value);
}

bool TField::IsValidChar(char Ch) const {
    (void)Ch;
    return true;
}

bool TField::CanModify() const {
    if (m_readOnly || !m_dataSet || !m_dataSet->GetCanModify()) return false;
    if (m_fieldKind == fkLookup) {
        std::vector<std::string> keys = SplitFieldNames(m_keyFields);
        if (keys.size() != 1) return false;
        TField* key = m_dataSet->FindField(keys[0]);
        return key && key->CanModify();
    }
    return true;
}

void TField::FocusControl() {
    if (!m_dataSet || !m_dataSet->GetActive()) return;
    TField* self = this;
    m_dataSet->DataEvent(deFocusControl, reinterpret_cast<std::intptr_t>(&self));
}

std::vector<std::string> SplitFieldNames(const std::string& Names) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= Names.size()) {
        std::size_t end = Names.find(';', start);
        if (end == std::string::npos) end = Names.size();
        std::string name = Names.substr(start, end - start);
        while (!name.empty() && name.front() == ' ') name.erase(name.begin());
        while (!name.empty() && name.back() == ' ') name.pop_back();
        if (!name.empty()) result.push_back(name);
        start = end + 1;
    }
    return result;
}
