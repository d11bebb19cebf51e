#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "src/AbbrData.h"
#include "tests/common/misc/TempDir.h"
#include "tests/src/data/DataBytes.h"

namespace {

class AbbrDataTest : public ::testing::Test {
protected:
    ~AbbrDataTest() override { AbbrStore(m_list).ClearData(); }

    AbbrData::ReadResult Load(const std::string& szBytes) {
        TempDir::WriteAll(m_szPath, szBytes);
        m_rejected.clear();
        return AbbrData(m_file).LoadData(
            m_szPath, m_list, [this](const InsertResult& r) { m_rejected.push_back(r.szMessage); });
    }
    std::string Save() {
        const AbbrData::SaveResult result = AbbrData(m_file).SaveData(m_szPath, m_list);
        EXPECT_TRUE(result.bSaved) << result.szError;
        return TempDir::ReadAll(m_szPath);
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (void* p = m_list.GetFirst(); p; p = m_list.GetNext())
            titles.emplace_back(static_cast<AbbrInfo*>(p)->szTitle);
        return titles;
    }
    AbbrInfo* Insert(AbbrInfo info) { return AbbrStore(m_list).InsertInfo(&info).pInfo; }

    TempDir m_dir;
    std::string m_szPath = m_dir.Path("quorvane.dat");
    CxFile m_file;
    CxList m_list;
    std::vector<std::string> m_rejected;
};

TEST_F(AbbrDataTest, SavedBytesFollowTheLayoutExactly) {
    EXPECT_EQ(Save(), std::string(4, '\0'));

    AbbrInfo info = MakeInfo("ABC", "Meaning", AbbrFlagKeyword);
    std::strcpy(info.szSample, "S");
    info.nReserved[0] = 1;
    info.nReserved[3] = -1;
    std::strcpy(info.szReserved[1], "x");
    Insert(info);
    const std::string szExpected = std::string("\x01\0\0\0", 4) +          // count
                                   std::string("\x03\0\0\0", 4) + "ABC" +  // title
                                   std::string("\x07\0\0\0", 4) + "Meaning" +
                                   std::string("\x01\0\0\0", 4) + "S" +
                                   std::string("\x02\0\0\0", 4) +  // flags
                                   std::string("\x01\0\0\0", 4) + std::string(8, '\0') +
                                   "\xFF\xFF\xFF\xFF" +  // reserved integers
                                   std::string(4, '\0') + std::string("\x01\0\0\0", 4) + "x" +
                                   std::string(8, '\0');  // reserved strings
    EXPECT_EQ(Save(), szExpected);
}

TEST_F(AbbrDataTest, BytesAfterAFieldsNulAreNotWritten) {
    AbbrInfo info = MakeInfo("AB", "Hi");
    std::strcpy(info.szInfo + 3, "left over");
    std::memset(info.szSample, 'q', sizeof info.szSample);  // a field without its NUL
    Insert(info);
    const std::string szExpected =
        DataBytes().Int(1).Record("AB", "Hi", std::string(255, 'q')).Bytes();
    EXPECT_EQ(Save(), szExpected);

    ASSERT_TRUE(Load(szExpected).IsWhole());
    const auto* pLoaded = static_cast<AbbrInfo*>(m_list.GetFirst());
    EXPECT_EQ(std::string(pLoaded->szInfo, sizeof pLoaded->szInfo), "Hi" + std::string(254, '\0'));
}

TEST_F(AbbrDataTest, UnsortedFileLoadsSortedAndSavesSorted) {
    const std::string szUnsorted = DataBytes()
                                       .Int(3)
                                       .Record("CRT", "Create", "", 1)
                                       .Record("ADD", "Add", "", 3)
                                       .Record("CHG", "Change", "", 2)
                                       .Bytes();
    const AbbrData::ReadResult result = Load(szUnsorted);
    EXPECT_TRUE(result.IsWhole());
    EXPECT_EQ(result.nCount, 3);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"ADD", "CHG", "CRT"}));
    EXPECT_EQ(Save(), DataBytes()
                          .Int(3)
                          .Record("ADD", "Add", "", 3)
                          .Record("CHG", "Change", "", 2)
                          .Record("CRT", "Create", "", 1)
                          .Bytes());
}

TEST_F(AbbrDataTest, RepeatedAndEmptyTitlesAreReportedAndSkipped) {
    const AbbrData::ReadResult result = Load(DataBytes()
                                                 .Int(4)
                                                 .Record("DLT", "first")
                                                 .Record("", "nameless")
                                                 .Record("DLT", "second")
                                                 .Record("DSP", "Display")
                                                 .Bytes());
    EXPECT_TRUE(result.IsWhole());
    EXPECT_EQ(result.nRead, 4u);
    EXPECT_EQ(m_rejected, (std::vector<std::string>{"Empty title found!",
                                                    "Duplicate information found : \"DLT\""}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"DLT", "DSP"}));
    EXPECT_STREQ(static_cast<AbbrInfo*>(m_list.GetFirst())->szInfo, "first");
}

TEST_F(AbbrDataTest, FlagBitsAndReservedFieldsSurviveLoadAndSave) {
    const std::string szFile =
        DataBytes()
            .Int(1)
            .Record("QSYS", "System", "QSYS/X", static_cast<std::int32_t>(0x80000107),
                    {1, -2, 0x7FFFFFFF, INT32_MIN}, {"A", "", "\xFF", "z"})
            .Bytes();
    ASSERT_TRUE(Load(szFile).IsWhole());
    const auto* pInfo = static_cast<AbbrInfo*>(m_list.GetFirst());
    EXPECT_EQ(pInfo->nFlag, static_cast<std::int32_t>(0x80000107));
    EXPECT_EQ(pInfo->nReserved[3], INT32_MIN);
    EXPECT_STREQ(pInfo->szReserved[2], "\xFF");
    EXPECT_EQ(Save(), szFile);
}

TEST_F(AbbrDataTest, ZeroAndNegativeLengthsAreEmptyFields) {
    const std::string szFile = DataBytes()
                                   .Int(1)
                                   .Str("CPY")
                                   .Int(-7)
                                   .Int(0)
                                   .Int(1)
                                   .Raw(std::string(16, '\0'))
                                   .Int(-1)
                                   .Int(0)
                                   .Int(INT32_MIN)
                                   .Int(0)
                                   .Bytes();
    const AbbrData::ReadResult result = Load(szFile);
    EXPECT_TRUE(result.IsWhole()) << result.szDamage;
    EXPECT_EQ(result.nTrailingBytes, 0u);
    const auto* pInfo = static_cast<AbbrInfo*>(m_list.GetFirst());
    ASSERT_NE(pInfo, nullptr);
    EXPECT_EQ(pInfo->szInfo[0], '\0');
    EXPECT_EQ(pInfo->szSample[0], '\0');
    EXPECT_EQ(pInfo->nFlag, 1);
    EXPECT_EQ(Save(), DataBytes().Int(1).Record("CPY", "", "", 1).Bytes());
}

TEST_F(AbbrDataTest, EmptyMissingAndZeroCountFilesGiveAnEmptyList) {
    Insert(MakeInfo("OLD"));
    AbbrData::ReadResult result = Load("");
    EXPECT_TRUE(result.IsWhole());
    EXPECT_EQ(m_list.GetCount(), 0u);

    result = Load(std::string(4, '\0'));
    EXPECT_TRUE(result.IsWhole());
    EXPECT_EQ(result.nCount, 0);

    Insert(MakeInfo("OLD"));
    result = AbbrData(m_file).LoadData(m_dir.Path("missing.dat"), m_list, nullptr);
    EXPECT_FALSE(result.bOpened);
    EXPECT_TRUE(result.bMissing);
    EXPECT_FALSE(result.IsUnreadable());
    EXPECT_TRUE(result.szDamage.empty());
    EXPECT_TRUE(result.DamageMessage("x").empty());
    EXPECT_EQ(m_list.GetCount(), 0u);
    EXPECT_FALSE(m_file.IsOpen());
}

// Bytes after the counted records may be records a wrong count leaves out: damage, so that
// the next save keeps the old file instead of dropping them.
TEST_F(AbbrDataTest, BytesAfterTheLastRecordAreCountedAsDamage) {
    const AbbrData::ReadResult result = Load(DataBytes().Int(1).Record("A").Raw("junk").Bytes());
    EXPECT_FALSE(result.IsWhole());
    EXPECT_EQ(result.nTrailingBytes, 4u);
    EXPECT_EQ(m_list.GetCount(), 1u);
}

TEST(AbbrDataDeathTest, NullRecordsAreProgrammingErrors) {
    CxFile file;
    AbbrData data(file);
    EXPECT_DEATH(data.ReadInfo(nullptr), "Assertion failed: pInfo");
    EXPECT_DEATH(data.WriteInfo(nullptr), "Assertion failed: pInfo");
}

TEST(AbbrDataPath, DataFileLiesBesideTheExecutable) {
    std::string szPath;
    ASSERT_TRUE(AbbrData::GetDataFilePath(&szPath));
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(szPath, (exe.parent_path() / "quorvane.dat").string());
    EXPECT_FALSE(AbbrData::GetDataFilePath(nullptr));
}

}  // namespace
