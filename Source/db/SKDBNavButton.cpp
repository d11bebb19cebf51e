// TskNavButton: a navigator's button, with its focus mark and its repeat while held.
#include "Source/db/SKDBNavigator.h"

#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Canvas.h"

namespace {

// The first step of a held button comes after a pause, the following ones faster.
constexpr unsigned kInitRepeatPause = 400;
constexpr unsigned kRepeatPause = 100;

}  // namespace

const TClassInfo& TskNavButton::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskNavButton>("TskNavButton").Build();
    return info;
}

TskNavButton::TskNavButton(TComponent* AOwner) : TskButton(AOwner) {
    SetTabStop(false);
    // The navigator repeats its own way; the push button's notification is not wanted.
    SetMouseContinuouslyDownInterval(0);
}

TskNavButton::~TskNavButton() = default;

bool TskNavButton::NavRepeating() const {
    return m_repeatTimer && m_repeatTimer->GetEnabled();
}

void TskNavButton::Paint() {
    TskButton::Paint();
    auto* navigator = dynamic_cast<TskDBNavigator*>(GetParent());
    if (!navigator || !navigator->Focused() || navigator->FocusedButton() != m_index) return;
    TRect r = GetClientRect().Inflate(-3, -3);
    if (Pressed()) r = r.Offset(1, 1);
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(r);
}

void TskNavButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TskButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !(m_navStyle & nsAllowTimer)) return;
    if (!m_repeatTimer) {
        m_repeatTimer = std::make_unique<TTimer>(nullptr);
        m_repeatTimer->SetEnabled(false);
        m_repeatTimer->OnTimer = [this](TObject* Sender) { TimerExpired(Sender); };
    }
    m_repeatTimer->SetEnabled(false);
    m_repeatTimer->SetInterval(kInitRepeatPause);
    m_repeatTimer->SetEnabled(true);
}

void TskNavButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    StopRepeat();
    TskButton::MouseUp(Button, Shift, X, Y);
}

void TskNavButton::StopRepeat() {
    if (m_repeatTimer) m_repeatTimer->SetEnabled(false);
}

void TskNavButton::TimerExpired(TObject*) {
    m_repeatTimer->SetInterval(kRepeatPause);
    // Only while the mouse still holds the button down: dragged off, it steps no more.
    if (!Pressed() || !MouseCapture()) return;
    auto* navigator = dynamic_cast<TskDBNavigator*>(GetParent());
    if (!navigator) return;
    try {
        navigator->BtnClick(m_index);
    } catch (...) {
        StopRepeat();
        throw;
    }
}
