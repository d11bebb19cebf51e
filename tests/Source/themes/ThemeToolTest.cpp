#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include <functional>

#include "Source/theme/SKThemeFile.h"
#include "Source/theme/SKThemes.h"
#include "platform/gfx/BmpCodec.h"
#include "tests/Source/themes/ThemeTestSupport.h"

// sktheme run as a user runs it: built-in styles written, unpacked, edited, packed and
// inspected, and its refusals.
namespace {

using theme_test::ReadBytes;
using theme_test::ReadText;
using theme_test::TempFolder;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class ThemeTool : public ::testing::Test {
protected:
    void SetUp() override { theme_test::UseSourcePictures(); }

    ToolRun Sktheme(const std::string& arguments) {
        const std::string out = m_folder.Path("stdout.txt");
        const std::string err = m_folder.Path("stderr.txt");
        const std::string command =
            Quote(SKTHEME_PATH) + " " + arguments + " >" + Quote(out) + " 2>" + Quote(err);
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    }
    std::string Path(const std::string& name) { return Quote(m_folder.Path(name)); }

    TempFolder m_folder;
};

// The theme file answers every item exactly as the built-in style does.
void ExpectAnswersAsStyle(const std::string& themeFile, TskUIStyle style) {
    const TskThemeFileReader reader(themeFile);
    for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
        const std::string name = SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)];
        SCOPED_TRACE(name);
        switch (SK_ITEM_TYPE[static_cast<std::size_t>(item)]) {
            case TskType::Str: {
                const auto* data = reader.GetFile(name);
                ASSERT_NE(data, nullptr);
                gfx::Bitmap builtIn;
                GetInsideThemeBitmap(style, item, &builtIn, 0, 0);
                EXPECT_EQ(gfx::ReadBmp(*data), builtIn);
                break;
            }
            case TskType::Int:
                EXPECT_EQ(reader.GetInteger(name), GetInsideThemeInt(style, item));
                break;
            case TskType::Color:
                EXPECT_EQ(reader.GetInteger(name), GetInsideThemeColor(style, item));
                break;
            case TskType::Bool:
                EXPECT_EQ(reader.GetBool(name), GetInsideThemeBool(style, item));
                break;
        }
    }
}

TEST_F(ThemeTool, BuiltinStylesSurviveUnpackAndPack) {
    const struct {
        const char* name;
        TskUIStyle style;
    } styles[] = {{"MacOS", MacOS},
                  {"winxp", WinXP},
                  {"DeepBlue", DeepBlue},
                  {"Protein", Protein},
                  {"BlueGlass", BlueGlass}};
    for (const auto& s : styles) {
        SCOPED_TRACE(s.name);
        const std::string folder = std::string(s.name) + "-dir";
        ToolRun run = Sktheme("builtin " + std::string(s.name) + " " + Path("builtin.skn"));
        ASSERT_EQ(run.status, 0) << run.err;
        run = Sktheme("unpack " + Path("builtin.skn") + " " + Path(folder));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(std::filesystem::exists(m_folder.Path(folder + "/ButtonImage.bmp")));
        run = Sktheme("pack " + Path(folder) + " " + Path("packed.skn"));
        ASSERT_EQ(run.status, 0) << run.err;

        run = Sktheme("info " + Path("packed.skn"));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Complete: all 42 theme items are present."), std::string::npos)
            << run.out;
        EXPECT_EQ(ReadBytes(m_folder.Path("packed.skn")), ReadBytes(m_folder.Path("builtin.skn")));
        ExpectAnswersAsStyle(m_folder.Path("packed.skn"), s.style);
    }
}

TEST_F(ThemeTool, InfoNamesWhatAnEditedThemeLacks) {
    ASSERT_EQ(Sktheme("builtin WinXP " + Path("xp.skn")).status, 0);
    ASSERT_EQ(Sktheme("unpack " + Path("xp.skn") + " " + Path("xp")).status, 0);
    // Drop one picture and store a flag as text.
    std::string manifest = ReadText(m_folder.Path("xp/theme.txt"));
    const auto erase = [&](const std::string& line) {
        const std::size_t at = manifest.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        manifest.erase(at, line.size());
    };
    erase("picture ButtonImage=ButtonImage.bmp\n");
    erase("flag ButtonTransparentBool=0\n");
    manifest += "text ButtonTransparentBool=no\ninteger FormBackgroundColor=-5\n";
    std::ofstream(m_folder.Path("xp/theme.txt")) << manifest;

    ASSERT_EQ(Sktheme("pack " + Path("xp") + " " + Path("edited.skn")).status, 0);
    const ToolRun run = Sktheme("info " + Path("edited.skn"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("40 of 42 theme items are present"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ButtonImage (needs picture)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ButtonTransparentBool (needs flag, stored as text)"), std::string::npos)
        << run.out;
    // The first colour of a name wins, as the controls will read it.
    EXPECT_EQ(TskThemeFileReader(m_folder.Path("edited.skn")).GetInteger("FormBackgroundColor"),
              0xDEEBEF);
}

TEST_F(ThemeTool, EntryNamesNeverLeaveTheUnpackFolder) {
    const std::string source = m_folder.Path("odd.skn");
    {
        TskThemeFileWriter writer(source);
        // Pictures that decode, since pack takes no other.
        writer.AddFileData("../escape", gfx::WriteBmp(gfx::Bitmap(1, 1, 0xFF000000u)));
        writer.AddFileData("Pic", gfx::WriteBmp(gfx::Bitmap(1, 1, 0xFF0000FFu)));
        writer.AddFileData("pic", gfx::WriteBmp(gfx::Bitmap(2, 1, 0xFF00FF00u)));
        writer.AddFileData("theme", gfx::WriteBmp(gfx::Bitmap(1, 2, 0xFFFF0000u)));
        writer.AddStr("a=b\\c", "line\nbreak\tand \\ backslash");
        writer.AddInteger("with space", -7);
        writer.Save();
    }
    ASSERT_EQ(Sktheme("unpack " + Path("odd.skn") + " " + Path("odd")).status, 0);
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("escape.bmp")));
    for (const char* file :
         {"picture-1.bmp", "Pic.bmp", "picture-3.bmp", "theme.bmp", "theme.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(m_folder.Path(std::string("odd/") + file))) << file;
    }
    ASSERT_EQ(Sktheme("pack " + Path("odd") + " " + Path("again.skn")).status, 0);
    EXPECT_EQ(ReadBytes(m_folder.Path("again.skn")), ReadBytes(source));
}

// A theme folder may come from anyone: pack reads only regular files inside it, no larger
// than a theme needs, and only pictures that decode within the theme's budget.
TEST_F(ThemeTool, PackReadsOnlyTheFoldersOwnPictures) {
    const std::string outside = m_folder.Path("outside.bmp");
    theme_test::WriteBytes(outside, gfx::WriteBmp(gfx::Bitmap(2, 2, 0xFF123456u)));
    const auto runs = [](int side) { return theme_test::RunLengthBmp(side, side, 1100); };
    struct Case {
        const char* what;
        std::string manifest;
        std::function<void(const std::string&)> prepare;
        std::string error;  // empty when pack succeeds
    };
    const Case cases[] = {
        {"a picture in a sub-folder", "picture P=pics/p.bmp\n",
         [&](const std::string& dir) {
             std::filesystem::create_directory(dir + "/pics");
             std::filesystem::copy_file(outside, dir + "/pics/p.bmp");
         },
         ""},
        {"a name that climbs out", "picture P=../outside.bmp\n", nullptr,
         "leads out of the theme folder"},
        {"a name that climbs out below", "picture P=pics/../../outside.bmp\n",
         [&](const std::string& dir) { std::filesystem::create_directory(dir + "/pics"); },
         "leads out of the theme folder"},
        {"an absolute name", "picture P=" + outside + "\n", nullptr,
         "is not a name inside the theme folder"},
        {"a device", "picture P=/dev/zero\n", nullptr, "is not a name inside the theme folder"},
        {"a link out of the folder", "picture P=link.bmp\n",
         [&](const std::string& dir) {
             std::filesystem::create_symlink(outside, dir + "/link.bmp");
         },
         "cannot open 'link.bmp'"},
        {"a link to a folder on the way", "picture P=up/outside.bmp\n",
         [&](const std::string& dir) {
             std::filesystem::create_directory_symlink(m_folder.Path(""), dir + "/up");
         },
         "cannot open 'up/outside.bmp'"},
        {"a FIFO", "picture P=fifo.bmp\n",
         [](const std::string& dir) { ASSERT_EQ(mkfifo((dir + "/fifo.bmp").c_str(), 0600), 0); },
         "is not a regular file"},
        {"a folder", "picture P=pics\n",
         [](const std::string& dir) { std::filesystem::create_directory(dir + "/pics"); },
         "is not a regular file"},
        {"a file past the size limit", "picture P=big.bmp\n",
         [](const std::string& dir) {
             std::ofstream(dir + "/big.bmp") << "BM";
             std::filesystem::resize_file(dir + "/big.bmp", (std::size_t{1} << 22) + 4097);
         },
         "more than the 4198400 a theme takes"},
        {"a picture that does not decode", "picture P=junk.bmp\n",
         [](const std::string& dir) { std::ofstream(dir + "/junk.bmp") << "BM not a bitmap"; },
         "'junk.bmp' of the entry 'P' does not decode"},
        {"a picture larger than a theme picture may be", "picture P=huge.bmp\n",
         [](const std::string& dir) {
             theme_test::WriteBytes(dir + "/huge.bmp", theme_test::RunLengthBmp(5792, 5792));
         },
         "its picture 'P' is 5792 x 5792 pixels"},
        {"pictures larger together than a theme may hold",
         "picture A=1.bmp\npicture B=1.bmp\npicture C=1.bmp\npicture D=1.bmp\npicture E=1.bmp\n",
         [&](const std::string& dir) { theme_test::WriteBytes(dir + "/1.bmp", runs(1024)); },
         "its pictures up to 'E' hold 5242880 pixels"},
        {"a theme.txt that is a link", "",
         [&](const std::string& dir) {
             std::ofstream(m_folder.Path("elsewhere.txt")) << "integer A=1\n";
             std::filesystem::remove(dir + "/theme.txt");
             std::filesystem::create_symlink(m_folder.Path("elsewhere.txt"), dir + "/theme.txt");
         },
         "cannot open 'theme.txt'"},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "case" + std::to_string(index++);
        const std::string dir = m_folder.Path(name);
        std::filesystem::create_directory(dir);
        std::ofstream(dir + "/theme.txt") << c.manifest;
        if (c.prepare) c.prepare(dir);
        const ToolRun run = Sktheme("pack " + Path(name) + " " + Path(name + ".skn"));
        if (c.error.empty()) {
            EXPECT_EQ(run.status, 0) << run.err;
            continue;
        }
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path(name + ".skn")));
    }
}

TEST_F(ThemeTool, RefusesWithAReasonAndAnExitStatus) {
    std::filesystem::create_directory(m_folder.Path("bad"));
    std::ofstream(m_folder.Path("bad/theme.txt")) << "# header\n\ninteger A=1\nflag B=2\n";
    std::ofstream(m_folder.Path("damaged.skn")) << std::string("SkinLib_TB\0\0", 12) << "xxxx";
    std::filesystem::create_directory(m_folder.Path("empty"));

    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"", 2, "no command given"},
        {"frobnicate", 2, "unknown command 'frobnicate'"},
        {"info", 2, "wrong number of arguments for info"},
        {"info " + Path("missing.skn"), 1, "Cannot open the theme file"},
        {"info " + Path("damaged.skn"), 1, "too short"},
        {"unpack " + Path("damaged.skn") + " " + Path("out"), 1, "too short"},
        {"builtin Aqua " + Path("x.skn"), 1, "unknown style 'Aqua'"},
        {"builtin FromThemeFile " + Path("x.skn"), 1, "unknown style"},
        {"--pictures " + Path("empty") + " builtin MacOS " + Path("x.skn"), 1,
         "the picture MACOS_BUTTON is not in"},
        {"pack " + Path("empty") + " " + Path("x.skn"), 1, "cannot open"},
        {"pack " + Path("bad") + " " + Path("x.skn"), 1, "theme.txt line 4: a flag is 0 or 1"},
        {"info " + Path("empty"), 1,
         "Cannot read the theme file '" + m_folder.Path("empty") + "': Is a directory"},
        {"builtin WinXP " + Path("empty"), 1, "cannot put the new file in its place"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Sktheme(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_NE(run.err.find("sktheme: "), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("x.skn")));
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("out")));

    const ToolRun help = Sktheme("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"info", "unpack", "pack", "builtin"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    }
}

}  // namespace
