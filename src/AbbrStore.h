#pragma once
// Keeps the heap records of a CxList in ascending byte-wise title order: sorted insertion
// of copies that refuses empty and duplicate titles, removal by title, and clearing. It
// shows nothing itself; the window shows the message of a refused insertion.
#include <string>

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

    // Inserts a copy of *pInfo in title order; the caller keeps pInfo in every case.
    InsertResult InsertInfo(AbbrInfo* pInfo);
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
