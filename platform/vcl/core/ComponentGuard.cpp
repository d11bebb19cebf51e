#include "platform/vcl/core/ComponentGuard.h"

#include <algorithm>

TComponentGuard::TComponentGuard(TComponent* component) : m_component(component) {
    if (component) component->m_guards.push_back(this);
}

TComponentGuard::~TComponentGuard() {
    if (m_component) std::erase(m_component->m_guards, this);
}
