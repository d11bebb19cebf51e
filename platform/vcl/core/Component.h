#pragma once
// Components: named objects in an ownership tree. An owner frees what it owns; when a
// component goes, every component of its owner and every component that asked for a free
// notification is told, so that no reference to it is left behind.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/core/Persistent.h"

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csUpdating = 1u << 5,
};
using TComponentState = unsigned;

enum class TOperation { opInsert, opRemove };
using enum TOperation;

class TComponentGuard;

class TComponent : public TPersistent {
    QV_DECLARE_CLASS(TComponent, TPersistent)

    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return m_owner; }
    TPersistent* GetOwner() const override { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    TComponentState ComponentState() const { return m_state; }

    const std::string& GetName() const { return m_name; }
    // Raises EComponentError for a name that is not an identifier or is taken in the owner.
    virtual void SetName(const std::string& NewName);
    std::intptr_t GetTag() const { return m_tag; }
    void SetTag(std::intptr_t Tag) { m_tag = Tag; }

    // The owned component of that name (compared without case), or null.
    TComponent* FindComponent(std::string_view AName) const;
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Frees every owned component, the last first.
    void DestroyComponents();
    // Marks this component and those it owns as being destroyed.
    void Destroying();

    // Asks to be told (Notification with opRemove) when AComponent is freed; needed for
    // references to components of another owner.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Streaming: the component that a form description nests this one in. TControl takes
    // it as its Parent; a menu item as its parent menu.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* Value);
    // Calls Proc for each component written nested in this one when Root is written.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);

    std::string GetNamePath() const override;

    // Runs once the constructor of the most derived class has finished, so that virtual
    // calls reach that class: a form description's reader calls it on every component it
    // creates. A form reads its description here.
    virtual void AfterConstruction() {}

    // For the form reader and writer: csLoading, csReading, csWriting and csDesigning.
    void SetComponentStateFlag(TComponentStateFlag flag, bool on);

protected:
    // Told when AComponent joins or leaves this component's owner, or is freed after
    // FreeNotification. Overrides clear their references and call inherited.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Runs once a form description has been read and its references resolved.
    virtual void Loaded();
    virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName);

private:
    friend class TComponentGuard;
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void NotifyOwned(TComponent* AComponent, TOperation Operation);
    void RemoveNotification(TComponent* AComponent);
    friend class TFormReader;

    TComponent* m_owner = nullptr;
    std::string m_name;
    std::intptr_t m_tag = 0;
    TComponentState m_state = 0;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
    std::vector<TComponentGuard*> m_guards;
};
