#include "platform/vcl/actions/CustomAction.h"

#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/ActionLink.h"
#include "platform/vcl/actions/ActionTargets.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TContainedAction::StaticClassInfo() {
    using C = TContainedAction;
    static const TClassInfo info = TClassBuilder<C>("TContainedAction")
                                       .String("Category", &C::GetCategory, &C::SetCategory)
                                       .Stored([](C& c) { return !c.GetCategory().empty(); })
                                       .Build();
    return info;
}

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() {
    if (m_actionList) m_actionList->RemoveAction(this);
}

void TContainedAction::SetActionList(TActionList* Value) {
    if (Value == m_actionList) return;
    if (m_actionList) m_actionList->RemoveAction(this);
    if (Value) Value->AddAction(this);
}

int TContainedAction::GetIndex() const {
    return m_actionList ? m_actionList->IndexOf(this) : -1;
}

bool TContainedAction::Suspended() const {
    return m_actionList && m_actionList->GetState() != asNormal;
}

TComponent* TContainedAction::GetParentComponent() const {
    return m_actionList;
}

void TContainedAction::SetParentComponent(TComponent* Value) {
    auto* list = dynamic_cast<TActionList*>(Value);
    if (Value && !list)
        throw EInvalidOperation("expected an action list to hold " + GetName() + ", found a " +
                                Value->ClassName());
    SetActionList(list);
}

bool TContainedAction::Execute() {
    if (Suspended()) return false;
    TComponentGuard guard(this);
    if (m_actionList && m_actionList->ExecuteAction(this)) return true;
    if (!guard.Exists()) return true;
    if (Application && Application->ExecuteAction(this)) return true;
    if (!guard.Exists()) return true;
    return TBasicAction::Execute() || ExecuteOnTargets();
}

bool TContainedAction::Update() {
    if (Suspended()) return false;
    if (m_actionList && m_actionList->UpdateAction(this)) return true;
    if (Application && Application->UpdateAction(this)) return true;
    return TBasicAction::Update() || UpdateOnTargets();
}

bool TContainedAction::ExecuteOnTargets() {
    return DispatchActionToTargets(this, false);
}

bool TContainedAction::UpdateOnTargets() {
    return DispatchActionToTargets(this, true);
}

const TClassInfo& TCustomAction::StaticClassInfo() {
    using C = TCustomAction;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomAction")
            .Boolean("AutoCheck", &C::GetAutoCheck, &C::SetAutoCheck, false)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Stored([](C& c) { return !c.GetCaption().empty(); })
            .Boolean("Checked", &C::GetChecked, &C::SetChecked, false)
            .Boolean("Enabled", &C::GetEnabled, &C::SetEnabled, true)
            .Integer("GroupIndex", &C::GetGroupIndex, &C::SetGroupIndex, 0)
            .String("Hint", &C::GetHint, &C::SetHint)
            .Stored([](C& c) { return !c.GetHint().empty(); })
            .Integer("ImageIndex", &C::GetImageIndex, &C::SetImageIndex, -1)
            .Integer("ShortCut", &C::GetShortCut, &C::SetShortCut, 0)
            .Boolean("Visible", &C::GetVisible, &C::SetVisible, true)
            .Publish("OnExecute")
            .Publish("OnUpdate")
            .Build();
    return info;
}

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

// Hands the new value to every link while the clients still show the old one, so that each
// link can tell a client that follows the action from one given a value of its own.
template <class V, class Apply>
void TCustomAction::Broadcast(V& field, const V& value, Apply apply) {
    if (field == value) return;
    for (int i = 0; i < ClientCount(); ++i)
        if (auto* link = dynamic_cast<TActionLink*>(Clients(i))) apply(*link);
    field = value;
    Change();
}

void TCustomAction::SetCaption(const std::string& Value) {
    Broadcast(m_caption, Value, [&](TActionLink& l) { l.SetCaption(Value); });
}

void TCustomAction::SetChecked(bool Value) {
    if (m_checking || Value == m_checked) return;
    m_checking = true;
    try {
        Broadcast(m_checked, Value, [&](TActionLink& l) { l.SetChecked(Value); });
        if (Value && m_groupIndex > 0 && GetActionList())
            for (int i = 0; i < GetActionList()->ActionCount(); ++i) {
                auto* other = dynamic_cast<TCustomAction*>(GetActionList()->Actions(i));
                if (other && other != this && other->m_groupIndex == m_groupIndex)
                    other->SetChecked(false);
            }
    } catch (...) {
        m_checking = false;
        throw;
    }
    m_checking = false;
}

void TCustomAction::SetEnabled(bool Value) {
    // A list suspended with its actions enabled keeps them so.
    if (GetActionList() && GetActionList()->GetState() == asSuspendedEnabled) Value = true;
    Broadcast(m_enabled, Value, [&](TActionLink& l) { l.SetEnabled(Value); });
}

void TCustomAction::SetHint(const std::string& Value) {
    Broadcast(m_hint, Value, [&](TActionLink& l) { l.SetHint(Value); });
}

void TCustomAction::SetImageIndex(int Value) {
    Broadcast(m_imageIndex, Value, [&](TActionLink& l) { l.SetImageIndex(Value); });
}

void TCustomAction::SetShortCut(TShortCut Value) {
    Broadcast(m_shortCut, Value, [&](TActionLink& l) { l.SetShortCut(Value); });
}

void TCustomAction::SetVisible(bool Value) {
    Broadcast(m_visible, Value, [&](TActionLink& l) { l.SetVisible(Value); });
}

void TCustomAction::SetGroupIndex(int Value) {
    Broadcast(m_groupIndex, Value, [&](TActionLink& l) { l.SetGroupIndex(Value); });
}

void TCustomAction::SetAutoCheck(bool Value) {
    Broadcast(m_autoCheck, Value, [&](TActionLink& l) { l.SetAutoCheck(Value); });
}

bool TCustomAction::Execute() {
    if (Suspended()) return false;
    TComponentGuard guard(this);
    Update();
    if (!guard.Exists() || !m_enabled) return false;
    // A checked action of a group stays checked: another of the group unchecks it.
    if (m_autoCheck && (!m_checked || m_groupIndex == 0)) SetChecked(!m_checked);
    return TContainedAction::Execute();
}

bool TCustomAction::Update() {
    if (Suspended()) return false;
    TComponentGuard guard(this);
    const bool handled = TContainedAction::Update();
    if (!handled && guard.Exists() && m_disableIfNoHandler && !OnExecute) SetEnabled(false);
    return handled;
}

const TClassInfo& TAction::StaticClassInfo() {
    using C = TAction;
    static const TClassInfo info = TClassBuilder<C>("TAction").Build();
    return info;
}
