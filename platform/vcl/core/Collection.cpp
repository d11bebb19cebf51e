#include "platform/vcl/core/Collection.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TCollection::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCollection>("TCollection").Build();
    return info;
}

TCollection::TCollection(const TClassInfo& ItemClass, TPersistent* Owner)
    : m_itemClass(&ItemClass), m_owner(Owner) {
    if (!ItemClass.CreateItem)
        throw EInvalidOperation(ItemClass.Name() + " cannot be the item class of a collection");
}

TCollection::~TCollection() {
    m_updateCount = 1;
    while (!m_items.empty()) delete m_items.back();
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    return m_items[static_cast<std::size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
    // The item joins the collection from its base constructor, before its own members
    // exist: the update that reports it waits until it is whole.
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = m_itemClass->CreateItem(this);
        if (item->m_collection != this) item->SetCollection(this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index) {
    delete Items(Index);
}

void TCollection::Clear() {
    if (m_items.empty()) return;
    BeginUpdate();
    while (!m_items.empty()) delete m_items.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
    for (TCollectionItem* item : m_items)
        if (item->m_id == ID) return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++m_updateCount;
}

void TCollection::EndUpdate() {
    if (m_updateCount > 0 && --m_updateCount == 0) Changed();
}

void TCollection::Changed() {
    if (m_updateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TCollection*>(Source);
    if (!source) return TPersistent::Assign(Source);
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : source->m_items) Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TCollection::GetNamePath() const {
    return m_owner ? m_owner->GetNamePath() + "." + ClassName() : ClassName();
}

void TCollection::InsertItem(TCollectionItem* Item) {
    Item->m_collection = this;
    Item->m_id = m_nextID++;
    m_items.push_back(Item);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    std::erase(m_items, Item);
    Item->m_collection = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
    NewIndex = std::clamp(NewIndex, 0, Count() - 1);
    std::erase(m_items, Item);
    m_items.insert(m_items.begin() + NewIndex, Item);
    Changed();
}

void TCollection::ItemChanged(TCollectionItem* Item) {
    if (m_updateCount == 0) Update(Item);
}
