// Forms read from descriptions: controls nested in their parents, fields and handlers bound,
// references to components described later resolved before Loaded, the client size and
// position applied, and the same description written back.
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/controls/Timer.h"
#include "tests/platform/vcl/ControlTestFixture.h"
#include "platform/vcl/VclClasses.h"

using vcltest::VclTest;

namespace {

class TDescribedForm : public TForm {
    QV_DECLARE_CLASS(TDescribedForm, TForm)
    explicit TDescribedForm(TComponent* AOwner) : TForm(AOwner) {}

    TPanel* pnlTop = nullptr;
    TLabel* lblName = nullptr;
    TCheckBox* chkName = nullptr;
    TButton* btnOK = nullptr;
    TTimer* tmrTick = nullptr;
    int ticks = 0;
    TWinControl* activeAtLoaded = nullptr;
    int panelWidthAtLoaded = 0;

    void tmrTickTimer(TObject*) { ++ticks; }
    void btnOKClick(TObject*) {}

protected:
    void Loaded() override {
        TForm::Loaded();
        activeAtLoaded = GetActiveControl();
    }
};

const TClassInfo& TDescribedForm::StaticClassInfo() {
    using C = TDescribedForm;
    static const TClassInfo info = TClassBuilder<C>("TDescribedForm")
                                       .Field("pnlTop", &C::pnlTop)
                                       .Field("lblName", &C::lblName)
                                       .Field("chkName", &C::chkName)
                                       .Field("btnOK", &C::btnOK)
                                       .Field("tmrTick", &C::tmrTick)
                                       .Method("tmrTickTimer", &C::tmrTickTimer)
                                       .Method("btnOKClick", &C::btnOKClick)
                                       .Build();
    return info;
}

// ActiveControl and FocusControl name components that come later in the text.
constexpr const char* kDescription = R"(object fmDescribed: TDescribedForm
  Left = 10
  Top = 20
  ActiveControl = btnOK
  BorderStyle = bsDialog
  Caption = 'Described'
  ClientHeight = 200
  ClientWidth = 300
  Position = poScreenCenter
  object tmrTick: TTimer
    Interval = 250
    OnTimer = tmrTickTimer
  end
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 100
    Height = 41
    Align = alTop
    BevelOuter = bvLowered
    Caption = ''
    TabOrder = 1
    object lblName: TLabel
      Left = 8
      Top = 12
      Caption = '&Name:'
      FocusControl = chkName
    end
    object chkName: TCheckBox
      Left = 60
      Top = 12
      Width = 120
      Height = 17
      Caption = 'Upper case'
      State = cbChecked
      TabOrder = 0
    end
  end
  object btnOK: TButton
    Left = 112
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
    OnClick = btnOKClick
  end
end
)";

class FormDescriptionTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        RegisterVclClasses();
        RegisterClass(TDescribedForm::StaticClassInfo());
        form = new TDescribedForm(nullptr);
        TFormReader("Described.dfm").ReadRootComponent(*form, kDescription);
    }
    void TearDown() override {
        delete form;
        VclTest::TearDown();
    }
    TDescribedForm* form = nullptr;
};

}  // namespace

TEST_F(FormDescriptionTest, ControlsNestInTheirParentsWithFieldsAndReferencesBound) {
    ASSERT_NE(form->pnlTop, nullptr);
    ASSERT_NE(form->chkName, nullptr);
    EXPECT_EQ(form->lblName->GetParent(), form->pnlTop);
    EXPECT_EQ(form->chkName->GetParent(), form->pnlTop);
    EXPECT_EQ(form->btnOK->GetParent(), form);
    EXPECT_EQ(form->lblName->GetFocusControl(), form->chkName);
    EXPECT_EQ(form->activeAtLoaded, form->btnOK);
    EXPECT_TRUE(form->chkName->GetChecked());
    EXPECT_EQ(form->btnOK->GetModalResult(), mrOk);
    EXPECT_EQ(form->btnOK->GetTabOrder(), 0);
    EXPECT_EQ(form->pnlTop->GetTabOrder(), 1);
    EXPECT_EQ(form->lblName->GetCaption(), "&Name:");
    // The label sized itself to its caption once loading was over.
    EXPECT_GT(form->lblName->GetWidth(), 20);
    EXPECT_LT(form->lblName->GetWidth(), 60);
}

TEST_F(FormDescriptionTest, ClientSizeAlignmentAndPositionApply) {
    EXPECT_EQ(form->GetClientRect(), (TRect{0, 0, 300, 200}));
    EXPECT_EQ(form->pnlTop->BoundsRect(), (TRect{0, 0, 300, 41}));
    form->Show();
    win::Headless::ProcessMessages();
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client, (TRect{0, 0, 300, 200}));
    RECT window;
    GetWindowRect(form->Handle(), &window);
    EXPECT_NEAR(window.left + window.Width() / 2, 512, 1);
    EXPECT_NEAR(window.top + window.Height() / 2, 384, 1);
    EXPECT_TRUE(form->btnOK->Focused());
    // A dialog frame: no thick border, a caption.
    EXPECT_FALSE(GetWindowLong(form->Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION);
}

TEST_F(FormDescriptionTest, TimerTicksOnTheVirtualClock) {
    win::Headless::AdvanceTime(600);
    EXPECT_EQ(form->ticks, 2);
    form->tmrTick->SetEnabled(false);
    win::Headless::AdvanceTime(600);
    EXPECT_EQ(form->ticks, 2);
}

TEST_F(FormDescriptionTest, WrittenDescriptionReadsBackToTheSameText) {
    const std::string written = TFormWriter().WriteDescription(*form);
    EXPECT_NE(written.find("ClientWidth = 300"), std::string::npos) << written;
    EXPECT_NE(written.find("ActiveControl = btnOK"), std::string::npos) << written;
    EXPECT_EQ(written.find("\n  Width ="), std::string::npos) << "a form stores its client size";
    TDescribedForm copy(nullptr);
    TFormReader("written").ReadRootComponent(copy, written);
    EXPECT_EQ(TFormWriter().WriteDescription(copy), written);
    EXPECT_EQ(copy.lblName->GetFocusControl(), copy.chkName);
    EXPECT_EQ(copy.pnlTop->GetBevelOuter(), bvLowered);
}

TEST_F(FormDescriptionTest, UnknownControlPropertyNamesTheFileAndLine) {
    TDescribedForm other(nullptr);
    try {
        TFormReader("Bad.dfm").ReadRootComponent(other,
                                                 "object f: TDescribedForm\n"
                                                 "  object b: TButton\n"
                                                 "    Shape = 3\n"
                                                 "  end\n"
                                                 "end\n");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Bad.dfm"), std::string::npos) << message;
        EXPECT_NE(message.find("3"), std::string::npos) << message;
        EXPECT_NE(message.find("Shape"), std::string::npos) << message;
    }
}
