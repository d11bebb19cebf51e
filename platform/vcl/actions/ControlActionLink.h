#pragma once
// The links of controls: every control takes Caption, Enabled, Hint and Visible from its
// action; a windowed control's link is the same; a check box's or radio button's link
// also passes Checked on.
#include "platform/vcl/actions/ActionLink.h"

class TButtonControl;
class TControl;

class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* AClient) : m_client(AClient) {}

    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    void SetCaption(const std::string& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetVisible(bool Value) override;

protected:
    TControl* m_client;
};

class TWinControlActionLink : public TControlActionLink {
public:
    using TControlActionLink::TControlActionLink;
};

class TButtonActionLink : public TWinControlActionLink {
public:
    explicit TButtonActionLink(TButtonControl* AClient);

    bool IsCheckedLinked() const override;
    void SetChecked(bool Value) override;

private:
    TButtonControl* m_button;
};
