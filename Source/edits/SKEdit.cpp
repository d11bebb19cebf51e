// TskEdit and TskMaskEdit: the platform's edits with the skin's flat frame, and the
// frame's border colour.
#include "Source/edits/SKEdit.h"

#include "Source/edits/SKSpinEdit.h"

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

TColor SkinControlBorderColor(const TskFileTheme* FileTheme, TskUIStyle Style) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective))
        return FileTheme->GetColor(SkItem::ControlBorderColor);
    return GetInsideThemeColor(effective, SkItem::ControlBorderColor);
}

const TClassInfo& TskEdit::StaticClassInfo() {
    using C = TskEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TskEdit")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Publish("AutoSelect")
            .Publish("AutoSize")
            .Publish("CharCase")
            .Publish("Color")
            .Publish("Constraints")
            .Publish("Ctl3D")
            .Publish("Enabled")
            .Publish("Font")
            .Publish("HideSelection")
            .Publish("MaxLength")
            .Publish("ParentColor")
            .Publish("ParentFont")
            .Publish("PasswordChar")
            .Publish("PopupMenu")
            .Publish("ReadOnly")
            .Publish("ShowHint")
            .Publish("TabOrder")
            .Publish("TabStop")
            .Publish("Text")
            .Publish("Visible")
            .Publish("OnChange")
            .Build();
    return info;
}

TskEdit::TskEdit(TComponent* AOwner) : TskFlatFramed(AOwner) {}

TskEdit::~TskEdit() = default;

const TClassInfo& TskMaskEdit::StaticClassInfo() {
    using C = TskMaskEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TskMaskEdit")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Publish("AutoSelect")
            .Publish("AutoSize")
            .Publish("BorderStyle")
            .Publish("CharCase")
            .Publish("Color")
            .Publish("Constraints")
            .Publish("Enabled")
            .Publish("EditMask")
            .Publish("Font")
            .Publish("MaxLength")
            .Publish("ParentColor")
            .Publish("ParentFont")
            .Publish("PasswordChar")
            .Publish("PopupMenu")
            .Publish("ReadOnly")
            .Publish("ShowHint")
            .Publish("TabOrder")
            .Publish("TabStop")
            .Publish("Text")
            .Publish("Visible")
            .Publish("OnChange")
            .Build();
    return info;
}

TskMaskEdit::TskMaskEdit(TComponent* AOwner) : TskFlatFramed(AOwner) {}

TskMaskEdit::~TskMaskEdit() = default;

void RegisterSKEditClasses() {
    RegisterClassesOf<TskEdit, TskMaskEdit, TskNumberEdit>();
    RegisterSKSpinEditClasses();
}
