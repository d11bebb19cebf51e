#pragma once
// The classic three-dimensional edges: bevels of panels, buttons and check boxes.
#include "platform/vcl/graphics/Canvas.h"
#include "platform/win/Gdi.h"

// Draws Width rings inside Rect, TopColor on the top and left edges and BottomColor on the
// bottom and right ones, and shrinks Rect by them.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
// Text drawn as a disabled control shows it: a highlight copy one pixel down and right
// under the text in the shadow colour.
void DrawDisabledText(TCanvas* Canvas, std::string_view Text, TRect Rect, unsigned Flags);
