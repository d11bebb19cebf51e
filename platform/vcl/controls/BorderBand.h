#pragma once
// The band that a control's BorderWidth keeps free inside its border: taken off the client
// area in WM_NCCALCSIZE (so the scroll bars lie inside it too) and filled in WM_NCPAINT.
#include "platform/gfx/Color.h"
#include "platform/vcl/controls/ControlTypes.h"

// Shrinks the rectangle that WM_NCCALCSIZE carries by Width on every side.
void BorderBandCalcSize(TMessage& Message, int Width);
// Fills the band inside the window's own border with Color.
void BorderBandPaint(HWND Window, int Width, TColor Color);
