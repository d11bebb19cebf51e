#pragma once
// TListColumns: the columns of a report list view; every change reaches the view so that
// its header, cells and horizontal scroll range follow.
#include "platform/vcl/core/Collection.h"
#include "platform/vcl/comctrls/ListColumn.h"

class TCustomListView;

class TListColumns : public TCollection {
    QV_DECLARE_CLASS(TListColumns, TCollection)

    explicit TListColumns(TCustomListView* AOwner);

    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int Index) const {
        return static_cast<TListColumn*>(TCollection::Items(Index));
    }
    TCustomListView* GetListView() const { return m_listView; }
    // The sum of the column widths: the report's width in pixels.
    int TotalWidth() const;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCustomListView* m_listView;
};
