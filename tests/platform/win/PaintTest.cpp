// Invalidation, WM_PAINT and WM_ERASEBKGND, clipping of children, siblings and regions,
// device contexts and painting into another device context.
#include "WinTestFixture.h"

using namespace wintest;
using win::Headless;

namespace {

class PaintTest : public WinTest {};

TEST_F(PaintTest, PaintComesWhenTheQueueIsEmptyAndErasesWithTheClassBackground) {
    HWND hwnd = TopLevel(10, 10, 40, 30);
    Headless::ProcessMessages();
    log.clear();
    RECT part{0, 0, 10, 10};
    InvalidateRect(hwnd, &part, TRUE);
    RECT more{20, 20, 25, 25};
    InvalidateRect(hwnd, &more, FALSE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 25, 25}));
    EXPECT_EQ(Count(hwnd, WM_PAINT), 0);  // nothing is painted until the loop runs
    Headless::ProcessMessages();
    EXPECT_EQ(MessagesOf(hwnd, {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT}),
              (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    ValidateRect(hwnd, nullptr);
    EXPECT_EQ(Headless::CaptureWindow(hwnd).GetPixel(5, 5), clWhite);
}

TEST_F(PaintTest, ChildrenAreClippedOutOfTheirParentAndSiblingsByZOrder) {
    HWND parent = SolidTop(100, 100, 100, 100, clRed);
    HWND lower = SolidChild(parent, 10, 10, 50, 50, clLime);
    HWND upper = SolidChild(parent, 40, 40, 50, 50, clBlue);  // created later: on top
    Headless::ProcessMessages();
    // The parent paints everything again, the children nothing: they must survive.
    HDC hdc = GetDC(parent);
    HBRUSH yellow = CreateSolidBrush(clYellow);
    FillRect(hdc, {0, 0, 100, 100}, yellow);
    ReleaseDC(parent, hdc);
    // The lower child paints over the place where the upper one covers it.
    hdc = GetDC(lower);
    FillRect(hdc, {0, 0, 50, 50}, yellow);
    ReleaseDC(lower, hdc);
    DeleteObject(yellow);

    const gfx::Bitmap shot = Headless::CaptureDesktop();
    struct Case {
        int x, y;
        TColor color;
    } cases[] = {
        {105, 105, clYellow},  // parent, outside both children
        {115, 115, clYellow},  // lower child, repainted
        {145, 145, clBlue},    // upper child covers the lower one
        {185, 185, clBlue},    // upper child alone
        {195, 195, clYellow},  // parent again
        {99, 99, win::kDesktopColor},
    };
    for (const Case& c : cases) EXPECT_EQ(shot.GetPixel(c.x, c.y), c.color) << c.x << "," << c.y;
    EXPECT_EQ(WindowFromPoint({145, 145}), upper);
    EXPECT_EQ(WindowFromPoint({115, 115}), lower);
    EXPECT_EQ(WindowFromPoint({105, 105}), parent);
}

TEST_F(PaintTest, AHiddenChildNeitherClipsNorPaints) {
    HWND parent = SolidTop(0, 0, 60, 60, clRed);
    HWND child = SolidChild(parent, 10, 10, 20, 20, clBlue);
    Headless::ProcessMessages();
    ShowWindow(child, SW_HIDE);
    Headless::ProcessMessages();
    EXPECT_EQ(Headless::CaptureWindow(parent).GetPixel(15, 15), clRed);
    EXPECT_EQ(WindowFromPoint({15, 15}), parent);
    ShowWindow(child, SW_SHOW);
    EXPECT_EQ(Headless::CaptureWindow(parent).GetPixel(15, 15), clBlue);
}

TEST_F(PaintTest, MovingAChildRepaintsWhereItWas) {
    HWND parent = SolidTop(0, 0, 100, 60, clRed);
    HWND child = SolidChild(parent, 10, 10, 20, 20, clBlue);
    Headless::ProcessMessages();
    SetWindowPos(child, nullptr, 50, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const gfx::Bitmap shot = Headless::CaptureWindow(parent);
    EXPECT_EQ(shot.GetPixel(15, 15), clRed);
    EXPECT_EQ(shot.GetPixel(55, 15), clBlue);
}

TEST_F(PaintTest, AWindowRegionClipsPaintingAndHitTesting) {
    HWND below = SolidTop(0, 0, 200, 200, clGreen);
    HWND shaped = SolidTop(50, 50, 100, 100, clRed);
    SetWindowRgn(shaped, CreateRoundRectRgn(0, 0, 101, 101, 40, 40), TRUE);
    Headless::ProcessMessages();
    const gfx::Bitmap shot = Headless::CaptureDesktop();
    EXPECT_EQ(shot.GetPixel(51, 51), clGreen);  // cut corner shows the window below
    EXPECT_EQ(shot.GetPixel(100, 100), clRed);
    EXPECT_EQ(shot.GetPixel(100, 51), clRed);  // the straight edge is inside
    EXPECT_EQ(WindowFromPoint({51, 51}), below);
    EXPECT_EQ(WindowFromPoint({100, 100}), shaped);
    EXPECT_EQ(SendMessage(shaped, WM_NCHITTEST, 0, MAKELPARAM(51, 51)), HTNOWHERE);

    // A rectangular region: everything outside it is gone, inside it drawing works.
    SetWindowRgn(shaped, CreateRectRgn(10, 10, 30, 30), TRUE);
    HDC hdc = GetWindowDC(shaped);
    HBRUSH blue = CreateSolidBrush(clBlue);
    FillRect(hdc, {0, 0, 100, 100}, blue);
    ReleaseDC(shaped, hdc);
    DeleteObject(blue);
    const gfx::Bitmap after = win::ComposeDesktop();
    EXPECT_EQ(after.GetPixel(65, 65), clBlue);
    EXPECT_EQ(after.GetPixel(55, 55), clGreen);
    EXPECT_EQ(after.GetPixel(85, 85), clGreen);
    // The window owns the region now; the handle is gone.
    HRGN handle = CreateRectRgn(0, 0, 5, 5);
    SetWindowRgn(shaped, handle, FALSE);
    EXPECT_EQ(RegionFromHandle(handle), nullptr);
    SetWindowRgn(shaped, nullptr, FALSE);
    EXPECT_EQ(WindowFromPoint({51, 51}), shaped);
}

TEST_F(PaintTest, RegionCombinationsFollowCombineRgn) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    struct Case {
        int mode;
        POINT in, out;
        int kind;
    } cases[] = {
        {RGN_AND, {7, 7}, {2, 2}, SIMPLEREGION},    {RGN_OR, {12, 12}, {12, 2}, COMPLEXREGION},
        {RGN_DIFF, {2, 2}, {7, 7}, COMPLEXREGION},  {RGN_XOR, {12, 12}, {7, 7}, COMPLEXREGION},
        {RGN_COPY, {2, 2}, {12, 12}, SIMPLEREGION},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.kind) << c.mode;
        EXPECT_TRUE(PtInRegion(out, c.in.x, c.in.y)) << c.mode;
        EXPECT_FALSE(PtInRegion(out, c.out.x, c.out.y)) << c.mode;
    }
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_OR), ERROR);
    DeleteObject(b);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), ERROR);  // stale handle
    // Coordinates given in any order are normalised, as the skinned frame relies on.
    HRGN flipped = CreateRectRgn(10, 10, 0, 0);
    RECT box;
    GetRgnBox(flipped, &box);
    EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
}

TEST_F(PaintTest, AWindowPaintsIntoAnyDeviceContext) {
    HWND parent = SolidTop(300, 300, 60, 40, clRed);
    SolidChild(parent, 10, 10, 20, 20, clBlue);
    ShowWindow(parent, SW_HIDE);  // printing does not need the window on screen
    gfx::Bitmap picture(60, 40, 0xFF000000);
    HDC hdc = CreateMemoryDC(picture);
    SendMessage(parent, WM_PRINT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT | PRF_CHILDREN);
    EXPECT_EQ(picture.GetPixel(5, 5), clRed);
    EXPECT_EQ(picture.GetPixel(15, 15), clBlue);
    EXPECT_EQ(WindowFromDC(hdc), nullptr);
    // WM_PRINTCLIENT asks the window alone.
    picture.Fill(clBlack);
    SendMessage(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT);
    EXPECT_EQ(picture.GetPixel(15, 15), clRed);
    DeleteDC(hdc);
    EXPECT_EQ(CanvasFromDC(hdc), nullptr);
}

TEST_F(PaintTest, DeviceContextsKnowTheirWindowAndOrigin) {
    HWND top = TopLevel(100, 100, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_DLGFRAME);
    HWND child = Child(top, 20, 10, 50, 30);
    Headless::ProcessMessages();
    HDC client = GetDC(child);
    HDC whole = GetWindowDC(top);
    EXPECT_EQ(WindowFromDC(client), child);
    EXPECT_EQ(WindowFromDC(whole), top);
    ASSERT_NE(CanvasFromDC(client), nullptr);
    // The child's client origin sits at frame (3) + its position inside the top's client.
    EXPECT_EQ(CanvasFromDC(client)->Origin(), (TPoint{3 + 20, 3 + 19 + 10}));
    EXPECT_EQ(CanvasFromDC(whole)->Origin(), (TPoint{0, 0}));
    SetWindowOrgEx(client, 5, 5, nullptr);
    EXPECT_EQ(CanvasFromDC(client)->Origin(), (TPoint{3 + 20 - 5, 3 + 19 + 10 - 5}));
    const int saved = SaveDC(client);
    SetViewportOrgEx(client, 1, 1, nullptr);
    RestoreDC(client, saved);
    EXPECT_EQ(CanvasFromDC(client)->Origin(), (TPoint{18, 27}));
    ReleaseDC(child, client);
    ReleaseDC(top, whole);
    EXPECT_EQ(WindowFromDC(client), nullptr);
    EXPECT_EQ(ReleaseDC(child, client), 0);
}

TEST_F(PaintTest, ADeviceContextKeptPastItsWindowStaysHarmless) {
    HWND top = TopLevel(0, 0, 50, 50);
    HDC hdc = GetDC(top);
    DestroyWindow(top);
    EXPECT_EQ(WindowFromDC(hdc), nullptr);
    HBRUSH black = CreateSolidBrush(clBlack);
    EXPECT_EQ(FillRect(hdc, {0, 0, 50, 50}, black), 1);  // into the detached pixels
    DeleteObject(black);
    EXPECT_EQ(ReleaseDC(top, hdc), 1);
    EXPECT_EQ(CanvasFromDC(hdc), nullptr);
}

TEST_F(PaintTest, DrawingOnTheDesktopLandsOnTheWindowsUnderneath) {
    HWND top = SolidTop(100, 100, 50, 50, clRed);
    Headless::ProcessMessages();
    HDC screen = GetWindowDC(GetDesktopWindow());
    HBRUSH black = CreateSolidBrush(clBlack);
    FrameRect(screen, Bounds(100, 100, 50, 50), black);
    FillRect(screen, {0, 0, 5, 5}, black);  // outside every window: nowhere to keep it
    ReleaseDC(GetDesktopWindow(), screen);
    DeleteObject(black);
    const gfx::Bitmap window = win::CaptureWindow(top);
    EXPECT_EQ(window.GetPixel(0, 0), clBlack);
    EXPECT_EQ(window.GetPixel(49, 25), clBlack);
    EXPECT_EQ(window.GetPixel(1, 1), clRed);
    EXPECT_EQ(win::ComposeDesktop().GetPixel(2, 2), win::kDesktopColor);
}

}  // namespace

namespace {

class ReparentTest : public WinTest {};

TEST_F(ReparentTest, AChildMovedToAnotherParentPaintsThere) {
    HWND a = SolidTop(0, 0, 100, 100, clRed);
    HWND b = SolidTop(200, 0, 100, 100, clGreen);
    HWND child = SolidChild(a, 10, 10, 30, 30, clBlue);
    Headless::ProcessMessages();
    EXPECT_EQ(SetParent(child, b), a);
    EXPECT_EQ(GetParent(child), b);
    const gfx::Bitmap shot = Headless::CaptureDesktop();
    EXPECT_EQ(shot.GetPixel(15, 15), clRed);    // gone from a
    EXPECT_EQ(shot.GetPixel(215, 15), clBlue);  // painted in b
    // Made a top-level window, it keeps its coordinates, now on the screen.
    SetParent(child, nullptr);
    EXPECT_EQ(GetWindowLong(child, GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(GetAncestor(child, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(Headless::CaptureDesktop().GetPixel(15, 15), clBlue);
    EXPECT_EQ(Headless::CaptureDesktop().GetPixel(215, 15), clGreen);
    EXPECT_EQ(SetParent(a, a), nullptr);  // a window cannot hold itself
}

TEST_F(ReparentTest, UpdateWindowPaintsAtOnceAndScrollWindowMovesChildren) {
    HWND form = SolidTop(0, 0, 200, 200, clRed);
    HWND child = SolidChild(form, 10, 50, 30, 30, clBlue);
    Headless::ProcessMessages();
    InvalidateRect(form, nullptr, TRUE);
    log.clear();
    UpdateWindow(form);
    EXPECT_EQ(Count(form, WM_PAINT), 1);
    ScrollWindow(form, 0, -40, nullptr, nullptr);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.TopLeft(), (POINT{10, 10}));
    const gfx::Bitmap shot = Headless::CaptureWindow(form);
    EXPECT_EQ(shot.GetPixel(15, 15), clBlue);
    EXPECT_EQ(shot.GetPixel(15, 75), clRed);
}

TEST_F(PaintTest, ABackendIsToldOnlyWhatWasPainted) {
    HWND top = SolidTop(10, 10, 200, 100, clWhite);
    HWND child = SolidChild(top, 50, 20, 30, 30, clRed);
    Headless::ProcessMessages();
    EXPECT_EQ(win::TakeSurfaceDamage(top).BoundingBox(), (TRect{0, 0, 200, 100}));
    EXPECT_TRUE(win::TakeSurfaceDamage(top).IsEmpty());  // taken once
    InvalidateRect(child, nullptr, FALSE);
    Headless::ProcessMessages();
    EXPECT_EQ(win::TakeSurfaceDamage(top), gfx::Region(TRect{50, 20, 80, 50}));
    RECT part{5, 5, 10, 10};
    InvalidateRect(top, &part, FALSE);
    Headless::ProcessMessages();
    EXPECT_EQ(win::TakeSurfaceDamage(top), gfx::Region(TRect{5, 5, 10, 10}));
}

}  // namespace
