#include "src/AbbrMerge.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "src/AbbrStore.h"

namespace {

// FNV-1a over the bytes the file holds for a record: each text up to its NUL, with its
// length, and each integer.
class Digest {
public:
    void Bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) m_hash = (m_hash ^ b[i]) * 1099511628211ull;
    }
    template <std::size_t N>
    void Text(const char (&sz)[N]) {
        const std::size_t n = strnlen(sz, N);
        Int(static_cast<std::int32_t>(n));
        Bytes(sz, n);
    }
    void Int(std::int32_t n) { Bytes(&n, sizeof n); }
    std::uint64_t Value() const { return m_hash; }

private:
    std::uint64_t m_hash = 14695981039346656037ull;
};

// The records of a list by title; a title the list holds twice (an edit in place can make
// it so for a moment) keeps its first record.
std::map<std::string, AbbrInfo*> ByTitle(CxList& list) {
    std::map<std::string, AbbrInfo*> records;
    for (auto* p = static_cast<AbbrInfo*>(list.GetFirst()); p;
         p = static_cast<AbbrInfo*>(list.GetNext())) {
        records.emplace(FieldText(p->szTitle), p);
    }
    return records;
}

}  // namespace

std::uint64_t RecordDigest(const AbbrInfo& info) {
    Digest digest;
    digest.Text(info.szTitle);
    digest.Text(info.szInfo);
    digest.Text(info.szSample);
    digest.Int(info.nFlag);
    for (const std::int32_t n : info.nReserved) digest.Int(n);
    for (const auto& sz : info.szReserved) digest.Text(sz);
    return digest.Value();
}

RecordSnapshot RecordSnapshot::Of(CxList& list) {
    RecordSnapshot snapshot;
    for (const auto& [szTitle, pInfo] : ByTitle(list))
        snapshot.m_records.emplace_back(szTitle, RecordDigest(*pInfo));
    return snapshot;
}

bool RecordSnapshot::Find(const std::string& szTitle, std::uint64_t* pnDigest) const {
    const auto it = std::lower_bound(m_records.begin(), m_records.end(), szTitle,
                                     [](const std::pair<std::string, std::uint64_t>& entry,
                                        const std::string& key) { return entry.first < key; });
    if (it == m_records.end() || it->first != szTitle) return false;
    *pnDigest = it->second;
    return true;
}

MergeResult MergeRecords(const RecordSnapshot& base, CxList& ours, CxList& theirs) {
    MergeResult result;
    const std::map<std::string, AbbrInfo*> mine = ByTitle(ours);
    const std::map<std::string, AbbrInfo*> other = ByTitle(theirs);
    // A side changed a title when its record differs from the loaded one, or one of the two
    // is missing.
    const auto changed = [&](const std::string& szTitle, const AbbrInfo* pInfo) {
        std::uint64_t nBase = 0;
        const bool bInBase = base.Find(szTitle, &nBase);
        if (!pInfo) return bInBase;
        return !bInBase || RecordDigest(*pInfo) != nBase;
    };
    std::map<std::string, const AbbrInfo*> kept;
    const auto decide = [&](const std::string& szTitle) {
        const auto m = mine.find(szTitle);
        const auto o = other.find(szTitle);
        const AbbrInfo* pMine = m == mine.end() ? nullptr : m->second;
        const AbbrInfo* pOther = o == other.end() ? nullptr : o->second;
        const bool bMineChanged = changed(szTitle, pMine);
        const bool bOtherChanged = changed(szTitle, pOther);
        const AbbrInfo* pKeep = bMineChanged ? pMine : pOther;
        if (bMineChanged && bOtherChanged) {
            const bool bSame =
                pMine && pOther ? RecordDigest(*pMine) == RecordDigest(*pOther) : pMine == pOther;
            if (!bSame) {
                result.conflicts.push_back(szTitle);
                // A record the window deleted and the other program edited stays.
                if (!pMine) pKeep = pOther;
            }
        }
        if (pKeep) kept.emplace(szTitle, pKeep);
    };
    for (const auto& entry : mine) decide(entry.first);
    for (const auto& entry : other)
        if (!mine.count(entry.first)) decide(entry.first);

    // The kept records are copied before either list lets go of its own.
    std::vector<std::unique_ptr<AbbrInfo>> records;
    records.reserve(kept.size());
    for (const auto& entry : kept) records.push_back(std::make_unique<AbbrInfo>(*entry.second));
    AbbrStore(theirs).ClearData();
    AbbrStore(ours).ClearData();
    for (auto& pInfo : records) ours.Add(pInfo.release());
    return result;
}
