#pragma once
// Shared by the tests of the skinned buttons and panels: a fresh headless desktop with a
// plain form to put controls on, a theme file whose pictures tell by their pixels which
// frame and which source pixel was drawn where, and small helpers for pixels and input.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "Source/theme/SKFileTheme.h"
#include "platform/gfx/Bitmap.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace buttons_test {

// The form's colour: never a colour of a skin picture.
constexpr TColor kFormColor = 0x0A0B0C;

// The coded pictures of the test theme: pixel (x, y) of frame f of a strip is
// CodedColor(f, x, y); nothing in them is magenta.
constexpr TColor CodedColor(int frame, int x, int y) {
    return ((0x40 + frame) << 16) | (y << 8) | x;
}
constexpr int CodedFrame(TColor c) {
    return ((c >> 16) & 0xFF) - 0x40;
}
constexpr int CodedX(TColor c) {
    return c & 0xFF;
}
constexpr int CodedY(TColor c) {
    return (c >> 8) & 0xFF;
}

// Frame sizes of the test theme's strips.
constexpr int kButtonFrame = 21;     // ButtonImage: 3 frames of 21 x 21
constexpr int kCheckFrame = 11;      // CheckBoxImage, RadioButtonImage: 4 frames of 11 x 11
constexpr int kTitleBarHeight = 18;  // SideChannelBarImage: 1 x 18

class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A control of class T on the form (or on parent), placed at (x, y).
    template <class T>
    T* Add(int x, int y, TWinControl* parent = nullptr) {
        auto* control = new T(form.get());
        control->SetLeft(x);
        control->SetTop(y);
        control->SetParent(parent ? parent : form.get());
        return control;
    }
    // A file theme, owned by the form, loaded from the coded theme file.
    TskFileTheme* CodedTheme();
    // The window of the control as it is on the screen, after all pending painting.
    static gfx::Bitmap Capture(TWinControl* control);
    static TPoint Middle(TControl* c) {
        return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2});
    }
    static void MoveTo(TControl* c) {
        const TPoint p = Middle(c);
        win::Headless::MouseMove(p.x, p.y);
        win::Headless::ProcessMessages();
    }
    static void ClickOn(TControl* c) {
        const TPoint p = Middle(c);
        win::Headless::Click(p.x, p.y);
        win::Headless::ProcessMessages();
    }
    static void AltKey(char letter) {
        win::Headless::KeyDown(VK_MENU);
        win::Headless::KeyPress(letter, static_cast<char32_t>(letter - 'A' + 'a'));
        win::Headless::KeyUp(VK_MENU);
        win::Headless::ProcessMessages();
    }

    win::HeadlessDriver* driver = nullptr;
    std::unique_ptr<TForm> form;
    std::filesystem::path folder;
};

// The bounding box of the pixels that differ between two pictures of the same size;
// empty when none does.
TRect DifferenceBox(const gfx::Bitmap& a, const gfx::Bitmap& b);
// How many pixels of the rectangle have the colour.
int CountColor(const gfx::Bitmap& picture, const TRect& rect, TColor color);

}  // namespace buttons_test
