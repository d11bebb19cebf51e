// Focus and activation, capture, mouse messages and keyboard input.
#include "WinTestFixture.h"

using namespace wintest;
using win::Headless;

namespace {

class InputTest : public WinTest {};

TEST_F(InputTest, FocusAndActivationMessagesComeInOrder) {
    HWND a = TopLevel(0, 0, 100, 100);
    HWND b = TopLevel(200, 0, 100, 100);
    HWND edit = Child(b, 10, 10, 50, 20);
    EXPECT_EQ(GetActiveWindow(), b);
    SetActiveWindow(a);
    EXPECT_EQ(GetFocus(), a);  // the default procedure focuses a window it activates
    log.clear();
    SetFocus(edit);
    std::vector<std::pair<HWND, UINT>> order;
    for (const Received& r : log)
        if (r.message == WM_ACTIVATE || r.message == WM_SETFOCUS || r.message == WM_KILLFOCUS)
            order.push_back({r.hwnd, r.message});
    EXPECT_EQ(order, (std::vector<std::pair<HWND, UINT>>{{a, WM_ACTIVATE},
                                                         {b, WM_ACTIVATE},
                                                         {a, WM_KILLFOCUS},
                                                         {b, WM_SETFOCUS},
                                                         {b, WM_KILLFOCUS},
                                                         {edit, WM_SETFOCUS}}));
    EXPECT_EQ(LOWORD(log[0].wParam), WA_INACTIVE);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetTopWindow(nullptr), b);

    // A click on the other window activates it.
    Headless::Click(50, 50);
    Headless::ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    // Hiding the active window activates the next one; destroying the focus forgets it.
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), b);
    SetFocus(edit);
    DestroyWindow(edit);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(edit), nullptr);  // a stale handle takes no focus
}

TEST_F(InputTest, AReactivatedWindowGetsBackTheFocusItHad) {
    HWND a = TopLevel(0, 0, 100, 100);
    HWND edit = Child(a, 10, 10, 50, 20);
    HWND b = TopLevel(200, 0, 100, 100);
    SetFocus(edit);
    SetActiveWindow(b);
    EXPECT_EQ(GetFocus(), b);
    Headless::Click(5, 90);  // on a, beside its edit
    Headless::ProcessMessages();
    EXPECT_EQ(GetFocus(), edit);
    SetActiveWindow(b);
    DestroyWindow(edit);
    SetActiveWindow(a);
    EXPECT_EQ(GetFocus(), a);
}

TEST_F(InputTest, AMenuWindowThatTakesNoActivationLeavesItsFormActive) {
    HWND form = TopLevel(0, 0, 300, 300);
    HWND menu = CreateWindowEx(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Plain", "menu",
                               WS_POPUP, 50, 50, 100, 100, form);
    ShowWindow(menu, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), form);
    log.clear();
    Headless::Click(60, 60);
    Headless::ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(Count(menu, WM_LBUTTONDOWN), 1);
}

TEST_F(InputTest, DisabledWindowsTakeNeitherFocusNorClicks) {
    HWND form = TopLevel(0, 0, 100, 100);
    HWND button = Child(form, 10, 10, 30, 30);
    EnableWindow(button, FALSE);
    SetFocus(button);
    EXPECT_NE(GetFocus(), button);
    EXPECT_EQ(WindowFromPoint({20, 20}), form);
}

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesAndCaptureRedirectsThem) {
    HWND left = TopLevel(0, 0, 100, 100);
    HWND right = TopLevel(200, 0, 100, 100);
    Headless::ProcessMessages();
    Headless::MouseMove(50, 40);
    Headless::ProcessMessages();
    ASSERT_EQ(Count(left, WM_MOUSEMOVE), 1);
    SetCapture(left);
    log.clear();
    Headless::MouseMove(250, 60);
    Headless::ProcessMessages();
    EXPECT_EQ(Count(right, WM_MOUSEMOVE), 0);
    const Received* move = nullptr;
    for (const Received& r : log)
        if (r.message == WM_MOUSEMOVE) move = &r;
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->hwnd, left);
    EXPECT_EQ(GET_X_LPARAM(move->lParam), 250);
    EXPECT_EQ(GET_Y_LPARAM(move->lParam), 60);

    SetCapture(right);  // the previous holder is told
    EXPECT_EQ(Count(left, WM_CAPTURECHANGED), 1);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    log.clear();
    Headless::MouseMove(20, 30);
    Headless::ProcessMessages();
    EXPECT_EQ(Count(left, WM_MOUSEMOVE), 1);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor, (POINT{20, 30}));
    // Leaving a window is announced to it.
    Headless::MouseMove(250, 30);
    Headless::ProcessMessages();
    EXPECT_EQ(Count(left, WM_MOUSELEAVE), 1);
    EXPECT_EQ(Count(right, WM_MOUSEMOVE), 1);
    // So is leaving onto another program's window, except to a window holding the capture.
    SetCapture(right);
    Headless::MouseLeave();
    Headless::ProcessMessages();
    EXPECT_EQ(Count(right, WM_MOUSELEAVE), 0);
    ReleaseCapture();
    Headless::MouseLeave();
    Headless::ProcessMessages();
    EXPECT_EQ(Count(right, WM_MOUSELEAVE), 1);
}

TEST_F(InputTest, ButtonsWheelAndDoubleClicks) {
    HWND hwnd = TopLevel(0, 0, 100, 100);  // its class asks for double-clicks
    HWND child = Child(hwnd, 50, 50, 40, 40);
    Headless::ProcessMessages();
    log.clear();
    Headless::Click(10, 10);
    Headless::Click(11, 10);
    Headless::Click(12, 10);
    Headless::ProcessMessages();
    EXPECT_EQ(MessagesOf(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                 WM_LBUTTONDOWN, WM_LBUTTONUP}));
    Headless::Click(10, 10, 1);
    Headless::AdvanceTime(600);
    Headless::Click(10, 10, 1);  // too late for a double-click
    Headless::ProcessMessages();
    EXPECT_EQ(Count(hwnd, WM_RBUTTONDOWN), 2);

    // The wheel goes to the focus and climbs to the parent when the child ignores it.
    SetFocus(child);
    log.clear();
    Headless::Wheel(-WHEEL_DELTA);
    Headless::ProcessMessages();
    EXPECT_EQ(MessagesOf(child, {WM_MOUSEWHEEL}).size(), 1u);
    ASSERT_EQ(MessagesOf(hwnd, {WM_MOUSEWHEEL}).size(), 1u);
    for (const Received& r : log) {
        if (r.message == WM_MOUSEWHEEL) {
            EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(r.wParam), -WHEEL_DELTA);
        }
    }
}

TEST_F(InputTest, KeysGoToTheFocusWithCharactersAndModifierState) {
    HWND form = TopLevel(0, 0, 100, 100);
    HWND edit = Child(form, 10, 10, 50, 20);
    SetFocus(edit);
    log.clear();
    Headless::TypeText("aB");
    Headless::KeyDown(VK_CONTROL);
    Headless::ProcessMessages();
    EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    Headless::KeyUp(VK_CONTROL);
    Headless::KeyDown(VK_MENU);
    Headless::KeyPress('X', 'x');
    Headless::KeyPress(VK_SPACE, ' ');
    Headless::KeyUp(VK_MENU);
    Headless::ProcessMessages();
    EXPECT_FALSE(GetKeyState(VK_MENU) & 0x8000);

    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const Received& r : log)
        if (r.hwnd == edit && r.message >= WM_KEYFIRST && r.message <= WM_KEYLAST)
            keys.push_back({r.message, r.wParam});
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_KEYDOWN, 'A'},      {WM_CHAR, 'a'},           {WM_KEYUP, 'A'},
        {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'B'},        {WM_CHAR, 'B'},
        {WM_KEYUP, 'B'},        {WM_KEYUP, VK_SHIFT},     {WM_KEYDOWN, VK_CONTROL},
        {WM_KEYUP, VK_CONTROL}, {WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'X'},
        {WM_SYSCHAR, 'x'},      {WM_SYSKEYUP, 'X'},       {WM_SYSKEYDOWN, VK_SPACE},
        {WM_SYSCHAR, ' '},      {WM_SYSKEYUP, VK_SPACE},  {WM_SYSKEYUP, VK_MENU},
    };
    EXPECT_EQ(keys, expected);
}

TEST_F(InputTest, TypedTextArrivesAsCharactersWithTheirKeys) {
    HWND form = TopLevel(0, 0, 100, 100);
    log.clear();
    Headless::TypeText("A-1.\u00e9");
    Headless::ProcessMessages();
    std::u32string chars;
    std::vector<WPARAM> keys;
    for (const Received& r : log) {
        if (r.hwnd != form) continue;
        if (r.message == WM_CHAR) chars += static_cast<char32_t>(r.wParam);
        if (r.message == WM_KEYDOWN) keys.push_back(r.wParam);
    }
    EXPECT_EQ(chars, U"A-1.\u00e9");
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_SHIFT, 'A', VK_OEM_MINUS, '1', VK_OEM_PERIOD}));
}

TEST_F(InputTest, ARightClickOrTheMenuKeyAsksTheParentsForAContextMenu) {
    HWND form = TopLevel(100, 100, 200, 200);
    HWND child = Child(form, 10, 10, 50, 50);
    SetFocus(child);
    log.clear();
    Headless::Click(120, 130, 1);
    Headless::KeyPress(VK_APPS);
    Headless::ProcessMessages();
    std::vector<std::pair<HWND, LPARAM>> asked;
    for (const Received& r : log)
        if (r.message == WM_CONTEXTMENU) asked.push_back({r.hwnd, r.lParam});
    const std::vector<std::pair<HWND, LPARAM>> expected = {
        {child, MAKELPARAM(120, 130)},
        {form, MAKELPARAM(120, 130)},  // unanswered: the parent
        {child, MAKELPARAM(-1, -1)},
        {form, MAKELPARAM(-1, -1)},
    };
    EXPECT_EQ(asked, expected);
}

TEST_F(InputTest, WithoutAFocusKeysGoToTheActiveWindow) {
    HWND form = TopLevel(0, 0, 100, 100);
    SetFocus(nullptr);
    log.clear();
    Headless::KeyPress(VK_RETURN, '\r');
    Headless::ProcessMessages();
    EXPECT_EQ(MessagesOf(form, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
              (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST_F(InputTest, AltF4ClosesTheTopLevelWindowWhereverTheFocusIs) {
    for (bool inChild : {false, true}) {
        HWND form = TopLevel(0, 0, 100, 100);
        HWND child = Child(form, 10, 10, 50, 20);
        SetFocus(inChild ? child : form);
        log.clear();
        Headless::KeyDown(VK_MENU);
        Headless::KeyPress(VK_F4);
        Headless::KeyUp(VK_MENU);
        Headless::ProcessMessages();
        EXPECT_EQ(Count(form, WM_CLOSE), 1) << inChild;
        EXPECT_EQ(Count(child, WM_CLOSE), 0) << inChild;
        DestroyWindow(form);
    }
}

TEST_F(InputTest, TheHandCursorReachesTheBackend) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(driver->CursorShape(), IDC_HAND);
}

}  // namespace

namespace {

class ModalTest : public WinTest {};

TEST_F(ModalTest, AFormBehindItsModalDialogGetsNoMouseInputAndStaysBelowIt) {
    HWND form = TopLevel(0, 0, 300, 300);
    HWND dialog = CreateWindowEx(0, "Plain", "dialog", WS_POPUP, 50, 50, 100, 100, form);
    EnableWindow(form, FALSE);
    ShowWindow(dialog, SW_SHOW);
    Headless::ProcessMessages();
    log.clear();
    Headless::Click(10, 10);
    Headless::ProcessMessages();
    EXPECT_EQ(Count(form, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(GetActiveWindow(), dialog);
    // Raising the owner raises the dialog with it, above.
    EnableWindow(form, TRUE);
    BringWindowToTop(form);
    EXPECT_EQ(GetTopWindow(nullptr), dialog);
    EXPECT_EQ(GetWindow(dialog, GW_HWNDNEXT), form);
}

TEST_F(ModalTest, ModifierKeysOfEitherSideArriveAsTheGenericKey) {
    HWND form = TopLevel(0, 0, 100, 100);
    log.clear();
    Headless::KeyDown(VK_RSHIFT);
    Headless::KeyDown(VK_LCONTROL);
    Headless::ProcessMessages();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_TRUE(GetKeyState(VK_RSHIFT) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_LSHIFT) & 0x8000);
    EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
    std::vector<WPARAM> keys;
    for (const Received& r : log)
        if (r.hwnd == form && r.message == WM_KEYDOWN) keys.push_back(r.wParam);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_SHIFT, VK_CONTROL}));
    Headless::KeyUp(VK_RSHIFT);
    Headless::KeyUp(VK_LCONTROL);
    Headless::ProcessMessages();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000);
}

}  // namespace
