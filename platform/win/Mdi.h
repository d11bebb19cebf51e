#pragma once
// MDI: the system window class "MDICLIENT" that an MDI frame's child windows live in, the
// default procedures of MDI children and frames, and the keyboard accelerators of MDI.
//
// The client keeps which child is active and whether it is maximised, tells children of
// activation with WM_MDIACTIVATE, carries the maximised state over to the child activated
// next, arranges the children, and shows the maximised child's caption in the frame's
// ("Frame - [Child]"). Whenever the set of children, their captions or the active child
// change, it sends itself WM_MDIREFRESHMENU, so that procedures subclassing it (the frame's
// window menu) can follow.
#include "platform/win/WinDefs.h"
#include "platform/win/Window.h"

// Registered by the window manager whenever it starts.
constexpr const char* MDICLIENT_CLASS = "MDICLIENT";

// The creation data of an MDI client. The window menu is the frame's to build (on
// WM_MDIREFRESHMENU); idFirstChild numbers the children for DefFrameProc's WM_COMMAND.
struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu = 0;
    UINT idFirstChild = 0;
};

// WM_MDICREATE's description of a new child; lParam reaches the child's WM_CREATE as the
// CREATESTRUCT's lpCreateParams (this structure).
struct MDICREATESTRUCT {
    const char* szClass = nullptr;
    const char* szTitle = nullptr;
    HINSTANCE hOwner = nullptr;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int cy = CW_USEDEFAULT;
    DWORD style = 0;
    LPARAM lParam = 0;
};

// WM_MDITILE's wParam.
constexpr WPARAM MDITILE_VERTICAL = 0x0000;
constexpr WPARAM MDITILE_HORIZONTAL = 0x0001;
constexpr WPARAM MDITILE_SKIPDISABLED = 0x0002;

// The default procedure of an MDI child window (a window with WS_EX_MDICHILD in a client).
LRESULT DefMDIChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The default procedure of an MDI frame window; client may be null when it has none.
LRESULT DefFrameProc(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
// Ctrl+F6 and Ctrl+Tab (next child, with Shift the previous) and Ctrl+F4 (close the
// active child): turned into the active child's WM_SYSCOMMAND. TRUE when the key was one.
BOOL TranslateMDISysAccel(HWND client, const MSG* msg);
