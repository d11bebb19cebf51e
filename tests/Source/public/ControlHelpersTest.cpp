#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/win/PaintPass.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

// The helpers that work on controls: the flat border, the parent's image behind a control,
// transparency, passing a style to children and placing.
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kWhite = 0xFFFFFF;

// A top-level window that holds controls and paints 2 x 2 red squares at (12, 6) and
// (42, 26), counting its paints.
class THost : public TCustomControl {
public:
    explicit THost(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
        SetColor(clWhite);
    }

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
    void Paint() override {
        ++Paints;
        GetCanvas()->GetBrush()->SetColor(kRed);
        GetCanvas()->FillRect({12, 6, 14, 8});
        GetCanvas()->FillRect({42, 26, 44, 28});
    }

public:
    int Paints = 0;
};

// A child container that holds controls of its own.
class TPanelLike : public TCustomControl {
public:
    explicit TPanelLike(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
    }
};

// A child that shows its parent through itself, as skinned controls say in "Transparent".
class TShowThrough : public TCustomControl {
    QV_DECLARE_CLASS(TShowThrough, TCustomControl)

    TShowThrough(TComponent* AOwner) : TCustomControl(AOwner) {}
    bool GetTransparent() const { return true; }
    void SetTransparent(bool) {}
};

const TClassInfo& TShowThrough::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TShowThrough>("TShowThrough")
                                       .Boolean("Transparent", &TShowThrough::GetTransparent,
                                                &TShowThrough::SetTransparent, true)
                                       .Build();
    return info;
}

// A skinned control's published theme, logging the order it is set in.
class TskStyled : public TGraphicControl {
    QV_DECLARE_CLASS(TskStyled, TGraphicControl)

    TskStyled(TComponent* AOwner) : TGraphicControl(AOwner) {}
    TskUIStyle GetUIStyle() const { return m_style; }
    void SetUIStyle(TskUIStyle Value) {
        m_style = Value;
        Log.push_back("UIStyle");
    }
    TskFileTheme* GetFileTheme() const { return m_theme; }
    void SetFileTheme(TskFileTheme* Value) {
        m_theme = Value;
        Log.push_back("FileTheme");
    }
    std::vector<std::string> Log;

private:
    TskUIStyle m_style = DeepBlue;
    TskFileTheme* m_theme = nullptr;
};

const TClassInfo& TskStyled::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskStyled>("TskStyled")
            .Enum("UIStyle", TskUIStyleInfo(), &TskStyled::GetUIStyle, &TskStyled::SetUIStyle)
            .Reference("FileTheme", &TskStyled::GetFileTheme, &TskStyled::SetFileTheme)
            .Build();
    return info;
}

// A control with a UIStyle but no FileTheme.
class TStyleOnly : public TGraphicControl {
    QV_DECLARE_CLASS(TStyleOnly, TGraphicControl)

    TStyleOnly(TComponent* AOwner) : TGraphicControl(AOwner) {}
    TskUIStyle GetUIStyle() const { return m_style; }
    void SetUIStyle(TskUIStyle Value) { m_style = Value; }

private:
    TskUIStyle m_style = DeepBlue;
};

const TClassInfo& TStyleOnly::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TStyleOnly>("TStyleOnly")
            .Enum("UIStyle", TskUIStyleInfo(), &TStyleOnly::GetUIStyle, &TStyleOnly::SetUIStyle)
            .Build();
    return info;
}

class ControlHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        win::Headless::Install();
        m_host = std::make_unique<THost>(nullptr);
        m_host->SetBounds(100, 100, 60, 40);
        m_child = new TPanelLike(m_host.get());
        m_child->SetParent(m_host.get());
        m_child->SetColor(clWhite);
        m_child->SetBounds(10, 5, 20, 12);
        m_host->HandleNeeded();
        win::Headless::ProcessMessages();
    }
    void TearDown() override {
        m_host.reset();
        win::Headless::Install();
    }

    std::unique_ptr<THost> m_host;
    TPanelLike* m_child = nullptr;
};

TEST_F(ControlHelpers, DrawControlBorderFramesTheWholeWindow) {
    for (const bool inner : {true, false}) {
        SCOPED_TRACE(inner ? "with the inner ring" : "border only");
        m_child->Repaint();
        DrawControlBorder(m_child, clBtnShadow, kGreen, inner);
        const gfx::Bitmap shot = win::Headless::CaptureWindow(m_host->Handle());
        const TColor border = ColorToRGB(clBtnShadow);
        // The child covers (10, 5) to (30, 17) of the host.
        EXPECT_EQ(shot.GetPixel(10, 5), border);
        EXPECT_EQ(shot.GetPixel(29, 16), border);
        EXPECT_EQ(shot.GetPixel(20, 5), border);
        EXPECT_EQ(shot.GetPixel(11, 6), inner ? kGreen : kWhite);
        EXPECT_EQ(shot.GetPixel(28, 15), inner ? kGreen : kWhite);
        EXPECT_EQ(shot.GetPixel(12, 7), kWhite);
        EXPECT_EQ(shot.GetPixel(9, 5), kWhite) << "nothing outside the window";
    }
}

TEST_F(ControlHelpers, DoTransPaintsTheParentBehindTheControl) {
    TBitmap image(20, 12);
    image.Image().Fill(kGreen);
    DoTrans(image.GetCanvas(), m_child);
    // The parent's red square at (12, 6) lies at (2, 1) of the child; the rest is the
    // parent's background.
    EXPECT_EQ(image.Image().GetPixel(2, 1), kRed);
    EXPECT_EQ(image.Image().GetPixel(3, 2), kRed);
    EXPECT_EQ(image.Image().GetPixel(4, 1), kWhite);
    EXPECT_EQ(image.Image().GetPixel(0, 0), kWhite);
    EXPECT_EQ(image.Image().GetPixel(19, 11), kWhite);
    // The canvas is as it was: its origin is back at the corner.
    image.GetCanvas()->SetPixel(0, 0, kGreen);
    EXPECT_EQ(image.Image().GetPixel(0, 0), kGreen);

    // Without a parent there is nothing behind.
    TPanelLike orphan(nullptr);
    TBitmap untouched(4, 4);
    untouched.Image().Fill(kGreen);
    DoTrans(untouched.GetCanvas(), &orphan);
    EXPECT_EQ(untouched.Image().GetPixel(1, 1), kGreen);
}

TEST_F(ControlHelpers, DoTransPaintsTheParentOncePerPassForItsTransparentChildren) {
    auto place = [&](TWinControl* control, int left, int top) {
        control->SetParent(m_host.get());
        control->SetBounds(left, top, 6, 4);
    };
    auto* near = new TShowThrough(m_host.get());
    auto* far = new TShowThrough(m_host.get());
    auto* plain = new TPanelLike(m_host.get());
    place(near, 10, 5);
    place(far, 40, 25);
    place(plain, 41, 5);
    m_child->SetVisible(false);
    win::Headless::ProcessMessages();
    win::EndPaintPass();
    m_host->Paints = 0;

    // Each sees its own part of the parent: a red square at (2, 1) for the first two; the
    // third lies over the parent's plain background.
    struct Case {
        TWinControl* control;
        TColor atSquare;
        int paintsAfter;
    };
    for (const Case& c : {Case{near, kRed, 1}, Case{far, kRed, 1}, Case{plain, kWhite, 2}}) {
        SCOPED_TRACE(c.control->ClassName());
        TBitmap image(6, 4);
        image.Image().Fill(kGreen);
        DoTrans(image.GetCanvas(), c.control);
        EXPECT_EQ(image.Image().GetPixel(2, 1), c.atSquare);
        EXPECT_EQ(image.Image().GetPixel(0, 0), kWhite);
        EXPECT_EQ(image.Image().GetPixel(5, 3), kWhite);
        // The children that say they are transparent share one image; a child outside it
        // has the parent paint once more.
        EXPECT_EQ(m_host->Paints, c.paintsAfter);
    }
}

TEST_F(ControlHelpers, SetWinControlTransparentDropsOpacity) {
    m_child->SetControlStyle(m_child->ControlStyle() | csOpaque);
    SetWinControlTransparent(m_child);
    EXPECT_FALSE(m_child->ControlStyle() & csOpaque);
    EXPECT_TRUE(GetWindowLong(m_child->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(ControlHelpers, ContainerApplyUIStylePassesTheStyleOneLevelDown) {
    auto* styled = new TskStyled(m_host.get());
    styled->SetParent(m_host.get());
    auto* styleOnly = new TStyleOnly(m_host.get());
    styleOnly->SetParent(m_host.get());
    auto* grandchild = new TskStyled(m_host.get());
    grandchild->SetParent(m_child);
    TskFileTheme theme(nullptr);

    ContainerApplyUIStyle(m_host.get(), WinXP, &theme);
    EXPECT_EQ(styled->GetUIStyle(), WinXP);
    EXPECT_EQ(styled->GetFileTheme(), &theme);
    EXPECT_EQ(styled->Log, (std::vector<std::string>{"FileTheme", "UIStyle"}));
    EXPECT_EQ(styleOnly->GetUIStyle(), DeepBlue) << "no FileTheme, so left alone";
    EXPECT_EQ(grandchild->GetUIStyle(), DeepBlue);
    EXPECT_TRUE(grandchild->Log.empty());
}

TEST_F(ControlHelpers, PlaceControlMovesAndSizes) {
    PlaceControl(m_child, TPoint{3, 4});
    EXPECT_EQ(m_child->BoundsRect(), (TRect{3, 4, 23, 16}));
    PlaceControl(m_child, TRect{5, 6, 15, 26});
    EXPECT_EQ(m_child->BoundsRect(), (TRect{5, 6, 15, 26}));
}

}  // namespace
