#include "platform/vcl/actions/BasicAction.h"

#include <algorithm>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"

const TClassInfo& TBasicAction::StaticClassInfo() {
    using C = TBasicAction;
    static const TClassInfo info = TClassBuilder<C>("TBasicAction")
                                       .Event("OnExecute", &C::OnExecute)
                                       .Event("OnUpdate", &C::OnUpdate)
                                       .Build();
    return info;
}

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
    // The clients keep their links, with no action behind them: a client's Action reads
    // nil from now on, and nothing of it calls into this action again.
    while (!m_clients.empty()) UnRegisterChanges(m_clients.back());
    SetActionComponent(nullptr);
}

bool TBasicAction::HandlesTarget(TObject*) {
    return false;
}

void TBasicAction::ExecuteTarget(TObject*) {}

void TBasicAction::UpdateTarget(TObject*) {}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::IdleUpdate() {
    TComponentGuard guard(this);
    try {
        Update();
        if (guard.Exists()) m_updateFailed = false;
    } catch (...) {
        if (!guard.Exists() || m_updateFailed) return;
        m_updateFailed = true;
        if (Application) Application->HandleException(this);
    }
}

void TBasicAction::SetActionComponent(TComponent* Value) {
    if (Value == m_actionComponent) return;
    if (m_actionComponent) m_actionComponent->RemoveFreeNotification(this);
    m_actionComponent = Value;
    if (m_actionComponent) m_actionComponent->FreeNotification(this);
}

void TBasicAction::Change() {
    // A client may drop its action while it is told, so walk a copy.
    const std::vector<TBasicActionLink*> clients = m_clients;
    for (TBasicActionLink* link : clients)
        if (std::find(m_clients.begin(), m_clients.end(), link) != m_clients.end()) link->Change();
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_actionComponent) m_actionComponent = nullptr;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link) {
    Link->m_action = this;
    m_clients.push_back(Link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) {
    auto it = std::find(m_clients.begin(), m_clients.end(), Link);
    if (it == m_clients.end()) return;
    m_clients.erase(it);
    Link->m_action = nullptr;
}

TBasicActionLink::~TBasicActionLink() {
    if (m_action) m_action->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
    if (Value == m_action) return;
    if (m_action) m_action->UnRegisterChanges(this);
    if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
    if (!m_action) return false;
    TBasicAction* action = m_action;
    TComponentGuard guard(action);
    action->SetActionComponent(AComponent);
    bool done = false;
    try {
        done = action->Execute();
    } catch (...) {
        if (guard.Exists()) action->SetActionComponent(nullptr);
        throw;
    }
    if (guard.Exists()) action->SetActionComponent(nullptr);
    return done;
}

bool TBasicActionLink::Update() {
    return m_action && m_action->Update();
}

void TBasicActionLink::Change() {
    if (OnChange) OnChange(m_action);
}
