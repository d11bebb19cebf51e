// Two programs saving one data file at once, interleaved at the points where one save used
// to spoil the other: the second save must wait its turn and say so, and the first must end
// with its own records whole in place.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/io/FileFault.h"
#include "src/AbbrData.h"
#include "tests/common/misc/TempDir.h"
#include "tests/src/data/DataBytes.h"

namespace {

// A save in a child process that stops just before the step `at` until it is let go.
class StoppedSave {
public:
    StoppedSave(const std::string& szPath, const char* szTitle, io::FileStep at) {
        if (::pipe(m_stopped) != 0 || ::pipe(m_go) != 0) throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) _exit(Save(szPath, szTitle, at));
        char c = 0;
        m_bStopped = ::read(m_stopped[0], &c, 1) == 1;
    }
    ~StoppedSave() {
        if (m_pid > 0) Finish();
    }

    pid_t Pid() const { return m_pid; }
    bool Stopped() const { return m_bStopped; }
    // Lets the save go on and returns its exit status: 0 when it saved.
    int Finish() {
        (void)!::write(m_go[1], "g", 1);
        int nStatus = 0;
        ::waitpid(m_pid, &nStatus, 0);
        m_pid = -1;
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }

private:
    int Save(const std::string& szPath, const char* szTitle, io::FileStep at) {
        bool bHeld = false;
        io::ScopedFileStepHook hook([&](io::FileStep step) {
            if (step != at || bHeld) return;
            bHeld = true;
            char c = 0;
            (void)!::write(m_stopped[1], "s", 1);
            (void)!::read(m_go[0], &c, 1);
        });
        CxList list;
        AbbrInfo info = MakeInfo(szTitle, "saved by the first program");
        AbbrStore(list).InsertInfo(&info);
        CxFile file;
        const bool bSaved = AbbrData(file).SaveData(szPath, list).bSaved;
        AbbrStore(list).ClearData();
        return bSaved ? 0 : 1;
    }

    pid_t m_pid = -1;
    int m_stopped[2] = {-1, -1};
    int m_go[2] = {-1, -1};
    bool m_bStopped = false;
};

TEST(AbbrTwoWriters, ASecondSaveWaitsForTheFirstAndSaysWhoHoldsTheFile) {
    struct Case {
        const char* szName;
        io::FileStep at;
    };
    const Case cases[] = {
        {"the first holds the file and has written nothing", io::FileStep::Create},
        {"the first has written its new file but not put it in place", io::FileStep::Rename},
    };
    const std::string kOld = DataBytes().Int(1).Record("OLD", "Old record").Bytes();
    const std::string kFirst =
        DataBytes().Int(1).Record("FIRST", "saved by the first program").Bytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempDir dir;
        const std::string szPath = dir.Path("quorvane.dat");
        TempDir::WriteAll(szPath, kOld);

        StoppedSave first(szPath, "FIRST", c.at);
        ASSERT_TRUE(first.Stopped());
        CxList list;
        AbbrInfo info = MakeInfo("SECOND", "saved by the second program");
        AbbrStore(list).InsertInfo(&info);
        CxFile file;
        const AbbrData::SaveResult second = AbbrData(file).SaveData(szPath, list);
        EXPECT_FALSE(second.bSaved);
        EXPECT_TRUE(second.bBusy);
        EXPECT_EQ(second.szError, "The data file \"" + szPath +
                                      "\" was not saved: another "
                                      "program (process " +
                                      std::to_string(first.Pid()) +
                                      ") is saving it; try again when it has finished. The "
                                      "previous file is unchanged.");
        EXPECT_EQ(TempDir::ReadAll(szPath), kOld);

        EXPECT_EQ(first.Finish(), 0) << "the first save failed";
        EXPECT_EQ(TempDir::ReadAll(szPath), kFirst);
        // Its turn come, the second save goes through.
        EXPECT_TRUE(AbbrData(file).SaveData(szPath, list).bSaved);
        EXPECT_EQ(TempDir::ReadAll(szPath),
                  DataBytes().Int(1).Record("SECOND", "saved by the second program").Bytes());
        AbbrStore(list).ClearData();
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Root()), {}), 1)
            << "only the data file is left";
    }
}

// A save that died half way leaves its new file; the next save, holding the lock, knows no
// writer can still be at work on it and clears it away.
TEST(AbbrTwoWriters, ANewFileLeftByASaveThatDiedIsClearedByTheNext) {
    TempDir dir;
    const std::string szPath = dir.Path("quorvane.dat");
    TempDir::WriteAll(szPath + ".new-99999", "half");
    TempDir::WriteAll(dir.Path("quorvane.dat.bak.new-1"), "not ours to clear");
    CxList list;
    CxFile file;
    ASSERT_TRUE(AbbrData(file).SaveData(szPath, list).bSaved);
    EXPECT_FALSE(std::filesystem::exists(szPath + ".new-99999"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path("quorvane.dat.bak.new-1")));
}

}  // namespace
