#pragma once
// Messages: sending, posting, the per-thread queue and its loop, window procedures and
// subclassing, and the hook that sees every queued message first.
#include <functional>

#include "platform/win/Messages.h"
#include "platform/win/WinDefs.h"

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostThreadMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);

// Returns FALSE for WM_QUIT. Never returns without a message: on a backend that has no
// more input to give (the headless one), a wait that cannot end throws std::runtime_error
// naming what the loop waited for.
BOOL GetMessage(MSG* msg, HWND hwnd = nullptr, UINT filterMin = 0, UINT filterMax = 0);
BOOL PeekMessage(MSG* msg, HWND hwnd = nullptr, UINT filterMin = 0, UINT filterMax = 0,
                 UINT remove = PM_NOREMOVE);
// Characters arrive with their keys already, so there is nothing to translate.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
BOOL WaitMessage();
DWORD GetMessageTime();
DWORD GetMessagePos();

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window procedure that calls an object's method: a fixed pool of entry points, each
// bound to one callable until it is freed. Throws when the pool is exhausted.
using ObjectWndProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
WNDPROC MakeObjectInstance(ObjectWndProc method);
void FreeObjectInstance(WNDPROC proc);

// The hook sees every message GetMessage or PeekMessage(PM_REMOVE) takes from the queue,
// before the caller does; returning true marks it handled and it is dropped. Returns the
// previous hook.
using MessageHook = std::function<bool(MSG&)>;
MessageHook SetMessageHook(MessageHook hook);

// Records every message delivered to a window procedure (sent or dispatched), for tests
// and diagnostics.
using MessageTrace = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
MessageTrace SetMessageTrace(MessageTrace trace);
