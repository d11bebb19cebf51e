#pragma once
// Keeps the heap records of a CxList in ascending byte-wise title order: sorted insertion
// of copies that refuses empty and duplicate titles, removal by title, and clearing. It
// shows nothing itself; the window shows the message of a refused insertion.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/misc/CxList.h"
#include "src/AbbrInfo.h"

enum class InsertOutcome { Inserted, EmptyTitle, Duplicate };

struct InsertResult {
    InsertOutcome nOutcome = InsertOutcome::Inserted;
    // The new copy in the list, the record already there under that title, or the
    // argument itself when its title is empty.
    AbbrInfo* pInfo = nullptr;
    // Empty when inserted; otherwise the text to show under the caption ErrorCaption.
    std::string szMessage;
};

class AbbrStore {
public:
    static constexpr const char* EmptyTitleMessage = "Empty title found!";
    static constexpr const char* DuplicateMessageFormat = "Duplicate information found : \"%s\"";
    static constexpr const char* ErrorCaption = "Error";

    explicit AbbrStore(CxList& list) : m_list(list) {}

    using RejectHandler = std::function<void(const InsertResult&)>;

    // Inserts a copy of *pInfo in title order; the caller keeps pInfo in every case.
    InsertResult InsertInfo(AbbrInfo* pInfo);
    // Takes heap records in the order a file holds them and leaves the list as InsertInfo
    // would, called on each in turn: the same records kept, the same refusals passed to
    // onRejected in the same order. Into an empty list it costs n log n whatever the order,
    // where one insertion after another walks back from the tail; a refused record's
    // InsertResult names the record kept under its title, linked once all are reported. A
    // null record stands for one with an empty title, which needs no more than its report.
    void InsertAll(std::vector<std::unique_ptr<AbbrInfo>> records, const RejectHandler& onRejected);
    // Unlinks the first record with the title of *pInfo and hands it to the caller to free;
    // null when no title matches.
    AbbrInfo* RemoveInfo(const AbbrInfo* pInfo);
    // Frees every record and empties the list.
    void ClearData();

    // Byte-wise comparison of unsigned bytes, bounded by the title field.
    static int CompareTitle(const char* szA, const char* szB);
    static std::string DuplicateMessage(const char* szTitle);

private:
    CxList& m_list;
};
