// A list item's sub-items keep the first text inside the item; whatever is done to them,
// they must read back exactly as a plain string list given the same calls.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/comctrls/ListItem.h"
#include "platform/vcl/core/StringList.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

struct Step {
    const char* szName;
    std::function<void(TStrings&)> apply;
};

void ExpectSame(const TStrings& actual, const TStrings& expected) {
    ASSERT_EQ(actual.Count(), expected.Count());
    for (int i = 0; i < expected.Count(); ++i) {
        EXPECT_EQ(actual.Strings(i), expected.Strings(i)) << "at " << i;
        EXPECT_EQ(actual.Objects(i), expected.Objects(i)) << "at " << i;
    }
}

TEST(SubItemsTest, ReadBackAsAStringListGivenTheSameCalls) {
    TStringList a, b;  // stand-ins for objects
    const std::string longText(300, 'm');
    const std::vector<Step> steps = {
        {"first", [](TStrings& s) { s.Add("one"); }},
        {"long first replaced", [&](TStrings& s) { s.SetStrings(0, longText); }},
        {"second", [](TStrings& s) { s.Add("two"); }},
        {"in front", [](TStrings& s) { s.Insert(0, "zero"); }},
        {"in the middle", [](TStrings& s) { s.Insert(2, "one and a half"); }},
        {"an object", [&](TStrings& s) { s.SetObjects(1, &a); }},
        {"inserted after an object", [](TStrings& s) { s.Insert(1, "half"); }},
        {"added with an object", [&](TStrings& s) { s.AddObject("three", &b); }},
        {"first deleted", [](TStrings& s) { s.Delete(0); }},
        {"middle deleted", [](TStrings& s) { s.Delete(2); }},
        {"exchanged", [](TStrings& s) { s.Exchange(0, s.Count() - 1); }},
        {"moved", [](TStrings& s) { s.Move(0, 2); }},
        {"last deleted", [](TStrings& s) { s.Delete(s.Count() - 1); }},
        {"text set", [](TStrings& s) { s.SetText("x\ny\nz\n"); }},
        {"down to one", [](TStrings& s) { s.Delete(1), s.Delete(1); }},
        {"the only one deleted", [](TStrings& s) { s.Delete(0); }},
        {"empty string added", [](TStrings& s) { s.Add(""); }},
        {"cleared", [](TStrings& s) { s.Clear(); }},
        {"again after clearing", [](TStrings& s) { s.Add("again"); }},
    };
    TListItem item(nullptr);
    TStrings& subItems = *item.GetSubItems();
    TStringList expected;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.szName);
        step.apply(subItems);
        step.apply(expected);
        ExpectSame(subItems, expected);
    }
}

TEST(SubItemsTest, IndexesOutsideTheListAreErrors) {
    TListItem item(nullptr);
    TStrings& subItems = *item.GetSubItems();
    EXPECT_THROW(subItems.Strings(0), EStringListError);
    subItems.Add("one");
    EXPECT_THROW(subItems.Strings(1), EStringListError);
    EXPECT_THROW(subItems.Objects(-1), EStringListError);
    EXPECT_THROW(subItems.Insert(2, "far"), EStringListError);
    EXPECT_THROW(subItems.Delete(1), EStringListError);
    EXPECT_EQ(subItems.Count(), 1);
}

}  // namespace
