// Panels: a picture panel fills itself with its picture (unscaled, stretched or tiled),
// its colour or its parent's image, sizes itself to its picture, and places its caption;
// the title panel rolls up and down in steps, safely whatever happens meanwhile.
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;
using win::Headless;

namespace {

// A picture whose pixel (x, y) is CodedColor(1, x, y).
void CodedPicture(TPicture* picture, int width, int height) {
    gfx::Bitmap pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.SetPixel(x, y, CodedColor(1, x, y));
    TBitmap bitmap;
    bitmap.SetImage(pixels);
    picture->SetBitmap(&bitmap);
}

// Frees its victim when it receives WM_APP: a message that arrives during an animation.
class TKiller : public TCustomControl {
public:
    explicit TKiller(TComponent* AOwner) : TCustomControl(AOwner) {}
    TControl* victim = nullptr;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_APP) {
            delete victim;
            victim = nullptr;
            return;
        }
        TCustomControl::WndProc(Message);
    }
};

class PanelTest : public ButtonsTest {};

}  // namespace

TEST_F(PanelTest, APicturePanelFillsItselfByItsDrawStyle) {
    auto* panel = Add<TskImagePanel>(10, 10);
    panel->SetBounds(10, 10, 120, 40);
    panel->SetColor(clRed);
    // Without a picture: its colour over the whole of a panel wider than high.
    gfx::Bitmap shot = Capture(panel);
    EXPECT_EQ(CountColor(shot, {0, 0, 120, 40}, clRed), 120 * 40);
    panel->SetTransparent(true);
    EXPECT_EQ(Capture(panel).GetPixel(115, 35), kFormColor);
    panel->SetTransparent(false);

    CodedPicture(panel->GetPicture(), 16, 16);
    struct Case {
        TskDrawStyle style;
        int x, y, sx, sy;
    };
    const Case cases[] = {
        {skNormal, 5, 6, 5, 6},          {skTile, 16 + 5, 16 + 6, 5, 6},
        {skTile, 112 + 3, 32 + 2, 3, 2}, {skStretch, 119, 39, 15, 15},
        {skStretch, 60, 20, 8, 8},
    };
    for (const Case& c : cases) {
        panel->SetDrawStyle(c.style);
        const TColor pixel = Capture(panel).GetPixel(c.x, c.y);
        EXPECT_EQ(CodedX(pixel), c.sx) << static_cast<int>(c.style) << " at " << c.x;
        EXPECT_EQ(CodedY(pixel), c.sy) << static_cast<int>(c.style) << " at " << c.x;
    }
    panel->SetDrawStyle(skNormal);
    EXPECT_EQ(Capture(panel).GetPixel(100, 30), static_cast<TColor>(clRed))
        << "outside an unscaled picture the panel keeps its colour";
}

TEST_F(PanelTest, AutoSizeFollowsThePictureAlongTheSidesTheAlignmentLeavesFree) {
    struct Case {
        TAlign align;
        bool width, height;
    };
    const Case cases[] = {{alNone, true, true},
                          {alTop, false, true},
                          {alLeft, true, false},
                          {alClient, false, false}};
    for (const Case& c : cases) {
        auto* panel = Add<TskImagePanel>(0, 0);
        panel->SetAlign(c.align);
        const int width = panel->GetWidth();
        const int height = panel->GetHeight();
        panel->SetAutoSize(true);
        CodedPicture(panel->GetPicture(), 33, 22);
        EXPECT_EQ(panel->GetWidth(), c.width ? 33 : width) << static_cast<int>(c.align);
        EXPECT_EQ(panel->GetHeight(), c.height ? 22 : height) << static_cast<int>(c.align);
        delete panel;
    }
}

TEST_F(PanelTest, TheCaptionGoesWhereItsPositionOrItsAlignmentSays) {
    auto* panel = Add<TskImagePanel>(10, 10);
    panel->SetBounds(10, 10, 200, 40);
    panel->SetColor(clWhite);
    const gfx::Bitmap blank = Capture(panel);
    panel->SetCaption("Panel");
    const TRect centred = DifferenceBox(blank, Capture(panel));
    EXPECT_LE(std::abs(centred.left - (200 - centred.right)), 2);
    // One position of -1 leaves the caption aligned.
    panel->SetCaptionPosX(10);
    EXPECT_EQ(DifferenceBox(blank, Capture(panel)), centred);
    panel->SetCaptionPosY(3);
    const TRect placed = DifferenceBox(blank, Capture(panel));
    EXPECT_GE(placed.left, 10);
    EXPECT_LE(placed.left, 12);
    EXPECT_GE(placed.top, 3);
    EXPECT_LT(placed.top, centred.top);
}

TEST_F(PanelTest, PushAndPopMoveInStepsOf15AndFireTheirEvents) {
    auto* panel = Add<TskPanel>(10, 10);
    panel->SetFileTheme(CodedTheme());
    panel->SetUIStyle(FromThemeFile);
    ASSERT_EQ(panel->TitleHeight(), kTitleBarHeight);
    std::vector<int> heights;
    std::vector<std::string> events;
    panel->OnResize = [&](TObject*) { heights.push_back(panel->GetHeight()); };
    panel->OnPush = [&](TObject*) { events.push_back("push"); };
    panel->OnPop = [&](TObject*) { events.push_back("pop"); };
    panel->Push();
    EXPECT_EQ(heights, (std::vector<int>{85, 70, 55, 40, 25, 18}));
    EXPECT_TRUE(panel->GetPushed());
    // Writing the height while pushed only changes the height to pop to.
    panel->SetHeight2(200);
    EXPECT_EQ(panel->GetHeight(), 18);
    heights.clear();
    panel->Pop();
    EXPECT_EQ(heights.front(), 33);
    EXPECT_EQ(heights.back(), 200);
    EXPECT_EQ(panel->GetFullHeight(), 200);
    EXPECT_EQ(events, (std::vector<std::string>{"push", "pop"}));
}

TEST_F(PanelTest, PushRefusesASidePanelAndEndsWhereTheHeightStopsMoving) {
    auto* panel = Add<TskPanel>(10, 10);
    panel->SetAlign(alLeft);
    try {
        panel->Push();
        FAIL() << "expected an error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), SK_PANEL_CANNOT_PUSH);
    }
    EXPECT_FALSE(panel->GetPushed());

    panel->SetAlign(alNone);
    panel->GetConstraints()->SetMinHeight(80);
    panel->Push();  // would loop forever if it waited for the height to reach the title
    EXPECT_GE(panel->GetHeight(), 80);
}

TEST_F(PanelTest, AClickDuringTheAnimationStartsNoSecondOneAndAFreedPanelIsLeftAlone) {
    auto* panel = Add<TskPanel>(10, 10);
    int pushes = 0;
    panel->OnPush = [&](TObject*) { ++pushes; };
    panel->OnResize = [&](TObject*) { panel->Push(); };
    panel->Push();
    EXPECT_EQ(pushes, 1);
    EXPECT_EQ(panel->GetHeight(), panel->TitleHeight());

    auto* killer = Add<TKiller>(300, 10);
    auto* doomed = Add<TskPanel>(10, 150);
    killer->victim = doomed;
    int resizes = 0;
    doomed->OnResize = [&](TObject*) {
        if (++resizes == 1) PostMessage(killer->Handle(), WM_APP, 0, 0);
    };
    doomed->OnPush = [&](TObject*) { ADD_FAILURE() << "a freed panel fired OnPush"; };
    doomed->Push();
    EXPECT_EQ(killer->victim, nullptr);
}

TEST_F(PanelTest, TheCaptionColourFollowsTheStyle) {
    auto* panel = Add<TskPanel>(10, 10);
    panel->SetUIStyle(MacOS);
    EXPECT_EQ(panel->GetCaptionFontColor(), 0x000000);
    panel->SetUIStyle(DeepBlue);
    EXPECT_EQ(panel->GetCaptionFontColor(),
              GetInsideThemeColor(DeepBlue, SkItem::MenuSelectedFontColor));
    EXPECT_EQ(panel->GetBorderColor(), GetInsideThemeColor(DeepBlue, SkItem::ControlBorderColor));
    panel->SetFileTheme(CodedTheme());
    panel->SetUIStyle(FromThemeFile);
    EXPECT_EQ(panel->GetCaptionFontColor(), 0x000000);  // the theme's font colour is 0x030000
    EXPECT_EQ(panel->GetBorderColor(), 0x123456);
    EXPECT_EQ(panel->GetFullHeight(), 100);
}
