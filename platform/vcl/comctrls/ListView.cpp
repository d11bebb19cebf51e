#include "platform/vcl/comctrls/ListView.h"

#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo ViewStyleInfo{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
const TEnumInfo SortTypeInfo{"TSortType", {"stNone", "stData", "stText", "stBoth"}};
const TEnumInfo BorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};

}  // namespace

const TClassInfo& TListView::StaticClassInfo() {
    using C = TListView;
    static const TClassInfo info =
        TClassBuilder<C>("TListView")
            .Enum("BorderStyle", BorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle, bsSingle)
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
            .Enum("SortType", SortTypeInfo, &C::GetSortType, &C::SetSortType, stNone)
            .Enum("ViewStyle", ViewStyleInfo, &C::GetViewStyle, &C::SetViewStyle, vsIcon)
            .Event("OnChange", &C::OnChange)
            .Event("OnColumnClick", &C::OnColumnClick)
            .Event("OnContextPopup", &C::OnContextPopup)
            .Event("OnDeletion", &C::OnDeletion)
            .Event("OnSelectItem", &C::OnSelectItem)
            .Build();
    return info;
}
