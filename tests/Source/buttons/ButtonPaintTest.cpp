// How a push button looks: the frame of its style's picture for each state, drawn in nine
// parts over the whole button; the caption centred, pressed down a pixel, etched when
// disabled and bold when focused in the glassy styles; its parent showing through.
#include "Source/buttons/SKButton.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;

namespace {

class ButtonPaint : public ButtonsTest {
protected:
    TskButton* CodedButton() {
        auto* button = Add<TskButton>(20, 20);
        button->SetFileTheme(CodedTheme());
        button->SetUIStyle(FromThemeFile);
        return button;
    }
};

}  // namespace

TEST_F(ButtonPaint, EachStateShowsItsFrameDrawnInNineParts) {
    TskButton* button = CodedButton();
    button->SetTabStop(false);
    struct Case {
        const char* state;
        int frame;
    };
    const Case cases[] = {{"normal", 1}, {"hover", 2}, {"pressed", 3}, {"disabled", 1}};
    for (const Case& c : cases) {
        const std::string state = c.state;
        if (state == "hover") MoveTo(button);
        if (state == "pressed") {
            win::Headless::MouseDown();
            win::Headless::ProcessMessages();
        }
        if (state == "disabled") {
            win::Headless::MouseUp();
            win::Headless::MouseMove(0, 0);
            button->SetEnabled(false);
        }
        const gfx::Bitmap shot = Capture(button);
        ASSERT_EQ(shot.Width(), 80);
        ASSERT_EQ(shot.Height(), 27);
        // Corners keep their pixels, edges and the centre are stretched from the columns
        // and rows between the corners (10 and 11 of 21): the source pixel drawn at each
        // spot shows where the nine parts lie. -1 stands for "between the corners".
        struct Spot {
            int x, y, sx, sy;
        };
        const Spot spots[] = {{0, 0, 0, 0},     {9, 9, 9, 9},     {79, 26, 20, 20},
                              {71, 0, 12, 0},   {0, 18, 0, 12},   {40, 0, -1, 0},
                              {40, 13, -1, -1}, {79, 13, 20, -1}, {40, 26, -1, 20}};
        auto matches = [](int actual, int expected) {
            return expected < 0 ? actual == 10 || actual == 11 : actual == expected;
        };
        for (const Spot& s : spots) {
            const TColor pixel = shot.GetPixel(s.x, s.y);
            EXPECT_EQ(CodedFrame(pixel), c.frame) << c.state << " at " << s.x << "," << s.y;
            EXPECT_TRUE(matches(CodedX(pixel), s.sx) && matches(CodedY(pixel), s.sy))
                << c.state << " at " << s.x << "," << s.y << ": source " << CodedX(pixel) << ","
                << CodedY(pixel);
        }
    }
}

TEST_F(ButtonPaint, EveryStyleDrawsItsOwnPictureAndAStyleChangeRepaints) {
    auto* button = Add<TskButton>(20, 20);
    button->SetTabStop(false);
    for (TskUIStyle style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        button->SetUIStyle(style);
        TBitmap frame;
        GetInsideThemeBitmap(style, SkItem::ButtonImage, &frame, 3, 1);
        const gfx::Bitmap shot = Capture(button);
        // The centre of the face is the stretched centre of the frame.
        EXPECT_EQ(shot.GetPixel(40, 13),
                  frame.Image().GetPixel(frame.GetWidth() / 2, frame.GetHeight() / 2))
            << TskUIStyleInfo().NameOf(static_cast<int>(style));
        EXPECT_EQ(button->GetTransparent(), style == MacOS || style == BlueGlass);
    }
}

TEST_F(ButtonPaint, ATransparentButtonShowsItsParentWhereItsPictureIsKeyed) {
    auto* button = Add<TskButton>(20, 20);
    button->SetUIStyle(BlueGlass);
    ASSERT_TRUE(button->GetTransparent());
    button->SetColor(clRed);
    const gfx::Bitmap shot = Capture(button);
    // The glassy picture's corners are keyed out; the form's colour shows there.
    EXPECT_EQ(shot.GetPixel(0, 0), kFormColor);
    EXPECT_EQ(shot.GetPixel(79, 26), kFormColor);
    EXPECT_EQ(CountColor(shot, {0, 0, 80, 27}, clRed), 0);

    // Opaque, the button fills itself with its colour; its picture is keyed only while
    // PicTransparent says so.
    button->SetTransparent(false);
    EXPECT_EQ(Capture(button).GetPixel(0, 0), 0xFF00FF);
    button->SetPicTransparent(true);
    EXPECT_EQ(Capture(button).GetPixel(0, 0), static_cast<TColor>(clRed));
}

TEST_F(ButtonPaint, TheCaptionIsCentredPressedDownEtchedWhenDisabledAndBoldWhenFocused) {
    TskButton* button = CodedButton();
    const gfx::Bitmap blank = Capture(button);
    button->SetCaption("&Save");
    const TRect text = DifferenceBox(blank, Capture(button));
    ASSERT_FALSE(text.IsEmpty());
    // Centred: as much room on either side, give or take the rounding of halves.
    EXPECT_LE(std::abs(text.left - (80 - text.right)), 2);
    EXPECT_LE(std::abs(text.top - (27 - text.bottom)), 2);
    // The accelerator's underline lies under the S, the caption's first letter.
    const gfx::Bitmap shot = Capture(button);
    int underline = 0;
    for (int x = text.left; x < text.right; ++x)
        if (shot.GetPixel(x, text.bottom - 1) == clBlack) ++underline;
    EXPECT_GE(underline, 4);
    EXPECT_LE(underline, (text.right - text.left) / 2);

    MoveTo(button);
    win::Headless::MouseDown();
    win::Headless::ProcessMessages();
    gfx::Bitmap pressedBlank = blank;
    {
        const std::string caption = button->GetCaption();
        button->SetCaption("");
        pressedBlank = Capture(button);
        button->SetCaption(caption);
    }
    const TRect pressed = DifferenceBox(pressedBlank, Capture(button));
    EXPECT_EQ(pressed.left, text.left + 1);
    EXPECT_EQ(pressed.top, text.top + 1);
    win::Headless::MouseUp();
    win::Headless::MouseMove(0, 0);
    win::Headless::ProcessMessages();

    form->SetActiveControl(nullptr);
    button->SetEnabled(false);
    const gfx::Bitmap etched = Capture(button);
    EXPECT_GT(CountColor(etched, text.Inflate(1, 1), clWhite), 0);
    EXPECT_GT(CountColor(etched, text.Inflate(1, 1), 0x808080), 0);
}

TEST_F(ButtonPaint, FocusIsABoldCaptionInTheGlassyStylesAndADottedFrameInTheOthers) {
    auto* other = Add<TskButton>(200, 20);
    auto* button = Add<TskButton>(20, 20);
    button->SetCaption("OK");
    for (TskUIStyle style : {BlueGlass, MacOS, DeepBlue}) {
        button->SetUIStyle(style);
        button->SetTransparent(false);
        other->SetFocus();
        const gfx::Bitmap plain = Capture(button);
        button->SetFocus();
        const gfx::Bitmap focused = Capture(button);
        const TRect changed = DifferenceBox(plain, focused);
        const std::string name = TskUIStyleInfo().NameOf(static_cast<int>(style));
        ASSERT_FALSE(changed.IsEmpty()) << name;
        if (style == DeepBlue) {
            // The dotted frame lies 2 pixels inside the edges.
            EXPECT_EQ(changed.left, 2) << name;
            EXPECT_EQ(changed.top, 2) << name;
            EXPECT_EQ(changed.right, 78) << name;
            EXPECT_EQ(changed.bottom, 25) << name;
        } else {
            // Only the caption changes: it is bolder, so it covers more pixels.
            EXPECT_GT(changed.left, 10) << name;
            EXPECT_LT(changed.right, 70) << name;
        }
    }
}

TEST_F(ButtonPaint, AFileThemeChangeRepaintsWithTheFilesPictures) {
    auto* button = Add<TskButton>(20, 20);
    button->SetTabStop(false);
    button->SetUIStyle(FromThemeFile);
    // Without a usable file theme the button looks DeepBlue.
    TBitmap deepBlue;
    GetInsideThemeBitmap(DeepBlue, SkItem::ButtonImage, &deepBlue, 3, 1);
    EXPECT_EQ(Capture(button).GetPixel(40, 13), deepBlue.Image().GetPixel(37, 10));
    TskFileTheme* theme = CodedTheme();
    button->SetFileTheme(theme);
    EXPECT_EQ(CodedFrame(Capture(button).GetPixel(40, 13)), 1);
    // The theme going away takes the button back to DeepBlue.
    delete theme;
    EXPECT_EQ(button->GetUIStyle(), DeepBlue);
    EXPECT_EQ(button->GetFileTheme(), nullptr);
    EXPECT_EQ(Capture(button).GetPixel(40, 13), deepBlue.Image().GetPixel(37, 10));
}
