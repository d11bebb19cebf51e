#pragma once
// TDBEdit: an edit that shows and edits one field of the current record. Typing starts
// editing the dataset (when its data source allows), Escape takes the change back, and
// leaving the edit writes its text into the field.
#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/stdctrls/MaskEdit.h"

class TDBEdit : public TCustomMaskEdit {
    QV_DECLARE_CLASS(TDBEdit, TCustomMaskEdit)

    explicit TDBEdit(TComponent* AOwner);
    ~TDBEdit() override;

    TDataSource* GetDataSource() const { return m_data.GetDataSource(); }
    void SetDataSource(TDataSource* Value) { m_data.SetDataSource(Value); }
    std::string GetDataField() const { return m_data.GetDataField(); }
    void SetDataField(const std::string& Value) { m_data.SetDataField(Value); }
    // The link's read-only flag: the edit never starts editing the dataset.
    bool GetReadOnly() const { return m_data.GetReadOnly(); }
    void SetReadOnly(bool Value) { m_data.SetReadOnly(Value); }
    TField* GetField() const { return m_data.GetField(); }
    TFieldDataLink* GetDataLink() { return &m_data.Link(); }
    // Offered an action: the control's own handling first, then its data link's.
    bool ExecuteAction(TBasicAction* Action) override {
        return inherited::ExecuteAction(Action) || m_data.Link().ExecuteAction(Action);
    }
    bool UpdateAction(TBasicAction* Action) override {
        return inherited::UpdateAction(Action) || m_data.Link().UpdateAction(Action);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;

private:
    void DataChange(TObject* Sender);
    void EditingChange(TObject* Sender);
    void UpdateData(TObject* Sender);

    TDBControlLink m_data{this};
    bool m_focused = false;
};
