#pragma once
// What backends and tests see of the screen: the top-level windows in Z-order, their
// surfaces and shapes, and the desktop composed from them.
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinDefs.h"

namespace win {

// The colour of the desktop where no window covers it.
constexpr TColor kDesktopColor = 0x808000;

// Visible, not minimised top-level windows, top first.
std::vector<HWND> VisibleTopLevelWindows();
// The pixels of a top-level window (window coordinates), or nullptr.
const gfx::Bitmap* TopLevelSurface(HWND hwnd);
// The window's shape in window coordinates (its whole rectangle without a region).
gfx::Region TopLevelShape(HWND hwnd);
// What was painted on the window's surface since the last call (window coordinates);
// clears it.
gfx::Region TakeSurfaceDamage(HWND hwnd);

// The screen as a user would see it: every visible top-level window drawn bottom to top,
// clipped to its shape, over the desktop colour.
gfx::Bitmap ComposeDesktop();
// One window as it would look on the screen (its own pixels, its frame included).
gfx::Bitmap CaptureWindow(HWND hwnd);
// The visible top-level window whose shape covers the screen point, or nullptr.
HWND TopLevelAt(TPoint screen);

}  // namespace win
