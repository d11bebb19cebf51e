#pragma once
// The data file of abbreviation records: reading it record by record, loading it into the
// sorted list, and saving the list so that the previous file survives any failure.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "platform/io/FileStamp.h"
#include "src/AbbrInfo.h"
#include "src/AbbrStore.h"

class AbbrData {
public:
    static constexpr const char* DataFileName = "quorvane.dat";
    // Beside the data file, the file a save after a damaged load keeps the old one in.
    static constexpr const char* BackupSuffix = ".bak";

    struct ReadResult {
        // False when the file could not be opened: it is missing (bMissing), or it is there
        // and cannot be read (szOpenError says why); nothing is reported for a missing one.
        bool bOpened = false;
        bool bMissing = false;
        std::string szOpenError;
        // The record count the file stores.
        std::int32_t nCount = 0;
        // Records read whole and handed on, in file order.
        std::uint32_t nRead = 0;
        // Bytes after the last counted record: records the count does not announce, damage
        // like any other.
        std::uint64_t nTrailingBytes = 0;
        // Why the file is not whole: reading stopped before the count was reached, or bytes
        // follow the counted records; empty for a whole file.
        std::string szDamage;
        // The file as read: a save compares it with the file it would replace.
        io::FileStamp stamp;

        bool IsWhole() const { return bOpened && szDamage.empty(); }
        // There is a file, but it could not be read at all.
        bool IsUnreadable() const { return !bOpened && !bMissing; }
        // The one message the window shows for a damaged file; empty for a whole one.
        std::string DamageMessage(const std::string& szPath) const;
        // The message for a file that is there but could not be read.
        std::string UnreadableMessage(const std::string& szPath) const;
    };

    // The records a load refused, told once with a count and the first few titles.
    class Refusals {
    public:
        static constexpr std::size_t MaxExamples = 5;
        void Add(const InsertResult& refused);
        std::uint32_t Count() const { return m_nEmpty + m_nDuplicate; }
        // Empty when nothing was refused; else a paragraph such as `3 records were not
        // loaded: 2 repeat a title already loaded ("ADD", "CRT"); 1 has an empty title.`
        std::string Message() const;

    private:
        std::uint32_t m_nEmpty = 0;
        std::uint32_t m_nDuplicate = 0;
        std::vector<std::string> m_examples;
        // More titles were repeated than the examples show.
        bool m_bMoreTitles = false;
    };

    struct SaveResult {
        bool bSaved = false;
        // Why the file was not saved, as a sentence for an error box; empty when saved.
        std::string szError;
        // Where the old file was kept when a backup was asked for and there was one.
        std::string szBackupPath;
        // Not saved because the file is no longer the one that was loaded: another program
        // saved it in between.
        bool bChangedByOther = false;
        // Not saved because another program was saving the same file at that moment.
        bool bBusy = false;
        // The file as saved, for the next save's comparison.
        io::FileStamp stamp;
    };

    struct SaveOptions {
        // Copy the old file's bytes to szPath + BackupSuffix first, for a file that could
        // not be read whole and so still holds records the list lacks.
        bool bKeepBackup = false;
        // The file this list was loaded from (or its absence); with it, a save that finds
        // another file in place writes nothing and says so.
        const io::FileStamp* pExpected = nullptr;
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
    // it in place of the old one (see io::ReplacingFile), holding the lock of that file for
    // the whole save (see io::FileLock) so that two writers never mix their work.
    SaveResult SaveData(const std::string& szPath, CxList& list, const SaveOptions& options);
    SaveResult SaveData(const std::string& szPath, CxList& list, bool bKeepBackup = false) {
        return SaveData(szPath, list, SaveOptions{bKeepBackup, nullptr});
    }

    // The data file beside the running executable. False when that directory is unknown.
    static bool GetDataFilePath(std::string* pszPath);

private:
    template <std::size_t N>
    bool ReadField(char (&szField)[N], const char* szName, std::string* pszDamage);
    bool ReadIntField(std::int32_t* pnValue, const char* szName, std::string* pszDamage);
    std::string EndedInside(const char* szName) const;
    bool OpenForReading(const std::string& szPath, ReadResult* pResult);
    static bool KeepBackup(const std::string& szTarget, std::string* pszBackupPath,
                           std::string* pszReason);

    CxFile& m_file;
};
