#include <gtest/gtest.h>

#include "platform/db/DBClasses.h"
#include "platform/vcl/core/ClassInfo.h"
#include "src/QuorvaneApp.h"

namespace {

// Classes are registered by their C++ names and built on first use: every name the program
// registers must build class information that calls itself by that same name.
TEST(ClassRegistry, EveryRegisteredNameBuildsTheClassOfThatName) {
    RegisterQuorvane();
    RegisterDBClasses();
    const std::vector<std::string> names = RegisteredClassNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const TClassInfo* info = GetClass(name);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->Name(), name);
        EXPECT_EQ(GetClass(name), info) << "built twice";
    }
    EXPECT_EQ(GetClass("tskbutton"), GetClass("TskButton"));
}

// The classes a form never names at the top level but that are described with published
// properties of their own can be found by name too, each with its own properties.
TEST(ClassRegistry, TheInnerSkinnedClassesCanBeFoundByName) {
    RegisterQuorvane();
    const struct {
        const char* name;
        const char* property;
    } cases[] = {
        {"TskScrollTrackBar", "UIStyle"},       {"TskRadioGroupButton", "Checked"},
        {"TskCheckGroupButton", "Checked"},     {"TskTitleBarPopupMenu", "UIStyle"},
        {"TskTitleBarButton", "ButtonType"},    {"TskTitleBarSection", "Picture"},
        {"TskCustomGroupBox", "UIStyle"},
    };
    for (const auto& c : cases) {
        const TClassInfo* info = GetClass(c.name);
        ASSERT_NE(info, nullptr) << c.name;
        EXPECT_NE(info->FindProperty(c.property), nullptr) << c.name << "." << c.property;
    }
}

// A class whose information gives another name than the one it was registered under.
const TClassInfo& MisnamedClassInfo() {
    static const TClassInfo info("TSomethingElse", nullptr);
    return info;
}

TEST(ClassRegistry, AClassRegisteredUnderAnotherNameIsReported) {
    RegisterClass("TMisnamed", &MisnamedClassInfo);
    EXPECT_THROW(GetClass("TMisnamed"), std::logic_error);
}

}  // namespace
