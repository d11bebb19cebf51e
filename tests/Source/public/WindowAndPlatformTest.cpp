#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "tests/Source/public/PictureFixtures.h"

// Shaping a window from a picture, the edge-inclusive point test and the platform queries.
namespace {

using namespace public_test;

class HeadlessDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        win::Headless::Install();
        WNDCLASS plain;
        plain.lpszClassName = "SkinPublicPlain";
        plain.lpfnWndProc = DefWindowProc;
        RegisterClass(plain);
    }
    void TearDown() override { win::Headless::Install(); }

    std::vector<TRect> WindowRegion(HWND hwnd) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(hwnd, region);
        std::vector<TRect> rects = RegionFromHandle(region)->Rects();
        DeleteObject(region);
        return rects;
    }
};

TEST_F(HeadlessDesktop, SetBitmapWindowShapesTheWindowByRuns) {
    // '#' is a shown pixel, '.' the transparent colour.
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<TRect> region;
    };
    const Case cases[] = {
        {"runs end at a key pixel", {"##..#.", "......"}, {{0, 0, 2, 1}, {4, 0, 5, 1}}},
        {"the last column never joins a run", {"######", ".....#"}, {{0, 0, 5, 1}}},
        {"rows are shaped one by one", {".##...", "..##.."}, {{1, 0, 3, 1}, {2, 1, 4, 2}}},
        {"a fully transparent picture", {"......", "......"}, {}},
    };
    HWND hwnd = CreateWindowEx(0, "SkinPublicPlain", "shaped", WS_POPUP | WS_VISIBLE, 10, 10, 6, 2,
                               nullptr);
    ASSERT_NE(hwnd, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap picture(6, 2);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 6; ++x)
                picture.Image().SetPixel(x, y, c.rows[y][x] == '#' ? 0x123456 : kMagenta);
        }
        SetBitmapWindow(hwnd, &picture, kMagenta);
        EXPECT_EQ(WindowRegion(hwnd), c.region);
    }
}

TEST_F(HeadlessDesktop, TheWorkAreaLeavesOutTheTaskBar) {
    EXPECT_EQ(GetWorkAreaRect(), (TRect{0, 0, 1024, 738}));
}

TEST(InRect, TheRightAndBottomEdgesAreInside) {
    struct Case {
        int x;
        int y;
        bool inside;
    };
    const TRect rect{0, 0, 10, 10};
    const Case cases[] = {
        {10, 10, true},  {0, 0, true},    {5, 10, true},  {10, 5, true},
        {11, 10, false}, {10, 11, false}, {-1, 5, false}, {5, -1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InRect(c.x, c.y, rect), c.inside) << c.x << ", " << c.y;
        EXPECT_EQ(InRect(TPoint{c.x, c.y}, rect), c.inside) << c.x << ", " << c.y;
    }
}

TEST(PlatformQueries, TextAndSystemFlags) {
    EXPECT_EQ(PCharToStr(nullptr), "");
    EXPECT_EQ(PCharToStr(""), "");
    EXPECT_EQ(PCharToStr("SkinLib"), "SkinLib");
    EXPECT_FALSE(IsWin95());
    EXPECT_TRUE(IsWinXP());
}

}  // namespace
