#pragma once
// Invalidation and WM_PAINT: update regions, BeginPaint/EndPaint and RedrawWindow.
#include "platform/win/WinDefs.h"

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
BOOL UpdateWindow(HWND hwnd);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
// Moves the client area's pixels and child windows by (dx, dy); the uncovered part is
// invalidated.
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);
