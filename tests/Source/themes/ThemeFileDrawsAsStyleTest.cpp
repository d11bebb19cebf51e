// A built-in style written out by sktheme and loaded back as a file theme draws a window
// pixel for pixel as the style itself: the frame, the title bar and its buttons, the menu
// bar, and the controls that follow the frame's look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/edits/SKProgressBar.h"
#include "Source/edits/SKScrollBar.h"
#include "Source/edits/SKTrackBar.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKMgr.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/PngCodec.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "tests/Source/themes/ThemeTestSupport.h"

namespace {

using win::Headless;

// A window wearing the style, or the theme file when one is given, with one control of each
// kind that reads pictures, colours and integers from the theme.
gfx::Bitmap DrawWindow(TskUIStyle style, const std::string& themeFile) {
    TForm form(nullptr);
    form.SetBorderStyle(bsSizeable);
    form.SetBounds(40, 40, 360, 220);
    form.SetCaption("Theme round trip");
    auto* skin = new TskForm(&form);
    skin->SetUIStyleAutoUpdateSub(true);
    // A main menu, which the frame shows as its menu bar.
    auto* menu = new TskMainMenu(&form);
    for (const char* caption : {"&File", "&Edit"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        menu->GetItems()->Add(item);
    }
    skin->SetMenu(menu);

    auto* button = new TskButton(&form);
    button->SetParent(skin);
    button->SetBounds(10, 10, 80, 26);
    button->SetCaption("Button");
    auto* check = new TskCheckBox(&form);
    check->SetParent(skin);
    check->SetBounds(10, 46, 120, 20);
    check->SetCaption("Check box");
    check->SetChecked(true);
    auto* progress = new TskProgressBar(&form);
    progress->SetParent(skin);
    progress->SetBounds(10, 76, 200, 18);
    progress->SetPosition(40);
    auto* track = new TskTrackBar(&form);
    track->SetParent(skin);
    track->SetBounds(10, 104, 200, 30);
    track->SetPosition(3);
    auto* scroll = new TskScrollBar(&form);
    scroll->SetParent(skin);
    scroll->SetBounds(10, 144, 200, 17);
    scroll->SetPosition(30);

    auto* theme = new TskFileTheme(&form);
    if (!themeFile.empty()) {
        theme->SetThemeFile(themeFile);
        EXPECT_TRUE(theme->CanUse()) << themeFile;
        skin->SetFileTheme(theme);
        skin->SetUIStyle(FromThemeFile);
    } else {
        skin->SetUIStyle(style);
    }
    form.Show();
    Headless::ProcessMessages();
    return Headless::CaptureWindow(form.Handle());
}

// The first pixel where two pictures of one size differ, for the failure message.
std::string FirstDifference(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return "the sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

TEST(ThemeFileRoundTrip, EveryBuiltInStyleDrawsTheSameFromItsThemeFile) {
    Headless::Install();
    InitSkinLibrary();
    theme_test::TempFolder folder;
    const struct {
        const char* name;
        TskUIStyle style;
    } styles[] = {{"MacOS", MacOS},
                  {"WinXP", WinXP},
                  {"DeepBlue", DeepBlue},
                  {"Protein", Protein},
                  {"BlueGlass", BlueGlass}};
    for (const auto& s : styles) {
        SCOPED_TRACE(s.name);
        const std::string file = folder.Path(std::string(s.name) + ".skn");
        const std::string command =
            std::string(SKTHEME_PATH) + " builtin " + s.name + " '" + file + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;

        const gfx::Bitmap builtIn = DrawWindow(s.style, {});
        const gfx::Bitmap fromFile = DrawWindow(s.style, file);
        if (builtIn == fromFile) continue;
        // Both pictures, for a human to compare.
        const std::string stem = ::testing::TempDir() + "theme-round-trip-" + s.name;
        gfx::WritePng(builtIn, stem + "-builtin.png");
        gfx::WritePng(fromFile, stem + "-file.png");
        ADD_FAILURE() << "the window differs, " << FirstDifference(builtIn, fromFile) << "; see "
                      << stem << "-builtin.png and -file.png";
    }
    Headless::Install();
}

}  // namespace
