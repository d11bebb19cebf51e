#pragma once
// The skinned data-aware controls on a shown form over the people table in memory, with
// the skin's classes and pictures registered, and helpers for pixels and the mouse.
#include <gtest/gtest.h>

#include "Source/db/SKDBClasses.h"
#include "platform/gfx/Bitmap.h"
#include "platform/vcl/VclClasses.h"
#include "tests/platform/db/DbControlFixture.h"

namespace skindbtest {

using win::Headless;

class SkinDbTest : public dbtest::DbControlTest {
protected:
    void SetUp() override {
        dbtest::DbControlTest::SetUp();
        RegisterVclClasses();
        RegisterSkinDBClasses();
        host->SetColor(kFormColor);
    }
    // The control's window as the screen shows it, after all pending painting.
    static gfx::Bitmap Capture(TWinControl* control) {
        control->Repaint();
        Pump();
        return Headless::CaptureWindow(control->Handle());
    }
    static TPoint Middle(TControl* c) {
        return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2});
    }
    static void ClickOn(TControl* c) {
        const TPoint p = Middle(c);
        Headless::Click(p.x, p.y);
        Pump();
    }
    static void Hold(TControl* c) {
        const TPoint p = Middle(c);
        Headless::MouseMove(p.x, p.y);
        Headless::MouseDown();
        Pump();
    }
    static void Release() {
        Headless::MouseUp();
        Pump();
    }
    std::string Name() { return table->FieldByName("name")->GetAsString(); }

    // The form's colour: never a colour of the skin's pictures or tables.
    static constexpr TColor kFormColor = 0x0A0B0C;
};

}  // namespace skindbtest
