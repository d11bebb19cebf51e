#include "platform/vcl/core/Component.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TComponent>("TComponent")
                                       .String("Name", &TComponent::GetName, &TComponent::SetName)
                                       .NotStored()
                                       .Integer("Tag", &TComponent::GetTag, &TComponent::SetTag, 0)
                                       .Build();
    return info;
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    for (TComponentGuard* guard : m_guards) guard->m_component = nullptr;
    m_guards.clear();
    // Those that asked are told while this component still has its name and owner.
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        other->RemoveNotification(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (m_owner) m_owner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return m_components[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!m_owner) return -1;
    auto& list = m_owner->m_components;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetName(const std::string& NewName) {
    if (NewName == m_name) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (m_owner)
        m_owner->ValidateRename(this, m_name, NewName);
    else
        ValidateRename(nullptr, m_name, NewName);
    m_name = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) {
    if (!AComponent || NewName.empty() || SameText(CurName, NewName)) return;
    TComponent* existing = FindComponent(NewName);
    if (existing && existing != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* c : m_components)
        if (SameText(c->m_name, AName)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->m_owner) AComponent->m_owner->RemoveComponent(AComponent);
    ValidateRename(AComponent, "", AComponent->m_name);
    Insert(AComponent);
    NotifyOwned(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    NotifyOwned(AComponent, opRemove);
    Remove(AComponent);
    // A published field of a form that named the component must not dangle.
    if (!(m_state & csDestroying))
        if (const TFieldInfo* field = ClassInfo().FindField(AComponent->m_name))
            field->Assign(*this, nullptr);
}

void TComponent::Insert(TComponent* AComponent) {
    m_components.push_back(AComponent);
    AComponent->m_owner = this;
}

void TComponent::Remove(TComponent* AComponent) {
    std::erase(m_components, AComponent);
    AComponent->m_owner = nullptr;
}

void TComponent::NotifyOwned(TComponent* AComponent, TOperation Operation) {
    Notification(AComponent, Operation);
    // A notification may free components; walk a copy and skip those already gone.
    const std::vector<TComponent*> owned = m_components;
    for (TComponent* c : owned)
        if (c != AComponent &&
            std::find(m_components.begin(), m_components.end(), c) != m_components.end())
            c->Notification(AComponent, Operation);
}

void TComponent::DestroyComponents() {
    for (TComponent* c : m_components) c->Destroying();
    while (!m_components.empty()) delete m_components.back();
}

void TComponent::Destroying() {
    if (m_state & csDestroying) return;
    m_state |= csDestroying;
    for (TComponent* c : m_components) c->Destroying();
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    // Components of the same owner hear of each other through the owner already.
    if (m_owner && AComponent->m_owner == m_owner) return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), AComponent) == m_freeNotifies.end())
        m_freeNotifies.push_back(AComponent);
    if (std::find(AComponent->m_freeNotifies.begin(), AComponent->m_freeNotifies.end(), this) ==
        AComponent->m_freeNotifies.end())
        AComponent->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
    std::erase(m_freeNotifies, AComponent);
}

void TComponent::Loaded() {
    m_state &= ~csLoading;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    if (Root != this) return;
    for (TComponent* c : m_components)
        if (!c->HasParent()) Proc(c);
}

std::string TComponent::GetNamePath() const {
    return m_name;
}

void TComponent::SetComponentStateFlag(TComponentStateFlag flag, bool on) {
    if (on)
        m_state |= flag;
    else
        m_state &= ~flag;
}
