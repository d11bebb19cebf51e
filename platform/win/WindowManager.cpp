#include "platform/win/WindowManager.h"

#include <algorithm>

#include "platform/win/Mdi.h"
#include "platform/win/MdiClientState.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace win {

WindowManager& WindowManager::Instance() {
    static WindowManager instance;
    return instance;
}

WindowManager::WindowManager() : m_driver(std::make_unique<HeadlessDriver>()) {
    CreateDesktop();
}

void WindowManager::CreateDesktop() {
    auto desktop = std::make_unique<WindowObject>();
    desktop->style = WS_VISIBLE | WS_CLIPCHILDREN;
    desktop->rect = m_driver->ScreenRect();
    desktop->clientRect = {0, 0, desktop->rect.Width(), desktop->rect.Height()};
    desktop->text = "Desktop";
    desktop->thread = std::this_thread::get_id();
    desktop->created = true;
    m_desktop = Register(std::move(desktop));
    // The system's own window classes.
    m_classes[MDICLIENT_CLASS] =
        WindowClass{MDICLIENT_CLASS, 0, mdi::ClientWndProc, clAppWorkSpace, IDC_ARROW};
}

void WindowManager::Reset(std::unique_ptr<Driver> driver) {
    WindowManager& wm = Instance();
    DestroyAllWindows();
    wm.Unregister(wm.m_desktop);
    wm.m_driver = driver ? std::move(driver) : std::make_unique<HeadlessDriver>();
    {
        std::lock_guard lock(wm.m_queueMutex);
        wm.m_queues.clear();
    }
    wm.m_input.clear();
    wm.m_classes.clear();
    wm.focus = wm.active = wm.capture = wm.mouseWindow = nullptr;
    wm.cursor = {};
    std::fill(std::begin(wm.keyState), std::end(wm.keyState), BYTE{0});
    wm.lastClickWindow = nullptr;
    wm.lastClickMessage = 0;
    wm.inMoveLoop = false;
    wm.timers.clear();
    wm.hook = nullptr;
    wm.trace = nullptr;
    wm.lastError = 0;
    wm.CreateDesktop();
}

WindowObject* WindowManager::Find(HWND hwnd) const {
    return m_windows.Get(reinterpret_cast<std::uintptr_t>(hwnd));
}

HWND WindowManager::Register(std::unique_ptr<WindowObject> window) {
    WindowObject* raw = window.get();
    raw->handle = ToHwnd(m_windows.Add(std::move(window)));
    return raw->handle;
}

std::unique_ptr<WindowObject> WindowManager::Unregister(HWND hwnd) {
    return m_windows.Remove(reinterpret_cast<std::uintptr_t>(hwnd));
}

MessageQueue& WindowManager::Queue() {
    return QueueOf(std::this_thread::get_id());
}

MessageQueue& WindowManager::QueueOf(std::thread::id thread) {
    std::lock_guard lock(m_queueMutex);
    return m_queues[thread];
}

TPoint WindowManager::WindowOrigin(HWND hwnd) const {
    const WindowObject* w = Find(hwnd);
    if (!w || hwnd == m_desktop) return {};
    const TPoint parentClient = ClientOrigin(w->parent);
    return {parentClient.x + w->rect.left, parentClient.y + w->rect.top};
}

TPoint WindowManager::ClientOrigin(HWND hwnd) const {
    const WindowObject* w = Find(hwnd);
    if (!w) return {};
    const TPoint origin = WindowOrigin(hwnd);
    return {origin.x + w->clientRect.left, origin.y + w->clientRect.top};
}

HWND WindowManager::TopLevelOf(HWND hwnd) const {
    const WindowObject* w = Find(hwnd);
    while (w && w->parent && w->parent != m_desktop) w = Find(w->parent);
    return w && w->handle != m_desktop ? w->handle : nullptr;
}

bool WindowManager::IsShowing(HWND hwnd) const {
    for (const WindowObject* w = Find(hwnd); w && w->handle != m_desktop; w = Find(w->parent)) {
        if (!w->Visible()) return false;
        if (w->parent == m_desktop && (w->style & WS_MINIMIZE)) return false;
    }
    return Find(hwnd) != nullptr;
}

gfx::Region WindowManager::OutlineInParent(const WindowObject& window) const {
    if (!window.region) return gfx::Region(window.rect);
    gfx::Region outline = window.region->Intersected(TRect{0, 0, window.Width(), window.Height()});
    outline.Offset(window.rect.left, window.rect.top);
    return outline;
}

gfx::Region WindowManager::VisibleRegion(HWND hwnd, bool clientOnly) const {
    const WindowObject* w = Find(hwnd);
    if (!w || hwnd == m_desktop || !IsShowing(hwnd)) return {};
    const HWND top = TopLevelOf(hwnd);
    const TPoint topOrigin = WindowOrigin(top);
    auto toSurface = [&](HWND h) {
        const TPoint o = WindowOrigin(h);
        return TPoint{o.x - topOrigin.x, o.y - topOrigin.y};
    };

    TPoint o = toSurface(hwnd);
    gfx::Region visible(clientOnly ? w->clientRect.Offset(o.x, o.y)
                                   : TRect{o.x, o.y, o.x + w->Width(), o.y + w->Height()});
    if (w->region) {
        gfx::Region own = *w->region;
        own.Offset(o.x, o.y);
        visible = visible.Intersected(own);
    }
    const TPoint clientO{o.x + w->clientRect.left, o.y + w->clientRect.top};
    for (HWND child : w->children) {
        const WindowObject* c = Find(child);
        if (!c || !c->Visible()) continue;
        gfx::Region area = OutlineInParent(*c);
        area.Offset(clientO.x, clientO.y);
        visible = visible.Subtracted(area);
    }
    for (const WindowObject* cur = w; cur->parent && cur->parent != m_desktop;) {
        const WindowObject* p = Find(cur->parent);
        if (!p) break;
        const TPoint po = toSurface(p->handle);
        visible = visible.Intersected(p->clientRect.Offset(po.x, po.y));
        if (p->region) {
            gfx::Region own = *p->region;
            own.Offset(po.x, po.y);
            visible = visible.Intersected(own);
        }
        const TPoint pc{po.x + p->clientRect.left, po.y + p->clientRect.top};
        for (HWND sibling : p->children) {
            if (sibling == cur->handle) break;
            const WindowObject* s = Find(sibling);
            if (!s || !s->Visible()) continue;
            gfx::Region area = OutlineInParent(*s);
            area.Offset(pc.x, pc.y);
            visible = visible.Subtracted(area);
        }
        cur = p;
    }
    return visible;
}

void SetLastErrorInvalidHandle() {
    WM().lastError = 1400;
}

}  // namespace win
