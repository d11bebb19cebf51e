#include "src/AbbrData.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "common/misc/CxAssert.h"
#include "common/misc/WinUtil.h"
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

AbbrData::SaveResult AbbrData::SaveData(const std::string& szPath, CxList& list,
                                        bool bKeepBackup) {
    CX_ASSERT(!m_file.IsOpen());
    auto fail = [&](const std::string& szReason) {
        return SaveResult{false, "The data file \"" + szPath + "\" was not saved: " + szReason +
                                     ". The previous file is unchanged.", ""};
    };

    io::ReplacingFile out(szPath);
    SaveResult saved{true, "", ""};
    if (bKeepBackup) {
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
        *pszReason = "cannot keep the old file as \"" + backup.TargetPath() +
                     "\": " + backup.Error();
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
