#pragma once
// TButtonControl: what check boxes and radio buttons share: a mark beside a caption
// (Alignment says on which side the caption is), pressed while the mouse or the space bar
// holds it, and toggled when released over it.
#include "platform/vcl/controls/CustomControl.h"

class TButtonControl : public TCustomControl {
    QV_DECLARE_CLASS(TButtonControl, TCustomControl)

    explicit TButtonControl(TComponent* AOwner);

    TAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    virtual bool GetChecked() const = 0;
    virtual void SetChecked(bool Value) = 0;
    // Sets the state without clicking, as when an action's check reaches the control.
    void SetCheckedQuietly(bool Value);

protected:
    // What a click does to the state: a check box steps on, a radio button checks itself.
    virtual void Toggle() = 0;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void CMDialogChar(TMessage& Message) override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

    // The square of Size pixels the mark takes, and the caption's place beside it.
    TRect MarkRect(int Size) const;
    TRect CaptionRect(int Size) const;
    void PaintCaption(int MarkSize);
    bool Pressed() const { return m_pressed; }
    // True while a description is read, when setting the state must not click.
    bool ClicksDisabled() const { return m_clicksDisabled || (ComponentState() & csLoading); }

private:
    void SetPressed(bool Value);
    void Activate();

    TAlignment m_alignment = taRightJustify;
    bool m_pressed = false;
    bool m_tracking = false;
    bool m_clicksDisabled = false;
};
