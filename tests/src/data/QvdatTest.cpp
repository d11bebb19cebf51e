#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "src/AbbrData.h"
#include "tests/common/misc/TempDir.h"
#include "tests/src/data/DataBytes.h"

namespace {

struct RunResult {
    int nStatus;
    std::string szOut;
    std::string szErr;
};

class QvdatTest : public ::testing::Test {
protected:
    // Runs qvdat with arguments that need no quoting and collects what it printed.
    RunResult Run(const std::string& szArgs) {
        const std::string szCommand = std::string(QVDAT_PATH) + " " + szArgs + " >" +
                                      m_dir.Path("stdout") + " 2>" + m_dir.Path("stderr");
        const int nStatus = std::system(szCommand.c_str());
        return {WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1,
                TempDir::ReadAll(m_dir.Path("stdout")), TempDir::ReadAll(m_dir.Path("stderr"))};
    }
    std::string Write(const std::string& szName, const std::string& szBytes) {
        TempDir::WriteAll(m_dir.Path(szName), szBytes);
        return m_dir.Path(szName);
    }

    TempDir m_dir;
};

TEST_F(QvdatTest, ExportThenImportGivesTheSameBytes) {
    CxList list;
    AbbrStore store(list);
    AbbrInfo tricky =
        MakeInfo("A\tB\\", "line one\nline two\r\\n", static_cast<std::int32_t>(0x80000003));
    std::strcpy(tricky.szSample, "tab\there \xE4\xFF");
    tricky.nReserved[0] = -1;
    tricky.nReserved[3] = 42;
    std::strcpy(tricky.szReserved[0], "\t");
    std::strcpy(tricky.szReserved[1], "\\");
    std::strcpy(tricky.szReserved[3], "\xFF");
    AbbrInfo plain = MakeInfo("CRT", "Create", AbbrFlagCommand);
    AbbrInfo full = MakeInfo("ZZZZZZZ", std::string(255, 'm'));
    for (AbbrInfo* p : {&tricky, &plain, &full}) store.InsertInfo(p);
    CxFile file;
    ASSERT_TRUE(AbbrData(file).SaveData(m_dir.Path("a.dat"), list).bSaved);
    store.ClearData();

    const RunResult exported = Run("export " + m_dir.Path("a.dat"));
    ASSERT_EQ(exported.nStatus, 0) << exported.szErr;
    EXPECT_EQ(std::count(exported.szOut.begin(), exported.szOut.end(), '\n'), 3);
    Write("a.tsv", exported.szOut);
    const RunResult imported = Run("import " + m_dir.Path("a.tsv") + " " + m_dir.Path("b.dat"));
    ASSERT_EQ(imported.nStatus, 0) << imported.szErr;
    EXPECT_EQ(TempDir::ReadAll(m_dir.Path("b.dat")), TempDir::ReadAll(m_dir.Path("a.dat")));
}

TEST_F(QvdatTest, ExportPrintsOneEscapedLinePerRecordInFileOrder) {
    const std::string szPath =
        Write("x.dat", DataBytes()
                           .Int(2)
                           .Record("CRT", "Create\tit", "CRTLIB", 1, {0, 0, 0, 7})
                           .Record("ADD", "Add", "", -5, {1, 2, 3, 4}, {"a", "", "\\", "z"})
                           .Bytes());
    const RunResult result = Run("export " + szPath);
    EXPECT_EQ(result.nStatus, 0);
    EXPECT_EQ(result.szOut,
              "CRT\tCreate\\tit\tCRTLIB\t1\t0\t0\t0\t7\t\t\t\t\n"
              "ADD\tAdd\t\t-5\t1\t2\t3\t4\ta\t\t\\\\\tz\n");
}

TEST_F(QvdatTest, ImportSortsByTitleAsTheListWould) {
    const std::string szText = Write("in.tsv",
                                     "CRT\tCreate\t\t1\t0\t0\t0\t0\t\t\t\t\r\n"
                                     "\n"
                                     "ADD\tAdd\t\t3\t0\t0\t0\t0\t\t\t\t\n");
    ASSERT_EQ(Run("import " + szText + " " + m_dir.Path("out.dat")).nStatus, 0);
    EXPECT_EQ(
        TempDir::ReadAll(m_dir.Path("out.dat")),
        DataBytes().Int(2).Record("ADD", "Add", "", 3).Record("CRT", "Create", "", 1).Bytes());
}

TEST_F(QvdatTest, ImportRefusesBadLinesByNumberAndWritesNothing) {
    const std::string kGood = "ADD\tAdd\t\t0\t0\t0\t0\t0\t\t\t\t\n";
    struct Case {
        std::string szSecondLine;
        std::string szError;
    };
    const Case cases[] = {
        {"\tNo title\t\t0\t0\t0\t0\t0\t\t\t\t", ":2: the title is empty"},
        {"ADD\tAgain\t\t0\t0\t0\t0\t0\t\t\t\t",
         ":2: the title \"ADD\" was already given on line 1"},
        {"ABCDEFGH\tx\t\t0\t0\t0\t0\t0\t\t\t\t",
         ":2: the title is 8 bytes long; its field holds at most 7"},
        {"CRT\t" + std::string(256, 'm') + "\t\t0\t0\t0\t0\t0\t\t\t\t",
         ":2: the meaning is 256 bytes long; its field holds at most 255"},
        {"CRT\tx\t\t0\t0\t0\t0\t0\t\tab\t\t",
         ":2: the second reserved string is 2 bytes long; its field holds at most 1"},
        {"CRT\tx\t\t0\t0\t0\t0\t0", ":2: expected 12 tab-separated fields, found 8"},
        {"CRT\tx\t\t3x\t0\t0\t0\t0\t\t\t\t",
         ":2: the flags \"3x\" is not a 32-bit decimal integer"},
        {"CRT\tx\t\t2147483648\t0\t0\t0\t0\t\t\t\t",
         ":2: the flags \"2147483648\" is not a 32-bit decimal integer"},
        {"CRT\tbad \\q\t\t0\t0\t0\t0\t0\t\t\t\t", ":2: the meaning: unknown escape \\q"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szError);
        const std::string szText = Write("in.tsv", kGood + c.szSecondLine + "\n");
        const RunResult result = Run("import " + szText + " " + m_dir.Path("out.dat"));
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_NE(result.szErr.find(szText + c.szError), std::string::npos) << result.szErr;
        EXPECT_FALSE(std::filesystem::exists(m_dir.Path("out.dat")));
    }
}

TEST_F(QvdatTest, CheckReportsOrderTitlesAndDamage) {
    struct Case {
        const char* szName;
        std::string szBytes;
        int nStatus;
        std::vector<std::string> findings;
    };
    const Case cases[] = {
        {"clean",
         DataBytes().Int(2).Record("ADD").Record("CRT").Bytes(),
         0,
         {": count 2, 2 records read", ": no problems found"}},
        {"titles",
         DataBytes().Int(4).Record("CRT").Record("ADD").Record("").Record("ADD").Bytes(),
         1,
         {": record 2: title \"ADD\" is out of order: it sorts before \"CRT\" of the record before "
          "it",
          ": record 3: empty title", ": record 4: duplicate title \"ADD\" (first at record 2)"}},
        {"damaged",
         DataBytes().Int(2).Record("ADD").Record("ABCDEFGHIJ").Bytes(),
         1,
         {": count 2, 1 records read",
          ": damaged: record 2 of 2: its title is stored as 10 bytes, more than the 7 its field "
          "holds"}},
        {"trailing bytes",
         DataBytes().Int(1).Record("ADD").Raw("xyz").Bytes(),
         1,
         {": damaged: 3 bytes after the last record"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const std::string szPath = Write("c.dat", c.szBytes);
        const RunResult result = Run("check " + szPath);
        EXPECT_EQ(result.nStatus, c.nStatus) << result.szErr;
        for (const std::string& szFinding : c.findings) {
            EXPECT_NE(result.szOut.find(szPath + szFinding), std::string::npos) << result.szOut;
        }
        EXPECT_EQ(result.szErr.empty(), c.nStatus == 0) << result.szErr;
    }
}

TEST_F(QvdatTest, WrongUsageAndMissingFilesFailWithAReason) {
    struct Case {
        std::string szArgs;
        int nStatus;
        std::string szError;
    };
    const Case cases[] = {
        {"", 2, "no command given"},
        {"frob x", 2, "unknown command 'frob'"},
        {"export a b", 2, "wrong number of arguments for export"},
        {"import a b c", 2, "wrong number of arguments for import"},
        {"where x", 2, "wrong number of arguments for where"},
        {"check a b", 2, "wrong number of arguments for check"},
        {"export " + m_dir.Path("missing.dat"), 1, "cannot open"},
        {"check " + m_dir.Path("missing.dat"), 1, "cannot open"},
        {"build " + m_dir.Path("missing.tsv") + " " + m_dir.Path("o.dat"), 1, "cannot open"},
        {"export " + Write("cut.dat", DataBytes().Int(5).Bytes()), 1,
         "is damaged: it holds only 0 of the 5"},
        {"check " + m_dir.Root().string(), 1,
         "cannot open " + m_dir.Root().string() + ": Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szArgs);
        const RunResult result = Run(c.szArgs);
        EXPECT_EQ(result.nStatus, c.nStatus);
        EXPECT_NE(result.szErr.find(c.szError), std::string::npos) << result.szErr;
    }
    const RunResult help = Run("--help");
    EXPECT_EQ(help.nStatus, 0);
    for (const char* szCommand : {"export [FILE.dat]", "import FILE.tsv [FILE.dat]",
                                  "check [FILE.dat]", "build SOURCE.tsv FILE.dat", "where"}) {
        EXPECT_NE(help.szOut.find(szCommand), std::string::npos) << szCommand;
    }
}

// A folder its user may write holds a portable copy: the tool reads and writes the data
// file beside itself, as the program does beside itself.
TEST_F(QvdatTest, WhereNamesTheFileBesideAWritableFolder) {
    if (::access(std::filesystem::path(QVDAT_PATH).parent_path().c_str(), W_OK) != 0)
        GTEST_SKIP() << "the tool's folder is not writable here";
    const std::string szBeside =
        (std::filesystem::path(QVDAT_PATH).parent_path() / "quorvane.dat").string();
    const RunResult result = Run("where");
    EXPECT_EQ(result.nStatus, 0) << result.szErr;
    EXPECT_EQ(result.szOut, "reads: " + szBeside + "\nsaves: " + szBeside + "\n");
}

// Output that never reached its file is a failure, not a success with nothing in it.
TEST_F(QvdatTest, OutputThatCannotBeWrittenFailsTheRun) {
    const std::string szData = Write("a.dat", DataBytes().Int(1).Record("ADD", "Add").Bytes());
    for (const char* szCommand : {"export ", "check ", "--help"}) {
        SCOPED_TRACE(szCommand);
        const std::string szArgs =
            std::string(szCommand) + (szCommand[0] == '-' ? std::string() : szData);
        const int nStatus = std::system(
            (std::string(QVDAT_PATH) + " " + szArgs + " >/dev/full 2>" + m_dir.Path("stderr"))
                .c_str());
        EXPECT_EQ(WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1, 1);
        EXPECT_NE(TempDir::ReadAll(m_dir.Path("stderr"))
                      .find("qvdat: cannot write the output: No space left on device"),
                  std::string::npos);
    }
}

TEST_F(QvdatTest, TheBuildStepTurnsTheSourceTableIntoASortedDataFile) {
    const RunResult result = Run(std::string("export ") + FIXTURE_DATA_FILE);
    ASSERT_EQ(result.nStatus, 0) << result.szErr;
    EXPECT_EQ(result.szOut,
              "ALL\tEverything\t\t0\t0\t0\t0\t0\t\t\t\t\n"
              "CRT\tCreate\tCRTLIB\t1\t0\t0\t0\t0\t\t\t\t\n"
              "LIB\tLibrary\tCRTLIB LIB(MYLIB)\t3\t0\t0\t0\t0\t\t\t\t\n"
              "OBJ\tObject\tOBJ(QGPL/X)\t2\t0\t0\t0\t0\t\t\t\t\n");
}

TEST_F(QvdatTest, BuildRefusesBadSourceLinesAndKeepsTheOldFile) {
    const std::string kHeader = "title\tmeaning\tsample\tcommand\tkeyword\tsource\n";
    struct Case {
        std::string szSource;
        std::string szError;
    };
    const Case cases[] = {
        {"", ":1: expected the header line"},
        {"ADD\tAdd\t\t1\t0\n", ":1: expected the header line"},
        {kHeader + "crt\tCreate\t\t1\t0\tx\n", ":2: the title \"crt\" is not in upper case"},
        {kHeader + "CRT\tCreate\t\t2\t0\tx\n",
         ":2: the command column is \"2\"; it must be 0 or 1"},
        {kHeader + "CRT\tCreate\t\t1\tyes\tx\n",
         ":2: the keyword column is \"yes\"; it must be 0 or 1"},
        {kHeader + "CRT\tCreate\t\t1\t0\tx\nCRT\tAgain\t\t1\t0\tx\n",
         ":3: the title \"CRT\" was already given on line 2"},
        {kHeader + "\tNothing\t\t1\t0\tx\n", ":2: the title is empty"},
        {kHeader + "CRTCRTCRT\tCreate\t\t1\t0\tx\n", ":2: the title is 9 bytes long"},
        {kHeader + "CRT\tCreate\t\t1\t0\n", ":2: expected 6 tab-separated fields, found 5"},
    };
    const std::string szData = Write("out.dat", "old");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szError);
        const std::string szSource = Write("src.tsv", c.szSource);
        const RunResult result = Run("build " + szSource + " " + szData);
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_NE(result.szErr.find(szSource + c.szError), std::string::npos) << result.szErr;
        EXPECT_EQ(TempDir::ReadAll(szData), "old");
    }
}

}  // namespace
