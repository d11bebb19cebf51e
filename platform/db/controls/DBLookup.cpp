#include "platform/db/controls/DBLookup.h"

#include "platform/db/controls/DBListBox.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

// TLookupList

class TLookupList::TListLink : public TDataLink {
public:
    explicit TListLink(TLookupList& Owner) : m_owner(Owner) {}

protected:
    void ActiveChanged() override { m_owner.m_changed(); }
    void DataSetChanged() override { m_owner.m_changed(); }
    void LayoutChanged() override { m_owner.m_changed(); }
    // Scrolling the list's set shows the same names: nothing to do.
    void DataSetScrolled(int) override {}

private:
    TLookupList& m_owner;
};

TLookupList::TLookupList(TComponent* Control, std::function<void()> Changed)
    : m_control(Control), m_link(std::make_unique<TListLink>(*this)), m_changed(std::move(Changed)) {}

TLookupList::~TLookupList() {
    m_changed = [] {};
    m_link->SetDataSource(nullptr);
}

TDataSource* TLookupList::GetListSource() const {
    return m_link->GetDataSource();
}

void TLookupList::SetListSource(TDataSource* Value) {
    if (TDataSource* old = m_link->GetDataSource()) m_control->RemoveFreeNotification(old);
    m_link->SetDataSource(Value);
    if (Value) m_control->FreeNotification(Value);
    m_changed();
}

void TLookupList::SetKeyField(const std::string& Value) {
    m_keyField = Value;
    m_changed();
}

void TLookupList::SetListField(const std::string& Value) {
    m_listField = Value;
    m_changed();
}

void TLookupList::Removed(TComponent* AComponent) {
    if (AComponent && AComponent == m_link->GetDataSource()) SetListSource(nullptr);
}

void TLookupList::Fill(TStrings& Names) {
    m_keys.clear();
    Names.BeginUpdate();
    Names.Clear();
    TDataSet* dataSet = m_link->GetDataSet();
    if (m_link->GetActive() && dataSet && !m_keyField.empty() && !m_listField.empty()) {
        TField* key = dataSet->FindField(m_keyField);
        TField* name = dataSet->FindField(m_listField);
        if (key && name) {
            for (int i = 0; i < dataSet->BufferRecordCount(); ++i) {
                m_keys.push_back(dataSet->GetFieldValueAt(i, key));
                Names.Add(dataSet->GetFieldValueAt(i, name).ToString());
            }
        }
    }
    Names.EndUpdate();
}

int TLookupList::IndexOfKey(const Variant& Key) const {
    if (Key.IsNull()) return -1;
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i] == Key || (!m_keys[i].IsNull() && m_keys[i].ToString() == Key.ToString()))
            return static_cast<int>(i);
    return -1;
}

// TDBLookupListBox

const TClassInfo& TDBLookupListBox::StaticClassInfo() {
    using C = TDBLookupListBox;
    static const TClassInfo info =
        TClassBuilder<C>("TDBLookupListBox")
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .String("KeyField", &C::GetKeyField, &C::SetKeyField)
            .String("ListField", &C::GetListField, &C::SetListField)
            .Reference("ListSource", &C::GetListSource, &C::SetListSource)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Publish("OnClick")
            .Build();
    return info;
}

TDBLookupListBox::TDBLookupListBox(TComponent* AOwner)
    : TCustomListBox(AOwner), m_list(this, [this] { ListChanged(); }) {
    m_data.Link().OnDataChange = [this](TObject*) { DataChange(); };
}

TDBLookupListBox::~TDBLookupListBox() {
    m_data.Link().OnDataChange = nullptr;
}

void TDBLookupListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomListBox::Notification(AComponent, Operation);
    if (Operation == opRemove) {
        m_data.Removed(AComponent);
        m_list.Removed(AComponent);
    }
}

void TDBLookupListBox::ListChanged() {
    m_list.Fill(*GetItems());
    SetItemIndex(m_list.IndexOfKey(m_keyValue));
}

void TDBLookupListBox::DataChange() {
    TField* field = GetField();
    m_keyValue = field ? field->GetValue() : Variant();
    SetItemIndex(m_list.IndexOfKey(m_keyValue));
}

Variant TDBLookupListBox::GetKeyValue() const {
    return m_keyValue;
}

void TDBLookupListBox::SetKeyValue(const Variant& Value) {
    m_keyValue = Value;
    SetItemIndex(m_list.IndexOfKey(Value));
}

void TDBLookupListBox::KeyDown(WORD& Key, TShiftState Shift) {
    if (GetField() && IsListNavigationKey(Key) && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomListBox::KeyDown(Key, Shift);
}

void TDBLookupListBox::KeyPress(char& Key) {
    if (GetField() && static_cast<unsigned char>(Key) >= 32 && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomListBox::KeyPress(Key);
}

void TDBLookupListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (GetField() && Button == mbLeft && !m_data.Link().Edit()) {
        if (CanFocus() && !Focused()) SetFocus();
        return;
    }
    TCustomListBox::MouseDown(Button, Shift, X, Y);
}

void TDBLookupListBox::Click() {
    const int index = GetItemIndex();
    if (index >= 0 && index < static_cast<int>(m_list.Keys().size())) {
        m_keyValue = m_list.Keys()[static_cast<std::size_t>(index)];
        // The key goes into the record at once, as the user sees the name chosen.
        if (TField* field = GetField()) field->SetValue(m_keyValue);
    }
    TCustomListBox::Click();
}

// TDBLookupComboBox

const TClassInfo& TDBLookupComboBox::StaticClassInfo() {
    using C = TDBLookupComboBox;
    static const TClassInfo info =
        TClassBuilder<C>("TDBLookupComboBox")
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Integer("DropDownCount", &C::GetDropDownCount, &C::SetDropDownCount, 8)
            .String("KeyField", &C::GetKeyField, &C::SetKeyField)
            .String("ListField", &C::GetListField, &C::SetListField)
            .Reference("ListSource", &C::GetListSource, &C::SetListSource)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Event("OnChange", &C::OnChange)
            .Event("OnCloseUp", &C::OnCloseUp)
            .Event("OnDropDown", &C::OnDropDown)
            .Build();
    return info;
}

TDBLookupComboBox::TDBLookupComboBox(TComponent* AOwner)
    : TCustomComboBox(AOwner), m_list(this, [this] { ListChanged(); }) {
    TCustomComboBox::SetStyle(csDropDownList);
    m_data.Link().OnDataChange = [this](TObject*) { DataChange(); };
}

TDBLookupComboBox::~TDBLookupComboBox() {
    m_data.Link().OnDataChange = nullptr;
}

void TDBLookupComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove) {
        m_data.Removed(AComponent);
        m_list.Removed(AComponent);
    }
}

void TDBLookupComboBox::ListChanged() {
    m_list.Fill(*GetItems());
    SetItemIndex(m_list.IndexOfKey(m_keyValue));
}

void TDBLookupComboBox::DataChange() {
    TField* field = GetField();
    m_keyValue = field ? field->GetValue() : Variant();
    SetItemIndex(m_list.IndexOfKey(m_keyValue));
}

Variant TDBLookupComboBox::GetKeyValue() const {
    return m_keyValue;
}

void TDBLookupComboBox::SetKeyValue(const Variant& Value) {
    m_keyValue = Value;
    SetItemIndex(m_list.IndexOfKey(Value));
}

void TDBLookupComboBox::KeyDown(WORD& Key, TShiftState Shift) {
    if (GetField() && (IsListNavigationKey(Key) || Key == VK_F1 + 3) && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomComboBox::KeyDown(Key, Shift);
}

void TDBLookupComboBox::KeyPress(char& Key) {
    if (GetField() && static_cast<unsigned char>(Key) >= 32 && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomComboBox::KeyPress(Key);
}

void TDBLookupComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (GetField() && Button == mbLeft && !m_data.Link().Edit()) {
        if (CanFocus() && !Focused()) SetFocus();
        return;
    }
    TCustomComboBox::MouseDown(Button, Shift, X, Y);
}

void TDBLookupComboBox::Change() {
    const int index = GetItemIndex();
    if (index >= 0 && index < static_cast<int>(m_list.Keys().size())) {
        m_keyValue = m_list.Keys()[static_cast<std::size_t>(index)];
        if (TField* field = GetField()) field->SetValue(m_keyValue);
    }
    TCustomComboBox::Change();
}

void TDBLookupListBox::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    TCustomListBox::WndProc(Message);
}

void TDBLookupComboBox::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    TCustomComboBox::WndProc(Message);
}
