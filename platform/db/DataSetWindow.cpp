// TDataSet: the window of records a set that reads in batches holds, and the record an edit
// started from.
#include <algorithm>

#include "platform/db/DataSet.h"

void TDataSet::InternalReadWindow(std::int64_t, int, std::vector<TRecordData>&) {
    DatabaseError("This dataset holds all its records and reads no others");
}

std::int64_t TDataSet::InternalCountRecords() const {
    return static_cast<std::int64_t>(m_records.size());
}

int TDataSet::SlideWindow(std::int64_t Target, bool Forward) {
    const int size = std::max(4, InternalWindowSize());
    std::int64_t start = std::max<std::int64_t>(0, Target - (Forward ? size / 4 : size * 3 / 4));
    std::vector<TRecordData> records;
    InternalReadWindow(start, size, records);
    if (records.empty() && start > 0) {
        // Rows went away since the position was counted: hold the last ones there are.
        start = std::max<std::int64_t>(0, InternalCountRecords() - size);
        InternalReadWindow(start, size, records);
    }
    const std::int64_t current = m_windowStart + m_current;
    m_records = std::move(records);
    m_windowEnd = static_cast<int>(m_records.size()) < size;
    m_windowStart = start;
    m_current = static_cast<int>(std::clamp<std::int64_t>(current - start, -1, INT32_MAX));
    m_displayRecord = -1;
    if (m_records.empty()) return -1;
    return static_cast<int>(std::clamp<std::int64_t>(Target - start, 0,
                                                     static_cast<std::int64_t>(m_records.size()) - 1));
}

const TRecordData* TDataSet::OldRecord() const {
    if (m_state != dsEdit || m_current < 0 || m_current >= static_cast<int>(m_records.size()))
        return nullptr;
    return &m_records[static_cast<std::size_t>(m_current)];
}
