#pragma once
// Turns a WM_VSCROLL/WM_HSCROLL request for a window's own scroll bar into the position it
// asks for, so that every scrolling control steps, pages and tracks the same way.
#include "platform/win/Windows.h"

// line and page are the step sizes; last is the far end for SB_BOTTOM (the control clamps).
// Codes that move nothing (SB_ENDSCROLL) answer the current position.
int ScrollRequestPosition(HWND hwnd, int bar, WPARAM wParam, int current, int line, int page,
                          int last);
