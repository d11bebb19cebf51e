#pragma once
// A shown host window for the edit controls, and the keyboard and mouse as a user drives them.
#include <memory>
#include <string>

#include "tests/platform/vcl/ControlTestFixture.h"

namespace vcltest {

class EditTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(100, 100, 300, 200);
        ShowWindow(host->Handle(), SW_SHOW);
        Pump();
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }

    template <class T>
    T* Place(int left, int top, int width, int height) {
        auto* control = new T(host.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(host.get());
        return control;
    }
    static void Pump() { win::Headless::ProcessMessages(); }
    static void Type(const std::string& text) {
        win::Headless::TypeText(text);
        Pump();
    }
    // A key with Shift and Ctrl held as asked; ch is the character the key types, if any.
    static void Key(int vk, bool shift = false, bool ctrl = false, char32_t ch = 0) {
        if (shift) win::Headless::KeyDown(VK_SHIFT);
        if (ctrl) win::Headless::KeyDown(VK_CONTROL);
        win::Headless::KeyPress(vk, ch);
        if (ctrl) win::Headless::KeyUp(VK_CONTROL);
        if (shift) win::Headless::KeyUp(VK_SHIFT);
        Pump();
    }
    // The desktop point of a control's client point.
    static TPoint Screen(TControl* control, TPoint client) {
        return control->ClientToScreen(client);
    }
    gfx::Bitmap Shot(TWinControl* control) {
        Pump();
        return win::Headless::CaptureWindow(control->Handle());
    }

    std::unique_ptr<THostControl> host;
};

}  // namespace vcltest
