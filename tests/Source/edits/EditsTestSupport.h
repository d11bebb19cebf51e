#pragma once
// A fresh headless desktop per test with a top-level host window for the skinned controls,
// and pixel helpers for what the host shows.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace editstest {

// A white top-level window at (100, 100) that holds controls.
class THost : public TCustomControl {
public:
    explicit THost(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
        SetColor(clWhite);
    }

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
};

class EditsTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &win::Headless::Install();
        host = std::make_unique<THost>(nullptr);
        host->SetBounds(100, 100, 400, 200);
    }
    void TearDown() override {
        host.reset();
        win::Headless::Install();
    }
    // Shows the host with what it holds and returns its picture.
    gfx::Bitmap Shot() {
        host->HandleNeeded();
        ShowWindow(host->Handle(), SW_SHOWNA);
        host->Repaint();
        win::Headless::ProcessMessages();
        return win::Headless::CaptureWindow(host->Handle());
    }
    // How many pixels of the colour lie in the rectangle of the picture.
    static int Count(const gfx::Bitmap& shot, const TRect& r, TColor color) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (shot.GetPixel(x, y) == color) ++n;
        return n;
    }

    win::HeadlessDriver* driver = nullptr;
    std::unique_ptr<THost> host;
};

}  // namespace editstest
