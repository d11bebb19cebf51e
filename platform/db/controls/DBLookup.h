#pragma once
// The lookup controls: a list of the names (ListField) of the records of ListSource; the
// record chosen stores its key (KeyField) in DataField of DataSource. A field shows the
// name, stores the key.
#include <functional>
#include <memory>
#include <vector>

#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/stdctrls/CustomComboBox.h"
#include "platform/vcl/stdctrls/CustomListBox.h"

// The list side of a lookup control: follows ListSource and fills the names and keys.
class TLookupList {
public:
    TLookupList(TComponent* Control, std::function<void()> Changed);
    ~TLookupList();

    TDataSource* GetListSource() const;
    void SetListSource(TDataSource* Value);
    const std::string& GetKeyField() const { return m_keyField; }
    void SetKeyField(const std::string& Value);
    const std::string& GetListField() const { return m_listField; }
    void SetListField(const std::string& Value);
    void Removed(TComponent* AComponent);

    // Reads the list again into Names; Keys follow in the same order.
    void Fill(TStrings& Names);
    const std::vector<Variant>& Keys() const { return m_keys; }
    int IndexOfKey(const Variant& Key) const;

private:
    class TListLink;
    TComponent* m_control;
    std::unique_ptr<TListLink> m_link;
    std::string m_keyField;
    std::string m_listField;
    std::vector<Variant> m_keys;
    std::function<void()> m_changed;
};

class TDBLookupListBox : public TCustomListBox {
    QV_DECLARE_CLASS(TDBLookupListBox, TCustomListBox)

    explicit TDBLookupListBox(TComponent* AOwner);
    ~TDBLookupListBox() override;

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
    TDataSource* GetListSource() const { return m_list.GetListSource(); }
    void SetListSource(TDataSource* Value) { m_list.SetListSource(Value); }
    const std::string& GetKeyField() const { return m_list.GetKeyField(); }
    void SetKeyField(const std::string& Value) { m_list.SetKeyField(Value); }
    const std::string& GetListField() const { return m_list.GetListField(); }
    void SetListField(const std::string& Value) { m_list.SetListField(Value); }
    // The key of the chosen record; null when none is chosen.
    Variant GetKeyValue() const;
    void SetKeyValue(const Variant& Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Click() override;
    void WndProc(TMessage& Message) override;

private:
    void ListChanged();
    void DataChange();

    TDBControlLink m_data{this};
    TLookupList m_list;
    Variant m_keyValue;
};

class TDBLookupComboBox : public TCustomComboBox {
    QV_DECLARE_CLASS(TDBLookupComboBox, TCustomComboBox)

    explicit TDBLookupComboBox(TComponent* AOwner);
    ~TDBLookupComboBox() override;

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
    TDataSource* GetListSource() const { return m_list.GetListSource(); }
    void SetListSource(TDataSource* Value) { m_list.SetListSource(Value); }
    const std::string& GetKeyField() const { return m_list.GetKeyField(); }
    void SetKeyField(const std::string& Value) { m_list.SetKeyField(Value); }
    const std::string& GetListField() const { return m_list.GetListField(); }
    void SetListField(const std::string& Value) { m_list.SetListField(Value); }
    Variant GetKeyValue() const;
    void SetKeyValue(const Variant& Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Change() override;
    void WndProc(TMessage& Message) override;

private:
    void ListChanged();
    void DataChange();

    TDBControlLink m_data{this};
    TLookupList m_list;
    Variant m_keyValue;
};
