#include "platform/db/DataLink.h"

#include <algorithm>

#include "platform/vcl/actions/BasicAction.h"
#include "platform/vcl/controls/WinControl.h"

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() {
    // Only the bookkeeping: the hooks of a derived link are gone by now.
    if (m_dataSource) {
        auto& links = m_dataSource->m_dataLinks;
        links.erase(std::remove(links.begin(), links.end(), this), links.end());
        m_dataSource = nullptr;
    }
}

void TDataLink::SetDataSource(TDataSource* Value) {
    if (Value == m_dataSource) return;
    if (m_dataSourceFixed) DatabaseError("The data source of this link cannot be changed");
    if (m_dataSource) m_dataSource->RemoveDataLink(this);
    if (Value) Value->AddDataLink(this);
}

TDataSet* TDataLink::GetDataSet() const {
    return m_dataSource ? m_dataSource->GetDataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool Value) {
    if (m_readOnly == Value) return;
    m_readOnly = Value;
    UpdateState();
}

void TDataLink::UpdateState() {
    const bool active = m_dataSource && m_dataSource->GetState() != dsInactive;
    const TDataSetState state = m_dataSource ? m_dataSource->GetState() : dsInactive;
    const bool editing = active && (state == dsEdit || state == dsInsert);
    if (active) {
        SetActive(true);
        SetEditing(editing);
    } else {
        SetEditing(false);
        SetActive(false);
    }
}

void TDataLink::SetActive(bool Value) {
    if (m_active == Value) return;
    m_active = Value;
    if (Value) UpdateWindow();
    ActiveChanged();
}

void TDataLink::SetEditing(bool Value) {
    if (m_editing == Value) return;
    m_editing = Value;
    EditingChanged();
}

void TDataLink::SetBufferCount(int Value) {
    m_bufferCount = std::max(1, Value);
    if (m_active) UpdateWindow();
}

int TDataLink::UpdateWindow() {
    TDataSet* dataSet = GetDataSet();
    const int old = m_firstRecord;
    if (!dataSet || !dataSet->GetActive()) {
        m_firstRecord = 0;
        return 0;
    }
    const int n = dataSet->BufferRecordCount();
    const int current = dataSet->GetActiveRecord();
    if (current < 0) {
        m_firstRecord = 0;
    } else {
        if (current < m_firstRecord) m_firstRecord = current;
        if (current >= m_firstRecord + m_bufferCount) m_firstRecord = current - m_bufferCount + 1;
        if (m_firstRecord + m_bufferCount > n) m_firstRecord = std::max(0, n - m_bufferCount);
    }
    return m_firstRecord - old;
}

int TDataLink::GetActiveRecord() const {
    TDataSet* dataSet = GetDataSet();
    if (!m_active || !dataSet) return 0;
    const int display = dataSet->GetDisplayRecord();
    const int record = display >= 0 ? display : dataSet->GetActiveRecord();
    return std::max(0, record - m_firstRecord);
}

void TDataLink::SetActiveRecord(int Value) {
    TDataSet* dataSet = GetDataSet();
    if (!m_active || !dataSet) return;
    const int record = m_firstRecord + Value;
    dataSet->SetDisplayRecord(record == dataSet->GetActiveRecord() ? -1 : record);
}

int TDataLink::GetRecordCount() const {
    TDataSet* dataSet = GetDataSet();
    if (!m_active || !dataSet) return 0;
    return std::clamp(dataSet->BufferRecordCount() - m_firstRecord, 0, m_bufferCount);
}

bool TDataLink::Edit() {
    if (!m_readOnly && m_dataSource) m_dataSource->Edit();
    return m_editing;
}

void TDataLink::UpdateRecord() {
    m_updating = true;
    try {
        UpdateData();
    } catch (...) {
        m_updating = false;
        throw;
    }
    m_updating = false;
}

void TDataLink::DataSetScrolled(int Distance) {
    (void)Distance;
    DataSetChanged();
}

void TDataLink::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState) {
        UpdateState();
        return;
    }
    if (!m_active) return;
    switch (Event) {
        case deFieldChange:
        case deRecordChange:
            if (!m_updating) RecordChanged(reinterpret_cast<TField*>(Info));
            break;
        case deDataSetChange:
            UpdateWindow();
            DataSetChanged();
            break;
        case deDataSetScroll: DataSetScrolled(UpdateWindow()); break;
        case deLayoutChange:
            UpdateWindow();
            LayoutChanged();
            break;
        case deUpdateRecord: UpdateRecord(); break;
        case deCheckBrowseMode: CheckBrowseMode(); break;
        case deFocusControl: FocusControl(reinterpret_cast<TField**>(Info)); break;
        case deUpdateState: break;
    }
}

// TFieldDataLink

void TFieldDataLink::SetFieldName(const std::string& Value) {
    if (m_fieldName == Value) return;
    m_fieldName = Value;
    UpdateField();
}

bool TFieldDataLink::GetCanModify() const {
    return !GetReadOnly() && m_field && m_field->CanModify();
}

bool TFieldDataLink::Edit() {
    if (GetCanModify()) TDataLink::Edit();
    return m_editing;
}

void TFieldDataLink::Reset() {
    RecordChanged(nullptr);
}

void TFieldDataLink::UpdateField() {
    TDataSet* dataSet = GetDataSet();
    if (GetActive() && dataSet && !m_fieldName.empty()) {
        m_field = nullptr;
        SetField(dataSet->FieldByName(m_fieldName));
    } else {
        SetField(nullptr);
    }
}

void TFieldDataLink::SetField(TField* Value) {
    if (m_field == Value) return;
    m_field = Value;
    EditingChanged();
    RecordChanged(nullptr);
}

void TFieldDataLink::SetEditingFlag(bool Value) {
    if (m_editing == Value) return;
    m_editing = Value;
    m_modified = false;
    if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLink::ActiveChanged() {
    UpdateField();
    if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() {
    SetEditingFlag(TDataLink::GetEditing() && GetCanModify());
}

void TFieldDataLink::FocusControl(TField** Field) {
    if (!Field || !*Field || *Field != m_field || !m_control) return;
    if (m_control->CanFocus()) {
        *Field = nullptr;
        m_control->SetFocus();
    }
}

void TFieldDataLink::LayoutChanged() {
    UpdateField();
}

void TFieldDataLink::RecordChanged(TField* Field) {
    if (Field == nullptr || Field == m_field) {
        if (OnDataChange) OnDataChange(this);
        m_modified = false;
    }
}

void TFieldDataLink::UpdateData() {
    if (!m_modified) return;
    if (m_field && OnUpdateData) OnUpdateData(this);
    m_modified = false;
}

bool TDataLink::ExecuteAction(TBasicAction* Action) {
    if (!m_dataSource || !Action->HandlesTarget(m_dataSource)) return false;
    Action->ExecuteTarget(m_dataSource);
    return true;
}

bool TDataLink::UpdateAction(TBasicAction* Action) {
    if (!m_dataSource || !Action->HandlesTarget(m_dataSource)) return false;
    Action->UpdateTarget(m_dataSource);
    return true;
}
