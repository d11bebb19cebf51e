// The skinned tool bar: the style's face for buttons under the mouse, pressed, checked and
// with their menu open, the drop-down arrow, images and captions placed on the face, and the
// style's colours and transparency.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Source/edits/SKToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/HintWindow.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;
using win::Headless;

namespace {

constexpr TColor kImageColour = 0x00C000;

class ToolBar : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        bar = new TskToolBar(host.get());
        bar->SetParent(host.get());
        Shot();
    }
    TToolButton* Add(const std::string& caption, TToolButtonStyle style = tbsButton) {
        auto* button = new TToolButton(host.get());
        button->SetStyle(style);
        button->SetCaption(caption);
        button->SetLeft(10000);
        button->SetParent(bar);
        return button;
    }
    void PointAt(const TToolButton* b) {
        const TPoint p = bar->ClientToScreen({b->GetLeft() + 4, b->GetTop() + 4});
        Headless::MouseMove(p.x, p.y);
        Headless::ProcessMessages();
    }
    void PointAway() {
        Headless::MouseMove(450, 290);
        Headless::ProcessMessages();
    }
    // The button as the host shows it.
    gfx::Bitmap ButtonShot(const TToolButton* b) {
        const TPoint origin = bar->ClientToScreen({0, 0});
        const TRect r =
            b->BoundsRect().Offset(origin.x - host->GetLeft(), origin.y - host->GetTop());
        return Shot().Copy(r);
    }
    // Whether the picture is a rectangle framed in border and filled with fill inside.
    static void ExpectFace(const gfx::Bitmap& face, TColor border, TColor fill) {
        const int W = face.Width(), H = face.Height();
        for (int x = 0; x < W; ++x) {
            ASSERT_EQ(face.GetPixel(x, 0), border) << x;
            ASSERT_EQ(face.GetPixel(x, H - 1), border) << x;
        }
        for (int y = 0; y < H; ++y) {
            ASSERT_EQ(face.GetPixel(0, y), border) << y;
            ASSERT_EQ(face.GetPixel(W - 1, y), border) << y;
        }
        EXPECT_EQ(face.GetPixel(2, 2), fill);
        EXPECT_EQ(face.GetPixel(W - 3, H - 3), fill);
    }

    TskToolBar* bar = nullptr;
};

TEST_F(ToolBar, TakesTheStylesButtonColoursAndTransparency) {
    struct Case {
        TskUIStyle style;
        bool transparent;
    };
    for (const Case c : {Case{MacOS, true}, Case{WinXP, false}, Case{Protein, true},
                         Case{DeepBlue, false}, Case{BlueGlass, false}}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(c.style)));
        bar->SetUIStyle(c.style);
        EXPECT_EQ(bar->GetButtonBorderColor(),
                  GetInsideThemeColor(c.style, SkItem::ToolBarButtonBorderColor));
        EXPECT_EQ(bar->GetButtonColor(),
                  GetInsideThemeColor(c.style, SkItem::ToolBarButtonBackgroundColor));
        EXPECT_EQ(bar->GetButtonDownColor(),
                  GetInsideThemeColor(c.style, SkItem::ToolBarButtonDownBackgroundColor));
        EXPECT_EQ(bar->GetTransparent(), c.transparent);
        EXPECT_EQ(bar->GetEdgeInner(), esNone);
        EXPECT_EQ(bar->GetEdgeOuter(), esNone);
        EXPECT_TRUE(bar->GetFlat());
    }
}

TEST_F(ToolBar, HotPressedAndCheckedButtonsShowTheStylesFace) {
    for (const TskUIStyle style : {MacOS, WinXP}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        bar->SetUIStyle(style);
        bar->SetColor(clWhite);
        TToolButton* plain = Add("");
        TToolButton* check = Add("", tbsCheck);
        check->SetDown(true);
        Headless::ProcessMessages();
        const TColor border = bar->GetButtonBorderColor();

        PointAway();
        EXPECT_EQ(Count(ButtonShot(plain), {0, 0, 23, 22}, border), 0) << "at rest: the platform's";
        ExpectFace(ButtonShot(check), border, bar->GetButtonColor());

        PointAt(plain);
        ExpectFace(ButtonShot(plain), border, bar->GetButtonColor());
        Headless::MouseDown();
        Headless::ProcessMessages();
        ExpectFace(ButtonShot(plain), border, bar->GetButtonDownColor());
        Headless::MouseUp();
        Headless::ProcessMessages();
        ExpectFace(ButtonShot(plain), border, bar->GetButtonColor());
        PointAway();
        EXPECT_EQ(Count(ButtonShot(plain), {0, 0, 23, 22}, border), 0);
        delete plain;
        delete check;
    }
}

TEST_F(ToolBar, ADropDownButtonShowsItsArrowAndLineAndItsMenuOpensBelowIt) {
    bar->SetUIStyle(WinXP);
    auto* popup = new TPopupMenu(host.get());
    auto* item = new TMenuItem(host.get());
    item->SetCaption("&Refresh");
    popup->GetItems()->Add(item);
    int refreshes = 0;
    item->OnClick = [&](TObject*) { ++refreshes; };
    TToolButton* button = Add("", tbsDropDown);
    button->SetDropdownMenu(popup);
    Headless::ProcessMessages();
    const int W = button->GetWidth(), H = button->GetHeight();
    const int m = H / 2;

    PointAt(button);
    gfx::Bitmap face = ButtonShot(button);
    EXPECT_EQ(face.GetPixel(W - 7, m), clBlack) << "the arrow";
    EXPECT_EQ(face.GetPixel(W - 7, m + 1), clBlack);
    EXPECT_EQ(face.GetPixel(W - 14, 1), clBlack) << "the line";
    EXPECT_EQ(face.GetPixel(W - 14, H - 2), clBlack);
    EXPECT_EQ(face.GetPixel(W - 3, 3), bar->GetButtonColor());

    // While its menu is open the button is drawn pressed.
    gfx::Bitmap open;
    driver->WhenIdle([&] {
        open = ButtonShot(button);
        Headless::KeyPress(VK_DOWN);
        Headless::KeyPress(VK_RETURN, '\r');
    });
    Headless::MouseDown();
    Headless::ProcessMessages();
    Headless::MouseUp();
    Headless::ProcessMessages();
    ASSERT_FALSE(open.IsEmpty());
    EXPECT_EQ(open.GetPixel(3, 3), bar->GetButtonDownColor());
    EXPECT_EQ(open.GetPixel(W - 7, m), clBlack);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ToolBar, ImagesAreCentredLeftOfTheArrowOrBesideTheCaption) {
    auto* images = new TImageList(host.get());
    images->SetWidth(16);
    images->SetHeight(16);
    TBitmap picture(16, 16);
    picture.Image().Fill(kImageColour);
    images->Add(&picture);
    bar->SetImages(images);
    bar->SetButtonHeight(24);
    struct Case {
        TToolButtonStyle style;
        bool list;
        int imageLeft;  // from the button's left
    };
    for (const Case c : {Case{tbsButton, false, (23 - 16) / 2},
                         Case{tbsDropDown, false, (23 - 16) / 2}, Case{tbsButton, true, 5}}) {
        SCOPED_TRACE(std::to_string(c.style) + (c.list ? " list" : ""));
        bar->SetList(c.list);
        TToolButton* button = Add("", c.style);
        button->SetImageIndex(0);
        Headless::ProcessMessages();
        PointAt(button);
        const gfx::Bitmap face = ButtonShot(button);
        EXPECT_EQ(face.GetPixel(c.imageLeft, 3), kImageColour);
        EXPECT_EQ(face.GetPixel(c.imageLeft + 15, 18), kImageColour);
        EXPECT_NE(face.GetPixel(c.imageLeft - 1, 3), kImageColour);
        EXPECT_NE(face.GetPixel(c.imageLeft, 2), kImageColour);
        EXPECT_NE(face.GetPixel(c.imageLeft + 16, 3), kImageColour);
        PointAway();
        delete button;
    }
}

TEST_F(ToolBar, ATextOnlyPressedCaptionSitsOnePixelLowerThanTheHotOne) {
    bar->SetUIStyle(MacOS);
    bar->SetShowCaptions(true);
    bar->GetFont()->SetColor(clBlack);
    TToolButton* button = Add("&Open");
    Headless::ProcessMessages();
    PointAt(button);
    const gfx::Bitmap hot = ButtonShot(button);
    Headless::MouseDown();
    Headless::ProcessMessages();
    const gfx::Bitmap down = ButtonShot(button);
    Headless::MouseUp();
    // The text's box: the pixels clearly darker than the fill (its smoothed edges blend
    // with either fill).
    auto inkBox = [&](const gfx::Bitmap& face, TColor fill) {
        TRect box{face.Width(), face.Height(), 0, 0};
        for (int y = 1; y < face.Height() - 1; ++y)
            for (int x = 1; x < face.Width() - 1; ++x) {
                const TColor p = face.GetPixel(x, y);
                if (static_cast<int>((fill >> 8) & 0xFF) - static_cast<int>((p >> 8) & 0xFF) < 120)
                    continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        return box;
    };
    const TRect hotBox = inkBox(hot, bar->GetButtonColor());
    EXPECT_EQ(inkBox(down, bar->GetButtonDownColor()), hotBox.Offset(0, 1));
    // Centred as if the ampersand were not there, starting 4 pixels below the top.
    TBitmap measure(1, 1);
    measure.GetCanvas()->SetFont(bar->GetFont());
    const int w = measure.GetCanvas()->TextWidth("Open");
    EXPECT_NEAR(hotBox.left, (button->GetWidth() - w) / 2, 1);
    EXPECT_GE(hotBox.top, 4);
    EXPECT_NEAR(hotBox.Width(), w, 1) << "the underlined O to the n";
}

TEST_F(ToolBar, AButtonsHintShowsAfterThePauseAndGoesOnItsClick) {
    TToolButton* button = Add("");
    button->SetHint("Refresh|Reads the list again");
    bar->SetShowHint(true);
    Headless::ProcessMessages();
    PointAt(button);
    Headless::AdvanceTime(HintPause + 10);
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(ShownHintWindow()->GetCaption(), "Refresh");
    Headless::MouseDown();
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(ShownHintWindow(), nullptr);
    PointAway();
}

}  // namespace
