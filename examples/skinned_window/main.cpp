// A skinned window built against the installed skin library: a form that wears the skinned
// frame, with an edit, a check box, a progress bar and a link, all in the frame's style.
//
//   skinned_window [--headless] [--style NAME] [--theme FILE.skn]
//
//   --style NAME      the style by its name: MacOS, WinXP (the default), DeepBlue, Protein
//                     or BlueGlass
//   --theme FILE.skn  a theme file loaded at run time; a bare name is also looked for beside
//                     the program and in the installation's share/quorvane folder
//   --headless        paint on the in-memory desktop, check that the frame was drawn and
//                     exit (0 when it was); otherwise the window stays until it is closed
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "Source/SkinClasses.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/edits/SKEdit.h"
#include "Source/edits/SKProgressBar.h"
#include "Source/edits/SKURLLabel.h"
#include "Source/frame/SKForm.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/Backend.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

struct Options {
    bool headless = false;
    std::string style = "WinXP";
    std::string themeFile;
};

TForm* MakeWindow(const Options& options, TskForm*& frameOut) {
    auto* form = new TForm(nullptr);
    form->SetCaption("A skinned window");
    form->SetBounds(200, 150, 360, 200);

    auto* frame = new TskForm(form);
    frameOut = frame;
    // A control takes its own UIStyle (DeepBlue when it is made); only with this set does the
    // frame hand its style and file theme down to the controls standing on it.
    frame->SetUIStyleAutoUpdateSub(true);

    auto* edit = new TskEdit(form);
    edit->SetParent(frame);
    edit->SetBounds(16, 40, 200, 21);
    edit->SetText("Type here");

    // A check box paints its own face in the form's colour; transparent, it shows the skinned
    // frame's background behind its text instead.
    auto* check = new TskCheckBox(form);
    check->SetParent(frame);
    check->SetBounds(230, 40, 110, 21);
    check->SetCaption("Checked");
    check->SetChecked(true);
    check->SetTransparent(true);

    auto* progress = new TskProgressBar(form);
    progress->SetParent(frame);
    progress->SetBounds(16, 76, 320, 18);
    progress->SetPosition(60);

    auto* link = new TskURLLabel(form);
    link->SetParent(frame);
    link->SetBounds(16, 110, 200, 16);
    link->SetCaption("The skin library's home");
    link->SetURL("https://brontide.example/brontide/index.htm");

    // A style chosen by its name, as the published UIStyle property names it.
    const int style = TskUIStyleInfo().IndexOf(options.style);
    if (style < 0) throw std::runtime_error("unknown style '" + options.style + "'");
    if (!options.themeFile.empty()) {
        // A theme file loaded at run time: a file found nowhere is reported and the built-in
        // style stays; a damaged one raises.
        auto* theme = new TskFileTheme(form);
        theme->OnThemeFileNotFound = [](TObject*, const std::string& name,
                                        const std::vector<std::string>&) {
            std::fprintf(stderr, "skinned_window: the theme file '%s' is not found\n",
                         name.c_str());
        };
        theme->SetThemeFile(options.themeFile);
        frame->SetFileTheme(theme);
        if (theme->CanUse()) {
            frame->SetUIStyle(FromThemeFile);
            return form;
        }
    }
    // Set last, so that it reaches every control made above.
    frame->SetUIStyle(static_cast<TskUIStyle>(style));
    return form;
}

// The frame replaces the platform caption: the top of the window is the style's title bar,
// not the form's plain face.
int PaintHeadless(TForm* form, const TskForm* frame) {
    form->Show();
    win::Headless::ProcessMessages();
    const gfx::Bitmap window = win::Headless::CaptureWindow(form->Handle());
    const TColor face = ColorToRGB(clBtnFace);
    int framed = 0;
    for (int x = 10; x < window.Width() - 10; ++x)
        if (window.GetPixel(x, 10) != face) ++framed;
    std::printf("painted %d x %d in the style %s, %d title bar pixels in its colours\n",
                window.Width(), window.Height(),
                TskUIStyleInfo().NameOf(static_cast<int>(frame->GetUIStyle())).c_str(), framed);
    return framed > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--style" && i + 1 < argc) {
            options.style = argv[++i];
        } else if (arg == "--theme" && i + 1 < argc) {
            options.themeFile = argv[++i];
        } else {
            std::fprintf(stderr,
                         "usage: skinned_window [--headless] [--style NAME] "
                         "[--theme FILE.skn]\n");
            return 2;
        }
    }
    try {
        win::SelectBackend(options.headless ? "headless" : "x11");
        RegisterVclClasses();
        RegisterSkinClasses();
        Application->Initialize();
        TskForm* frame = nullptr;
        TForm* form = MakeWindow(options, frame);
        int result = 0;
        if (options.headless) {
            result = PaintHeadless(form, frame);
        } else {
            form->Show();
            while (form->GetVisible() && !Application->Terminated())
                Application->HandleMessage();
        }
        delete form;
        return result;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinned_window: %s\n", e.what());
        return 1;
    }
}
