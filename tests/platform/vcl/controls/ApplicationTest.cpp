// The application object and message boxes: Run until the main form closes, OnMessage,
// message boxes answered by keys and clicks queued in the test, their layout, and
// HandleException showing the exception's message.
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;

namespace {

class MainForm : public TForm {
public:
    explicit MainForm(TComponent* AOwner) : TForm(AOwner) { SetBounds(100, 100, 300, 200); }
};

// What a message box showed: its caption, its text and its buttons' captions.
struct Shown {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
};

Shown Inspect(TMessageForm& box) {
    Shown shown{box.GetCaption(), "", {}};
    for (int i = 0; i < box.ControlCount(); ++i) {
        TControl* c = box.Controls(i);
        if (c->GetName() == "Message") shown.text = c->GetCaption();
        if (dynamic_cast<TButton*>(c)) shown.buttons.push_back(c->GetCaption());
    }
    return shown;
}

class ApplicationTest : public VclTest {
protected:
    void TearDown() override {
        Application->OnMessage = nullptr;
        Application->OnException = nullptr;
        VclTest::TearDown();
    }
    // Runs Action when the box's loop goes idle, after looking at the box.
    void WhenBoxShows(std::function<void(TMessageForm&)> action) {
        driver->WhenIdle([this, action] {
            TMessageForm* box = TMessageForm::Showing();
            ASSERT_NE(box, nullptr);
            shown = Inspect(*box);
            action(*box);
        });
    }
    Shown shown;
};

}  // namespace

TEST_F(ApplicationTest, RunShowsTheMainFormAndEndsWhenItCloses) {
    MainForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_EQ(Application->MainForm(), form);
    MainForm* second = nullptr;
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), form);

    int seen = 0;
    Application->OnMessage = [&](MSG& msg, bool&) { seen += msg.message == WM_USER + 1; };
    bool visibleDuringRun = false;
    driver->WhenIdle([&] {
        visibleDuringRun = IsWindowVisible(form->Handle());
        PostMessage(form->Handle(), WM_USER + 1);
        form->Close();
    });
    Application->Run();
    EXPECT_TRUE(visibleDuringRun);
    EXPECT_EQ(seen, 1);
    delete second;
    delete form;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(ApplicationTest, MessageBoxesAnswerWithTheButtonPressed) {
    struct Case {
        const char* name;
        UINT type;
        int vk;
        char32_t ch;
        int expected;
    };
    const Case cases[] = {
        {"OK by Return", MB_OK | MB_ICONINFORMATION, VK_RETURN, U'\r', IDOK},
        {"OK by Escape", MB_OK | MB_ICONINFORMATION, VK_ESCAPE, U'\x1b', IDOK},
        {"OK/Cancel by Return", MB_OKCANCEL | MB_ICONQUESTION, VK_RETURN, U'\r', IDOK},
        {"OK/Cancel by Escape", MB_OKCANCEL | MB_ICONQUESTION, VK_ESCAPE, U'\x1b', IDCANCEL},
        {"Yes/No by its accelerator", MB_YESNO | MB_ICONQUESTION, 'N', U'n', IDNO},
    };
    for (const Case& c : cases) {
        win::Headless::KeyPress(c.vk, c.ch);
        EXPECT_EQ(MessageBox(nullptr, "Delete the entry?", "Quorvane", c.type), c.expected)
            << c.name;
    }
}

TEST_F(ApplicationTest, MessageBoxClickedWithTheMouse) {
    WhenBoxShows([](TMessageForm& box) {
        TControl* cancel = box.FindComponent("Cancel")
                               ? static_cast<TControl*>(box.FindComponent("Cancel"))
                               : nullptr;
        ASSERT_NE(cancel, nullptr);
        const TPoint p = cancel->ClientToScreen({10, 10});
        win::Headless::Click(p.x, p.y);
    });
    EXPECT_EQ(MessageBox(nullptr, "Save?", "Quorvane", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{"OK", "Cancel"}));
}

TEST_F(ApplicationTest, MessageBoxLaysOutIconTextAndCentredButtons) {
    MainForm owner(nullptr);
    owner.Show();
    win::Headless::ProcessMessages();
    TRect iconRect, textRect, client, ownerRect, boxRect;
    std::vector<TRect> buttonRects;
    bool okIsDefault = false;
    WhenBoxShows([&](TMessageForm& box) {
        iconRect = static_cast<TControl*>(box.FindComponent("Icon"))->BoundsRect();
        textRect = static_cast<TControl*>(box.FindComponent("Message"))->BoundsRect();
        for (const char* name : {"OK", "Cancel"})
            buttonRects.push_back(static_cast<TControl*>(box.FindComponent(name))->BoundsRect());
        okIsDefault = static_cast<TButton*>(box.FindComponent("OK"))->GetDefault();
        client = box.GetClientRect();
        GetWindowRect(box.Handle(), &boxRect);
        GetWindowRect(owner.Handle(), &ownerRect);
        win::Headless::KeyPress(VK_RETURN, U'\r');
    });
    MessageBox(owner.Handle(), "Information for \"XYZ\" not found.", "Quorvane",
               MB_OKCANCEL | MB_ICONINFORMATION);
    EXPECT_EQ(shown.text, "Information for \"XYZ\" not found.");
    EXPECT_EQ(shown.caption, "Quorvane");
    EXPECT_EQ(iconRect.Width(), 32);
    EXPECT_LT(iconRect.right, textRect.left);
    ASSERT_EQ(buttonRects.size(), 2u);
    EXPECT_GE(buttonRects[0].top, std::max(iconRect.bottom, textRect.bottom));
    EXPECT_EQ(buttonRects[0].top, buttonRects[1].top);
    EXPECT_NEAR(buttonRects[0].left - client.left, client.right - buttonRects[1].right, 1);
    EXPECT_TRUE(okIsDefault);
    // Centred over its owner.
    EXPECT_NEAR(boxRect.left + boxRect.Width() / 2, ownerRect.left + ownerRect.Width() / 2, 1);
    EXPECT_NEAR(boxRect.top + boxRect.Height() / 2, ownerRect.top + ownerRect.Height() / 2, 1);
}

// A box sizes itself to its text: one line as it is, a long text broken into lines of at
// most 400 pixels (a failed save's reason was hidden below a box one line high), and a text
// taller than the screen in wider lines, cut at the work area's edge, with its buttons in sight.
TEST_F(ApplicationTest, MessageBoxSizesItselfToItsTextAndTheWorkArea) {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "Permission denied. ";
    std::string tall;
    for (int i = 0; i < 300; ++i) tall += "The previous file is unchanged. ";
    struct Case {
        const char* name;
        std::string text;
        int minLines;
        int maxLines;
        int minTextWidth;
        int maxTextWidth;
    };
    const Case cases[] = {
        {"one line", "Quorvane Reference saved successfully.", 1, 1, 0, 400},
        {"a failed save's reason",
         "Quorvane Reference was not saved: could not write "
         "/home/someone/.local/share/quorvane/quorvane.dat.new: Permission denied. The "
         "previous file is unchanged.",
         2, 3, 300, 400},
        {"a paragraph", words, 5, 12, 300, 400},
        {"lines of their own", "First line.\nSecond line.\nThird line.", 3, 3, 0, 400},
        {"taller than the screen", tall, 20, 1000, 401, 1024},
    };
    const TRect work{0, 0, 1024, 738};
    // The first case's one line gives the height of a line.
    int lineHeight = 0;
    for (const Case& c : cases) {
        TRect textRect, client, boxRect, okRect;
        WhenBoxShows([&](TMessageForm& box) {
            auto* text = static_cast<TLabel*>(box.FindComponent("Message"));
            textRect = text->BoundsRect();
            okRect = static_cast<TControl*>(box.FindComponent("OK"))->BoundsRect();
            client = box.GetClientRect();
            GetWindowRect(box.Handle(), &boxRect);
            win::Headless::KeyPress(VK_RETURN, U'\r');
        });
        MessageBox(nullptr, c.text.c_str(), "Error", MB_OK | MB_ICONERROR);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown.text, c.text);
        if (lineHeight == 0) lineHeight = textRect.Height();
        ASSERT_GT(lineHeight, 0);
        const int lines = textRect.Height() / lineHeight;
        EXPECT_GE(lines, c.minLines) << "text " << textRect.Height() << " high";
        EXPECT_LE(lines, c.maxLines) << "text " << textRect.Height() << " high";
        EXPECT_GE(textRect.Width(), c.minTextWidth);
        EXPECT_LE(textRect.Width(), c.maxTextWidth);
        // The text, then the buttons below it, all inside the client area.
        EXPECT_LE(textRect.bottom, okRect.top);
        EXPECT_LE(textRect.right, client.right);
        EXPECT_LE(okRect.bottom, client.bottom);
        EXPECT_GE(boxRect.left, work.left);
        EXPECT_GE(boxRect.top, work.top);
        EXPECT_LE(boxRect.right, work.right);
        EXPECT_LE(boxRect.bottom, work.bottom);
    }
}

// A request to end (a signal) that comes while a start-up message box waits closes the box,
// keeps the next one from waiting, and ends Run before the main form shows.
TEST_F(ApplicationTest, ARequestToEndDuringAStartUpBoxEndsTheProgram) {
    class StartUpForm : public MainForm {
    public:
        explicit StartUpForm(TComponent* AOwner) : MainForm(AOwner) {
            answers.push_back(MessageBox(nullptr, "The data file is damaged.", "Error", MB_OK));
            answers.push_back(MessageBox(nullptr, "Keep going?", "Error", MB_YESNO));
        }
        std::vector<int> answers;
    };
    driver->WhenIdle([] { PostQuitMessage(0); });
    Application->Initialize();
    StartUpForm* form = nullptr;
    Application->CreateForm(form);
    EXPECT_EQ(form->answers, (std::vector<int>{IDOK, IDCANCEL}));
    Application->Run();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    delete form;
    // The next run starts afresh.
    MainForm* next = nullptr;
    Application->CreateForm(next);
    driver->WhenIdle([next] { next->Close(); });
    Application->Run();
    delete next;
}

TEST_F(ApplicationTest, HandleExceptionShowsTheMessageInAnErrorBox) {
    Application->SetTitle("Quorvane Reference");
    UINT type = 0;
    WhenBoxShows([&](TMessageForm& box) {
        type = box.Type();
        win::Headless::KeyPress(VK_RETURN, U'\r');
    });
    try {
        throw EConvertError("'abc' is not a valid integer value");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    EXPECT_EQ(shown.text, "'abc' is not a valid integer value.");
    EXPECT_EQ(shown.caption, "Quorvane Reference");
    EXPECT_EQ(type & MB_ICONMASK, MB_ICONERROR);
}

TEST_F(ApplicationTest, ExceptionInAnEventHandlerReachesHandleException) {
    MainForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetBounds(10, 10, 75, 25);
    button->SetParent(&form);
    button->OnClick = [](TObject*) { throw EInvalidOperation("Nothing to save"); };
    std::string reported;
    Application->OnException = [&](TObject* sender, const std::exception& e) {
        reported = std::string(e.what()) + (sender == button ? " from the button" : "");
    };
    form.Show();
    win::Headless::ProcessMessages();
    const TPoint p = button->ClientToScreen({5, 5});
    win::Headless::Click(p.x, p.y);
    win::Headless::ProcessMessages();
    EXPECT_EQ(reported, "Nothing to save from the button");
}
