#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemeFile.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/ModuleFileName.h"
#include "tests/Source/mgr/MgrTestSupport.h"
#include "tests/Source/themes/RunLengthBmp.h"

// Finding, checking and loading theme files, the lookups they answer, and the rule that
// picks a file theme over a built-in style.
namespace {

using mgr_test::TempFolder;
using mgr_test::WriteTheme;

// A file theme that searches three folders of the test's choosing in place of the
// executable's, the Windows and the system directory.
class TSearchingFileTheme : public TskFileTheme {
public:
    TSearchingFileTheme(std::vector<std::string> folders)
        : TskFileTheme(nullptr), m_folders(std::move(folders)) {}

protected:
    std::vector<std::string> ThemeFolders() const override { return m_folders; }

private:
    std::vector<std::string> m_folders;
};

TEST(FileThemeSearch, TakesTheFirstOfTheFourPlacesThatHasTheFile) {
    // Where the file is: as named (the "given" folder), beside the executable, in the
    // Windows directory, in the system directory.
    const std::vector<std::string> places = {"given", "exe", "windows", "system"};
    struct Case {
        std::vector<std::string> present;
        std::string found;  // empty: not found
    };
    const Case cases[] = {
        {{"given", "exe", "windows", "system"}, "given"},
        {{"exe", "windows", "system"}, "exe"},
        {{"windows", "system"}, "windows"},
        {{"system"}, "system"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("found in " + (c.found.empty() ? std::string("none") : c.found));
        TempFolder root;
        for (const std::string& place : places) std::filesystem::create_directory(root.Path(place));
        for (const std::string& place : c.present) WriteTheme(root.Path(place + "/blue.skn"), 1);
        // The folders are given without a separator at the end, and one with it.
        TSearchingFileTheme theme(
            {root.Path("exe"), root.Path("windows") + "/", root.Path("system")});

        theme.SetThemeFile(root.Path("given/blue.skn"));
        if (c.found.empty()) {
            EXPECT_EQ(theme.GetThemeFile(), "");
            EXPECT_FALSE(theme.CanUse());
        } else {
            EXPECT_EQ(theme.GetThemeFile(), root.Path(c.found + "/blue.skn"));
            EXPECT_TRUE(theme.CanUse());
        }
    }
}

TEST(FileThemeSearch, ABareNameBesideTheExecutableIsStoredWithItsFullPath) {
    char executable[4096];
    ASSERT_GT(GetModuleFileName(nullptr, executable, sizeof executable), 0u);
    const std::filesystem::path folder = std::filesystem::path(executable).parent_path();
    const std::string name = "qv-beside-" + std::to_string(getpid()) + ".skn";
    const std::string path = (folder / name).string();
    WriteTheme(path, 77);

    // From elsewhere, so that the bare name is not found as it stands.
    TempFolder elsewhere;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.Folder());
    TskFileTheme theme(nullptr);
    theme.SetThemeFile(name);
    std::filesystem::current_path(previous);
    std::filesystem::remove(path);
    EXPECT_EQ(theme.GetThemeFile(), path);
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 77);
}

TEST(FileThemeSearch, FindsTheInstallationsThemesFromTheExecutablesPlace) {
    struct Case {
        const char* executableFolder;
        const char* themes;  // empty: not an installed program
    };
    const Case cases[] = {
        {"/opt/qv/bin", "/opt/qv/share/quorvane"},
        {"/opt/qv/bin/", "/opt/qv/share/quorvane"},
        {"/opt/qv/libexec/quorvane", "/opt/qv/share/quorvane"},
        {"/usr/libexec/skin_gallery", "/usr/share/quorvane"},
        {"/home/me/prefix/./bin", "/home/me/prefix/share/quorvane"},
        {"/bin", "/share/quorvane"},
        {"/home/me/quorvane/build/bin", "/home/me/quorvane/build/share/quorvane"},
        {"/home/me/quorvane/build/Source/gallery", ""},
        {"/opt/qv/libexec", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InstalledThemeDirectory(c.executableFolder), c.themes) << c.executableFolder;
    }
}

TEST(FileThemeSearch, AFileFoundNowhereIsReportedAndTheThemeStays) {
    TempFolder folder;
    WriteTheme(folder.Path("a.skn"), 11);
    TSearchingFileTheme theme({folder.Path("themes"), ""});
    std::vector<std::string> reports;
    theme.OnThemeFileNotFound = [&](TObject* sender, const std::string& name,
                                    const std::vector<std::string>& searched) {
        EXPECT_EQ(sender, &theme);
        std::string report = name + ":";
        for (const std::string& path : searched) report += " " + path;
        reports.push_back(report);
    };
    theme.SetThemeFile(folder.Path("a.skn"));
    EXPECT_TRUE(reports.empty());
    theme.SetThemeFile("lost/Missing.skn");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0],
              "lost/Missing.skn: lost/Missing.skn " + folder.Path("themes/Missing.skn"));
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetThemeFile(), folder.Path("a.skn"));
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 11);
}

TEST(FileThemeLoading, ALaterMissingFileKeepsTheThemeInUse) {
    TempFolder folder;
    WriteTheme(folder.Path("a.skn"), 11);
    TSearchingFileTheme theme({});
    theme.SetThemeFile(folder.Path("a.skn"));
    theme.SetThemeFile(folder.Path("missing.skn"));
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetThemeFile(), folder.Path("a.skn"));
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 11);
}

TEST(FileThemeLoading, TheSameNameIsNotLoadedAgain) {
    TempFolder folder;
    WriteTheme(folder.Path("a.skn"), 11);
    TSearchingFileTheme theme({});
    theme.SetThemeFile(folder.Path("a.skn"));
    WriteTheme(folder.Path("a.skn"), 22);
    theme.SetThemeFile(folder.Path("a.skn"));
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 11);
    // Another file replaces it.
    WriteTheme(folder.Path("b.skn"), 33);
    theme.SetThemeFile(folder.Path("b.skn"));
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 33);
}

TEST(FileThemeLoading, FilesThatAreNoThemeOrDamagedAreRefusedWhole) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string message;  // the start of the error's message
    };
    TempFolder folder;
    WriteTheme(folder.Path("good.skn"), 11);
    std::vector<std::uint8_t> cut = mgr_test::ReadBytes(folder.Path("good.skn"));
    cut.resize(cut.size() - 30);
    TskThemeFileWriter hugePictures(folder.Path("unused.skn"));
    hugePictures.AddFileData("ButtonImage", test_pictures::RunLengthBmp(5792, 5792));
    const std::vector<std::uint8_t> huge = hugePictures.SaveToBuffer();
    const Case cases[] = {
        {"a text file",
         {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!', '!', '!', '!'},
         "Invalid skin file for SkinLib!"},
        {"an empty file", {}, "Invalid skin file for SkinLib!"},
        {"a theme file cut short", cut, "The theme file"},
        {"a theme of a picture larger than a theme needs", huge, "The theme file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSearchingFileTheme theme({});
        theme.SetThemeFile(folder.Path("good.skn"));
        const std::string bad = folder.Path("bad.skn");
        mgr_test::WriteBytes(bad, c.bytes);
        try {
            theme.SetThemeFile(bad);
            ADD_FAILURE() << "the file was taken";
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u) << error.what();
        }
        // Nothing of the bad file is used: the previous theme stays.
        EXPECT_TRUE(theme.CanUse());
        EXPECT_EQ(theme.GetThemeFile(), folder.Path("good.skn"));
        EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 11);
    }
}

TEST(FileThemeLoading, AFirstBadFileLeavesTheThemeUnusable) {
    TempFolder folder;
    mgr_test::WriteBytes(folder.Path("bad.skn"), {'x'});
    TSearchingFileTheme theme({});
    EXPECT_THROW(theme.SetThemeFile(folder.Path("bad.skn")), Exception);
    EXPECT_FALSE(theme.CanUse());
    EXPECT_EQ(theme.GetThemeFile(), "");
}

TEST(FileThemeLookups, AnswerFromTheFileOrTheirDefaults) {
    TSearchingFileTheme theme({});
    // Before any file: no reader.
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 0);
    EXPECT_EQ(theme.GetColor(SkItem::FormBorderColor), 0);
    EXPECT_FALSE(theme.GetBool(SkItem::ButtonTransparentBool));
    TBitmap untouched(3, 3);
    theme.GetBitmap(SkItem::ButtonImage, &untouched);
    EXPECT_EQ(untouched.GetWidth(), 3);

    TempFolder folder;
    WriteTheme(folder.Path("a.skn"), 150);
    theme.SetThemeFile(folder.Path("a.skn"));
    EXPECT_EQ(theme.GetInt(SkItem::FormMinWidthInt), 150);
    EXPECT_EQ(theme.GetColor(SkItem::FormBorderColor), clBtnFace);
    EXPECT_TRUE(theme.GetBool(SkItem::ButtonTransparentBool));
    // Items the file lacks.
    EXPECT_EQ(theme.GetInt(SkItem::FormRoundCornerInt), -1);
    EXPECT_EQ(theme.GetColor(SkItem::MenuBarColor), -1);
    EXPECT_FALSE(theme.GetBool(SkItem::TitleBarButtonTransparentBool));

    TBitmap whole;
    theme.GetBitmap(SkItem::ButtonImage, &whole);
    EXPECT_EQ(whole.GetWidth(), 6);
    EXPECT_EQ(whole.GetHeight(), 2);
    for (int index = 1; index <= 3; ++index) {
        TBitmap frame;
        theme.GetBitmap(SkItem::ButtonImage, &frame, 3, index);
        ASSERT_EQ(frame.GetWidth(), 2) << index;
        EXPECT_EQ(frame.Image().GetPixel(1, 1), index);
    }
}

TEST(UsingFileTheme, ChoosesTheFileThemeOnlyForFromThemeFile) {
    TempFolder folder;
    WriteTheme(folder.Path("a.skn"), 1);
    TSearchingFileTheme usable({});
    usable.SetThemeFile(folder.Path("a.skn"));
    TSearchingFileTheme unusable({});

    struct Case {
        const TskFileTheme* theme;
        TskUIStyle style;
        bool uses;
        TskUIStyle effective;
    };
    const Case cases[] = {
        {nullptr, FromThemeFile, false, DeepBlue},     {&unusable, FromThemeFile, false, DeepBlue},
        {&usable, FromThemeFile, true, FromThemeFile}, {&usable, MacOS, false, MacOS},
        {nullptr, BlueGlass, false, BlueGlass},
    };
    for (const Case& c : cases) {
        TskUIStyle effective = Protein;
        EXPECT_EQ(UsingFileTheme(c.theme, c.style, effective), c.uses);
        EXPECT_EQ(effective, c.effective);
    }
}

}  // namespace
