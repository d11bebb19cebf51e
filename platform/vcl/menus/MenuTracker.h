#pragma once
// TMenuTracker: the menu loop. It drops a submenu down as a menu window, holds the mouse
// capture, follows the pointer and the keyboard (arrows, Home, End, Enter, Escape and the
// "&" letters) through the submenus until the user chooses an item or leaves the menu,
// and closes every window it opened. A click outside the menu windows closes the menu.
#include <functional>
#include <memory>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/win/WinDefs.h"

class TMenu;
class TMenuItem;
class TMenuWindow;

class TMenuTracker {
public:
    // Menu supplies the automatic accelerators; it may be null.
    explicit TMenuTracker(TMenu* Menu);
    ~TMenuTracker();
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;

    // Shows Root's submenu at the screen point Pos and runs the loop until it ends. Returns
    // the chosen item, which the caller clicks, or null. Without room on the screen the
    // menu opens to the left of or above the point.
    TMenuItem* Track(TMenuItem* Root, TPoint Pos, HWND Owner, bool SelectFirst = false);
    // The same, dropped down below the rectangle Below (screen coordinates, a menu bar
    // button), or above it when there is no room below.
    TMenuItem* TrackBelow(TMenuItem* Root, const TRect& Below, HWND Owner, bool SelectFirst);
    // Ends the loop without a choice; the windows close when the loop returns.
    void Cancel() { m_done = true; }

    bool Tracking() const { return !m_levels.empty(); }
    // Whether the last loop ended with Escape on the first level: the user stepped back
    // to whatever opened the menu rather than leaving it.
    bool ClosedByEscape() const { return m_escaped; }
    int Levels() const { return static_cast<int>(m_levels.size()); }
    TMenuWindow* Level(int Index) const {
        return m_levels.at(static_cast<std::size_t>(Index)).get();
    }

    // A mouse message outside every menu window, for the menu bar that dropped the menu
    // down; true when it took care of it. Unhandled presses close the menu.
    std::function<bool(UINT Msg, TPoint Screen)> OnMouseOutside;
    // Left or Right where the menu itself has nowhere to go; true when handled.
    std::function<bool(bool Forward)> OnNavigate;

private:
    enum class TPlacement { AtPoint, Below, Beside };
    TMenuItem* Run(TMenuItem* Root, TPoint Pos, const TRect& Anchor, TPlacement Placement,
                   HWND Owner, bool SelectFirst);
    void Loop();
    void OpenLevel(TMenuItem* Parent, TPoint Pos, const TRect& Anchor, TPlacement Placement);
    void OpenSubmenu(int Level, bool SelectFirst);
    void CloseLevelsAbove(int Level);
    void CloseAll();
    int LevelAt(TPoint Screen) const;
    void Choose(TMenuItem* Item);
    void ScheduleSubmenu(int Level);

    void HandleMouse(UINT Msg, TPoint Screen);
    bool HandleKey(WORD Key);
    void HandleChar(char Ch);

    TMenu* m_menu;
    HWND m_owner = nullptr;
    std::vector<std::unique_ptr<TMenuWindow>> m_levels;
    TMenuItem* m_chosen = nullptr;
    bool m_done = false;
    bool m_escaped = false;
    int m_pendingLevel = -1;
};
