// The skinned popup menu: item heights by style, how each item state is drawn in the MacOS
// style and in WinXP, which items it hooks, and the menu opened for real.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

#include "Source/frame/SKMenu.h"
#include "Source/frame/SKPopupMenu.h"

namespace {

constexpr int kWidth = 160;

class SkinPopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override { win::Headless::Install(); }
    void TearDown() override { win::Headless::Install(); }

    TMenuItem* AddItem(const std::string& caption) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        menu.GetItems()->Add(item);
        return item;
    }

    // The item drawn alone onto a white bitmap of its measured height.
    std::unique_ptr<TBitmap> Draw(TMenuItem* item, bool selected) {
        TBitmap probe(1, 1);
        int width = 0;
        int height = 0;
        item->OnMeasureItem(item, probe.GetCanvas(), width, height);
        auto bitmap = std::make_unique<TBitmap>(kWidth, height);
        bitmap->GetCanvas()->GetBrush()->SetColor(clWhite);
        bitmap->GetCanvas()->FillRect(Rect(0, 0, kWidth, height));
        item->OnDrawItem(item, bitmap->GetCanvas(), Rect(0, 0, kWidth, height), selected);
        return bitmap;
    }

    static TColor Pixel(TBitmap& b, int x, int y) { return b.GetCanvas()->GetPixel(x, y); }
    static bool Shows(TBitmap& b, const TRect& r, TColor color) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (Pixel(b, x, y) == color) return true;
        return false;
    }

    // Smoothed text has few pixels of its exact colour.
    static bool ShowsDark(TBitmap& b, const TRect& r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if ((Pixel(b, x, y) & 0xC0C0C0) == 0) return true;
        return false;
    }

    TskPopupMenu menu{nullptr};
};

TEST_F(SkinPopupMenuTest, HeightsFollowTheStyleAndAreFixedInMacOS) {
    struct Case {
        TskUIStyle style;
        int written;
        int itemHeight;
        int separatorHeight;
    };
    for (const Case& c : {Case{MacOS, 30, 20, 12}, Case{DeepBlue, 30, 30, 30}}) {
        menu.SetUIStyle(c.style);
        EXPECT_EQ(menu.GetBarWidth(), 26);
        menu.SetHeight(c.written);
        menu.SetSeparatorHeight(c.written);
        TMenuItem* item = AddItem("&Delete");
        TMenuItem* line = AddItem("-");
        menu.MenuAdded();
        EXPECT_EQ(Draw(item, false)->GetHeight(), c.itemHeight);
        EXPECT_EQ(Draw(line, false)->GetHeight(), c.separatorHeight);
        menu.GetItems()->Clear();
    }
    menu.SetUIStyle(DeepBlue);
    EXPECT_EQ(menu.GetMenuItemHeight(), 21);
    EXPECT_EQ(menu.GetSeparatorHeight(), 5);
    EXPECT_TRUE(menu.GetOwnerDraw());
    menu.SetOwnerDraw(false);
    EXPECT_TRUE(menu.GetOwnerDraw());
}

TEST_F(SkinPopupMenuTest, MacOSItemsStandOnThePinstripes) {
    menu.SetUIStyle(MacOS);
    TMenuItem* item = AddItem("&Delete");
    TMenuItem* disabled = AddItem("&Gone");
    disabled->SetEnabled(false);
    TMenuItem* line = AddItem("-");
    menu.MenuAdded();

    auto normal = Draw(item, false);
    EXPECT_EQ(Pixel(*normal, 2, 0), 0xE9E9E9u);
    EXPECT_EQ(Pixel(*normal, 2, 1), 0xFFFFFFu);
    EXPECT_EQ(Pixel(*normal, 2, 19), 0xFAF9FBu);
    EXPECT_TRUE(Shows(*normal, Rect(30, 4, 80, 20), 0x000000));  // clMenuText

    auto selected = Draw(item, true);
    EXPECT_EQ(Pixel(*selected, 2, 0), 0xB35923u);
    EXPECT_EQ(Pixel(*selected, 2, 2), 0xC47339u);
    EXPECT_TRUE(Shows(*selected, Rect(30, 4, 80, 20), 0xFFFFFF));
    // Nothing of the caption left of the bar's end plus four.
    EXPECT_FALSE(Shows(*selected, Rect(0, 4, 30, 20), 0xFFFFFF));

    // A disabled item is never highlighted and is grey.
    auto grey = Draw(disabled, true);
    EXPECT_EQ(Pixel(*grey, 2, 0), 0xE9E9E9u);
    EXPECT_TRUE(Shows(*grey, Rect(30, 4, 80, 20), 0x808080));

    auto separator = Draw(line, false);
    EXPECT_EQ(separator->GetHeight(), 12);
    EXPECT_EQ(Pixel(*separator, 80, 0), 0xE9E9E9u);
    EXPECT_EQ(Pixel(*separator, 80, 11), 0xFAFAFAu);
}

TEST_F(SkinPopupMenuTest, WinXPItemsHaveABarAFrameWhenSelectedAndALineForSeparators) {
    menu.SetUIStyle(WinXP);
    TMenuItem* item = AddItem("&Open");
    TMenuItem* line = AddItem("-");
    menu.MenuAdded();

    auto normal = Draw(item, false);
    EXPECT_EQ(Pixel(*normal, 0, 10), 0xCED3D6u);
    EXPECT_EQ(Pixel(*normal, 25, 10), 0xCED3D6u);
    EXPECT_EQ(Pixel(*normal, 26, 0), 0xFFFFFFu);
    EXPECT_EQ(Pixel(*normal, kWidth - 1, 20), 0xFFFFFFu);

    auto selected = Draw(item, true);
    EXPECT_EQ(Pixel(*selected, 0, 0), 0xC66931u);
    EXPECT_EQ(Pixel(*selected, kWidth - 1, 20), 0xC66931u);
    EXPECT_EQ(Pixel(*selected, 5, 10), 0xEFD3C6u);

    auto separator = Draw(line, false);
    EXPECT_EQ(Pixel(*separator, 25, 2), 0xCED3D6u);
    EXPECT_EQ(Pixel(*separator, 29, 2), 0xFFFFFFu);
    EXPECT_EQ(Pixel(*separator, 30, 2), 0x848284u);
    EXPECT_EQ(Pixel(*separator, kWidth - 3, 2), 0x848284u);
    EXPECT_EQ(Pixel(*separator, kWidth - 2, 2), 0xFFFFFFu);
    EXPECT_EQ(Pixel(*separator, 30, 3), 0xFFFFFFu);
}

TEST_F(SkinPopupMenuTest, CheckedItemsShowTheTickOrTheirImageInAFramedBox) {
    menu.SetUIStyle(WinXP);
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    TBitmap blue(16, 16);
    blue.GetCanvas()->GetBrush()->SetColor(0xFF0000);
    blue.GetCanvas()->FillRect(Rect(0, 0, 16, 16));
    images.Add(&blue);
    menu.SetImages(&images);

    struct Case {
        const char* name;
        int imageIndex;
        bool tick;   // the shared green tick
        bool image;  // the blue image in a black box
    };
    const Case cases[] = {
        {"no image", -1, true, false},
        {"an image", 0, false, true},
        {"past the count", 1, true, false},
        {"another negative index", -2, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMenuItem* item = AddItem("&Bold");
        item->SetChecked(true);
        item->SetImageIndex(c.imageIndex);
        menu.MenuAdded();
        auto b = Draw(item, false);
        EXPECT_EQ(Shows(*b, Rect(4, 3, 20, 19), 0x1DCB00), c.tick);
        EXPECT_EQ(Pixel(*b, 10, 10) == 0xFF0000u, c.image);
        EXPECT_EQ(Pixel(*b, 2, 1) == 0x000000u, c.image);
        EXPECT_EQ(Pixel(*b, 3, 2) == 0xEFD3C6u, c.image);
        menu.GetItems()->Clear();
    }
    menu.SetImages(nullptr);
}

TEST_F(SkinPopupMenuTest, TheShortCutIsMeasuredAndDrawnAtTheRight) {
    menu.SetUIStyle(WinXP);
    TMenuItem* plain = AddItem("&Delete");
    TMenuItem* withKey = AddItem("&Delete");
    withKey->SetShortCut(ShortCut('D', ssCtrl));
    menu.MenuAdded();
    TBitmap probe(1, 1);
    int w1 = 0, w2 = 0, h = 0;
    plain->OnMeasureItem(plain, probe.GetCanvas(), w1, h);
    withKey->OnMeasureItem(withKey, probe.GetCanvas(), w2, h);
    EXPECT_EQ(w2 - w1, probe.GetCanvas()->TextWidth(ShortCutToText(ShortCut('D', ssCtrl))));
    // Drawn in the menu font.
    Menu_GetSystemFont(probe.GetCanvas()->GetFont());
    const int keyWidth = probe.GetCanvas()->TextWidth(ShortCutToText(ShortCut('D', ssCtrl)));
    auto b = Draw(withKey, false);
    EXPECT_TRUE(ShowsDark(*b, Rect(kWidth - 16 - keyWidth, 4, kWidth - 16, 20)));
    EXPECT_FALSE(ShowsDark(*b, Rect(kWidth - 16, 0, kWidth, 21)));
}

TEST_F(SkinPopupMenuTest, OnlyItemsOfItsOwnTreeAreHooked) {
    TComponent owner(nullptr);
    auto* skinned = new TskPopupMenu(&owner);
    auto* other = new TPopupMenu(&owner);
    // Items created by the owner announce themselves to all of its components.
    auto* foreign = new TMenuItem(&owner);
    foreign->SetCaption("Foreign");
    other->GetItems()->Add(foreign);
    auto* own = new TMenuItem(&owner);
    own->SetCaption("Own");
    skinned->GetItems()->Add(own);
    auto* sub = new TMenuItem(&owner);
    own->Add(sub);
    EXPECT_TRUE(static_cast<bool>(own->OnDrawItem));
    EXPECT_TRUE(static_cast<bool>(sub->OnMeasureItem));
    EXPECT_FALSE(static_cast<bool>(foreign->OnDrawItem));
    delete skinned;
    EXPECT_FALSE(static_cast<bool>(foreign->OnDrawItem));
}

TEST_F(SkinPopupMenuTest, TheOpenMenuIsDrawnByTheSkin) {
    menu.SetUIStyle(MacOS);
    AddItem("&Delete");
    AddItem("-");
    AddItem("&Keep");
    menu.MenuAdded();
    TRect rect;
    gfx::Bitmap shot;
    win::Headless::Driver().WhenIdle([&] {
        HWND open = nullptr;
        for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
            if (GetClassName(h) == "TMenuWindow" && IsWindowVisible(h)) open = h;
        ASSERT_NE(open, nullptr);
        RECT r;
        GetWindowRect(open, &r);
        rect = r;
        shot = win::Headless::CaptureDesktop();
        win::Headless::Click(600, 500);
    });
    menu.Popup(100, 80);
    // Three items of 20, 12 and 20 rows inside the menu window's 3-pixel frame.
    EXPECT_EQ(rect.Height(), 20 + 12 + 20 + 6);
    EXPECT_EQ(shot.GetPixel(rect.left + 5, rect.top + 3), 0xE9E9E9u);
    EXPECT_EQ(shot.GetPixel(rect.left + 5, rect.top + 3 + 20), 0xE9E9E9u);
}

TEST_F(SkinPopupMenuTest, AFlatMenuGetsRingsAndAnEdgeRoundItsWindow) {
    menu.SetUIStyle(WinXP);
    menu.SetFlatMenu(true);
    AddItem("&Open");
    menu.MenuAdded();
    TRect r;
    gfx::Bitmap shot;
    win::Headless::Driver().WhenIdle([&] {
        for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
            if (GetClassName(h) == "TMenuWindow" && IsWindowVisible(h)) {
                RECT rect;
                GetWindowRect(h, &rect);
                r = rect;
            }
        shot = win::Headless::CaptureDesktop();
        win::Headless::Click(600, 500);
    });
    menu.Popup(100, 80);
    ASSERT_FALSE(r.IsEmpty());
    const TColor edge = GetInsideThemeColor(WinXP, SkItem::FormBackgroundColor);
    EXPECT_EQ(shot.GetPixel(r.left, r.top + 5), 0x000000u);       // the black ring's left
    EXPECT_EQ(shot.GetPixel(r.right - 2, r.top + 5), 0x000000u);  // and right side
    EXPECT_EQ(shot.GetPixel(r.left + 1, r.top + 5), 0xFFFFFFu);   // the white ring
    EXPECT_EQ(shot.GetPixel(r.right - 1, r.top + 5), edge);       // the edge on the right
    EXPECT_EQ(shot.GetPixel(r.left + 5, r.top), edge);            // and on top
}

}  // namespace
