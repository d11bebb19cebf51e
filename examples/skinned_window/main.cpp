// A skinned window built against the installed skin library: a form that wears the skinned
// frame in the WinXP style, with an edit, a progress bar and a link.
//
//   skinned_window              opens the window on the X display until it is closed
//   skinned_window --headless   paints it on the in-memory desktop, checks that the frame
//                               was drawn and exits (0 when it was)
#include <cstdio>
#include <exception>
#include <string>

#include "Source/SkinClasses.h"
#include "Source/edits/SKEdit.h"
#include "Source/edits/SKProgressBar.h"
#include "Source/edits/SKURLLabel.h"
#include "Source/frame/SKForm.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/Backend.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

TForm* MakeWindow() {
    auto* form = new TForm(nullptr);
    form->SetCaption("A skinned window");
    form->SetBounds(200, 150, 360, 200);

    auto* frame = new TskForm(form);
    frame->SetUIStyle(WinXP);

    auto* edit = new TskEdit(form);
    edit->SetParent(frame);
    edit->SetBounds(16, 40, 200, 21);
    edit->SetUIStyle(WinXP);
    edit->SetText("Type here");

    auto* progress = new TskProgressBar(form);
    progress->SetParent(frame);
    progress->SetBounds(16, 76, 320, 18);
    progress->SetUIStyle(WinXP);
    progress->SetPosition(60);

    auto* link = new TskURLLabel(form);
    link->SetParent(frame);
    link->SetBounds(16, 110, 200, 16);
    link->SetCaption("The skin library's home");
    link->SetURL("https://brontide.example/brontide/index.htm");
    return form;
}

// The frame replaces the platform caption: the top of the window is the style's title bar,
// not the form's plain face.
int PaintHeadless(TForm* form) {
    form->Show();
    win::Headless::ProcessMessages();
    const gfx::Bitmap window = win::Headless::CaptureWindow(form->Handle());
    const TColor face = ColorToRGB(clBtnFace);
    int framed = 0;
    for (int x = 10; x < window.Width() - 10; ++x)
        if (window.GetPixel(x, 10) != face) ++framed;
    std::printf("painted %d x %d, %d title bar pixels in the style's colours\n", window.Width(),
                window.Height(), framed);
    return framed > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool headless = argc > 1 && std::string(argv[1]) == "--headless";
    try {
        win::SelectBackend(headless ? "headless" : "x11");
        RegisterVclClasses();
        RegisterSkinClasses();
        Application->Initialize();
        TForm* form = MakeWindow();
        int result = 0;
        if (headless) {
            result = PaintHeadless(form);
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
