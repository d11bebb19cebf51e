#include <gtest/gtest.h>

#include <memory>

#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

// Which forms are drawn as active: the application's state, its main form and MDI.
namespace {

class FormFocus : public ::testing::Test {
protected:
    void SetUp() override {
        win::Headless::Install();
        m_saved = Application;
        m_application = std::make_unique<TApplication>(nullptr);
        Application = m_application.get();
        WNDCLASS plain;
        plain.lpszClassName = "SkinFocusOutside";
        plain.lpfnWndProc = DefWindowProc;
        RegisterClass(plain);
    }
    void TearDown() override {
        m_application.reset();
        Application = m_saved;
        win::Headless::Install();
    }

    TForm* Form(TFormStyle style = fsNormal) {
        TForm* form = nullptr;
        m_application->CreateForm(form);
        form->SetFormStyle(style);
        form->SetBounds(50, 50, 200, 150);
        form->Show();
        win::Headless::ProcessMessages();
        return form;
    }
    static void Activate(HWND hwnd) {
        SetForegroundWindow(hwnd);
        win::Headless::ProcessMessages();
    }
    // A window of no form of the application: when it is active, the application is not.
    HWND Outside() {
        HWND hwnd = CreateWindowEx(0, "SkinFocusOutside", "outside", WS_POPUP | WS_VISIBLE, 600,
                                   400, 50, 50, nullptr);
        win::Headless::ProcessMessages();
        return hwnd;
    }

    std::unique_ptr<TApplication> m_application;
    TApplication* m_saved = nullptr;
};

TEST_F(FormFocus, WithoutAMainFormEachFormAnswersForItself) {
    TForm lone(nullptr);
    lone.SetBounds(10, 10, 100, 100);
    lone.Show();
    Activate(lone.Handle());
    ASSERT_EQ(m_application->MainForm(), nullptr);
    EXPECT_TRUE(FormHasFocus(&lone));
    Activate(Outside());
    EXPECT_FALSE(FormHasFocus(&lone));
    EXPECT_FALSE(FormHasFocus(nullptr));
}

TEST_F(FormFocus, TheMainFormAndTheActiveFormWhileTheApplicationIsActive) {
    TForm* main = Form();
    TForm* other = Form();
    Activate(other->Handle());
    EXPECT_TRUE(FormHasFocus(other));
    EXPECT_TRUE(FormHasFocus(main));
    EXPECT_TRUE(FormHasFocus(nullptr));
    Activate(main->Handle());
    EXPECT_FALSE(FormHasFocus(other));

    Activate(Outside());
    EXPECT_FALSE(FormHasFocus(main));
    EXPECT_FALSE(FormHasFocus(other));
    EXPECT_FALSE(FormHasFocus(nullptr));
}

TEST_F(FormFocus, AnMdiFrameAlwaysAndItsActiveChildWhileActive) {
    TForm* frame = Form(fsMDIForm);
    TForm* first = Form(fsMDIChild);
    TForm* second = Form(fsMDIChild);
    Activate(frame->Handle());
    ASSERT_EQ(frame->ActiveMDIChild(), second);
    EXPECT_TRUE(FormHasFocus(second));
    EXPECT_FALSE(FormHasFocus(first));

    Activate(Outside());
    EXPECT_TRUE(FormHasFocus(frame));
    EXPECT_FALSE(FormHasFocus(second));
}

}  // namespace
