#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/io/FileFault.h"
#include "platform/io/ReplacingFile.h"
#include "tests/common/misc/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Another owner than the test's, for the cases only the superuser can set up.
constexpr uid_t kOther = 65534;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

bool WriteStream(std::FILE* stream, const std::string& text) {
    return io::WriteStream(stream, text.data(), text.size()) == text.size() &&
           io::FlushStream(stream) && io::CloseStream(stream);
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Two saves of one file at once: each writes a new file of its own, and neither removes or
// renames the other's, so the file ends whole as one of them wrote it.
TEST(ReplacingFile, TwoWritersAtOnceEachKeepTheirOwnNewFile) {
    TempDir dir;
    const std::string path = dir.Path("data");
    TempDir::WriteAll(path, "old");
    io::ReplacingFile first(path);
    io::ReplacingFile second(path);
    std::FILE* a = first.Create();
    std::FILE* b = second.Create();
    ASSERT_TRUE(a && b) << first.Error() << second.Error();
    EXPECT_NE(first.NewPath(), second.NewPath());
    ASSERT_TRUE(WriteStream(b, "second"));
    ASSERT_TRUE(WriteStream(a, "first"));
    ASSERT_TRUE(second.Commit()) << second.Error();
    EXPECT_EQ(TempDir::ReadAll(path), "second");
    ASSERT_TRUE(first.Commit()) << first.Error();
    EXPECT_EQ(TempDir::ReadAll(path), "first");
    EXPECT_EQ(Names(dir.Root()), (std::vector<std::string>{"data"}));
}

// A pipe or a device is written straight to: a rename would put a regular file in place of
// the device node (as the superuser, of /dev/null itself).
TEST(ReplacingFile, WhatIsNotARegularFileIsWrittenInPlace) {
    TempDir dir;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string pipePath = "/proc/self/fd/" + std::to_string(fds[1]);
    {
        io::ReplacingFile out(pipePath);
        EXPECT_TRUE(out.WritesInPlace());
        ASSERT_TRUE(out.WriteAll(Bytes("through the pipe"))) << out.Error();
    }
    ::close(fds[1]);
    char buffer[64] = {};
    EXPECT_EQ(::read(fds[0], buffer, sizeof buffer), 16);
    EXPECT_STREQ(buffer, "through the pipe");
    ::close(fds[0]);

    // A null device of the test's own, which only the superuser may make.
    const std::string device = dir.Path("null");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        io::ReplacingFile out(device);
        ASSERT_TRUE(out.WriteAll(Bytes("gone"))) << out.Error();
        struct stat st {};
        ASSERT_EQ(::stat(device.c_str(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the device node was replaced";
    }
    EXPECT_LE(Names(dir.Root()).size(), 1u) << "nothing is made beside a device";
}

// The kernel's protection against links planted in shared directories follows a link only
// when the link's owner owns what it names; the rename that replaces the target must not
// walk past it.
TEST(ReplacingFile, ALinkIsFollowedOnlyWhenItsOwnerOwnsTheFileItNames) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a link another owner";
    struct Case {
        const char* name;
        uid_t firstLinkOwner;
        uid_t secondLinkOwner;
        uid_t targetOwner;
        bool followed;
    };
    const Case cases[] = {
        {"all one owner", 0, 0, 0, true},
        {"a link planted by another user", kOther, kOther, 0, false},
        {"another user's link on the way", 0, kOther, 0, false},
        {"links of the target's owner", kOther, kOther, kOther, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string target = dir.Path("target");
        const std::string middle = dir.Path("middle");
        const std::string link = dir.Path("link");
        TempDir::WriteAll(target, "victim");
        ASSERT_EQ(::chown(target.c_str(), c.targetOwner, c.targetOwner), 0);
        fs::create_symlink(target, middle);
        fs::create_symlink("middle", link);
        ASSERT_EQ(::lchown(link.c_str(), c.firstLinkOwner, c.firstLinkOwner), 0);
        ASSERT_EQ(::lchown(middle.c_str(), c.secondLinkOwner, c.secondLinkOwner), 0);

        io::ReplacingFile out(link);
        EXPECT_EQ(out.WriteAll(Bytes("saved")), c.followed) << out.Error();
        EXPECT_EQ(TempDir::ReadAll(target), c.followed ? "saved" : "victim");
        EXPECT_TRUE(fs::is_symlink(link)) << "the link itself is never replaced";
        if (!c.followed) {
            EXPECT_NE(out.Error().find("is a link owned by another user"), std::string::npos)
                << out.Error();
        }
    }
}

// A save by the superuser of a user's file must leave it the user's, or the user can no
// longer read his own data.
TEST(ReplacingFile, AReplacedFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can save another user's file";
    TempDir dir;
    const std::string path = dir.Path("data");
    TempDir::WriteAll(path, "old");
    ASSERT_EQ(::chown(path.c_str(), kOther, kOther), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    io::ReplacingFile out(path);
    ASSERT_TRUE(out.WriteAll(Bytes("new"))) << out.Error();
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kOther);
    EXPECT_EQ(st.st_gid, kOther);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
