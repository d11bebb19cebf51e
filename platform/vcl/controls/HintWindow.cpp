#include "platform/vcl/controls/HintWindow.h"

#include <algorithm>

#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/win/Input.h"
#include "platform/win/Timer.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kMargin = 2;
// The hint stands below the pointer, clear of the cursor picture.
constexpr int kBelowPointer = 20;
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;

// Hint timing. One hint at a time for the whole program, as there is one pointer.
struct HintState {
    THintWindow* window = nullptr;
    TControl* control = nullptr;  // the control the mouse rests on
    bool cancelled = false;       // clicked: no hint until the mouse moves on
    bool shown = false;
};

// Never freed, like the application object: windows may still ask for it while the
// program's statics are destroyed.
HintState& State() {
    static auto* state = new HintState;
    return *state;
}

THintWindow& Window() {
    HintState& s = State();
    if (!s.window) s.window = new THintWindow(nullptr);
    return *s.window;
}

void KillTimers() {
    HintState& s = State();
    if (!s.window || !s.window->HandleAllocated()) return;
    KillTimer(s.window->Handle(), kShowTimer);
    KillTimer(s.window->Handle(), kHideTimer);
}

void HideHint() {
    HintState& s = State();
    KillTimers();
    if (s.shown && s.window) s.window->ReleaseHint();
    s.shown = false;
}

void ShowHintNow() {
    HintState& s = State();
    KillTimers();
    if (!s.control || s.cancelled || !s.control->Showing()) return;
    const std::string hint = GetHintFor(s.control);
    if (hint.empty()) return;
    THintWindow& window = Window();
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    TRect r = window.CalcHintRect(work.Width() / 2, hint);
    r = r.Offset(cursor.x, cursor.y + kBelowPointer);
    // Kept on the display: moved left or above the pointer where it would leave it.
    if (r.right > work.right) r = r.Offset(work.right - r.right, 0);
    if (r.left < work.left) r = r.Offset(work.left - r.left, 0);
    if (r.bottom > work.bottom) r = r.Offset(0, cursor.y - 2 - r.bottom);
    window.ActivateHint(r, hint);
    s.shown = true;
    SetTimer(window.Handle(), kHideTimer, HintHidePause);
}

}  // namespace

const TClassInfo& THintWindow::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<THintWindow>("THintWindow").Build();
    return info;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clInfoBk);
    GetFont()->SetColor(clInfoText);
    SetVisible(false);
    WindowProc = [this](TMessage& m) {
        if (m.Msg == WM_TIMER) {
            if (m.WParam == kShowTimer)
                ShowHintNow();
            else
                HideHint();
            return;
        }
        WndProc(m);
    };
}

void THintWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    Params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint) {
    TCanvas& canvas = *GetCanvas();
    canvas.SetFont(GetFont());
    TRect text{0, 0, std::max(MaxWidth - 2 * (kMargin + 2), 1), 0};
    canvas.DrawText(Hint, text, gfx::DT_CALCRECT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
    return {0, 0, text.right + 2 * (kMargin + 2), text.bottom + 2 * (kMargin + 1)};
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& Hint) {
    SetCaption(Hint);
    SetWindowPos(Handle(), HWND_TOPMOST, Rect.left, Rect.top, Rect.Width(), Rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void THintWindow::ReleaseHint() {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
    TCanvas& canvas = *GetCanvas();
    const TRect client = ClientRect();
    canvas.GetBrush()->SetStyle(bsSolid);
    canvas.GetBrush()->SetColor(GetColor());
    canvas.FillRect(client);
    canvas.GetBrush()->SetColor(clBlack);
    canvas.FrameRect(client);
    canvas.SetFont(GetFont());
    canvas.GetBrush()->SetStyle(bsClear);
    TRect text = client.Inflate(-(kMargin + 2), -(kMargin + 1));
    canvas.DrawText(GetCaption(), text, gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
}

std::string GetHintFor(const TControl* Control) {
    bool show = false;
    for (const TControl* c = Control; c && !show; c = c->GetParent()) show = c->GetShowHint();
    if (!show) return {};
    for (const TControl* c = Control; c; c = c->GetParent()) {
        const std::string& hint = c->GetHint();
        if (!hint.empty()) return hint.substr(0, hint.find('|'));
    }
    return {};
}

void HintMouseControlChanged(TControl* Control) {
    HintState& s = State();
    if (s.window && Control == s.window) return;
    if (Control == s.control) return;
    HideHint();
    s.control = Control;
    s.cancelled = false;
    if (!Control || GetHintFor(Control).empty()) return;
    SetTimer(Window().Handle(), kShowTimer, HintPause);
}

void CancelHint() {
    HintState& s = State();
    HideHint();
    if (s.control) s.cancelled = true;
}

THintWindow* ShownHintWindow() {
    HintState& s = State();
    return s.shown ? s.window : nullptr;
}

void ForgetHintControl(TControl* Control) {
    HintState& s = State();
    if (s.control != Control) return;
    HideHint();
    s.control = nullptr;
}
