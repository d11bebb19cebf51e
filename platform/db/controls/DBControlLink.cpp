#include "platform/db/controls/DBControlLink.h"

#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Messages.h"

TDBControlLink::TDBControlLink(TWinControl* Control)
    : m_control(Control), m_link(std::make_unique<TFieldDataLink>()) {
    m_link->SetControl(Control);
    m_link->SetVisualControl(true);
}

TDBControlLink::~TDBControlLink() {
    m_link->SetDataSource(nullptr);
}

void TDBControlLink::SetDataSource(TDataSource* Value) {
    if (TDataSource* old = m_link->GetDataSource()) m_control->RemoveFreeNotification(old);
    m_link->SetDataSource(Value);
    if (Value) m_control->FreeNotification(Value);
}

void TDBControlLink::Removed(TComponent* AComponent) {
    if (AComponent && AComponent == m_link->GetDataSource()) m_link->SetDataSource(nullptr);
}

void TDBControlLink::UpdateRecordOnExit() {
    try {
        m_link->UpdateRecord();
    } catch (...) {
        // The user's text stays in the control and the record stays in edit: back to it.
        if (m_control->CanFocus()) m_control->SetFocus();
        throw;
    }
}

bool TDBControlLink::AnswerDataLink(TMessage& Message) {
    if (Message.Msg != CM_GETDATALINK) return false;
    Message.Result = reinterpret_cast<LRESULT>(m_link.get());
    return true;
}
