#pragma once
// The scroll bars of windows with WS_VSCROLL or WS_HSCROLL: their range and position, and
// their geometry as GetScrollBarInfo reports it.
#include "platform/win/WinDefs.h"

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
BOOL GetScrollBarInfo(HWND hwnd, LONG objectId, SCROLLBARINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, int bar, BOOL enable);
