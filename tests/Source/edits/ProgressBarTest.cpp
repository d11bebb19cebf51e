// The progress bar: its percentage and filled length at and past its limits, the picture,
// background and border where a horizontal and a vertical bar put them in two styles, the
// caption, and the style's values giving way to a form's own.
#include <climits>
#include <memory>
#include <string>

#include "Source/edits/SKProgressBar.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/streaming/FormReader.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;

namespace {

class ProgressBar : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        bar = new TskProgressBar(host.get());
        bar->SetParent(host.get());
        bar->SetLeft(20);
        bar->SetTop(30);
    }
    // The bar's own pixels.
    gfx::Bitmap BarShot() { return Shot().Copy(bar->BoundsRect()); }
    // The style's progress picture, turned for a vertical bar and stretched to W x H.
    static gfx::Bitmap Stretched(TskUIStyle style, bool vertical, int W, int H) {
        TBitmap picture;
        GetInsideThemeBitmap(style, SkItem::ProgressBarImage, &picture, 0, 0);
        if (vertical) RoundPicture(&picture);
        TBitmap out(W, H);
        out.GetCanvas()->StretchDraw(Rect(0, 0, W, H), &picture);
        return out.Image();
    }

    TskProgressBar* bar = nullptr;
};

TEST_F(ProgressBar, PercentAndFilledLengthAtAndPastTheLimits) {
    struct Case {
        int min, max, position;
        std::int64_t percent;
        int filled;  // of 149
        const char* caption;
    };
    const Case cases[] = {
        {0, 100, 50, 50, 74, "50%"},
        {0, 100, 0, 0, 0, "0%"},
        {0, 100, 100, 100, 149, "100%"},
        {0, 100, 150, 150, 149, "150%"},
        {0, 100, -20, -20, 0, "-20%"},
        {10, 10, 10, 0, 0, "0%"},  // Max = Min: nothing to divide by
        {10, 10, 50, 0, 0, "0%"},
        {100, 0, 50, 50, 0, "50%"},  // Max below Min: a negative divisor, no fill
        {INT_MIN, INT_MAX, INT_MAX, 100, 149, "100%"},  // far-apart limits need 64 bits
        {INT_MIN, INT_MAX, 0, 50, 74, "50%"},
        {0, 1, INT_MAX, std::int64_t{INT_MAX} * 100, 149, "214748364700%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.min) + ".." + std::to_string(c.max) + " at " +
                     std::to_string(c.position));
        bar->SetMin(c.min);
        bar->SetMax(c.max);
        bar->SetPosition(c.position);
        EXPECT_EQ(bar->GetMin(), c.min) << "stored unchanged";
        EXPECT_EQ(bar->GetMax(), c.max);
        EXPECT_EQ(bar->GetPercentFromPosition(), c.percent);
        EXPECT_EQ(bar->GetWidthFromPosition(149), c.filled);
        EXPECT_EQ(bar->CaptionText(), c.caption);
    }
}

TEST_F(ProgressBar, StartsAt50PercentOnA150By12Bar) {
    EXPECT_EQ(bar->GetWidth(), 150);
    EXPECT_EQ(bar->GetHeight(), 12);
    EXPECT_EQ(bar->CaptionText(), "50%");
    EXPECT_EQ(bar->GetUIStyle(), DeepBlue) << "no skinned frame on the owner";
    EXPECT_EQ(bar->GetOrientation(), skHorizontal);
    bar->StepIt();
    EXPECT_EQ(bar->GetPosition(), 51);
    bar->StepBy(-11);
    EXPECT_EQ(bar->CaptionText(), "40%");
}

TEST_F(ProgressBar, HorizontalBarDrawsPictureBackgroundAndBorderInEachStyle) {
    for (const TskUIStyle style : {MacOS, WinXP}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        bar->SetUIStyle(style);
        bar->SetShowCaption(false);
        const TColor background = GetInsideThemeColor(style, SkItem::ControlBackgroundColor);
        const TColor border = GetInsideThemeColor(style, SkItem::ControlBorderColor);
        EXPECT_EQ(bar->GetColor(), background);
        EXPECT_EQ(bar->GetBorderColor(), border);
        const gfx::Bitmap shot = BarShot();
        // e = 149 x 50 div 100 = 74: the picture in x 1 to 73, the background from 74 to 148.
        const gfx::Bitmap picture = Stretched(style, false, 73, 10);
        for (int y = 1; y < 11; ++y) {
            for (int x = 1; x < 74; ++x)
                ASSERT_EQ(shot.GetPixel(x, y), picture.GetPixel(x - 1, y - 1)) << x << "," << y;
            for (int x = 74; x < 149; ++x) ASSERT_EQ(shot.GetPixel(x, y), background) << x;
        }
        for (int x = 0; x < 150; ++x) {
            ASSERT_EQ(shot.GetPixel(x, 0), border) << x;
            ASSERT_EQ(shot.GetPixel(x, 11), border) << x;
        }
        for (int y = 0; y < 12; ++y) {
            ASSERT_EQ(shot.GetPixel(0, y), border);
            ASSERT_EQ(shot.GetPixel(149, y), border);
        }
    }
}

TEST_F(ProgressBar, VerticalBarFillsFromTheBottomWithTheMirroredPicture) {
    for (const TskUIStyle style : {MacOS, Protein}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        bar->SetOrientation(skHorizontal);
        bar->SetBounds(20, 30, 150, 12);
        bar->SetUIStyle(style);
        bar->SetOrientation(skVertical);
        EXPECT_EQ(bar->GetWidth(), 12);
        EXPECT_EQ(bar->GetHeight(), 150);
        const TColor background = GetInsideThemeColor(style, SkItem::ControlBackgroundColor);
        const gfx::Bitmap shot = BarShot();
        EXPECT_FALSE(bar->GetShowCaption()) << "a vertical bar switches its caption off";
        // e = 149 - 74 = 75: background in rows 1 to 74, the picture below, upside down.
        const gfx::Bitmap picture = Stretched(style, true, 10, 74);
        for (int x = 1; x < 11; ++x) {
            for (int y = 1; y < 75; ++y)
                ASSERT_EQ(shot.GetPixel(x, y), background) << x << "," << y;
            for (int y = 75; y < 149; ++y)
                ASSERT_EQ(shot.GetPixel(x, y), picture.GetPixel(x - 1, 148 - y)) << x << "," << y;
        }
        EXPECT_EQ(shot.GetPixel(5, 149), bar->GetBorderColor());
    }
}

TEST_F(ProgressBar, VerticalBarAtItsLimitsIsEmptyOrFull) {
    bar->SetUIStyle(MacOS);
    bar->SetOrientation(skVertical);
    const TColor background = bar->GetColor();
    bar->SetPosition(0);
    gfx::Bitmap shot = BarShot();
    EXPECT_EQ(Count(shot, {1, 1, 11, 149}, background), 10 * 148) << "nothing filled at Min";
    bar->SetPosition(100);
    shot = BarShot();
    const gfx::Bitmap picture = Stretched(MacOS, true, 10, 148);
    for (int y = 1; y < 149; ++y) ASSERT_EQ(shot.GetPixel(4, y), picture.GetPixel(3, 148 - y)) << y;
    bar->SetOrientation(skHorizontal);
    EXPECT_FALSE(bar->GetShowCaption()) << "the caption stays off";
}

TEST_F(ProgressBar, TheCaptionIsCentredAndSmartlyHiddenAtMin) {
    bar->SetUIStyle(WinXP);
    bar->SetBounds(20, 30, 150, 20);
    bar->SetCaptionColor(0x0000FF);
    bar->SetPosition(0);
    const TColor background = bar->GetColor();
    // The text is smoothed: count what is not background inside the border.
    auto text = [&](const TRect& r) {
        return r.Width() * r.Height() - Count(BarShot(), r, background);
    };
    const TRect middle{50, 2, 100, 18};
    EXPECT_GT(text(middle), 10) << "\"0%\" in the middle";
    EXPECT_EQ(text({1, 1, 55, 19}), 0);
    EXPECT_EQ(text({95, 1, 149, 19}), 0);
    bar->SetSmartShowCaption(true);
    EXPECT_EQ(text(middle), 0) << "hidden while Position is Min";
    bar->SetPosition(1);
    EXPECT_GT(text(middle), 10);
    bar->SetShowCaption(false);
    EXPECT_EQ(text(middle), 0);
}

TEST_F(ProgressBar, AFormsColoursAndThicknessWinOverTheStyle) {
    RegisterSKProgressBarClasses();
    const char* description = R"(object Bar: TskProgressBar
  Left = 4
  Top = 4
  Width = 40
  Height = 200
  UIStyle = MacOS
  Max = 10
  Position = 5
  Orientation = skVertical
  BorderColor = clRed
  Color = clLime
end)";
    std::unique_ptr<TComponent> loaded(TFormReader("Bar.dfm").ReadComponent(description, nullptr));
    auto* read = dynamic_cast<TskProgressBar*>(loaded.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetWidth(), 12);
    EXPECT_EQ(read->GetHeight(), 200);
    EXPECT_EQ(read->GetBorderColor(), clRed);
    EXPECT_EQ(read->GetColor(), clLime);
    EXPECT_EQ(read->CaptionText(), "50%");
    read->SetUIStyle(WinXP);
    EXPECT_EQ(read->GetColor(), GetInsideThemeColor(WinXP, SkItem::ControlBackgroundColor));
}

TEST_F(ProgressBar, ALostFileThemeFallsBackToDeepBlue) {
    auto* theme = new TskFileTheme(nullptr);
    bar->SetUIStyle(MacOS);
    bar->SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(bar->GetFileTheme(), nullptr);
    EXPECT_EQ(bar->GetUIStyle(), DeepBlue);
    EXPECT_EQ(bar->GetColor(), GetInsideThemeColor(DeepBlue, SkItem::ControlBackgroundColor));
}

}  // namespace
