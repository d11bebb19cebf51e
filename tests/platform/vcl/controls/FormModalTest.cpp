// Modal forms: ShowModal runs its own loop on input queued before the call, returns the
// modal result a button set, disables the other forms meanwhile, lets OnCloseQuery and
// OnClose keep the form up, and fails rather than waiting for input that never comes.
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/controls/Form.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;

namespace {

class ModalFormTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        dialog = new TForm(nullptr);
        dialog->SetBounds(200, 150, 240, 120);
        dialog->SetCaption("Dialog");
        ok = AddButton("OK", mrOk, 20);
        cancel = AddButton("Cancel", mrCancel, 120);
        ok->SetDefault(true);
        cancel->SetCancel(true);
    }
    void TearDown() override {
        delete dialog;
        VclTest::TearDown();
    }
    TButton* AddButton(const char* name, TModalResult result, int x) {
        auto* b = new TButton(dialog);
        b->SetName(name);
        b->SetModalResult(result);
        b->SetBounds(x, 60, 75, 25);
        b->SetParent(dialog);
        return b;
    }
    // The screen point at the middle of a control, once its form has a window.
    static TPoint Middle(TControl* c) {
        return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2});
    }

    TForm* dialog = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
};

}  // namespace

TEST_F(ModalFormTest, QueuedInputReachesTheModalLoopAndItsButtonSetsTheResult) {
    struct Case {
        const char* name;
        int vk;
        char32_t ch;
        bool clickCancel;
        TModalResult expected;
    };
    const Case cases[] = {
        {"Return presses the default button", VK_RETURN, U'\r', false, mrOk},
        {"Escape presses the cancel button", VK_ESCAPE, U'\x1b', false, mrCancel},
        {"a click on Cancel", 0, 0, true, mrCancel},
    };
    for (const Case& c : cases) {
        dialog->HandleNeeded();
        if (c.clickCancel) {
            const TPoint p = Middle(cancel);
            win::Headless::Click(p.x, p.y);
        } else {
            win::Headless::KeyPress(c.vk, c.ch);
        }
        EXPECT_EQ(dialog->ShowModal(), c.expected) << c.name;
        EXPECT_FALSE(dialog->GetVisible()) << c.name;
        EXPECT_FALSE(IsWindowVisible(dialog->Handle())) << c.name;
    }
}

TEST_F(ModalFormTest, OtherFormsAreDisabledOnlyWhileTheModalFormIsUp) {
    TForm owner(nullptr);
    owner.SetBounds(0, 0, 500, 400);
    owner.Show();
    win::Headless::ProcessMessages();
    bool ownerEnabledDuring = true;
    dialog->OnShow = [&](TObject*) { ownerEnabledDuring = IsWindowEnabled(owner.Handle()); };
    win::Headless::KeyPress(VK_RETURN, U'\r');
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(GetActiveWindow(), owner.Handle());
}

TEST_F(ModalFormTest, CloseQueryAndOnCloseCanKeepTheFormUp) {
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    std::vector<TCloseAction> actions;
    dialog->OnClose = [&](TObject*, TCloseAction& action) { actions.push_back(action); };
    win::Headless::KeyPress(VK_ESCAPE, U'\x1b');  // refused by OnCloseQuery
    win::Headless::KeyPress(VK_RETURN, U'\r');    // accepted
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(actions, std::vector<TCloseAction>{caHide});
}

TEST_F(ModalFormTest, ClosingTheWindowCancels) {
    dialog->HandleNeeded();
    driver->WhenIdle([this] { PostMessage(dialog->Handle(), WM_CLOSE); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

// While it is up, a modal form is owned by the window that was active when it opened (the
// desktop keeps it above that window); afterwards by nobody, so that the owner's end does
// not take the form's window with it.
TEST_F(ModalFormTest, AModalFormBelongsToTheActiveWindowOnlyWhileItIsUp) {
    TForm owner(nullptr);
    owner.Show();
    win::Headless::ProcessMessages();
    ASSERT_EQ(GetActiveWindow(), owner.Handle());
    HWND ownerWhileUp = nullptr;
    driver->WhenIdle([&] {
        ownerWhileUp = GetWindow(dialog->Handle(), GW_OWNER);
        PostMessage(dialog->Handle(), WM_CLOSE);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(ownerWhileUp, owner.Handle());
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), nullptr);
    EXPECT_EQ(GetActiveWindow(), owner.Handle());
}

TEST_F(ModalFormTest, ALoopWithoutInputFailsInsteadOfWaitingForever) {
    TForm owner(nullptr);
    owner.Show();
    win::Headless::ProcessMessages();
    EXPECT_THROW(dialog->ShowModal(), std::runtime_error);
    // The failure leaves the form hidden, no longer modal, and the other forms usable.
    EXPECT_FALSE(dialog->GetVisible());
    EXPECT_FALSE(dialog->Modal());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(ModalFormTest, AVisibleFormCannotBeShownModally) {
    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(ModalFormTest, ReleaseFreesTheFormFromTheMessageLoop) {
    auto* form = new TForm(nullptr);
    TComponentGuard guard(form);
    form->Show();
    form->Release();
    EXPECT_TRUE(guard.Exists());
    win::Headless::ProcessMessages();
    EXPECT_FALSE(guard.Exists());
}
