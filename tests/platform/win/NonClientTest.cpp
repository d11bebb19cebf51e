// The frame by style, WM_NCCALCSIZE/WM_NCPAINT on frame changes, hit-testing, scroll bars
// and the move loop.
#include "WinTestFixture.h"
#include "platform/win/WindowManager.h"

using namespace wintest;
using win::Headless;

namespace {

class NonClientTest : public WinTest {};

TEST_F(NonClientTest, TheFrameFollowsTheStyle) {
    struct Case {
        const char* name;
        DWORD style, exStyle;
        RECT client;  // in window coordinates, for a 200 x 100 window
    } cases[] = {
        {"popup", WS_POPUP, 0, {0, 0, 200, 100}},
        {"thin border", WS_POPUP | WS_BORDER, 0, {1, 1, 199, 99}},
        {"dialog frame", WS_POPUP | WS_DLGFRAME, 0, {3, 3, 197, 97}},
        {"modal frame", WS_POPUP, WS_EX_DLGMODALFRAME, {3, 3, 197, 97}},
        {"caption", WS_POPUP | WS_CAPTION, 0, {3, 22, 197, 97}},
        {"sizeable caption", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, {4, 23, 196, 96}},
        {"thick frame", WS_POPUP | WS_THICKFRAME, 0, {4, 4, 196, 96}},
        {"overlapped", WS_OVERLAPPED, 0, {1, 1, 199, 99}},
        {"client edge", WS_CHILD, WS_EX_CLIENTEDGE, {2, 2, 198, 98}},
        {"scroll bars", WS_CHILD | WS_VSCROLL | WS_HSCROLL, 0, {0, 0, 184, 84}},
    };
    HWND host = TopLevel(0, 0, 400, 400);
    for (const Case& c : cases) {
        HWND hwnd = CreateWindowEx(c.exStyle, "Plain", "", c.style, 0, 0, 200, 100,
                                   (c.style & WS_CHILD) ? host : nullptr);
        RECT client;
        GetClientRect(hwnd, &client);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        RECT window;
        GetWindowRect(hwnd, &window);
        EXPECT_EQ(client.Offset(origin.x - window.left, origin.y - window.top), c.client) << c.name;
        RECT adjusted = c.client;
        if (!(c.style & (WS_VSCROLL | WS_HSCROLL))) {
            AdjustWindowRectEx(&adjusted, c.style, FALSE, c.exStyle);
            EXPECT_EQ(adjusted, (RECT{0, 0, 200, 100})) << c.name;
        }
        DestroyWindow(hwnd);
    }
}

TEST_F(NonClientTest, ClearingTheCaptionLeavesTheThreePixelDialogBand) {
    // A dialog-style form, as the skinned frame finds it.
    HWND form = TopLevel(50, 50, 300, 200, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                         WS_EX_DLGMODALFRAME);
    Headless::ProcessMessages();
    log.clear();
    SetWindowLong(form, GWL_STYLE,
                  GetWindowLong(form, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.Height(), 200 - 3 - 19 - 3);  // nothing changes before the frame is refreshed
    SetWindowPos(form, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EXPECT_EQ(MessagesOf(form, {WM_NCCALCSIZE, WM_NCPAINT, WM_SIZE, WM_MOVE}),
              (std::vector<UINT>{WM_NCCALCSIZE, WM_MOVE, WM_SIZE, WM_NCPAINT}));
    GetClientRect(form, &client);
    EXPECT_EQ(client, (RECT{0, 0, 294, 194}));
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    EXPECT_EQ(origin, (POINT{53, 53}));
    // The band is frame, not client: it answers as border.
    EXPECT_EQ(SendMessage(form, WM_NCHITTEST, 0, MAKELPARAM(51, 100)), HTBORDER);
    EXPECT_EQ(SendMessage(form, WM_NCHITTEST, 0, MAKELPARAM(53, 100)), HTCLIENT);
}

TEST_F(NonClientTest, FrameChangedSendsNcPaintOnlyForVisibleWindowsAndNoRedraw) {
    HWND hidden = TopLevel(0, 0, 100, 100, WS_POPUP | WS_DLGFRAME);
    SetWindowPos(hidden, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(Count(hidden, WM_NCCALCSIZE), 2);  // creation and the change
    EXPECT_EQ(Count(hidden, WM_NCPAINT), 0);
    HWND shown = TopLevel(0, 0, 100, 100, WS_POPUP | WS_DLGFRAME | WS_VISIBLE);
    Headless::ProcessMessages();
    log.clear();
    SetWindowPos(shown, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_FRAMECHANGED);
    EXPECT_EQ(Count(shown, WM_NCPAINT), 0);
    SetWindowPos(shown, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(Count(shown, WM_NCPAINT), 1);
}

TEST_F(NonClientTest, TheDefaultFramePaintsACaptionAndRaisedEdges) {
    HWND form = TopLevel(0, 0, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    const gfx::Bitmap shot = Headless::CaptureWindow(form);
    EXPECT_EQ(shot.GetPixel(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(shot.GetPixel(199, 99), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(shot.GetPixel(1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(shot.GetPixel(150, 10), ColorToRGB(clActiveCaption));  // active: it was just shown
    EXPECT_EQ(shot.GetPixel(100, 50), clWhite);                      // the class background
}

TEST_F(NonClientTest, HitTestingNamesTheParts) {
    HWND form = TopLevel(100, 100, 200, 100,
                         WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_VSCROLL);
    struct Case {
        int x, y;
        LRESULT hit;
    } cases[] = {
        {150, 110, HTCAPTION}, {150, 150, HTCLIENT},      {101, 150, HTLEFT},
        {298, 150, HTRIGHT},   {150, 101, HTTOP},         {150, 198, HTBOTTOM},
        {101, 101, HTTOPLEFT}, {298, 198, HTBOTTOMRIGHT}, {290, 150, HTVSCROLL},
        {99, 150, HTNOWHERE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessage(form, WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.hit)
            << c.x << "," << c.y;
}

TEST_F(NonClientTest, ScrollInformationShowsHidesAndPlacesTheThumb) {
    HWND host = TopLevel(0, 0, 300, 300);
    HWND list = Child(host, 0, 0, 100, 116);
    SCROLLBARINFO bar;
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_INVISIBLE);

    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 21;
    info.nPos = 79;  // the last position a 21-row page can take
    SetScrollInfo(list, SB_VERT, &info, TRUE);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(client.right, 84);
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    EXPECT_EQ(bar.rgstate[0], 0u);
    EXPECT_EQ(bar.rcScrollBar, (RECT{84, 0, 100, 116}));
    EXPECT_EQ(bar.dxyLineButton, 16);
    EXPECT_EQ(bar.xyThumbTop, 16 + 84 - 17);  // thumb of 84 * 21 / 100 = 17 pixels at the end
    EXPECT_EQ(bar.xyThumbBottom, 16 + 84);
    SCROLLINFO read;
    read.fMask = SIF_ALL;
    GetScrollInfo(list, SB_VERT, &read);
    EXPECT_EQ(read.nMax, 99);
    EXPECT_EQ(read.nPage, 21u);
    EXPECT_EQ(read.nPos, 79);
    info.nPos = 500;  // past the end: clamped
    SetScrollInfo(list, SB_VERT, &info, TRUE);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 79);

    info.nPage = 100;  // everything fits: the bar goes away
    SetScrollInfo(list, SB_VERT, &info, TRUE);
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_INVISIBLE);
    GetClientRect(list, &client);
    EXPECT_EQ(client.right, 100);
    info.fMask |= SIF_DISABLENOSCROLL;  // ... unless asked to stay, disabled
    SetScrollInfo(list, SB_VERT, &info, TRUE);
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(NonClientTest, ScrollBarsDrawArrowsOverACheckeredTrack) {
    HWND host = TopLevel(0, 0, 300, 300);
    HWND list = Child(host, 0, 0, 100, 116);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 21;
    info.nPos = 0;
    SetScrollInfo(list, SB_VERT, &info, TRUE);
    Headless::ProcessMessages();
    gfx::Bitmap shot = Headless::CaptureWindow(host);
    // The bar is x 84 to 100; each arrow is a triangle of four rows in its 16-pixel box.
    const TColor text = ColorToRGB(clBtnText), face = ColorToRGB(clBtnFace);
    EXPECT_EQ(shot.GetPixel(92, 6), text);  // the up arrow's tip
    EXPECT_EQ(shot.GetPixel(92, 5), face);
    EXPECT_EQ(shot.GetPixel(89, 9), text);    // its base, seven pixels wide
    EXPECT_EQ(shot.GetPixel(92, 110), text);  // the down arrow's tip
    EXPECT_EQ(shot.GetPixel(92, 111), face);
    const TColor left = shot.GetPixel(90, 60), right = shot.GetPixel(91, 60);
    EXPECT_NE(left, right);
    EXPECT_TRUE(left == ColorToRGB(clBtnHighlight) || right == ColorToRGB(clBtnHighlight));
    EXPECT_EQ(shot.GetPixel(90, 61), right);

    info.fMask |= SIF_DISABLENOSCROLL;
    info.nPage = 100;  // nothing to scroll: the arrows are etched
    SetScrollInfo(list, SB_VERT, &info, TRUE);
    Headless::ProcessMessages();
    shot = Headless::CaptureWindow(host);
    EXPECT_EQ(shot.GetPixel(92, 6), ColorToRGB(clBtnShadow));
    EXPECT_EQ(shot.GetPixel(92, 10), ColorToRGB(clBtnHighlight));  // the etching under it
}

TEST_F(NonClientTest, DraggingTheCaptionMovesTheWindowUntilTheButtonIsReleased) {
    HWND form = TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    Headless::ProcessMessages();
    Headless::MouseMove(150, 110);
    Headless::MouseDown();
    Headless::MouseMove(160, 115);
    Headless::MouseMove(200, 140);
    Headless::MouseUp();
    Headless::MouseMove(400, 400);  // after the release: the window stays
    Headless::ProcessMessages();
    RECT r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r, Bounds(150, 130, 200, 100));
    EXPECT_EQ(MessagesOf(form, {WM_NCLBUTTONDOWN, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Headless::CaptureDesktop().GetPixel(300, 140), ColorToRGB(clActiveCaption));
}

// The skinned title bar is a child that, on a press, releases the capture and sends its
// form WM_NCLBUTTONDOWN with HTCAPTION and a zero position.
LRESULT TitleBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        ReleaseCapture();
        SendMessage(GetParent(hwnd), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

TEST_F(NonClientTest, AMoveLoopStartedByAChildFollowsThePointerFromWhereItIs) {
    WNDCLASS bar;
    bar.lpszClassName = "TitleBar";
    bar.lpfnWndProc = TitleBarProc;
    RegisterClass(bar);
    HWND form = TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE | WS_DLGFRAME);
    Child(form, 0, 0, 194, 20, WS_CHILD | WS_VISIBLE, "TitleBar");
    Headless::Click(150, 110);  // press and release at once: no move
    Headless::ProcessMessages();
    RECT r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r.TopLeft(), (POINT{100, 100}));
    Headless::MouseMove(150, 110);
    Headless::MouseDown();
    Headless::MouseMove(100, 300);
    Headless::KeyPress(VK_SHIFT);  // other input in the loop is dispatched, not lost
    Headless::MouseUp();
    Headless::ProcessMessages();
    GetWindowRect(form, &r);
    EXPECT_EQ(r.TopLeft(), (POINT{50, 290}));
}

TEST_F(NonClientTest, EscapePutsAMovedWindowBack) {
    HWND form = TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    Headless::MouseMove(150, 110);
    Headless::MouseDown();
    Headless::MouseMove(300, 300);
    Headless::KeyPress(VK_ESCAPE);
    Headless::MouseUp();
    Headless::ProcessMessages();
    RECT r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r.TopLeft(), (POINT{100, 100}));
}

}  // namespace

namespace {

class ScrollTrackTest : public WinTest {};

// A list whose scroll bar runs from 0 to 99 with 10 visible rows; it follows the bar.
LRESULT ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL) {
        int pos = GetScrollPos(hwnd, SB_VERT);
        switch (LOWORD(wParam)) {
            case SB_LINEDOWN:
                ++pos;
                break;
            case SB_LINEUP:
                --pos;
                break;
            case SB_PAGEDOWN:
                pos += 10;
                break;
            case SB_PAGEUP:
                pos -= 10;
                break;
            case SB_THUMBTRACK:
                pos = HIWORD(wParam);
                break;
            default:
                return 0;
        }
        SetScrollPos(hwnd, SB_VERT, pos, TRUE);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

TEST_F(ScrollTrackTest, ArrowsRepeatWhileHeldAndTheThumbFollowsThePointer) {
    WNDCLASS list;
    list.lpszClassName = "List";
    list.lpfnWndProc = ListProc;
    RegisterClass(list);
    HWND form = TopLevel(0, 0, 300, 300);
    HWND hwnd = Child(form, 0, 0, 100, 116, WS_CHILD | WS_VISIBLE, "List");
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 99;
    info.nPage = 10;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    Headless::ProcessMessages();

    // Hold the down arrow: one step at once, then after 400 ms every 50 ms.
    Headless::MouseMove(92, 110);
    Headless::MouseDown();
    driver->After(400 + 2 * 50 + 20, [] { Headless::MouseUp(); });
    Headless::ProcessMessages();
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 1 + 3);
    EXPECT_EQ(GetCapture(), nullptr);

    // A click below the thumb pages.
    Headless::Click(92, 90);
    Headless::ProcessMessages();
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 14);

    // Drag the thumb to the end of the track.
    SCROLLBARINFO bar;
    GetScrollBarInfo(hwnd, OBJID_VSCROLL, &bar);
    Headless::MouseMove(92, bar.xyThumbTop + 2);
    Headless::MouseDown();
    Headless::MouseMove(92, 200);
    Headless::MouseUp();
    log.clear();
    Headless::ProcessMessages();
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 90);
    std::vector<WPARAM> codes;
    for (const Received& r : log)
        if (r.message == WM_VSCROLL) codes.push_back(LOWORD(r.wParam));
    EXPECT_EQ(codes, (std::vector<WPARAM>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
}

// A desktop's window manager that moves windows itself: the loop leaves the window where
// the window manager put it and ends with the release.
class SystemMoveDriver : public win::HeadlessDriver {
public:
    bool BeginSystemMove(HWND hwnd) override {
        moved = hwnd;
        return true;
    }
    HWND moved = nullptr;
};

TEST_F(NonClientTest, AWindowManagerThatMovesTheWindowItselfHasTheLastWord) {
    auto owned = std::make_unique<SystemMoveDriver>();
    SystemMoveDriver& system = *owned;
    win::WindowManager::Reset(std::move(owned));
    RegisterClassesAndTrace();
    HWND form = TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    Headless::MouseMove(150, 110);
    Headless::MouseDown();
    Headless::MouseMove(300, 300);
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(system.moved, form);
    RECT r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r.TopLeft(), (POINT{100, 100}));
    EXPECT_EQ(MessagesOf(form, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
