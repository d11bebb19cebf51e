#pragma once
// Pictures that windows keep for one another while they paint one after another. A control
// that shows its parent's image under itself takes that image from here instead of having
// the parent paint once more for each such control. Everything kept is dropped as soon as
// a picture may change: an invalidation, a window's move, size or destruction, any message
// other than WM_PAINT, or the message loop running out of work.
#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/win/WinDefs.h"

// The pass now under way; another number once the kept pictures are dropped.
std::uint64_t GetPaintPass();
// The image of the window's client area kept in the current pass, or null.
const gfx::Bitmap* FindPassImage(HWND hwnd);
// Takes `image`, the window's client area, for the rest of `pass` and answers the kept
// picture. Leaves `image` alone and answers null when another pass began meanwhile
// (painting the image changed something) or the window is gone.
const gfx::Bitmap* KeepPassImage(HWND hwnd, std::uint64_t pass, gfx::Bitmap& image);

namespace win {
// Drops everything kept: the window manager calls this wherever a picture may change.
void EndPaintPass();
}  // namespace win
