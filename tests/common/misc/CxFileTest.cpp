#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/misc/CxFile.h"
#include "tests/common/misc/TempDir.h"

namespace {

std::string Le(std::int32_t n) {
    const auto u = static_cast<std::uint32_t>(n);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

class CxFileTest : public ::testing::Test {
protected:
    // Opens a file holding the given bytes for reading.
    void OpenWith(const std::string& szBytes) {
        TempDir::WriteAll(m_szPath, szBytes);
        ASSERT_TRUE(m_file.Open(m_szPath.c_str(), "rb"));
    }

    TempDir m_dir;
    std::string m_szPath = m_dir.Path("file.bin");
    CxFile m_file;
};

TEST_F(CxFileTest, OpenRefusesMissingArgumentsAndMissingFiles) {
    const std::string szMissing = m_dir.Path("missing.bin");
    struct Case {
        const char* szPath;
        const char* szMode;
    };
    for (const Case c : {Case{nullptr, "rb"}, Case{"", "rb"}, Case{m_szPath.c_str(), nullptr},
                         Case{m_szPath.c_str(), ""}, Case{szMissing.c_str(), "rb"}}) {
        EXPECT_FALSE(m_file.Open(c.szPath, c.szMode));
        EXPECT_FALSE(m_file.IsOpen());
    }
    EXPECT_TRUE(m_file.Close());
}

TEST_F(CxFileTest, WritesLittleEndianIntegersAndUnterminatedStrings) {
    ASSERT_TRUE(m_file.Open(m_szPath.c_str(), "wb"));
    EXPECT_TRUE(m_file.WriteInt(1));
    EXPECT_TRUE(m_file.WriteInt(-2));
    EXPECT_TRUE(m_file.WriteInt(0x12345678));
    EXPECT_TRUE(m_file.WriteString(nullptr));
    EXPECT_TRUE(m_file.WriteString(""));
    EXPECT_TRUE(m_file.WriteString("ABC"));
    const char szUnterminated[4] = {'W', 'X', 'Y', 'Z'};
    EXPECT_TRUE(m_file.WriteString(szUnterminated, 3));
    EXPECT_TRUE(m_file.Close());
    EXPECT_FALSE(m_file.IsOpen());

    const std::string szExpected = std::string("\x01\0\0\0", 4) + "\xFE\xFF\xFF\xFF" +
                                   "\x78\x56\x34\x12" + std::string(8, '\0') +
                                   std::string("\x03\0\0\0", 4) + "ABC" +
                                   std::string("\x03\0\0\0", 4) + "WXY";
    EXPECT_EQ(TempDir::ReadAll(m_szPath), szExpected);
}

TEST_F(CxFileTest, ReadStringHonoursTheLengthAndTheBuffer) {
    struct Case {
        const char* szName;
        std::string szBytes;
        bool bResult;
        std::int32_t nLen;     // stored to pnLen; -99 when none was read
        const char* szBuffer;  // the 8-byte buffer afterwards, first filled with 'z'
        std::size_t nLeft;     // bytes the stream still holds
    };
    const Case cases[] = {
        {"three bytes", Le(3) + "ABCrest", true, 3, "ABC", 4},
        {"full field", Le(7) + "ABCDEFG", true, 7, "ABCDEFG", 0},
        {"zero length", Le(0) + "next", true, 0, "zzzzzzz", 4},
        {"negative length", Le(-5) + "next", true, -5, "zzzzzzz", 4},
        {"longer than the buffer", Le(8) + "ABCDEFGH", false, 8, "zzzzzzz", 8},
        {"huge length", Le(0x7FFFFFFF) + "AB", false, 0x7FFFFFFF, "zzzzzzz", 2},
        {"cut inside the bytes", Le(5) + "AB", false, 5, "AB", 0},
        {"cut inside the length", std::string("\x03\0", 2), false, -99, "zzzzzzz", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        OpenWith(c.szBytes);
        char szBuf[8];
        std::memset(szBuf, 'z', sizeof szBuf);
        szBuf[7] = '\0';
        std::int32_t nLen = -99;
        EXPECT_EQ(m_file.ReadString(szBuf, &nLen), c.bResult);
        EXPECT_EQ(nLen, c.nLen);
        EXPECT_STREQ(szBuf, c.szBuffer);
        EXPECT_EQ(m_file.SkipToEnd(), c.nLeft);
        m_file.Close();
    }
}

TEST_F(CxFileTest, ReadIntIsLittleEndianAndFailsWhenCutShort) {
    OpenWith(Le(-2) + Le(0x12345678) + "\x01\x02");
    std::int32_t nValue = 0;
    EXPECT_TRUE(m_file.ReadInt(&nValue));
    EXPECT_EQ(nValue, -2);
    EXPECT_TRUE(m_file.ReadInt(&nValue));
    EXPECT_EQ(nValue, 0x12345678);
    EXPECT_FALSE(m_file.AtEnd());
    EXPECT_FALSE(m_file.ReadInt(&nValue));
    EXPECT_EQ(nValue, 0x12345678);
    EXPECT_TRUE(m_file.AtEnd());
    EXPECT_FALSE(m_file.HasError());
}

TEST_F(CxFileTest, AtEndPeeksWithoutConsuming) {
    OpenWith("AB");
    EXPECT_FALSE(m_file.AtEnd());
    EXPECT_FALSE(m_file.AtEnd());
    EXPECT_EQ(m_file.SkipToEnd(), 2u);
    EXPECT_TRUE(m_file.AtEnd());
}

TEST_F(CxFileTest, AFullDeviceFailsTheFlush) {
    ASSERT_TRUE(m_file.Open("/dev/full", "wb"));
    m_file.WriteInt(7);
    EXPECT_FALSE(m_file.Flush());
    m_file.Close();
}

TEST_F(CxFileTest, ReadingADirectoryIsAnErrorNotAnEnd) {
    ASSERT_TRUE(m_file.Open(m_dir.Root().c_str(), "rb"));
    EXPECT_FALSE(m_file.AtEnd());
    std::int32_t nValue = 0;
    EXPECT_FALSE(m_file.ReadInt(&nValue));
    EXPECT_TRUE(m_file.HasError());
}

TEST(CxFileDeathTest, OperationsWithoutAnOpenStreamAreProgrammingErrors) {
    CxFile file;
    char szBuf[8];
    std::int32_t nValue = 0;
    EXPECT_DEATH(file.ReadString(szBuf), "Assertion failed: m_fp&&szBuf");
    EXPECT_DEATH(file.ReadInt(&nValue), "Assertion failed: m_fp && piVal");
    EXPECT_DEATH(file.WriteInt(1), "Assertion failed: m_fp");
    EXPECT_DEATH(file.WriteString("A"), "Assertion failed: m_fp");
}

TEST(CxFileDeathTest, NullDestinationsAreProgrammingErrors) {
    TempDir dir;
    TempDir::WriteAll(dir.Path("f"), Le(1) + "A");
    CxFile file;
    ASSERT_TRUE(file.Open(dir.Path("f").c_str(), "rb"));
    EXPECT_DEATH(file.ReadString(nullptr, 8), "Assertion failed: m_fp&&szBuf");
    EXPECT_DEATH(file.ReadInt(nullptr), "Assertion failed: m_fp && piVal");
    EXPECT_DEATH(file.Open(dir.Path("f").c_str(), "rb"), "Assertion failed: !m_fp");
}

}  // namespace
