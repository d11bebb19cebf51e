#include "platform/vcl/controls/Timer.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

namespace {

constexpr const char* kTimerWindowClass = "QvTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

const TClassInfo& TTimer::StaticClassInfo() {
    using C = TTimer;
    static const TClassInfo info = TClassBuilder<C>("TTimer")
                                       .Boolean("Enabled", &C::GetEnabled, &C::SetEnabled, true)
                                       .Integer("Interval", &C::GetInterval, &C::SetInterval, 1000)
                                       .Event("OnTimer", &C::OnTimer)
                                       .Build();
    return info;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    WNDCLASS existing;
    if (!GetClassInfo(kTimerWindowClass, &existing)) {
        WNDCLASS wc;
        wc.lpszClassName = kTimerWindowClass;
        wc.lpfnWndProc = WindowProcedure;
        RegisterClass(wc);
    }
    m_window = CreateWindowEx(0, kTimerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    if (!m_window) throw EInvalidOperation("Not enough timers available");
    SetWindowLong(m_window, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
    if (IsWindow(m_window)) {
        KillTimer(m_window, kTimerId);
        SetWindowLong(m_window, GWL_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

LRESULT TTimer::WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        if (auto* timer = reinterpret_cast<TTimer*>(GetWindowLong(hwnd, GWL_USERDATA)))
            timer->Timer();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void TTimer::UpdateTimer() {
    if (!IsWindow(m_window)) return;
    KillTimer(m_window, kTimerId);
    if (m_enabled && m_interval > 0 && !(ComponentState() & (csLoading | csDesigning)))
        if (!SetTimer(m_window, kTimerId, m_interval))
            throw EInvalidOperation("Not enough timers available");
}

void TTimer::SetEnabled(bool Value) {
    if (Value == m_enabled) return;
    m_enabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
    if (Value == m_interval) return;
    m_interval = Value;
    UpdateTimer();
}

void TTimer::Loaded() {
    inherited::Loaded();
    SetComponentStateFlag(csLoading, false);
    UpdateTimer();
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}
