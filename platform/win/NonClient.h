#pragma once
// The classic frame: how styles divide a window into frame, caption, scroll bars and client
// area, how that frame is drawn, and what each part answers to WM_NCHITTEST.
#include "platform/win/WinDefs.h"

namespace win {

constexpr int kCaptionHeight = 18;  // the caption bar; one more row separates it
constexpr int kScrollBarSize = 16;  // SM_CXVSCROLL
constexpr int kMinThumb = 8;

struct FrameLayout {
    int frame = 0;    // the band on every side: 4 thick, 3 dialog, 1 thin, 0 none
    int caption = 0;  // rows of caption plus its separating row
    int edge = 0;     // client edge inside the frame
    bool vscroll = false;
    bool hscroll = false;
};

FrameLayout LayoutFor(DWORD style, DWORD exStyle);
// The client rectangle for a window rectangle (both in the same coordinates).
TRect ClientFromWindow(const TRect& window, DWORD style, DWORD exStyle);

// A window's scroll bar in window coordinates, and the thumb within it (offsets from the
// bar's top or left edge). Empty when the bar is not shown.
struct ScrollBarGeometry {
    TRect bar;
    int thumbTop = 0;
    int thumbBottom = 0;
    int arrow = kScrollBarSize;
};
ScrollBarGeometry ScrollBarLayout(HWND hwnd, int bar);

// A press on a window's scroll bar: arrows and page areas send WM_VSCROLL/WM_HSCROLL at
// once and again while held; the thumb follows the pointer with SB_THUMBTRACK.
void TrackScrollBar(HWND hwnd, int bar, TPoint screen);

void PaintNonClient(HWND hwnd);
LRESULT NonClientHitTest(HWND hwnd, TPoint screen);
// The move loop of WM_SYSCOMMAND/SC_MOVE: the window follows the pointer until the left
// button is released (or Escape puts it back).
void MoveLoop(HWND hwnd);

}  // namespace win
