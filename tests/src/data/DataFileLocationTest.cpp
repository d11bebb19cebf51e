#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "src/DataFileLocation.h"
#include "tests/common/misc/TempDir.h"

namespace {

TEST(DataFileLocation, BesideAWritableProgramElseTheUsersOwnCopy) {
    TempDir dir;
    const std::string szProgram = dir.Path("lib/quorvane/");
    const std::string szHome = dir.Path("home");
    const std::string szShipped = szProgram + "quorvane.dat";
    const std::string szDefault = szHome + "/.local/share/quorvane/quorvane.dat";
    struct Case {
        const char* szName;
        bool bWritable;
        const char* szDataHome;
        const char* szHome;
        bool bUserCopy;
        std::string szRead;
        std::string szSave;
    };
    const Case cases[] = {
        {"a portable copy", true, nullptr, szHome.c_str(), false, szShipped, szShipped},
        {"a portable copy ignores a user's copy", true, nullptr, szHome.c_str(), true, szShipped,
         szShipped},
        {"installed, before the first save", false, nullptr, szHome.c_str(), false, szShipped,
         szDefault},
        {"installed, after it", false, nullptr, szHome.c_str(), true, szDefault, szDefault},
        {"the user's data folder", false, "/xdg/data", szHome.c_str(), false, szShipped,
         "/xdg/data/quorvane/quorvane.dat"},
        {"a relative data folder is ignored", false, "rel/data", szHome.c_str(), false, szShipped,
         szDefault},
        {"no home at all", false, nullptr, nullptr, false, szShipped, szShipped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::filesystem::remove_all(szHome);
        if (c.bUserCopy) {
            std::filesystem::create_directories(szHome + "/.local/share/quorvane");
            TempDir::WriteAll(szDefault, "");
        }
        const DataFileLocation where =
            DataFileLocation::For(szProgram, c.bWritable, c.szDataHome, c.szHome);
        EXPECT_EQ(where.szShipped, szShipped);
        EXPECT_EQ(where.szRead, c.szRead);
        EXPECT_EQ(where.szSave, c.szSave);
        EXPECT_EQ(where.IsPortable(), c.szSave == szShipped);
    }
}

TEST(DataFileLocation, TheFirstSaveMakesTheFoldersForTheUser) {
    TempDir dir;
    const DataFileLocation where =
        DataFileLocation::For("/usr/lib/quorvane/", false, dir.Path("data").c_str(), nullptr);
    std::string szWhy;
    ASSERT_TRUE(where.PrepareSave(&szWhy)) << szWhy;
    struct stat st {};
    ASSERT_EQ(::stat(dir.Path("data/quorvane").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(where.PrepareSave(&szWhy)) << "folders already there are fine";

    TempDir::WriteAll(dir.Path("file"), "");
    const DataFileLocation blocked =
        DataFileLocation::For("/usr/lib/quorvane/", false, dir.Path("file").c_str(), nullptr);
    EXPECT_FALSE(blocked.PrepareSave(&szWhy));
    EXPECT_EQ(szWhy,
              "cannot make the folder \"" + dir.Path("file/quorvane") + "\": Not a directory");
}

}  // namespace
