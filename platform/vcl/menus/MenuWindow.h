#pragma once
// TMenuWindow: the popup window that shows one submenu: a classic raised frame around the
// items, each measured and drawn by its handlers when it has them and in the classic look
// otherwise. It takes no activation, so the form it serves stays active.
#include <functional>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/win/WinDefs.h"

class TCanvas;
class TMenuItem;

class TMenuWindow {
public:
    // Creates the window, hidden, for the visible items of Parent's submenu, measuring them.
    TMenuWindow(TMenuItem* Parent, HWND Owner);
    ~TMenuWindow();
    TMenuWindow(const TMenuWindow&) = delete;
    TMenuWindow& operator=(const TMenuWindow&) = delete;

    HWND Handle() const { return m_handle; }
    TMenuItem* ParentItem() const { return m_parent; }
    // The size of the whole window, frame included.
    TSize WindowSize() const;
    // Shows the window with its top-left corner at Pos (screen coordinates).
    void ShowAt(TPoint Pos);

    int Count() const { return static_cast<int>(m_entries.size()); }
    TMenuItem* Item(int Index) const;
    // The item's rectangle in the client area, which is what its draw handler gets.
    TRect ItemRect(int Index) const;
    TRect ScreenItemRect(int Index) const;
    TRect ScreenRect() const;
    // The entry under a screen point, -1 for none (separators count as entries).
    int ItemAt(TPoint Screen) const;
    int IndexOf(const TMenuItem* Item) const;

    int Selected() const { return m_selected; }
    TMenuItem* SelectedItem() const { return m_selected >= 0 ? Item(m_selected) : nullptr; }
    void SetSelected(int Index);
    // The next entry after From (or before, with Step -1) that can be highlighted,
    // wrapping round; -1 when there is none. From -1 starts at either end.
    int NextSelectable(int From, int Step) const;

    // Called when the window manager cancels the mode this window is in (WM_CANCELMODE,
    // or the mouse capture taken away).
    std::function<void()> OnCancelMode;

    // The platform's menu font.
    static void GetMenuFont(TFont& Font);

private:
    struct Entry {
        TMenuItem* item;
        TRect rect;
    };
    static LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Measure();
    void Paint(HDC DC, const TRect& Dirty);
    void DrawClassic(TCanvas& Canvas, const TMenuItem& Item, const TRect& R, bool Selected);
    void PrepareCanvas(TCanvas& Canvas);

    TMenuItem* m_parent;
    HWND m_handle = nullptr;
    std::vector<Entry> m_entries;
    int m_width = 0;
    int m_height = 0;
    int m_gutter = 0;
    int m_shortCutColumn = 0;
    int m_selected = -1;
};
