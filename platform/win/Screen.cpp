#include "platform/win/Screen.h"

#include <utility>

#include "platform/win/WindowManager.h"

namespace win {

std::vector<HWND> VisibleTopLevelWindows() {
    WindowManager& wm = WM();
    std::vector<HWND> result;
    for (HWND top : wm.Find(wm.Desktop())->children) {
        const WindowObject* t = wm.Find(top);
        if (t && t->Visible() && !(t->style & WS_MINIMIZE)) result.push_back(top);
    }
    return result;
}

const gfx::Bitmap* TopLevelSurface(HWND hwnd) {
    WindowObject* w = WM().Find(hwnd);
    return w ? w->SurfacePixels() : nullptr;
}

gfx::Region TopLevelShape(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return {};
    const TRect bounds{0, 0, w->Width(), w->Height()};
    return w->region ? w->region->Intersected(bounds) : gfx::Region(bounds);
}

gfx::Region TakeSurfaceDamage(HWND hwnd) {
    WindowObject* w = WM().Find(hwnd);
    if (!w) return {};
    return std::exchange(w->surfaceDamage, gfx::Region());
}

void MarkSurfaceChanged(HWND topLevel, const gfx::Region& area) {
    WindowObject* w = WM().Find(topLevel);
    if (!w || area.IsEmpty()) return;
    w->surfaceDamage =
        w->surfaceDamage.United(area.Intersected(TRect{0, 0, w->Width(), w->Height()}));
}

void PresentSurfaces() {
    WM().GetDriver().Present();
}

gfx::Bitmap ComposeDesktop() {
    WindowManager& wm = WM();
    const TRect screen = wm.GetDriver().ScreenRect();
    gfx::Bitmap desktop(screen.Width(), screen.Height(), ColorToPixel(kDesktopColor));
    const std::vector<HWND> tops = VisibleTopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        WindowObject* t = wm.Find(*it);
        if (!t->SurfacePixels()) continue;
        gfx::Region shape = TopLevelShape(*it);
        shape.Offset(t->rect.left, t->rect.top);
        shape = shape.Intersected(desktop.BoundsRect());
        for (const TRect& r : shape.Rects())
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    desktop.At(x, y) = t->surface->At(x - t->rect.left, y - t->rect.top);
    }
    return desktop;
}

gfx::Bitmap CaptureWindow(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return {};
    const HWND top = WM().TopLevelOf(hwnd);
    WindowObject* t = WM().Find(top);
    if (!t || !t->SurfacePixels()) return {};
    const TPoint o = WM().WindowOrigin(hwnd);
    return t->surface->Copy(Bounds(o.x - t->rect.left, o.y - t->rect.top, w->Width(), w->Height()));
}

HWND TopLevelAt(TPoint screen) {
    for (HWND top : VisibleTopLevelWindows()) {
        const WindowObject* t = WM().Find(top);
        if (t->rect.Contains(screen) &&
            TopLevelShape(top).Contains(screen.x - t->rect.left, screen.y - t->rect.top))
            return top;
    }
    return nullptr;
}

}  // namespace win
