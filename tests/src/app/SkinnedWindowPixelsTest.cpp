// Both windows as the user sees them on the desktop: every control where its description
// puts it inside the skinned frame, and the flat two-pixel rings of the skinned text
// controls drawn whole in the stored border colour, in the main window and in the dialog.
#include "tests/src/app/AppTestFixture.h"

using apptest::AppTest;
using apptest::Info;

namespace {

constexpr TColor kBorder = 0x7F7F7F;

// The outer ring of the control's window is Border, the ring inside it the control's colour.
void ExpectRings(const gfx::Bitmap& shot, TWinControl* control, TColor border) {
    RECT r;
    GetWindowRect(control->Handle(), &r);
    const TColor inner = ColorToRGB(control->GetColor());
    for (int x = r.left; x < r.right; ++x) {
        ASSERT_EQ(shot.GetPixel(x, r.top), border) << control->GetName() << " top x " << x;
        ASSERT_EQ(shot.GetPixel(x, r.bottom - 1), border) << control->GetName() << " bottom x " << x;
        if (x > r.left && x < r.right - 1) {
            ASSERT_EQ(shot.GetPixel(x, r.top + 1), inner) << control->GetName() << " x " << x;
        }
    }
    for (int y = r.top; y < r.bottom; ++y) {
        ASSERT_EQ(shot.GetPixel(r.left, y), border) << control->GetName() << " left y " << y;
        ASSERT_EQ(shot.GetPixel(r.right - 1, y), border) << control->GetName() << " right y " << y;
        if (y > r.top && y < r.bottom - 1) {
            ASSERT_EQ(shot.GetPixel(r.left + 1, y), inner) << control->GetName() << " y " << y;
        }
    }
}

// Where the description puts the control: its offset inside the frame's client area.
void ExpectPlaced(TControl* control, TWinControl* frame, TRect bounds) {
    const TPoint origin = frame->ClientToScreen({0, 0});
    const TPoint at = control->ClientToScreen({0, 0});
    RECT r{};
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        GetWindowRect(windowed->Handle(), &r);
        EXPECT_EQ(r.left - origin.x, bounds.left) << control->GetName();
        EXPECT_EQ(r.top - origin.y, bounds.top) << control->GetName();
        EXPECT_EQ(r.right - r.left, bounds.Width()) << control->GetName();
        EXPECT_EQ(r.bottom - r.top, bounds.Height()) << control->GetName();
    } else {
        EXPECT_EQ(at.x - origin.x, bounds.left) << control->GetName();
        EXPECT_EQ(at.y - origin.y, bounds.top) << control->GetName();
    }
}

TEST_F(AppTest, MainWindowOnTheDesktopPlacesItsControlsAndDrawsTheRings) {
    OpenMain({Info("ADD", "add"), Info("ALC", "allocate"), Info("CRT", "create")});
    form->edtAbbr->SetFocus();
    win::Headless::TypeText("CR");
    win::Headless::AdvanceTime(1200);
    win::Headless::ProcessMessages();
    const gfx::Bitmap shot = win::Headless::CaptureDesktop();
    ExpectRings(shot, form->edtAbbr, kBorder);
    ExpectRings(shot, form->lvData, kBorder);
    TWinControl* frame = form->sfMain;
    ExpectPlaced(form->imgTop, frame, {0, 20, 594, 57});
    ExpectPlaced(form->Label1, frame, {26, 77, 102, 90});
    ExpectPlaced(form->Label2, frame, {65, 108, 101, 121});
    ExpectPlaced(form->edtAbbr, frame, {113, 75, 222, 94});
    ExpectPlaced(form->btnFind, frame, {247, 71, 327, 98});
    ExpectPlaced(form->lvData, frame, {25, 136, 562, 384});
    // The radio button sizes itself to its caption in the font at hand; its height is the
    // picture's and the text's.
    ExpectPlaced(form->rbtnAll, frame, {111, 104, 111 + form->rbtnAll->GetWidth(), 125});
    ExpectPlaced(form->lblSum, frame, {28, 398, 59, 411});
    ExpectPlaced(form->skURLLabel1, frame, {70, 429, 505, 442});
    // The banner is drawn unscaled from its box's top left corner.
    const TPoint banner = form->imgTop->ClientToScreen({0, 0});
    EXPECT_NE(shot.GetPixel(banner.x + 10, banner.y + 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(form->edtAbbr->GetText(), "CR");
    EXPECT_EQ(SelectedRow(), "ALC");
}

TEST_F(AppTest, EntryDialogOnTheDesktopPlacesEveryControlAndDrawsTheEditRings) {
    OpenMain({Info("ADD", "add")});
    bool seen = false;
    driver->WhenIdle([&] {
        TfmAbbr* dialog = Dialog();
        ASSERT_NE(dialog, nullptr);
        seen = true;
        win::Headless::TypeText("abc");
        win::Headless::ProcessMessages();
        const gfx::Bitmap shot = win::Headless::CaptureDesktop();
        for (TWinControl* edit : {static_cast<TWinControl*>(dialog->edtTitle),
                                  static_cast<TWinControl*>(dialog->edtInfo),
                                  static_cast<TWinControl*>(dialog->edtSample)})
            ExpectRings(shot, edit, kBorder);
        TWinControl* frame = dialog->skForm1;
        ExpectPlaced(dialog->Label1, frame, {32, 56, 70, 69});
        ExpectPlaced(dialog->edtTitle, frame, {79, 54, 200, 73});
        ExpectPlaced(dialog->edtInfo, frame, {79, 85, 365, 104});
        ExpectPlaced(dialog->edtSample, frame, {80, 118, 249, 137});
        ExpectPlaced(dialog->btnOK, frame, {191, 188, 271, 215});
        ExpectPlaced(dialog->btnCancel, frame, {287, 188, 367, 215});
        EXPECT_EQ(dialog->edtTitle->GetText(), "ABC");
        ClickOn(dialog->btnCancel);
    });
    AltKey('A');
    win::Headless::ProcessMessages();
    EXPECT_TRUE(seen);
}

}  // namespace
