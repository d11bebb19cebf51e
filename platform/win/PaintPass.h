#pragma once
// Pictures that windows keep for one another while they paint one after another. A control
// that shows its parent's image under itself takes that image from here instead of having
// the parent paint once more for each such control. Everything kept is dropped as soon as
// a picture may change: an invalidation, a window's move, size or destruction, any message
// other than WM_PAINT, or the message loop running out of work.
#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/WinDefs.h"

// A part of a window's client area as painted: `Image` shows `Area`, in client coordinates.
struct TPassImage {
    TRect Area;
    gfx::Bitmap Image;
};

// The pass now under way; another number once the kept pictures are dropped.
std::uint64_t GetPaintPass();
// The image of the window's client area kept in the current pass, or null.
const TPassImage* FindPassImage(HWND hwnd);
// Takes `image` for the rest of `pass` in place of what the window kept, and answers the
// kept picture. Leaves `image` alone and answers null when another pass began meanwhile
// (painting the image changed something) or the window is gone.
const TPassImage* KeepPassImage(HWND hwnd, std::uint64_t pass, TPassImage& image);

namespace win {
// Drops everything kept: the window manager calls this wherever a picture may change.
void EndPaintPass();
}  // namespace win
