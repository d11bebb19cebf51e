// The skinned buttons and panels that form descriptions may name.
#include "Source/buttons/SKButton.h"
#include "platform/vcl/core/ClassInfo.h"

void RegisterButtonClasses() {
    for (const TClassInfo* info : {&TskButton::StaticClassInfo()}) RegisterClass(*info);
}
