#pragma once
// The data file of abbreviation records: reading it record by record, loading it into the
// sorted list, and saving the list so that the previous file survives any failure.
#include <cstdint>
#include <functional>
#include <string>

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "src/AbbrInfo.h"
#include "src/AbbrStore.h"

class AbbrData {
public:
    static constexpr const char* DataFileName = "quorvane.dat";
    // Beside the data file, the file a save after a damaged load keeps the old one in.
    static constexpr const char* BackupSuffix = ".bak";

    struct ReadResult {
        // False when the file is missing or cannot be opened; nothing is reported then.
        bool bOpened = false;
        // The record count the file stores.
        std::int32_t nCount = 0;
        // Records read whole and handed on, in file order.
        std::uint32_t nRead = 0;
        // Bytes after the last counted record, which the format has no use for.
        std::uint64_t nTrailingBytes = 0;
        // Why reading stopped before the count was reached; empty for a whole file.
        std::string szDamage;

        bool IsWhole() const { return bOpened && szDamage.empty(); }
        // The one message the window shows for a damaged file; empty for a whole one.
        std::string DamageMessage(const std::string& szPath) const;
    };

    struct SaveResult {
        bool bSaved = false;
        // Why the file was not saved, as a sentence for an error box; empty when saved.
        std::string szError;
        // Where the old file was kept when a backup was asked for and there was one.
        std::string szBackupPath;
    };

    using RecordHandler = std::function<void(AbbrInfo&)>;
    using RejectHandler = AbbrStore::RejectHandler;

    explicit AbbrData(CxFile& file) : m_file(file) {}

    // One record's fields in file order. False when the file is damaged there, with the
    // reason in *pszDamage; no field is ever filled past its width.
    bool ReadInfo(AbbrInfo* pInfo, std::string* pszDamage = nullptr);
    bool WriteInfo(const AbbrInfo* pInfo);

    // Hands every whole record to onRecord in file order, zero-filled before it is read.
    // Reading stops at the first damage; the records before it have been handed on.
    ReadResult ReadRecords(const std::string& szPath, const RecordHandler& onRecord);
    // Empties the list, then puts the file's records in title order; a record with an
    // empty or repeated title is refused and passed to onRejected, in file order, once the
    // whole file is read.
    ReadResult LoadData(const std::string& szPath, CxList& list, const RejectHandler& onRejected);
    // Writes the list in its order to a new file beside szPath, syncs it, and only then puts
    // it in place of the old one (see io::ReplacingFile). With bKeepBackup, the old file's
    // bytes are first copied to szPath + BackupSuffix, for a file that could not be read
    // whole and so still holds records the list lacks.
    SaveResult SaveData(const std::string& szPath, CxList& list, bool bKeepBackup = false);

    // The data file beside the running executable. False when that directory is unknown.
    static bool GetDataFilePath(std::string* pszPath);

private:
    template <std::size_t N>
    bool ReadField(char (&szField)[N], const char* szName, std::string* pszDamage);
    bool ReadIntField(std::int32_t* pnValue, const char* szName, std::string* pszDamage);
    std::string EndedInside(const char* szName) const;
    static bool KeepBackup(const std::string& szTarget, std::string* pszBackupPath,
                           std::string* pszReason);

    CxFile& m_file;
};
