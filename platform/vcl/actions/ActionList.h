#pragma once
// TActionList: the actions of a form, with the image list their ImageIndex counts in. It
// sees every action of it run (OnExecute) and update (OnUpdate) first, can suspend them all
// (State), and runs the action whose short cut a key of its form presses.
#include <vector>

#include "platform/vcl/actions/BasicAction.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/menus/ShortCut.h"

class TContainedAction;
class TImageList;

enum TActionListState { asNormal, asSuspended, asSuspendedEnabled };

class TActionList : public TComponent {
    QV_DECLARE_CLASS(TActionList, TComponent)

    explicit TActionList(TComponent* AOwner);
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(m_actions.size()); }
    TContainedAction* Actions(int Index) const { return m_actions.at(Index); }
    int IndexOf(const TContainedAction* Action) const;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);

    TImageList* GetImages() const { return m_images; }
    void SetImages(TImageList* Value);
    TActionListState GetState() const { return m_state; }
    // asSuspendedEnabled also enables every action, as a list switched off for a while
    // must not leave its clients greyed.
    void SetState(TActionListState Value);

    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);
    // Runs the enabled action whose ShortCut the key message (WM_KEYDOWN or WM_SYSKEYDOWN)
    // presses; false when none did.
    bool IsShortCut(const TMessage& Message);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    TActionEvent OnExecute;
    TActionEvent OnUpdate;
    TNotifyEvent OnChange;

protected:
    // OnChange, then every action tells its clients (the images they show may differ).
    virtual void Change();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TContainedAction*> m_actions;
    TImageList* m_images = nullptr;
    TActionListState m_state = asNormal;
};

// The short cut a key message presses, with the shift keys held now.
TShortCut ShortCutFromMessage(const TMessage& Message);
