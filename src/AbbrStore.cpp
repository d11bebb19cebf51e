#include "src/AbbrStore.h"

#include <algorithm>
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

void AbbrStore::InsertAll(std::vector<std::unique_ptr<AbbrInfo>> records,
                          const RejectHandler& onRejected) {
    // A null record stands for one with an empty title, which only needs reporting.
    AbbrInfo emptyRecord{};
    if (m_list.GetCount() != 0) {
        // Among records already listed the order of arrival no longer decides which one
        // stays, so each record takes the one-by-one path.
        for (const auto& pInfo : records) {
            const InsertResult result = InsertInfo(pInfo ? pInfo.get() : &emptyRecord);
            if (result.nOutcome != InsertOutcome::Inserted && onRejected) onRejected(result);
        }
        return;
    }

    // A stable sort keeps records of one title in file order, so the first of each run is
    // the one that one-by-one insertion would have kept.
    const auto count = static_cast<std::uint32_t>(records.size());
    std::vector<std::uint32_t> sorted;
    sorted.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        if (records[i] && records[i]->szTitle[0] != '\0') sorted.push_back(i);
    std::stable_sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
        return CompareTitle(records[a]->szTitle, records[b]->szTitle) < 0;
    });
    // For every record, the index of the record kept under its title (itself when kept).
    std::vector<std::uint32_t> keeper(count);
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const bool bFirst = k == 0 || CompareTitle(records[sorted[k - 1]]->szTitle,
                                                   records[sorted[k]]->szTitle) != 0;
        keeper[sorted[k]] = bFirst ? sorted[k] : keeper[sorted[k - 1]];
    }

    for (std::uint32_t i = 0; i < count && onRejected; ++i) {
        AbbrInfo* pInfo = records[i] ? records[i].get() : &emptyRecord;
        if (pInfo->szTitle[0] == '\0') {
            onRejected({InsertOutcome::EmptyTitle, pInfo, EmptyTitleMessage});
        } else if (keeper[i] != i) {
            AbbrInfo* pKept = records[keeper[i]].get();
            onRejected({InsertOutcome::Duplicate, pKept, DuplicateMessage(pKept->szTitle)});
        }
    }
    for (std::uint32_t i : sorted) {
        if (keeper[i] != i) continue;
        const bool bLinked = m_list.Add(records[i].get());
        CX_ASSERT(bLinked);
        records[i].release();
    }
    // The refused records go with the vector.
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
