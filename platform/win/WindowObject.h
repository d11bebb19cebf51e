#pragma once
// What the window manager keeps for one window.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinDefs.h"

namespace win {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC wndProc = nullptr;
    TColor background = clNone;  // clNone: WM_ERASEBKGND leaves the background alone
    int cursor = IDC_ARROW;
};

struct ScrollBarState {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool shown = false;  // explicitly shown without WS_VSCROLL/WS_HSCROLL
    bool disabled = false;
};

struct WindowObject {
    HWND handle = nullptr;
    const WindowClass* windowClass = nullptr;
    WNDPROC wndProc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    LONG_PTR userData = 0;
    UINT_PTR id = 0;
    std::map<std::string, LONG_PTR> props;
    std::thread::id thread;

    HWND parent = nullptr;  // the desktop window for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children;  // Z-order: front is the top

    TRect rect;                         // the window's rectangle in its parent's client coordinates
    TRect clientRect;                   // the client area in window coordinates
    TRect normalRect;                   // the restored rectangle of a maximised or minimised window
    std::optional<gfx::Region> region;  // window coordinates

    gfx::Region updateRegion;  // client coordinates
    bool erasePending = false;
    bool frameDirty = false;
    bool internalPaint = false;

    HWND lastFocus = nullptr;  // top-level windows: the focus to give back on activation
    // Top-level windows only; shared with the device contexts drawing on it, so that a DC
    // kept past its window's end draws into a detached bitmap instead of freed memory.
    // It stays empty until its pixels are first wanted (SurfacePixels): a window placed
    // and sized while it is built fills one picture, at its last size, not one per size.
    std::shared_ptr<gfx::Bitmap> surface;
    gfx::Region surfaceDamage;  // painted since the backend last presented it (window coordinates)

    ScrollBarState scroll[2];  // SB_HORZ, SB_VERT
    bool created = false;      // WM_CREATE has been answered
    bool destroying = false;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    // The top-level window's surface at the window's size, made now if it is still empty;
    // null for child windows.
    gfx::Bitmap* SurfacePixels() {
        if (surface && surface->IsEmpty() && Width() > 0 && Height() > 0)
            surface->SetSize(Width(), Height());
        return surface.get();
    }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    int Width() const { return rect.Width(); }
    int Height() const { return rect.Height(); }
};

}  // namespace win
