#pragma once
// THintWindow: the small yellow window that shows a control's Hint, and the hint timing:
// a control whose ShowHint is set (or a parent's) shows its hint after the mouse has
// rested on it for HintPause milliseconds; the hint goes when the mouse leaves the control,
// on a click or a key, or after HintHidePause. The window never takes the focus.
#include <string>

#include "platform/vcl/controls/CustomControl.h"

class THintWindow : public TCustomControl {
    QV_DECLARE_CLASS(THintWindow, TCustomControl)

    explicit THintWindow(TComponent* AOwner);

    // The size the hint needs, in a box at most MaxWidth wide, with its margins.
    TRect CalcHintRect(int MaxWidth, const std::string& Hint);
    // Shows Hint in Rect (screen coordinates) on top of everything, without activating.
    void ActivateHint(const TRect& Rect, const std::string& Hint);
    void ReleaseHint();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
};

// The times of the hints, in milliseconds.
inline constexpr unsigned HintPause = 500;
inline constexpr unsigned HintHidePause = 2500;

// The hint to show for a control when it or a parent has ShowHint set (children take their
// parent's, as ParentShowHint does): the part before any "|" of the first Hint that is not
// empty, its own or else a parent's; empty when there is none.
std::string GetHintFor(const TControl* Control);
// The mouse now rests on Control (null: on none of ours): what was shown goes, and the
// control's hint is shown after the pause.
void HintMouseControlChanged(TControl* Control);
// A click or a key: the hint goes and the control does not show it again until the mouse
// moves to another one.
void CancelHint();
// A control that goes away stops being the one whose hint is shown or waited for.
void ForgetHintControl(TControl* Control);
// The hint window while a hint is shown, else null; for tests and the real display's
// checks.
THintWindow* ShownHintWindow();
