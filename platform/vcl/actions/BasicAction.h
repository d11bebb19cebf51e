#pragma once
// TBasicAction: a command that controls, menu items and tool buttons share, and
// TBasicActionLink, one client's tie to it. An action knows its links, so a freed action
// leaves its clients with no action; a freed client's link takes itself off the action.
#include <vector>

#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"

class TBasicAction;
class TBasicActionLink;

// Offered an action to run or update; Handled stops the search for a handler.
using TActionEvent = TEvent<void(TBasicAction* Action, bool& Handled)>;

class TBasicAction : public TComponent {
    QV_DECLARE_CLASS(TBasicAction, TComponent)

    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // Targets: a control or data source that an action may act on without a handler of
    // its own (the focused edit for a cut, a data source for a move to the next record).
    virtual bool HandlesTarget(TObject* Target);
    virtual void ExecuteTarget(TObject* Target);
    virtual void UpdateTarget(TObject* Target);

    // Runs OnExecute; false when there is none to run.
    virtual bool Execute();
    // Runs OnUpdate; false when there is none to run.
    virtual bool Update();
    // Update for the idle loop: an exception goes to the application once, not at every
    // idle pass, and never leaves the loop.
    void IdleUpdate();

    // The component that asked for the action to run, while it runs.
    TComponent* GetActionComponent() const { return m_actionComponent; }
    void SetActionComponent(TComponent* Value);

    int ClientCount() const { return static_cast<int>(m_clients.size()); }
    TBasicActionLink* Clients(int Index) const { return m_clients.at(Index); }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

protected:
    // Tells every client that a property changed.
    virtual void Change();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TBasicActionLink;
    void RegisterChanges(TBasicActionLink* Link);
    void UnRegisterChanges(TBasicActionLink* Link);

    std::vector<TBasicActionLink*> m_clients;
    TComponent* m_actionComponent = nullptr;
    bool m_updateFailed = false;
};

class TBasicActionLink : public TObject {
public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;

    TBasicAction* GetAction() const { return m_action; }
    virtual void SetAction(TBasicAction* Value);
    // Runs the action on behalf of AComponent.
    virtual bool Execute(TComponent* AComponent = nullptr);
    virtual bool Update();

    // Told, with the action as sender, whenever the action changes.
    TNotifyEvent OnChange;

protected:
    friend class TBasicAction;
    virtual void Change();

    TBasicAction* m_action = nullptr;
};
