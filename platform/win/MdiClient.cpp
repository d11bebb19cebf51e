// The MDI client window: its procedure, which child is active and the frame's caption.
#include <algorithm>
#include <memory>

#include "platform/win/Input.h"
#include "platform/win/Mdi.h"
#include "platform/win/MdiClientState.h"
#include "platform/win/Message.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

constexpr const char* kStateProp = "QvMdiClientState";

LRESULT CreateChild(HWND client, const MDICREATESTRUCT* cs) {
    if (!cs || !cs->szClass) return 0;
    // Children made through the client are always shown; their frame is the ordinary
    // overlapped one unless the style asks for another.
    DWORD style = cs->style | WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
    if (!(cs->style & (WS_CAPTION | WS_POPUP))) style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    const HWND child = CreateWindowEx(WS_EX_MDICHILD, cs->szClass, cs->szTitle, style, cs->x,
                                      cs->y, cs->cx, cs->cy, client, 0, cs->hOwner,
                                      const_cast<MDICREATESTRUCT*>(cs));
    if (child && IsWindow(child) && !mdi::IsGoing(child)) mdi::Activate(client, child);
    return reinterpret_cast<LRESULT>(child);
}

bool Owns(HWND client, HWND child) {
    return child && IsWindow(child) && GetParent(child) == client && mdi::IsMdiChild(child);
}

}  // namespace

LRESULT mdi::ClientWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    mdi::ClientState* state = mdi::StateOf(hwnd);
    const HWND child = reinterpret_cast<HWND>(wParam);
    switch (message) {
        case WM_CREATE: {
            const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
            auto fresh = std::make_unique<mdi::ClientState>();
            fresh->frame = GetParent(hwnd);
            fresh->frameTitle = GetWindowText(fresh->frame);
            if (cs && cs->lpCreateParams)
                fresh->idFirstChild =
                    static_cast<const CLIENTCREATESTRUCT*>(cs->lpCreateParams)->idFirstChild;
            SetProp(hwnd, kStateProp, reinterpret_cast<LONG_PTR>(fresh.release()));
            return 0;
        }
        case WM_NCDESTROY:
            delete state;
            RemoveProp(hwnd, kStateProp);
            return DefWindowProc(hwnd, message, wParam, lParam);
        case WM_PARENTNOTIFY: {
            const HWND other = reinterpret_cast<HWND>(lParam);
            if (!state || !mdi::IsMdiChild(other)) return 0;
            if (LOWORD(wParam) == WM_CREATE) {
                state->children.push_back(other);
                mdi::RefreshMenu(hwnd);
            } else if (LOWORD(wParam) == WM_DESTROY) {
                mdi::ChildLeaving(hwnd, other);
            }
            return 0;
        }
        case WM_MDICREATE:
            return CreateChild(hwnd, reinterpret_cast<const MDICREATESTRUCT*>(lParam));
        case WM_MDIDESTROY:
            if (Owns(hwnd, child)) DestroyWindow(child);
            return 0;
        case WM_MDIACTIVATE:
            if (Owns(hwnd, child)) mdi::Activate(hwnd, child);
            return 0;
        case WM_MDIGETACTIVE: {
            const HWND active = state ? state->active : nullptr;
            if (lParam) *reinterpret_cast<BOOL*>(lParam) = active && IsZoomed(active);
            return reinterpret_cast<LRESULT>(active);
        }
        case WM_MDIMAXIMIZE:
            if (Owns(hwnd, child) && !mdi::IsGoing(child)) {
                ShowWindow(child, SW_SHOWMAXIMIZED);
                mdi::UpdateFrameTitle(hwnd);
            }
            return 0;
        case WM_MDIRESTORE:
            // A child on its way out has nothing to be restored for.
            if (Owns(hwnd, child) && !mdi::IsGoing(child)) {
                ShowWindow(child, SW_RESTORE);
                mdi::UpdateFrameTitle(hwnd);
            }
            return 0;
        case WM_MDINEXT:
            mdi::Next(hwnd, child, lParam != 0);
            return 0;
        case WM_MDITILE:
            mdi::Tile(hwnd, wParam);
            return TRUE;
        case WM_MDICASCADE:
            mdi::Cascade(hwnd);
            return TRUE;
        case WM_MDIICONARRANGE:
            mdi::ArrangeIcons(hwnd);
            return 0;
        case WM_MDIREFRESHMENU:
            // The notice itself: the window menu belongs to whoever watches the client.
            return 0;
        case WM_SIZE:
            DefWindowProc(hwnd, message, wParam, lParam);
            // A maximised child keeps filling the client, minimised ones its bottom edge.
            if (state && state->active && IsZoomed(state->active))
                ShowWindow(state->active, SW_SHOWMAXIMIZED);
            if (state) mdi::ArrangeIcons(hwnd);
            return 0;
        case WM_SETFOCUS:
            if (state && state->active && IsWindowEnabled(state->active))
                SetFocus(state->active);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

namespace win::mdi {

ClientState* StateOf(HWND client) {
    if (!client || GetClassName(client) != MDICLIENT_CLASS) return nullptr;
    return reinterpret_cast<ClientState*>(GetProp(client, kStateProp));
}

HWND ClientOf(HWND child) {
    if (!IsMdiChild(child)) return nullptr;
    const HWND parent = GetParent(child);
    return StateOf(parent) ? parent : nullptr;
}

bool IsMdiChild(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return w && w->IsChild() && (w->exStyle & WS_EX_MDICHILD);
}

bool IsGoing(HWND hwnd) {
    const WindowObject* w = WM().Find(hwnd);
    return !w || w->destroying;
}

std::vector<HWND> VisibleChildrenInZOrder(HWND client) {
    std::vector<HWND> out;
    const WindowObject* c = WM().Find(client);
    if (!c) return out;
    for (HWND h : c->children) {
        const WindowObject* w = WM().Find(h);
        if (w && w->Visible() && !w->destroying && (w->exStyle & WS_EX_MDICHILD))
            out.push_back(h);
    }
    return out;
}

namespace {

void TellDeactivated(HWND old, HWND child) {
    SendMessage(old, WM_NCACTIVATE, FALSE, 0);
    SendMessage(old, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
}

void TellActivated(HWND client, HWND child, HWND old) {
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool frameActive = GetActiveWindow() == WM().TopLevelOf(client);
    SendMessage(child, WM_NCACTIVATE, frameActive, 0);
    SendMessage(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old),
                reinterpret_cast<LPARAM>(child));
    const ClientState* state = StateOf(client);
    if (frameActive && state && state->active == child && IsWindow(child) &&
        !(GetFocus() == child || IsChild(child, GetFocus())))
        SetFocus(child);
}

bool Shown(HWND hwnd) {
    return (GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

void Activate(HWND client, HWND child) {
    ClientState* state = StateOf(client);
    if (!state) return;
    if (child && !Shown(child)) return;  // a hidden child is never the active one
    const HWND old = state->active;
    if (child == old) {
        // Already active: it only comes forward, and takes the keyboard if it lost it.
        if (!child) return;
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (GetActiveWindow() == WM().TopLevelOf(client) &&
            !(GetFocus() == child || IsChild(child, GetFocus())))
            SetFocus(child);
        return;
    }
    const bool carryMaximised = old && child && !IsGoing(old) && IsZoomed(old);
    state->active = child;
    if (old && !IsGoing(old)) TellDeactivated(old, child);
    if (carryMaximised) {
        // The maximised state goes with the activation, as the children share one view.
        ShowWindow(old, SW_RESTORE);
        if (!IsIconic(child)) ShowWindow(child, SW_SHOWMAXIMIZED);
    }
    if (child && state->active == child && IsWindow(child)) TellActivated(client, child, old);
    if (StateOf(client)) {
        UpdateFrameTitle(client);
        RefreshMenu(client);
    }
}

void ChildLeaving(HWND client, HWND child) {
    ClientState* state = StateOf(client);
    if (!state) return;
    const bool going = IsGoing(child);
    if (going) std::erase(state->children, child);
    if (state->active == child) {
        const bool wasMaximised = IsZoomed(child);
        HWND next = nullptr;
        for (HWND h : VisibleChildrenInZOrder(client))
            if (h != child) {
                next = h;
                break;
            }
        state->active = next;
        // A child on its way out is told nothing more; a hidden one hears it lost.
        if (!going) {
            if (next && wasMaximised) ShowWindow(child, SW_RESTORE);
            TellDeactivated(child, next);
        }
        if (next && wasMaximised && !IsIconic(next)) ShowWindow(next, SW_SHOWMAXIMIZED);
        if (next && state->active == next) TellActivated(client, next, child);
    }
    if (StateOf(client)) {
        UpdateFrameTitle(client);
        RefreshMenu(client);
    }
}

void UpdateFrameTitle(HWND client) {
    ClientState* state = StateOf(client);
    if (!state || !IsWindow(state->frame)) return;
    std::string text = state->frameTitle;
    if (state->active && !IsGoing(state->active) && IsZoomed(state->active)) {
        const std::string child = GetWindowText(state->active);
        if (!child.empty()) text += " - [" + child + "]";
    }
    // Straight to the default procedure: the frame's own WM_SETTEXT would take the
    // decorated caption for its own.
    if (GetWindowText(state->frame) != text)
        DefWindowProc(state->frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void RefreshMenu(HWND client) {
    SendMessage(client, WM_MDIREFRESHMENU, 0, 0);
}

}  // namespace win::mdi
