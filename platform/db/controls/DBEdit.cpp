#include "platform/db/controls/DBEdit.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TDBEdit::StaticClassInfo() {
    using C = TDBEdit;
    static const TClassInfo info = TClassBuilder<C>("TDBEdit")
                                       .Publish("AutoSelect")
                                       .Publish("BorderStyle")
                                       .Publish("CharCase")
                                       .Publish("Ctl3D")
                                       .Publish("HideSelection")
                                       .Publish("MaxLength")
                                       .Publish("PasswordChar")
                                       .String("DataField", &C::GetDataField, &C::SetDataField)
                                       .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
                                       .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
                                       .Publish("OnChange")
                                       .Build();
    return info;
}

TDBEdit::TDBEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    m_controlStyle |= csReplicatable;
    TCustomEdit::SetReadOnly(true);
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = [this](TObject* s) { DataChange(s); };
    link.OnEditingChange = [this](TObject* s) { EditingChange(s); };
    link.OnUpdateData = [this](TObject* s) { UpdateData(s); };
}

TDBEdit::~TDBEdit() {
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = nullptr;
    link.OnEditingChange = nullptr;
    link.OnUpdateData = nullptr;
}

void TDBEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation == opRemove) m_data.Removed(AComponent);
}

void TDBEdit::DataChange(TObject*) {
    TField* field = GetField();
    if (!field) {
        SetEditMask("");
        SetText("");
        return;
    }
    SetAlignment(field->GetAlignment());
    SetEditMask(field->GetEditMask());
    SetMaxLength(field->GetDataType() == ftString ? field->GetSize() : 0);
    if (m_focused && m_data.Link().GetCanModify())
        SetText(field->GetText());
    else
        SetEditText(field->GetDisplayText());
}

void TDBEdit::EditingChange(TObject*) {
    TCustomEdit::SetReadOnly(!m_data.Link().GetEditing());
}

void TDBEdit::UpdateData(TObject*) {
    ValidateEdit();
    GetField()->SetText(GetText());
}

void TDBEdit::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_DELETE || (Key == VK_INSERT && (Shift & ssShift))) m_data.Link().Edit();
    if (Key == VK_ESCAPE && m_data.Link().IsModified()) {
        // Escape takes the typed text back instead of closing the dialog.
        m_data.Link().Reset();
        SelectAll();
        Key = 0;
    }
}

void TDBEdit::KeyPress(char& Key) {
    TCustomMaskEdit::KeyPress(Key);
    const auto ch = static_cast<unsigned char>(Key);
    TField* field = GetField();
    if (ch >= 32 && field && !field->IsValidChar(Key)) {
        MessageBeep(0);
        Key = 0;
        return;
    }
    if (ch >= 32 || Key == 8 || Key == 22 || Key == 24) m_data.Link().Edit();
}

void TDBEdit::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    // Pasting and cutting change the text as typing does: they need edit mode first.
    if (Message.Msg == WM_PASTE || Message.Msg == WM_CUT) m_data.Link().Edit();
    TCustomMaskEdit::WndProc(Message);
}

void TDBEdit::Change() {
    m_data.Link().Modified();
    TCustomMaskEdit::Change();
}

void TDBEdit::DoEnter() {
    // Coming back after a refused exit keeps the user's text: the edit never lost its focus.
    if (!m_focused) {
        m_focused = true;
        if (GetField() && !m_data.Link().IsModified()) DataChange(this);
    }
    TCustomMaskEdit::DoEnter();
}

void TDBEdit::DoExit() {
    m_data.UpdateRecordOnExit();
    m_focused = false;
    if (GetField()) DataChange(this);
    TCustomMaskEdit::DoExit();
}
