#include "platform/vcl/comctrls/ListView.h"

#include "platform/vcl/core/ClassBuilder.h"

const TEnumInfo& TViewStyleInfo() {
    static const TEnumInfo info{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
    return info;
}

const TEnumInfo& TSortTypeInfo() {
    static const TEnumInfo info{"TSortType", {"stNone", "stData", "stText", "stBoth"}};
    return info;
}

const TEnumInfo& TListBorderStyleInfo() {
    static const TEnumInfo info{"TBorderStyle", {"bsNone", "bsSingle"}};
    return info;
}

const TClassInfo& TListView::StaticClassInfo() {
    using C = TListView;
    static const TClassInfo info =
        TClassBuilder<C>("TListView")
            .Enum("BorderStyle", TListBorderStyleInfo(), &C::GetBorderStyle, &C::SetBorderStyle, bsSingle)
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Persistent("Columns", [](C& c) { return c.GetColumns(); })
            .Boolean("ColumnClick", &C::GetColumnClick, &C::SetColumnClick, true)
            .Boolean("Ctl3D", &C::GetCtl3D, &C::SetCtl3D, true)
            .Boolean("GridLines", &C::GetGridLines, &C::SetGridLines, false)
            .Boolean("HideSelection", &C::GetHideSelection, &C::SetHideSelection, true)
            .Boolean("MultiSelect", &C::GetMultiSelect, &C::SetMultiSelect, false)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false)
            .Boolean("RowSelect", &C::GetRowSelect, &C::SetRowSelect, false)
            .Boolean("ShowColumnHeaders", &C::GetShowColumnHeaders, &C::SetShowColumnHeaders, true)
            .Enum("SortType", TSortTypeInfo(), &C::GetSortType, &C::SetSortType, stNone)
            .Enum("ViewStyle", TViewStyleInfo(), &C::GetViewStyle, &C::SetViewStyle, vsIcon)
            .Event("OnChange", &C::OnChange)
            .Event("OnColumnClick", &C::OnColumnClick)
            .Event("OnContextPopup", &C::OnContextPopup)
            .Event("OnDeletion", &C::OnDeletion)
            .Event("OnSelectItem", &C::OnSelectItem)
            .Build();
    return info;
}
