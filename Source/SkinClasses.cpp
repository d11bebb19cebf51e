#include "Source/SkinClasses.h"

#include "Source/buttons/SKButton.h"
#include "Source/edits/SKEdit.h"
#include "Source/buttons/SKGroupBox.h"
#include "Source/buttons/SKRadioGroup.h"
#include "Source/edits/SKListView.h"
#include "Source/edits/SKScrollBar.h"
#include "Source/edits/SKTrackBar.h"
#include "Source/edits/SKProgressBar.h"
#include "Source/edits/SKToolBar.h"
#include "Source/edits/SKURLLabel.h"
#include "Source/frame/SKFrameClasses.h"
#include "Source/frame/SKMSNPopForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/theme/SKMgr.h"

// One line per unit; each unit registers the classes that form descriptions create.
void RegisterSkinClasses() {
    InitSkinLibrary();
    RegisterButtonClasses();
    RegisterFrameClasses();
    RegisterSKGroupBoxClasses();
    RegisterSKRadioGroupClasses();
    RegisterSKURLLabelClasses();
    RegisterSKProgressBarClasses();
    RegisterSKToolBarClasses();
    RegisterMSNPopClasses();
    RegisterSKMainMenuClasses();
    RegisterSKEditClasses();
    RegisterSKTrackBarClasses();
    RegisterSKScrollBarClasses();
    RegisterSKListViewClasses();
}
