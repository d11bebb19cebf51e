#include "platform/win/backend/HeadlessDriver.h"

#include <stdexcept>

#include "platform/gfx/Font.h"
#include "platform/win/DescriptorWatch.h"
#include "platform/win/Message.h"
#include "platform/win/Screen.h"
#include "platform/win/Timer.h"
#include "platform/win/WindowManager.h"

namespace win {

// How long a headless loop with nothing else to do waits for a watched descriptor.
constexpr int kDescriptorWaitMs = 5000;

void HeadlessDriver::WaitInput(std::optional<DWORD> deadline, const std::string& waitingFor) {
    if (!m_idleActions.empty()) {
        const std::function<void()> action = std::move(m_idleActions.front());
        m_idleActions.pop_front();
        m_idle = 0;
        action();
        return;
    }
    if (!m_scheduled.empty()) {
        const auto first = m_scheduled.begin();
        if (!deadline || static_cast<std::int32_t>(first->first - *deadline) <= 0) {
            if (static_cast<std::int32_t>(first->first - m_now) > 0) m_now = first->first;
            const std::function<void()> action = std::move(first->second);
            m_scheduled.erase(first);
            m_idle = 0;
            action();
            return;
        }
    }
    // A watched descriptor is the world outside the test: when nothing else can happen it
    // is waited for in real time; a timer due in virtual time does not wait for it.
    if (AnyDescriptorWatched() && DispatchWatchedDescriptors(deadline ? 0 : kDescriptorWaitMs))
        return;
    if (!deadline)
        throw std::runtime_error("headless message loop stuck: it waits for " + waitingFor +
                                 ", but no input is queued and no timer can fire");
    const DWORD step = static_cast<std::int32_t>(*deadline - m_now) > 0 ? *deadline - m_now : 0;
    if (m_idle + step > m_idleLimit)
        throw std::runtime_error("headless message loop stuck: it waits for " + waitingFor +
                                 ", but only timers fired for " + std::to_string(m_idle) +
                                 " ms of virtual time");
    m_idle += step;
    m_now += step;
}

void HeadlessDriver::After(DWORD milliseconds, std::function<void()> action) {
    m_scheduled.emplace(m_now + milliseconds, std::move(action));
}

void HeadlessDriver::Animate(HWND hwnd, DWORD milliseconds, DWORD flags) {
    m_animations.push_back({hwnd, milliseconds, flags});
    m_now += milliseconds;
}

bool HeadlessDriver::OpenUrl(const std::string& url) {
    m_urls.push_back(url);
    return true;
}

HeadlessDriver& Headless::Install() {
    auto driver = std::make_unique<HeadlessDriver>();
    HeadlessDriver& ref = *driver;
    WindowManager::Reset(std::move(driver));
    return ref;
}

HeadlessDriver& Headless::Driver() {
    auto* driver = dynamic_cast<HeadlessDriver*>(&WM().GetDriver());
    if (!driver) throw std::logic_error("the headless backend is not installed");
    return *driver;
}

void Headless::ProcessMessages() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    Driver().m_idle = 0;
}

void Headless::AdvanceTime(DWORD milliseconds) {
    HeadlessDriver& driver = Driver();
    const DWORD end = driver.m_now + milliseconds;
    ProcessMessages();
    while (true) {
        DWORD next = end;
        for (const TimerEntry& t : WM().timers)
            if (static_cast<std::int32_t>(t.due - next) < 0) next = t.due;
        if (static_cast<std::int32_t>(next - driver.m_now) > 0) driver.m_now = next;
        ProcessMessages();
        if (static_cast<std::int32_t>(driver.m_now - end) >= 0) break;
    }
}

namespace {

InputEvent Event(InputEvent::Kind kind, TPoint where = {}) {
    InputEvent event;
    event.kind = kind;
    event.screen = where;
    return event;
}

void Queue(InputEvent event) {
    WM().Input().push_back(event);
    Headless::Driver();  // input only makes sense on the headless desktop
}

// The last position the pointer was sent to, so presses happen where it is.
TPoint& Pointer() {
    return Headless::Driver().m_pointer;
}

}  // namespace

void Headless::MouseMove(int x, int y) {
    Pointer() = {x, y};
    Queue(Event(InputEvent::Kind::MouseMove, {x, y}));
}

void Headless::MouseDown(int button) {
    InputEvent e = Event(InputEvent::Kind::MouseDown, Pointer());
    e.button = button;
    Queue(e);
}

void Headless::MouseUp(int button) {
    InputEvent e = Event(InputEvent::Kind::MouseUp, Pointer());
    e.button = button;
    Queue(e);
}

void Headless::Click(int x, int y, int button) {
    MouseMove(x, y);
    MouseDown(button);
    MouseUp(button);
}

void Headless::Wheel(int delta) {
    InputEvent e = Event(InputEvent::Kind::Wheel, Pointer());
    e.wheelDelta = delta;
    Queue(e);
}

void Headless::MouseLeave() {
    // No other program shares this desktop: the pointer goes off it.
    Pointer() = {-1, -1};
    Queue(Event(InputEvent::Kind::MouseLeave, Pointer()));
}

void Headless::KeyDown(int vk) {
    InputEvent e = Event(InputEvent::Kind::KeyDown);
    e.vk = vk;
    Queue(e);
}

void Headless::KeyUp(int vk) {
    InputEvent e = Event(InputEvent::Kind::KeyUp);
    e.vk = vk;
    Queue(e);
}

void Headless::KeyPress(int vk, char32_t ch) {
    KeyDown(vk);
    if (ch) {
        InputEvent e = Event(InputEvent::Kind::Char);
        e.ch = ch;
        Queue(e);
    }
    KeyUp(vk);
}

namespace {

// The key that types a character on a US keyboard, and whether Shift is held for it.
// Characters no key types arrive as WM_CHAR alone, as an input method would send them.
std::pair<int, bool> KeyFor(char32_t ch) {
    if (ch >= 'a' && ch <= 'z') return {static_cast<int>(ch - 'a' + 'A'), false};
    if (ch >= 'A' && ch <= 'Z') return {static_cast<int>(ch), true};
    if (ch >= '0' && ch <= '9') return {static_cast<int>(ch), false};
    static const struct {
        char32_t ch;
        int vk;
        bool shift;
    } keys[] = {
        {U' ', VK_SPACE, false},
        {U'\r', VK_RETURN, false},
        {U'\n', VK_RETURN, false},
        {U'\t', VK_TAB, false},
        {U'-', VK_OEM_MINUS, false},
        {U'_', VK_OEM_MINUS, true},
        {U'=', VK_OEM_PLUS, false},
        {U'+', VK_OEM_PLUS, true},
        {U',', VK_OEM_COMMA, false},
        {U'<', VK_OEM_COMMA, true},
        {U'.', VK_OEM_PERIOD, false},
        {U'>', VK_OEM_PERIOD, true},
        {U'/', VK_OEM_2, false},
        {U'?', VK_OEM_2, true},
        {U';', VK_OEM_1, false},
        {U':', VK_OEM_1, true},
        {U'\'', VK_OEM_7, false},
        {U'"', VK_OEM_7, true},
        {U'!', '1', true},
        {U'@', '2', true},
        {U'#', '3', true},
        {U'$', '4', true},
        {U'%', '5', true},
        {U'&', '7', true},
        {U'*', '8', true},
        {U'(', '9', true},
        {U')', '0', true},
    };
    for (const auto& k : keys)
        if (k.ch == ch) return {k.vk, k.shift};
    return {0, false};
}

}  // namespace

void Headless::TypeText(const std::string& utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t ch = gfx::DecodeUtf8(utf8, pos);
        const char32_t typed = ch == U'\n' ? U'\r' : ch;
        const auto [vk, shift] = KeyFor(ch);
        if (!vk) {
            InputEvent e = Event(InputEvent::Kind::Char);
            e.ch = typed;
            Queue(e);
            continue;
        }
        if (shift) KeyDown(VK_SHIFT);
        KeyPress(vk, typed);
        if (shift) KeyUp(VK_SHIFT);
    }
}

gfx::Bitmap Headless::CaptureDesktop() {
    ProcessMessages();
    return ComposeDesktop();
}

gfx::Bitmap Headless::CaptureWindow(HWND hwnd) {
    ProcessMessages();
    return win::CaptureWindow(hwnd);
}

}  // namespace win
