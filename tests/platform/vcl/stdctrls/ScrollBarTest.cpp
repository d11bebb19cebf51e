// The native scroll bar: its parts under the mouse, keys, range, the scroll information it
// reports, and what it paints.
#include <string>
#include <vector>

#include "platform/vcl/stdctrls/ScrollBar.h"
#include "platform/vcl/core/SysUtils.h"
#include "tests/platform/vcl/EditTestFixture.h"

using vcltest::EditTest;

namespace {

// Records OnScroll as "code:position" and OnChange as "=position".
struct ScrollLog {
    explicit ScrollLog(TScrollBar* bar) {
        bar->OnScroll = [this](TObject*, TScrollCode code, int& pos) {
            std::string entry = std::to_string(static_cast<int>(code));
            entry += ':';
            entry += std::to_string(pos);
            entries.push_back(entry);
        };
        bar->OnChange = [this, bar](TObject*) {
            std::string entry(1, '=');
            entry += std::to_string(bar->GetPosition());
            entries.push_back(entry);
        };
    }
    std::vector<std::string> entries;
};

}  // namespace

TEST_F(EditTest, ScrollBarPartsStepByTheirChangeAndRepeatWhileHeld) {
    struct Case {
        const char* name;
        int along;    // where the press lands, along the bar
        int repeats;  // timer periods the button stays down after the first repeat delay
        int expected;
    };
    // 200 long, 16 thick: arrows 16, thumb 16 at position 50 of 0..100 sits at 92..108.
    const Case cases[] = {
        {"left arrow", 5, 0, 49},         {"right arrow", 195, 0, 51},
        {"page left", 40, 0, 40},         {"page right", 150, 0, 60},
        {"held right arrow", 195, 3, 54}, {"held page left stops at the pointer", 40, 10, 10},
    };
    for (const Case& c : cases) {
        auto* bar = Place<TScrollBar>(10, 10, 200, 16);
        bar->SetParams(50, 0, 100);
        bar->SetLargeChange(10);
        Pump();
        const TPoint at = Screen(bar, {c.along, 8});
        win::Headless::MouseMove(at.x, at.y);
        win::Headless::MouseDown();
        Pump();
        if (c.repeats > 0) win::Headless::AdvanceTime(350 + 50 * (c.repeats - 1));
        win::Headless::MouseUp();
        Pump();
        EXPECT_EQ(bar->GetPosition(), c.expected) << c.name;
        delete bar;
    }
}

TEST_F(EditTest, ScrollBarThumbDragTracksThenSetsThePosition) {
    auto* bar = Place<TScrollBar>(10, 10, 200, 16);
    bar->SetParams(0, 0, 10);
    Pump();
    ScrollLog log(bar);
    const TPoint thumb = Screen(bar, {bar->ThumbStart() + 4, 8});
    win::Headless::MouseMove(thumb.x, thumb.y);
    win::Headless::MouseDown();
    const TPoint middle = Screen(bar, {100, 8});
    win::Headless::MouseMove(middle.x, middle.y);
    const TPoint beyond = Screen(bar, {400, 8});
    win::Headless::MouseMove(beyond.x, beyond.y);
    win::Headless::MouseUp();
    Pump();
    const std::vector<std::string> expected = {"5:5", "=5", "5:10", "=10", "4:10", "8:10"};
    EXPECT_EQ(log.entries, expected);
}

TEST_F(EditTest, ScrollBarKeysAndOnScrollAdjustingThePosition) {
    struct Case {
        int vk;
        int expected;
    };
    const Case cases[] = {{VK_RIGHT, 21}, {VK_DOWN, 21},  {VK_LEFT, 19}, {VK_UP, 19},
                          {VK_NEXT, 25},  {VK_PRIOR, 15}, {VK_HOME, 0},  {VK_END, 91}};
    auto* bar = Place<TScrollBar>(10, 10, 200, 16);
    bar->SetPageSize(10);
    bar->SetLargeChange(5);
    bar->SetFocus();
    for (const Case& c : cases) {
        bar->SetPosition(20);
        Key(c.vk);
        EXPECT_EQ(bar->GetPosition(), c.expected) << c.vk;
    }
    // A handler may snap the position it is told about.
    bar->OnScroll = [](TObject*, TScrollCode, int& pos) { pos = pos / 10 * 10; };
    bar->SetPosition(20);
    Key(VK_NEXT);
    EXPECT_EQ(bar->GetPosition(), 20);
    Key(VK_END);
    EXPECT_EQ(bar->GetPosition(), 90);
}

TEST_F(EditTest, ScrollBarRangeAndScrollInformation) {
    auto* bar = Place<TScrollBar>(10, 10, 16, 200);
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->GetWidth(), 200);
    bar->SetBounds(10, 10, 16, 200);
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
    bar->SetParams(70, 0, 49);
    bar->SetPageSize(10);
    EXPECT_EQ(bar->GetPosition(), 40);

    SCROLLINFO info;
    info.fMask = SIF_ALL;
    bar->Perform(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 49);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nPos, 40);

    // The thumb is a fifth of the 168-pixel track and sits at its end.
    SCROLLBARINFO geometry;
    bar->Perform(SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(&geometry));
    EXPECT_EQ(geometry.dxyLineButton, 16);
    EXPECT_EQ(geometry.xyThumbBottom - geometry.xyThumbTop, 168 * 10 / 50);
    EXPECT_EQ(geometry.xyThumbBottom, 184);
    EXPECT_EQ(geometry.rgstate[0], 0u);
    EXPECT_EQ(geometry.rcScrollBar.Width(), 16);

    // A page that covers the range leaves nothing to scroll.
    bar->SetPageSize(50);
    bar->Perform(SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(&geometry));
    EXPECT_EQ(geometry.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
    SCROLLINFO set;
    set.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    set.nMax = 99;
    set.nPage = 20;
    set.nPos = 30;
    EXPECT_EQ(bar->Perform(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&set)), 30);
    EXPECT_EQ(bar->GetPageSize(), 20);
}

TEST_F(EditTest, ScrollBarPaintsClassicArrowsTrackAndThumb) {
    auto* bar = Place<TScrollBar>(10, 10, 100, 16);
    bar->SetParams(0, 0, 100);
    const gfx::Bitmap shot = Shot(bar);
    const TColor face = ColorToRGB(clBtnFace), text = ColorToRGB(clBtnText);
    const TColor highlight = ColorToRGB(clBtnHighlight), dark = ColorToRGB(cl3DDkShadow);
    // Each arrow button: highlight at its top left, dark at its bottom right, a black tip.
    for (int left : {0, 84}) {
        EXPECT_EQ(shot.GetPixel(left + 1, 1), highlight) << left;
        EXPECT_EQ(shot.GetPixel(left + 15, 15), dark) << left;
        EXPECT_EQ(shot.GetPixel(left + 8, 8), text) << left;
    }
    // The thumb at the start of the track, then the track's checkerboard.
    EXPECT_EQ(shot.GetPixel(17, 1), highlight);
    EXPECT_EQ(shot.GetPixel(24, 8), face);
    EXPECT_NE(shot.GetPixel(60, 8), shot.GetPixel(61, 8));
    EXPECT_EQ(shot.GetPixel(60, 8), shot.GetPixel(61, 9));
    for (int x : {60, 61}) {
        const TColor c = shot.GetPixel(x, 8);
        EXPECT_TRUE(c == highlight || c == ColorToRGB(clScrollBar)) << x;
    }
}
