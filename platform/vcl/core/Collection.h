#pragma once
// Collections: an owned, ordered list of items of one class, streamed as < item ... end >.
#include <string>
#include <vector>

#include "platform/vcl/core/CollectionItem.h"
#include "platform/vcl/core/Persistent.h"

class TCollection : public TPersistent {
    QV_DECLARE_CLASS(TCollection, TPersistent)

    // ItemClass must be a TCollectionItem class whose constructor takes the collection.
    explicit TCollection(const TClassInfo& ItemClass, TPersistent* Owner = nullptr);
    ~TCollection() override;

    const TClassInfo& ItemClass() const { return *m_itemClass; }
    int Count() const { return static_cast<int>(m_items.size()); }
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem* FindItemID(int ID) const;

    // Changes between BeginUpdate and EndUpdate are reported once, by EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override { return m_owner; }
    std::string GetNamePath() const override;

protected:
    // Item is the item that changed, or null when the whole collection did.
    virtual void Update(TCollectionItem* Item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(TCollectionItem* Item, int NewIndex);
    void ItemChanged(TCollectionItem* Item);

    const TClassInfo* m_itemClass;
    TPersistent* m_owner;
    std::vector<TCollectionItem*> m_items;
    int m_updateCount = 0;
    int m_nextID = 0;
};
