#include "platform/vcl/actions/ToolButtonActionLink.h"

#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/comctrls/ToolButton.h"

TToolButtonActionLink::TToolButtonActionLink(TToolButton* AClient)
    : TControlActionLink(AClient), m_button(AClient) {}

bool TToolButtonActionLink::IsCheckedLinked() const {
    return TActionLink::IsCheckedLinked() && m_button->GetDown() == CustomAction()->GetChecked();
}

bool TToolButtonActionLink::IsImageIndexLinked() const {
    return TActionLink::IsImageIndexLinked() &&
           m_button->GetImageIndex() == CustomAction()->GetImageIndex();
}

void TToolButtonActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) m_button->SetDown(Value);
}

void TToolButtonActionLink::SetImageIndex(int Value) {
    if (IsImageIndexLinked()) m_button->SetImageIndex(Value);
}
