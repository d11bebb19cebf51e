#include "Source/frame/SKFrameClasses.h"

#include "platform/vcl/core/ClassInfo.h"

#include "Source/frame/SKPopupMenu.h"

void RegisterFrameClasses() {
    RegisterClass(TskPopupMenu::StaticClassInfo());
}
