#include "platform/db/controls/DBComboBox.h"

#include "platform/db/controls/DBListBox.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

namespace {
const TEnumInfo DBComboBoxStyleInfo{"TComboBoxStyle",
                                    {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed"}};
}

const TClassInfo& TDBComboBox::StaticClassInfo() {
    using C = TDBComboBox;
    static const TClassInfo info =
        TClassBuilder<C>("TDBComboBox")
            .Enum("Style", DBComboBoxStyleInfo, &C::GetStyle, &C::SetStyle, csDropDown)
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Integer("DropDownCount", &C::GetDropDownCount, &C::SetDropDownCount, 8)
            .Persistent("Items", [](C& c) { return c.GetItems(); })
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Boolean("Sorted", &C::GetSorted, &C::SetSorted, false)
            .Event("OnChange", &C::OnChange)
            .Event("OnDropDown", &C::OnDropDown)
            .Event("OnCloseUp", &C::OnCloseUp)
            .Build();
    return info;
}

// TDBComboBoxEdit

TDBComboBoxEdit::TDBComboBoxEdit(TDBComboBox* Combo) : TCustomEdit(Combo), m_combo(Combo) {
    SetBorderStyle(bsNone);
    SetReadOnly(true);
    SetParent(Combo);
}

void TDBComboBoxEdit::KeyDown(WORD& Key, TShiftState Shift) {
    // Keys that work the list go to the combo box, which moves its item.
    const bool listKey = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT ||
                         Key == (VK_F1 + 3) || Key == VK_RETURN ||
                         (Key == VK_ESCAPE && m_combo->GetDroppedDown());
    if (listKey) {
        m_combo->KeyDown(Key, Shift);
        if (Key == 0) return;
    }
    if (Key == VK_DELETE) m_combo->m_data.Link().Edit();
    if (Key == VK_ESCAPE && m_combo->m_data.Link().IsModified()) {
        m_combo->m_data.Link().Reset();
        SelectAll();
        Key = 0;
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}

void TDBComboBoxEdit::KeyPress(char& Key) {
    TCustomEdit::KeyPress(Key);
    const auto ch = static_cast<unsigned char>(Key);
    TField* field = m_combo->GetField();
    if (ch >= 32 && field && !field->IsValidChar(Key)) {
        MessageBeep(0);
        Key = 0;
        return;
    }
    if (ch >= 32 || Key == 8 || Key == 22 || Key == 24) m_combo->m_data.Link().Edit();
}

void TDBComboBoxEdit::Change() {
    TCustomEdit::Change();
    if (!m_combo->m_settingText) {
        m_combo->m_data.Link().Modified();
        if (m_combo->OnChange) m_combo->OnChange(m_combo);
    }
}

void TDBComboBoxEdit::DoExit() {
    m_combo->m_data.UpdateRecordOnExit();
    TCustomEdit::DoExit();
}

// TDBComboBox

TDBComboBox::TDBComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
    m_data.Link().OnDataChange = [this](TObject*) { DataChange(); };
    m_data.Link().OnEditingChange = [this](TObject*) {
        if (m_edit) m_edit->SetReadOnly(!m_data.Link().GetEditing());
    };
    m_data.Link().OnUpdateData = [this](TObject*) { GetField()->SetText(GetText()); };
    UpdateEdit();
}

TDBComboBox::~TDBComboBox() {
    m_data.Link().OnDataChange = nullptr;
    m_data.Link().OnEditingChange = nullptr;
    m_data.Link().OnUpdateData = nullptr;
}

void TDBComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove) {
        m_data.Removed(AComponent);
        if (AComponent == m_edit) m_edit = nullptr;
    }
}

void TDBComboBox::SetStyle(TComboBoxStyle Value) {
    TCustomComboBox::SetStyle(Value);
    UpdateEdit();
}

void TDBComboBox::Loaded() {
    TCustomComboBox::Loaded();
    UpdateEdit();
}

void TDBComboBox::UpdateEdit() {
    if (GetStyle() == csDropDown && !m_edit) {
        m_edit = new TDBComboBoxEdit(this);
        m_edit->SetReadOnly(!m_data.Link().GetEditing());
        PlaceEdit();
        DataChange();
    } else if (GetStyle() != csDropDown && m_edit) {
        delete m_edit;
        m_edit = nullptr;
    }
}

void TDBComboBox::PlaceEdit() {
    if (!m_edit) return;
    const TRect r = ItemRect();
    m_edit->SetBounds(r.left + 1, r.top + 1, std::max(0, r.Width() - 2), std::max(0, r.Height() - 2));
}

void TDBComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceEdit();
}

std::string TDBComboBox::GetText() const {
    return m_edit ? m_edit->GetText() : TCustomComboBox::GetText();
}

void TDBComboBox::DataChange() {
    TField* field = GetField();
    const std::string text = field ? field->GetText() : std::string();
    m_settingText = true;
    if (m_edit) {
        TCustomComboBox::SetText(text);
        m_edit->SetText(text);
    } else {
        SetItemIndex(GetItems()->IndexOf(text));
    }
    m_settingText = false;
}

void TDBComboBox::KeyDown(WORD& Key, TShiftState Shift) {
    if ((IsListNavigationKey(Key) || Key == (VK_F1 + 3)) && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomComboBox::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && m_data.Link().IsModified()) {
        m_data.Link().Reset();
        Key = 0;
    }
}

void TDBComboBox::KeyPress(char& Key) {
    if (static_cast<unsigned char>(Key) >= 32 && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomComboBox::KeyPress(Key);
}

void TDBComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // Opening the list offers a change: edit mode first, or the list stays shut.
    if (Button == mbLeft && !m_data.Link().Edit()) {
        if (CanFocus() && !Focused()) SetFocus();
        return;
    }
    TCustomComboBox::MouseDown(Button, Shift, X, Y);
}

void TDBComboBox::Change() {
    if (m_edit) {
        m_settingText = true;
        m_edit->SetText(TCustomComboBox::GetText());
        m_edit->SelectAll();
        m_settingText = false;
    }
    m_data.Link().Modified();
    TCustomComboBox::Change();
}

void TDBComboBox::DoEnter() {
    TCustomComboBox::DoEnter();
    if (m_edit && m_edit->CanFocus()) m_edit->SetFocus();
}

void TDBComboBox::DoExit() {
    m_data.UpdateRecordOnExit();
    TCustomComboBox::DoExit();
}

void TDBComboBox::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    TCustomComboBox::WndProc(Message);
}
