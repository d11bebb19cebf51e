#include "platform/vcl/stdctrls/ListBoxStrings.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/CustomListBox.h"

namespace {

// What the list keeps in a string's object slot once the string has flags: the flags and
// the object the program put there, which is all the program ever sees.
class TListBoxItemData : public TObject {
public:
    TObject* object = nullptr;
    int flags = 0;
};

}  // namespace

const TClassInfo& TListBoxStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TListBoxStrings>("TListBoxStrings").Build();
    return info;
}

TListBoxStrings::TListBoxStrings(TCustomListBox* ListBox) : m_listBox(ListBox) {}

TListBoxStrings::~TListBoxStrings() {
    m_listBox = nullptr;
    for (int i = 0; i < Count(); ++i) FreeData(i);
}

int TListBoxStrings::Add(const std::string& S) {
    const int before = Count();
    const int index = TStringList::Add(S);
    if (Count() > before && m_listBox) m_listBox->ItemInserted(index);
    return index;
}

void TListBoxStrings::Insert(int Index, const std::string& S) {
    TStringList::Insert(Index, S);
    if (m_listBox) m_listBox->ItemInserted(Index);
}

void TListBoxStrings::Delete(int Index) {
    if (Index >= 0 && Index < Count()) FreeData(Index);
    TStringList::Delete(Index);
    if (m_listBox) m_listBox->ItemDeleted(Index);
}

void TListBoxStrings::Clear() {
    for (int i = 0; i < Count(); ++i) FreeData(i);
    TStringList::Clear();
    if (m_listBox) m_listBox->ItemsCleared();
}

void TListBoxStrings::Exchange(int Index1, int Index2) {
    TStringList::Exchange(Index1, Index2);
    if (m_listBox) m_listBox->ItemsExchanged(Index1, Index2);
}

int TListBoxStrings::GetItemFlags(int Index) const {
    auto* data = dynamic_cast<TListBoxItemData*>(TStringList::GetObject(Index));
    return data ? data->flags : 0;
}

void TListBoxStrings::SetItemFlags(int Index, int Flags) {
    TObject* stored = TStringList::GetObject(Index);
    auto* data = dynamic_cast<TListBoxItemData*>(stored);
    if (!data) {
        if (Flags == 0) return;
        data = new TListBoxItemData;
        data->object = stored;
        TStringList::PutObject(Index, data);
    }
    data->flags = Flags;
    Changed();
}

TObject* TListBoxStrings::GetObject(int Index) const {
    TObject* stored = TStringList::GetObject(Index);
    if (auto* data = dynamic_cast<TListBoxItemData*>(stored)) return data->object;
    return stored;
}

void TListBoxStrings::PutObject(int Index, TObject* AObject) {
    if (auto* data = dynamic_cast<TListBoxItemData*>(TStringList::GetObject(Index))) {
        data->object = AObject;
        Changed();
        return;
    }
    TStringList::PutObject(Index, AObject);
}

void TListBoxStrings::Changed() {
    TStringList::Changed();
    if (UpdateCount() == 0 && m_listBox) m_listBox->ItemsChanged();
}

void TListBoxStrings::FreeData(int Index) {
    auto* data = dynamic_cast<TListBoxItemData*>(TStringList::GetObject(Index));
    if (!data) return;
    TStringList::PutObject(Index, data->object);
    delete data;
}
