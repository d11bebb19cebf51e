#pragma once
// Device contexts: a window's client or whole-window surface, the desktop, or a bitmap,
// each resolving to a gfx::Canvas clipped to what may be drawn.
#include "platform/gfx/Canvas.h"
#include "platform/win/WinDefs.h"

// The client area of a window; GetDC(nullptr) is the whole screen.
HDC GetDC(HWND hwnd);
// The whole window, frame included; GetWindowDC(GetDesktopWindow()) is the whole screen.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
HWND WindowFromDC(HDC hdc);

// A device context over a bitmap, which must outlive it. DeleteDC frees it.
HDC CreateMemoryDC(gfx::Bitmap& bitmap);
// A device context for an existing canvas (a bitmap's canvas in the component framework).
// The canvas must outlive it; DeleteDC frees only the handle.
HDC CreateCanvasDC(gfx::Canvas& canvas);
BOOL DeleteDC(HDC hdc);

// The canvas behind a device context, or nullptr for a stale or unknown handle.
gfx::Canvas* CanvasFromDC(HDC hdc);
