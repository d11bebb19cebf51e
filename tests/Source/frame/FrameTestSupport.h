#pragma once
// Shared by the frame tests: a fresh headless desktop, a shown form, the desktop's pixels,
// the open menu windows and the error boxes shown meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace frame_test {

using win::Headless;

// The open menu windows, the first-opened first.
inline std::vector<HWND> OpenMenus() {
    std::vector<HWND> found;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (GetClassName(h) == "TMenuWindow" && IsWindowVisible(h)) found.insert(found.begin(), h);
    return found;
}

inline TRect WindowRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

inline TColor ScreenPixel(int x, int y) {
    return Headless::CaptureDesktop().GetPixel(x, y);
}

// Whether the picture's pixels stand on the screen with its top-left corner at (x, y).
inline bool ShowsPicture(const gfx::Bitmap& screen, int x, int y, TPicture* picture) {
    TBitmap* bitmap = picture->GetBitmap();
    if (bitmap->GetEmpty()) return false;
    for (int py = 0; py < bitmap->GetHeight(); ++py)
        for (int px = 0; px < bitmap->GetWidth(); ++px)
            if (screen.GetPixel(x + px, y + py) != bitmap->GetCanvas()->GetPixel(px, py))
                return false;
    return true;
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { driver = &Headless::Install(); }
    void TearDown() override {
        delete form;
        Headless::Install();
    }

    // A shown dialog-bordered form at (100, 100), 400 x 200.
    TForm* MakeForm() {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsDialog);
        form->SetBounds(100, 100, 400, 200);
        return form;
    }
    void ShowForm() {
        form->Show();
        Headless::ProcessMessages();
    }

    // The next message box a loop waits on is recorded and answered with OK.
    void AnswerBox() {
        driver->WhenIdle([this] {
            if (TMessageForm* box = TMessageForm::Showing()) {
                if (auto* text = dynamic_cast<TControl*>(box->FindComponent("Message")))
                    boxes.push_back(text->GetCaption());
                Headless::KeyPress(VK_RETURN, U'\r');
            }
        });
    }

    win::HeadlessDriver* driver = nullptr;
    TForm* form = nullptr;
    std::vector<std::string> boxes;
};

}  // namespace frame_test
