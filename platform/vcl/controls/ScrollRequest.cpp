#include "platform/vcl/controls/ScrollRequest.h"

int ScrollRequestPosition(HWND hwnd, int bar, WPARAM wParam, int current, int line, int page,
                          int last) {
    switch (LOWORD(wParam)) {
        case SB_LINEUP:
            return current - line;
        case SB_LINEDOWN:
            return current + line;
        case SB_PAGEUP:
            return current - page;
        case SB_PAGEDOWN:
            return current + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The tracking position is not cut to 16 bits as the message's is; a position
            // sent by a program rather than the bar's own tracking comes in the high word.
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(hwnd, bar, &info) && info.nTrackPos != current)
                return info.nTrackPos;
            return HIWORD(wParam);
        }
        case SB_TOP:
            return 0;
        case SB_BOTTOM:
            return last;
        default:
            return current;
    }
}
