// The X11 backend on a real X server, driven as a user drives it: xdotool presses keys and
// buttons through the server, and other X clients copy and paste through the CLIPBOARD
// selection. The window's procedure notes what reaches it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/SysParams.h"
#include "platform/win/Windows.h"

// Xlib's macros (None, Status, KeyPress, ...) come after the platform's own names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Seen>* g_seen = nullptr;

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_MOUSEWHEEL:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (g_seen) g_seen->push_back({message, wParam, lParam});
            break;
        default:
            break;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Runs xdotool with the arguments; it acts through the server of $DISPLAY.
void Xdotool(const std::string& arguments) {
    const int status = std::system(("xdotool " + arguments).c_str());
    ASSERT_EQ(status, 0) << "xdotool " << arguments;
}

std::string KeyName(int vk) {
    return "VK " + std::to_string(vk);
}

class X11Backend : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X server";
        win::SelectBackend("x11");
        WNDCLASS recording;
        recording.lpszClassName = "Recording";
        recording.lpfnWndProc = RecordingProc;
        recording.hbrBackground = clWhite;
        RegisterClass(recording);
        g_seen = &seen;
        hwnd = CreateWindowEx(0, "Recording", "x11 backend test", WS_POPUP | WS_VISIBLE, 100, 100,
                              300, 200, nullptr);
        ASSERT_NE(hwnd, nullptr);
        SetActiveWindow(hwnd);
        SetFocus(hwnd);
        other = XOpenDisplay(nullptr);
        ASSERT_NE(other, nullptr);
        // Keys go where the server's focus is: wait until it is on our window.
        ASSERT_TRUE(WaitUntil([&] { return FocusTitle() == "x11 backend test"; },
                              "the server never gave our window the keyboard"));
    }
    void TearDown() override {
        g_seen = nullptr;
        if (other) XCloseDisplay(other);
        if (hwnd) DestroyWindow(hwnd);
        win::SelectBackend("headless");
    }

    static void Pump() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    // Lets the program run until the condition holds; a condition that never comes fails
    // after ten seconds.
    static bool WaitUntil(const std::function<bool()>& done, const std::string& failure) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (;;) {
            Pump();
            if (done()) return true;
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << failure;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    // The title of the window that has the server's keyboard focus, as another client sees.
    std::string FocusTitle() {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(other, &focus, &revert);
        char* name = nullptr;
        if (focus <= PointerRoot || !XFetchName(other, focus, &name) || !name) return "";
        std::string title = name;
        XFree(name);
        return title;
    }
    // The key-down messages seen, modifiers left out, as virtual-key names.
    std::vector<std::string> KeysDown() const {
        std::vector<std::string> keys;
        for (const Seen& s : seen)
            if ((s.message == WM_KEYDOWN || s.message == WM_SYSKEYDOWN) && s.wParam != VK_SHIFT &&
                s.wParam != VK_CONTROL && s.wParam != VK_MENU && s.wParam != VK_NUMLOCK)
                keys.push_back(KeyName(static_cast<int>(s.wParam)));
        return keys;
    }

    std::vector<Seen> seen;
    HWND hwnd = nullptr;
    Display* other = nullptr;  // another program on the same server
};

}  // namespace

// Every key reaches the window as its own virtual key: the editing and movement keys
// (Page Up is not Page Down), the function keys, and the keypad's keys both as movement
// keys and as digits.
TEST_F(X11Backend, EachKeyArrivesAsItsOwnVirtualKey) {
    struct Key {
        const char* keysym;
        int vk;
    };
    const Key keys[] = {
        {"Prior", VK_PRIOR},
        {"Next", VK_NEXT},
        {"Home", VK_HOME},
        {"End", VK_END},
        {"Left", VK_LEFT},
        {"Up", VK_UP},
        {"Right", VK_RIGHT},
        {"Down", VK_DOWN},
        {"Insert", VK_INSERT},
        {"Delete", VK_DELETE},
        {"Return", VK_RETURN},
        {"Escape", VK_ESCAPE},
        {"Tab", VK_TAB},
        {"BackSpace", VK_BACK},
        {"space", VK_SPACE},
        {"F1", VK_F1},
        {"F5", VK_F1 + 4},
        {"F10", VK_F1 + 9},
        {"F12", VK_F12},
        {"a", 'A'},
        {"q", 'Q'},
        {"z", 'Z'},
        {"0", '0'},
        {"7", '7'},
        {"KP_Home", VK_HOME},
        {"KP_Up", VK_UP},
        {"KP_Prior", VK_PRIOR},
        {"KP_Left", VK_LEFT},
        {"KP_Begin", VK_CLEAR},
        {"KP_Right", VK_RIGHT},
        {"KP_End", VK_END},
        {"KP_Down", VK_DOWN},
        {"KP_Next", VK_NEXT},
        {"KP_Insert", VK_INSERT},
        {"KP_Delete", VK_DELETE},
        {"KP_Enter", VK_RETURN},
        {"KP_Add", VK_ADD},
        {"KP_Subtract", VK_SUBTRACT},
        {"KP_Multiply", VK_MULTIPLY},
        {"KP_Divide", VK_DIVIDE},
        {"KP_7", VK_NUMPAD0 + 7},
        {"KP_8", VK_NUMPAD0 + 8},
        {"KP_9", VK_NUMPAD0 + 9},
        {"KP_4", VK_NUMPAD0 + 4},
        {"KP_5", VK_NUMPAD0 + 5},
        {"KP_6", VK_NUMPAD0 + 6},
        {"KP_1", VK_NUMPAD0 + 1},
        {"KP_2", VK_NUMPAD0 + 2},
        {"KP_3", VK_NUMPAD0 + 3},
        {"KP_0", VK_NUMPAD0},
        {"KP_Decimal", VK_DECIMAL},
    };
    std::string arguments = "key --delay 5";
    std::vector<std::string> expected;
    for (const Key& key : keys) {
        arguments += std::string(" ") + key.keysym;
        expected.push_back(KeyName(key.vk) + " (" + key.keysym + ")");
    }
    Xdotool(arguments);
    WaitUntil([&] { return KeysDown().size() >= expected.size(); }, "keys went missing");
    const std::vector<std::string> got = KeysDown();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(got[i] + " (" + keys[i].keysym + ")", expected[i]);
}

// What is typed arrives as characters, capitals and letters beyond ASCII included.
TEST_F(X11Backend, TypedTextArrivesAsItsCharacters) {
    // xdotool types a letter the keyboard lacks by binding it to a spare key for a moment
    // only, which a program that reads its events a little later may miss; the letter is
    // bound to a spare key for the whole test instead, as a user's layout would have it.
    int first = 0, last = 0, perKey = 0;
    XDisplayKeycodes(other, &first, &last);
    KeySym* map =
        XGetKeyboardMapping(other, static_cast<KeyCode>(first), last - first + 1, &perKey);
    int spare = 0;
    for (int code = last; code >= first && !spare; --code) {
        bool empty = true;
        for (int i = 0; i < perKey; ++i)
            if (map[(code - first) * perKey + i] != NoSymbol) empty = false;
        if (empty) spare = code;
    }
    XFree(map);
    ASSERT_NE(spare, 0) << "no spare key";
    KeySym eacute = XK_eacute;
    XChangeKeyboardMapping(other, spare, 1, &eacute, 1);
    XSync(other, False);
    Xdotool("type --delay 5 'aZ9 ,é'");
    std::u32string typed;
    WaitUntil(
        [&] {
            typed.clear();
            for (const Seen& s : seen)
                if (s.message == WM_CHAR) typed += static_cast<char32_t>(s.wParam);
            return typed.size() >= 6;
        },
        "characters went missing");
    EXPECT_EQ(typed, U"aZ9 ,\u00e9");
    KeySym none = NoSymbol;
    XChangeKeyboardMapping(other, spare, 1, &none, 1);
    XSync(other, False);
}

// The wheel turns one notch per click of buttons 4 and 5, at the pointer; the other
// buttons press their own mouse button where the pointer is; sideways scrolling does
// nothing.
TEST_F(X11Backend, TheWheelAndTheButtonsArriveAsTheirOwnMessages) {
    struct Case {
        int button;
        UINT message;
        int delta;  // the wheel's
    };
    const Case cases[] = {
        {4, WM_MOUSEWHEEL, 120},  {5, WM_MOUSEWHEEL, -120}, {1, WM_LBUTTONDOWN, 0},
        {3, WM_RBUTTONDOWN, 0},   {2, WM_MBUTTONDOWN, 0},   {6, WM_MOUSEWHEEL, 120},
        {7, WM_MOUSEWHEEL, -120},
    };
    Xdotool("mousemove --sync 250 180");
    for (const Case& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button));
        seen.clear();
        // Sideways clicks are followed by a notch up or down: only that notch arrives.
        if (c.button >= 6)
            Xdotool("click " + std::to_string(c.button) + " click " + (c.delta > 0 ? "4" : "5"));
        else
            Xdotool("click " + std::to_string(c.button));
        if (!WaitUntil([&] { return !seen.empty(); }, "nothing arrived")) continue;
        Pump();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].message, c.message);
        if (c.message == WM_MOUSEWHEEL) {
            EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(seen[0].wParam), c.delta);
            EXPECT_EQ(GET_X_LPARAM(seen[0].lParam), 250) << "the screen position";
            EXPECT_EQ(GET_Y_LPARAM(seen[0].lParam), 180);
        } else {
            EXPECT_EQ(GET_X_LPARAM(seen[0].lParam), 150) << "the client position";
            EXPECT_EQ(GET_Y_LPARAM(seen[0].lParam), 80);
        }
    }
}

// Text the program copies is there for another program to paste, as UTF-8 and, for old
// programs, as Latin-1.
TEST_F(X11Backend, CopiedTextIsPastedByAnotherProgram) {
    const Atom clipboard = XInternAtom(other, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(other, "UTF8_STRING", False);
    const Atom into = XInternAtom(other, "QV_PASTED", False);
    const Window window = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 1, 1, 0, 0, 0);
    struct Case {
        const char* text;
        Atom target;
        std::string expected;
    };
    const Case cases[] = {
        {"Quorvane: Grüße, 漢字", utf8, "Quorvane: Grüße, 漢字"},
        {"Grüße", XA_STRING,
         "Gr\xfc\xdf"
         "e"},
        {"second copy", utf8, "second copy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetClipboardText(c.text);
        Pump();
        XConvertSelection(other, clipboard, c.target, into, window, CurrentTime);
        XFlush(other);
        XEvent event{};
        if (!WaitUntil(
                [&] { return XCheckTypedWindowEvent(other, window, SelectionNotify, &event); },
                "no answer to the paste"))
            continue;
        ASSERT_EQ(event.xselection.property, into) << "the copy was refused";
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(other, window, into, 0, 1 << 20, True, AnyPropertyType, &type, &format,
                           &count, &after, &data);
        const std::string pasted(reinterpret_cast<char*>(data), count);
        XFree(data);
        EXPECT_EQ(type, c.target);
        EXPECT_EQ(pasted, c.expected);
    }
    XDestroyWindow(other, window);
}

// Another program that owns the clipboard with some text and hands it out as UTF-8, on a
// connection and a thread of its own, until it is told to stop.
class ClipboardOwner {
public:
    explicit ClipboardOwner(std::string text) : m_text(std::move(text)) {
        m_display = XOpenDisplay(nullptr);
        m_window =
            XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
        m_clipboard = XInternAtom(m_display, "CLIPBOARD", False);
        m_utf8 = XInternAtom(m_display, "UTF8_STRING", False);
        m_targets = XInternAtom(m_display, "TARGETS", False);
        m_stop = XInternAtom(m_display, "QV_STOP", False);
        XSetSelectionOwner(m_display, m_clipboard, m_window, CurrentTime);
        XSync(m_display, False);
        m_owns = XGetSelectionOwner(m_display, m_clipboard) == m_window;
        m_thread = std::thread([this] { Serve(); });
    }
    ~ClipboardOwner() {
        // A message to its own window wakes the thread and ends it.
        Display* waker = XOpenDisplay(nullptr);
        XEvent stop{};
        stop.xclient.type = ClientMessage;
        stop.xclient.window = m_window;
        stop.xclient.message_type = m_stop;
        stop.xclient.format = 32;
        XSendEvent(waker, m_window, False, 0, &stop);
        XFlush(waker);
        m_thread.join();
        XCloseDisplay(waker);
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
    }
    bool Owns() const { return m_owns; }

private:
    void Serve() {
        for (;;) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == m_stop) return;
            if (event.type != SelectionRequest) continue;
            const XSelectionRequestEvent& request = event.xselectionrequest;
            XEvent reply{};
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = request.requestor;
            reply.xselection.selection = request.selection;
            reply.xselection.target = request.target;
            reply.xselection.time = request.time;
            reply.xselection.property = request.property;
            if (request.target == m_utf8) {
                XChangeProperty(m_display, request.requestor, request.property, m_utf8, 8,
                                PropModeReplace,
                                reinterpret_cast<const unsigned char*>(m_text.data()),
                                static_cast<int>(m_text.size()));
            } else if (request.target == m_targets) {
                const Atom offered[] = {m_targets, m_utf8};
                XChangeProperty(m_display, request.requestor, request.property, XA_ATOM, 32,
                                PropModeReplace, reinterpret_cast<const unsigned char*>(offered),
                                2);
            } else {
                reply.xselection.property = None;
            }
            XSendEvent(m_display, request.requestor, False, 0, &reply);
            XFlush(m_display);
        }
    }

    std::string m_text;
    Display* m_display = nullptr;
    Window m_window = 0;
    Atom m_clipboard = 0, m_utf8 = 0, m_targets = 0, m_stop = 0;
    bool m_owns = false;
    std::thread m_thread;
};

// Text another program copies is what the program pastes, also after the program copied
// text of its own before.
TEST_F(X11Backend, TextAnotherProgramCopiedIsPasted) {
    SetClipboardText("ours, copied earlier");
    Pump();
    ClipboardOwner owner("theirs: Größe 3 × 4");
    ASSERT_TRUE(owner.Owns());
    // The program hears that it lost the clipboard and asks the new owner.
    std::string pasted;
    WaitUntil(
        [&] {
            pasted = GetClipboardText();
            return pasted != "ours, copied earlier";
        },
        "the program kept pasting its own old text");
    EXPECT_EQ(pasted, "theirs: Größe 3 × 4");
}
