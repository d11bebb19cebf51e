#pragma once
// Windows: classes, creation and destruction, hierarchy, styles, text, position, Z-order
// and visibility.
#include <string>

#include "platform/win/WinDefs.h"

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    TColor hbrBackground = clNone;  // the erase colour; clNone leaves the background
    int hCursor = IDC_ARROW;
    const char* lpszClassName = "";
};

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

BOOL RegisterClass(const WNDCLASS& windowClass);
BOOL UnregisterClass(const char* className);
BOOL GetClassInfo(const char* className, WNDCLASS* out);
std::string GetClassName(HWND hwnd);

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId = 0,
                    HINSTANCE instance = nullptr, void* param = nullptr);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

HWND GetDesktopWindow();
HWND GetParent(HWND hwnd);  // the parent of a child, the owner of a top-level window
HWND SetParent(HWND child, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);

LONG_PTR GetWindowLong(HWND hwnd, int index);
LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    return GetWindowLong(hwnd, index);
}
inline LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    return SetWindowLong(hwnd, index, value);
}
BOOL SetProp(HWND hwnd, const char* name, LONG_PTR value);
LONG_PTR GetProp(HWND hwnd, const char* name);
LONG_PTR RemoveProp(HWND hwnd, const char* name);

BOOL SetWindowText(HWND hwnd, const char* text);
std::string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect);  // (0, 0, width, height) of the client area
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL BringWindowToTop(HWND hwnd);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);

BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
HWND WindowFromPoint(POINT screen);
HWND ChildWindowFromPoint(HWND parent, POINT client);

// SetWindowRgn: the window takes the region over (the handle becomes invalid to the caller).
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN region);

DWORD GetLastError();
void SetLastError(DWORD error);
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
