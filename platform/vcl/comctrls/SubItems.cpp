#include "platform/vcl/comctrls/SubItems.h"

#include "platform/vcl/comctrls/ListItem.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TSubItems::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSubItems>("TSubItems").Build();
    return info;
}

void TSubItems::CheckIndex(int Index) const {
    if (Index < 0 || Index >= m_count) Error("List index out of bounds", Index);
}

std::string& TSubItems::Text(int Index) {
    return Index == 0 ? m_first : m_more->texts[static_cast<std::size_t>(Index - 1)];
}

TSubItems::More& TSubItems::GetMore() {
    if (!m_more) m_more = std::make_unique<More>();
    return *m_more;
}

const std::string& TSubItems::Get(int Index) const {
    CheckIndex(Index);
    return const_cast<TSubItems*>(this)->Text(Index);
}

void TSubItems::Put(int Index, const std::string& S) {
    CheckIndex(Index);
    Text(Index) = S;
    Changed();
}

TObject* TSubItems::GetObject(int Index) const {
    CheckIndex(Index);
    if (!m_more || m_more->objects.empty()) return nullptr;
    return m_more->objects[static_cast<std::size_t>(Index)];
}

void TSubItems::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    if (!AObject && (!m_more || m_more->objects.empty())) return;
    std::vector<TObject*>& objects = GetMore().objects;
    objects.resize(static_cast<std::size_t>(m_count), nullptr);
    objects[static_cast<std::size_t>(Index)] = AObject;
    Changed();
}

void TSubItems::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > m_count) Error("List index out of bounds", Index);
    if (m_count == 0) {
        m_first = S;
    } else {
        std::vector<std::string>& texts = GetMore().texts;
        if (Index == 0) {
            texts.insert(texts.begin(), std::move(m_first));
            m_first = S;
        } else {
            texts.insert(texts.begin() + (Index - 1), S);
        }
    }
    if (m_more && !m_more->objects.empty())
        m_more->objects.insert(m_more->objects.begin() + Index, nullptr);
    ++m_count;
    Changed();
}

void TSubItems::Delete(int Index) {
    CheckIndex(Index);
    if (m_count == 1) {
        m_first = std::string();
    } else {
        std::vector<std::string>& texts = m_more->texts;
        if (Index == 0) m_first = std::move(texts.front());
        texts.erase(texts.begin() + (Index == 0 ? 0 : Index - 1));
    }
    if (m_more && !m_more->objects.empty()) m_more->objects.erase(m_more->objects.begin() + Index);
    --m_count;
    Changed();
}

void TSubItems::Clear() {
    if (m_count == 0) return;
    m_first = std::string();
    m_more.reset();
    m_count = 0;
    Changed();
}

void TSubItems::SetUpdateState(bool Updating) {
    if (!Updating) Changed();
}

void TSubItems::Changed() {
    if (UpdateCount() == 0 && m_item) m_item->SubItemsChanged();
}
