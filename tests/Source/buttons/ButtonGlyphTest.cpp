// A push button's glyph: where its Layout puts it beside the caption and how far its
// Spacing keeps them apart, and how it shows while the button is disabled, as a single
// picture greyed or as the second half of a two-picture glyph.
#include <climits>
#include <string>

#include "Source/buttons/SKButton.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;

namespace {

// The glyph's colours, none of them in the coded theme's pictures (whose blue is 0x40 to
// 0x42 and green at most 20): a light body and a dark middle.
constexpr TColor kKey = 0xFF00FF;
constexpr TColor kLight = 0x80FFFF;
constexpr TColor kDark = 0x004000;
constexpr TColor kSecond = 0xFF0000;  // the whole second picture of a two-picture glyph

// A 12 x 10 glyph keyed by its magenta corner: a light body of 10 x 8 and a dark middle of
// 6 x 4; with two pictures, a second one 12 x 12 beside the first, blue inside its border.
void MakeGlyph(TBitmap& glyph, bool twoPictures) {
    const int height = twoPictures ? 12 : 10;
    glyph.SetWidth(twoPictures ? 24 : 12);
    glyph.SetHeight(height);
    TCanvas* canvas = glyph.GetCanvas();
    canvas->GetBrush()->SetColor(kKey);
    canvas->FillRect(Rect(0, 0, glyph.GetWidth(), height));
    canvas->GetBrush()->SetColor(kLight);
    canvas->FillRect(Rect(1, 1, 11, height - 1));
    canvas->GetBrush()->SetColor(kDark);
    canvas->FillRect(Rect(3, 3, 9, height - 3));
    if (twoPictures) {
        canvas->GetBrush()->SetColor(kSecond);
        canvas->FillRect(Rect(13, 1, 23, 11));
    }
}

TRect BoxOf(const gfx::Bitmap& shot, bool (*inside)(TColor)) {
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (inside(shot.GetPixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

bool IsGlyph(TColor c) {
    return c == kLight || c == kDark;
}
// The caption's black ink over the coded face darkens the face's blue below 0x40.
bool IsCaptionInk(TColor c) {
    return ((c >> 16) & 0xFF) < 0x38 && !IsGlyph(c);
}

class ButtonGlyph : public ButtonsTest {
protected:
    TskButton* GlyphButton(bool twoPictures, const std::string& caption) {
        auto* button = Add<TskButton>(20, 20);
        button->SetFileTheme(CodedTheme());
        button->SetUIStyle(FromThemeFile);
        button->SetBounds(20, 20, 140, 70);
        TBitmap glyph;
        MakeGlyph(glyph, twoPictures);
        button->SetGlyph(&glyph);
        button->SetCaption(caption);
        return button;
    }
};

}  // namespace

// Each Layout puts the glyph on its own side of the caption, centred across, with the
// glyph and caption together centred along; Spacing is the gap between them, so eight
// more pixels of it part them by exactly eight more.
TEST_F(ButtonGlyph, LayoutPutsTheGlyphOnItsSideAndSpacingKeepsTheGap) {
    struct Case {
        TButtonLayout layout;
        const char* name;
    };
    const Case cases[] = {{blGlyphLeft, "left"},
                          {blGlyphRight, "right"},
                          {blGlyphTop, "top"},
                          {blGlyphBottom, "bottom"}};
    TskButton* button = GlyphButton(false, "Save");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button->SetLayout(c.layout);
        int gaps[2] = {};
        for (const int spacing : {2, 10}) {
            SCOPED_TRACE("spacing " + std::to_string(spacing));
            button->SetSpacing(spacing);
            const gfx::Bitmap shot = Capture(button);
            const TRect glyph = BoxOf(shot, IsGlyph);
            const TRect text = BoxOf(shot, IsCaptionInk);
            ASSERT_EQ(glyph.Width(), 10);
            ASSERT_EQ(glyph.Height(), 8);
            ASSERT_GT(text.Width(), 10);
            const bool across = c.layout == blGlyphLeft || c.layout == blGlyphRight;
            int gap = 0;
            switch (c.layout) {
                case blGlyphLeft:
                    gap = text.left - glyph.right;
                    break;
                case blGlyphRight:
                    gap = glyph.left - text.right;
                    break;
                case blGlyphTop:
                    gap = text.top - glyph.bottom;
                    break;
                case blGlyphBottom:
                    gap = glyph.top - text.bottom;
                    break;
            }
            EXPECT_GT(gap, 0) << "the glyph stands on its side of the caption";
            gaps[spacing == 10] = gap;
            // Centred across: the glyph's middle on the button's middle line.
            const int offCentre = across ? glyph.top + glyph.bottom - 70
                                         : glyph.left + glyph.right - 140;
            EXPECT_LE(std::abs(offCentre), 2);
            // Together centred along: as much room before the first as after the last,
            // give or take the caption's side bearings.
            const TRect both{std::min(glyph.left, text.left), std::min(glyph.top, text.top),
                             std::max(glyph.right, text.right),
                             std::max(glyph.bottom, text.bottom)};
            const int lopsided = across ? both.left - (140 - both.right)
                                        : both.top - (70 - both.bottom);
            EXPECT_LE(std::abs(lopsided), across ? 4 : 6);
        }
        EXPECT_EQ(gaps[1] - gaps[0], 8);
    }
}

// Disabled, a single-picture glyph shows greyed: its dark pixels in the shadow colour
// with a highlight below and right of them, its light ones gone; enabled again it shows
// its own colours.
TEST_F(ButtonGlyph, ADisabledButtonGreysItsSinglePictureGlyph) {
    TskButton* button = GlyphButton(false, "");
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    for (const bool enabled : {true, false, true}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        button->SetEnabled(enabled);
        const gfx::Bitmap shot = Capture(button);
        const TRect all = Rect(0, 0, shot.Width(), shot.Height());
        EXPECT_EQ(CountColor(shot, all, kLight), enabled ? 10 * 8 - 6 * 4 : 0);
        EXPECT_EQ(CountColor(shot, all, kDark), enabled ? 6 * 4 : 0);
        EXPECT_EQ(CountColor(shot, all, shadow), enabled ? 0 : 6 * 4);
        EXPECT_EQ(CountColor(shot, all, highlight), enabled ? 0 : 6 + 4 - 1);
    }
}

// A glyph of two pictures side by side shows the first while enabled and the second while
// disabled, each whole and in its own colours.
TEST_F(ButtonGlyph, ADisabledButtonShowsTheSecondPictureOfATwoPictureGlyph) {
    TskButton* button = GlyphButton(true, "");
    for (const bool enabled : {true, false, true}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        button->SetEnabled(enabled);
        const gfx::Bitmap shot = Capture(button);
        const TRect all = Rect(0, 0, shot.Width(), shot.Height());
        EXPECT_EQ(CountColor(shot, all, kLight), enabled ? 10 * 10 - 6 * 6 : 0);
        EXPECT_EQ(CountColor(shot, all, kDark), enabled ? 6 * 6 : 0);
        EXPECT_EQ(CountColor(shot, all, kSecond), enabled ? 0 : 10 * 10);
        EXPECT_EQ(CountColor(shot, all, ColorToRGB(clBtnShadow)), 0) << "nothing greyed";
    }
}
