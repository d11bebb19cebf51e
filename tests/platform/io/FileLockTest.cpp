#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/io/FileLock.h"
#include "tests/common/misc/TempDir.h"

namespace {

// Each lock opens the lock file anew, so two in one process meet as two programs would.
TEST(FileLock, OneHolderAtATimeAndTheOthersAreToldWho) {
    TempDir dir;
    const std::string path = dir.Path("data");
    io::FileLock first(path);
    io::FileLock second(path);
    ASSERT_TRUE(first.TryLock()) << first.Error();
    EXPECT_FALSE(second.TryLock());
    EXPECT_TRUE(second.HeldByOther());
    EXPECT_EQ(second.Error(),
              "another program (process " + std::to_string(::getpid()) + ") is saving it");
    first.Unlock();
    EXPECT_TRUE(second.TryLock()) << second.Error();
    EXPECT_FALSE(second.HeldByOther());
    EXPECT_TRUE(std::filesystem::is_regular_file(path + io::FileLock::Suffix));
    second.Unlock();
    EXPECT_FALSE(std::filesystem::exists(path + io::FileLock::Suffix)) << "nothing is left";
}

TEST(FileLock, ALockFileThatIsNotAPlainFileIsRefused) {
    TempDir dir;
    const std::string path = dir.Path("data");
    const std::string victim = dir.Path("victim");
    TempDir::WriteAll(victim, "keep");
    std::filesystem::create_symlink(victim, path + io::FileLock::Suffix);
    io::FileLock lock(path);
    EXPECT_FALSE(lock.TryLock());
    EXPECT_FALSE(lock.HeldByOther());
    EXPECT_NE(lock.Error().find("cannot open the lock file"), std::string::npos) << lock.Error();
    EXPECT_EQ(TempDir::ReadAll(victim), "keep");

    std::filesystem::create_directory(dir.Path("other") + io::FileLock::Suffix);
    io::FileLock onDirectory(dir.Path("other"));
    EXPECT_FALSE(onDirectory.TryLock());
}

}  // namespace
