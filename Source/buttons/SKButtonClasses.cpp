// The skinned buttons and panels that form descriptions may name.
#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/buttons/SKImageButton.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "platform/vcl/core/ClassInfo.h"

void RegisterButtonClasses() {
    RegisterClassesOf<TskButton, TskCheckBox, TskRadioButton, TskImagePanel, TskPanel,
                      TskImageButton, TskControlButton, TskArrowButton, TskToolBarSpeedButton>();
}
