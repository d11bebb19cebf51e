#include <gtest/gtest.h>

#include "platform/vcl/core/StringList.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

std::vector<std::string> Lines(const TStrings& s) {
    std::vector<std::string> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.Strings(i));
    return v;
}

TEST(StringsNameValue, NamesValuesAndTheirChanges) {
    TStringList list;
    list.SetText("Left=10\nCaption=a=b\nno separator\nTop=\n");
    EXPECT_EQ(list.Names(0), "Left");
    EXPECT_EQ(list.Values("left"), "10");
    EXPECT_EQ(list.Values("Caption"), "a=b");  // only the first '=' separates
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Values("no separator"), "");
    EXPECT_EQ(list.IndexOfName("Top"), 3);
    EXPECT_EQ(list.ValueFromIndex(1), "a=b");

    list.SetValues("Left", "20");    // replaces
    list.SetValues("Width", "300");  // adds
    list.SetValues("Caption", "");   // deletes
    EXPECT_EQ(Lines(list),
              (std::vector<std::string>{"Left=20", "no separator", "Top=", "Width=300"}));

    list.SetNameValueSeparator(':');
    list.Add("Height:7");
    EXPECT_EQ(list.Values("Height"), "7");
}

TEST(StringsCommaText, SplitsAndQuotes) {
    struct Case {
        const char* text;
        std::vector<std::string> items;
        const char* written;  // CommaText of the result
    };
    const Case cases[] = {
        {"a,b,c", {"a", "b", "c"}, "a,b,c"},
        {"a, b ,c", {"a", "b", "c"}, "a,b,c"},
        {"one two", {"one", "two"}, "one,two"},
        {"\"a b\",\"say \"\"hi\"\"\"", {"a b", "say \"hi\""}, "\"a b\",\"say \"\"hi\"\"\""},
        {"\"x,y\",z", {"x,y", "z"}, "\"x,y\",z"},
        {"a,,b", {"a", "", "b"}, "a,,b"},
        {"a,", {"a", ""}, "a,"},
        {"", {}, ""},
        {"\"\"", {""}, "\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.SetCommaText(c.text);
        EXPECT_EQ(Lines(list), c.items);
        EXPECT_EQ(list.GetCommaText(), c.written);
        TStringList again;
        again.SetCommaText(list.GetCommaText());
        EXPECT_EQ(Lines(again), c.items);
    }
}

TEST(StringsText, SplitsOnEveryKindOfLineBreak) {
    TStringList list;
    list.SetText("a\r\nb\rc\n\nd");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(list.GetText(), "a\nb\nc\n\nd\n");
}

TEST(StringListSorted, KeepsOrderAndHandlesDuplicates) {
    struct Case {
        TDuplicates duplicates;
        std::vector<std::string> expected;
        bool throws;
    };
    const Case cases[] = {
        {dupIgnore, {"apple", "Pear", "zebra"}, false},
        {dupAccept, {"apple", "pear", "Pear", "zebra"}, false},  // equal ones go first
        {dupError, {"apple", "Pear", "zebra"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.duplicates));
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        list.Add("zebra");
        list.Add("Pear");
        list.Add("apple");
        if (c.throws)
            EXPECT_THROW(list.Add("pear"), EStringListError);
        else
            list.Add("pear");
        EXPECT_EQ(Lines(list), c.expected);
        EXPECT_EQ(list.IndexOf("APPLE"), 0);
        EXPECT_EQ(list.IndexOf("kiwi"), -1);
    }
    TStringList sorted;
    sorted.SetSorted(true);
    EXPECT_THROW(sorted.Insert(0, "x"), EStringListError);
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TStringList list;
    TStringList a, b;
    list.AddObject("b", &b);
    list.AddObject("a", &a);
    list.SetSorted(true);
    EXPECT_EQ(list.Objects(0), &a);
    EXPECT_EQ(list.IndexOfObject(&b), 1);
    list.Delete(0);
    EXPECT_EQ(list.Objects(0), &b);
}

TEST(StringList, ChangeEventsAndBounds) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("x");
    EXPECT_EQ(changes, 1);
    list.BeginUpdate();
    list.Add("y");
    list.Add("z");
    list.Delete(0);
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(list.Strings(5), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(3, "w"), EStringListError);
}

}  // namespace
