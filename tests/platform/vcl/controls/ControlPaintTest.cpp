// The classic look of the standard controls, pixel by pixel at their edges: button bevels
// (and the default button's black frame), the check box's sunken box and tick, panel bevels,
// and where an image puts its picture.
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/stdctrls/Image.h"
#include "platform/vcl/stdctrls/RadioButton.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using vcltest::VclTest;

namespace {

class ControlPaintTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(50, 50, 200, 120);
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }
    template <class T>
    T* Place(int x, int y, int w, int h) {
        T* c = new T(host.get());
        c->SetBounds(x, y, w, h);
        c->SetParent(host.get());
        return c;
    }
    gfx::Bitmap Shot() {
        ShowWindow(host->Handle(), SW_SHOWNA);
        win::Headless::ProcessMessages();
        return win::Headless::CaptureWindow(host->Handle());
    }
    static TColor Sys(TColor c) { return ColorToRGB(c); }

    std::unique_ptr<THostControl> host;
};

}  // namespace

TEST_F(ControlPaintTest, ButtonsHaveTwoBevelsAndTheDefaultOneABlackFrame) {
    TButton* plain = Place<TButton>(10, 10, 75, 25);
    TButton* def = Place<TButton>(100, 10, 75, 25);
    def->SetDefault(true);
    const gfx::Bitmap shot = Shot();
    struct Case {
        const char* name;
        int x, y;
        TColor color;
    };
    const Case cases[] = {
        {"plain outer top-left", 10, 10, Sys(clBtnHighlight)},
        {"plain outer bottom-right", 84, 34, Sys(cl3DDkShadow)},
        {"plain inner top-left", 11, 11, Sys(cl3DLight)},
        {"plain inner bottom-right", 83, 33, Sys(clBtnShadow)},
        {"plain face", 14, 14, Sys(clBtnFace)},
        {"default frame top-left", 100, 10, Sys(cl3DDkShadow)},
        {"default frame bottom-right", 174, 34, Sys(cl3DDkShadow)},
        {"default bevel inside the frame", 101, 11, Sys(clBtnHighlight)},
    };
    for (const Case& c : cases) EXPECT_EQ(shot.GetPixel(c.x, c.y), c.color) << c.name;
    (void)plain;
}

TEST_F(ControlPaintTest, CheckBoxIsASunkenWhiteBoxWithATick) {
    TCheckBox* box = Place<TCheckBox>(10, 10, 100, 17);  // the 13-pixel box at (10, 12)
    gfx::Bitmap shot = Shot();
    EXPECT_EQ(shot.GetPixel(10, 12), Sys(clBtnShadow));
    EXPECT_EQ(shot.GetPixel(11, 13), Sys(cl3DDkShadow));
    EXPECT_EQ(shot.GetPixel(22, 24), Sys(clBtnHighlight));
    EXPECT_EQ(shot.GetPixel(15, 19), Sys(clWindow));
    box->SetChecked(true);
    shot = Shot();
    EXPECT_EQ(shot.GetPixel(15, 19), Sys(clWindowText));  // the bottom of the tick's V
    EXPECT_EQ(shot.GetPixel(13, 14), Sys(clWindow));
    box->SetEnabled(false);
    shot = Shot();
    EXPECT_EQ(shot.GetPixel(15, 19), Sys(clBtnShadow));
    EXPECT_EQ(shot.GetPixel(13, 14), Sys(clBtnFace));
}

TEST_F(ControlPaintTest, RadioButtonShowsItsDotOnlyWhenChecked) {
    TRadioButton* a = Place<TRadioButton>(10, 10, 100, 18);  // the 12-pixel mark at (10, 13)
    TRadioButton* b = Place<TRadioButton>(10, 40, 100, 18);
    a->SetChecked(true);
    gfx::Bitmap shot = Shot();
    EXPECT_EQ(shot.GetPixel(15, 18), Sys(clWindowText));
    EXPECT_EQ(shot.GetPixel(15, 48), Sys(clWindow));
    b->SetChecked(true);
    shot = Shot();
    EXPECT_FALSE(a->GetChecked());
    EXPECT_EQ(shot.GetPixel(15, 18), Sys(clWindow));
    EXPECT_EQ(shot.GetPixel(15, 48), Sys(clWindowText));
}

TEST_F(ControlPaintTest, PanelBevelsAreRaisedOrLowered) {
    TPanel* raised = Place<TPanel>(10, 10, 80, 40);
    TPanel* lowered = Place<TPanel>(100, 10, 80, 40);
    lowered->SetBevelOuter(bvLowered);
    lowered->SetBevelInner(bvRaised);
    lowered->SetBorderWidth(2);
    const gfx::Bitmap shot = Shot();
    EXPECT_EQ(shot.GetPixel(10, 10), Sys(clBtnHighlight));
    EXPECT_EQ(shot.GetPixel(89, 49), Sys(clBtnShadow));
    EXPECT_EQ(shot.GetPixel(100, 10), Sys(clBtnShadow));
    EXPECT_EQ(shot.GetPixel(179, 49), Sys(clBtnHighlight));
    // The inner bevel lies inside the border width.
    EXPECT_EQ(shot.GetPixel(103, 13), Sys(clBtnHighlight));
    EXPECT_EQ(shot.GetPixel(101, 11), Sys(clBtnFace));
    // Aligned children fill what the bevels and border leave.
    TPanel* inside = new TPanel(host.get());
    inside->SetParent(lowered);
    inside->SetAlign(alClient);
    EXPECT_EQ(inside->BoundsRect(), (TRect{4, 4, 76, 36}));
    (void)raised;
}

TEST_F(ControlPaintTest, ImagePlacesItsPictureAtTheTopLeftCentredOrStretched) {
    TBitmap red;
    red.SetSize(10, 10);
    red.GetCanvas()->GetBrush()->SetColor(clRed);
    red.GetCanvas()->FillRect(Rect(0, 0, 10, 10));
    struct Case {
        const char* name;
        bool center;
        bool stretch;
        TPoint redAt;
        TPoint whiteAt;
    };
    const Case cases[] = {
        {"top left", false, false, {15, 15}, {35, 35}},
        {"centred", true, false, {35, 35}, {15, 15}},
        {"stretched", false, true, {55, 55}, {61, 61}},
    };
    for (const Case& c : cases) {
        TImage* image = Place<TImage>(10, 10, 50, 50);
        image->GetPicture()->SetGraphic(&red);
        image->SetCenter(c.center);
        image->SetStretch(c.stretch);
        const gfx::Bitmap shot = Shot();
        EXPECT_EQ(shot.GetPixel(c.redAt.x, c.redAt.y), clRed) << c.name;
        EXPECT_EQ(shot.GetPixel(c.whiteAt.x, c.whiteAt.y), clWhite) << c.name;
        delete image;
    }
}
