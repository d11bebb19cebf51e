#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "src/AbbrData.h"
#include "tests/common/misc/TempDir.h"
#include "tests/src/data/DataBytes.h"

namespace {

const std::string kFirst =
    DataBytes().Record("ADD", "Add", "ADDLIBLE", 1, {1, 2, 3, 4}, {"a", "b", "c", "d"}).Bytes();
const std::string kSecond =
    DataBytes().Record("CRT", "Create", "CRTLIB", 1, {5, 6, 7, 8}, {"e", "f", "g", "h"}).Bytes();
const std::string kWhole = DataBytes().Int(2).Raw(kFirst).Raw(kSecond).Bytes();

class AbbrDamageTest : public ::testing::Test {
protected:
    ~AbbrDamageTest() override { AbbrStore(m_list).ClearData(); }

    AbbrData::ReadResult Load(const std::string& szBytes) {
        TempDir::WriteAll(m_szPath, szBytes);
        AbbrData::ReadResult result = AbbrData(m_file).LoadData(m_szPath, m_list, nullptr);
        EXPECT_FALSE(m_file.IsOpen());
        EXPECT_EQ(TempDir::ReadAll(m_szPath), szBytes) << "a damaged file must be left as it is";
        return result;
    }

    TempDir m_dir;
    std::string m_szPath = m_dir.Path("quorvane.dat");
    CxFile m_file;
    CxList m_list;
};

TEST_F(AbbrDamageTest, DamageStopsLoadingKeepsWholeRecordsAndSaysWhere) {
    // The second record as far as the file goes, or with one field stored too long.
    const DataBytes second = DataBytes().Str("CRT").Str("Create").Str("CRTLIB");
    const std::string szInts = DataBytes().Int(1).Int(5).Int(6).Int(7).Int(8).Bytes();
    struct Case {
        const char* szName;
        std::string szBytes;
        std::uint32_t nRead;
        std::string szDamage;
    };
    const Case cases[] = {
        {"cut inside the count", "\x02\x00", 0, "the file ends inside its record count"},
        {"negative count", DataBytes().Int(-1).Raw(kFirst).Bytes(), 0, "its record count is -1"},
        {"count one too many", DataBytes().Int(3).Raw(kFirst).Raw(kSecond).Bytes(), 2,
         "it holds only 2 of the 3 records its count announces"},
        {"absurd count", DataBytes().Int(0x7FFFFFFF).Raw(kFirst).Bytes(), 1,
         "it holds only 1 of the 2147483647 records its count announces"},
        {"cut inside the title", DataBytes().Int(2).Raw(kFirst).Int(3).Raw("C").Bytes(), 1,
         "record 2 of 2: the file ends inside its title"},
        {"cut inside the meaning",
         DataBytes().Int(2).Raw(kFirst).Str("CRT").Int(6).Raw("Cr").Bytes(), 1,
         "record 2 of 2: the file ends inside its meaning"},
        {"cut inside the sample", DataBytes().Int(2).Raw(kFirst).Str("CRT").Str("Create").Bytes(),
         1, "record 2 of 2: the file ends inside its sample"},
        {"cut inside the flags",
         DataBytes().Int(2).Raw(kFirst).Raw(second.Bytes()).Raw("\x01").Bytes(), 1,
         "record 2 of 2: the file ends inside its flags"},
        {"cut inside a reserved integer",
         DataBytes().Int(2).Raw(kFirst).Raw(second.Bytes()).Int(1).Int(5).Raw("\x06\x00").Bytes(),
         1, "record 2 of 2: the file ends inside its second reserved integer"},
        {"cut inside a reserved string",
         DataBytes()
             .Int(2)
             .Raw(kFirst)
             .Raw(second.Bytes())
             .Raw(szInts)
             .Str("e")
             .Str("f")
             .Str("g")
             .Int(1)
             .Bytes(),
         1, "record 2 of 2: the file ends inside its fourth reserved string"},
        {"title too long", DataBytes().Int(2).Raw(kFirst).Record("ABCDEFGH").Bytes(), 1,
         "record 2 of 2: its title is stored as 8 bytes, more than the 7 its field holds"},
        {"meaning too long",
         DataBytes().Int(2).Raw(kFirst).Record("CRT", std::string(256, 'm')).Bytes(), 1,
         "record 2 of 2: its meaning is stored as 256 bytes, more than the 255 its field holds"},
        {"sample too long",
         DataBytes().Int(2).Raw(kFirst).Record("CRT", "", std::string(300, 's')).Bytes(), 1,
         "record 2 of 2: its sample is stored as 300 bytes, more than the 255 its field holds"},
        {"reserved string too long",
         DataBytes().Int(2).Raw(kFirst).Record("CRT", "", "", 0, {}, {"", "", "ab", ""}).Bytes(), 1,
         "record 2 of 2: its third reserved string is stored as 2 bytes, more than the 1 its field "
         "holds"},
        {"length beyond the file",
         DataBytes().Int(2).Raw(kFirst).Str("CRT").Int(0x7FFFFFFF).Raw("xy").Bytes(), 1,
         "record 2 of 2: its meaning is stored as 2147483647 bytes, more than the 255 its field "
         "holds"},
        {"count lower than the records that follow",
         DataBytes().Int(1).Raw(kFirst).Raw(kSecond).Bytes(), 1,
         std::to_string(kSecond.size()) +
             " bytes after the last record that its count of 1 announces: records the count "
             "leaves out, or other damage"},
        {"length beyond the file but within the field",
         DataBytes().Int(2).Raw(kFirst).Str("CRT").Int(200).Raw("xy").Bytes(), 1,
         "record 2 of 2: the file ends inside its meaning"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const AbbrData::ReadResult result = Load(c.szBytes);
        EXPECT_TRUE(result.bOpened);
        EXPECT_FALSE(result.IsWhole());
        EXPECT_EQ(result.szDamage, c.szDamage);
        EXPECT_EQ(result.nRead, c.nRead);
        EXPECT_EQ(m_list.GetCount(), c.nRead);
        if (c.nRead > 0) {
            EXPECT_STREQ(static_cast<AbbrInfo*>(m_list.GetFirst())->szTitle, "ADD");
        }
    }
}

TEST_F(AbbrDamageTest, EveryCutOfAWholeFileIsReportedAndNeverHalfLoaded) {
    const std::size_t nFirstEnd = 4 + kFirst.size();
    for (std::size_t nCut = 1; nCut < kWhole.size(); ++nCut) {
        SCOPED_TRACE(nCut);
        const AbbrData::ReadResult result = Load(kWhole.substr(0, nCut));
        EXPECT_FALSE(result.szDamage.empty());
        const std::uint32_t nWhole = nCut >= nFirstEnd ? 1 : 0;
        EXPECT_EQ(result.nRead, nWhole);
        EXPECT_EQ(m_list.GetCount(), nWhole);
    }
    EXPECT_TRUE(Load(kWhole).IsWhole());
    EXPECT_EQ(m_list.GetCount(), 2u);
}

TEST_F(AbbrDamageTest, FieldsFilledToTheirWidthAreNotDamage) {
    const AbbrData::ReadResult result =
        Load(DataBytes()
                 .Int(1)
                 .Record("ABCDEFG", std::string(255, 'm'), std::string(255, 's'), 0, {},
                         {"a", "b", "c", "d"})
                 .Bytes());
    EXPECT_TRUE(result.IsWhole()) << result.szDamage;
    const auto* pInfo = static_cast<AbbrInfo*>(m_list.GetFirst());
    ASSERT_NE(pInfo, nullptr);
    EXPECT_STREQ(pInfo->szTitle, "ABCDEFG");
    EXPECT_EQ(std::string(pInfo->szSample), std::string(255, 's'));
    EXPECT_STREQ(pInfo->szReserved[3], "d");
}

TEST_F(AbbrDamageTest, TheWindowsMessageNamesTheFileWhatWasWrongAndWhatWasKept) {
    AbbrData::ReadResult result = Load(DataBytes().Int(2).Raw(kFirst).Bytes());
    EXPECT_EQ(result.DamageMessage("/x/quorvane.dat"),
              "The data file \"/x/quorvane.dat\" is damaged: it holds only 1 of the 2 records its "
              "count announces. The record before the damage was loaded; the file was left as it "
              "is.");
    result = Load("\x01");
    EXPECT_EQ(result.DamageMessage("q.dat"),
              "The data file \"q.dat\" is damaged: the file ends inside its record count. No "
              "records were loaded; the file was left as it is.");
}

TEST_F(AbbrDamageTest, ADirectoryInPlaceOfTheFileIsReportedAsUnreadable) {
    AbbrData::ReadResult result = AbbrData(m_file).LoadData(m_dir.Root().string(), m_list, nullptr);
    EXPECT_TRUE(result.IsUnreadable());
    EXPECT_EQ(result.szOpenError, "Is a directory");
    EXPECT_FALSE(m_file.IsOpen());
}

// Only a regular file is read: a pipe in its place would hold the program up until someone
// wrote to it, which nobody does.
TEST_F(AbbrDamageTest, WhatIsNotARegularFileIsUnreadableAndNeverWaitedFor) {
    const std::string szFifo = m_dir.Path("fifo.dat");
    ASSERT_EQ(::mkfifo(szFifo.c_str(), 0600), 0);
    // Ends the test program, a failure, instead of waiting for ever.
    ::alarm(60);
    const AbbrData::ReadResult result = AbbrData(m_file).LoadData(szFifo, m_list, nullptr);
    ::alarm(0);
    EXPECT_TRUE(result.IsUnreadable());
    EXPECT_FALSE(result.bMissing);
    EXPECT_EQ(result.UnreadableMessage("q.dat"),
              "The data file cannot be read: it is not a regular file. The list is empty, and "
              "saving is refused so that \"q.dat\" is not written over.");
    EXPECT_FALSE(m_file.IsOpen());
}

// A count of two thousand million over a file of zeros: every record is refused for its
// empty title, and none of them may take a heap record while the rest are read.
TEST_F(AbbrDamageTest, MemoryFollowsTheFilesSizeNotItsCount) {
    constexpr std::size_t kSize = 8 << 20;
    const std::string szPath = m_dir.Path("zeros.dat");
    {
        std::FILE* fp = std::fopen(szPath.c_str(), "wb");
        ASSERT_NE(fp, nullptr);
        std::fwrite(DataBytes().Int(0x7FFFFFFF).Bytes().data(), 1, 4, fp);
        std::fclose(fp);
        ASSERT_EQ(::truncate(szPath.c_str(), kSize), 0);
    }
    const std::size_t nBefore = ::mallinfo2().uordblks;
    std::size_t nPeak = 0;
    AbbrData::Refusals refusals;
    const AbbrData::ReadResult result =
        AbbrData(m_file).LoadData(szPath, m_list, [&](const InsertResult& refused) {
            if (refusals.Count() == 0) nPeak = ::mallinfo2().uordblks;
            refusals.Add(refused);
        });
    EXPECT_EQ(result.nRead, (kSize - 4) / 48);
    EXPECT_EQ(refusals.Count(), result.nRead);
    EXPECT_EQ(m_list.GetCount(), 0u);
    EXPECT_LT(nPeak - std::min(nPeak, nBefore), kSize) << "records held while reading";
}

TEST(AbbrRefusals, RefusedRecordsAreToldOnceWithACountAndTheFirstTitles) {
    const auto refuse = [](const std::vector<const char*>& titles) {
        AbbrData::Refusals refusals;
        AbbrInfo info{};
        for (const char* szTitle : titles) {
            std::strncpy(info.szTitle, szTitle, sizeof info.szTitle);
            refusals.Add(
                {szTitle[0] ? InsertOutcome::Duplicate : InsertOutcome::EmptyTitle, &info, ""});
        }
        return refusals.Message();
    };
    struct Case {
        std::vector<const char*> titles;
        std::string szMessage;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, "1 record was not loaded: 1 has an empty title."},
        {{"ADD"}, "1 record was not loaded: 1 repeats a title already loaded (\"ADD\")."},
        {{"ADD", "ADD", "", "CRT", ""},
         "5 records were not loaded: 3 repeat titles already loaded (\"ADD\", \"CRT\"); 2 have "
         "an empty title."},
        {{"A", "B", "C", "D", "E", "F", "G"},
         "7 records were not loaded: 7 repeat titles already loaded (\"A\", \"B\", \"C\", \"D\", "
         "\"E\", ...)."},
        {{"ABCDEFG"}, "1 record was not loaded: 1 repeats a title already loaded (\"ABCDEFG\")."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szMessage);
        EXPECT_EQ(refuse(c.titles), c.szMessage);
    }
}

}  // namespace
