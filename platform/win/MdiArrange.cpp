// The MDI client's arrangements of its children: tiling, cascading, the row of minimised
// children along the bottom edge, and moving on to the next or previous child.
#include <algorithm>
#include <cmath>

#include "platform/win/Mdi.h"
#include "platform/win/MdiClientState.h"
#include "platform/win/Message.h"
#include "platform/win/SysParams.h"

namespace win::mdi {

namespace {

constexpr int kIconWidth = 160;
constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;

int IconHeight() {
    return GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME);
}

// The children that tiling and cascading place: shown, not minimised, and back to their
// normal state if one was maximised (an arrangement shows them side by side).
std::vector<HWND> ChildrenToPlace(HWND client, bool skipDisabled) {
    std::vector<HWND> out;
    for (HWND h : VisibleChildrenInZOrder(client)) {
        if (IsIconic(h) || (skipDisabled && !IsWindowEnabled(h))) continue;
        if (IsZoomed(h)) ShowWindow(h, SW_RESTORE);
        out.push_back(h);
    }
    return out;
}

bool AnyMinimised(HWND client) {
    const auto children = VisibleChildrenInZOrder(client);
    return std::any_of(children.begin(), children.end(), [](HWND h) { return IsIconic(h); });
}

RECT PlacingArea(HWND client) {
    RECT area;
    GetClientRect(client, &area);
    if (AnyMinimised(client)) area.bottom = std::max(area.top, area.bottom - IconHeight());
    return area;
}

}  // namespace

void Tile(HWND client, WPARAM how) {
    const std::vector<HWND> children = ChildrenToPlace(client, how & MDITILE_SKIPDISABLED);
    const int total = static_cast<int>(children.size());
    if (total == 0) return;
    const RECT area = PlacingArea(client);
    // Vertical tiling puts the windows side by side, horizontal tiling one above another;
    // past three windows both make a grid whose last column takes the odd ones.
    int rows = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(total))));
    int columns = total / rows;
    if (how & MDITILE_HORIZONTAL) std::swap(rows, columns);
    const int width = area.Width() / columns;
    std::size_t next = 0;
    for (int column = 0; column < columns && next < children.size(); ++column) {
        const int inColumn = column == columns - 1 ? total - column * rows : rows;
        const int height = area.Height() / std::max(1, inColumn);
        for (int row = 0; row < inColumn && next < children.size(); ++row)
            SetWindowPos(children[next++], nullptr, area.left + column * width,
                         area.top + row * height, width, height, kPlace);
    }
    UpdateFrameTitle(client);
}

void Cascade(HWND client) {
    std::vector<HWND> children = ChildrenToPlace(client, false);
    if (children.empty()) return;
    const RECT area = PlacingArea(client);
    const int spacing = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) - 1;
    const int stagger = std::max(1, area.Height() / (3 * spacing));
    const int width = std::max(1, area.Width() - stagger * spacing);
    const int height = std::max(1, area.Height() - stagger * spacing);
    // The bottom of the Z-order first, so that the active child ends up furthest in.
    std::reverse(children.begin(), children.end());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const int offset = spacing * static_cast<int>(i % (stagger + 1));
        SetWindowPos(children[i], nullptr, area.left + offset, area.top + offset, width, height,
                     kPlace);
    }
    UpdateFrameTitle(client);
}

void ArrangeIcons(HWND client) {
    const ClientState* state = StateOf(client);
    if (!state) return;
    RECT area;
    GetClientRect(client, &area);
    const int perRow = std::max(1, area.Width() / kIconWidth);
    int slot = 0;
    for (HWND h : state->children) {
        if (!IsWindow(h) || IsGoing(h) || !IsIconic(h) ||
            !(GetWindowLong(h, GWL_STYLE) & WS_VISIBLE))
            continue;
        const int x = (slot % perRow) * kIconWidth;
        const int y = area.bottom - (slot / perRow + 1) * IconHeight();
        SetWindowPos(h, nullptr, x, y, kIconWidth, IconHeight(), kPlace);
        ++slot;
    }
}

void Next(HWND client, HWND from, bool previous) {
    const ClientState* state = StateOf(client);
    if (!state) return;
    if (!from) from = state->active;
    std::vector<HWND> children;
    for (HWND h : VisibleChildrenInZOrder(client))
        if (IsWindowEnabled(h)) children.push_back(h);
    if (children.size() < 2) return;
    auto at = std::find(children.begin(), children.end(), from);
    if (previous) {
        Activate(client, children.back());
        return;
    }
    const HWND target = (at == children.end() || at + 1 == children.end()) ? children.front()
                                                                           : *(at + 1);
    if (target == from) return;
    Activate(client, target);
    // The one left goes to the back, so that repeating the step visits every child.
    if (from && IsWindow(from))
        SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace win::mdi
