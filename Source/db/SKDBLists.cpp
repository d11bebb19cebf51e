#include "Source/db/SKDBLists.h"

#include "Source/edits/SKScrollBar.h"
#include "platform/vcl/core/ClassBuilder.h"

namespace {

// Both lists publish the same properties beside their platform list's.
template <class C>
TClassInfo ListClassInfo(const char* Name) {
    return TClassBuilder<C>(Name)
        .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
        .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
        .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
        .Reference("VScrollBar", &C::GetVScrollBar, &C::SetVScrollBar)
        .Build();
}

}  // namespace

const TClassInfo& TskDBListBox::StaticClassInfo() {
    static const TClassInfo info = ListClassInfo<TskDBListBox>("TskDBListBox");
    return info;
}

const TClassInfo& TskDBLookupListBox::StaticClassInfo() {
    static const TClassInfo info = ListClassInfo<TskDBLookupListBox>("TskDBLookupListBox");
    return info;
}

void RegisterDBListClasses() {
    RegisterClassesOf<TskDBListBox, TskDBLookupListBox>();
}
