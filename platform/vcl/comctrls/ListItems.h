#pragma once
// TListItems: the rows of a list view, in display order. Adding and deleting keep every
// item's index, the view's selection and its scroll range current.
#include <memory>
#include <vector>

#include "platform/vcl/comctrls/ListItem.h"
#include "platform/vcl/core/Persistent.h"

class TListItems : public TPersistent {
    QV_DECLARE_CLASS(TListItems, TPersistent)

    explicit TListItems(TCustomListView* AOwner);
    ~TListItems() override;

    TCustomListView* GetListView() const { return m_owner; }
    TPersistent* GetOwner() const override;
    int Count() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return Count(); }
    TListItem* GetItem(int Index) const;
    TListItem* operator[](int Index) const { return GetItem(Index); }

    TListItem* Add();
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int IndexOf(const TListItem* Value) const;
    // Changes between BeginUpdate and EndUpdate reach the view once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    void Assign(const TPersistent* Source) override;

private:
    void Renumber(int From);
    void Changed();

    TCustomListView* m_owner;
    std::vector<std::unique_ptr<TListItem>> m_items;
    int m_updateCount = 0;
    bool m_changedInUpdate = false;
};
