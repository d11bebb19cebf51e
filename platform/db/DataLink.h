#pragma once
// TDataLink: what a control holds to follow a data source. The data source calls its
// virtual hooks as the dataset changes; a control's link overrides the ones it needs.
// A link also keeps a window of BufferCount records around the current one (a grid's
// visible rows) and can make any of them the record its fields read (ActiveRecord).
#include <cstdint>

#include "platform/db/DataSource.h"

class TBasicAction;

class TDataLink : public TObject {
public:
    TDataLink();
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* GetDataSource() const { return m_dataSource; }
    void SetDataSource(TDataSource* Value);
    TDataSet* GetDataSet() const;
    bool GetActive() const { return m_active; }
    bool GetEditing() const { return m_editing; }
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    bool GetDataSourceFixed() const { return m_dataSourceFixed; }
    void SetDataSourceFixed(bool Value) { m_dataSourceFixed = Value; }
    // A visual control's link; the navigator's link says so too.
    bool GetVisualControl() const { return m_visualControl; }
    void SetVisualControl(bool Value) { m_visualControl = Value; }

    // The window of records: its size, the current record's place in it, and how many
    // records it holds (fewer than BufferCount near the end of a short set).
    int GetBufferCount() const { return m_bufferCount; }
    void SetBufferCount(int Value);
    int GetActiveRecord() const;
    void SetActiveRecord(int Value);
    int GetRecordCount() const;

    // Puts the dataset into edit mode when AutoEdit allows; answers whether it is editing.
    virtual bool Edit();
    // Writes the control's pending edit into the record (UpdateData).
    void UpdateRecord();

    // Offers the data source to an action that a data-aware control was offered; true
    // when the action handles it.
    bool ExecuteAction(TBasicAction* Action);
    bool UpdateAction(TBasicAction* Action);

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataEvent(TDataEvent Event, std::intptr_t Info);
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int Distance);
    virtual void EditingChanged() {}
    virtual void FocusControl(TField** Field) { (void)Field; }
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* Field) { (void)Field; }
    virtual void UpdateData() {}

private:
    friend class TDataSource;

    void UpdateState();
    void SetActive(bool Value);
    void SetEditing(bool Value);
    // Moves the window so that it holds the current record; answers how far it moved.
    int UpdateWindow();

    TDataSource* m_dataSource = nullptr;
    bool m_active = false;
    bool m_editing = false;
    bool m_readOnly = false;
    bool m_updating = false;
    bool m_dataSourceFixed = false;
    bool m_visualControl = false;
    int m_bufferCount = 1;
    int m_firstRecord = 0;  // the set's index of the window's first record
};

class TWinControl;

using TFieldDataLinkEvent = TEvent<void(TObject* Sender)>;

// TFieldDataLink: a link to one field, as a data-aware edit holds it. It knows the field,
// tracks whether the control's text was changed, and raises its events for the control.
class TFieldDataLink : public TDataLink {
public:
    TFieldDataLink() = default;

    TField* GetField() const { return m_field; }
    const std::string& GetFieldName() const { return m_fieldName; }
    void SetFieldName(const std::string& Value);
    // The control to focus when the dataset asks for this field (a failed post).
    TWinControl* GetControl() const { return m_control; }
    void SetControl(TWinControl* Value) { m_control = Value; }
    bool GetCanModify() const;
    bool GetEditing() const { return m_editing; }
    bool Edit() override;
    // The control's text differs from the field's: UpdateData will ask for it.
    void Modified() { m_modified = true; }
    bool IsModified() const { return m_modified; }
    // Throws the control's change away and shows the field again.
    void Reset();

    TFieldDataLinkEvent OnDataChange;
    TFieldDataLinkEvent OnEditingChange;
    TFieldDataLinkEvent OnUpdateData;
    TFieldDataLinkEvent OnActiveChange;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void FocusControl(TField** Field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;

private:
    void UpdateField();
    void SetField(TField* Value);
    void SetEditingFlag(bool Value);

    TField* m_field = nullptr;
    std::string m_fieldName;
    TWinControl* m_control = nullptr;
    bool m_editing = false;
    bool m_modified = false;
};
