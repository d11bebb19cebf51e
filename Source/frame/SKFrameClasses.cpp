#include "Source/frame/SKFrameClasses.h"

#include "platform/vcl/core/ClassInfo.h"

#include "Source/frame/SKForm.h"
#include "Source/frame/SKMDIForm.h"
#include "Source/frame/SKPopupMenu.h"
#include "Source/frame/SKTitleBar.h"

void RegisterFrameClasses() {
    RegisterClassesOf<TskPopupMenu, TskTitleBar, TskTitleBarPopupMenu, TskTitleBarButton,
                      TskTitleBarSection, TskForm, TskMDIForm>();
}
