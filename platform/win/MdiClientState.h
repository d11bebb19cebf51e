#pragma once
// What an MDI client window keeps, shared by the client's procedure, the arrangements and
// the children's default procedure. Nothing outside platform/win includes this header.
#include <string>
#include <vector>

#include "platform/win/WinDefs.h"

namespace win::mdi {

struct ClientState {
    HWND frame = nullptr;
    HWND active = nullptr;
    std::vector<HWND> children;  // in creation order, as the window menu lists them
    std::string frameTitle;      // the frame's own caption, without the maximised child's
    UINT idFirstChild = 0;
};

// The MDICLIENT class's window procedure.
LRESULT ClientWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The state of an MDI client window, or null for any other window.
ClientState* StateOf(HWND client);
// The MDI client an MDI child lives in, or null.
HWND ClientOf(HWND child);
bool IsMdiChild(HWND hwnd);
// Whether the window is on its way out (DestroyWindow has begun on it).
bool IsGoing(HWND hwnd);
// The children that count for activation and arrangement: not hidden, not going.
std::vector<HWND> VisibleChildrenInZOrder(HWND client);

void Activate(HWND client, HWND child);
// A child is leaving: it is going, or it is being hidden.
void ChildLeaving(HWND client, HWND child);
void UpdateFrameTitle(HWND client);
void RefreshMenu(HWND client);

void Tile(HWND client, WPARAM how);
void Cascade(HWND client);
void ArrangeIcons(HWND client);
void Next(HWND client, HWND from, bool previous);

}  // namespace win::mdi
