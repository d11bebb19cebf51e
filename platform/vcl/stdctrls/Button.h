#pragma once
// TButton: a push button in the classic look. A click sets the form's ModalResult to the
// button's; Default buttons answer Return and Cancel buttons Escape; the accelerator in the
// caption clicks the button even while it is hidden, as long as it is enabled.
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/core/ClassInfo.h"

// The names a form description may give a ModalResult by (mrOk, mrCancel, ...).
const TIdentMap& ModalResultIdents();

class TButton : public TCustomControl {
    QV_DECLARE_CLASS(TButton, TCustomControl)

    explicit TButton(TComponent* AOwner);

    bool GetDefault() const { return m_default; }
    void SetDefault(bool Value);
    bool GetCancel() const { return m_cancel; }
    void SetCancel(bool Value) { m_cancel = Value; }
    TModalResult GetModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult Value) { m_modalResult = Value; }
    // Pressed, as the mouse or the space bar holds it down.
    bool Down() const { return m_down; }

    void Click() override;

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void CMDialogChar(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;

private:
    void SetDown(bool Value);

    bool m_default = false;
    bool m_cancel = false;
    bool m_active = false;  // the button Return presses: the focused one, else the default
    TModalResult m_modalResult = mrNone;
    bool m_down = false;
    bool m_tracking = false;
};
