#pragma once
// Keyboard focus, activation, mouse capture, the pointer and key states, and cursors.
#include "platform/win/WinDefs.h"

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
// Bit 0x8000 set while the key is down, bit 1 toggled on each press.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
UINT GetDoubleClickTime();

// A cursor is one of the predefined shapes (IDC_ARROW, IDC_HAND, ...).
HCURSOR LoadCursor(HINSTANCE instance, int cursorId);
HCURSOR SetCursor(HCURSOR cursor);
