// Window classes, creation and destruction, hierarchy, window longs and text.
#include "platform/win/Window.h"

#include <algorithm>

#include "platform/win/Gdi.h"
#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/PaintPass.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowManager.h"

using namespace win;

BOOL RegisterClass(const WNDCLASS& wc) {
    const std::string name = wc.lpszClassName ? wc.lpszClassName : "";
    if (name.empty() || WM().Classes().count(name)) {
        WM().lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    WM().Classes()[name] =
        WindowClass{name, wc.style, wc.lpfnWndProc, wc.hbrBackground, wc.hCursor};
    return TRUE;
}

BOOL UnregisterClass(const char* className) {
    return WM().Classes().erase(className ? className : "") ? TRUE : FALSE;
}

BOOL GetClassInfo(const char* className, WNDCLASS* out) {
    auto it = WM().Classes().find(className ? className : "");
    if (it == WM().Classes().end()) return FALSE;
    if (out) {
        out->style = it->second.style;
        out->lpfnWndProc = it->second.wndProc;
        out->hbrBackground = it->second.background;
        out->hCursor = it->second.cursor;
        out->lpszClassName = it->second.name.c_str();
    }
    return TRUE;
}

std::string GetClassName(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return w && w->windowClass ? w->windowClass->name : std::string();
}

namespace {

// Top-most windows stay above the others among the top-level windows.
void InsertIntoZOrder(WindowObject& parent, const WindowObject& window) {
    auto& list = parent.children;
    auto pos = list.begin();
    if (window.parent == WM().Desktop() && !(window.exStyle & WS_EX_TOPMOST)) {
        pos = std::find_if(list.begin(), list.end(), [](HWND h) {
            const WindowObject* o = WM().Find(h);
            return o && !(o->exStyle & WS_EX_TOPMOST);
        });
    }
    list.insert(pos, window.handle);
}

bool Fail(DWORD error) {
    WM().lastError = error;
    return false;
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE,
                    void* param) {
    WindowManager& wm = WM();
    auto cls = wm.Classes().find(className ? className : "");
    if (cls == wm.Classes().end()) return Fail(ERROR_CANNOT_FIND_WND_CLASS), nullptr;
    HWND owner = nullptr;
    if (style & WS_CHILD) {
        if (!wm.Find(parent) || parent == wm.Desktop())
            return Fail(ERROR_INVALID_WINDOW_HANDLE), nullptr;
    } else {
        if (parent && !wm.Find(parent)) return Fail(ERROR_INVALID_WINDOW_HANDLE), nullptr;
        owner = parent == wm.Desktop() ? nullptr : wm.TopLevelOf(parent);
        parent = wm.Desktop();
    }
    if (x == CW_USEDEFAULT) x = y = 40;
    if (width == CW_USEDEFAULT) width = 400, height = 300;

    auto object = std::make_unique<WindowObject>();
    object->windowClass = &cls->second;
    object->wndProc = cls->second.wndProc;
    object->style = style & ~WS_VISIBLE;
    object->exStyle = exStyle;
    object->text = windowName ? windowName : "";
    object->id = menuOrId;
    object->thread = std::this_thread::get_id();
    object->parent = parent;
    object->owner = owner;
    object->rect = Bounds(x, y, std::max(width, 0), std::max(height, 0));
    object->normalRect = object->rect;
    object->clientRect = {0, 0, object->rect.Width(), object->rect.Height()};
    if (parent == wm.Desktop()) object->surface = std::make_shared<gfx::Bitmap>();
    const HWND hwnd = wm.Register(std::move(object));
    WindowObject* w = wm.Find(hwnd);
    InsertIntoZOrder(*wm.Find(parent), *w);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hMenu = menuOrId;
    cs.hwndParent = parent == wm.Desktop() ? owner : parent;
    cs.x = x, cs.y = y, cs.cx = width, cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(w = wm.Find(hwnd))) return nullptr;
    RECT client = w->rect;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    if (!(w = wm.Find(hwnd))) return nullptr;
    w->clientRect = client.Offset(-w->rect.left, -w->rect.top);
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(w = wm.Find(hwnd))) return nullptr;
    w->created = true;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(w->clientRect.Width(), w->clientRect.Height()));
    if (!(w = wm.Find(hwnd))) return nullptr;
    SendMessage(hwnd, WM_MOVE, 0,
                MAKELPARAM(w->rect.left + w->clientRect.left, w->rect.top + w->clientRect.top));
    if (!(w = wm.Find(hwnd))) return nullptr;
    if (w->IsChild())
        SendMessage(w->parent, WM_PARENTNOTIFY, WM_CREATE, reinterpret_cast<LPARAM>(hwnd));
    w = wm.Find(hwnd);
    if (w && (style & WS_VISIBLE)) {
        if (style & WS_MAXIMIZE)
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        else if (style & WS_MINIMIZE)
            ShowWindow(hwnd, SW_SHOWMINIMIZED);
        else
            ShowWindow(hwnd, SW_SHOW);
    }
    return wm.Find(hwnd) ? hwnd : nullptr;
}

namespace {

void SendDestroy(HWND hwnd) {
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    WindowObject* w = WM().Find(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        if (WindowObject* c = WM().Find(child); c && !c->destroying) {
            c->destroying = true;
            SendDestroy(child);
        }
}

void FreeWindow(HWND hwnd) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) return;
    EndPaintPass();
    const std::vector<HWND> children = w->children;
    for (HWND child : children) FreeWindow(child);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    if (!(w = wm.Find(hwnd))) return;
    KillTimersOf(hwnd);
    ForgetInputState(hwnd);
    if (WindowObject* p = wm.Find(w->parent)) std::erase(p->children, hwnd);
    const bool topLevel = w->parent == wm.Desktop();
    wm.Unregister(hwnd);
    if (topLevel) wm.GetDriver().WindowDestroyed(hwnd);
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w || hwnd == wm.Desktop()) return Fail(ERROR_INVALID_WINDOW_HANDLE), FALSE;
    if (w->destroying) return TRUE;
    w->destroying = true;

    // Owned windows go first, as they would be unusable without their owner.
    std::vector<HWND> owned;
    wm.ForEachWindow([&](HWND h) {
        const WindowObject* o = wm.Find(h);
        if (o && o->owner == hwnd && !o->destroying) owned.push_back(h);
    });
    for (HWND h : owned) DestroyWindow(h);

    if ((w = wm.Find(hwnd)) && w->Visible()) {
        const gfx::Region old = wm.OutlineInParent(*w);
        w->style &= ~WS_VISIBLE;
        InvalidateAfterGeometryChange(hwnd, old);
        if (w->parent == wm.Desktop()) wm.GetDriver().WindowHidden(hwnd);
    }
    if ((w = wm.Find(hwnd)) && w->IsChild())
        SendMessage(w->parent, WM_PARENTNOTIFY, WM_DESTROY, reinterpret_cast<LPARAM>(hwnd));
    if (wm.active && (wm.active == hwnd)) ActivateNextAfter(hwnd);
    if (wm.Find(hwnd)) SendDestroy(hwnd);
    FreeWindow(hwnd);
    return TRUE;
}

void win::DestroyAllWindows() {
    WindowManager& wm = WM();
    if (WindowObject* desktop = wm.Find(wm.Desktop())) {
        const std::vector<HWND> tops = desktop->children;
        for (HWND h : tops)
            if (wm.Find(h)) DestroyWindow(h);
    }
}

BOOL IsWindow(HWND hwnd) {
    return WM().Find(hwnd) != nullptr;
}

HWND GetDesktopWindow() {
    return WM().Desktop();
}

HWND GetParent(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE), nullptr;
    if (w->IsChild()) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(child);
    if (!w || child == wm.Desktop()) return Fail(ERROR_INVALID_WINDOW_HANDLE), nullptr;
    if (!newParent) newParent = wm.Desktop();
    WindowObject* p = wm.Find(newParent);
    if (!p || newParent == child || IsChild(child, newParent))
        return Fail(ERROR_INVALID_PARAMETER), nullptr;
    const HWND old = w->parent;
    const bool wasVisible = w->Visible();
    if (wasVisible) ShowWindow(child, SW_HIDE);
    if (!(w = wm.Find(child)) || !(p = wm.Find(newParent)))
        return Fail(ERROR_INVALID_WINDOW_HANDLE), nullptr;
    if (WindowObject* op = wm.Find(old)) std::erase(op->children, child);
    w->parent = newParent;
    // Here a window's place in the tree decides what it is, so the child bit follows it.
    if (newParent == wm.Desktop()) {
        w->style &= ~WS_CHILD;
        if (!w->surface) w->surface = std::make_shared<gfx::Bitmap>();
    } else {
        w->style |= WS_CHILD;
        w->owner = nullptr;
        w->surface.reset();
        if (old == wm.Desktop()) wm.GetDriver().WindowDestroyed(child);
    }
    InsertIntoZOrder(*p, *w);
    if (wasVisible) ShowWindow(child, SW_SHOWNA);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    WindowManager& wm = WM();
    const WindowObject* w = wm.Find(hwnd);
    if (!w || hwnd == wm.Desktop()) return nullptr;
    switch (flags) {
        case GA_PARENT:
            return w->parent;
        case GA_ROOT:
            return wm.TopLevelOf(hwnd);
        case GA_ROOTOWNER: {
            HWND root = wm.TopLevelOf(hwnd);
            while (const WindowObject* r = wm.Find(root)) {
                if (!r->owner) break;
                root = r->owner;
            }
            return root;
        }
        default:
            return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT relation) {
    WindowManager& wm = WM();
    const WindowObject* w = wm.Find(hwnd);
    if (!w) return nullptr;
    if (relation == GW_OWNER) return w->owner;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    const WindowObject* p = wm.Find(w->parent);
    if (!p) return nullptr;
    const auto& list = p->children;
    auto it = std::find(list.begin(), list.end(), hwnd);
    switch (relation) {
        case GW_HWNDFIRST:
            return list.front();
        case GW_HWNDLAST:
            return list.back();
        case GW_HWNDNEXT:
            return (it == list.end() || it + 1 == list.end()) ? nullptr : *(it + 1);
        case GW_HWNDPREV:
            return (it == list.begin() || it == list.end()) ? nullptr : *(it - 1);
        default:
            return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    return GetWindow(hwnd ? hwnd : WM().Desktop(), GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    WindowManager& wm = WM();
    for (const WindowObject* w = wm.Find(hwnd); w && w->IsChild(); w = wm.Find(w->parent))
        if (w->parent == parent) return TRUE;
    return FALSE;
}

LONG_PTR GetWindowLong(HWND hwnd, int index) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE), 0;
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG_PTR>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(w->exStyle);
        case GWL_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->wndProc);
        case GWL_USERDATA:
            return w->userData;
        case GWL_ID:
            return static_cast<LONG_PTR>(w->id);
        case GWL_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
        default:
            return Fail(ERROR_INVALID_PARAMETER), 0;
    }
}

LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) {
    WindowObject* w = WM().Find(hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE), 0;
    LONG_PTR old = 0;
    switch (index) {
        case GWL_STYLE:
        case GWL_EXSTYLE: {
            DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
            old = static_cast<LONG_PTR>(field);
            DWORD next = static_cast<DWORD>(value);
            // Visibility and the child bit change through ShowWindow and SetParent only.
            if (index == GWL_STYLE)
                next = (next & ~(WS_VISIBLE | WS_CHILD)) | (field & (WS_VISIBLE | WS_CHILD));
            field = next;
            // The frame is recomputed only by SetWindowPos with SWP_FRAMECHANGED, as on Win32.
            if (w->parent == WM().Desktop()) WM().GetDriver().WindowStyleChanged(hwnd);
            break;
        }
        case GWL_WNDPROC:
            old = reinterpret_cast<LONG_PTR>(w->wndProc);
            w->wndProc = reinterpret_cast<WNDPROC>(value);
            break;
        case GWL_USERDATA:
            old = w->userData;
            w->userData = value;
            break;
        case GWL_ID:
            old = static_cast<LONG_PTR>(w->id);
            w->id = static_cast<UINT_PTR>(value);
            break;
        case GWL_HWNDPARENT:
            old = reinterpret_cast<LONG_PTR>(w->owner);
            if (!w->IsChild()) {
                w->owner = reinterpret_cast<HWND>(value);
                WM().GetDriver().WindowStyleChanged(hwnd);
            }
            break;
        default:
            return Fail(ERROR_INVALID_PARAMETER), 0;
    }
    return old;
}

BOOL SetProp(HWND hwnd, const char* name, LONG_PTR value) {
    WindowObject* w = WM().Find(hwnd);
    if (!w || !name) return FALSE;
    w->props[name] = value;
    return TRUE;
}

LONG_PTR GetProp(HWND hwnd, const char* name) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || !name) return 0;
    auto it = w->props.find(name);
    return it == w->props.end() ? 0 : it->second;
}

LONG_PTR RemoveProp(HWND hwnd, const char* name) {
    WindowObject* w = WM().Find(hwnd);
    if (!w || !name) return 0;
    auto it = w->props.find(name);
    if (it == w->props.end()) return 0;
    const LONG_PTR value = it->second;
    w->props.erase(it);
    return value;
}

BOOL SetWindowText(HWND hwnd, const char* text) {
    if (!WM().Find(hwnd)) return Fail(ERROR_INVALID_WINDOW_HANDLE), FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                        : FALSE;
}

std::string GetWindowText(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return w ? w->text : std::string();
}

int GetWindowTextLength(HWND hwnd) {
    return static_cast<int>(GetWindowText(hwnd).size());
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || !rect) return Fail(ERROR_INVALID_WINDOW_HANDLE), FALSE;
    const TPoint o = WM().WindowOrigin(hwnd);
    *rect = Bounds(o.x, o.y, w->Width(), w->Height());
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || !rect) return Fail(ERROR_INVALID_WINDOW_HANDLE), FALSE;
    *rect = {0, 0, std::max(0, w->clientRect.Width()), std::max(0, w->clientRect.Height())};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    if (!WM().Find(hwnd) || !point) return FALSE;
    const TPoint o = WM().ClientOrigin(hwnd);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    if (!WM().Find(hwnd) || !point) return FALSE;
    const TPoint o = WM().ClientOrigin(hwnd);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    const TPoint a = from ? WM().ClientOrigin(from) : TPoint{};
    const TPoint b = to ? WM().ClientOrigin(to) : TPoint{};
    const int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; i < count; ++i) points[i].x += dx, points[i].y += dy;
    return MAKELPARAM(dx, dy);
}

namespace {

bool OutlineContains(const WindowObject& w, TPoint inParent) {
    if (!w.rect.Contains(inParent)) return false;
    return !w.region || w.region->Contains(inParent.x - w.rect.left, inParent.y - w.rect.top);
}

HWND DeepestChildAt(HWND hwnd, TPoint screen) {
    WindowManager& wm = WM();
    const WindowObject* w = wm.Find(hwnd);
    const TPoint client = wm.ClientOrigin(hwnd);
    const TPoint inClient{screen.x - client.x, screen.y - client.y};
    if (!w->clientRect.Offset(-w->clientRect.left, -w->clientRect.top).Contains(inClient))
        return hwnd;
    for (HWND child : w->children) {
        const WindowObject* c = wm.Find(child);
        if (!c || !c->Visible() || !OutlineContains(*c, inClient)) continue;
        if (c->style & WS_DISABLED) return hwnd;
        return DeepestChildAt(child, screen);
    }
    return hwnd;
}

}  // namespace

HWND WindowFromPoint(POINT screen) {
    WindowManager& wm = WM();
    for (HWND top : wm.Find(wm.Desktop())->children) {
        const WindowObject* t = wm.Find(top);
        if (!t || !t->Visible() || (t->style & WS_MINIMIZE) || !OutlineContains(*t, screen))
            continue;
        return DeepestChildAt(top, screen);
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT client) {
    const WindowObject* p = WM().Find(parent);
    if (!p) return nullptr;
    if (!TRect{0, 0, p->clientRect.Width(), p->clientRect.Height()}.Contains(client))
        return nullptr;
    for (HWND child : p->children) {
        const WindowObject* c = WM().Find(child);
        if (c && OutlineContains(*c, client)) return child;
    }
    return parent;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE), 0;
    const gfx::Region old = wm.OutlineInParent(*w);
    if (region) {
        const gfx::Region* r = RegionFromHandle(region);
        if (!r) return Fail(ERROR_INVALID_PARAMETER), 0;
        w->region = *r;
        DeleteObject(region);
    } else {
        w->region.reset();
    }
    if (w->parent == wm.Desktop()) wm.GetDriver().WindowRegionChanged(hwnd);
    if (redraw && w->Visible()) InvalidateAfterGeometryChange(hwnd, old);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
    const WindowObject* w = WM().Find(hwnd);
    if (!w || !w->region || !RegionFromHandle(region)) return ERROR;
    HRGN copy = CreateRegionHandle(*w->region);
    CombineRgn(region, copy, nullptr, RGN_COPY);
    DeleteObject(copy);
    return w->region->IsEmpty() ? NULLREGION : COMPLEXREGION;
}

DWORD GetLastError() {
    return WM().lastError;
}
void SetLastError(DWORD error) {
    WM().lastError = error;
}
