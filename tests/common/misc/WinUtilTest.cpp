#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <string>

#include "common/misc/WinUtil.h"
#include "platform/win/ModuleFileName.h"

namespace {

std::string ExecutablePath() {
    char path[PATH_MAX];
    const ssize_t nLen = ::readlink("/proc/self/exe", path, sizeof path);
    return nLen > 0 ? std::string(path, static_cast<std::size_t>(nLen)) : "";
}

TEST(WinUtil, ModuleDirectoryIsTheExecutablesDirectoryWithItsSeparator) {
    const std::string szExe = ExecutablePath();
    ASSERT_FALSE(szExe.empty());
    std::string szDir = "untouched";
    EXPECT_EQ(GetModuleDirectory(nullptr, nullptr), 0);
    ASSERT_EQ(GetModuleDirectory(nullptr, &szDir), 1);
    EXPECT_EQ(szDir, szExe.substr(0, szExe.rfind('/') + 1));
    EXPECT_EQ(szDir + "misc_tests", szExe);
}

TEST(WinUtil, SplitPathSeparatesDriveAndDirectory) {
    struct Case {
        const char* szPath;
        const char* szDrive;
        const char* szDir;
    };
    const Case cases[] = {
        {"/opt/qv/bin/quorvane", "", "/opt/qv/bin/"},
        {"/quorvane", "", "/"},
        {"quorvane", "", ""},
        {"C:\\Program Files\\QV\\quorvane.exe", "C:", "\\Program Files\\QV\\"},
        {"C:quorvane.exe", "C:", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szPath);
        std::string szDrive = "x";
        std::string szDir = "x";
        SplitPath(c.szPath, &szDrive, &szDir);
        EXPECT_EQ(szDrive, c.szDrive);
        EXPECT_EQ(szDir, c.szDir);
    }
}

TEST(ModuleFileName, CopiesThePathOrCutsItShortLikeWin32) {
    const std::string szExe = ExecutablePath();
    char szFull[PATH_MAX];
    EXPECT_EQ(GetModuleFileName(nullptr, szFull, sizeof szFull), szExe.size());
    EXPECT_EQ(szFull, szExe);

    char szShort[5];
    EXPECT_EQ(GetModuleFileName(nullptr, szShort, sizeof szShort), sizeof szShort);
    EXPECT_EQ(std::string(szShort), szExe.substr(0, 4));

    EXPECT_EQ(GetModuleFileName(nullptr, nullptr, 10), 0u);
    EXPECT_EQ(GetModuleFileName(nullptr, szShort, 0), 0u);
}

}  // namespace
