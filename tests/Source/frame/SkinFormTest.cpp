// The skinned form on a headless desktop: taking its form over, the frame band, the
// background, the region, maximising, Alt+Space through the application hook, and giving
// the form back.
#include <gtest/gtest.h>

#include <string>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/graphics/Canvas.h"

#include "Source/frame/SKForm.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "tests/Source/frame/FrameTestSupport.h"

namespace {

using namespace frame_test;

class SkinFormTest : public FrameTest {
protected:
    // A form wearing a MacOS frame as the application's windows do.
    void MakeSkinned(TskUIStyle style = MacOS) {
        MakeForm();
        form->SetCaption("Quorvane");
        skin = new TskForm(form);
        skin->SetUIStyle(style);
        ShowForm();
    }
    void TearDown() override {
        if (Application) Application->OnMessage = nullptr;
        FrameTest::TearDown();
    }
    TColor At(int x, int y) { return ScreenPixel(form->GetLeft() + x, form->GetTop() + y); }
    int W() const { return form->GetWidth(); }
    int H() const { return form->GetHeight(); }
    // Through the application's loop, where its message hook sees what is queued.
    void AltSpace() {
        Headless::KeyDown(VK_MENU);
        Headless::KeyPress(VK_SPACE, U' ');
        Headless::KeyUp(VK_MENU);
        Application->ProcessMessages();
    }

    TskForm* skin = nullptr;
};

TEST_F(SkinFormTest, TakesItsFormOverWithoutThePlatformCaption) {
    MakeSkinned();
    EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(skin->GetParent(), form);
    EXPECT_EQ(skin->GetAlign(), alClient);
    EXPECT_EQ(skin->GetCaption(), "Quorvane");
    EXPECT_EQ(skin->TitleBar()->GetCaption(), "Quorvane");
    // The 3-pixel band is all that is left of the frame.
    EXPECT_EQ(skin->ClientToScreen({0, 0}), (TPoint{form->GetLeft() + 3, form->GetTop() + 3}));
    EXPECT_EQ(skin->GetWidth(), W() - 6);
    EXPECT_EQ(skin->GetTitleBarHeight(), 20);
    EXPECT_EQ(skin->TitleBar()->ButtonRowTop(), 1);
    EXPECT_EQ(form->GetConstraints()->GetMinHeight(), 50);
    EXPECT_EQ(form->GetConstraints()->GetMinWidth(), 130);
    EXPECT_EQ(skin->GetBorderColor(), 0x7F7F7F);
    EXPECT_EQ(skin->GetBorderWidth2(), 1);
    EXPECT_EQ(skin->GetColor(), 0xE7E7E7);
    skin->SetVersion("6.0");
    EXPECT_EQ(skin->GetVersion(), "5.4");
    EXPECT_EQ(GetSKFormStyle(form), MacOS);

    try {
        new TskForm(form);
        FAIL() << "a second frame was made";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Sorry, You can create only one TskForm component in one form!");
    }
}

TEST_F(SkinFormTest, TheFrameBandIsBorderColourOutsideAndColourInside) {
    MakeSkinned();
    const int y = H() / 2;
    EXPECT_EQ(At(0, y), 0x7F7F7Fu);
    EXPECT_EQ(At(1, y), 0xE7E7E7u);
    EXPECT_EQ(At(2, y), 0xE7E7E7u);
    EXPECT_EQ(At(W() - 1, y), 0x7F7F7Fu);
    EXPECT_EQ(At(W() - 3, y), 0xE7E7E7u);
    EXPECT_EQ(At(W() / 2, H() - 1), 0x7F7F7Fu);
    EXPECT_EQ(At(W() / 2, H() - 2), 0xE7E7E7u);
    EXPECT_EQ(At(W() / 2, H() - 3), 0xE7E7E7u);
    // The top three rows continue the title pictures: the left one from the window's left
    // edge, the right one to its right edge, the client one between.
    TBitmap* left = skin->TitleBar()->GetLeftImage();
    TBitmap* right = skin->TitleBar()->GetRightImage();
    TBitmap* center = skin->TitleBar()->GetCenterImage();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(At(1, row), left->GetCanvas()->GetPixel(1, row)) << row;
        EXPECT_EQ(At(20, row), left->GetCanvas()->GetPixel(20, row)) << row;
        EXPECT_EQ(At(W() - 2, row), right->GetCanvas()->GetPixel(right->GetWidth() - 2, row));
        EXPECT_EQ(At(W() / 2, row), center->GetCanvas()->GetPixel(0, row)) << row;
    }
    // And so does the title bar below them.
    EXPECT_EQ(At(W() / 2, 12), center->GetCanvas()->GetPixel(0, 12));
    // The MacOS background stripes repeat every four rows below the title bar.
    const TColor stripes[] = {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF};
    for (int row = 0; row < 8; ++row) EXPECT_EQ(At(W() / 2, 3 + 20 + row), stripes[(20 + row) % 4]);
}

TEST_F(SkinFormTest, AWideBorderHasNoInnerStripsAndAHiddenTitleBarAPlainTop) {
    MakeSkinned();
    skin->SetBorderWidth2(4);
    Headless::ProcessMessages();
    const int y = H() / 2;
    // The band is three pixels wide: that is as far as a border shows.
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(x, y), 0x7F7F7Fu) << x;

    skin->SetBorderWidth2(1);
    skin->SetTitleBarVisible(false);
    Headless::ProcessMessages();
    EXPECT_EQ(skin->GetRoundCorner(), 0);
    EXPECT_EQ(At(W() / 2, 0), 0x7F7F7Fu);
    EXPECT_EQ(At(W() / 2, 1), 0xE7E7E7u);
    EXPECT_EQ(At(W() / 2, 2), 0xE7E7E7u);
    EXPECT_EQ(skin->GetTitleBarHeight(), 0);

    // Negative sizes are none.
    skin->SetBorderWidth2(-3);
    EXPECT_EQ(skin->GetBorderWidth2(), 0);
}

TEST_F(SkinFormTest, RoundCornersCutTheTopOfTheRegionOnly) {
    const gfx::Bitmap before = Headless::CaptureDesktop();
    MakeSkinned(WinXP);
    EXPECT_EQ(skin->GetRoundCorner(), 13);
    const TPoint o{form->GetLeft(), form->GetTop()};
    const gfx::Bitmap shot = Headless::CaptureDesktop();
    // The desktop shows through the cut top corners; the bottom ones are square.
    EXPECT_EQ(shot.GetPixel(o.x, o.y), before.GetPixel(o.x, o.y));
    EXPECT_EQ(shot.GetPixel(o.x + W() - 1, o.y), before.GetPixel(o.x + W() - 1, o.y));
    EXPECT_NE(shot.GetPixel(o.x + 6, o.y + 6), before.GetPixel(o.x + 6, o.y + 6));
    EXPECT_EQ(shot.GetPixel(o.x, o.y + H() - 1), skin->GetBorderColor());
    EXPECT_EQ(shot.GetPixel(o.x + W() - 1, o.y + H() - 1), skin->GetBorderColor());

    skin->SetRoundCorner(0);
    Headless::ProcessMessages();
    EXPECT_NE(Headless::CaptureDesktop().GetPixel(o.x, o.y), before.GetPixel(o.x, o.y));
    skin->SetRoundCorner(-5);
    Headless::ProcessMessages();
    EXPECT_NE(Headless::CaptureDesktop().GetPixel(o.x, o.y), before.GetPixel(o.x, o.y));
}

TEST_F(SkinFormTest, ElevenPixelCornersOfAOnePixelBorderGetArcsInTheBorderColour) {
    MakeSkinned(BlueGlass);
    ASSERT_EQ(skin->GetRoundCorner(), 11);
    ASSERT_EQ(skin->GetBorderWidth2(), 1);
    TBitmap* left = skin->TitleBar()->GetLeftImage();
    // Where the arc crosses the corner's diagonal, the border colour covers the picture.
    auto arcPixels = [&] {
        int count = 0;
        for (int d = 1; d < 6; ++d)
            if (At(d, d) == skin->GetBorderColor() &&
                left->GetCanvas()->GetPixel(d, d) != skin->GetBorderColor())
                ++count;
        return count;
    };
    EXPECT_GT(arcPixels(), 0);
    skin->SetRoundCorner(12);
    Headless::ProcessMessages();
    EXPECT_EQ(arcPixels(), 0);
}

TEST_F(SkinFormTest, AMaximisedFormFillsTheWorkAreaButItsLastRowAndRestores) {
    MakeSkinned();
    const TRect normal = form->BoundsRect();
    form->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    TRect area = GetWorkAreaRect();
    area.bottom -= 1;
    EXPECT_EQ(form->BoundsRect(), area);
    EXPECT_EQ(ScreenPixel(area.left, area.bottom - 1), 0x7F7F7Fu);
    form->SetWindowState(wsNormal);
    Headless::ProcessMessages();
    EXPECT_EQ(form->BoundsRect(), normal);
}

TEST_F(SkinFormTest, AFormMaximisedAtCreationGetsItsCreationBoundsWhenRestored) {
    MakeForm();
    form->Show();
    form->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    const TRect created = form->BoundsRect();
    skin = new TskForm(form);
    form->SetWindowState(wsNormal);
    Headless::ProcessMessages();
    EXPECT_EQ(form->BoundsRect(), created);
}

TEST_F(SkinFormTest, AltSpaceOpensTheWindowMenuBelowTheTitleBarOfTheHookOwner) {
    MakeSkinned();
    ASSERT_TRUE(skin->HooksApplication());
    // As while the main window's creation reports a damaged file: no main form yet. The
    // menu opens at the hook owner's own form.
    ASSERT_EQ(Application->MainForm(), nullptr);
    TPoint at;
    driver->WhenIdle([&] {
        const std::vector<HWND> open = OpenMenus();
        ASSERT_EQ(open.size(), 1u);
        at = WindowRect(open[0]).TopLeft();
        Headless::KeyPress(VK_ESCAPE);
    });
    AltSpace();
    Headless::ProcessMessages();
    EXPECT_EQ(at, (TPoint{form->GetLeft(), form->GetTop() + 20}));
    EXPECT_TRUE(OpenMenus().empty());

    // Under a modal dialog the form is disabled: no menu, whose Close would end it.
    EnableWindow(form->Handle(), FALSE);
    AltSpace();
    Headless::ProcessMessages();
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_TRUE(form->GetVisible());
}

TEST_F(SkinFormTest, TheWindowMenusCloseClosesTheForm) {
    MakeSkinned();
    driver->WhenIdle([&] { Headless::KeyPress('C', U'c'); });
    AltSpace();
    Headless::ProcessMessages();
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(SkinFormTest, OnlyTheFirstFrameHoldsTheHookAndGivesItBackWhenItGoes) {
    MakeSkinned();
    TForm* second = new TForm(nullptr);
    auto* secondSkin = new TskForm(second);
    EXPECT_FALSE(secondSkin->HooksApplication());
    EXPECT_TRUE(static_cast<bool>(Application->OnMessage));
    delete second;
    EXPECT_TRUE(static_cast<bool>(Application->OnMessage));
    delete form;
    form = nullptr;
    EXPECT_FALSE(static_cast<bool>(Application->OnMessage));
}

TEST_F(SkinFormTest, AFrameTakenOffGivesTheFormItsCaptionAndWindowProcedureBack) {
    MakeSkinned();
    delete skin;
    skin = nullptr;
    Headless::ProcessMessages();
    EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(static_cast<bool>(Application->OnMessage));
    // The form answers its messages itself again.
    form->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    EXPECT_EQ(form->GetWindowState(), wsMaximized);
}

TEST_F(SkinFormTest, AFormReleasedThroughItsWindowProcedureIsLeftAlone) {
    MakeSkinned();
    skin->TitleBar()->OnCustomBtnsClick = nullptr;
    TComponentGuard formAlive(form), frameAlive(skin);
    const HWND hwnd = form->Handle();
    form->Release();
    Headless::ProcessMessages();
    form = nullptr;  // the release freed it, and the frame with it
    EXPECT_FALSE(formAlive.Exists());
    EXPECT_FALSE(frameAlive.Exists());
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(static_cast<bool>(Application->OnMessage)) << "the hook went with the frame";
    // The desktop shows no trace of the form.
    EXPECT_EQ(ScreenPixel(150, 105), ScreenPixel(90, 90));
}

TEST_F(SkinFormTest, TheTitleBarsCloseButtonClosesTheForm) {
    MakeSkinned();
    TskTitleBar* bar = skin->TitleBar();
    // MacOS: the close button spans w - 19 to w - 3 at row 1.
    const TPoint p = bar->ClientToScreen({bar->GetWidth() - 10, 8});
    Headless::Click(p.x, p.y);
    Headless::ProcessMessages();
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(SkinFormTest, ATitlePictureShorterThanTheBandMakesNoNegativeBar) {
    MakeSkinned();
    TBitmap thin(48, 2);
    skin->TitleBar()->GetSections()->GetItem(0)->GetPicture()->SetBitmap(&thin);
    skin->TitleBar()->SetAutoSize2(true);
    EXPECT_EQ(skin->TitleBar()->GetHeight(), 0);
    Headless::ProcessMessages();
}

TEST_F(SkinFormTest, EachMaximisedMdiChildShiftsItsOwnContents) {
    TForm frame(nullptr);
    frame.SetBounds(0, 0, 600, 400);
    frame.SetFormStyle(fsMDIForm);
    frame.Show();
    TForm first(nullptr), second(nullptr);
    TskForm* skins[2] = {};
    TControl* probes[2] = {};
    int i = 0;
    for (TForm* child : {&first, &second}) {
        child->SetBounds(10, 10, 240, 160);
        child->SetFormStyle(fsMDIChild);
        skins[i] = new TskForm(child);
        skins[i]->SetUIStyle(MacOS);
        probes[i] = new TPanel(child);
        probes[i]->SetBounds(10, 40, 50, 20);
        probes[i]->SetParent(skins[i]);
        child->Show();
        ++i;
    }
    Headless::ProcessMessages();
    first.SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    // The first one's title bar gives way to the frame's; its contents move up by the
    // bar's height less the band.
    EXPECT_TRUE(skins[0]->ContentShifted());
    EXPECT_FALSE(skins[0]->TitleBar()->GetVisible());
    EXPECT_EQ(probes[0]->GetTop(), 40 - 17);
    // The other child is no business of the first's.
    EXPECT_FALSE(skins[1]->ContentShifted());
    EXPECT_EQ(probes[1]->GetTop(), 40);
    first.SetWindowState(wsNormal);
    Headless::ProcessMessages();
    EXPECT_FALSE(skins[0]->ContentShifted());
    EXPECT_TRUE(skins[0]->TitleBar()->GetVisible());
    EXPECT_EQ(probes[0]->GetTop(), 40);
}

// How many pixels of the colour the title bar's caption area shows on the screen.
int CaptionPixels(TskForm* skin, TColor color) {
    TskTitleBar* bar = skin->TitleBar();
    const gfx::Bitmap shot = Headless::CaptureDesktop();
    const TColor rgb = ColorToRGB(color);
    int n = 0;
    for (int y = 2; y < bar->GetHeight() - 2; ++y)
        for (int x = 0; x < bar->GetWidth(); ++x) {
            const TPoint p = bar->ClientToScreen({x, y});
            if (shot.GetPixel(p.x, p.y) == rgb) ++n;
        }
    return n;
}

// The caption shows whether its window is the active one: in the style's caption colour
// while active, in the inactive caption colour while another window is, for top-level
// forms and MDI children alike, and each time the activation moves.
TEST_F(SkinFormTest, TheCaptionShowsWhetherItsWindowIsActive) {
    struct Case {
        const char* name;
        TskUIStyle style;
        TColor activeColor;
        bool mdi;
    };
    const Case cases[] = {
        {"MacOS forms", MacOS, clBlack, false},
        {"DeepBlue forms", DeepBlue, clWhite, false},
        {"MacOS MDI children", MacOS, clBlack, true},
        {"WinXP MDI children", WinXP, clWhite, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TForm frame(nullptr);
        if (c.mdi) {
            frame.SetBounds(0, 0, 800, 500);
            frame.SetFormStyle(fsMDIForm);
            frame.Show();
        }
        TForm first(nullptr), second(nullptr);
        TskForm* skins[2] = {};
        int i = 0;
        for (TForm* one : {&first, &second}) {
            one->SetCaption(i == 0 ? "First window" : "Second window");
            if (c.mdi) one->SetFormStyle(fsMDIChild);
            one->SetBounds(20 + 380 * i, 40, 360, 200);
            skins[i] = new TskForm(one);
            skins[i]->SetUIStyle(c.style);
            one->Show();
            Headless::ProcessMessages();
            ++i;
        }
        for (const int active : {1, 0, 1}) {
            SCOPED_TRACE(active == 0 ? "the first active" : "the second active");
            TForm* activeForm = active == 0 ? &first : &second;
            if (c.mdi)
                SendMessage(frame.ClientHandle(), WM_MDIACTIVATE,
                            reinterpret_cast<WPARAM>(activeForm->Handle()), 0);
            else
                SetActiveWindow(activeForm->Handle());
            Headless::ProcessMessages();
            TskForm* on = skins[active];
            TskForm* off = skins[1 - active];
            EXPECT_GT(CaptionPixels(on, c.activeColor), 10);
            // The bar's own picture may hold a stray pixel of that colour, no caption.
            EXPECT_LE(CaptionPixels(on, clInactiveCaption), 2);
            EXPECT_GT(CaptionPixels(off, clInactiveCaption), 10);
        }
    }
}

TEST_F(SkinFormTest, AFileThemeThatGoesLeavesDeepBlue) {
    MakeSkinned();
    auto* theme = new TskFileTheme(form);
    skin->SetFileTheme(theme);
    skin->SetUIStyle(FromThemeFile);
    delete theme;
    EXPECT_EQ(skin->GetFileTheme(), nullptr);
    EXPECT_EQ(skin->GetUIStyle(), DeepBlue);
    EXPECT_EQ(skin->TitleBar()->GetUIStyle(), DeepBlue);
}

}  // namespace
