#pragma once
// The link of a tool button: a control's properties, and the action's check as the
// button's Down and its image as the button's ImageIndex.
#include "platform/vcl/actions/ControlActionLink.h"

class TToolButton;

class TToolButtonActionLink : public TControlActionLink {
public:
    explicit TToolButtonActionLink(TToolButton* AClient);

    bool IsCheckedLinked() const override;
    bool IsImageIndexLinked() const override;
    void SetChecked(bool Value) override;
    void SetImageIndex(int Value) override;

private:
    TToolButton* m_button;
};
