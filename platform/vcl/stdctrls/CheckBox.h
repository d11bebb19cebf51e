#pragma once
// TCheckBox: a box that is checked, unchecked or (with AllowGrayed) grayed, with its caption
// beside it, in the classic look. Clicking or the space bar toggles it and calls OnClick.
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/stdctrls/ButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
// The value names of TCheckBoxState, for State properties.
const TEnumInfo& CheckBoxStateInfo();

class TCustomCheckBox : public TButtonControl {
    QV_DECLARE_CLASS(TCustomCheckBox, TButtonControl)

    explicit TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}

    bool GetAllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool Value) { m_allowGrayed = Value; }
    bool GetChecked() const override { return m_state == cbChecked; }
    void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState GetState() const { return m_state; }
    // Changing the state calls OnClick, except while a description is read.
    virtual void SetState(TCheckBoxState Value);

protected:
    void Toggle() override;
    void Paint() override;

private:
    bool m_allowGrayed = false;
    TCheckBoxState m_state = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
    QV_DECLARE_CLASS(TCheckBox, TCustomCheckBox)

    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};
