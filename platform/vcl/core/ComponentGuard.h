#pragma once
#include "platform/vcl/core/Component.h"

// Watches a component that an event handler may free (a click that closes its form): after
// the handler, Exists() tells whether the sender is still there.
class TComponentGuard {
public:
    explicit TComponentGuard(TComponent* component);
    ~TComponentGuard();
    TComponentGuard(const TComponentGuard&) = delete;
    TComponentGuard& operator=(const TComponentGuard&) = delete;

    bool Exists() const { return m_component != nullptr; }
    TComponent* Component() const { return m_component; }

private:
    friend class TComponent;
    TComponent* m_component;
};
