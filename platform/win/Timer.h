#pragma once
// Message timers, delivered as WM_TIMER by the message loop, and the backend's clock.
#include "platform/win/WinDefs.h"

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc = nullptr);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
DWORD GetTickCount();
void Sleep(DWORD milliseconds);
