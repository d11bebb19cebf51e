#pragma once
// The drawing helpers every skinned control shares: cutting strip pictures into frames,
// drawing a picture scaled by its borders or its ends, tiling, quarter turns, shaping a
// window from a picture, and a few queries about the platform.
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/vcl/core/TypInfo.h"  // IsHasProperty(component, name)
#include "platform/win/WinDefs.h"

#include "Source/theme/SKThemes.h"

class TBitmap;
class TCanvas;
class TControl;
class TCustomForm;
class TGraphic;
class TWinControl;
class TskFileTheme;

// The transparent key of the helpers wherever no other key is given.
inline constexpr TColor SK_TRANSPARENT_KEY = 0xFF00FF;

// Cuts frame Index (from 1) of Count equal-width frames laid side by side out of Source
// into Target, which takes the frame's size. Columns past the last whole frame belong to
// no frame. Count must not be 0.
void SpitBitmap(TBitmap* Source, TBitmap* Target, int Count, int Index);

// Draws the picture into Rect in nine parts: the corners keep their size (shrunk to the
// room there is, cut from the picture's outer side), the edges and the centre are
// stretched. Corners are drawn at the canvas origin and at Rect's right and bottom, so Rect
// is a client rectangle (left and top 0). Transparent keys the corners with magenta; the
// edges and the centre are always keyed with magenta.
void SpitDraw(TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect, bool Transparent);

// Draws a picture of three equal frames (left end, middle, right end) across Rect: the ends
// keyed with the picture's top-left colour when UseCornerColor is set, else with magenta;
// the middle stretched between them, opaque.
void SpitDrawHorizontal(TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect, bool UseCornerColor);

// Repeats the picture from the canvas origin until Rect's width and height are covered,
// with one tile to spare to the right and below. The picture must not be empty.
void TileDraw(TCanvas* Canvas, TGraphic* Picture, const TRect& Rect);

// A quarter turn counter-clockwise: the old top row becomes the new left column.
void RoundPicture(TBitmap* Bitmap);
// Exchanges width and height and moves (x, y) to (x, W - 1 - y): a square picture is
// mirrored top to bottom. Pixels of a non-square result that nothing maps to stay white.
void RoundPicture2(TBitmap* Bitmap);
// A quarter turn clockwise: the old bottom row becomes the new left column.
void RoundPicture3(TBitmap* Bitmap);

// Paints a one-pixel frame in BorderColor along the outer edge of the control's whole
// window, frame included, and with DrawInner a second one in InnerColor just inside it.
// System colours are resolved first.
void DrawControlBorder(TWinControl* Control, TColor BorderColor, TColor InnerColor, bool DrawInner);
// Paints what lies behind the control, its parent's background and content, into the
// canvas, which stands for the control's client area. Nothing without a parent.
void DoTrans(TCanvas* Canvas, TWinControl* Control);
// Lets what lies behind the control show: it is no longer opaque and its window is
// transparent.
void SetWinControlTransparent(TWinControl* Control);
// Sets FileTheme, then UIStyle, on each direct child of the container that publishes both;
// grandchildren are left to their own containers.
void ContainerApplyUIStyle(TWinControl* Container, TskUIStyle Style, TskFileTheme* FileTheme);
void PlaceControl(TControl* Control, const TPoint& Point);
void PlaceControl(TControl* Control, const TRect& Rect);

// Gives the window the shape of the picture's pixels that are not TransparentColor, with
// redrawing. The picture's last column is never part of the shape.
void SetBitmapWindow(HWND Window, TBitmap* Bitmap, TColor TransparentColor);

// Whether the point lies in Rect, its right and bottom edges included.
bool InRect(int X, int Y, const TRect& Rect);
bool InRect(const TPoint& Point, const TRect& Rect);

// Whether the form is to be drawn as active: the main form of an MDI application always
// is; otherwise only while the application is active, the main form and a null form
// always, the main form's active MDI child too, and any other form when it is active.
bool FormHasFocus(TCustomForm* Form);

// The primary display's work area: the desktop less the task bar.
TRect GetWorkAreaRect();

// The text, empty for a null pointer.
std::string PCharToStr(const char* Text);

bool IsWin95();
bool IsWinXP();
