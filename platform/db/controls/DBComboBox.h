#pragma once
// TDBComboBox: a combo box over one field. In the csDropDown style the user may type any
// text into its edit or choose an item; csDropDownList allows only the items.
#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/stdctrls/CustomComboBox.h"
#include "platform/vcl/stdctrls/CustomEdit.h"

class TDBComboBox;

// The edit a csDropDown combo box types into; it belongs to the combo box.
class TDBComboBoxEdit : public TCustomEdit {
public:
    explicit TDBComboBoxEdit(TDBComboBox* Combo);

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void Change() override;
    void DoExit() override;

private:
    TDBComboBox* m_combo;
};

class TDBComboBox : public TCustomComboBox {
    QV_DECLARE_CLASS(TDBComboBox, TCustomComboBox)

    explicit TDBComboBox(TComponent* AOwner);
    ~TDBComboBox() override;

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
    // The typing edit of the csDropDown style; null in the others.
    TDBComboBoxEdit* GetEdit() const { return m_edit; }
    void SetStyle(TComboBoxStyle Value);
    std::string GetText() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void WndProc(TMessage& Message) override;
    friend class TDBComboBoxEdit;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;

private:
    void DataChange();
    void UpdateEdit();
    void PlaceEdit();

    TDBControlLink m_data{this};
    TDBComboBoxEdit* m_edit = nullptr;
    bool m_settingText = false;
};
