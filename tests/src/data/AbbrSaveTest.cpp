#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

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
        {"the disk is full",
         [this](const TempDir& dir) {
             TempDir::WriteAll(dir.Path("quorvane.dat"), kOld);
             fs::create_symlink("/dev/full", dir.Path("quorvane.dat.new"));
             return dir.Path("quorvane.dat");
         },
         "No space left on device"},
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
        EXPECT_FALSE(fs::exists(fs::symlink_status(szPath + ".new")))
            << "the unfinished file is removed";
    }
}

TEST_F(AbbrSaveTest, AReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string szPath = m_dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath, kOld);
    ::chmod(m_dir.Root().c_str(), 0555);
    const AbbrData::SaveResult result = Save(szPath);
    ::chmod(m_dir.Root().c_str(), 0755);
    EXPECT_FALSE(result.bSaved);
    EXPECT_NE(result.szError.find("Permission denied"), std::string::npos) << result.szError;
    EXPECT_EQ(TempDir::ReadAll(szPath), kOld);
}

}  // namespace
