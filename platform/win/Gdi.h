#pragma once
// The GDI calls the upper layers use, thinly over gfx::Region and gfx::Canvas.
#include <string_view>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinDefs.h"

// The raster operations and DrawText flags under their Win32 names.
using gfx::BLACKNESS;
using gfx::DSTINVERT;
using gfx::DT_BOTTOM;
using gfx::DT_CALCRECT;
using gfx::DT_CENTER;
using gfx::DT_END_ELLIPSIS;
using gfx::DT_EXPANDTABS;
using gfx::DT_HIDEPREFIX;
using gfx::DT_LEFT;
using gfx::DT_NOCLIP;
using gfx::DT_NOPREFIX;
using gfx::DT_RIGHT;
using gfx::DT_SINGLELINE;
using gfx::DT_TOP;
using gfx::DT_VCENTER;
using gfx::DT_WORDBREAK;
using gfx::NOTSRCCOPY;
using gfx::PATCOPY;
using gfx::SRCAND;
using gfx::SRCCOPY;
using gfx::SRCINVERT;
using gfx::SRCPAINT;
using gfx::WHITENESS;

struct HBRUSH__;
using HBRUSH = HBRUSH__*;

// Regions. A region handle owns its region until DeleteObject or SetWindowRgn.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT& rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateRegionHandle(const gfx::Region& region);
// Combines a and b into destination; returns the kind of the result or ERROR.
int CombineRgn(HRGN destination, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL DeleteObject(HRGN region);
const gfx::Region* RegionFromHandle(HRGN region);

// Brushes are solid colours (system colours resolve when used).
HBRUSH CreateSolidBrush(TColor color);
HBRUSH GetSysColorBrush(int index);
BOOL DeleteObject(HBRUSH brush);

int FillRect(HDC hdc, const RECT& rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT& rect, HBRUSH brush);
BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush);
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sx, int sy,
            DWORD rop);
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sx, int sy,
                int sourceWidth, int sourceHeight, DWORD rop);
int DrawText(HDC hdc, std::string_view text, RECT* rect, UINT format);
BOOL TextOut(HDC hdc, int x, int y, std::string_view text);
TColor SetTextColor(HDC hdc, TColor color);

// Clipping. As on Win32, SelectClipRgn's region is in device units relative to the DC's
// window (unaffected by SetWindowOrgEx/SetViewportOrgEx) and is copied.
int SelectClipRgn(HDC hdc, HRGN region);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int GetClipBox(HDC hdc, RECT* box);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int savedDC);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC hdc, POINT* origin);
BOOL GetViewportOrgEx(HDC hdc, POINT* origin);
