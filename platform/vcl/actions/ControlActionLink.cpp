#include "platform/vcl/actions/ControlActionLink.h"

#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/stdctrls/ButtonControl.h"

TCustomAction* TActionLink::CustomAction() const {
    return dynamic_cast<TCustomAction*>(GetAction());
}

bool TControlActionLink::IsCaptionLinked() const {
    return TActionLink::IsCaptionLinked() && m_client->GetCaption() == CustomAction()->GetCaption();
}

bool TControlActionLink::IsEnabledLinked() const {
    return TActionLink::IsEnabledLinked() && m_client->GetEnabled() == CustomAction()->GetEnabled();
}

bool TControlActionLink::IsHintLinked() const {
    return TActionLink::IsHintLinked() && m_client->GetHint() == CustomAction()->GetHint();
}

bool TControlActionLink::IsVisibleLinked() const {
    return TActionLink::IsVisibleLinked() && m_client->GetVisible() == CustomAction()->GetVisible();
}

void TControlActionLink::SetCaption(const std::string& Value) {
    if (IsCaptionLinked()) m_client->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) m_client->SetEnabled(Value);
}

void TControlActionLink::SetHint(const std::string& Value) {
    if (IsHintLinked()) m_client->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) m_client->SetVisible(Value);
}

TButtonActionLink::TButtonActionLink(TButtonControl* AClient)
    : TWinControlActionLink(AClient), m_button(AClient) {}

bool TButtonActionLink::IsCheckedLinked() const {
    return TActionLink::IsCheckedLinked() && m_button->GetChecked() == CustomAction()->GetChecked();
}

void TButtonActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) m_button->SetCheckedQuietly(Value);
}
