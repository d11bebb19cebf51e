// Device contexts for windows, the desktop and bitmaps.
#include "platform/win/Dce.h"

#include "platform/win/DeviceContext.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowManager.h"

using namespace win;

HandleTable<DeviceContext>& win::DeviceContexts() {
    static HandleTable<DeviceContext> table;
    return table;
}

DeviceContext* win::FindDC(HDC hdc) {
    return DeviceContexts().Get(reinterpret_cast<std::uintptr_t>(hdc));
}

namespace {

HDC Register(std::unique_ptr<DeviceContext> dc) {
    dc->ApplyOrigin();
    return reinterpret_cast<HDC>(DeviceContexts().Add(std::move(dc)));
}

HDC DesktopDC() {
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = DeviceContext::Kind::Desktop;
    dc->hwnd = WM().Desktop();
    dc->screen = std::make_unique<gfx::Bitmap>(ComposeDesktop());
    dc->before = std::make_unique<gfx::Bitmap>(*dc->screen);
    dc->ownCanvas = std::make_unique<gfx::Canvas>(*dc->screen);
    dc->canvas = dc->ownCanvas.get();
    return Register(std::move(dc));
}

HDC WindowDC(HWND hwnd, bool client, const gfx::Region* clientClip) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) {
        SetLastErrorInvalidHandle();
        return nullptr;
    }
    if (hwnd == wm.Desktop()) return DesktopDC();
    const HWND top = wm.TopLevelOf(hwnd);
    WindowObject* t = wm.Find(top);
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = client ? DeviceContext::Kind::Client : DeviceContext::Kind::Window;
    dc->hwnd = hwnd;
    const TPoint topOrigin = wm.WindowOrigin(top);
    const TPoint origin = client ? wm.ClientOrigin(hwnd) : wm.WindowOrigin(hwnd);
    dc->base = {origin.x - topOrigin.x, origin.y - topOrigin.y};
    gfx::Region visible = wm.VisibleRegion(hwnd, client);
    if (clientClip) {
        gfx::Region clip = *clientClip;
        clip.Offset(dc->base.x, dc->base.y);
        visible = visible.Intersected(clip);
    }
    // Drawing on a window that shows nothing lands nowhere, so a hidden window being built
    // does not make its surface at a size it will not keep.
    if (visible.IsEmpty() && t->surface->IsEmpty()) {
        dc->surface = std::make_shared<gfx::Bitmap>();
    } else {
        t->SurfacePixels();
        dc->surface = t->surface;
    }
    dc->ownCanvas = std::make_unique<gfx::Canvas>(*dc->surface);
    dc->canvas = dc->ownCanvas.get();
    dc->canvas->SetBaseClip(visible);
    dc->drawable = std::move(visible);
    return Register(std::move(dc));
}

// What was drawn on the screen lands on whichever window shows at each pixel.
void WriteBackDesktop(const DeviceContext& dc) {
    WindowManager& wm = WM();
    struct Shown {
        WindowObject* window;
        gfx::Region shape;                  // screen coordinates
        std::vector<gfx::RowSpan> changed;  // window coordinates, one pixel each
    };
    std::vector<Shown> shown;
    for (HWND top : VisibleTopLevelWindows()) {
        WindowObject* t = wm.Find(top);
        if (!t->SurfacePixels()) continue;
        gfx::Region shape = TopLevelShape(top);
        shape.Offset(t->rect.left, t->rect.top);
        shown.push_back({t, std::move(shape), {}});
    }
    const gfx::Bitmap& now = *dc.screen;
    const gfx::Bitmap& before = *dc.before;
    for (int y = 0; y < now.Height(); ++y) {
        const Pixel* a = now.Row(y);
        const Pixel* b = before.Row(y);
        for (int x = 0; x < now.Width(); ++x) {
            if (a[x] == b[x]) continue;
            for (Shown& s : shown) {
                if (!s.shape.Contains(x, y)) continue;
                const int wx = x - s.window->rect.left, wy = y - s.window->rect.top;
                s.window->surface->At(wx, wy) = a[x];
                s.changed.push_back({wy, wx, wx + 1});
                break;
            }
        }
    }
    for (Shown& s : shown)
        if (!s.changed.empty())
            MarkSurfaceChanged(s.window->handle, gfx::Region::FromRowSpans(std::move(s.changed)));
}

}  // namespace

namespace win {
HDC GetPaintDC(HWND hwnd, const gfx::Region& clientClip) {
    return WindowDC(hwnd, true, &clientClip);
}
}  // namespace win

HDC GetDC(HWND hwnd) {
    return hwnd ? WindowDC(hwnd, true, nullptr) : DesktopDC();
}

HDC GetWindowDC(HWND hwnd) {
    return hwnd ? WindowDC(hwnd, false, nullptr) : DesktopDC();
}

int ReleaseDC(HWND, HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || dc->kind == DeviceContext::Kind::Memory || dc->kind == DeviceContext::Kind::Canvas)
        return 0;
    if (dc->kind == DeviceContext::Kind::Desktop)
        WriteBackDesktop(*dc);
    else
        MarkSurfaceChanged(WM().TopLevelOf(dc->hwnd), dc->drawable);
    DeviceContexts().Remove(reinterpret_cast<std::uintptr_t>(hdc));
    return 1;
}

HWND WindowFromDC(HDC hdc) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !WM().Find(dc->hwnd)) return nullptr;
    return dc->hwnd;
}

HDC CreateMemoryDC(gfx::Bitmap& bitmap) {
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = DeviceContext::Kind::Memory;
    dc->ownCanvas = std::make_unique<gfx::Canvas>(bitmap);
    dc->canvas = dc->ownCanvas.get();
    return Register(std::move(dc));
}

HDC CreateCanvasDC(gfx::Canvas& canvas) {
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = DeviceContext::Kind::Canvas;
    dc->canvas = &canvas;
    dc->base = canvas.Origin();
    return Register(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (dc->kind != DeviceContext::Kind::Memory && dc->kind != DeviceContext::Kind::Canvas))
        return FALSE;
    DeviceContexts().Remove(reinterpret_cast<std::uintptr_t>(hdc));
    return TRUE;
}

gfx::Canvas* CanvasFromDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->canvas : nullptr;
}
