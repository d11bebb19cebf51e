// Focus in a form: the first control in Tab order on showing, Tab and Shift+Tab through
// the controls that take it, ActiveControl, Enter and Exit, and accelerator characters
// offered to every control, hidden ones included.
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Label.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;

namespace {

// A form of three buttons and a check box on a panel, in a Tab order unlike their creation
// order: Third, panel (First, Check), Second; Skipped takes no Tab stop.
class FocusFormTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 200);
        panel = Add<TPanel>("Panel", form, 0, 0, 150, 100);
        first = Add<TButton>("First", panel, 10, 10, 75, 25);
        check = Add<TCheckBox>("Check", panel, 10, 50, 100, 17);
        second = Add<TButton>("Second", form, 160, 10, 75, 25);
        third = Add<TButton>("Third", form, 160, 50, 75, 25);
        skipped = Add<TButton>("Skipped", form, 160, 90, 75, 25);
        skipped->SetTabStop(false);
        third->SetTabOrder(0);
        for (TWinControl* c :
             std::initializer_list<TWinControl*>{panel, first, check, second, third})
            c->OnEnter = [this](TObject* s) { log.push_back("enter " + Name(s)); };
        for (TWinControl* c : std::initializer_list<TWinControl*>{first, check, second, third})
            c->OnExit = [this](TObject* s) { log.push_back("exit " + Name(s)); };
    }
    void TearDown() override {
        delete form;
        VclTest::TearDown();
    }
    template <class T>
    T* Add(const char* name, TWinControl* parent, int x, int y, int w, int h) {
        T* c = new T(form);
        c->SetName(name);
        c->SetBounds(x, y, w, h);
        c->SetParent(parent);
        return c;
    }
    static std::string Name(TObject* s) { return dynamic_cast<TComponent*>(s)->GetName(); }
    std::string FocusedName() const {
        TWinControl* c = TWinControl::FindControl(GetFocus());
        return c ? c->GetName() : "";
    }
    void Press(int vk, char32_t ch = 0) {
        win::Headless::KeyPress(vk, ch);
        win::Headless::ProcessMessages();
    }

    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TButton* first = nullptr;
    TCheckBox* check = nullptr;
    TButton* second = nullptr;
    TButton* third = nullptr;
    TButton* skipped = nullptr;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(FocusFormTest, ShowingFocusesTheFirstControlInTabOrder) {
    form->Show();
    win::Headless::ProcessMessages();
    EXPECT_EQ(FocusedName(), "Third");
    EXPECT_EQ(form->GetActiveControl(), third);
    EXPECT_TRUE(third->Focused());
}

TEST_F(FocusFormTest, TabAndShiftTabWalkTheTabOrderAndWrap) {
    form->Show();
    win::Headless::ProcessMessages();
    std::vector<std::string> forward;
    for (int i = 0; i < 4; ++i) {
        Press(VK_TAB, U'\t');
        forward.push_back(FocusedName());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"First", "Check", "Second", "Third"}));

    win::Headless::KeyDown(VK_SHIFT);
    Press(VK_TAB, U'\t');
    EXPECT_EQ(FocusedName(), "Second");
    Press(VK_TAB, U'\t');
    EXPECT_EQ(FocusedName(), "Check");
    win::Headless::KeyUp(VK_SHIFT);
    win::Headless::ProcessMessages();
}

TEST_F(FocusFormTest, TabSkipsHiddenAndDisabledControls) {
    first->Hide();
    check->SetEnabled(false);
    form->Show();
    win::Headless::ProcessMessages();
    Press(VK_TAB, U'\t');
    EXPECT_EQ(FocusedName(), "Second");
}

TEST_F(FocusFormTest, FocusMovesReportExitThenEnter) {
    form->SetActiveControl(first);
    form->Show();
    win::Headless::ProcessMessages();
    log.clear();
    second->SetFocus();
    win::Headless::ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"exit First", "enter Second"}));
    EXPECT_EQ(form->GetActiveControl(), second);
}

// An exit handler that refuses to let go puts the focus back: the control the focus was
// going to is neither entered nor exited, and the form still counts the first as focused.
TEST_F(FocusFormTest, ExitThatTakesTheFocusBackEntersNothing) {
    form->SetActiveControl(first);
    form->Show();
    win::Headless::ProcessMessages();
    first->OnExit = [this](TObject*) {
        log.push_back("exit First");
        first->SetFocus();
    };
    log.clear();
    second->SetFocus();
    win::Headless::ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"exit First"}));
    EXPECT_EQ(FocusedName(), "First");
    EXPECT_EQ(form->GetActiveControl(), first);

    // The next move starts from First again.
    first->OnExit = [this](TObject*) { log.push_back("exit First"); };
    log.clear();
    third->SetFocus();
    win::Headless::ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"exit First", "enter Third"}));
}

TEST_F(FocusFormTest, FocusingAHiddenControlFails) {
    form->Show();
    first->Hide();
    EXPECT_THROW(first->SetFocus(), EInvalidOperation);
    EXPECT_THROW(form->SetActiveControl(first), EInvalidOperation);
}

TEST_F(FocusFormTest, FreedActiveControlIsForgotten) {
    form->Show();
    win::Headless::ProcessMessages();
    ASSERT_EQ(form->GetActiveControl(), third);
    delete third;
    third = nullptr;
    EXPECT_EQ(form->GetActiveControl(), nullptr);
}

TEST_F(FocusFormTest, AcceleratorsReachHiddenEnabledButtonsOnly) {
    struct Case {
        const char* name;
        bool visible;
        bool enabled;
        bool withAlt;
        int clicks;
    };
    const Case cases[] = {
        {"visible, Alt", true, true, true, 1},
        {"hidden, Alt", false, true, true, 1},
        {"hidden, plain key on a button", false, true, false, 1},
        {"hidden and disabled", false, false, true, 0},
    };
    TButton* save = Add<TButton>("Save", form, 10, 150, 75, 25);
    save->SetCaption("&Save");
    int clicks = 0;
    save->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    win::Headless::ProcessMessages();
    for (const Case& c : cases) {
        clicks = 0;
        save->SetVisible(c.visible);
        save->SetEnabled(c.enabled);
        second->SetFocus();
        if (c.withAlt) win::Headless::KeyDown(VK_MENU);
        Press('S', U's');
        if (c.withAlt) win::Headless::KeyUp(VK_MENU);
        win::Headless::ProcessMessages();
        EXPECT_EQ(clicks, c.clicks) << c.name;
    }
}

TEST_F(FocusFormTest, LabelAcceleratorFocusesItsControl) {
    auto* label = new TLabel(form);
    label->SetCaption("Se&cond:");
    label->SetFocusControl(second);
    label->SetParent(form);
    form->Show();
    win::Headless::ProcessMessages();
    win::Headless::KeyDown(VK_MENU);
    Press('C', U'c');
    win::Headless::KeyUp(VK_MENU);
    win::Headless::ProcessMessages();
    EXPECT_EQ(FocusedName(), "Second");
    // The label forgets a control that goes away.
    delete second;
    second = nullptr;
    EXPECT_EQ(label->GetFocusControl(), nullptr);
}

TEST_F(FocusFormTest, ReturnClicksTheDefaultButtonAndEscapeTheCancelOne) {
    std::vector<std::string> clicked;
    second->SetDefault(true);
    third->SetCancel(true);
    for (TButton* b : {first, second, third})
        b->OnClick = [&](TObject* s) { clicked.push_back(Name(s)); };
    form->SetActiveControl(check);
    form->Show();
    win::Headless::ProcessMessages();
    Press(VK_RETURN, U'\r');
    Press(VK_ESCAPE, U'\x1b');
    // A focused button is the one Return presses.
    first->SetFocus();
    Press(VK_RETURN, U'\r');
    EXPECT_EQ(clicked, (std::vector<std::string>{"Second", "Third", "First"}));
}
