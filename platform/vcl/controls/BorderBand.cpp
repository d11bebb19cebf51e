#include "platform/vcl/controls/BorderBand.h"

#include <algorithm>

#include "platform/win/Windows.h"

void BorderBandCalcSize(TMessage& Message, int Width) {
    // With wParam TRUE the first of the three rectangles is the new window rectangle.
    auto* rect = reinterpret_cast<RECT*>(Message.LParam);
    if (!rect || Width <= 0) return;
    rect->left += Width;
    rect->top += Width;
    rect->right = std::max(rect->left, rect->right - Width);
    rect->bottom = std::max(rect->top, rect->bottom - Width);
}

void BorderBandPaint(HWND Window, int Width, TColor Color) {
    if (!Window || Width <= 0) return;
    RECT window;
    GetWindowRect(Window, &window);
    const LONG_PTR exStyle = GetWindowLong(Window, GWL_EXSTYLE);
    const LONG_PTR style = GetWindowLong(Window, GWL_STYLE);
    const int edge = (exStyle & WS_EX_CLIENTEDGE) ? 2 : (style & WS_BORDER) ? 1 : 0;
    const TRect outer{edge, edge, window.Width() - edge, window.Height() - edge};
    HDC dc = GetWindowDC(Window);
    HBRUSH brush = CreateSolidBrush(Color);
    FillRect(dc, {outer.left, outer.top, outer.right, outer.top + Width}, brush);
    FillRect(dc, {outer.left, outer.bottom - Width, outer.right, outer.bottom}, brush);
    FillRect(dc, {outer.left, outer.top, outer.left + Width, outer.bottom}, brush);
    FillRect(dc, {outer.right - Width, outer.top, outer.right, outer.bottom}, brush);
    DeleteObject(brush);
    ReleaseDC(Window, dc);
}
