#pragma once
// The direction of the bars: the progress bar, the track bar and the scroll bar.
#include <cstdint>

#include "platform/vcl/core/ClassInfo.h"

enum class TskProgressBarOrientation : std::uint8_t { skHorizontal, skVertical };
using enum TskProgressBarOrientation;

// The value names, for the published Orientation properties.
const TEnumInfo& TskProgressBarOrientationInfo();
