// The scroll bar: where its buttons, track and thumb go in two styles, the thumb's length
// rules, short and empty bars, the page that does not fit the arrow-step type, and the
// arrows' repeat on the virtual clock.
#include <climits>
#include <string>

#include "Source/buttons/SKImageButton.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;

namespace {

class ScrollBar : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        host->SetBounds(100, 100, 400, 300);
        bar = new TskScrollBar(host.get());
        bar->SetParent(host.get());
    }
    void Vertical(TskUIStyle style, int height) {
        bar->SetUIStyle(style);
        bar->SetOrientation(skVertical);
        bar->SetBounds(30, 20, bar->GetWidth(), height);
    }
    static void Pump() { win::Headless::ProcessMessages(); }
    int ThumbLength() const { return bar->Track()->Slider()->GetHeight(); }

    TskScrollBar* bar = nullptr;
};

TEST_F(ScrollBar, VerticalLayoutFromTheArrowPictures) {
    struct Case {
        TskUIStyle style;
        int button;  // the arrow pictures' height
        int width;
    };
    for (const Case& c : {Case{MacOS, 22, 16}, Case{WinXP, 17, 16}}) {
        SCOPED_TRACE(static_cast<int>(c.style));
        Vertical(c.style, 200);
        EXPECT_EQ(bar->GetWidth(), c.width);
        EXPECT_EQ(bar->DecButton()->BoundsRect(), (TRect{0, 0, c.width, c.button}));
        EXPECT_EQ(bar->Track()->GetTop(), c.button);
        EXPECT_EQ(bar->Track()->GetHeight(), 200 - 2 * c.button - 1);
        EXPECT_EQ(bar->IncButton()->GetTop(), 200 - c.button);
        const gfx::Bitmap shot = Shot();
        const TColor color = GetInsideThemeColor(c.style, SkItem::ScrollBarBackgroundColor);
        EXPECT_EQ(bar->GetColor(), color);
        EXPECT_EQ(shot.GetPixel(30 + c.width / 2, 20 + 200 - c.button - 1), color)
            << "the row above the increment button is the bar's own";
        // The arrows are the strip's frames 1 (decrement) and 4 (increment), unturned.
        TBitmap up, down;
        GetInsideThemeBitmap(c.style, SkItem::ScrollBarButtonImage, &up, 6, 1);
        GetInsideThemeBitmap(c.style, SkItem::ScrollBarButtonImage, &down, 6, 4);
        EXPECT_EQ(shot.GetPixel(30 + 8, 20 + c.button / 2), up.Image().GetPixel(8, c.button / 2));
        EXPECT_EQ(shot.GetPixel(30 + 8, 20 + 200 - c.button / 2),
                  down.Image().GetPixel(8, c.button - c.button / 2));
        // The thumb: the thumb pieces turned, starting at the track's top.
        TBitmap start;
        GetInsideThemeBitmap(c.style, SkItem::ScrollBarSliderImage, &start, 3, 1);
        RoundPicture3(&start);
        EXPECT_EQ(shot.GetPixel(30 + 8, 20 + c.button + 2), start.Image().GetPixel(8, 2));
    }
}

TEST_F(ScrollBar, HorizontalBarTakesTheTurnedArrowsHeight) {
    bar->SetUIStyle(MacOS);
    bar->SetBounds(10, 10, 200, 50);
    EXPECT_EQ(bar->GetHeight(), 16) << "the turned arrows are 16 high";
    EXPECT_EQ(bar->DecButton()->GetWidth(), 22);
    EXPECT_EQ(bar->Track()->GetLeft(), 22);
    EXPECT_EQ(bar->Track()->GetWidth(), 200 - 44);
    EXPECT_EQ(bar->IncButton()->GetLeft(), 178);
}

TEST_F(ScrollBar, ThumbLengthFromPageSizeOrLineButton) {
    Vertical(MacOS, 200);
    const int track = bar->Track()->GetHeight();
    struct Case {
        int pageSize;
        int expected;
    };
    for (const Case& c : {Case{2, track * 10 / 100}, Case{50, track / 2}, Case{100, track},
                          Case{150, track * 10 / 100}}) {
        bar->SetMax(1000);
        bar->SetPageSize(c.pageSize);
        EXPECT_EQ(ThumbLength(), c.expected) << "page " << c.pageSize;
    }
    bar->SetLineButton(5);
    EXPECT_EQ(bar->GetLineButton(), 18);
    EXPECT_EQ(ThumbLength(), 18);
    bar->SetLineButton(40);
    EXPECT_EQ(ThumbLength(), 40);
    bar->SetLineButton(200);
    EXPECT_EQ(bar->GetLineButton(), 40) << "longer than the room between the buttons";
}

TEST_F(ScrollBar, ShortAndEmptyBars) {
    Vertical(MacOS, 30);
    EXPECT_EQ(bar->Track()->GetHeight(), 0) << "no room is no room, never less";
    bar->SetHeight(0);
    EXPECT_FALSE(bar->GetVisible());
}

TEST_F(ScrollBar, LargeChangeBeyondItsTypeReadsAsItsLargestValue) {
    bar->SetMax(100000);
    bar->SetPageSize(40000);
    EXPECT_EQ(bar->GetPageSize(), 40000);
    EXPECT_EQ(bar->GetLargeChange(), 32767);
    bar->SetLargeChange(7);
    EXPECT_EQ(bar->GetPageSize(), 7);
}

TEST_F(ScrollBar, HeldArrowStepsEveryHundredMillisecondsAndAClickDoesNothing) {
    Vertical(MacOS, 200);
    bar->SetSmallChange(3);
    int changes = 0;
    bar->OnChange() = [&](TObject* sender) {
        EXPECT_EQ(sender, bar->Track()) << "the event is the track's";
        ++changes;
    };
    Shot();
    const TPoint down = bar->IncButton()->ClientToScreen({8, 10});
    win::Headless::MouseMove(down.x, down.y);
    win::Headless::MouseDown();
    Pump();
    win::Headless::MouseUp();
    Pump();
    EXPECT_EQ(bar->GetPosition(), 0) << "released before the first tick";
    win::Headless::MouseDown();
    Pump();
    win::Headless::AdvanceTime(350);
    Pump();
    win::Headless::MouseUp();
    Pump();
    EXPECT_EQ(bar->GetPosition(), 9);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(bar->GetLastChange(), 3);
    bar->SetPosition(INT_MAX - 1);
    bar->SetMax(INT_MAX);
    bar->SetPosition(INT_MAX - 1);
    win::Headless::MouseDown();
    Pump();
    win::Headless::AdvanceTime(200);
    Pump();
    win::Headless::MouseUp();
    Pump();
    EXPECT_EQ(bar->GetPosition(), INT_MAX) << "no overflow at the limit";
}

// Each arrow, held, moves the position and the thumb towards its own end of the bar: the
// arrow at the bottom or right end forward, the one at the top or left end back, and neither
// past the range.
TEST_F(ScrollBar, EachHeldArrowMovesTowardsItsOwnEnd) {
    struct Case {
        const char* name;
        TskProgressBarOrientation orientation;
        bool farEnd;  // the arrow at the bottom or right end
        int from;
        int expected;
    };
    const Case cases[] = {
        {"vertical, bottom arrow", skVertical, true, 50, 59},
        {"vertical, top arrow", skVertical, false, 50, 41},
        {"horizontal, right arrow", skHorizontal, true, 50, 59},
        {"horizontal, left arrow", skHorizontal, false, 50, 41},
        {"vertical, bottom arrow at the end", skVertical, true, 98, 100},
        {"horizontal, left arrow at the start", skHorizontal, false, 2, 0},
    };
    for (const TskUIStyle style : {MacOS, WinXP}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (style == MacOS ? ", MacOS" : ", WinXP"));
            bar->SetUIStyle(style);
            bar->SetOrientation(c.orientation);
            if (c.orientation == skVertical)
                bar->SetBounds(30, 20, bar->GetWidth(), 200);
            else
                bar->SetBounds(30, 20, 200, bar->GetHeight());
            bar->SetMin(0);
            bar->SetMax(100);
            bar->SetSmallChange(3);
            bar->SetPosition(c.from);
            Shot();
            TControl* slider = bar->Track()->Slider();
            const TPoint thumbBefore = slider->ClientToScreen({0, 0});
            // Four pixels in from the bar's end, on the arrow standing there.
            const bool vertical = c.orientation == skVertical;
            const int along = c.farEnd ? (vertical ? bar->GetHeight() : bar->GetWidth()) - 4 : 4;
            const int across = (vertical ? bar->GetWidth() : bar->GetHeight()) / 2;
            const TPoint at =
                bar->ClientToScreen(vertical ? TPoint{across, along} : TPoint{along, across});
            win::Headless::MouseMove(at.x, at.y);
            win::Headless::MouseDown();
            Pump();
            win::Headless::AdvanceTime(350);
            Pump();
            win::Headless::MouseUp();
            Pump();
            EXPECT_EQ(bar->GetPosition(), c.expected);
            Shot();
            const TPoint thumbAfter = slider->ClientToScreen({0, 0});
            const int moved =
                vertical ? thumbAfter.y - thumbBefore.y : thumbAfter.x - thumbBefore.x;
            const int direction = c.expected > c.from ? 1 : -1;
            EXPECT_GT(moved * direction, 0) << "the thumb moves towards the arrow";
        }
    }
}

}  // namespace
