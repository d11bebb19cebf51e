// The track bar: its range rules and change events, where the slider sits and what value a
// point means (also at the 32-bit limits), ticks, the pictures in two styles, paging by
// mouse with the repeat, the keyboard and dragging the slider.
#include <climits>
#include <string>
#include <vector>

#include "Source/buttons/SKImagePanel.h"
#include "Source/edits/SKTrackBar.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Picture.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;

namespace {

class TrackBar : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        track = new TskTrackBar(host.get());
        track->SetParent(host.get());
        track->SetBounds(20, 30, 100, 20);
        track->OnChange = [this](TObject*) { changes.push_back(track->GetLastChange()); };
    }
    // A track whose slider picture is W x H of one colour, so its extent is known.
    TskScrollTrackBar* CustomTrack(int length, int sliderW, int sliderH) {
        auto* custom = new TskScrollTrackBar(host.get());
        custom->SetParent(host.get());
        TBitmap slider(sliderW, sliderH);
        slider.GetCanvas()->GetBrush()->SetColor(clRed);
        slider.GetCanvas()->FillRect({0, 0, sliderW, sliderH});
        TPicture picture;
        picture.SetBitmap(&slider);
        custom->SetSliderImage(&picture);
        custom->UpdateSliderSize();
        custom->SetBounds(20, 100, length, sliderH);
        custom->SetShowTick(false);
        return custom;
    }
    void Pump() { win::Headless::ProcessMessages(); }

    TskTrackBar* track = nullptr;
    std::vector<int> changes;
};

TEST_F(TrackBar, RangeRulesKeepThePositionInsideAndReportMoves) {
    EXPECT_EQ(track->GetMin(), 0);
    EXPECT_EQ(track->GetMax(), 10);
    track->SetPosition(8);
    EXPECT_EQ(changes, std::vector<int>{8});
    track->SetMax(5);
    EXPECT_EQ(track->GetPosition(), 5);
    track->SetMax(-3);
    EXPECT_EQ(track->GetMax(), 0) << "Max below Min becomes Min";
    track->SetMin(7);
    EXPECT_EQ(track->GetMin(), 0) << "Min above Max becomes Max";
    EXPECT_EQ(changes, (std::vector<int>{8, -3, -5}));
    track->SetMax(10);
    track->SetPosition(0);
    EXPECT_EQ(changes.size(), 3u) << "setting the current value reports nothing";
    track->SetPosition(99);
    EXPECT_EQ(track->GetPosition(), 10);
    for (int bad : {-1, 11}) {
        track->SetPageSize(bad);
        track->SetLineSize(bad);
    }
    EXPECT_EQ(track->GetPageSize(), 2);
    EXPECT_EQ(track->GetLineSize(), 1);
}

TEST_F(TrackBar, SliderPlacementAndValueAtAPoint) {
    TskScrollTrackBar* custom = CustomTrack(100, 11, 8);
    custom->SetPosition(5);
    EXPECT_EQ(custom->GetSliderPosFromPosition().x, 44) << "89 x 5 div 10";
    EXPECT_EQ(custom->Slider()->GetLeft(), 44);
    EXPECT_EQ(custom->GetPositionFromFromSliderPos(49, 0), 5);
    EXPECT_EQ(custom->GetPositionFromFromSliderPos(5, 0), 0);
    EXPECT_EQ(custom->GetPositionFromFromSliderPos(200, 0), 22) << "not clamped";
    // The full 32-bit range: products and differences need 64 bits.
    custom->SetMin(INT_MIN);
    custom->SetMax(INT_MAX);
    custom->SetPosition(INT_MAX);
    EXPECT_EQ(custom->Slider()->GetLeft(), 89);
    custom->SetPosition(INT_MIN);
    EXPECT_EQ(custom->Slider()->GetLeft(), 0);
    EXPECT_EQ(custom->GetPositionFromFromSliderPos(94, 0), INT_MAX);
    EXPECT_EQ(custom->GetPositionFromFromSliderPos(5, 0), INT_MIN);
    // No room to move: every point means Min.
    custom->SetMin(3);
    custom->SetWidth(11);
    EXPECT_EQ(custom->GetPositionFromFromSliderPos(7, 0), 3);
}

TEST_F(TrackBar, TicksAtMinEveryFrequencyAndMaxEvenOverAHugeRange) {
    TskScrollTrackBar* custom = CustomTrack(100, 11, 8);
    custom->SetShowTick(true);
    custom->SetSliderVisible(false);  // the ticks at the ends lie under it
    custom->SetColor(clWhite);
    custom->SetMax(12);
    custom->SetFrequency(5);
    gfx::Bitmap shot = Shot();
    auto tickAt = [&](int value) { return 20 + value * 89 / 12 + 5; };
    for (int v = 0; v <= 12; ++v) {
        const bool expected = v == 0 || v == 5 || v == 10 || v == 12;
        EXPECT_EQ(shot.GetPixel(tickAt(v), 100 + 7), expected ? clBlack : clWhite) << v;
    }
    // Millions of values per pixel draw one tick per pixel and come back at once.
    custom->SetMin(INT_MIN);
    custom->SetMax(INT_MAX);
    custom->SetFrequency(1);
    shot = Shot();
    EXPECT_EQ(shot.GetPixel(20 + 5, 107), clBlack);
    EXPECT_EQ(shot.GetPixel(20 + 94, 107), clBlack);
    custom->SetMin(0);
    custom->SetMax(0);
    shot = Shot();
    EXPECT_EQ(Count(shot, {20, 105, 120, 108}, clBlack), 0) << "Max = Min draws no ticks";
}

TEST_F(TrackBar, PicturesOfTheStyleInTwoStyles) {
    for (const TskUIStyle style : {MacOS, WinXP}) {
        SCOPED_TRACE(static_cast<int>(style));
        track->SetUIStyle(style);
        track->SetTransparent(false);
        track->SetShowTick(false);
        track->SetPosition(0);
        TBitmap bar, slider;
        GetInsideThemeBitmap(style, SkItem::TrackBarBarImage, &bar, 0, 0);
        GetInsideThemeBitmap(style, SkItem::TrackBarSliderImage, &slider, 0, 0);
        EXPECT_EQ(track->GetHeight(), std::max(bar.GetHeight(), slider.GetHeight()));
        const gfx::Bitmap shot = Shot();
        // The bar's middle frame stretched along the track, centred across it.
        const int barTop = 30 + (track->GetHeight() - bar.GetHeight()) / 2;
        for (int row = 0; row < bar.GetHeight(); ++row)
            EXPECT_EQ(shot.GetPixel(20 + 60, barTop + row),
                      bar.Image().GetPixel(bar.GetWidth() / 2, row))
                << "row " << row;
        // The slider at the start, its picture's centre pixel.
        const int sliderTop = 30 + (track->GetHeight() - slider.GetHeight()) / 2;
        EXPECT_EQ(shot.GetPixel(20 + slider.GetWidth() / 2, sliderTop + slider.GetHeight() / 2),
                  slider.Image().GetPixel(slider.GetWidth() / 2, slider.GetHeight() / 2));
    }
    track->SetUIStyle(MacOS);
    EXPECT_TRUE(track->GetTransparent());
    track->SetUIStyle(WinXP);
    EXPECT_TRUE(track->GetTransparent()) << "only MacOS changes it";
}

TEST_F(TrackBar, PressOnTheTrackPagesAndRepeatsWhileHeld) {
    TskScrollTrackBar* custom = CustomTrack(200, 10, 8);
    custom->SetMax(100);
    custom->OnChange = [this](TObject*) { changes.push_back(1); };
    Shot();
    const TPoint screen = custom->ClientToScreen({150, 4});
    win::Headless::MouseMove(screen.x, screen.y);
    win::Headless::MouseDown();
    Pump();
    EXPECT_EQ(custom->GetPosition(), 2) << "one page toward the press";
    win::Headless::AdvanceTime(100);
    Pump();
    EXPECT_EQ(custom->GetPosition(), 8) << "three pages per tick on a horizontal track";
    win::Headless::AdvanceTime(2000);
    Pump();
    EXPECT_EQ(custom->GetPosition(), custom->GetPositionFromFromSliderPos(150, 4))
        << "comes to rest under the pointer";
    win::Headless::MouseUp();
    Pump();
    const int rest = custom->GetPosition();
    win::Headless::AdvanceTime(500);
    Pump();
    EXPECT_EQ(custom->GetPosition(), rest) << "the repeat ends with the press";
}

TEST_F(TrackBar, KeysMoveThePositionWithinTheRange) {
    track->SetMax(20);
    track->SetPosition(10);
    Shot();
    track->SetFocus();
    Pump();
    struct Case {
        int vk;
        int expected;
    };
    const Case cases[] = {{VK_NEXT, 12}, {VK_PRIOR, 10}, {VK_RIGHT, 11}, {VK_DOWN, 12},
                          {VK_LEFT, 11}, {VK_UP, 10},    {VK_END, 20},   {VK_NEXT, 20},
                          {VK_HOME, 0},  {VK_UP, 0}};
    for (const Case& c : cases) {
        win::Headless::KeyPress(c.vk);
        Pump();
        EXPECT_EQ(track->GetPosition(), c.expected) << "key " << c.vk;
    }
}

TEST_F(TrackBar, DraggingTheSliderCentresItUnderThePointer) {
    TskScrollTrackBar* custom = CustomTrack(100, 11, 8);
    std::vector<int> moves;
    custom->OnChange = [&](TObject*) { moves.push_back(custom->GetLastChange()); };
    Shot();
    const TPoint grab = custom->ClientToScreen({5, 4});
    win::Headless::MouseMove(grab.x, grab.y);
    win::Headless::MouseDown();
    Pump();
    EXPECT_TRUE(custom->Dragging());
    const TPoint to = custom->ClientToScreen({49, 4});
    win::Headless::MouseMove(to.x, to.y);
    Pump();
    EXPECT_EQ(custom->GetPosition(), 5);
    EXPECT_EQ(custom->Slider()->GetLeft(), 44);
    const TPoint beyond = custom->ClientToScreen({400, 4});
    win::Headless::MouseMove(beyond.x, beyond.y);
    win::Headless::MouseUp();
    Pump();
    EXPECT_FALSE(custom->Dragging());
    EXPECT_EQ(custom->GetPosition(), 10);
    EXPECT_EQ(moves, (std::vector<int>{5, 5}));
}

}  // namespace
