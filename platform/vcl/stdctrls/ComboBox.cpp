#include "platform/vcl/stdctrls/ComboBox.h"

#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo ComboBoxStyleInfo{"TComboBoxStyle",
                                  {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed"}};

}  // namespace

const TClassInfo& TComboBox::StaticClassInfo() {
    using C = TComboBox;
    static const TClassInfo info =
        TClassBuilder<C>("TComboBox")
            .Integer("DropDownCount", &C::GetDropDownCount, &C::SetDropDownCount, 8)
            .Persistent("Items", [](C& c) { return c.GetItems(); })
            .Integer("ItemIndex", &C::GetItemIndex, &C::SetItemIndex, -1)
            .Boolean("Sorted", &C::GetSorted, &C::SetSorted, false)
            .Enum("Style", ComboBoxStyleInfo, &C::GetStyle, &C::SetStyle, csDropDown)
            .Event("OnChange", &C::OnChange)
            .Event("OnCloseUp", &C::OnCloseUp)
            .Event("OnDropDown", &C::OnDropDown)
            .Event("OnSelect", &C::OnSelect)
            .Build();
    return info;
}
