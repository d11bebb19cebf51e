#include "platform/db/DataSource.h"

#include <algorithm>

#include "platform/db/DataLink.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TDataSource::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TDataSource>("TDataSource")
            .Boolean("AutoEdit", &TDataSource::GetAutoEdit, &TDataSource::SetAutoEdit, true)
            .Reference("DataSet", &TDataSource::GetDataSet, &TDataSource::SetDataSet)
            .Boolean("Enabled", &TDataSource::GetEnabled, &TDataSource::SetEnabled, true)
            .Event("OnStateChange", &TDataSource::OnStateChange)
            .Event("OnDataChange", &TDataSource::OnDataChange)
            .Event("OnUpdateData", &TDataSource::OnUpdateData)
            .Build();
    return info;
}

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() {
    OnStateChange = nullptr;
    OnDataChange = nullptr;
    SetDataSet(nullptr);
    while (!m_dataLinks.empty()) RemoveDataLink(m_dataLinks.back());
}

void TDataSource::SetDataSet(TDataSet* Value) {
    if (Value == m_dataSet) return;
    const TDataSetState before = m_state;
    if (m_dataSet) {
        m_dataSet->RemoveDataSource(this);
        RemoveFreeNotification(m_dataSet);
    }
    m_dataSet = Value;
    if (Value) {
        Value->AddDataSource(this);
        FreeNotification(Value);
    }
    UpdateState();
    // Another open dataset in the same state: the links' fields belong to the old one.
    if (before == m_state && m_state != dsInactive) NotifyDataLinks(deLayoutChange, 0);
}

void TDataSource::SetEnabled(bool Value) {
    m_enabled = Value;
    UpdateState();
}

void TDataSource::Edit() {
    if (m_autoEdit && m_state == dsBrowse && m_dataSet) m_dataSet->Edit();
}

bool TDataSource::IsLinkedTo(TDataSet* DataSet) const {
    return DataSet && DataSet == m_dataSet;
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_dataSet) SetDataSet(nullptr);
}

void TDataSource::UpdateState() {
    SetState(m_enabled && m_dataSet ? m_dataSet->GetState() : dsInactive);
}

void TDataSource::SetState(TDataSetState Value) {
    if (m_state == Value) return;
    const TDataSetState prior = m_state;
    m_state = Value;
    NotifyDataLinks(deUpdateState, 0);
    if (ComponentState() & csDestroying) return;
    if (OnStateChange) OnStateChange(this);
    if (prior == dsInactive && OnDataChange) OnDataChange(this, nullptr);
}

void TDataSource::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState) {
        UpdateState();
        return;
    }
    if (m_state == dsInactive) return;
    NotifyDataLinks(Event, Info);
    switch (Event) {
        case deFieldChange:
            if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(Info));
            break;
        case deRecordChange:
        case deDataSetChange:
        case deDataSetScroll:
        case deLayoutChange:
            if (OnDataChange) OnDataChange(this, nullptr);
            break;
        case deUpdateRecord:
            if (OnUpdateData) OnUpdateData(this);
            break;
        default: break;
    }
}

void TDataSource::NotifyDataLinks(TDataEvent Event, std::intptr_t Info) {
    // Visual controls first, then the others; each group from the last link added. A link
    // may leave the list while it handles the event.
    for (bool visual : {true, false}) {
        std::vector<TDataLink*> links = m_dataLinks;
        for (auto it = links.rbegin(); it != links.rend(); ++it) {
            TDataLink* link = *it;
            if (link->m_visualControl != visual) continue;
            if (std::find(m_dataLinks.begin(), m_dataLinks.end(), link) == m_dataLinks.end())
                continue;
            link->DataEvent(Event, Info);
        }
    }
}

void TDataSource::AddDataLink(TDataLink* Link) {
    m_dataLinks.push_back(Link);
    Link->m_dataSource = this;
    Link->UpdateState();
}

void TDataSource::RemoveDataLink(TDataLink* Link) {
    m_dataLinks.erase(std::remove(m_dataLinks.begin(), m_dataLinks.end(), Link),
                      m_dataLinks.end());
    Link->m_dataSource = nullptr;
    Link->UpdateState();
}
