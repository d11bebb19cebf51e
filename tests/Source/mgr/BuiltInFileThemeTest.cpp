#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKBuiltInFileTheme.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/SysParams.h"
#include "tests/Source/mgr/MgrTestSupport.h"

// A theme file carried inside a form description as SkinData.
namespace {

using mgr_test::TempFolder;
using mgr_test::TMgrTestRoot;

class BuiltInFileTheme : public ::testing::Test {
protected:
    void SetUp() override { mgr_test::RegisterMgrTestClasses(); }

    // A root owning a built-in theme that embeds the file, written as a description.
    std::string WriteDescription(const std::string& themeFile) {
        TMgrTestRoot root(nullptr);
        root.SetName("Root");
        auto* theme = new TskBuiltInFileTheme(&root);
        theme->SetName("Theme");
        theme->SetThemeFile(themeFile);
        return TFormWriter().WriteDescription(root);
    }

    TskBuiltInFileTheme* ReadTheme(const std::string& description) {
        m_loaded.reset(TFormReader("Root.dfm").ReadComponent(description, nullptr));
        return dynamic_cast<TskBuiltInFileTheme*>(m_loaded->FindComponent("Theme"));
    }

    std::unique_ptr<TComponent> m_loaded;
};

TEST_F(BuiltInFileTheme, TheThemeTravelsInTheDescriptionAndLoadsFromIt) {
    TempFolder folder;
    mgr_test::WriteTheme(folder.Path("blue.skn"), 140);
    const std::string description = WriteDescription(folder.Path("blue.skn"));
    EXPECT_NE(description.find("SkinData = {"), std::string::npos) << description;
    // The theme file may go: the description has its bytes.
    std::filesystem::remove(folder.Path("blue.skn"));

    TskBuiltInFileTheme* theme = ReadTheme(description);
    ASSERT_NE(theme, nullptr);
    EXPECT_TRUE(theme->CanUse());
    EXPECT_EQ(theme->GetInt(SkItem::FormMinWidthInt), 140);
    EXPECT_TRUE(theme->GetBool(SkItem::ButtonTransparentBool));
    // Its own ThemeFile is the path it was written from; the temporary file it loaded is
    // gone.
    EXPECT_EQ(theme->GetThemeFile(), folder.Path("blue.skn"));
    EXPECT_EQ(std::filesystem::path(theme->GetLoadedThemeFile()).extension(), ".skn");
    EXPECT_FALSE(std::filesystem::exists(theme->GetLoadedThemeFile()));
}

TEST_F(BuiltInFileTheme, WithoutAFileNothingIsEmbedded) {
    const std::string description = WriteDescription("/no/such/theme.skn");
    EXPECT_EQ(description.find("SkinData"), std::string::npos) << description;
    TskBuiltInFileTheme* theme = ReadTheme(description);
    ASSERT_NE(theme, nullptr);
    EXPECT_FALSE(theme->CanUse());
}

TEST_F(BuiltInFileTheme, DamagedEmbeddedDataIsAnErrorAndLeavesNoFile) {
    TempFolder folder;
    mgr_test::WriteTheme(folder.Path("blue.skn"), 140);
    // The header and the first record stay; the entries run past the end.
    std::vector<std::uint8_t> bytes = mgr_test::ReadBytes(folder.Path("blue.skn"));
    bytes.resize(120);
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        static const char digits[] = "0123456789ABCDEF";
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    const std::string description =
        "object Root: TMgrTestRoot\n"
        "  object Theme: TskBuiltInFileTheme\n"
        "    SkinData = {" +
        hex +
        "}\n"
        "  end\n"
        "end\n";
    const std::string temporary = TskBuiltInFileTheme::TemporaryThemeFile(GetTempPath());
    // A reading error like any other: it names the description and the line.
    try {
        ReadTheme(description);
        ADD_FAILURE() << "damaged theme data was taken";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message().rfind("Root.dfm:3: error reading SkinData: ", 0), 0u)
            << error.Message();
        EXPECT_NE(error.Message().find("damaged"), std::string::npos) << error.Message();
    }
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

// Someone else's link planted under the temporary name in the shared temporary directory is
// neither written through nor read: the theme goes through a private folder of its own.
TEST_F(BuiltInFileTheme, APlantedLinkInTheTemporaryDirectoryIsNotFollowed) {
    TempFolder folder;
    mgr_test::WriteTheme(folder.Path("blue.skn"), 140);
    const std::string description = WriteDescription(folder.Path("blue.skn"));
    // A link to a file not made yet, which a check for an existing file does not see.
    const std::string victim = folder.Path("victim");
    std::filesystem::create_directory(folder.Path("tmp"));
    std::filesystem::create_symlink(victim, folder.Path("tmp/SKLIBT.skn"));
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("TMPDIR", folder.Path("tmp").c_str(), 1);

    TskBuiltInFileTheme* theme = ReadTheme(description);
    if (saved)
        ::setenv("TMPDIR", savedValue.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->GetInt(SkItem::FormMinWidthInt), 140);
    EXPECT_FALSE(std::filesystem::exists(victim));
    // Only the planted link is left: the private folder went with the file in it.
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path("tmp")))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"SKLIBT.skn"});
}

TEST(BuiltInFileThemeNames, TakeTheFirstFreeTemporaryName) {
    TempFolder folder;
    EXPECT_EQ(TskBuiltInFileTheme::TemporaryThemeFile(folder.Folder()), folder.Path("SKLIBT.skn"));
    mgr_test::WriteBytes(folder.Path("SKLIBT.skn"), {1});
    EXPECT_EQ(TskBuiltInFileTheme::TemporaryThemeFile(folder.Folder() + "/"),
              folder.Path("SKLIBT1.skn"));
    mgr_test::WriteBytes(folder.Path("SKLIBT1.skn"), {1});
    EXPECT_EQ(TskBuiltInFileTheme::TemporaryThemeFile(folder.Folder()), folder.Path("SKLIBT2.skn"));
}

}  // namespace
