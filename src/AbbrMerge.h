#pragma once
// Bringing together two versions of one data file: the records a window loaded, what the
// window made of them, and what another program saved in the meantime. The window's own
// changes (added, edited and deleted records) are laid over the other program's records,
// so that neither side's work is dropped.
#include <string>
#include <utility>
#include <vector>

#include "common/misc/CxList.h"
#include "src/AbbrInfo.h"

// A record's stored contents in a number: two records with one digest save the same bytes.
std::uint64_t RecordDigest(const AbbrInfo& info);

// The records of a list by title, as digests: what a window loaded, kept so that its own
// changes can be told later at the cost of a few bytes a record.
class RecordSnapshot {
public:
    static RecordSnapshot Of(CxList& list);
    // The digest of the record under this title; false when there was none.
    bool Find(const std::string& szTitle, std::uint64_t* pnDigest) const;

private:
    std::vector<std::pair<std::string, std::uint64_t>> m_records;
};

struct MergeResult {
    // Titles both sides changed, each its own way. The window's version is kept (or the
    // other program's, where the window deleted the record and the other program edited
    // it); the version not kept is only in the other program's file.
    std::vector<std::string> conflicts;
};

// Leaves in ours the records of theirs with the changes ours made since base applied on
// top, in title order; theirs is emptied and its records freed or moved.
MergeResult MergeRecords(const RecordSnapshot& base, CxList& ours, CxList& theirs);
