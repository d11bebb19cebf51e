// The skinned buttons and panels that form descriptions may name.
#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/buttons/SKImageButton.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "platform/vcl/core/ClassInfo.h"

void RegisterButtonClasses() {
    for (const TClassInfo* info :
         {&TskButton::StaticClassInfo(), &TskCheckBox::StaticClassInfo(),
          &TskRadioButton::StaticClassInfo(), &TskImagePanel::StaticClassInfo(),
          &TskPanel::StaticClassInfo(), &TskImageButton::StaticClassInfo(),
          &TskControlButton::StaticClassInfo(), &TskArrowButton::StaticClassInfo(),
          &TskToolBarSpeedButton::StaticClassInfo()})
        RegisterClass(*info);
}
