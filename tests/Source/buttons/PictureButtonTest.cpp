// The picture buttons: an image button's four pictures and its size, a control button's
// frames of a theme item, an arrow button's triangle, and the flat speed button.
#include "Source/buttons/SKImageButton.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;
using win::Headless;

namespace {

void Solid(TPicture* picture, int width, int height, TColor color) {
    TBitmap bitmap(width, height);
    bitmap.Image().Fill(color);
    picture->SetBitmap(&bitmap);
}

class PictureButtonTest : public ButtonsTest {};

}  // namespace

TEST_F(PictureButtonTest, AnImageButtonShowsItsNormalPictureForEveryStateWithoutItsOwn) {
    auto* button = Add<TskImageButton>(20, 20);
    button->SetTabStop(false);
    button->SetBounds(20, 20, 30, 20);
    Solid(button->GetPicNormal(), 30, 20, 0x112233);
    EXPECT_EQ(button->GetUIStyle(), FromThemeFile);
    EXPECT_EQ(Capture(button).GetPixel(15, 10), 0x112233);
    MoveTo(button);
    EXPECT_EQ(Capture(button).GetPixel(15, 10), 0x112233) << "hover";
    Solid(button->GetPicMouseOn(), 30, 20, 0x445566);
    EXPECT_EQ(Capture(button).GetPixel(15, 10), 0x445566) << "hover, own picture";
    Headless::MouseDown();
    EXPECT_EQ(Capture(button).GetPixel(15, 10), 0x112233) << "pressed";
    Headless::MouseUp();
    button->SetEnabled(false);
    EXPECT_EQ(Capture(button).GetPixel(15, 10), 0x112233) << "disabled";
}

TEST_F(PictureButtonTest, AnImageButtonWithAutoSizeTakesItsNormalPicturesSize) {
    TskImageButton loose(nullptr);
    loose.SetAutoSize(true);
    TPicture picture;
    Solid(&picture, 40, 12, clBlue);
    loose.SetPicNormalF(&picture);
    EXPECT_NE(loose.GetWidth(), 40) << "without a parent it keeps its size";

    auto* button = Add<TskImageButton>(20, 20);
    button->SetAutoSize(true);
    button->SetPicNormalF(&picture);
    EXPECT_EQ(button->GetWidth(), 40);
    EXPECT_EQ(button->GetHeight(), 12);
    Solid(&picture, 16, 16, clBlue);
    button->SetPicMouseOnF(&picture);  // any picture written sizes it to the normal one
    EXPECT_EQ(button->GetWidth(), 40);
}

TEST_F(PictureButtonTest, AControlButtonShowsFramesOfItsThemeItemAndTakesTheirSize) {
    auto* button = Add<TskControlButton>(20, 20);
    button->SetFileTheme(CodedTheme());
    button->SetUIStyle(FromThemeFile);
    button->SetBounds(20, 20, 30, 20);
    button->SetColor(clRed);
    EXPECT_EQ(Capture(button).GetPixel(0, 0), static_cast<TColor>(clRed))
        << "no theme item, nothing shown";
    button->SetThemeID(SkItem::ButtonImage);
    button->SetPicCount(3);
    button->SetPicIndex(1);
    EXPECT_EQ(button->GetWidth(), kButtonFrame);
    EXPECT_EQ(button->GetHeight(), kButtonFrame);
    EXPECT_EQ(CodedFrame(Capture(button).GetPixel(5, 5)), 1);
    MoveTo(button);
    EXPECT_EQ(CodedFrame(Capture(button).GetPixel(5, 5)), 2);
    // Frame counts a file may hold: 0 is the whole picture, anything else is kept in range.
    struct Case {
        int count, index, width, frame;
    };
    const Case cases[] = {{0, 1, 3 * kButtonFrame, 1},
                          {-4, 2, 3 * kButtonFrame, 1},
                          {3, 9, kButtonFrame, 3},
                          {1000, 1, 1, 1}};
    for (const Case& c : cases) {
        Headless::MouseMove(0, 0);
        button->SetPicCount(c.count);
        button->SetPicIndex(c.index);
        EXPECT_EQ(button->GetWidth(), c.width) << c.count << " frames";
        EXPECT_EQ(CodedFrame(Capture(button).GetPixel(0, 0)), c.frame) << c.count << " frames";
    }
}

TEST_F(PictureButtonTest, AnArrowButtonDrawsItsTriangleAndNoCaption) {
    auto* button = Add<TskArrowButton>(20, 20);
    button->SetTabStop(false);
    button->SetBounds(20, 20, 16, 10);
    button->SetUIStyle(DeepBlue);
    button->SetCaption("never shown");
    gfx::Bitmap shot = Capture(button);
    // Up: corners (5, 6), (8, 3) and (11, 6).
    EXPECT_EQ(shot.GetPixel(8, 3), clBlack);
    EXPECT_EQ(shot.GetPixel(8, 5), clBlack);
    EXPECT_EQ(shot.GetPixel(6, 6), clBlack);
    EXPECT_NE(shot.GetPixel(8, 2), clBlack);
    EXPECT_NE(shot.GetPixel(4, 6), clBlack);
    button->SetArrow(skDown);
    shot = Capture(button);
    EXPECT_EQ(shot.GetPixel(8, 6), clBlack);
    EXPECT_EQ(shot.GetPixel(6, 3), clBlack);
    EXPECT_NE(shot.GetPixel(8, 7), clBlack);
    EXPECT_EQ(button->GetTransparent(),
              GetInsideThemeBool(DeepBlue, SkItem::ButtonTransparentBool));
}

TEST_F(PictureButtonTest, ASpeedButtonIsFramedWhileHoveredOnlyWhenItHasAGlyph) {
    auto* button = Add<TskToolBarSpeedButton>(20, 20);
    button->SetColor(clWhite);
    EXPECT_EQ(button->GetWidth(), 18);
    MoveTo(button);
    EXPECT_TRUE(button->MouseOn());
    EXPECT_EQ(CountColor(Capture(button), {0, 0, 18, 18}, clWhite), 18 * 18);
    TBitmap glyph(16, 16);
    glyph.Image().Fill(clGreen);
    glyph.Image().SetPixel(0, 15, 0xFF00FF);  // the bottom left pixel keys the glyph
    button->SetGlyph(&glyph);
    button->Invalidate();
    const gfx::Bitmap shot = Capture(button);
    EXPECT_EQ(shot.GetPixel(0, 0), clBlack);
    EXPECT_EQ(shot.GetPixel(17, 17), clBlack);
    EXPECT_EQ(shot.GetPixel(5, 5), static_cast<TColor>(clGreen));
    Headless::MouseMove(0, 0);
    Headless::ProcessMessages();
    EXPECT_EQ(Capture(button).GetPixel(0, 0), static_cast<TColor>(clWhite));
}
