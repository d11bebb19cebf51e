#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKMgr.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "tests/Source/mgr/MgrTestSupport.h"

// What file themes and theme managers do to the skinned controls of the form that owns
// them.
namespace {

using mgr_test::TempFolder;
using mgr_test::TskTestControl;
using Strings = std::vector<std::string>;

class FormOwner : public ::testing::Test {
protected:
    void SetUp() override {
        win::Headless::Install();
        mgr_test::RegisterMgrTestClasses();
        m_form = std::make_unique<TForm>(nullptr);
    }
    void TearDown() override {
        m_form.reset();
        win::Headless::Install();
    }

    template <class T>
    T* Make(const std::string& name, TComponent* owner = nullptr) {
        T* component = new T(owner != nullptr ? owner : m_form.get());
        component->SetName(name);
        return component;
    }
    TskTestControl* Control(const std::string& name) {
        auto* control = Make<TskTestControl>(name);
        control->Shared = &m_log;
        return control;
    }

    std::unique_ptr<TForm> m_form;
    Strings m_log;
};

TEST_F(FormOwner, TheManagerSetsStyleThenThemeOnListedControlsInListOrder) {
    Control("First");
    Control("Second");
    Control("Unlisted");
    auto* theme = Make<TskFileTheme>("Theme");
    auto* manager = Make<TskThemeManager>("Manager");
    manager->GetCompList()->SetCommaText("Second,Gone,First");

    manager->SetUIStyle(MacOS);
    EXPECT_EQ(m_log, (Strings{"Second.UIStyle=MacOS", "Second.FileTheme=nil", "First.UIStyle=MacOS",
                              "First.FileTheme=nil"}));
    m_log.clear();
    manager->SetFileTheme(theme);
    EXPECT_EQ(m_log, (Strings{"Second.UIStyle=MacOS", "Second.FileTheme=Theme",
                              "First.UIStyle=MacOS", "First.FileTheme=Theme"}));
    m_log.clear();
    manager->UpdateTheme();
    EXPECT_EQ(m_log.size(), 4u);
}

TEST_F(FormOwner, AManagerOutsideAFormUpdatesNothing) {
    TComponent plainOwner(nullptr);
    auto* control = Control("Control");
    auto* manager = Make<TskThemeManager>("Manager", &plainOwner);
    manager->GetCompList()->Add("Control");
    manager->SetUIStyle(WinXP);
    EXPECT_EQ(control->GetUIStyle(), DeepBlue);
    EXPECT_TRUE(m_log.empty());
}

TEST_F(FormOwner, ALoadedFileThemeReloadsTheSkinnedControlsThatUseIt) {
    auto* theme = Make<TskFileTheme>("Theme");
    auto* other = Make<TskFileTheme>("Other");
    auto* user = Control("User");
    auto* stranger = Control("Stranger");
    auto* unskinned = Make<mgr_test::TOtherControl>("Unskinned");
    unskinned->Shared = &m_log;
    user->SetFileTheme(theme);
    stranger->SetFileTheme(other);
    unskinned->SetFileTheme(theme);
    m_log.clear();

    TempFolder folder;
    // A file that cannot be found changes nothing and reloads nothing.
    theme->SetThemeFile(folder.Path("missing.skn"));
    EXPECT_TRUE(m_log.empty());

    mgr_test::WriteTheme(folder.Path("a.skn"), 5);
    theme->SetThemeFile(folder.Path("a.skn"));
    EXPECT_EQ(m_log, Strings{"User.FileTheme=Theme"});
}

TEST_F(FormOwner, ControlsFallBackToDeepBlueWhenTheirFileThemeGoes) {
    TempFolder folder;
    mgr_test::WriteTheme(folder.Path("a.skn"), 5);
    auto* theme = Make<TskFileTheme>("Theme");
    theme->SetThemeFile(folder.Path("a.skn"));
    auto* control = Control("Control");
    control->SetUIStyle(FromThemeFile);
    control->SetFileTheme(theme);

    TskUIStyle effective = MacOS;
    EXPECT_TRUE(UsingFileTheme(control->GetFileTheme(), control->GetUIStyle(), effective));
    delete theme;
    EXPECT_EQ(control->GetFileTheme(), nullptr);
    EXPECT_FALSE(UsingFileTheme(control->GetFileTheme(), control->GetUIStyle(), effective));
    EXPECT_EQ(effective, DeepBlue);
}

}  // namespace
