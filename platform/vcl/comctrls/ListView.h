#pragma once
// TListView: the list view with its properties published for form descriptions.
#include "platform/vcl/comctrls/CustomListView.h"

class TListView : public TCustomListView {
    QV_DECLARE_CLASS(TListView, TCustomListView)

    explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}
};
