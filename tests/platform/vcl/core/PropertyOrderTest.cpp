#include <gtest/gtest.h>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/TypInfo.h"

namespace {

// A base with a public but unpublished Caption, and a descendant that publishes its own
// properties first and then Caption, as a skinned control re-publishes its base's.
class TPlainControl : public TPersistent {
    QV_DECLARE_CLASS(TPlainControl, TPersistent)
    int left = 0, theme = 0, style = 0;
    std::string caption, file;
    int GetLeft() const { return left; }
    void SetLeft(int v) { left = v; }
    const std::string& GetCaption() const { return caption; }
    void SetCaption(const std::string& v) { caption = v; }
    const std::string& GetThemeFile() const { return file; }
    void SetThemeFile(const std::string& v) { file = "loaded:" + v; }
};

class TSkinnedControl : public TPlainControl {
    QV_DECLARE_CLASS(TSkinnedControl, TPlainControl)
    int GetStyle() const { return style; }
    void SetStyle(int v) { style = v; }
    // Replaces the inherited property: only stores the path.
    void StorePath(const std::string& v) { file = v; }
};

const TClassInfo& TPlainControl::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TPlainControl>("TPlainControl")
            .Integer("Left", &TPlainControl::GetLeft, &TPlainControl::SetLeft, 0)
            .String("Caption", &TPlainControl::GetCaption, &TPlainControl::SetCaption)
            .Hidden()
            .String("ThemeFile", &TPlainControl::GetThemeFile, &TPlainControl::SetThemeFile)
            .Build();
    return info;
}

const TClassInfo& TSkinnedControl::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TSkinnedControl>("TSkinnedControl")
            .Integer("UIStyle", &TSkinnedControl::GetStyle, &TSkinnedControl::SetStyle, 3)
            .Publish("Caption")
            .String("ThemeFile", &TSkinnedControl::GetThemeFile, &TSkinnedControl::StorePath)
            .Build();
    return info;
}

std::vector<std::string> PublishedNames(const TClassInfo& info) {
    std::vector<std::string> names;
    for (const TPropInfo* p : info.Properties())
        if (p->Published) names.push_back(p->Name);
    return names;
}

TEST(PropertyOrder, BaseFirstThenOwnAndRepublishedInTheirOrder) {
    EXPECT_EQ(PublishedNames(TPlainControl::StaticClassInfo()),
              (std::vector<std::string>{"Left", "ThemeFile"}));
    EXPECT_EQ(PublishedNames(TSkinnedControl::StaticClassInfo()),
              (std::vector<std::string>{"Left", "UIStyle", "Caption", "ThemeFile"}));

    TPlainControl plain;
    TSkinnedControl skinned;
    EXPECT_FALSE(IsHasProperty(&plain, "Caption"));
    EXPECT_TRUE(IsHasProperty(&skinned, "Caption"));
    EXPECT_TRUE(skinned.InheritsFrom(TPlainControl::StaticClassInfo()));

    // The descendant's ThemeFile replaced the base's setter.
    SetStrProp(&plain, "ThemeFile", "a.skn");
    SetStrProp(&skinned, "ThemeFile", "a.skn");
    EXPECT_EQ(plain.file, "loaded:a.skn");
    EXPECT_EQ(skinned.file, "a.skn");
}

}  // namespace
