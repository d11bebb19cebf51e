#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/io/FileFault.h"
#include "src/AbbrData.h"
#include "tests/common/misc/TempDir.h"
#include "tests/src/data/DataBytes.h"

namespace {

namespace fs = std::filesystem;

class AbbrSaveTest : public ::testing::Test {
protected:
    AbbrSaveTest() {
        AbbrInfo info = MakeInfo("NEW", "New record");
        AbbrStore(m_list).InsertInfo(&info);
    }
    ~AbbrSaveTest() override { AbbrStore(m_list).ClearData(); }

    AbbrData::SaveResult Save(const std::string& szPath) {
        AbbrData::SaveResult result = AbbrData(m_file).SaveData(szPath, m_list);
        EXPECT_FALSE(m_file.IsOpen());
        return result;
    }

    // The new file a save by this process makes beside szPath.
    static std::string NewPath(const std::string& szPath) {
        return szPath + ".new-" + std::to_string(::getpid());
    }
    // Whether a save left a new file of its own in the folder.
    static bool HasNewFile(const TempDir& dir) {
        for (const auto& entry : fs::directory_iterator(dir.Root()))
            if (entry.path().filename().string().find(".new-") != std::string::npos) return true;
        return false;
    }

    const std::string kOld = DataBytes().Int(1).Record("OLD", "Old record").Bytes();
    TempDir m_dir;
    CxFile m_file;
    CxList m_list;
};

TEST_F(AbbrSaveTest, SaveReplacesTheOldFileAndLeavesNothingBeside) {
    const std::string szPath = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath, kOld);
    const AbbrData::SaveResult result = Save(szPath);
    EXPECT_TRUE(result.bSaved);
    EXPECT_TRUE(result.szError.empty());
    EXPECT_EQ(TempDir::ReadAll(szPath), DataBytes().Int(1).Record("NEW", "New record").Bytes());
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Root()), fs::directory_iterator()), 1);
}

TEST_F(AbbrSaveTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    struct Case {
        const char* szName;
        // Prepares the directory and returns the path to save to.
        std::function<std::string(const TempDir&)> prepare;
        const char* szReason;
    };
    const Case cases[] = {
        {"the path is a directory",
         [](const TempDir& dir) {
             fs::create_directory(dir.Path("quorvane.dat"));
             return dir.Path("quorvane.dat");
         },
         "cannot put the new file in its place: Is a directory"},
        {"the directory does not exist",
         [](const TempDir& dir) { return dir.Path("missing/quorvane.dat"); },
         "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempDir dir;
        const std::string szPath = c.prepare(dir);
        const bool bHadFile = fs::is_regular_file(szPath);
        const AbbrData::SaveResult result = Save(szPath);
        EXPECT_FALSE(result.bSaved);
        EXPECT_NE(result.szError.find("The data file \"" + szPath + "\" was not saved: "),
                  std::string::npos)
            << result.szError;
        EXPECT_NE(result.szError.find(c.szReason), std::string::npos) << result.szError;
        EXPECT_NE(result.szError.find("The previous file is unchanged."), std::string::npos);
        if (bHadFile) {
            EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
        }
        EXPECT_FALSE(HasNewFile(dir)) << "the unfinished file is removed";
    }
}

// Every step of the save fails in turn, as a full disk or a failing device makes it fail; a
// save that skipped a step (wrote without syncing, say) would not meet its fault and pass.
TEST_F(AbbrSaveTest, AFaultInAnyStepKeepsTheOldFileAndSaysWhy) {
    for (const io::FileStep step : io::kAllFileSteps) {
        SCOPED_TRACE(io::FileStepName(step));
        const std::string szPath = m_dir.Path("quorvane.dat");
        TempDir::WriteAll(szPath, kOld);
        io::ScopedFileFault fault(step, ENOSPC);
        const AbbrData::SaveResult result = Save(szPath);
        EXPECT_TRUE(fault.Fired()) << "the save never took this step";
        EXPECT_FALSE(result.bSaved);
        EXPECT_NE(result.szError.find("No space left on device"), std::string::npos)
            << result.szError;
        EXPECT_NE(result.szError.find("The previous file is unchanged."), std::string::npos);
        EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
        EXPECT_FALSE(HasNewFile(m_dir));
    }
}

// The directory refuses new files (a read-only one, say); made so through the seam, since
// permissions do not bind the superuser the tests may run as.
TEST_F(AbbrSaveTest, ADirectoryThatRefusesNewFilesKeepsTheOldFile) {
    const std::string szPath = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath, kOld);
    io::ScopedFileFault fault(io::FileStep::Create, EROFS);
    const AbbrData::SaveResult result = Save(szPath);
    EXPECT_FALSE(result.bSaved);
    EXPECT_NE(
        result.szError.find("cannot create \"" + NewPath(szPath) + "\": Read-only file system"),
        std::string::npos)
        << result.szError;
    EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
}

TEST_F(AbbrSaveTest, AStaleNewFileThatIsALinkIsReplacedNotFollowed) {
    const std::string szPath = m_dir.Path("quorvane.dat");
    const std::string szVictim = m_dir.Path("victim");
    TempDir::WriteAll(szPath, kOld);
    TempDir::WriteAll(szVictim, "not yours");
    // Where this process would make its new file.
    fs::create_symlink(szVictim, NewPath(szPath));
    EXPECT_TRUE(Save(szPath).bSaved);
    EXPECT_EQ(TempDir::ReadAll(szVictim), "not yours");
    EXPECT_EQ(TempDir::ReadAll(szPath), DataBytes().Int(1).Record("NEW", "New record").Bytes());
}

// The modes are chosen so that the usual 022 umask would change them: a file shared with a
// group must stay writable by the group once the program has saved it.
TEST_F(AbbrSaveTest, TheFileKeepsItsMode) {
    const mode_t saved = ::umask(022);
    for (const mode_t mode : {0664u, 0660u, 0666u, 0640u, 0600u}) {
        SCOPED_TRACE(mode);
        const std::string szPath = m_dir.Path("quorvane.dat");
        TempDir::WriteAll(szPath, kOld);
        ASSERT_EQ(::chmod(szPath.c_str(), mode), 0);
        ASSERT_TRUE(Save(szPath).bSaved);
        struct stat st {};
        ASSERT_EQ(::stat(szPath.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
    }
    ::umask(saved);
}

TEST_F(AbbrSaveTest, AReadOnlyFileIsRefusedWithAClearError) {
    const std::string szPath = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath, kOld);
    ::chmod(szPath.c_str(), 0444);
    const AbbrData::SaveResult result = Save(szPath);
    EXPECT_FALSE(result.bSaved);
    EXPECT_EQ(result.szError, "The data file \"" + szPath + "\" was not saved: \"" + szPath +
                                  "\" is read-only. The previous file is unchanged.");
    EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
}

TEST_F(AbbrSaveTest, ADataFileThatIsALinkIsSavedThroughToItsTarget) {
    fs::create_directory(m_dir.Path("real"));
    const std::string szTarget = m_dir.Path("real/quorvane.dat");
    const std::string szLink = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szTarget, kOld);
    fs::create_symlink(szTarget, szLink);
    ASSERT_TRUE(Save(szLink).bSaved);
    EXPECT_TRUE(fs::is_symlink(szLink));
    EXPECT_EQ(TempDir::ReadAll(szTarget), DataBytes().Int(1).Record("NEW", "New record").Bytes());
}

TEST_F(AbbrSaveTest, ABackupKeepsTheOldBytesBesideTheNewFile) {
    const std::string szPath = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath, kOld);
    const AbbrData::SaveResult result = AbbrData(m_file).SaveData(szPath, m_list, true);
    ASSERT_TRUE(result.bSaved) << result.szError;
    EXPECT_EQ(result.szBackupPath, szPath + ".bak");
    EXPECT_EQ(TempDir::ReadAll(szPath + ".bak"), kOld);
    EXPECT_EQ(TempDir::ReadAll(szPath), DataBytes().Int(1).Record("NEW", "New record").Bytes());
}

TEST_F(AbbrSaveTest, ABackupThatCannotBeWrittenStopsTheSave) {
    const std::string szPath = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath, kOld);
    io::ScopedFileFault fault(io::FileStep::Write, ENOSPC);
    const AbbrData::SaveResult result = AbbrData(m_file).SaveData(szPath, m_list, true);
    EXPECT_FALSE(result.bSaved);
    EXPECT_NE(result.szError.find("cannot keep the old file as \"" + szPath + ".bak\""),
              std::string::npos)
        << result.szError;
    EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
    EXPECT_FALSE(fs::exists(szPath + ".bak"));
}

// The backup is written as carefully as the file itself: a backup that never reached the
// disk is no backup, so any failing step of it stops the save before the file is touched.
TEST_F(AbbrSaveTest, ABackupThatCannotBeSyncedOrFinishedStopsTheSave) {
    for (const io::FileStep step :
         {io::FileStep::Flush, io::FileStep::Sync, io::FileStep::Close, io::FileStep::Rename}) {
        SCOPED_TRACE(io::FileStepName(step));
        const std::string szPath = m_dir.Path("quorvane.dat");
        TempDir::WriteAll(szPath, kOld);
        io::ScopedFileFault fault(step, EIO);
        const AbbrData::SaveResult result = AbbrData(m_file).SaveData(szPath, m_list, true);
        EXPECT_TRUE(fault.Fired());
        EXPECT_FALSE(result.bSaved);
        EXPECT_NE(result.szError.find("Input/output error"), std::string::npos) << result.szError;
        EXPECT_NE(result.szError.find(".bak"), std::string::npos) << result.szError;
        EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
        EXPECT_FALSE(HasNewFile(m_dir));
    }
}

// A window saves only over the file it loaded: whatever another program did to the file in
// between, the save writes nothing and says so, so that the window can offer to merge.
TEST_F(AbbrSaveTest, ASaveOverAFileAnotherProgramChangedWritesNothing) {
    const std::string kOther = DataBytes().Int(1).Record("OTH", "Old record").Bytes();
    struct Case {
        const char* szName;
        bool bFileAtLoad;
        // What another program does after the load; empty leaves the file alone.
        std::function<void(const std::string&)> change;
        bool bChanged;
    };
    const Case cases[] = {
        {"nothing happened", true, nullptr, false},
        {"nothing happened to a file that was not there", false, nullptr, false},
        {"replaced with other records", true,
         [&](const std::string& szPath) { TempDir::WriteAll(szPath, kOther + "x"); }, true},
        {"rewritten in place to the same size and its time put back", true,
         [&](const std::string& szPath) {
             struct stat st {};
             ::stat(szPath.c_str(), &st);
             std::FILE* fp = std::fopen(szPath.c_str(), "r+b");
             std::fwrite(kOther.data(), 1, kOther.size(), fp);
             std::fclose(fp);
             const timespec times[2] = {st.st_atim, st.st_mtim};
             ::utimensat(AT_FDCWD, szPath.c_str(), times, 0);
         },
         true},
        {"made where there was none", false,
         [&](const std::string& szPath) { TempDir::WriteAll(szPath, kOther); }, true},
        {"removed", true, [](const std::string& szPath) { fs::remove(szPath); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempDir dir;
        const std::string szPath = dir.Path("quorvane.dat");
        if (c.bFileAtLoad) TempDir::WriteAll(szPath, kOld);
        CxList loaded;
        const io::FileStamp stamp = AbbrData(m_file).LoadData(szPath, loaded, nullptr).stamp;
        AbbrStore(loaded).ClearData();
        if (c.change) c.change(szPath);
        const std::string szBefore = TempDir::ReadAll(szPath);

        const AbbrData::SaveResult result =
            AbbrData(m_file).SaveData(szPath, m_list, AbbrData::SaveOptions{false, &stamp});
        EXPECT_EQ(result.bChangedByOther, c.bChanged);
        EXPECT_EQ(result.bSaved, !c.bChanged) << result.szError;
        if (c.bChanged) {
            EXPECT_EQ(result.szError, "Nothing was saved: another program saved \"" + szPath +
                                          "\" after it was loaded here.");
            EXPECT_EQ(TempDir::ReadAll(szPath), szBefore);
        } else {
            // The stamp of what was saved serves the next save.
            EXPECT_EQ(result.stamp, io::FileStamp::OfWholeFile(szPath));
        }
    }
}

}  // namespace
