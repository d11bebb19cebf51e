#include "Source/db/SKDBCheck.h"

#include <strings.h>

#include "platform/db/DBError.h"
#include "platform/db/Field.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/win/Windows.h"

bool ValueMatch(const std::string& List, const std::string& Text) {
    // An empty list offers no alternative, not an empty one.
    if (List.empty()) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = List.find(';', start);
        const std::string value = List.substr(start, end == std::string::npos ? end : end - start);
        if (strcasecmp(value.c_str(), Text.c_str()) == 0) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

namespace {

std::string FirstValue(const std::string& List) {
    return List.substr(0, List.find(';'));
}

// Keys on a data-aware choice: Backspace and Space are about to change it, so they ask for
// edit mode; Escape shows the field's value again.
void DataKeyPress(TFieldDataLink& Link, char Key) {
    if (Key == 8 || Key == ' ')
        Link.Edit();
    else if (Key == 27)
        Link.Reset();
}

// An item of a data-aware radio group: its keys and its leaving belong to the group.
class TskDBRadioGroupButton : public TskRadioGroupButton {
    QV_DECLARE_CLASS(TskDBRadioGroupButton, TskRadioGroupButton)

    TskDBRadioGroupButton(TComponent* AOwner, TskDBRadioGroup* Group)
        : TskRadioGroupButton(AOwner, Group), m_group(Group) {}

protected:
    void KeyPress(char& Key) override {
        TskRadioGroupButton::KeyPress(Key);
        if (Key) m_group->GroupKeyPress(Key);
    }
    void DoExit() override {
        // The form names the control the focus goes to before the old one exits.
        TCustomForm* form = GetParentForm(this);
        TWinControl* next = form ? form->GetActiveControl() : nullptr;
        if (!next || !m_group->ContainsControl(next)) m_group->GroupExit();
        TskRadioGroupButton::DoExit();
    }

private:
    TskDBRadioGroup* m_group;
};

}  // namespace

const TClassInfo& TskDBRadioGroupButton::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskDBRadioGroupButton>("TskDBRadioGroupButton").Build();
    return info;
}

const TClassInfo& TskDBCheckBox::StaticClassInfo() {
    using C = TskDBCheckBox;
    static const TClassInfo info =
        TClassBuilder<C>("TskDBCheckBox")
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false)
            .String("ValueChecked", &C::GetValueChecked, &C::SetValueChecked)
            .String("ValueUnchecked", &C::GetValueUnchecked, &C::SetValueUnchecked)
            .Build();
    return info;
}

TskDBCheckBox::TskDBCheckBox(TComponent* AOwner) : TskCheckBox(AOwner) {
    m_controlStyle |= csReplicatable;
    SetState(cbUnchecked);
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = [this](TObject*) { SetChecked(GetFieldState()); };
    link.OnUpdateData = [this](TObject*) { UpdateData(); };
}

TskDBCheckBox::~TskDBCheckBox() {
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = nullptr;
    link.OnUpdateData = nullptr;
}

void TskDBCheckBox::SetDataSource(TDataSource* Value) {
    if (m_data.Link().GetDataSourceFixed() && (ComponentState() & csLoading)) return;
    m_data.SetDataSource(Value);
}

void TskDBCheckBox::SetValueChecked(const std::string& Value) {
    m_valueChecked = Value;
    SetChecked(GetFieldState());
}

void TskDBCheckBox::SetValueUnchecked(const std::string& Value) {
    m_valueUnchecked = Value;
    SetChecked(GetFieldState());
}

bool TskDBCheckBox::GetFieldState() const {
    TField* field = GetField();
    if (!field || field->IsNull()) return false;
    if (field->GetDataType() == ftBoolean) {
        // Text that is neither value (the database keeps what it was given) checks nothing.
        try {
            return field->GetAsBoolean();
        } catch (const EDatabaseError&) {
            return false;
        }
    }
    return ValueMatch(m_valueChecked, field->GetText());
}

void TskDBCheckBox::UpdateData() {
    TField* field = GetField();
    if (field->GetDataType() == ftBoolean)
        field->SetAsBoolean(GetChecked());
    else
        field->SetText(FirstValue(GetChecked() ? m_valueChecked : m_valueUnchecked));
}

void TskDBCheckBox::DoClick() {
    // A dataset that refuses the edit (read-only, no field) keeps the box showing the
    // field's value.
    TComponentGuard guard(this);
    if (!m_data.Link().Edit() || !guard.Exists()) return;
    TskCheckBox::DoClick();
    if (guard.Exists()) m_data.Link().Modified();
}

void TskDBCheckBox::KeyPress(char& Key) {
    TskCheckBox::KeyPress(Key);
    DataKeyPress(m_data.Link(), Key);
}

void TskDBCheckBox::DoExit() {
    m_data.UpdateRecordOnExit();
    TskCheckBox::DoExit();
}

void TskDBCheckBox::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    TskCheckBox::WndProc(Message);
}

void TskDBCheckBox::Notification(TComponent* AComponent, TOperation Operation) {
    TskCheckBox::Notification(AComponent, Operation);
    if (Operation == opRemove) m_data.Removed(AComponent);
}

const TClassInfo& TskDBRadioGroup::StaticClassInfo() {
    using C = TskDBRadioGroup;
    static const TClassInfo info =
        TClassBuilder<C>("TskDBRadioGroup")
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false)
            .Persistent("Values", [](C& c) { return c.GetValues(); })
            .Event("OnChange", &C::OnChange)
            .Publish("TabStop")
            .Publish("TabOrder")
            .Build();
    return info;
}

TskDBRadioGroup::TskDBRadioGroup(TComponent* AOwner) : TskRadioGroup(AOwner) {
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = [this](TObject*) { DataChange(); };
    link.OnUpdateData = [this](TObject*) { GetField()->SetText(m_value); };
    m_values.OnChange = [this](TObject*) { ListsChanged(); };
    // The group re-arranges its buttons when the items change; the field is read again after.
    if (auto* items = dynamic_cast<TStringList*>(GetItems())) {
        TNotifyEvent arrange = items->OnChange;
        items->OnChange = [this, arrange](TObject* Sender) {
            if (arrange) arrange(Sender);
            ListsChanged();
        };
    }
}

TskDBRadioGroup::~TskDBRadioGroup() {
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = nullptr;
    link.OnUpdateData = nullptr;
    m_values.OnChange = nullptr;
}

std::string TskDBRadioGroup::GetButtonValue(int Index) const {
    if (Index >= 0 && Index < m_values.Count() && !m_values.Strings(Index).empty())
        return m_values.Strings(Index);
    auto* items = const_cast<TskDBRadioGroup*>(this)->GetItems();
    if (Index >= 0 && Index < items->Count()) return items->Strings(Index);
    return {};
}

void TskDBRadioGroup::SetValue(const std::string& Text) {
    if (Text == m_value) return;
    SelectValue(Text);
    m_value = Text;
    Change();
}

void TskDBRadioGroup::SelectValue(const std::string& Text) {
    m_inSetValue = true;
    try {
        int index = -1;
        for (int i = 0; i < ButtonCount(); ++i)
            if (GetButtonValue(i) == Text) {
                index = i;
                break;
            }
        SetItemIndex(index);
    } catch (...) {
        m_inSetValue = false;
        throw;
    }
    m_inSetValue = false;
}

void TskDBRadioGroup::ListsChanged() {
    // The value may stay the same while the item that stands for it changed.
    SelectValue(m_value);
    DataChange();
}

void TskDBRadioGroup::Change() {
    if (OnChange) OnChange(this);
}

void TskDBRadioGroup::DataChange() {
    TField* field = GetField();
    SetValue(field ? field->GetText() : std::string());
}

bool TskDBRadioGroup::CanModify() const {
    return const_cast<TDBControlLink&>(m_data).Link().Edit();
}

void TskDBRadioGroup::NewClick() {
    if (m_inSetValue) return;
    const int index = GetItemIndex();
    if (index >= 0) SetValue(GetButtonValue(index));
    if (m_data.Link().GetEditing()) m_data.Link().Modified();
}

TskCheckBox* TskDBRadioGroup::CreateAButton() {
    return new TskDBRadioGroupButton(this, this);
}

void TskDBRadioGroup::GroupExit() {
    try {
        m_data.Link().UpdateRecord();
    } catch (...) {
        const int index = GetItemIndex();
        TskCheckBox* button = index >= 0 ? Buttons(index) : ButtonCount() ? Buttons(0) : nullptr;
        if (button && button->CanFocus()) button->SetFocus();
        throw;
    }
}

void TskDBRadioGroup::GroupKeyPress(char Key) {
    DataKeyPress(m_data.Link(), Key);
}

void TskDBRadioGroup::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    TskRadioGroup::WndProc(Message);
}

void TskDBRadioGroup::Notification(TComponent* AComponent, TOperation Operation) {
    TskRadioGroup::Notification(AComponent, Operation);
    if (Operation == opRemove) m_data.Removed(AComponent);
}

void RegisterDBCheckClasses() {
    RegisterClassesOf<TskDBCheckBox, TskDBRadioGroup>();
}

bool TskDBCheckBox::ExecuteAction(TBasicAction* Action) {
    return TskCheckBox::ExecuteAction(Action) || m_data.Link().ExecuteAction(Action);
}

bool TskDBCheckBox::UpdateAction(TBasicAction* Action) {
    return TskCheckBox::UpdateAction(Action) || m_data.Link().UpdateAction(Action);
}

bool TskDBRadioGroup::ExecuteAction(TBasicAction* Action) {
    return TskRadioGroup::ExecuteAction(Action) || m_data.Link().ExecuteAction(Action);
}

bool TskDBRadioGroup::UpdateAction(TBasicAction* Action) {
    return TskRadioGroup::UpdateAction(Action) || m_data.Link().UpdateAction(Action);
}
