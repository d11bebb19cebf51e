#include "platform/db/controls/DBListBox.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TDBListBox::StaticClassInfo() {
    using C = TDBListBox;
    static const TClassInfo info =
        TClassBuilder<C>("TDBListBox")
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Integer("ItemHeight", &C::GetItemHeight, &C::SetItemHeight)
            .Persistent("Items", [](C& c) { return c.GetItems(); })
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Publish("OnClick")
            .Build();
    return info;
}

bool IsListNavigationKey(WORD Key) {
    switch (Key) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: return true;
        default: return false;
    }
}

TDBListBox::TDBListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
    m_data.Link().OnDataChange = [this](TObject*) { DataChange(); };
    m_data.Link().OnUpdateData = [this](TObject*) {
        const int index = GetItemIndex();
        GetField()->SetText(index >= 0 ? GetItems()->Strings(index) : std::string());
    };
}

TDBListBox::~TDBListBox() {
    m_data.Link().OnDataChange = nullptr;
    m_data.Link().OnUpdateData = nullptr;
}

void TDBListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomListBox::Notification(AComponent, Operation);
    if (Operation == opRemove) m_data.Removed(AComponent);
}

void TDBListBox::DataChange() {
    TField* field = GetField();
    SetItemIndex(field ? GetItems()->IndexOf(field->GetText()) : -1);
}

void TDBListBox::KeyDown(WORD& Key, TShiftState Shift) {
    // Edit first: entering edit mode re-reads the field, which would undo a move made before.
    if (IsListNavigationKey(Key) && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomListBox::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && m_data.Link().IsModified()) {
        m_data.Link().Reset();
        Key = 0;
    }
}

void TDBListBox::KeyPress(char& Key) {
    if (static_cast<unsigned char>(Key) >= 32 && !m_data.Link().Edit()) {
        Key = 0;
        return;
    }
    TCustomListBox::KeyPress(Key);
}

void TDBListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && !m_data.Link().Edit()) {
        if (CanFocus() && !Focused()) SetFocus();
        return;
    }
    TCustomListBox::MouseDown(Button, Shift, X, Y);
}

void TDBListBox::Click() {
    m_data.Link().Modified();
    TCustomListBox::Click();
}

void TDBListBox::DoExit() {
    m_data.UpdateRecordOnExit();
    TCustomListBox::DoExit();
}

void TDBListBox::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    TCustomListBox::WndProc(Message);
}
