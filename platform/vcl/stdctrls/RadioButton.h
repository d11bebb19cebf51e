#pragma once
// TRadioButton: a round mark with its caption, in the classic look. Checking one unchecks
// the other radio buttons of the same parent.
#include "platform/vcl/stdctrls/ButtonControl.h"

class TRadioButton : public TButtonControl {
    QV_DECLARE_CLASS(TRadioButton, TButtonControl)

    explicit TRadioButton(TComponent* AOwner);

    bool GetChecked() const override { return m_checked; }
    // Checking calls OnClick (except while a description is read) and unchecks siblings.
    void SetChecked(bool Value) override;

protected:
    void Toggle() override;
    void Paint() override;

private:
    bool m_checked = false;
};
