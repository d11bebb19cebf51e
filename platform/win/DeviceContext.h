#pragma once
// One device context: a canvas and where it draws.
#include <memory>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/win/HandleTable.h"
#include "platform/win/WinDefs.h"

namespace win {

struct DeviceContext {
    enum class Kind { Client, Window, Desktop, Memory, Canvas };
    Kind kind = Kind::Memory;
    HWND hwnd = nullptr;
    std::shared_ptr<gfx::Bitmap> surface;  // keeps a window's pixels alive while drawn on
    std::unique_ptr<gfx::Canvas> ownCanvas;
    gfx::Canvas* canvas = nullptr;
    // For the desktop: the composed screen and a copy of it, to find what was drawn.
    std::unique_ptr<gfx::Bitmap> screen;
    std::unique_ptr<gfx::Bitmap> before;
    gfx::Region drawable;  // window DCs: where drawing may land, in the surface's coordinates
    TPoint base;           // device position of the DC's logical origin before any org changes
    TPoint windowOrg;
    TPoint viewportOrg;
    std::vector<std::pair<TPoint, TPoint>> savedOrgs;

    void ApplyOrigin() {
        canvas->SetOrigin(
            {base.x + viewportOrg.x - windowOrg.x, base.y + viewportOrg.y - windowOrg.y});
    }
};

HandleTable<DeviceContext>& DeviceContexts();
DeviceContext* FindDC(HDC hdc);

}  // namespace win
