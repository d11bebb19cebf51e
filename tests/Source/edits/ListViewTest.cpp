// The skinned list view: its frame in two styles, and the linked scroll bars kept equal to
// the list's own scrolling both ways (keys, wheel, bar moves, the program's scrolling),
// unlinked cleanly, and never left calling a list view that is gone.
#include <memory>
#include <string>

#include "Source/edits/SKListView.h"
#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;

namespace {

class SkinListView : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        host->SetBounds(100, 100, 600, 300);
        view = new TskListView(host.get());
        view->SetParent(host.get());
        view->SetViewStyle(vsReport);
        view->SetRowSelect(true);
        for (const char* caption : {"Abbreviations", "Meaning"}) {
            TListColumn* column = view->GetColumns()->Add();
            column->SetCaption(caption);
            column->SetWidth(caption[0] == 'A' ? 120 : 360);
        }
        view->SetBounds(25, 16, 537, 248);
    }
    void Fill(int count) {
        view->GetItems()->BeginUpdate();
        for (int i = 0; i < count; ++i) {
            TListItem* item = view->GetItems()->Add();
            item->SetCaption("ROW" + std::to_string(i));
            item->GetSubItems()->Add("meaning " + std::to_string(i));
        }
        view->GetItems()->EndUpdate();
    }
    TskScrollBar* LinkVertical() {
        auto* bar = new TskScrollBar(host.get());
        bar->SetParent(host.get());
        bar->SetUIStyle(MacOS);
        view->SetVScrollBar(bar);
        return bar;
    }
    static void Pump() { win::Headless::ProcessMessages(); }
    void Key(int vk) {
        win::Headless::KeyPress(vk);
        Pump();
    }
    SCROLLINFO Native(int which) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(view->Handle(), which, &info);
        return info;
    }

    TskListView* view = nullptr;
};

TEST_F(SkinListView, FrameInTheStyleBorderColourAroundTheList) {
    for (const TskUIStyle style : {MacOS, Protein}) {
        SCOPED_TRACE(static_cast<int>(style));
        view->SetUIStyle(style);
        const TColor border = GetInsideThemeColor(style, SkItem::ControlBorderColor);
        EXPECT_EQ(view->GetBorderColor(), border);
        const gfx::Bitmap shot = Shot();
        const TColor inner = ColorToRGB(view->GetColor());
        for (int x = 25; x < 25 + 537; x += 31) {
            ASSERT_EQ(shot.GetPixel(x, 16), border) << x;
            ASSERT_EQ(shot.GetPixel(x, 16 + 247), border) << x;
            if (x > 25) {
                ASSERT_EQ(shot.GetPixel(x, 16 + 246), inner) << x;
            }
        }
        for (int y = 16; y < 16 + 248; y += 17) {
            ASSERT_EQ(shot.GetPixel(25, y), border) << y;
            ASSERT_EQ(shot.GetPixel(25 + 536, y), border) << y;
        }
        EXPECT_EQ(shot.GetPixel(26, 40), inner);
        EXPECT_EQ(shot.GetPixel(24, 40), clWhite) << "nothing outside the list";
    }
    view->SetBorderColor(0x7F7F7F);
    EXPECT_EQ(Shot().GetPixel(25, 100), 0x7F7F7F);
}

TEST_F(SkinListView, LinkedBarFollowsTheNativeBarAndIsHiddenWhenThereIsNothingToScroll) {
    TskScrollBar* bar = LinkVertical();
    Shot();
    EXPECT_FALSE(bar->GetVisible()) << "an empty list scrolls nothing";
    EXPECT_FALSE(bar->GetEnabled());
    EXPECT_EQ(bar->GetOrientation(), skVertical);
    EXPECT_EQ(bar->GetSmallChange(), 5);
    Fill(100);
    Pump();
    EXPECT_TRUE(bar->GetVisible());
    const SCROLLINFO native = Native(SB_VERT);
    EXPECT_EQ(bar->GetMax(), native.nMax - static_cast<int>(native.nPage) + 1);
    EXPECT_EQ(bar->GetPosition(), 0);
    // Laid over the list's right edge, inside the frame.
    EXPECT_EQ(bar->GetLeft(), 25 + 537 - bar->GetWidth() - 2);
    EXPECT_EQ(bar->GetTop(), 17);
    EXPECT_EQ(bar->GetHeight(), 246);
    view->SetFocus();
    for (int i = 0; i < 3; ++i) Key(VK_NEXT);
    EXPECT_GT(view->GetTopIndex(), 0);
    EXPECT_EQ(bar->GetPosition(), view->GetTopIndex()) << "Page Down moves the bar";
    const TPoint inside = view->ClientToScreen({100, 100});
    win::Headless::MouseMove(inside.x, inside.y);
    win::Headless::Wheel(-120);
    Pump();
    EXPECT_EQ(bar->GetPosition(), view->GetTopIndex()) << "and so does the wheel";
    view->MakeItemVisible(90, false);
    Pump();
    EXPECT_EQ(bar->GetPosition(), view->GetTopIndex()) << "and the program's scrolling";
}

TEST_F(SkinListView, MovingTheBarScrollsTheListByRows) {
    TskScrollBar* bar = LinkVertical();
    Fill(100);
    Shot();
    const int top = view->GetTopIndex();
    bar->SetPosition(bar->GetPosition() + 3);
    Pump();
    EXPECT_EQ(view->GetTopIndex(), top + 3);
    EXPECT_EQ(bar->GetPosition(), top + 3) << "the echo from the list changed nothing";
    bar->SetPosition(bar->GetPosition() - 2);
    EXPECT_EQ(view->GetTopIndex(), top + 1);
}

// With both bars linked, each scrolls the list along its own axis only: the horizontal bar
// moves the columns sideways by its change in pixels, the vertical one moves rows.
TEST_F(SkinListView, EachLinkedBarScrollsTheListAlongItsOwnAxis) {
    TskScrollBar* vertical = LinkVertical();
    auto* horizontal = new TskScrollBar(host.get());
    horizontal->SetParent(host.get());
    horizontal->SetUIStyle(MacOS);
    view->SetHScrollBar(horizontal);
    view->GetColumns()->Items(1)->SetWidth(900);
    Fill(100);
    Shot();
    ASSERT_TRUE(horizontal->GetVisible()) << "the columns are wider than the list";
    EXPECT_EQ(horizontal->GetOrientation(), skHorizontal);
    // Rows inside the list, clear of the header, the frame and both bars.
    const TRect rows = Bounds(25 + 45, 16 + 40, 300, 120);
    struct Case {
        const char* name;
        bool horizontalBar;
        int change;
    };
    const Case cases[] = {
        {"horizontal bar forward", true, 40},
        {"horizontal bar back", true, -25},
        {"vertical bar forward", false, 3},
        {"vertical bar back", false, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const gfx::Bitmap before = Shot();
        const int top = view->GetTopIndex();
        const int left = Native(SB_HORZ).nPos;
        TskScrollBar* bar = c.horizontalBar ? horizontal : vertical;
        bar->SetPosition(bar->GetPosition() + c.change);
        const gfx::Bitmap after = Shot();
        if (c.horizontalBar) {
            EXPECT_EQ(Native(SB_HORZ).nPos, left + c.change);
            EXPECT_EQ(view->GetTopIndex(), top) << "no rows move";
            // What stood change pixels to the right now stands here.
            int differing = 0;
            for (int y = rows.top; y < rows.bottom; ++y)
                for (int x = rows.left; x < rows.right; ++x)
                    if (after.GetPixel(x, y) != before.GetPixel(x + c.change, y)) ++differing;
            EXPECT_EQ(differing, 0);
        } else {
            EXPECT_EQ(view->GetTopIndex(), top + c.change);
            EXPECT_EQ(Native(SB_HORZ).nPos, left) << "no columns move";
        }
        EXPECT_EQ(horizontal->GetPosition(), Native(SB_HORZ).nPos);
        EXPECT_EQ(vertical->GetPosition(), view->GetTopIndex());
    }
}

TEST_F(SkinListView, UnlinkingAndDestroyingLeaveNoDanglingLinks) {
    TskScrollBar* bar = LinkVertical();
    Fill(100);
    Shot();
    view->SetVScrollBar(nullptr);
    EXPECT_EQ(bar->GetMax(), 100);
    EXPECT_EQ(bar->GetLineButton(), 0);
    EXPECT_TRUE(bar->GetEnabled());
    EXPECT_FALSE(static_cast<bool>(bar->OnChange()));

    view->SetVScrollBar(bar);
    delete view;
    view = nullptr;
    EXPECT_FALSE(static_cast<bool>(bar->OnChange())) << "a bar outliving its list calls no one";
    bar->SetPosition(5);  // would have called the list view that is gone

    view = new TskListView(host.get());
    view->SetParent(host.get());
    auto* other = new TskScrollBar(host.get());
    other->SetParent(host.get());
    view->SetHScrollBar(other);
    delete other;
    EXPECT_EQ(view->GetHScrollBar(), nullptr);
    Fill(10);
    Shot();
}

TEST_F(SkinListView, StyleReachesTheLinkedBarsAndALostThemeFallsBack) {
    TskScrollBar* bar = LinkVertical();
    view->SetUIStyle(WinXP);
    EXPECT_EQ(bar->GetUIStyle(), WinXP);
    auto* theme = new TskFileTheme(nullptr);
    view->SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(view->GetFileTheme(), nullptr);
    EXPECT_EQ(view->GetUIStyle(), DeepBlue);
    EXPECT_EQ(bar->GetUIStyle(), DeepBlue);
}

}  // namespace
