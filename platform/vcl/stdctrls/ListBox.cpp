#include "platform/vcl/stdctrls/ListBox.h"

#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo ListBoxStyleInfo{"TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed"}};
const TEnumInfo BorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};

}  // namespace

const TClassInfo& TListBox::StaticClassInfo() {
    using C = TListBox;
    static const TClassInfo info =
        TClassBuilder<C>("TListBox")
            .Enum("BorderStyle", BorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle, bsSingle)
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Integer("ItemHeight", &C::GetItemHeight, &C::SetItemHeight)
            .Persistent("Items", [](C& c) { return c.GetItems(); })
            .Boolean("Sorted", &C::GetSorted, &C::SetSorted, false)
            .Enum("Style", ListBoxStyleInfo, &C::GetStyle, &C::SetStyle, lbStandard)
            .Event("OnDrawItem", &C::OnDrawItem)
            .Build();
    return info;
}
