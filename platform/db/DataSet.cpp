// TDataSet: opening, fields, navigation, searching and the data events to its sources.
#include "platform/db/DataSet.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/db/DataSource.h"
#include "platform/db/Fields.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TDataSet::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TDataSet>("TDataSet")
            .Boolean("Active", &TDataSet::GetActive, &TDataSet::SetActive)
            .Event("BeforeOpen", &TDataSet::BeforeOpen)
            .Event("AfterOpen", &TDataSet::AfterOpen)
            .Event("BeforeClose", &TDataSet::BeforeClose)
            .Event("AfterClose", &TDataSet::AfterClose)
            .Event("BeforeInsert", &TDataSet::BeforeInsert)
            .Event("AfterInsert", &TDataSet::AfterInsert)
            .Event("BeforeEdit", &TDataSet::BeforeEdit)
            .Event("AfterEdit", &TDataSet::AfterEdit)
            .Event("BeforePost", &TDataSet::BeforePost)
            .Event("AfterPost", &TDataSet::AfterPost)
            .Event("BeforeCancel", &TDataSet::BeforeCancel)
            .Event("AfterCancel", &TDataSet::AfterCancel)
            .Event("BeforeDelete", &TDataSet::BeforeDelete)
            .Event("AfterDelete", &TDataSet::AfterDelete)
            .Event("BeforeScroll", &TDataSet::BeforeScroll)
            .Event("AfterScroll", &TDataSet::AfterScroll)
            .Event("BeforeRefresh", &TDataSet::BeforeRefresh)
            .Event("AfterRefresh", &TDataSet::AfterRefresh)
            .Event("OnNewRecord", &TDataSet::OnNewRecord)
            .Build();
    return info;
}

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet() {
    // A descendant closes in its own destructor; here only what is left is let go.
    if (m_state != dsInactive) SetState(dsInactive);
    for (TDataSource* source : std::vector<TDataSource*>(m_dataSources)) source->SetDataSet(nullptr);
    for (TField* field : std::vector<TField*>(m_fields)) {
        field->m_dataSet = nullptr;
        if (field->m_defaultField) delete field;
    }
    m_fields.clear();
}

void TDataSet::Fire(const TDataSetNotifyEvent& Event) {
    if (Event) Event(this);
}

// Opening and closing

void TDataSet::SetActive(bool Value) {
    if (Value == GetActive()) return;
    if (ComponentState() & csLoading) return;
    if (Value)
        OpenCursor();
    else
        CloseCursor();
}

void TDataSet::OpenCursor() {
    Fire(BeforeOpen);
    std::vector<TFieldDef> defs;
    std::vector<TRecordData> records;
    InternalOpen(defs, records);
    m_fieldDefs = std::move(defs);
    m_records = std::move(records);
    try {
        BindFields();
    } catch (...) {
        m_records.clear();
        InternalClose();
        throw;
    }
    m_current = m_records.empty() ? -1 : 0;
    m_windowStart = 0;
    m_windowEnd = !InternalWindowed();
    m_displayRecord = -1;
    m_bof = true;
    m_eof = m_records.empty();
    SetState(dsBrowse);
    Fire(AfterOpen);
}

void TDataSet::CloseCursor() {
    Fire(BeforeClose);
    SetState(dsInactive);
    InternalClose();
    m_records.clear();
    m_current = -1;
    m_bof = m_eof = true;
    std::vector<TField*> kept;
    for (TField* field : m_fields) {
        if (field->m_defaultField) {
            field->m_dataSet = nullptr;  // so that its destructor leaves m_fields alone
            delete field;
        } else
            kept.push_back(field);
    }
    m_fields = std::move(kept);
    m_fieldDefs.clear();
    Fire(AfterClose);
}

TField* TDataSet::CreateField(const TFieldDef& Def) {
    return CreateFieldOfType(Def.DataType, this);
}

void TDataSet::BindFields() {
    std::vector<TField*> persistent = m_fields;
    // A field finds its column by name at every open: the columns may have moved since.
    for (TField* field : persistent)
        if (field->m_fieldKind == fkData) field->m_fieldNo = 0;
    std::vector<TField*> ordered;
    std::vector<TField*> created;
    auto fail = [&](const std::string& message) {
        for (TField* f : created) {
            f->m_dataSet = nullptr;
            delete f;
        }
        DatabaseError(message);
    };
    for (std::size_t i = 0; i < m_fieldDefs.size(); ++i) {
        const TFieldDef& def = m_fieldDefs[i];
        auto it = std::find_if(persistent.begin(), persistent.end(), [&](TField* f) {
            return f->m_fieldKind == fkData && SameText(f->m_fieldName, def.Name);
        });
        TField* field = nullptr;
        if (it != persistent.end()) {
            field = *it;
        } else {
            field = CreateField(def);
            field->m_defaultField = true;
            field->m_fieldName = def.Name;
            if (def.DataType == ftString) field->m_size = def.Size;
            field->m_required = def.Required;
            field->m_dataSet = this;
            created.push_back(field);
        }
        field->m_fieldNo = static_cast<int>(i) + 1;
        ordered.push_back(field);
    }
    for (TField* field : persistent) {
        if (field->m_fieldKind == fkData && field->m_fieldNo == 0)
            fail(dbmsg::FieldNotFound(field->m_fieldName));
        if (field->m_fieldKind == fkLookup) ordered.push_back(field);
    }
    m_fields = std::move(ordered);
    // Bound persistent fields keep their number until the next open.
    for (TField* field : persistent)
        if (field->m_fieldKind != fkData) field->m_fieldNo = 0;
}

void TDataSet::AddField(TField* Field) {
    m_fields.push_back(Field);
    Field->m_dataSet = this;
}

void TDataSet::RemoveField(TField* Field) {
    auto it = std::find(m_fields.begin(), m_fields.end(), Field);
    if (it == m_fields.end()) return;
    m_fields.erase(it);
    Field->m_dataSet = nullptr;
    if (GetActive() && !(ComponentState() & csDestroying)) DataEvent(deLayoutChange, 0);
}

TField* TDataSet::FindField(const std::string& FieldName) const {
    for (TField* field : m_fields)
        if (SameText(field->m_fieldName, FieldName)) return field;
    return nullptr;
}

TField* TDataSet::FieldByName(const std::string& FieldName) const {
    TField* field = FindField(FieldName);
    if (!field) DatabaseError(dbmsg::FieldNotFound(FieldName));
    return field;
}

void TDataSet::GetFieldList(std::vector<TField*>& List, const std::string& FieldNames) const {
    List.clear();
    for (const std::string& name : SplitFieldNames(FieldNames)) List.push_back(FieldByName(name));
}

void TDataSet::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
}

// State and events

void TDataSet::SetState(TDataSetState Value) {
    if (m_state == Value) return;
    m_state = Value;
    m_modified = false;
    DataEvent(deUpdateState, 0);
}

void TDataSet::CheckActive() const {
    if (m_state == dsInactive) DatabaseError(dbmsg::DataSetClosed);
}

void TDataSet::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deFieldChange) m_modified = true;
    // A link that was reading another record for painting never outlives a move.
    if (Event == deDataSetChange || Event == deDataSetScroll) m_displayRecord = -1;
    if (m_disableCount == 0) {
        for (TDataSource* source : std::vector<TDataSource*>(m_dataSources))
            if (std::find(m_dataSources.begin(), m_dataSources.end(), source) !=
                m_dataSources.end())
                source->DataEvent(Event, Info);
    } else if (Event == deLayoutChange || (Event == deUpdateState && m_state == dsInactive)) {
        m_enableEvent = deLayoutChange;
    }
}

void TDataSet::DisableControls() {
    if (m_disableCount == 0) {
        m_disableState = m_state;
        m_enableEvent = deDataSetChange;
    }
    ++m_disableCount;
}

void TDataSet::EnableControls() {
    if (m_disableCount == 0) return;
    if (--m_disableCount > 0) return;
    if (m_state != m_disableState) DataEvent(deUpdateState, 0);
    if (m_disableState != dsInactive && m_state != dsInactive) DataEvent(m_enableEvent, 0);
}

void TDataSet::AddDataSource(TDataSource* Source) {
    m_dataSources.push_back(Source);
}

void TDataSet::RemoveDataSource(TDataSource* Source) {
    m_dataSources.erase(std::remove(m_dataSources.begin(), m_dataSources.end(), Source),
                        m_dataSources.end());
}

// Navigation

int TDataSet::GetRecordCount() const {
    if (!m_windowEnd) return static_cast<int>(std::min<std::int64_t>(InternalCountRecords(), INT32_MAX));
    int n = static_cast<int>(m_windowStart) + static_cast<int>(m_records.size());
    return m_state == dsInsert ? n - 1 : n;
}

bool TDataSet::IsEmpty() const {
    return m_state != dsInsert && m_records.empty();
}

int TDataSet::GetRecNo() const {
    return m_current < 0 ? 0 : static_cast<int>(m_windowStart) + m_current + 1;
}

void TDataSet::SetRecNo(int Value) {
    CheckBrowseMode();
    if (m_records.empty()) return;
    int target = std::clamp(Value - 1, 0, static_cast<int>(m_records.size()) - 1);
    if (m_windowStart > 0 || !m_windowEnd) {
        const std::int64_t wanted = std::clamp(Value - 1, 0, std::max(GetRecordCount() - 1, 0));
        target = static_cast<int>(wanted - m_windowStart);
        if (target < 0 || target >= static_cast<int>(m_records.size()))
            target = SlideWindow(wanted, wanted > m_windowStart + m_current);
    }
    if (target != m_current) DoScroll(target, deDataSetChange);
}

void TDataSet::DoScroll(int Target, TDataEvent Event) {
    Fire(BeforeScroll);
    int distance = Target - m_current;
    m_current = Target;
    m_bof = m_eof = false;
    DataEvent(Event, distance);
    Fire(AfterScroll);
}

void TDataSet::First() {
    CheckBrowseMode();
    Fire(BeforeScroll);
    if (m_windowStart > 0) SlideWindow(0, true);
    m_current = m_records.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_records.empty();
    DataEvent(deDataSetChange, 0);
    Fire(AfterScroll);
}

void TDataSet::Last() {
    CheckBrowseMode();
    Fire(BeforeScroll);
    if (!m_windowEnd) SlideWindow(InternalCountRecords() - 1, false);
    m_current = static_cast<int>(m_records.size()) - 1;
    m_eof = true;
    m_bof = m_records.empty();
    DataEvent(deDataSetChange, 0);
    Fire(AfterScroll);
}

int TDataSet::MoveBy(int Distance) {
    CheckBrowseMode();
    int n = static_cast<int>(m_records.size());
    if (n == 0) {
        m_bof = m_eof = true;
        return 0;
    }
    if (Distance == 0) return 0;
    Fire(BeforeScroll);
    // A windowed set reads the records the move reaches; the links then see a new window.
    const long long wanted = static_cast<long long>(m_current) + Distance;
    const bool slid = (wanted >= n && !m_windowEnd) || (wanted < 0 && m_windowStart > 0);
    if (slid) {
        SlideWindow(std::max<std::int64_t>(0, m_windowStart + wanted), Distance > 0);
        n = static_cast<int>(m_records.size());
    }
    m_bof = m_eof = false;
    long long target = static_cast<long long>(m_current) + Distance;
    if (target >= n) {
        target = n - 1;
        m_eof = true;
    } else if (target < 0) {
        target = 0;
        m_bof = true;
    }
    int moved = static_cast<int>(target) - m_current;
    if (moved != 0) {
        m_current = static_cast<int>(target);
        DataEvent(slid ? deDataSetChange : deDataSetScroll, slid ? 0 : moved);
        Fire(AfterScroll);
    }
    return moved;
}

void TDataSet::Resync() {
    const int n = static_cast<int>(m_records.size());
    if (n == 0) {
        m_current = -1;
        m_bof = m_eof = true;
    } else {
        m_current = std::clamp(m_current, 0, n - 1);
    }
    DataEvent(deDataSetChange, 0);
}

// Searching and bookmarks

static bool ValuesMatch(const Variant& a, const Variant& b, TLocateOptions Options) {
    if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
    bool aNumber = a.IsInteger() || a.IsFloat(), bNumber = b.IsInteger() || b.IsFloat();
    if (aNumber && bNumber) {
        if (a.IsInteger() && b.IsInteger()) return a.Integer() == b.Integer();
        double x = a.IsFloat() ? a.Float() : static_cast<double>(a.Integer());
        double y = b.IsFloat() ? b.Float() : static_cast<double>(b.Integer());
        return x == y;
    }
    std::string text = a.ToString(), key = b.ToString();
    if (Options & loPartialKey) {
        if (key.size() > text.size()) return false;
        text.resize(key.size());
    }
    return (Options & loCaseInsensitive) ? SameText(text, key) : text == key;
}

bool TDataSet::RecordMatches(const TRecordData& Record, const std::vector<TField*>& Fields,
                             const std::vector<Variant>& Values, TLocateOptions Options) const {
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const TField* field = Fields[i];
        if (field->m_fieldKind != fkData) return false;
        const Variant& value = Record.Values[static_cast<std::size_t>(field->m_fieldNo - 1)];
        if (!ValuesMatch(value, Values[i], Options)) return false;
    }
    return true;
}

int TDataSet::FindRecord(const std::string& KeyFields, const std::vector<Variant>& KeyValues,
                         TLocateOptions Options, std::vector<TField*>* FieldsOut) {
    CheckActive();
    std::vector<TField*> fields;
    GetFieldList(fields, KeyFields);
    if (fields.size() != KeyValues.size())
        DatabaseError("The number of key values does not match the key fields '" + KeyFields + "'");
    for (TField* field : fields)
        if (field->m_fieldKind != fkData)
            DatabaseError("Field '" + field->m_fieldName + "' cannot be searched");
    if (FieldsOut) *FieldsOut = fields;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_state == dsInsert && static_cast<int>(i) == m_current) continue;
        if (RecordMatches(m_records[i], fields, KeyValues, Options)) return static_cast<int>(i);
    }
    return -1;
}

bool TDataSet::Locate(const std::string& KeyFields, const std::vector<Variant>& KeyValues,
                      TLocateOptions Options) {
    CheckBrowseMode();
    int found = FindRecord(KeyFields, KeyValues, Options);
    if (found < 0) return false;
    DoScroll(found, deDataSetChange);
    return true;
}

Variant TDataSet::Lookup(const std::string& KeyFields, const std::vector<Variant>& KeyValues,
                         const std::string& ResultField) {
    int found = FindRecord(KeyFields, KeyValues, 0);
    if (found < 0) return {};
    TField* result = FieldByName(ResultField);
    if (result->m_fieldKind != fkData) return {};
    return m_records[static_cast<std::size_t>(found)]
        .Values[static_cast<std::size_t>(result->m_fieldNo - 1)];
}

TBookmark TDataSet::GetBookmark() const {
    if (m_current < 0 || m_state == dsInsert) return std::nullopt;
    return m_records[static_cast<std::size_t>(m_current)].Key;
}

bool TDataSet::BookmarkValid(const TBookmark& Bookmark) const {
    if (!Bookmark) return false;
    return std::any_of(m_records.begin(), m_records.end(),
                       [&](const TRecordData& r) { return r.Key == *Bookmark; });
}

void TDataSet::GotoBookmark(const TBookmark& Bookmark) {
    CheckBrowseMode();
    if (!Bookmark) DatabaseError(dbmsg::BookmarkInvalid);
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [&](const TRecordData& r) { return r.Key == *Bookmark; });
    if (it == m_records.end()) DatabaseError(dbmsg::BookmarkInvalid);
    DoScroll(static_cast<int>(it - m_records.begin()), deDataSetChange);
}

// Field values

const TRecordData* TDataSet::ReadRecord() const {
    const int n = static_cast<int>(m_records.size());
    if (m_displayRecord >= 0 && m_displayRecord < n && m_displayRecord != m_current)
        return &m_records[static_cast<std::size_t>(m_displayRecord)];
    if (m_state == dsEdit || m_state == dsInsert) return &m_editBuffer;
    if (m_current >= 0 && m_current < n) return &m_records[static_cast<std::size_t>(m_current)];
    return nullptr;
}

Variant TDataSet::GetFieldValueAt(int Index, const TField* Field) const {
    if (!Field || Field->m_fieldNo <= 0 || Index < 0 ||
        Index >= static_cast<int>(m_records.size()))
        return {};
    const TRecordData& record = (Index == m_current && (m_state == dsEdit || m_state == dsInsert))
                                    ? m_editBuffer
                                    : m_records[static_cast<std::size_t>(Index)];
    return record.Values[static_cast<std::size_t>(Field->m_fieldNo - 1)];
}

Variant TDataSet::GetFieldValue(const TField& Field) const {
    const TRecordData* record = ReadRecord();
    if (!record || Field.m_fieldNo <= 0) return {};
    return record->Values[static_cast<std::size_t>(Field.m_fieldNo - 1)];
}

void TDataSet::SetFieldValue(TField& Field, const Variant& Value) {
    if (m_state != dsEdit && m_state != dsInsert) DatabaseError(dbmsg::NotEditing);
    if (Field.m_readOnly) DatabaseError(dbmsg::FieldReadOnly(Field.GetDisplayLabel()));
    if (Field.m_fieldNo <= 0) DatabaseError(dbmsg::FieldReadOnly(Field.GetDisplayLabel()));
    Variant& slot = m_editBuffer.Values[static_cast<std::size_t>(Field.m_fieldNo - 1)];
    Variant old = slot;
    slot = Value;
    if (Field.OnValidate && !Field.m_validating) {
        Field.m_validating = true;
        try {
            Field.OnValidate(&Field);
        } catch (...) {
            Field.m_validating = false;
            slot = old;
            throw;
        }
        Field.m_validating = false;
    }
    DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(&Field));
    if (Field.OnChange) Field.OnChange(&Field);
}
