// System parameters, AnimateWindow, MessageBeep, the shell and the clipboard.
#include "WinTestFixture.h"

using namespace wintest;
using win::Headless;

namespace {

class SysParamsTest : public WinTest {};

TEST_F(SysParamsTest, TheWorkAreaLeavesATaskBarAndTheMenuFontIsTahoma) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (RECT{0, 0, 1024, 738}));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    NONCLIENTMETRICS metrics;
    metrics.cbSize = 340;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
    EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, "Tahoma");
    EXPECT_EQ(metrics.lfMenuFont.lfHeight, -11);
    metrics.cbSize = 12;
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 12, &metrics, 0));
    EXPECT_FALSE(SystemParametersInfo(0xFFFF, 0, &work, 0));
}

TEST_F(SysParamsTest, AnimateWindowShowsAndHidesOverItsTime) {
    HWND popup = TopLevel(800, 600, 181, 116, WS_POPUP);
    const DWORD start = GetTickCount();
    EXPECT_TRUE(AnimateWindow(popup, 400, AW_SLIDE | AW_VER_NEGATIVE));
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_NE(GetActiveWindow(), popup);  // sliding in does not activate
    EXPECT_EQ(GetTickCount(), start + 400);
    EXPECT_FALSE(AnimateWindow(popup, 400, AW_SLIDE | AW_VER_NEGATIVE));  // already shown
    EXPECT_TRUE(AnimateWindow(popup, 400, AW_SLIDE | AW_HIDE | AW_VER_POSITIVE));
    EXPECT_FALSE(IsWindowVisible(popup));
    ASSERT_EQ(driver->Animations().size(), 2u);
    EXPECT_EQ(driver->Animations()[0].flags, 0x40008u);
    EXPECT_EQ(driver->Animations()[1].flags, 0x50004u);
}

TEST_F(SysParamsTest, BeepShellAndClipboardGoToTheBackend) {
    MessageBeep(0);
    EXPECT_EQ(driver->Beeps(), (std::vector<UINT>{0}));
    EXPECT_GT(ShellExecute(nullptr, "open", "http://www.example.com/", nullptr, nullptr, SW_SHOW),
              32);
    EXPECT_LE(ShellExecute(nullptr, "print", "x", nullptr, nullptr, SW_SHOW), 32);
    EXPECT_LE(ShellExecute(nullptr, "open", "", nullptr, nullptr, SW_SHOW), 32);
    EXPECT_EQ(driver->OpenedUrls(), (std::vector<std::string>{"http://www.example.com/"}));
    SetClipboardText("CRTDUPOBJ");
    EXPECT_EQ(GetClipboardText(), "CRTDUPOBJ");
    EXPECT_EQ(GetTempPath().back(), '/');
}

}  // namespace
