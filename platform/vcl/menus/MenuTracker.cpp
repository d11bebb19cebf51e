#include "platform/vcl/menus/MenuTracker.h"

#include <algorithm>

#include "platform/vcl/menus/Menu.h"
#include "platform/vcl/menus/MenuWindow.h"
#include "platform/win/Windows.h"

namespace {

constexpr UINT_PTR kSubmenuTimer = 1;
constexpr UINT kSubmenuDelay = 250;  // ms the pointer rests on an item before it opens

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}
bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}
bool IsButtonUp(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP;
}

// Keys come with their characters queued right behind them; the character of a key the
// menu used (Enter, Escape) must not reach the window behind the menu once it closes.
void EatCharacter() {
    MSG next;
    if (PeekMessage(&next, nullptr, 0, 0, PM_NOREMOVE) &&
        (next.message == WM_CHAR || next.message == WM_SYSCHAR))
        PeekMessage(&next, nullptr, next.message, next.message, PM_REMOVE);
}

bool Opens(const TMenuItem* item) {
    return item && item->Count() > 0 && item->GetEnabled();
}

TRect ScreenBounds() {
    return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace

TMenuTracker::TMenuTracker(TMenu* Menu) : m_menu(Menu) {}

TMenuTracker::~TMenuTracker() {
    CloseAll();
}

TMenuItem* TMenuTracker::Track(TMenuItem* Root, TPoint Pos, HWND Owner, bool SelectFirst) {
    return Run(Root, Pos, {}, TPlacement::AtPoint, Owner, SelectFirst);
}

TMenuItem* TMenuTracker::TrackBelow(TMenuItem* Root, const TRect& Below, HWND Owner,
                                    bool SelectFirst) {
    return Run(Root, {Below.left, Below.bottom}, Below, TPlacement::Below, Owner, SelectFirst);
}

TMenuItem* TMenuTracker::Run(TMenuItem* Root, TPoint Pos, const TRect& Anchor, TPlacement Placement,
                             HWND Owner, bool SelectFirst) {
    if (Tracking()) throw EMenuError("a menu is already open in this loop");
    m_owner = Owner;
    m_chosen = nullptr;
    m_done = false;
    m_escaped = false;
    try {
        OpenLevel(Root, Pos, Anchor, Placement);
        TMenuWindow& root = *m_levels.front();
        if (SelectFirst) root.SetSelected(root.NextSelectable(-1, 1));
        SetCapture(root.Handle());
        // A menu opened by a key (Alt+Space) finds that key's character next in the queue.
        EatCharacter();
        Loop();
    } catch (...) {
        CloseAll();
        throw;
    }
    CloseAll();
    return m_chosen;
}

void TMenuTracker::Loop() {
    while (!m_done) {
        MSG msg;
        if (!GetMessage(&msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (m_levels.empty() || GetCapture() != m_levels.front()->Handle()) return;
        switch (msg.message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                if (HandleKey(static_cast<WORD>(msg.wParam))) EatCharacter();
                break;
            case WM_CHAR:
            case WM_SYSCHAR:
                HandleChar(static_cast<char>(msg.wParam));
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
            case WM_MOUSEWHEEL:
                break;
            case WM_TIMER:
                if (msg.wParam == kSubmenuTimer && msg.hwnd == m_levels.front()->Handle()) {
                    KillTimer(msg.hwnd, kSubmenuTimer);
                    const int level = m_pendingLevel;
                    m_pendingLevel = -1;
                    if (level >= 0 && level < Levels() &&
                        Opens(m_levels[static_cast<std::size_t>(level)]->SelectedItem())) {
                        CloseLevelsAbove(level);
                        OpenSubmenu(level, false);
                    }
                } else {
                    DispatchMessage(&msg);
                }
                break;
            default:
                if (IsMouseMessage(msg.message))
                    HandleMouse(msg.message, msg.pt);
                else
                    DispatchMessage(&msg);
                break;
        }
    }
}

void TMenuTracker::OpenLevel(TMenuItem* Parent, TPoint Pos, const TRect& Anchor,
                             TPlacement Placement) {
    if (m_menu && m_menu->GetAutoHotkeys() == maAutomatic) TMenu::RethinkHotkeys(Parent);
    auto window = std::make_unique<TMenuWindow>(Parent, m_owner);
    window->OnCancelMode = [this] { Cancel(); };
    const TSize size = window->WindowSize();
    const TRect screen = ScreenBounds();
    TPoint p = Pos;
    switch (Placement) {
        case TPlacement::AtPoint:
            if (p.x + size.cx > screen.right) p.x -= size.cx;
            if (p.y + size.cy > screen.bottom) p.y -= size.cy;
            break;
        case TPlacement::Below:
            if (p.x + size.cx > screen.right) p.x = screen.right - size.cx;
            if (p.y + size.cy > screen.bottom) p.y = Anchor.top - size.cy;
            break;
        case TPlacement::Beside:
            if (p.x + size.cx > screen.right) p.x = Anchor.left - size.cx + 3;
            if (p.y + size.cy > screen.bottom) p.y = screen.bottom - size.cy;
            break;
    }
    p.x = std::max(p.x, screen.left);
    p.y = std::max(p.y, screen.top);
    window->ShowAt(p);
    m_levels.push_back(std::move(window));
}

void TMenuTracker::OpenSubmenu(int Level, bool SelectFirst) {
    TMenuWindow& parent = *m_levels[static_cast<std::size_t>(Level)];
    TMenuItem* item = parent.SelectedItem();
    if (!Opens(item)) return;
    CloseLevelsAbove(Level);
    // A submenu's owner may rebuild it in OnClick before it opens.
    item->Click();
    if (m_done || item->Count() == 0) return;
    const TRect itemRect = parent.ScreenItemRect(parent.Selected());
    const TRect frame = parent.ScreenRect();
    OpenLevel(item, {frame.right - 3, itemRect.top - 3}, frame, TPlacement::Beside);
    if (SelectFirst) {
        TMenuWindow& sub = *m_levels.back();
        sub.SetSelected(sub.NextSelectable(-1, 1));
    }
}

void TMenuTracker::CloseLevelsAbove(int Level) {
    while (Levels() > Level + 1) m_levels.pop_back();
}

void TMenuTracker::CloseAll() {
    if (m_levels.empty()) return;
    const HWND root = m_levels.front()->Handle();
    for (auto& level : m_levels) level->OnCancelMode = nullptr;
    KillTimer(root, kSubmenuTimer);
    if (GetCapture() == root) ReleaseCapture();
    while (!m_levels.empty()) m_levels.pop_back();
}

int TMenuTracker::LevelAt(TPoint Screen) const {
    for (int i = Levels() - 1; i >= 0; --i)
        if (m_levels[static_cast<std::size_t>(i)]->ScreenRect().Contains(Screen)) return i;
    return -1;
}

void TMenuTracker::Choose(TMenuItem* Item) {
    m_chosen = Item;
    m_done = true;
}

void TMenuTracker::ScheduleSubmenu(int Level) {
    const HWND root = m_levels.front()->Handle();
    KillTimer(root, kSubmenuTimer);
    m_pendingLevel = -1;
    if (!Opens(m_levels[static_cast<std::size_t>(Level)]->SelectedItem())) return;
    m_pendingLevel = Level;
    SetTimer(root, kSubmenuTimer, kSubmenuDelay);
}

void TMenuTracker::HandleMouse(UINT Msg, TPoint Screen) {
    const int level = LevelAt(Screen);
    if (level < 0) {
        if (OnMouseOutside && OnMouseOutside(Msg, Screen)) return;
        if (IsButtonDown(Msg)) Cancel();
        return;
    }
    TMenuWindow& window = *m_levels[static_cast<std::size_t>(level)];
    int index = window.ItemAt(Screen);
    if (index >= 0 && window.Item(index)->IsLine()) index = -1;
    TMenuItem* item = index >= 0 ? window.Item(index) : nullptr;
    // The item whose submenu is open stays as it is while the pointer is on it.
    const bool opened = level + 1 < Levels() && m_levels[level + 1]->ParentItem() == item;
    if (Msg == WM_MOUSEMOVE) {
        if (opened || index == window.Selected()) return;
        if (!item && level + 1 < Levels()) return;  // keep the open submenu's parent lit
        CloseLevelsAbove(level);
        window.SetSelected(index);
        ScheduleSubmenu(level);
    } else if (IsButtonDown(Msg)) {
        if (!item || opened) return;
        CloseLevelsAbove(level);
        window.SetSelected(index);
        if (Opens(item)) OpenSubmenu(level, false);
    } else if (IsButtonUp(Msg)) {
        if (item && item->GetEnabled() && item->Count() == 0) Choose(item);
    }
}

bool TMenuTracker::HandleKey(WORD Key) {
    const int level = Levels() - 1;
    TMenuWindow& window = *m_levels.back();
    TMenuItem* item = window.SelectedItem();
    switch (Key) {
        case VK_DOWN:
        case VK_UP:
            window.SetSelected(window.NextSelectable(window.Selected(), Key == VK_DOWN ? 1 : -1));
            return true;
        case VK_HOME:
        case VK_END:
            window.SetSelected(window.NextSelectable(-1, Key == VK_HOME ? 1 : -1));
            return true;
        case VK_RIGHT:
            if (Opens(item))
                OpenSubmenu(level, true);
            else if (OnNavigate)
                OnNavigate(true);
            return true;
        case VK_LEFT:
            if (level > 0)
                CloseLevelsAbove(level - 1);
            else if (OnNavigate)
                OnNavigate(false);
            return true;
        case VK_RETURN:
            if (Opens(item))
                OpenSubmenu(level, true);
            else if (item && item->GetEnabled() && item->Count() == 0)
                Choose(item);
            return true;
        case VK_ESCAPE:
            if (level > 0) {
                CloseLevelsAbove(level - 1);
            } else {
                m_escaped = true;
                Cancel();
            }
            return true;
        case VK_MENU:
        case VK_F10:  // F10 leaves menus, as it enters them
            Cancel();
            return true;
        default:
            return false;
    }
}

void TMenuTracker::HandleChar(char Ch) {
    const int level = Levels() - 1;
    TMenuWindow& window = *m_levels.back();
    const unsigned key = static_cast<unsigned char>(Ch);
    std::vector<int> matches;
    for (int i = 0; i < window.Count(); ++i)
        if (!window.Item(i)->IsLine() && IsAccel(key, window.Item(i)->GetCaption()))
            matches.push_back(i);
    if (matches.empty()) {
        MessageBeep(0);
        return;
    }
    if (matches.size() > 1) {
        // Several items share the letter: each press moves to the next of them.
        const auto next = std::upper_bound(matches.begin(), matches.end(), window.Selected());
        window.SetSelected(next == matches.end() ? matches.front() : *next);
        return;
    }
    window.SetSelected(matches.front());
    TMenuItem* item = window.Item(matches.front());
    if (Opens(item))
        OpenSubmenu(level, true);
    else if (item->GetEnabled() && item->Count() == 0)
        Choose(item);
}
