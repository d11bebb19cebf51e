// The X11 backend seen from a second connection to the same server, as a window manager or
// another program sees it: what the desktop is told about our windows, the bell, where the
// pointer is after it left, and the PRIMARY selection.
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/win/Backend.h"
#include "platform/win/Windows.h"

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using Clock = std::chrono::steady_clock;

class X11DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::SelectBackend("x11");
        observer = XOpenDisplay(nullptr);
        ASSERT_NE(observer, nullptr) << "no X server";
        root = DefaultRootWindow(observer);
    }
    void TearDown() override {
        if (observer) XCloseDisplay(observer);
        win::SelectBackend("headless");
    }

    // Runs the program's loop without waiting for input until `done` holds, for two seconds
    // at most.
    static bool PumpUntil(const std::function<bool()>& done) {
        const auto deadline = Clock::now() + std::chrono::seconds(2);
        while (Clock::now() < deadline) {
            Application->ProcessMessages();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return done();
    }

    Atom Intern(const char* name) const { return XInternAtom(observer, name, False); }

    std::vector<Atom> Atoms(::Window window, const char* property) const {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<Atom> atoms;
        if (XGetWindowProperty(observer, window, Intern(property), 0, 64, False, XA_ATOM, &type,
                               &format, &count, &after, &data) == Success &&
            data && format == 32) {
            const auto* values = reinterpret_cast<const long*>(data);
            for (unsigned long i = 0; i < count; ++i) atoms.push_back(static_cast<Atom>(values[i]));
        }
        if (data) XFree(data);
        return atoms;
    }

    // The program's mapped top-level windows whose kind is `type`, or whose title is `title`.
    std::vector<::Window> OurWindows(const char* type, const std::string& title = {}) const {
        ::Window rootReturn = 0, parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        std::vector<::Window> found;
        XSync(observer, False);
        if (!XQueryTree(observer, root, &rootReturn, &parent, &children, &count)) return found;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(observer, children[i], &attributes)) continue;
            if (type) {
                const std::vector<Atom> kinds = Atoms(children[i], "_NET_WM_WINDOW_TYPE");
                if (attributes.map_state != IsViewable || kinds.empty() || kinds[0] != Intern(type))
                    continue;
            }
            if (!title.empty()) {
                char* name = nullptr;
                const bool same = XFetchName(observer, children[i], &name) && name && title == name;
                if (name) XFree(name);
                if (!same) continue;
            }
            found.push_back(children[i]);
        }
        if (children) XFree(children);
        return found;
    }
    ::Window Titled(const std::string& title) const {
        const std::vector<::Window> windows = OurWindows(nullptr, title);
        return windows.empty() ? 0 : windows.front();
    }

    static TForm* MakeForm(const std::string& caption, TFormBorderStyle style, TRect bounds) {
        auto* form = new TForm(nullptr);
        form->SetBorderStyle(style);
        form->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        form->SetCaption(caption);
        return form;
    }

    Display* observer = nullptr;
    ::Window root = 0;
};

struct SizeHints {
    bool fixed = false;
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
};

SizeHints ReadSizeHints(Display* display, ::Window window) {
    XSizeHints hints{};
    long supplied = 0;
    SizeHints result;
    if (!XGetWMNormalHints(display, window, &hints, &supplied)) return result;
    result.fixed = (hints.flags & PMinSize) && (hints.flags & PMaxSize);
    result.minWidth = hints.min_width;
    result.minHeight = hints.min_height;
    result.maxWidth = hints.max_width;
    result.maxHeight = hints.max_height;
    return result;
}

}  // namespace

// A window manager may resize a window only when the window says it can be resized: a form
// without a sizing border gives equal minimum and maximum sizes, and keeps them equal to the
// size the program gives it later.
TEST_F(X11DesktopTest, FixedSizeFormsTellTheDesktopTheirOnlySize) {
    const struct {
        const char* title;
        TFormBorderStyle style;
        bool fixed;
    } cases[] = {
        {"dialog border", bsDialog, true},
        {"single border", bsSingle, true},
        {"sizing border", bsSizeable, false},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TForm> form(MakeForm(c.title, c.style, Bounds(100, 100, 300, 200)));
        form->Show();
        ASSERT_TRUE(PumpUntil([&] { return Titled(c.title) != 0; })) << c.title;
        const SizeHints shown = ReadSizeHints(observer, Titled(c.title));
        EXPECT_EQ(shown.fixed, c.fixed) << c.title;
        if (c.fixed) {
            EXPECT_EQ(shown.minWidth, 300) << c.title;
            EXPECT_EQ(shown.maxWidth, 300) << c.title;
            EXPECT_EQ(shown.minHeight, 200) << c.title;
            EXPECT_EQ(shown.maxHeight, 200) << c.title;
        }
        form->SetBounds(100, 100, 320, 210);
        const ::Window window = Titled(c.title);
        PumpUntil([&] {
            XWindowAttributes attributes;
            return XGetWindowAttributes(observer, window, &attributes) && attributes.width == 320;
        });
        const SizeHints resized = ReadSizeHints(observer, window);
        EXPECT_EQ(resized.fixed, c.fixed) << c.title;
        if (c.fixed) {
            EXPECT_EQ(resized.maxWidth, 320) << c.title << ": the hints kept the old size";
        }
    }
}

// A modal form belongs to the window it was opened from while it is up (the desktop keeps it
// above that window and out of its task list), and to nobody after.
TEST_F(X11DesktopTest, AModalFormBelongsToTheWindowItWasOpenedFrom) {
    std::unique_ptr<TForm> main(MakeForm("owner window", bsSingle, Bounds(100, 100, 400, 300)));
    std::unique_ptr<TForm> dialog(MakeForm("modal dialog", bsDialog, Bounds(150, 150, 200, 100)));
    main->Show();
    ASSERT_TRUE(PumpUntil([&] { return Titled("owner window") != 0; }));
    ASSERT_EQ(GetActiveWindow(), main->Handle());

    ::Window transientFor = 0;
    std::vector<Atom> kind;
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        const ::Window shown = Titled("modal dialog");
        if (!shown && ++ticks < 100) return;
        XGetTransientForHint(observer, shown, &transientFor);
        kind = Atoms(shown, "_NET_WM_WINDOW_TYPE");
        timer.SetEnabled(false);
        dialog->SetModalResult(mrOk);
    };
    timer.SetEnabled(true);
    EXPECT_EQ(dialog->ShowModal(), mrOk);

    EXPECT_EQ(transientFor, Titled("owner window"));
    ASSERT_FALSE(kind.empty());
    EXPECT_EQ(kind[0], Intern("_NET_WM_WINDOW_TYPE_DIALOG"));
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), nullptr) << "the owner outlived the loop";
    ::Window after = 0;
    EXPECT_FALSE(XGetTransientForHint(observer, Titled("modal dialog"), &after) && after);
}

// A menu is a window of its own that the window manager must not manage: it bypasses it, and
// when the keyboard is handed to it all the same, its owner stays the active window.
TEST_F(X11DesktopTest, APopupMenuLeavesActivationWithItsOwner) {
    std::unique_ptr<TForm> form(MakeForm("menu owner", bsSingle, Bounds(100, 100, 400, 300)));
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return Titled("menu owner") != 0; }));
    const HWND active = GetActiveWindow();
    ASSERT_EQ(active, form->Handle());

    TPopupMenu menu(form.get());
    auto* item = new TMenuItem(&menu);
    item->SetCaption("Item");
    menu.GetItems()->Add(item);

    std::vector<::Window> menus;
    bool bypasses = false;
    HWND activeWhileOpen = nullptr, activeAfterFocus = nullptr;
    int tick = 0;
    TTimer timer(nullptr);
    timer.SetInterval(30);
    timer.OnTimer = [&](TObject*) {
        ++tick;
        if (menus.empty()) {
            menus = OurWindows("_NET_WM_WINDOW_TYPE_POPUP_MENU");
            if (menus.empty() && tick < 60) return;
            if (!menus.empty()) {
                XWindowAttributes attributes;
                bypasses = XGetWindowAttributes(observer, menus.front(), &attributes) &&
                           attributes.override_redirect;
                activeWhileOpen = GetActiveWindow();
                // What a window manager does when it hands the keyboard to a window.
                XSetInputFocus(observer, menus.front(), RevertToParent, CurrentTime);
                XSync(observer, False);
                return;
            }
        } else {
            activeAfterFocus = GetActiveWindow();
        }
        timer.SetEnabled(false);
        if (GetCapture()) SendMessage(GetCapture(), WM_CANCELMODE, 0, 0);
    };
    timer.SetEnabled(true);
    menu.Popup(150, 150);

    ASSERT_EQ(menus.size(), 1u) << "the menu never showed";
    EXPECT_TRUE(bypasses) << "the window manager manages the menu";
    EXPECT_EQ(activeWhileOpen, active);
    EXPECT_EQ(activeAfterFocus, active) << "the menu took the activation from its owner";
}

// MessageBeep rings the server's bell, naming the sound so that a desktop with sounds of its
// own plays the matching one.
TEST_F(X11DesktopTest, MessageBeepRingsTheBellWithTheSoundsName) {
    int xkbEvent = 0, xkbError = 0, major = XkbMajorVersion, minor = XkbMinorVersion, opcode = 0;
    ASSERT_TRUE(XkbQueryExtension(observer, &opcode, &xkbEvent, &xkbError, &major, &minor));
    XkbSelectEvents(observer, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(observer, False);
    const struct {
        UINT type;
        const char* sound;
    } cases[] = {{0, "bell"},
                 {MB_ICONERROR, "dialog-error"},
                 {MB_ICONEXCLAMATION, "dialog-warning"},
                 {MB_ICONINFORMATION, "dialog-information"}};
    for (const auto& c : cases) {
        MessageBeep(c.type);
        std::string heard;
        const auto deadline = Clock::now() + std::chrono::seconds(2);
        while (heard.empty() && Clock::now() < deadline) {
            if (!XPending(observer)) {
                pollfd fd{ConnectionNumber(observer), POLLIN, 0};
                poll(&fd, 1, 50);
                continue;
            }
            XEvent event;
            XNextEvent(observer, &event);
            if (event.type != xkbEvent) continue;
            const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
            if (xkb.any.xkb_type != XkbBellNotify) continue;
            char* name = xkb.bell.name ? XGetAtomName(observer, xkb.bell.name) : nullptr;
            heard = name ? name : "(no name)";
            if (name) XFree(name);
        }
        EXPECT_EQ(heard, c.sound) << "MessageBeep(" << c.type << ")";
    }
}

// Once the pointer has left the program's windows, asking where it is gives where it went,
// not the last point inside (a hover drawn from it would stay lit).
TEST_F(X11DesktopTest, ThePointerIsWhereItWentAfterLeavingOurWindows) {
    std::unique_ptr<TForm> form(MakeForm("pointer", bsNone, Bounds(100, 100, 300, 200)));
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return Titled("pointer") != 0; }));
    const auto cursorAt = [](int x, int y) {
        return [x, y] {
            POINT p{};
            GetCursorPos(&p);
            return p.x == x && p.y == y;
        };
    };
    XWarpPointer(observer, 0, root, 0, 0, 0, 0, 250, 150);
    XSync(observer, False);
    ASSERT_TRUE(PumpUntil(cursorAt(250, 150))) << "the pointer never reached the window";
    XWarpPointer(observer, 0, root, 0, 0, 0, 0, 700, 600);
    XSync(observer, False);
    EXPECT_TRUE(PumpUntil(cursorAt(700, 600))) << "the pointer stayed inside after it left";
}

// The PRIMARY selection both ways: what the program offers another program reads, and what
// another program offers the program reads.
TEST_F(X11DesktopTest, ThePrimarySelectionGoesBothWays) {
    ASSERT_TRUE(SetPrimarySelectionText("offered by us \xC3\xA9"));
    const ::Window requestor = XCreateSimpleWindow(observer, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom utf8 = Intern("UTF8_STRING"), property = Intern("QV_TEST_PASTE");
    XConvertSelection(observer, XA_PRIMARY, utf8, property, requestor, CurrentTime);
    XSync(observer, False);
    XEvent answer{};
    ASSERT_TRUE(PumpUntil([&] {
        return XCheckTypedWindowEvent(observer, requestor, SelectionNotify, &answer) != 0;
    })) << "the program never answered for PRIMARY";
    ASSERT_EQ(answer.xselection.property, property);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(observer, requestor, property, 0, 1024, True, AnyPropertyType, &type,
                       &format, &count, &after, &data);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), count), "offered by us \xC3\xA9");
    XFree(data);

    // Another program takes PRIMARY and answers from a thread of its own, as it would from
    // its own process while this one waits.
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    const ::Window owner = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(other, XA_PRIMARY, owner, CurrentTime);
    XSync(other, False);
    std::atomic<bool> stop{false};
    std::thread answering([&] {
        const Atom otherUtf8 = XInternAtom(other, "UTF8_STRING", False);
        while (!stop) {
            if (!XPending(other)) {
                pollfd fd{ConnectionNumber(other), POLLIN, 0};
                poll(&fd, 1, 20);
                continue;
            }
            XEvent event;
            XNextEvent(other, &event);
            if (event.type != SelectionRequest) continue;
            const XSelectionRequestEvent& request = event.xselectionrequest;
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.requestor = request.requestor;
            reply.selection = request.selection;
            reply.target = request.target;
            reply.time = request.time;
            reply.property = None;
            if (request.target == otherUtf8) {
                const std::string text = "offered by them";
                XChangeProperty(other, request.requestor, request.property, otherUtf8, 8,
                                PropModeReplace, reinterpret_cast<const unsigned char*>(text.data()),
                                static_cast<int>(text.size()));
                reply.property = request.property;
            }
            XSendEvent(other, request.requestor, False, NoEventMask,
                       reinterpret_cast<XEvent*>(&reply));
            XFlush(other);
        }
    });
    const std::string pasted = GetPrimarySelectionText();
    stop = true;
    answering.join();
    XCloseDisplay(other);
    EXPECT_EQ(pasted, "offered by them");
}
