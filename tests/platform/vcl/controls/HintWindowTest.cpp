// Hints: a control's hint appears below the pointer after the pause on the virtual clock,
// without taking the focus, and goes when the mouse leaves, on a click or a key, or after
// the hide pause; parents lend their ShowHint.
#include <memory>
#include <string>

#include "platform/vcl/controls/HintWindow.h"
#include "tests/platform/vcl/ControlTestFixture.h"

namespace {

using vcltest::THostControl;
using vcltest::TProbe;
using win::Headless;

class HintTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(100, 100, 300, 200);
        probe = new TProbe(host.get());
        probe->SetParent(host.get());
        probe->SetBounds(10, 10, 50, 20);
        probe->SetHint("Opens the file|Opens the file in a new window");
        probe->SetShowHint(true);
        other = new TProbe(host.get());
        other->SetParent(host.get());
        other->SetBounds(100, 10, 50, 20);
        ShowWindow(host->Handle(), SW_SHOW);
        Headless::ProcessMessages();
    }
    void TearDown() override {
        Headless::MouseMove(900, 700);
        Headless::ProcessMessages();
        host.reset();
        VclTest::TearDown();
    }
    void Over(TControl* c) {
        const TPoint p = c->ClientToScreen({5, 5});
        Headless::MouseMove(p.x, p.y);
        Headless::ProcessMessages();
    }
    bool Shown() const {
        THintWindow* w = ShownHintWindow();
        return w && IsWindowVisible(w->Handle());
    }

    std::unique_ptr<THostControl> host;
    TProbe* probe = nullptr;
    TProbe* other = nullptr;
};

TEST_F(HintTest, TheShortHintAppearsBelowThePointerAfterThePause) {
    Over(probe);
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    Headless::AdvanceTime(HintPause - 50);
    EXPECT_FALSE(Shown()) << "not before the pause";
    Headless::AdvanceTime(100);
    ASSERT_TRUE(Shown());
    THintWindow* w = ShownHintWindow();
    EXPECT_EQ(w->GetCaption(), "Opens the file");
    RECT r;
    GetWindowRect(w->Handle(), &r);
    const TPoint pointer = probe->ClientToScreen({5, 5});
    EXPECT_EQ(r.left, pointer.x);
    EXPECT_GT(r.top, pointer.y) << "below the pointer";
    EXPECT_EQ(GetActiveWindow(), active) << "the hint takes no activation";
    EXPECT_EQ(GetFocus(), focus);
    // Its yellow face with the text on it.
    const gfx::Bitmap shot = Headless::CaptureWindow(w->Handle());
    EXPECT_EQ(shot.GetPixel(1, 1), ColorToRGB(clInfoBk));
    EXPECT_EQ(shot.GetPixel(0, 0), clBlack);
}

TEST_F(HintTest, TheHintGoesWhenTheMouseLeavesOnAClickOrAKeyOrAfterTheHidePause) {
    enum class How { Leave, Click, Key, Time };
    for (const How how : {How::Leave, How::Click, How::Key, How::Time}) {
        SCOPED_TRACE(static_cast<int>(how));
        Over(other);
        Over(probe);
        Headless::AdvanceTime(HintPause + 10);
        ASSERT_TRUE(Shown());
        switch (how) {
            case How::Leave:
                Over(other);
                break;
            case How::Click:
                Headless::MouseDown();
                Headless::MouseUp();
                Headless::ProcessMessages();
                break;
            case How::Key:
                SetFocus(host->Handle());
                Headless::KeyPress(VK_SHIFT);
                Headless::ProcessMessages();
                break;
            case How::Time:
                Headless::AdvanceTime(HintHidePause + 100);
                break;
        }
        EXPECT_FALSE(Shown());
        if (how == How::Click) {
            Headless::AdvanceTime(HintPause * 3);
            EXPECT_FALSE(Shown()) << "a clicked control shows no hint until the mouse moves on";
        }
    }
}

TEST_F(HintTest, WithoutShowHintOnItOrAParentThereIsNoHint) {
    other->SetHint("Nothing");
    Over(other);
    Headless::AdvanceTime(HintPause * 2);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(GetHintFor(other), "");

    // A parent's ShowHint reaches its children; a child without a hint of its own shows
    // the parent's.
    host->SetShowHint(true);
    host->SetHint("The host");
    EXPECT_EQ(GetHintFor(other), "Nothing");
    other->SetHint("");
    EXPECT_EQ(GetHintFor(other), "The host");
    host->SetShowHint(false);
    EXPECT_EQ(GetHintFor(other), "");
}

TEST_F(HintTest, AControlFreedWhileItsHintWaitsOrShowsLeavesNoHintBehind) {
    Over(probe);
    delete probe;
    Headless::AdvanceTime(HintPause * 2);
    EXPECT_FALSE(Shown());
    other->SetHint("Other");
    other->SetShowHint(true);
    Over(other);
    Headless::AdvanceTime(HintPause + 10);
    ASSERT_TRUE(Shown());
    delete other;
    EXPECT_FALSE(Shown());
}

}  // namespace
