#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKMgr.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "tests/Source/mgr/MgrTestSupport.h"

// The theme manager's list of components: kept clean when components go, and what follows
// when its file theme goes.
namespace {

using mgr_test::TskTestControl;
using Strings = std::vector<std::string>;

Strings Names(TskThemeManager& manager) {
    Strings names;
    for (int i = 0; i < manager.GetCompList()->Count(); ++i)
        names.push_back(manager.GetCompList()->Strings(i));
    return names;
}

class ThemeManager : public ::testing::Test {
protected:
    void SetUp() override { mgr_test::RegisterMgrTestClasses(); }

    template <class T>
    T* Make(const std::string& name) {
        T* component = new T(&m_owner);
        component->SetName(name);
        return component;
    }

    mgr_test::TMgrTestRoot m_owner{nullptr};
};

TEST_F(ThemeManager, StartsInDeepBlueWithAnEmptyList) {
    auto* manager = Make<TskThemeManager>("Manager");
    EXPECT_EQ(manager->GetUIStyle(), DeepBlue);
    EXPECT_EQ(manager->GetFileTheme(), nullptr);
    EXPECT_EQ(manager->GetCompList()->Count(), 0);
}

TEST_F(ThemeManager, RemovedComponentsLeaveTheList) {
    auto* manager = Make<TskThemeManager>("Manager");
    auto* first = Make<TskTestControl>("First");
    auto* second = Make<TskTestControl>("Second");
    Make<TskTestControl>("Third");
    manager->GetCompList()->SetCommaText("First,Second,Third,Elsewhere");

    delete second;
    EXPECT_EQ(Names(*manager), (Strings{"First", "Third", "Elsewhere"}));
    // A component leaving its owner without being freed goes from the list too.
    m_owner.RemoveComponent(first);
    EXPECT_EQ(Names(*manager), (Strings{"Third", "Elsewhere"}));
    delete first;
}

TEST_F(ThemeManager, TheFileThemeGoingAwayFallsBackToDeepBlue) {
    auto* manager = Make<TskThemeManager>("Manager");
    auto* theme = Make<TskFileTheme>("Theme");
    manager->SetFileTheme(theme);
    manager->SetUIStyle(FromThemeFile);
    manager->GetCompList()->Add("Theme");

    delete theme;
    EXPECT_EQ(manager->GetFileTheme(), nullptr);
    EXPECT_EQ(manager->GetUIStyle(), DeepBlue);
    EXPECT_EQ(Names(*manager), Strings{});
}

TEST_F(ThemeManager, AFileThemeOfAnotherOwnerIsForgottenToo) {
    auto* manager = Make<TskThemeManager>("Manager");
    auto theme = std::make_unique<TskFileTheme>(nullptr);
    manager->SetFileTheme(theme.get());
    manager->SetUIStyle(MacOS);
    theme.reset();
    EXPECT_EQ(manager->GetFileTheme(), nullptr);
    EXPECT_EQ(manager->GetUIStyle(), DeepBlue);
}

TEST_F(ThemeManager, TellsOfAStyleChangeOnlyWhenTheStyleChanged) {
    auto* manager = Make<TskThemeManager>("Manager");
    Strings heard;
    manager->OnUIStyleChanged = [&](TObject* sender) {
        heard.push_back(sender == manager ? "manager" : "someone else");
    };
    manager->SetUIStyle(DeepBlue);
    manager->SetFileTheme(nullptr);
    EXPECT_EQ(heard, Strings{});
    manager->SetUIStyle(WinXP);
    EXPECT_EQ(heard, Strings{"manager"});
}

TEST_F(ThemeManager, AssigningTheListCopiesIt) {
    auto* manager = Make<TskThemeManager>("Manager");
    TStringList names;
    names.Add("A");
    names.Add("B");
    manager->SetCompList(&names);
    names.Clear();
    EXPECT_EQ(Names(*manager), (Strings{"A", "B"}));
}

TEST_F(ThemeManager, ItsSettingsSurviveAFormDescription) {
    auto* manager = Make<TskThemeManager>("Manager");
    auto* theme = Make<TskFileTheme>("Theme");
    m_owner.SetName("Root");
    manager->SetFileTheme(theme);
    manager->SetUIStyle(Protein);
    manager->GetCompList()->SetCommaText("Button1,Edit1");
    const std::string description = TFormWriter().WriteDescription(m_owner);

    std::unique_ptr<TComponent> loaded(TFormReader("Root.dfm").ReadComponent(description, nullptr));
    auto* again = dynamic_cast<TskThemeManager*>(loaded->FindComponent("Manager"));
    ASSERT_NE(again, nullptr) << description;
    EXPECT_EQ(again->GetUIStyle(), Protein);
    EXPECT_EQ(again->GetFileTheme(), loaded->FindComponent("Theme"));
    EXPECT_EQ(Names(*again), (Strings{"Button1", "Edit1"}));
}

}  // namespace
