#include "platform/vcl/core/StringList.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"

// Like the VCL's, the list publishes nothing: a component that holds one publishes the
// settings it wants (a list box's Sorted), and the lines stream as Strings.
const TClassInfo& TStringList::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TStringList>("TStringList").Build();
    return info;
}

int TStringList::CompareStrings(std::string_view S1, std::string_view S2) const {
    if (m_caseSensitive) return S1.compare(S2);
    return CompareText(S1, S2);
}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) Error("List index out of bounds", Index);
}

const std::string& TStringList::Get(int Index) const {
    CheckIndex(Index);
    return m_items[static_cast<std::size_t>(Index)].text;
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return m_items[static_cast<std::size_t>(Index)].object;
}

void TStringList::Put(int Index, const std::string& S) {
    if (m_sorted) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(Index);
    Changing();
    m_items[static_cast<std::size_t>(Index)].text = S;
    Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    m_items[static_cast<std::size_t>(Index)].object = AObject;
    Changed();
}

int TStringList::Add(const std::string& S) {
    if (!m_sorted) {
        InsertItem(Count(), S, nullptr);
        return Count() - 1;
    }
    int index = 0;
    if (Find(S, index)) {
        if (m_duplicates == dupIgnore) return index;
        if (m_duplicates == dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, S, nullptr);
    return index;
}

void TStringList::Insert(int Index, const std::string& S) {
    if (m_sorted) throw EStringListError("Operation not allowed on sorted list");
    if (Index < 0 || Index > Count()) Error("List index out of bounds", Index);
    InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
    Changing();
    m_items.insert(m_items.begin() + Index, Item{S, AObject});
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    m_items.erase(m_items.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (m_items.empty()) return;
    Changing();
    m_items.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    if (m_sorted) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(m_items[static_cast<std::size_t>(Index1)], m_items[static_cast<std::size_t>(Index2)]);
    Changed();
}

bool TStringList::Find(std::string_view S, int& Index) const {
    int low = 0, high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = CompareStrings(m_items[static_cast<std::size_t>(mid)].text, S);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                // With duplicates accepted the first equal string is the one found.
                if (m_duplicates != dupAccept) low = mid;
            }
        }
    }
    Index = low;
    return found;
}

int TStringList::IndexOf(std::string_view S) const {
    if (!m_sorted) {
        for (int i = 0; i < Count(); ++i)
            if (CompareStrings(m_items[static_cast<std::size_t>(i)].text, S) == 0) return i;
        return -1;
    }
    int index = 0;
    return Find(S, index) ? index : -1;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(m_items.begin(), m_items.end(), [this](const Item& a, const Item& b) {
        return CompareStrings(a.text, b.text) < 0;
    });
    Changed();
}

void TStringList::SetSorted(bool Value) {
    if (Value == m_sorted) return;
    if (Value) Sort();
    m_sorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (Value == m_caseSensitive) return;
    m_caseSensitive = Value;
    if (m_sorted) Sort();
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}
