#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "tests/Source/mgr/MgrTestSupport.h"
#include "platform/vcl/VclClasses.h"

// The style a new skinned control takes from the skinned frame of its owner form.
namespace {

// Stands in for the skinned frame: a panel registered as TskForm that publishes UIStyle.
class TskForm : public TCustomPanel {
    QV_DECLARE_CLASS(TskForm, TCustomPanel)

    explicit TskForm(TComponent* AOwner) : TCustomPanel(AOwner) {}

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value) { m_uiStyle = Value; }

private:
    TskUIStyle m_uiStyle = DeepBlue;
};

class TskDerivedForm : public TskForm {
    QV_DECLARE_CLASS(TskDerivedForm, TskForm)

    explicit TskDerivedForm(TComponent* AOwner) : TskForm(AOwner) {}
};

// A skinned control that starts in its owner form's style, as every skinned control does.
class TskStyledControl : public TCustomControl {
    QV_DECLARE_CLASS(TskStyledControl, TCustomControl)

    explicit TskStyledControl(TComponent* AOwner)
        : TCustomControl(AOwner), StartStyle(GetSKFormStyle(AOwner)), m_uiStyle(StartStyle) {}

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value) { m_uiStyle = Value; }

    const TskUIStyle StartStyle;

private:
    TskUIStyle m_uiStyle;
};

const TClassInfo& TskForm::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskForm>("TskForm")
            .Enum("UIStyle", TskUIStyleInfo(), &TskForm::GetUIStyle, &TskForm::SetUIStyle, DeepBlue)
            .Build();
    return info;
}

const TClassInfo& TskDerivedForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskDerivedForm>("TskDerivedForm").Build();
    return info;
}

const TClassInfo& TskStyledControl::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskStyledControl>("TskStyledControl")
            .Enum("UIStyle", TskUIStyleInfo(), &TskStyledControl::GetUIStyle,
                  &TskStyledControl::SetUIStyle, DeepBlue)
            .Build();
    return info;
}

class FormStyle : public ::testing::Test {
public:
    // A control owned by the form, on the given parent.
    template <class T>
    T* Place(TWinControl* parent, TskUIStyle style = DeepBlue) {
        T* control = new T(m_form.get());
        control->SetParent(parent);
        if constexpr (requires { control->SetUIStyle(style); }) control->SetUIStyle(style);
        return control;
    }

protected:
    void SetUp() override {
        win::Headless::Install();
        mgr_test::RegisterMgrTestClasses();
        RegisterVclClasses();
        // The skin's own frame, once there is one, comes back after the test.
        m_registered = GetClass("TskForm");
        RegisterClasses({&TskForm::StaticClassInfo(), &TskDerivedForm::StaticClassInfo(),
                         &TskStyledControl::StaticClassInfo()});
        m_form = std::make_unique<TForm>(nullptr);
    }
    void TearDown() override {
        m_form.reset();
        if (m_registered != nullptr) RegisterClass(*m_registered);
        win::Headless::Install();
    }

    std::unique_ptr<TForm> m_form;
    const TClassInfo* m_registered = nullptr;
};

TEST_F(FormStyle, TheFirstSkinnedFrameAmongTheFormsChildrenGivesTheStyle) {
    struct Case {
        const char* name;
        std::function<void(FormStyle&, TForm&)> build;
        TskUIStyle expected;
    };
    const Case cases[] = {
        {"no child", [](FormStyle&, TForm&) {}, DeepBlue},
        {"a frame", [](FormStyle& t, TForm& f) { t.Place<TskForm>(&f, MacOS); }, MacOS},
        {"a class derived from the frame",
         [](FormStyle& t, TForm& f) { t.Place<TskDerivedForm>(&f, Protein); }, Protein},
        {"other controls before the frame",
         [](FormStyle& t, TForm& f) {
             t.Place<TPanel>(&f);
             t.Place<TskStyledControl>(&f, WinXP);
             t.Place<TskForm>(&f, BlueGlass);
         },
         BlueGlass},
        {"the first of two frames",
         [](FormStyle& t, TForm& f) {
             t.Place<TskForm>(&f, FromThemeFile);
             t.Place<TskForm>(&f, MacOS);
         },
         FromThemeFile},
        {"a frame on a panel is not the form's",
         [](FormStyle& t, TForm& f) { t.Place<TskForm>(t.Place<TPanel>(&f), MacOS); }, DeepBlue},
        {"a frame the form owns but does not hold",
         [](FormStyle& t, TForm&) { t.Place<TskForm>(nullptr, MacOS); }, DeepBlue},
    };
    for (const Case& c : cases) {
        m_form = std::make_unique<TForm>(nullptr);
        c.build(*this, *m_form);
        EXPECT_EQ(GetSKFormStyle(m_form.get()), c.expected) << c.name;
    }
}

TEST_F(FormStyle, OwnersThatAreNotFormsGiveDeepBlue) {
    TComponent dataModule(nullptr);
    auto* frame = new TskForm(&dataModule);
    frame->SetUIStyle(MacOS);
    EXPECT_EQ(GetSKFormStyle(&dataModule), DeepBlue);
    EXPECT_EQ(GetSKFormStyle(nullptr), DeepBlue);
    // A frame as the owner does not count either: it is not a form.
    EXPECT_EQ(GetSKFormStyle(frame), DeepBlue);
}

TEST_F(FormStyle, ControlsReadFromADescriptionStartInTheFramesStyle) {
    // The frame's stored style is applied before the controls on it are created; the
    // control stored with its own style keeps that one.
    TForm form(nullptr);
    TFormReader("test").ReadRootComponent(form, R"(object Form1: TForm
  object Frame: TskForm
    UIStyle = MacOS
    object OnFrame: TskStyledControl
    end
    object OwnStyle: TskStyledControl
      UIStyle = WinXP
    end
  end
end
)");
    auto* onFrame = dynamic_cast<TskStyledControl*>(form.FindComponent("OnFrame"));
    auto* ownStyle = dynamic_cast<TskStyledControl*>(form.FindComponent("OwnStyle"));
    ASSERT_NE(onFrame, nullptr);
    ASSERT_NE(ownStyle, nullptr);
    EXPECT_EQ(onFrame->StartStyle, MacOS);
    EXPECT_EQ(onFrame->GetUIStyle(), MacOS);
    EXPECT_EQ(ownStyle->StartStyle, MacOS);
    EXPECT_EQ(ownStyle->GetUIStyle(), WinXP);
}

}  // namespace
