#include "platform/db/controls/DBMemo.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TDBMemo::StaticClassInfo() {
    using C = TDBMemo;
    static const TClassInfo info = TClassBuilder<C>("TDBMemo")
                                       .Publish("Alignment")
                                       .Publish("BorderStyle")
                                       .Publish("Ctl3D")
                                       .Publish("HideSelection")
                                       .Publish("MaxLength")
                                       .Publish("ScrollBars")
                                       .Publish("WantReturns")
                                       .Publish("WantTabs")
                                       .Publish("WordWrap")
                                       .String("DataField", &C::GetDataField, &C::SetDataField)
                                       .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
                                       .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
                                       .Publish("OnChange")
                                       .Build();
    return info;
}

TDBMemo::TDBMemo(TComponent* AOwner) : TCustomMemo(AOwner) {
    m_controlStyle |= csReplicatable;
    TCustomEdit::SetReadOnly(true);
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = [this](TObject*) {
        TField* field = GetField();
        SetText(field ? field->GetAsString() : std::string());
    };
    link.OnEditingChange = [this](TObject*) {
        TCustomEdit::SetReadOnly(!m_data.Link().GetEditing());
    };
    link.OnUpdateData = [this](TObject*) { GetField()->SetAsString(GetText()); };
}

TDBMemo::~TDBMemo() {
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = nullptr;
    link.OnEditingChange = nullptr;
    link.OnUpdateData = nullptr;
}

void TDBMemo::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMemo::Notification(AComponent, Operation);
    if (Operation == opRemove) m_data.Removed(AComponent);
}

void TDBMemo::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomMemo::KeyDown(Key, Shift);
    if (Key == VK_DELETE || (Key == VK_INSERT && (Shift & ssShift))) m_data.Link().Edit();
    if (Key == VK_ESCAPE && m_data.Link().IsModified()) {
        m_data.Link().Reset();
        Key = 0;
    }
}

void TDBMemo::KeyPress(char& Key) {
    TCustomMemo::KeyPress(Key);
    const auto ch = static_cast<unsigned char>(Key);
    if (ch >= 32 || Key == 8 || Key == 13 || Key == 9 || Key == 22 || Key == 24)
        m_data.Link().Edit();
}

void TDBMemo::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    if (Message.Msg == WM_PASTE || Message.Msg == WM_CUT) m_data.Link().Edit();
    TCustomMemo::WndProc(Message);
}

void TDBMemo::Change() {
    m_data.Link().Modified();
    TCustomMemo::Change();
}

void TDBMemo::DoExit() {
    m_data.UpdateRecordOnExit();
    TCustomMemo::DoExit();
}
