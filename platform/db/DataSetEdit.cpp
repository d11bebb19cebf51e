// TDataSet: editing, inserting, posting, cancelling, deleting and refreshing.
#include <algorithm>

#include "platform/db/DataSet.h"

bool TDataSet::GetCanModify() const {
    return GetActive() && InternalCanModify();
}

void TDataSet::CheckCanModify() const {
    if (!GetCanModify()) DatabaseError(dbmsg::DataSetReadOnly);
}

void TDataSet::Edit() {
    if (m_state == dsEdit || m_state == dsInsert) return;
    CheckActive();
    if (m_records.empty()) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify();
    Fire(BeforeEdit);
    m_editBuffer = m_records[static_cast<std::size_t>(m_current)];
    SetState(dsEdit);
    DataEvent(deRecordChange, 0);
    Fire(AfterEdit);
}

void TDataSet::Insert() {
    BeginInsertAppend(false);
}

void TDataSet::Append() {
    BeginInsertAppend(true);
}

void TDataSet::BeginInsertAppend(bool Append) {
    CheckBrowseMode();
    CheckCanModify();
    Fire(BeforeInsert);
    Fire(BeforeScroll);
    TRecordData blank;
    blank.Values.assign(m_fieldDefs.size(), Variant());
    int position = Append ? static_cast<int>(m_records.size()) : std::max(m_current, 0);
    m_records.insert(m_records.begin() + position, blank);
    const int prior = m_current;
    m_current = position;
    m_editBuffer = blank;
    if (Append) {
        m_bof = false;
        m_eof = true;
    }
    SetState(dsInsert);
    try {
        Fire(OnNewRecord);
    } catch (...) {
        m_records.erase(m_records.begin() + position);
        m_current = prior;
        SetState(dsBrowse);
        Resync();
        throw;
    }
    m_modified = false;
    DataEvent(deDataSetChange, 0);
    Fire(AfterInsert);
    Fire(AfterScroll);
}

void TDataSet::UpdateRecord() {
    if (m_state != dsEdit && m_state != dsInsert) DatabaseError(dbmsg::NotEditing);
    DataEvent(deUpdateRecord, 0);
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode, 0);
    if (m_state == dsEdit || m_state == dsInsert) {
        UpdateRecord();
        if (m_modified)
            Post();
        else
            Cancel();
    }
}

void TDataSet::CheckRequiredFields() {
    for (TField* field : m_fields) {
        if (field->m_fieldKind == fkData && field->m_required && !field->m_readOnly &&
            field->IsNull()) {
            field->FocusControl();
            DatabaseError(dbmsg::FieldRequired(field->GetDisplayLabel()));
        }
    }
}

void TDataSet::RecordGone() {
    // The record went away under us: leave the edit, show what the database holds now.
    if (m_state == dsInsert) m_records.erase(m_records.begin() + m_current);
    SetState(dsBrowse);
    ResyncFromDatabase();
    DatabaseError(dbmsg::RecordNotFound);
}

void TDataSet::Post() {
    CheckActive();
    if (m_state != dsEdit && m_state != dsInsert) return;
    UpdateRecord();
    DataEvent(deCheckBrowseMode, 0);
    Fire(BeforePost);
    CheckRequiredFields();
    const bool inserting = m_state == dsInsert;
    TRecordData record = m_editBuffer;
    if (!InternalPost(record, inserting)) RecordGone();
    m_records[static_cast<std::size_t>(m_current)] = std::move(record);
    SetState(dsBrowse);
    Resync();
    Fire(AfterPost);
}

void TDataSet::Cancel() {
    if (m_state != dsEdit && m_state != dsInsert) return;
    DataEvent(deCheckBrowseMode, 0);
    Fire(BeforeCancel);
    if (m_state == dsInsert) {
        m_records.erase(m_records.begin() + m_current);
        if (m_current >= static_cast<int>(m_records.size()))
            m_current = static_cast<int>(m_records.size()) - 1;
    }
    SetState(dsBrowse);
    Resync();
    Fire(AfterCancel);
}

void TDataSet::Delete() {
    CheckActive();
    if (m_state == dsInsert) {
        Cancel();
        return;
    }
    if (m_records.empty()) DatabaseError(dbmsg::DataSetEmpty);
    CheckCanModify();
    DataEvent(deCheckBrowseMode, 0);
    Fire(BeforeDelete);
    Fire(BeforeScroll);
    if (!InternalDelete(m_records[static_cast<std::size_t>(m_current)])) RecordGone();
    m_records.erase(m_records.begin() + m_current);
    SetState(dsBrowse);
    Resync();
    Fire(AfterDelete);
    Fire(AfterScroll);
}

void TDataSet::InternalRefresh(std::vector<TRecordData>& Records) {
    std::vector<TFieldDef> defs;
    InternalClose();
    InternalOpen(defs, Records);
    bool same = defs.size() == m_fieldDefs.size();
    for (std::size_t i = 0; same && i < defs.size(); ++i)
        same = SameText(defs[i].Name, m_fieldDefs[i].Name) && defs[i].DataType == m_fieldDefs[i].DataType;
    if (!same) RebindFields(std::move(defs));
}

void TDataSet::RebindFields(std::vector<TFieldDef> Defs) {
    // Another program changed the columns. Each field follows its column by name; a field
    // whose column is gone stops the refresh, and the records stay as they were read.
    for (TField* field : m_fields) {
        if (field->m_fieldKind != fkData) continue;
        if (std::none_of(Defs.begin(), Defs.end(), [&](const TFieldDef& def) {
                return SameText(def.Name, field->m_fieldName);
            }))
            DatabaseError(dbmsg::ColumnGone(field->m_fieldName));
    }
    m_fieldDefs = std::move(Defs);
    BindFields();
}

void TDataSet::ResyncFromDatabase() {
    TBookmark here = GetBookmark();
    const std::int64_t position = m_windowStart + std::max(m_current, 0);
    std::vector<TRecordData> records;
    const std::size_t fieldsBefore = m_fields.size();
    InternalRefresh(records);
    m_records = std::move(records);
    if (m_windowStart > 0 || !m_windowEnd || InternalWindowed()) {
        m_windowStart = 0;
        m_windowEnd = !InternalWindowed();
        m_current = static_cast<int>(
            std::min<std::int64_t>(position, static_cast<std::int64_t>(m_records.size())));
        if (!m_windowEnd && position >= static_cast<std::int64_t>(m_records.size()))
            m_current = SlideWindow(position, true);
    }
    if (here) {
        auto it = std::find_if(m_records.begin(), m_records.end(),
                               [&](const TRecordData& r) { return r.Key == *here; });
        if (it != m_records.end()) m_current = static_cast<int>(it - m_records.begin());
    }
    if (m_fields.size() != fieldsBefore) DataEvent(deLayoutChange, 0);
    Resync();
}

void TDataSet::Refresh() {
    CheckBrowseMode();
    Fire(BeforeRefresh);
    ResyncFromDatabase();
    Fire(AfterRefresh);
}
