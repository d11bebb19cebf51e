#include "platform/vcl/core/CollectionItem.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Collection.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TCollectionItem::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCollectionItem>("TCollectionItem").Build();
    return info;
}

TCollectionItem::TCollectionItem(TCollection* Collection) {
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (Value == m_collection) return;
    if (m_collection) m_collection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
    if (!m_collection) return -1;
    auto& items = m_collection->m_items;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    if (m_collection && Value != GetIndex()) m_collection->MoveItem(this, Value);
}

std::string TCollectionItem::GetDisplayName() const {
    return ClassName();
}

std::string TCollectionItem::GetNamePath() const {
    if (!m_collection) return ClassName();
    return m_collection->GetNamePath() + "[" + IntToStr(GetIndex()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
    if (m_collection) m_collection->ItemChanged(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return m_collection; }
