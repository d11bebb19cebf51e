#include "platform/win/Driver.h"

#include <chrono>
#include <stdexcept>
#include <thread>

namespace win {

TRect Driver::WorkArea() const {
    TRect screen = ScreenRect();
    screen.bottom -= 30;  // room for a task bar
    return screen;
}

DWORD Driver::TickCount() const {
    using namespace std::chrono;
    return static_cast<DWORD>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Driver::WaitInput(std::optional<DWORD> deadline, const std::string& waitingFor) {
    if (!deadline)
        throw std::runtime_error(std::string("the message loop waits for ") + waitingFor +
                                 ", but the " + Name() + " backend has no input to give");
    const DWORD now = TickCount();
    if (static_cast<std::int32_t>(*deadline - now) > 0) Sleep(*deadline - now);
}

void Driver::Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void Driver::Animate(HWND, DWORD milliseconds, DWORD) {
    Sleep(milliseconds);
}

}  // namespace win
