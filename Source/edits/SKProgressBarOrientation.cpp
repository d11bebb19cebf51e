#include "Source/edits/SKProgressBarOrientation.h"

const TEnumInfo& TskProgressBarOrientationInfo() {
    static const TEnumInfo info{"TskProgressBarOrientation", {"skHorizontal", "skVertical"}};
    return info;
}
