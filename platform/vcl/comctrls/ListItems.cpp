#include "platform/vcl/comctrls/ListItems.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/comctrls/CustomListView.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TListItems::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TListItems>("TListItems").Build();
    return info;
}

TListItems::TListItems(TCustomListView* AOwner) : m_owner(AOwner) {}

TListItems::~TListItems() {
    // The view is being destroyed: its selection and events no longer matter.
    m_owner = nullptr;
    for (auto& item : m_items) item->m_owner = nullptr;
}

TPersistent* TListItems::GetOwner() const {
    return m_owner;
}

TListItem* TListItems::GetItem(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    return m_items[static_cast<std::size_t>(Index)].get();
}

TListItem* TListItems::Add() {
    return Insert(Count());
}

TListItem* TListItems::Insert(int Index) {
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    auto item = std::make_unique<TListItem>(this);
    TListItem* result = item.get();
    m_items.insert(m_items.begin() + Index, std::move(item));
    Renumber(Index);
    if (m_owner) m_owner->ItemInserted(Index);
    Changed();
    return result;
}

void TListItems::Delete(int Index) {
    TListItem* item = GetItem(Index);
    if (m_owner) m_owner->ItemDeleting(item);
    m_items.erase(m_items.begin() + Index);
    Renumber(Index);
    Changed();
}

void TListItems::Clear() {
    if (m_items.empty()) return;
    BeginUpdate();
    try {
        // From the end, so that no index needs renumbering on the way.
        while (!m_items.empty()) {
            TListItem* item = m_items.back().get();
            if (m_owner) m_owner->ItemDeleting(item);
            m_items.pop_back();
        }
        m_changedInUpdate = true;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TListItems::IndexOf(const TListItem* Value) const {
    if (!Value || Value->m_owner != this) return -1;
    return Value->m_index;
}

void TListItems::BeginUpdate() {
    ++m_updateCount;
}

void TListItems::EndUpdate() {
    if (m_updateCount == 0) return;
    if (--m_updateCount == 0 && m_changedInUpdate) {
        m_changedInUpdate = false;
        if (m_owner) m_owner->ItemsChanged();
    }
}

void TListItems::Assign(const TPersistent* Source) {
    if (auto* items = dynamic_cast<const TListItems*>(Source)) {
        if (items == this) return;
        BeginUpdate();
        try {
            Clear();
            for (const auto& item : items->m_items) Add()->Assign(item.get());
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

void TListItems::Renumber(int From) {
    for (std::size_t i = static_cast<std::size_t>(From); i < m_items.size(); ++i)
        m_items[i]->m_index = static_cast<int>(i);
}

void TListItems::Changed() {
    if (m_updateCount > 0) {
        m_changedInUpdate = true;
        return;
    }
    if (m_owner) m_owner->ItemsChanged();
}
