// Regions, brushes and the drawing calls on device contexts.
#include "platform/win/Gdi.h"

#include "platform/win/DeviceContext.h"
#include "platform/win/HandleTable.h"

using namespace win;

namespace {

HandleTable<gfx::Region>& Regions() {
    static HandleTable<gfx::Region> table;
    return table;
}

struct BrushObject {
    TColor color = clBlack;
    bool stock = false;
};

HandleTable<BrushObject>& Brushes() {
    static HandleTable<BrushObject> table;
    return table;
}

gfx::Region* FindRegion(HRGN region) {
    return Regions().Get(reinterpret_cast<std::uintptr_t>(region));
}
BrushObject* FindBrush(HBRUSH brush) {
    return Brushes().Get(reinterpret_cast<std::uintptr_t>(brush));
}

int Kind(const gfx::Region& region) {
    if (region.IsEmpty()) return NULLREGION;
    return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRect Normalized(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

}  // namespace

HRGN CreateRegionHandle(const gfx::Region& region) {
    return reinterpret_cast<HRGN>(Regions().Add(std::make_unique<gfx::Region>(region)));
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return CreateRegionHandle(gfx::Region(Normalized(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT& rect) {
    return CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    return CreateRegionHandle(
        gfx::Region::RoundRect(Normalized(left, top, right, bottom), ellipseWidth, ellipseHeight));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return CreateRegionHandle(gfx::Region::Ellipse(Normalized(left, top, right, bottom)));
}

int CombineRgn(HRGN destination, HRGN a, HRGN b, int mode) {
    gfx::Region* dest = FindRegion(destination);
    const gfx::Region* first = FindRegion(a);
    if (!dest || !first || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode == RGN_COPY) {
        *dest = *first;
        return Kind(*dest);
    }
    const gfx::Region* second = FindRegion(b);
    if (!second) return ERROR;
    static constexpr gfx::CombineMode modes[] = {gfx::CombineMode::And, gfx::CombineMode::Or,
                                                 gfx::CombineMode::Xor, gfx::CombineMode::Diff};
    *dest = gfx::Region::Combine(*first, *second, modes[mode - RGN_AND]);
    return Kind(*dest);
}

int OffsetRgn(HRGN region, int dx, int dy) {
    gfx::Region* r = FindRegion(region);
    if (!r) return ERROR;
    r->Offset(dx, dy);
    return Kind(*r);
}

BOOL PtInRegion(HRGN region, int x, int y) {
    const gfx::Region* r = FindRegion(region);
    return r && r->Contains(x, y) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* box) {
    const gfx::Region* r = FindRegion(region);
    if (!r || !box) return ERROR;
    *box = r->BoundingBox();
    return Kind(*r);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    const gfx::Region* x = FindRegion(a);
    const gfx::Region* y = FindRegion(b);
    return x && y && *x == *y ? TRUE : FALSE;
}

BOOL DeleteObject(HRGN region) {
    return Regions().Remove(reinterpret_cast<std::uintptr_t>(region)) ? TRUE : FALSE;
}

const gfx::Region* RegionFromHandle(HRGN region) {
    return FindRegion(region);
}

HBRUSH CreateSolidBrush(TColor color) {
    return reinterpret_cast<HBRUSH>(
        Brushes().Add(std::make_unique<BrushObject>(BrushObject{color, false})));
}

HBRUSH GetSysColorBrush(int index) {
    static HBRUSH stock[SYSTEM_COLOR_COUNT] = {};
    if (index < 0 || index >= SYSTEM_COLOR_COUNT) return nullptr;
    if (!FindBrush(stock[index]))
        stock[index] = reinterpret_cast<HBRUSH>(
            Brushes().Add(std::make_unique<BrushObject>(BrushObject{SystemColor(index), true})));
    return stock[index];
}

BOOL DeleteObject(HBRUSH brush) {
    const BrushObject* b = FindBrush(brush);
    if (!b || b->stock) return FALSE;
    Brushes().Remove(reinterpret_cast<std::uintptr_t>(brush));
    return TRUE;
}

namespace {

// Runs fn with the canvas's brush set to the given brush's colour, then restores it.
template <class Fn>
bool WithBrush(HDC hdc, HBRUSH brush, Fn&& fn) {
    DeviceContext* dc = FindDC(hdc);
    const BrushObject* b = FindBrush(brush);
    if (!dc || !b) return false;
    const gfx::Brush saved = dc->canvas->GetBrush();
    dc->canvas->SetBrush(gfx::Brush{b->color, gfx::BrushStyle::Solid, nullptr});
    fn(*dc->canvas);
    dc->canvas->SetBrush(saved);
    return true;
}

}  // namespace

int FillRect(HDC hdc, const RECT& rect, HBRUSH brush) {
    return WithBrush(hdc, brush, [&](gfx::Canvas& c) { c.FillRect(rect); }) ? 1 : 0;
}

int FrameRect(HDC hdc, const RECT& rect, HBRUSH brush) {
    return WithBrush(hdc, brush, [&](gfx::Canvas& c) { c.FrameRect(rect); }) ? 1 : 0;
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    const gfx::Region* r = FindRegion(region);
    if (!r) return FALSE;
    return WithBrush(hdc, brush,
                     [&](gfx::Canvas& c) {
                         for (const TRect& rect : r->Rects()) c.FillRect(rect);
                     })
               ? TRUE
               : FALSE;
}

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sx, int sy,
            DWORD rop) {
    DeviceContext* dst = FindDC(destination);
    if (!dst) return FALSE;
    DeviceContext* src = source ? FindDC(source) : nullptr;
    if (!src) {
        if (source) return FALSE;
        // Raster operations without a source (BLACKNESS, WHITENESS, PATCOPY, DSTINVERT).
        dst->canvas->BitBlt(x, y, width, height, dst->canvas->Target(), 0, 0, rop);
        return TRUE;
    }
    dst->canvas->BitBlt(x, y, width, height, *src->canvas, sx, sy, rop);
    return TRUE;
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sx, int sy,
                int sourceWidth, int sourceHeight, DWORD rop) {
    DeviceContext* dst = FindDC(destination);
    DeviceContext* src = FindDC(source);
    if (!dst || !src) return FALSE;
    if (rop != SRCCOPY) return BitBlt(destination, x, y, width, height, source, sx, sy, rop);
    dst->canvas->CopyRect(Bounds(x, y, width, height), *src->canvas,
                          Bounds(sx, sy, sourceWidth, sourceHeight));
    return TRUE;
}

int DrawText(HDC hdc, std::string_view text, RECT* rect, UINT format) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return 0;
    return dc->canvas->DrawText(text, *rect, format);
}

BOOL TextOut(HDC hdc, int x, int y, std::string_view text) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    dc->canvas->TextOut(x, y, text);
    return TRUE;
}

TColor SetTextColor(HDC hdc, TColor color) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return clNone;
    const TColor old = dc->canvas->GetFont().color;
    dc->canvas->GetFont().color = color;
    return old;
}

int SelectClipRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return ERROR;
    if (!region) {
        dc->canvas->ClearClip();
        return SIMPLEREGION;
    }
    const gfx::Region* r = FindRegion(region);
    if (!r) return ERROR;
    gfx::Region device = *r;
    device.Offset(dc->base.x, dc->base.y);
    dc->canvas->SetClipRegion(device);
    return Kind(dc->canvas->ClipRegion());
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return ERROR;
    dc->canvas->IntersectClipRect({left, top, right, bottom});
    return Kind(dc->canvas->ClipRegion());
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return ERROR;
    dc->canvas->ExcludeClipRect({left, top, right, bottom});
    return Kind(dc->canvas->ClipRegion());
}

int GetClipBox(HDC hdc, RECT* box) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !box) return ERROR;
    *box = dc->canvas->ClipBox();
    return Kind(dc->canvas->ClipRegion());
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    dc->savedOrgs.emplace_back(dc->windowOrg, dc->viewportOrg);
    return dc->canvas->Save();
}

BOOL RestoreDC(HDC hdc, int savedDC) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || dc->savedOrgs.empty()) return FALSE;
    std::size_t level =
        savedDC < 0 ? dc->savedOrgs.size() + 1 + savedDC : static_cast<std::size_t>(savedDC);
    if (level < 1 || level > dc->savedOrgs.size()) return FALSE;
    dc->canvas->Restore(savedDC);
    std::tie(dc->windowOrg, dc->viewportOrg) = dc->savedOrgs[level - 1];
    dc->savedOrgs.resize(level - 1);
    dc->ApplyOrigin();
    return TRUE;
}

namespace {

BOOL SetOrg(HDC hdc, TPoint DeviceContext::*field, int x, int y, POINT* previous) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->*field;
    dc->*field = {x, y};
    dc->ApplyOrigin();
    return TRUE;
}

}  // namespace

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrg(hdc, &DeviceContext::windowOrg, x, y, previous);
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrg(hdc, &DeviceContext::viewportOrg, x, y, previous);
}

BOOL GetWindowOrgEx(HDC hdc, POINT* origin) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->windowOrg;
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->viewportOrg;
    return TRUE;
}
