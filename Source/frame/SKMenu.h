#pragma once
// The drawing routines the skinned menus share: hooking the measure and draw events of an
// item tree, filling and framing item rectangles, separators, the pinstripe backgrounds of
// the MacOS style, a flat border round a menu window, and the platform's menu font.
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/WinDefs.h"

class TCanvas;
class TFont;

// Sets the item's OnDrawItem and OnMeasureItem, then those of its sub-items, depth first in
// item order.
void Menu_SetItemEvent(TMenuItem* MenuItem, const TMenuDrawItemEvent& DrawEvent,
                       const TMenuMeasureItemEvent& MeasureEvent);

// A one-pixel outline of the rectangle in Color.
void Menu_DrawBorder(TCanvas* Canvas, const TRect& Rect, TColor Color);
// The rectangle filled with Color.
void Menu_DrawBackGround(TCanvas* Canvas, const TRect& Rect, TColor Color);
// A separator: a line two pixels below the item's top, from four pixels right of the left
// bar (LeftOffset wide) to two pixels short of the right edge.
void Menu_DrawLineItem(TCanvas* Canvas, const TRect& Rect, TColor Color, int LeftOffset);

// The MacOS style's pinstripes stretched over the item: the bar picture's top 12 rows for a
// separator, its top 20 rows for an ordinary item, the selection picture's top 20 rows for
// the highlighted one.
void Menu_DrawMacOSLineItem(TCanvas* Canvas, const TRect& Rect);
void Menu_DrawMacOSSelectedItem(TCanvas* Canvas, const TRect& Rect);
void Menu_DrawMacOSNonSelectedItem(TCanvas* Canvas, const TRect& Rect);

// Draws round the edge of the menu window: a one-pixel edge in EdgeColor on its top, right
// and bottom sides, a ring in FrameColor inside it (its left side the window's own left
// column) and a white ring inside that.
void Menu_DrawWindowBorder(HWND Window, TColor FrameColor, TColor EdgeColor);

// Gives the font the platform's menu font in clMenuText; leaves it alone when the platform
// cannot tell.
void Menu_GetSystemFont(TFont* Font);
