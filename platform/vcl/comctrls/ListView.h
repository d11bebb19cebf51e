#pragma once
// TListView: the list view with its properties published for form descriptions.
#include "platform/vcl/comctrls/CustomListView.h"
#include "platform/vcl/core/ClassInfo.h"

// The value names of the list view's enumerations, for descendants that publish them.
const TEnumInfo& TViewStyleInfo();
const TEnumInfo& TSortTypeInfo();
const TEnumInfo& TListBorderStyleInfo();

class TListView : public TCustomListView {
    QV_DECLARE_CLASS(TListView, TCustomListView)

    explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}
};
