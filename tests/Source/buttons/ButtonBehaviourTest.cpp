// What a push button does: clicks from the mouse, Space, Enter, Escape and its
// accelerator, modal results, the repeat notifications while it is held (and that they
// stop whenever the hold ends, however it ends), and its automatic size.
#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKImageButton.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/win/Windows.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;
using win::Headless;

namespace {

class ButtonBehaviour : public ButtonsTest {
protected:
    TskButton* Button(const char* caption, int x = 20) {
        auto* b = Add<TskButton>(x, 20);
        b->SetCaption(caption);
        b->OnClick = [this, b](TObject*) { clicks.push_back(b->GetCaption()); };
        b->OnMouseContinuouslyDown = [this](TObject*) { ++repeats; };
        return b;
    }
    void Hold(TskButton* b) {
        MoveTo(b);
        Headless::MouseDown();
        Headless::ProcessMessages();
    }
    void Release() {
        Headless::MouseUp();
        Headless::ProcessMessages();
    }

    std::vector<std::string> clicks;
    int repeats = 0;
};

}  // namespace

TEST_F(ButtonBehaviour, AClickFiresOnClickOnceAndSetsTheFormsModalResult) {
    TskButton* ok = Button("OK");
    ok->SetModalResult(mrOk);
    ClickOn(ok);
    EXPECT_EQ(clicks, std::vector<std::string>{"OK"});
    EXPECT_EQ(form->GetModalResult(), mrOk);
    EXPECT_TRUE(ok->Focused());
    // A result of 0 is copied too.
    ok->SetModalResult(0);
    ClickOn(ok);
    EXPECT_EQ(form->GetModalResult(), 0);
}

TEST_F(ButtonBehaviour, SpacePressesWhileHeldAndClicksOnRelease) {
    TskButton* b = Button("Go");
    b->SetFocus();
    Headless::KeyDown(VK_SPACE);
    Headless::ProcessMessages();
    EXPECT_TRUE(b->Pressed());
    EXPECT_TRUE(clicks.empty());
    Headless::KeyUp(VK_SPACE);
    Headless::ProcessMessages();
    EXPECT_FALSE(b->Pressed());
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(b->Repeating()) << "the keyboard never starts the repeat";
}

TEST_F(ButtonBehaviour, EnterAndEscapeClickTheActiveDefaultAndCancelButtons) {
    TskButton* ok = Button("OK", 20);
    TskButton* cancel = Button("Cancel", 120);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    auto* edit = Add<TEdit>(20, 100);
    struct Case {
        const char* name;
        TWinControl* focus;
        int vk;
        bool shift;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Enter on the focused button clicks it once", cancel, VK_RETURN, false, {"Cancel"}},
        {"Enter in an edit clicks the default button", edit, VK_RETURN, false, {"OK"}},
        {"Escape clicks the cancel button", edit, VK_ESCAPE, false, {"Cancel"}},
        {"Shift+Enter clicks nothing", edit, VK_RETURN, true, {}},
        {"Shift+Escape clicks nothing", edit, VK_ESCAPE, true, {}},
    };
    for (const Case& c : cases) {
        clicks.clear();
        c.focus->SetFocus();
        Headless::ProcessMessages();
        if (c.shift) Headless::KeyDown(VK_SHIFT);
        Headless::KeyPress(c.vk, c.vk == VK_RETURN ? U'\r' : U'\x1b');
        if (c.shift) Headless::KeyUp(VK_SHIFT);
        Headless::ProcessMessages();
        EXPECT_EQ(clicks, c.expected) << c.name;
    }
    EXPECT_TRUE(ok->Active()) << "the default button is active while an edit has the focus";
    cancel->SetFocus();
    EXPECT_TRUE(cancel->Active());
    EXPECT_FALSE(ok->Active());

    // Image and arrow buttons take the focus but never Enter: it stays the default button's.
    auto* image = Add<TskImageButton>(220, 20);
    auto* arrow = Add<TskArrowButton>(220, 60);
    for (TskCustomButton* other : {static_cast<TskCustomButton*>(image),
                                   static_cast<TskCustomButton*>(arrow)}) {
        other->OnClick = [this](TObject*) { clicks.push_back("other"); };
        clicks.clear();
        other->SetFocus();
        Headless::ProcessMessages();
        EXPECT_TRUE(ok->Active());
        EXPECT_FALSE(other->Active());
        Headless::KeyPress(VK_RETURN, U'\r');
        Headless::ProcessMessages();
        EXPECT_EQ(clicks, std::vector<std::string>{"OK"});
    }
}

TEST_F(ButtonBehaviour, AHiddenButtonAnswersItsAcceleratorButNotWhenDisabled) {
    TskButton* save = Button("&Save");
    save->SetVisible(false);
    Add<TEdit>(20, 100)->SetFocus();
    AltKey('S');
    EXPECT_EQ(clicks, std::vector<std::string>{"&Save"});
    save->SetEnabled(false);
    AltKey('S');
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonBehaviour, HoldingRepeatsEveryIntervalAndReleaseInsideClicksOnce) {
    TskButton* b = Button("Up");
    Hold(b);
    EXPECT_TRUE(b->Pressed());
    Headless::AdvanceTime(99);
    EXPECT_EQ(repeats, 0) << "the first notification comes one interval after the press";
    Headless::AdvanceTime(251);
    EXPECT_EQ(repeats, 3);
    Release();
    EXPECT_EQ(clicks.size(), 1u);
    Headless::AdvanceTime(500);
    EXPECT_EQ(repeats, 3);
    EXPECT_FALSE(b->Repeating());
}

TEST_F(ButtonBehaviour, DraggingOutLetsGoAndReleasingOutsideDoesNotClick) {
    TskButton* b = Button("Up");
    Hold(b);
    const TPoint outside = b->ClientToScreen({b->GetWidth() + 20, 5});
    Headless::MouseMove(outside.x, outside.y);
    Headless::ProcessMessages();
    EXPECT_FALSE(b->Pressed());
    EXPECT_FALSE(b->MouseOn());
    Release();
    Headless::AdvanceTime(500);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(repeats, 0) << "leaving stops the notifications";
}

TEST_F(ButtonBehaviour, TheRepeatStopsWhenTheHoldEndsWithoutARelease) {
    struct Case {
        const char* name;
        std::function<void(TskButton*)> end;
    };
    const Case cases[] = {
        {"disabled by its own handler", [](TskButton* b) { b->SetEnabled(false); }},
        {"hidden by its own handler", [](TskButton* b) { b->SetVisible(false); }},
        {"the capture taken away", [](TskButton*) { ReleaseCapture(); }},
        {"cancel mode", [](TskButton* b) { SendMessage(b->Handle(), WM_CANCELMODE, 0, 0); }},
    };
    for (const Case& c : cases) {
        TskButton* b = Button(c.name);
        int fired = 0;
        b->OnMouseContinuouslyDown = [&fired, &c](TObject* sender) {
            if (++fired == 2) c.end(static_cast<TskButton*>(sender));
        };
        Hold(b);
        Headless::AdvanceTime(1000);
        EXPECT_EQ(fired, 2) << c.name;
        EXPECT_FALSE(b->Repeating()) << c.name;
        EXPECT_FALSE(b->Pressed()) << c.name;
        Release();
        delete b;
    }
}

TEST_F(ButtonBehaviour, AnIntervalOfZeroOrLessGivesNoNotifications) {
    for (int interval : {0, -5}) {
        TskButton* b = Button("Up");
        b->SetMouseContinuouslyDownInterval(interval);
        Hold(b);
        Headless::AdvanceTime(1000);
        Release();
        EXPECT_EQ(repeats, 0) << interval;
        delete b;
    }
}

TEST_F(ButtonBehaviour, AutoSizeTakesOneFrameOfTheBuiltInPicture) {
    struct Case {
        TskUIStyle style;
        int width, height;
    };
    const Case cases[] = {
        {BlueGlass, 77, 27}, {MacOS, 84, 23}, {WinXP, 18, 21}, {FromThemeFile, 24, 21}};
    for (const Case& c : cases) {
        TskButton* b = Button("x");
        b->SetUIStyle(c.style);
        b->SetAutoSize(true);
        EXPECT_EQ(b->GetWidth(), c.width) << static_cast<int>(c.style);
        EXPECT_EQ(b->GetHeight(), c.height) << static_cast<int>(c.style);
        delete b;
    }
}

TEST_F(ButtonBehaviour, ACancelButtonClosesAModalFormWithItsResult) {
    form->Hide();
    TskButton* cancel = Button("Cancel");
    cancel->SetModalResult(mrCancel);
    form->HandleNeeded();
    const TPoint p = Middle(cancel);
    Headless::Click(p.x, p.y);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonBehaviour, AButtonWithoutAFormLeavesModalResultsAlone) {
    TskButton lone(nullptr);
    lone.SetModalResult(mrOk);
    int fired = 0;
    lone.OnClick = [&](TObject*) { ++fired; };
    lone.Click();
    EXPECT_EQ(fired, 1);
}
