#include "src/AbbrData.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "common/misc/CxAssert.h"
#include "common/misc/WinUtil.h"

namespace {

const char* const kReservedIntNames[4] = {"first reserved integer", "second reserved integer",
                                          "third reserved integer", "fourth reserved integer"};
const char* const kReservedStringNames[4] = {"first reserved string", "second reserved string",
                                             "third reserved string", "fourth reserved string"};

std::string ErrorText(int nError) {
    return nError != 0 ? std::strerror(nError) : "the system gave no reason";
}

// Makes the rename itself durable. The new file is already complete and in place when this
// runs, so a directory that cannot be synced weakens only what survives a power cut, never
// which of the two files a reader finds; that is why its failure is not reported.
void SyncDirectoryOf(const std::string& szPath) {
    std::string szDrive;
    std::string szDir;
    SplitPath(szPath, &szDrive, &szDir);
    const std::string szDirectory = szDrive + (szDir.empty() ? "." : szDir);
    const int fd = ::open(szDirectory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

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

std::string AbbrData::EndedInside(const char* szName) const {
    if (m_file.HasError()) return std::string("it cannot be read: ") + ErrorText(errno);
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

AbbrData::ReadResult AbbrData::ReadRecords(const std::string& szPath,
                                           const RecordHandler& onRecord) {
    CX_ASSERT(!m_file.IsOpen());
    ReadResult result;
    if (!m_file.Open(szPath.c_str(), "rb")) return result;
    result.bOpened = true;

    // An empty file holds neither a count nor records, which is a valid empty list.
    if (m_file.AtEnd()) {
        m_file.Close();
        return result;
    }
    if (!m_file.ReadInt(&result.nCount)) {
        result.szDamage = EndedInside("record count");
    } else if (result.nCount < 0) {
        result.szDamage = "its record count is " + std::to_string(result.nCount);
    }
    const std::string szOf = " of " + std::to_string(result.nCount);
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
    if (result.szDamage.empty()) result.nTrailingBytes = m_file.SkipToEnd();
    m_file.Close();
    return result;
}

AbbrData::ReadResult AbbrData::LoadData(const std::string& szPath, CxList& list,
                                        const RejectHandler& onRejected) {
    AbbrStore store(list);
    store.ClearData();
    // Read first and put in order after: inserting each record as it comes walks the list
    // back from its tail, which costs n squared for any file not already in title order.
    std::vector<std::unique_ptr<AbbrInfo>> records;
    const ReadResult result = ReadRecords(
        szPath, [&](AbbrInfo& info) { records.push_back(std::make_unique<AbbrInfo>(info)); });
    store.InsertAll(std::move(records), onRejected);
    return result;
}

AbbrData::SaveResult AbbrData::SaveData(const std::string& szPath, CxList& list) {
    CX_ASSERT(!m_file.IsOpen());
    const std::string szNewPath = szPath + ".new";
    auto fail = [&](const std::string& szReason) {
        return SaveResult{false, "The data file \"" + szPath + "\" was not saved: " + szReason +
                                     ". The previous file is unchanged."};
    };

    errno = 0;
    if (!m_file.Open(szNewPath.c_str(), "wb"))
        return fail("cannot create \"" + szNewPath + "\": " + ErrorText(errno));

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
        std::remove(szNewPath.c_str());
        return fail("cannot write \"" + szNewPath + "\": " + ErrorText(nError));
    }
    if (std::rename(szNewPath.c_str(), szPath.c_str()) != 0) {
        nError = errno;
        std::remove(szNewPath.c_str());
        return fail("cannot put the new file in its place: " + ErrorText(nError));
    }
    SyncDirectoryOf(szPath);
    return {true, ""};
}

bool AbbrData::GetDataFilePath(std::string* pszPath) {
    if (!pszPath) return false;
    std::string szDirectory;
    if (!GetModuleDirectory(nullptr, &szDirectory)) return false;
    *pszPath = szDirectory + DataFileName;
    return true;
}
