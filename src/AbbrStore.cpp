#include "src/AbbrStore.h"

#include <cstdio>
#include <cstring>

#include "common/misc/CxAssert.h"

int AbbrStore::CompareTitle(const char* szA, const char* szB) {
    return std::strncmp(szA, szB, sizeof(AbbrInfo::szTitle));
}

std::string AbbrStore::DuplicateMessage(const char* szTitle) {
    // A title that fills its field without a NUL is cut at the field's end.
    char szBounded[sizeof(AbbrInfo::szTitle) + 1] = {};
    std::strncpy(szBounded, szTitle, sizeof(AbbrInfo::szTitle));
    char szText[64];
    std::snprintf(szText, sizeof szText, DuplicateMessageFormat, szBounded);
    return szText;
}

InsertResult AbbrStore::InsertInfo(AbbrInfo* pInfo) {
    CX_ASSERT(pInfo);
    if (pInfo->szTitle[0] == '\0') return {InsertOutcome::EmptyTitle, pInfo, EmptyTitleMessage};

    auto* pCopy = new AbbrInfo(*pInfo);
    // Walk back from the tail: records arriving in ascending order, as a saved file holds
    // them, each take a single comparison.
    auto* pCandidate = static_cast<AbbrInfo*>(m_list.GetLast());
    std::uint32_t n = m_list.GetCount();
    while (pCandidate) {
        const int nOrder = CompareTitle(pCopy->szTitle, pCandidate->szTitle);
        if (nOrder > 0) break;
        if (nOrder == 0) {
            delete pCopy;
            return {InsertOutcome::Duplicate, pCandidate, DuplicateMessage(pCandidate->szTitle)};
        }
        pCandidate = static_cast<AbbrInfo*>(m_list.GetPrev());
        --n;
    }
    const bool bLinked = m_list.InsertAt(n, pCopy);
    CX_ASSERT(bLinked);
    return {InsertOutcome::Inserted, pCopy, ""};
}

AbbrInfo* AbbrStore::RemoveInfo(const AbbrInfo* pInfo) {
    CX_ASSERT(pInfo);
    for (auto* p = static_cast<AbbrInfo*>(m_list.GetFirst()); p;
         p = static_cast<AbbrInfo*>(m_list.GetNext())) {
        if (CompareTitle(p->szTitle, pInfo->szTitle) == 0) {
            m_list.Remove(p, false);
            return p;
        }
    }
    return nullptr;
}

void AbbrStore::ClearData() {
    for (auto* p = static_cast<AbbrInfo*>(m_list.GetFirst()); p;
         p = static_cast<AbbrInfo*>(m_list.GetNext())) {
        delete p;
    }
    m_list.RemoveAll(false);
}
