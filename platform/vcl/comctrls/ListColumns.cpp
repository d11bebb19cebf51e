#include "platform/vcl/comctrls/ListColumns.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/comctrls/CustomListView.h"

const TClassInfo& TListColumns::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TListColumns>("TListColumns").Build();
    return info;
}

TListColumns::TListColumns(TCustomListView* AOwner)
    : TCollection(TListColumn::StaticClassInfo(), AOwner), m_listView(AOwner) {}

int TListColumns::TotalWidth() const {
    int total = 0;
    for (int i = 0; i < Count(); ++i) total += Items(i)->GetWidth();
    return total;
}

void TListColumns::Update(TCollectionItem*) {
    if (m_listView) m_listView->ColumnsChanged();
}
