#pragma once
// Painting shared by the skinned frames of plain and MDI forms.
#include "platform/vcl/graphics/Canvas.h"

class TskTitleBar;

// The dialog frame the platform leaves round a form's client area.
constexpr int kSkinFrameBand = 3;

// The frame's edges beside and above the title bar, cut from the title bar's pictures, on
// the window canvas of a form `W` wide with a `BW`-pixel border; with RoundCorners (a
// one-pixel border and 11-pixel corners) the corners' arcs in BorderColor too.
void PaintTitleBarEdges(TCanvas& Canvas, TskTitleBar& TitleBar, int W, int BW,
                        TColor BorderColor, bool RoundCorners);
