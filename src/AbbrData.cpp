#include "src/AbbrData.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "common/misc/CxAssert.h"
#include "common/misc/WinUtil.h"
#include "platform/io/FileLock.h"
#include "platform/io/ReplacingFile.h"

namespace {

const char* const kReservedIntNames[4] = {"first reserved integer", "second reserved integer",
                                          "third reserved integer", "fourth reserved integer"};
const char* const kReservedStringNames[4] = {"first reserved string", "second reserved string",
                                             "third reserved string", "fourth reserved string"};

}  // namespace

std::string AbbrData::ReadResult::DamageMessage(const std::string& szPath) const {
    if (szDamage.empty()) return "";
    std::string szText = "The data file \"" + szPath + "\" is damaged: " + szDamage + ". ";
    if (nRead == 0)
        szText += "No records were loaded";
    else if (nRead == 1)
        szText += "The record before the damage was loaded";
    else
        szText += "The " + std::to_string(nRead) + " records before the damage were loaded";
    return szText + "; the file was left as it is.";
}

std::string AbbrData::ReadResult::UnreadableMessage(const std::string& szPath) const {
    if (!IsUnreadable()) return "";
    return "The data file cannot be read: " + szOpenError +
           ". The list is empty, and saving is "
           "refused so that \"" +
           szPath + "\" is not written over.";
}

void AbbrData::Refusals::Add(const InsertResult& refused) {
    if (refused.nOutcome == InsertOutcome::EmptyTitle) {
        ++m_nEmpty;
        return;
    }
    if (refused.nOutcome != InsertOutcome::Duplicate) return;
    ++m_nDuplicate;
    std::string szQuoted = "\"" + FieldText(refused.pInfo->szTitle) + "\"";
    if (std::find(m_examples.begin(), m_examples.end(), szQuoted) != m_examples.end()) return;
    if (m_examples.size() < MaxExamples)
        m_examples.push_back(std::move(szQuoted));
    else
        m_bMoreTitles = true;
}

std::string AbbrData::Refusals::Message() const {
    if (Count() == 0) return "";
    const auto records = [](std::uint32_t n) {
        return std::to_string(n) + (n == 1 ? " record" : " records");
    };
    std::string szText = records(Count()) + (Count() == 1 ? " was" : " were") + " not loaded: ";
    if (m_nDuplicate > 0) {
        szText += std::to_string(m_nDuplicate) +
                  (m_nDuplicate == 1 ? " repeats a title" : " repeat titles") + " already loaded (";
        for (std::size_t i = 0; i < m_examples.size(); ++i)
            szText += (i > 0 ? ", " : "") + m_examples[i];
        if (m_bMoreTitles) szText += ", ...";
        szText += ")";
        if (m_nEmpty > 0) szText += "; ";
    }
    if (m_nEmpty > 0)
        szText += std::to_string(m_nEmpty) + (m_nEmpty == 1 ? " has" : " have") + " an empty title";
    return szText + ".";
}

std::string AbbrData::EndedInside(const char* szName) const {
    if (m_file.HasError()) return std::string("it cannot be read: ") + io::ErrorText(errno);
    return std::string("the file ends inside its ") + szName;
}

template <std::size_t N>
bool AbbrData::ReadField(char (&szField)[N], const char* szName, std::string* pszDamage) {
    std::int32_t nLen = 0;
    if (m_file.ReadString(szField, &nLen)) return true;
    if (pszDamage) {
        if (nLen >= static_cast<std::int32_t>(N)) {
            *pszDamage = "its " + std::string(szName) + " is stored as " + std::to_string(nLen) +
                         " bytes, more than the " + std::to_string(N - 1) + " its field holds";
        } else {
            *pszDamage = EndedInside(szName);
        }
    }
    return false;
}

bool AbbrData::ReadIntField(std::int32_t* pnValue, const char* szName, std::string* pszDamage) {
    if (m_file.ReadInt(pnValue)) return true;
    if (pszDamage) *pszDamage = EndedInside(szName);
    return false;
}

bool AbbrData::ReadInfo(AbbrInfo* pInfo, std::string* pszDamage) {
    CX_ASSERT(pInfo);
    if (!ReadField(pInfo->szTitle, "title", pszDamage)) return false;
    if (!ReadField(pInfo->szInfo, "meaning", pszDamage)) return false;
    if (!ReadField(pInfo->szSample, "sample", pszDamage)) return false;
    if (!ReadIntField(&pInfo->nFlag, "flags", pszDamage)) return false;
    for (int i = 0; i < 4; ++i) {
        if (!ReadIntField(&pInfo->nReserved[i], kReservedIntNames[i], pszDamage)) return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (!ReadField(pInfo->szReserved[i], kReservedStringNames[i], pszDamage)) return false;
    }
    return true;
}

bool AbbrData::WriteInfo(const AbbrInfo* pInfo) {
    CX_ASSERT(pInfo);
    // Bounded by the field, so that a text filling its field without a NUL stops there.
    bool bOk = m_file.WriteString(pInfo->szTitle, AbbrTitleMax) &&
               m_file.WriteString(pInfo->szInfo, AbbrTextMax) &&
               m_file.WriteString(pInfo->szSample, AbbrTextMax) && m_file.WriteInt(pInfo->nFlag);
    for (int i = 0; bOk && i < 4; ++i) bOk = m_file.WriteInt(pInfo->nReserved[i]);
    for (int i = 0; bOk && i < 4; ++i)
        bOk = m_file.WriteString(pInfo->szReserved[i], AbbrReservedMax);
    return bOk;
}

bool AbbrData::OpenForReading(const std::string& szPath, ReadResult* pResult) {
    // Without waiting: a pipe in place of the file must not hold the program up for ever.
    const int fd = ::open(szPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        pResult->bMissing = errno == ENOENT;
        if (!pResult->bMissing) pResult->szOpenError = io::ErrorText(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int nError = errno;
        pResult->szOpenError = S_ISDIR(st.st_mode) ? io::ErrorText(EISDIR)
                               : st.st_mode != 0   ? "it is not a regular file"
                                                   : io::ErrorText(nError);
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* fp = ::fdopen(fd, "rb");
    if (!fp) {
        pResult->szOpenError = io::ErrorText(errno);
        ::close(fd);
        return false;
    }
    m_file.Attach(fp);
    return true;
}

AbbrData::ReadResult AbbrData::ReadRecords(const std::string& szPath,
                                           const RecordHandler& onRecord) {
    CX_ASSERT(!m_file.IsOpen());
    ReadResult result;
    if (!OpenForReading(szPath, &result)) return result;
    result.bOpened = true;

    // An empty file holds neither a count nor records, which is a valid empty list.
    if (m_file.AtEnd()) {
        result.stamp = io::FileStamp::Of(m_file.Descriptor(), 0);
        m_file.Close();
        return result;
    }
    if (!m_file.ReadInt(&result.nCount)) {
        result.szDamage = EndedInside("record count");
    } else if (result.nCount < 0) {
        result.szDamage = "its record count is " + std::to_string(result.nCount);
    }
    const std::string szOf = " of " + std::to_string(result.nCount);
    // The count only bounds the loop: each record is read from the file before it is
    // handed on, so a huge count in a small file costs nothing.
    for (std::int32_t i = 0; result.szDamage.empty() && i < result.nCount; ++i) {
        if (m_file.AtEnd()) {
            result.szDamage = "it holds only " + std::to_string(i) + " of the " +
                              std::to_string(result.nCount) + " records its count announces";
            break;
        }
        AbbrInfo info{};
        std::string szWhy;
        if (!ReadInfo(&info, &szWhy)) {
            result.szDamage = "record " + std::to_string(i + 1) + szOf + ": " + szWhy;
            break;
        }
        ++result.nRead;
        if (onRecord) onRecord(info);
    }
    const std::uint64_t nUsed = m_file.Position();
    result.stamp = io::FileStamp::Of(m_file.Descriptor(), nUsed);
    // What follows the counted records is measured, not read: a huge file is not read whole
    // only to be told about.
    if (result.szDamage.empty() && result.stamp.size > nUsed) {
        result.nTrailingBytes = result.stamp.size - nUsed;
        result.szDamage = std::to_string(result.nTrailingBytes) +
                          " bytes after the last record that its count of " +
                          std::to_string(result.nCount) +
                          " announces: records the count leaves out, or other damage";
    }
    m_file.Close();
    return result;
}

AbbrData::ReadResult AbbrData::LoadData(const std::string& szPath, CxList& list,
                                        const RejectHandler& onRejected) {
    AbbrStore store(list);
    store.ClearData();
    // Read first and put in order after: inserting each record as it comes walks the list
    // back from its tail, which costs n squared for any file not already in title order.
    // A record with an empty title is refused whatever follows, so only its place is kept:
    // a file of zeros would otherwise take a heap record for every 48 bytes.
    std::vector<std::unique_ptr<AbbrInfo>> records;
    const ReadResult result = ReadRecords(szPath, [&](AbbrInfo& info) {
        records.push_back(info.szTitle[0] ? std::make_unique<AbbrInfo>(info) : nullptr);
    });
    store.InsertAll(std::move(records), onRejected);
    return result;
}

AbbrData::SaveResult AbbrData::SaveData(const std::string& szPath, CxList& list,
                                        const SaveOptions& options) {
    CX_ASSERT(!m_file.IsOpen());
    auto fail = [&](const std::string& szReason) {
        SaveResult result;
        result.szError = "The data file \"" + szPath + "\" was not saved: " + szReason +
                         ". The previous file is unchanged.";
        return result;
    };

    io::ReplacingFile out(szPath);
    if (!out.IsUsable()) return fail(out.Error());
    // A device or pipe is written in place and has no lock file beside it.
    io::FileLock lock(out.TargetPath());
    if (!out.WritesInPlace()) {
        if (!lock.TryLock()) {
            SaveResult busy =
                fail(lock.Error() + (lock.HeldByOther() ? "; try again when it has finished" : ""));
            busy.bBusy = lock.HeldByOther();
            return busy;
        }
        out.RemoveStaleNewFiles();
    }
    if (options.pExpected) {
        const io::FileStamp now =
            io::FileStamp::OfPath(out.TargetPath(), options.pExpected->checkedBytes);
        if (!(now == *options.pExpected)) {
            SaveResult changed;
            changed.bChangedByOther = true;
            changed.szError = "Nothing was saved: another program saved \"" + szPath +
                              "\" after it was loaded here.";
            return changed;
        }
    }

    SaveResult saved;
    saved.bSaved = true;
    if (options.bKeepBackup) {
        std::string szReason;
        if (!KeepBackup(out.TargetPath(), &saved.szBackupPath, &szReason)) return fail(szReason);
    }
    if (!m_file.Attach(out.Create())) return fail(out.Error());

    errno = 0;
    bool bOk = m_file.WriteInt(static_cast<std::int32_t>(list.GetCount()));
    for (auto* p = static_cast<AbbrInfo*>(list.GetFirst()); bOk && p;
         p = static_cast<AbbrInfo*>(list.GetNext())) {
        bOk = WriteInfo(p);
    }
    if (bOk) bOk = m_file.Flush();
    int nError = errno;
    if (!m_file.Close() && bOk) {
        bOk = false;
        nError = errno;
    }
    if (!bOk) {
        out.Fail("cannot write", nError);
        return fail(out.Error());
    }
    if (!out.Commit()) return fail(out.Error());
    if (!out.WritesInPlace()) saved.stamp = io::FileStamp::OfWholeFile(out.TargetPath());
    return saved;
}

bool AbbrData::KeepBackup(const std::string& szTarget, std::string* pszBackupPath,
                          std::string* pszReason) {
    std::ifstream in(szTarget, std::ios::binary);
    // Nothing to keep when there is no old file.
    if (!in) return true;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    if (in.bad()) {
        *pszReason = "cannot read the old file to keep it: " + io::ErrorText(errno);
        return false;
    }
    io::ReplacingFile backup(szTarget + BackupSuffix);
    if (!backup.WriteAll(bytes)) {
        *pszReason =
            "cannot keep the old file as \"" + backup.TargetPath() + "\": " + backup.Error();
        return false;
    }
    *pszBackupPath = backup.TargetPath();
    return true;
}

bool AbbrData::GetDataFilePath(std::string* pszPath) {
    if (!pszPath) return false;
    std::string szDirectory;
    if (!GetModuleDirectory(nullptr, &szDirectory)) return false;
    *pszPath = szDirectory + DataFileName;
    return true;
}
