// The popup notification on the virtual clock: where it stands, its slide in, its stay and
// its slide out, the close box, clicks on its body and labels, and what happens when it is
// freed while it shows. It never takes the focus from the window the user works in.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Source/frame/SKMSNPopForm.h"
#include "Source/frame/frmMSNPop.h"
#include "Source/theme/SKMgr.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

using win::Headless;

constexpr DWORD kSlideIn = 0x40008;   // AW_SLIDE | AW_VER_NEGATIVE
constexpr DWORD kSlideOut = 0x50004;  // AW_SLIDE | AW_HIDE | AW_VER_POSITIVE

// The window the user is working in: active, with the keyboard.
class TWorkWindow : public TCustomControl {
public:
    explicit TWorkWindow(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
    }

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_CAPTION;
        Params.WndParent = nullptr;
    }
};

class MSNPop : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &Headless::Install();
        InitSkinLibrary();
        work = std::make_unique<TWorkWindow>(nullptr);
        work->SetBounds(100, 100, 300, 200);
        ShowWindow(work->Handle(), SW_SHOW);
        SetFocus(work->Handle());
        Headless::ProcessMessages();
        pop = std::make_unique<TskMSNPopForm>(nullptr);
        pop->SetTitle("Mail");
        pop->SetMessageText("You have a new message from the reference");
        pop->OnClose = [this](TObject* Sender) {
            EXPECT_EQ(Sender, pop.get());
            log.push_back("close");
        };
        pop->OnClick = [this](TObject* Sender) {
            EXPECT_EQ(Sender, pop.get());
            log.push_back("click");
        };
        pop->OnTitleClick = [this](TObject*) { log.push_back("title"); };
    }
    void TearDown() override {
        pop.reset();
        work.reset();
        Headless::Install();
    }
    HWND Window() const { return pop->Window()->Handle(); }
    bool Showing() const { return IsWindowVisible(Window()); }
    TRect Bounds() const {
        RECT r;
        GetWindowRect(Window(), &r);
        return r;
    }
    std::vector<DWORD> Slides() const {
        std::vector<DWORD> flags;
        for (const auto& a : driver->Animations())
            if (a.hwnd == Window()) flags.push_back(a.flags);
        return flags;
    }
    void ClickWindowAt(int x, int y) {
        Headless::Click(Bounds().left + x, Bounds().top + y);
        Headless::ProcessMessages();
    }

    win::HeadlessDriver* driver = nullptr;
    std::unique_ptr<TWorkWindow> work;
    std::unique_ptr<TskMSNPopForm> pop;
    std::vector<std::string> log;
};

TEST_F(MSNPop, SlidesUpAtTheBottomRightStaysAndSlidesDownWithoutTakingTheFocus) {
    const DWORD start = GetTickCount();
    pop->Popup();
    Headless::ProcessMessages();
    ASSERT_TRUE(Showing());
    // 18 pixels from the right of the 1024 x 738 work area, standing on its bottom.
    EXPECT_EQ(Bounds(), (TRect{1024 - 181 - 18, 738 - 116, 1024 - 18, 738}));
    EXPECT_EQ(Slides(), std::vector<DWORD>{kSlideIn});
    EXPECT_EQ(driver->Animations().back().milliseconds, 400u);
    EXPECT_EQ(GetTickCount() - start, 400u) << "the slide in takes its time";
    EXPECT_EQ(GetActiveWindow(), work->Handle());
    EXPECT_EQ(GetFocus(), work->Handle());

    Headless::AdvanceTime(1950);
    EXPECT_TRUE(Showing()) << "stays at least 2000 ms";
    EXPECT_TRUE(log.empty());
    Headless::AdvanceTime(150);
    EXPECT_FALSE(Showing()) << "and at most about 2100 ms";
    EXPECT_EQ(Slides(), (std::vector<DWORD>{kSlideIn, kSlideOut}));
    EXPECT_EQ(log, std::vector<std::string>{"close"});
    EXPECT_EQ(GetFocus(), work->Handle());
    Headless::AdvanceTime(1000);
    EXPECT_EQ(log.size(), 1u) << "OnClose fires once";
}

TEST_F(MSNPop, ShowsItsPictureWithTheTitleAndTheMessageInTheirBoxes) {
    pop->Popup();
    Headless::ProcessMessages();
    TBitmap picture;
    picture.LoadFromResourceName("MSNPOPFORM");
    EXPECT_EQ(picture.GetWidth(), 181);
    EXPECT_EQ(picture.GetHeight(), 116);
    const gfx::Bitmap shot = Headless::CaptureWindow(Window());
    for (const TPoint p : {TPoint{0, 0}, TPoint{168, 12}, TPoint{90, 30}, TPoint{180, 115}})
        EXPECT_EQ(shot.GetPixel(p.x, p.y), picture.Image().GetPixel(p.x, p.y)) << p.x << "," << p.y;
    TfrmMSNPopForm* form = pop->Window();
    EXPECT_EQ(form->lbl_title->BoundsRect(), (TRect{10, 5, 161, 23}));
    EXPECT_EQ(form->lbl_text->BoundsRect(), (TRect{10, 40, 171, 106}));
    EXPECT_EQ(form->lbl_title->GetCaption(), "Mail");
    EXPECT_EQ(form->lbl_text->GetFont()->GetColor(), 0x800000);
    EXPECT_EQ(GetWindowLong(Window(), GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPCHILDREN), WS_POPUP);
}

TEST_F(MSNPop, AStayOfZeroEndsAtTheFirstTick) {
    pop->SetStayTime(0);
    pop->Popup();
    Headless::AdvanceTime(99);
    EXPECT_TRUE(Showing());
    Headless::AdvanceTime(2);
    EXPECT_FALSE(Showing());
    EXPECT_EQ(log, std::vector<std::string>{"close"});
}

TEST_F(MSNPop, TheCloseBoxHidesAtOnceWithoutTheSlide) {
    pop->Popup();
    Headless::ProcessMessages();
    ClickWindowAt(168, 12);
    EXPECT_FALSE(Showing());
    EXPECT_EQ(Slides(), std::vector<DWORD>{kSlideIn});
    EXPECT_EQ(log, std::vector<std::string>{"close"});
}

TEST_F(MSNPop, ClicksOnTheBodyAndTheLabels) {
    struct Case {
        const char* what;
        TPoint at;
        bool clickHide;
        std::vector<std::string> log;
        bool showing;
    };
    const Case cases[] = {
        {"body", {100, 110}, false, {"click"}, true},
        {"body with ClickHide", {100, 110}, true, {"click", "close"}, false},
        {"title", {20, 10}, true, {"title"}, true},
        {"message", {20, 70}, true, {"click"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        pop->SetClickHide(c.clickHide);
        pop->Popup();
        Headless::ProcessMessages();
        ClickWindowAt(c.at.x, c.at.y);
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(Showing(), c.showing);
        if (!c.showing) {
            EXPECT_EQ(Slides().back(), kSlideOut);
        }
        pop->Close();
        Headless::ProcessMessages();
    }
}

TEST_F(MSNPop, WithoutAutoPositionItStandsWhereItIsTold) {
    pop->SetAutoPosition(false);
    pop->SetPositionX(40);
    pop->SetPositionY(-30);
    pop->Popup();
    EXPECT_EQ(Bounds().TopLeft(), (TPoint{40, -30}));
}

TEST_F(MSNPop, PopupWhileShowingKeepsTheStay) {
    pop->Popup();
    Headless::AdvanceTime(1500);
    pop->SetTitle("Again");
    pop->Popup();
    EXPECT_EQ(pop->Window()->lbl_title->GetCaption(), "Again");
    EXPECT_EQ(Slides(), std::vector<DWORD>{kSlideIn}) << "no second slide";
    Headless::AdvanceTime(600);
    EXPECT_FALSE(Showing()) << "the stay was not restarted";
}

TEST_F(MSNPop, CloseSlidesOutAndTellsOnce) {
    pop->Close();
    EXPECT_TRUE(log.empty()) << "nothing shows, nothing to tell";
    pop->Popup();
    pop->Close();
    EXPECT_FALSE(Showing());
    EXPECT_EQ(Slides(), (std::vector<DWORD>{kSlideIn, kSlideOut}));
    EXPECT_EQ(log, std::vector<std::string>{"close"});
}

TEST_F(MSNPop, FreedWhileShowingItNeitherSlidesNorTells) {
    pop->Popup();
    const HWND window = Window();
    const std::size_t animations = driver->Animations().size();
    pop.reset();
    Headless::AdvanceTime(3000);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(driver->Animations().size(), animations);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
