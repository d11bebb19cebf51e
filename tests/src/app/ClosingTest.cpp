// Closing the reference window with changes not saved: the question, its three answers, every
// way a user closes a window, and the question when the program is told to end without its
// window closing (a signal).
#include "platform/vcl/controls/Application.h"
#include "tests/src/app/AppTestFixture.h"

using apptest::AppTest;
using apptest::Box;
using apptest::Info;

namespace {

const Box Question{"Quorvane Reference", "Save changes to the abbreviations?"};

class ClosingTest : public AppTest {
protected:
    void TearDown() override {
        // A request to end that a test made stays with the application object.
        Application->Initialize();
        AppTest::TearDown();
    }
    void OpenWithAChange() {
        OpenMain({Info("ADD"), Info("ALC"), Info("ALW")});
        form->edtAbbr->SetText("ALC");
        form->miDelClick(form->miDel);
        ASSERT_TRUE(form->Modified());
    }
    // The next box is recorded with its buttons, then answered with the named one.
    void AnswerWith(const std::string& button) {
        driver->WhenIdle([this, button] {
            TMessageForm* box = TMessageForm::Showing();
            ASSERT_NE(box, nullptr);
            Box shown{box->GetCaption(), ""};
            if (auto* text = dynamic_cast<TControl*>(box->FindComponent("Message")))
                shown.text = text->GetCaption();
            boxes.push_back(shown);
            boxTypes.push_back(box->Type());
            auto* pressed = dynamic_cast<TControl*>(box->FindComponent(button));
            ASSERT_NE(pressed, nullptr) << button;
            ClickOn(pressed);
        });
    }
    std::vector<std::string> SavedTitles() const { return Titles(ReadDataFile()); }

    const std::vector<std::string> loaded{"ADD", "ALC", "ALW"};
    const std::vector<std::string> changed{"ADD", "ALW"};
};

void CloseButton(TfmMain& form) {
    TskTitleBar* bar = form.sfMain->TitleBar();
    const TPoint p = bar->ClientToScreen({bar->GetWidth() - 11, 9});
    win::Headless::Click(p.x, p.y);
}

void AltF4(TfmMain&) {
    win::Headless::KeyDown(VK_MENU);
    win::Headless::KeyPress(VK_F4, 0);
    win::Headless::KeyUp(VK_MENU);
}

// The desktop's close request (WM_DELETE_WINDOW on X11) arrives as this command.
void DesktopClose(TfmMain& form) {
    PostMessage(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace

// Every way of closing asks; Cancel keeps the window and its changes.
TEST_F(ClosingTest, EveryWayOfClosingAsksFirst) {
    struct Case {
        const char* name;
        void (*close)(TfmMain&);
    };
    const Case cases[] = {
        {"the close button", CloseButton},
        {"Alt+F4", AltF4},
        {"the window menu's Close", [](TfmMain&) {}},
        {"the desktop's close request", DesktopClose},
    };
    for (const Case& c : cases) {
        boxes.clear();
        boxTypes.clear();
        OpenWithAChange();
        // Every action waits for a loop to go idle, in turn: the window menu's, then the box's.
        const bool windowMenu = c.name == std::string("the window menu's Close");
        if (windowMenu) driver->WhenIdle([] { win::Headless::KeyPress('C', U'c'); });
        AnswerWith("Cancel");
        if (windowMenu) {
            win::Headless::KeyDown(VK_MENU);
            win::Headless::KeyPress(VK_SPACE, U' ');
            win::Headless::KeyUp(VK_MENU);
        }
        c.close(*form);
        // Through the application's loop, where the frame's hook sees Alt+Space.
        Application->ProcessMessages();
        win::Headless::ProcessMessages();
        EXPECT_EQ(boxes, std::vector<Box>{Question}) << c.name;
        ASSERT_EQ(boxTypes.size(), boxes.size());
        EXPECT_EQ(boxTypes.back() & MB_TYPEMASK, MB_YESNOCANCEL) << c.name;
        EXPECT_TRUE(form->GetVisible()) << c.name;
        EXPECT_TRUE(form->Modified()) << c.name;
        EXPECT_EQ(SavedTitles(), loaded) << c.name;
        form.reset();
    }
}

TEST_F(ClosingTest, YesSavesNoDiscardsAndCancelStays) {
    struct Case {
        const char* answer;
        bool closed;
        std::vector<std::string> saved;
    };
    const Case cases[] = {
        {"Yes", true, changed},
        {"No", true, loaded},
        {"Cancel", false, loaded},
    };
    for (const Case& c : cases) {
        boxes.clear();
        OpenWithAChange();
        AnswerWith(c.answer);
        form->Close();
        win::Headless::ProcessMessages();
        EXPECT_EQ(boxes, std::vector<Box>{Question}) << c.answer;
        EXPECT_EQ(form->GetVisible(), !c.closed) << c.answer;
        EXPECT_EQ(SavedTitles(), c.saved) << c.answer;
        form.reset();
    }
}

TEST_F(ClosingTest, NothingToSaveClosesWithoutAQuestion) {
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"nothing changed", [] {}},
        {"saved after the change",
         [this] {
             form->edtAbbr->SetText("ALC");
             form->miDelClick(form->miDel);
             AnswerBox();
             AltKey('S');
             win::Headless::ProcessMessages();
         }},
        {"an edit that changed nothing",
         [this] {
             form->edtAbbr->SetText("ALW");
             driver->WhenIdle([] { ClickOn(Dialog()->btnOK); });
             form->lvDataDblClick(form->lvData);
         }},
    };
    for (const Case& c : cases) {
        OpenMain({Info("ADD"), Info("ALC"), Info("ALW")});
        c.act();
        boxes.clear();
        // A box here would wait unanswered and fail the test.
        form->Close();
        win::Headless::ProcessMessages();
        EXPECT_TRUE(boxes.empty()) << c.name;
        EXPECT_FALSE(form->GetVisible()) << c.name;
        form.reset();
    }
}

// Told to end (a signal) with its window open, the program asks Yes or No: ending is not
// the user's to cancel. Told again while it asks, it ends without a save.
TEST_F(ClosingTest, EndingWithoutClosingAsksYesOrNoAndASecondRequestSavesNothing) {
    struct Case {
        const char* name;
        std::function<void()> answer;
        std::vector<std::string> saved;
    };
    const Case cases[] = {
        {"Yes", [this] { AnswerWith("Yes"); }, changed},
        {"No", [this] { AnswerWith("No"); }, loaded},
        {"told to end again",
         [this] {
             driver->WhenIdle([this] {
                 ASSERT_NE(TMessageForm::Showing(), nullptr);
                 boxTypes.push_back(TMessageForm::Showing()->Type());
                 PostQuitMessage(0);
             });
         },
         loaded},
    };
    for (const Case& c : cases) {
        boxTypes.clear();
        OpenWithAChange();
        c.answer();
        form->KeepChangesOnEnd();
        ASSERT_EQ(boxTypes.size(), 1u) << c.name;
        EXPECT_EQ(boxTypes[0] & MB_TYPEMASK, MB_YESNO) << c.name;
        EXPECT_EQ(SavedTitles(), c.saved) << c.name;
        EXPECT_FALSE(form->Modified()) << c.name;
        form.reset();
        Application->Initialize();
    }
    // With nothing to save, it does not ask.
    OpenMain({Info("ADD")});
    form->KeepChangesOnEnd();
    EXPECT_EQ(SavedTitles(), std::vector<std::string>{"ADD"});
}
