#pragma once
// TDBListBox: a list of the values a field may take; the item that equals the field's text
// is selected, and choosing another puts the dataset into edit mode and writes it.
#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/stdctrls/CustomListBox.h"

class TDBListBox : public TCustomListBox {
    QV_DECLARE_CLASS(TDBListBox, TCustomListBox)

    explicit TDBListBox(TComponent* AOwner);
    ~TDBListBox() override;

    TDataSource* GetDataSource() const { return m_data.GetDataSource(); }
    void SetDataSource(TDataSource* Value) { m_data.SetDataSource(Value); }
    std::string GetDataField() const { return m_data.GetDataField(); }
    void SetDataField(const std::string& Value) { m_data.SetDataField(Value); }
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
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Click() override;
    void DoExit() override;

private:
    void DataChange();

    TDBControlLink m_data{this};
};

// Whether a key moves a list's selection (and so needs edit mode first).
bool IsListNavigationKey(WORD Key);
