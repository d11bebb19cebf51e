#pragma once
// TDataSource: the meeting point of one dataset and the data links of its controls. It
// follows the dataset's state and passes its data events on to every link.
#include <vector>

#include "platform/db/DataSet.h"

class TDataLink;

using TDataChangeEvent = TEvent<void(TObject* Sender, TField* Field)>;

class TDataSource : public TComponent {
    QV_DECLARE_CLASS(TDataSource, TComponent)

    explicit TDataSource(TComponent* AOwner);
    ~TDataSource() override;

    TDataSet* GetDataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* Value);
    // Whether a link may put the dataset into edit mode by itself (typing into a control).
    bool GetAutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool Value) { m_autoEdit = Value; }
    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    TDataSetState GetState() const { return m_state; }
    // Edit when AutoEdit allows and the dataset is browsing.
    void Edit();
    bool IsLinkedTo(TDataSet* DataSet) const;

    TNotifyEvent OnStateChange;
    TDataChangeEvent OnDataChange;
    TNotifyEvent OnUpdateData;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TDataSet;
    friend class TDataLink;

    void DataEvent(TDataEvent Event, std::intptr_t Info);
    void NotifyDataLinks(TDataEvent Event, std::intptr_t Info);
    void UpdateState();
    void SetState(TDataSetState Value);
    void AddDataLink(TDataLink* Link);
    void RemoveDataLink(TDataLink* Link);

    TDataSet* m_dataSet = nullptr;
    bool m_autoEdit = true;
    bool m_enabled = true;
    TDataSetState m_state = dsInactive;
    std::vector<TDataLink*> m_dataLinks;
};
