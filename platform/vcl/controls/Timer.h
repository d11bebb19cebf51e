#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled, through a message timer
// of a hidden window, so on the user-interface thread's message loop.
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/win/WinDefs.h"

class TTimer : public TComponent {
    QV_DECLARE_CLASS(TTimer, TComponent)

    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    unsigned GetInterval() const { return m_interval; }
    void SetInterval(unsigned Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();
    void Loaded() override;

private:
    static LRESULT WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateTimer();

    bool m_enabled = true;
    unsigned m_interval = 1000;
    HWND m_window = nullptr;
};
