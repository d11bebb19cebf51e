#include "platform/vcl/actions/ActionList.h"

#include <algorithm>

#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo StateInfo{"TActionListState", {"asNormal", "asSuspended", "asSuspendedEnabled"}};

}  // namespace

const TClassInfo& TActionList::StaticClassInfo() {
    using C = TActionList;
    static const TClassInfo info =
        TClassBuilder<C>("TActionList")
            .Reference("Images", &C::GetImages, &C::SetImages)
            .Enum("State", StateInfo, &C::GetState, &C::SetState, asNormal)
            .Event("OnChange", &C::OnChange)
            .Event("OnExecute", &C::OnExecute)
            .Event("OnUpdate", &C::OnUpdate)
            .Build();
    return info;
}

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) {}

TActionList::~TActionList() {
    if (m_images) m_images->RemoveFreeNotification(this);
    // The actions stay with their owner; they only leave the list.
    while (!m_actions.empty()) RemoveAction(m_actions.back());
}

int TActionList::IndexOf(const TContainedAction* Action) const {
    auto it = std::find(m_actions.begin(), m_actions.end(), Action);
    return it == m_actions.end() ? -1 : static_cast<int>(it - m_actions.begin());
}

void TActionList::AddAction(TContainedAction* Action) {
    if (!Action || Action->m_actionList == this) return;
    if (Action->m_actionList) Action->m_actionList->RemoveAction(Action);
    m_actions.push_back(Action);
    Action->m_actionList = this;
    Action->FreeNotification(this);
}

void TActionList::RemoveAction(TContainedAction* Action) {
    auto it = std::find(m_actions.begin(), m_actions.end(), Action);
    if (it == m_actions.end()) return;
    m_actions.erase(it);
    Action->m_actionList = nullptr;
    Action->RemoveFreeNotification(this);
}

void TActionList::SetImages(TImageList* Value) {
    if (Value == m_images) return;
    if (m_images) m_images->RemoveFreeNotification(this);
    m_images = Value;
    if (m_images) m_images->FreeNotification(this);
    Change();
}

void TActionList::SetState(TActionListState Value) {
    if (Value == m_state) return;
    m_state = Value;
    if (m_state != asSuspendedEnabled) return;
    for (TContainedAction* action : std::vector<TContainedAction*>(m_actions))
        if (auto* custom = dynamic_cast<TCustomAction*>(action)) custom->SetEnabled(true);
}

bool TActionList::ExecuteAction(TBasicAction* Action) {
    bool handled = false;
    if (OnExecute) OnExecute(Action, handled);
    return handled;
}

bool TActionList::UpdateAction(TBasicAction* Action) {
    bool handled = false;
    if (OnUpdate) OnUpdate(Action, handled);
    return handled;
}

TShortCut ShortCutFromMessage(const TMessage& Message) {
    TShiftState shift = KeyboardShiftState();
    if (Message.LParam & (1 << 29)) shift |= ssAlt;
    return ShortCut(static_cast<WORD>(Message.WParam), shift);
}

bool TActionList::IsShortCut(const TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN && Message.Msg != WM_SYSKEYDOWN) return false;
    const TShortCut pressed = ShortCutFromMessage(Message);
    if (pressed == scNone) return false;
    for (TContainedAction* action : std::vector<TContainedAction*>(m_actions)) {
        auto* custom = dynamic_cast<TCustomAction*>(action);
        if (!custom || custom->GetShortCut() != pressed) continue;
        return custom->HandleShortCut();
    }
    return false;
}

void TActionList::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TContainedAction* action : m_actions)
        if (action->Owner() == Root) Proc(action);
}

void TActionList::Change() {
    TComponentGuard guard(this);
    if (OnChange) OnChange(this);
    if (!guard.Exists()) return;
    for (TContainedAction* action : std::vector<TContainedAction*>(m_actions))
        if (IndexOf(action) >= 0) action->Change();
}

void TActionList::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_images) {
        m_images = nullptr;
        Change();
    }
    if (auto* action = dynamic_cast<TContainedAction*>(AComponent)) RemoveAction(action);
}
