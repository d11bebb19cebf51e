// The skinned data-aware check box and radio group on SQLite: the field's value shown,
// a change only once the dataset went into edit mode (a read-only dataset never shows a
// state its field does not hold), value lists, Escape, posting, and a refused value on
// leaving that keeps the focus.
#include <string>

#include "Source/db/SKDBCtrls.h"
#include "tests/Source/db/DBSkinTestSupport.h"

using dbskintest::DBSkinTest;

namespace {

class DBCheck : public DBSkinTest {
protected:
    TskDBCheckBox* BoundCheck(const char* Field) {
        auto* check = Place<TskDBCheckBox>(10, 10, 100, 20);
        check->SetCaption("Active");
        check->SetDataSource(source.get());
        check->SetDataField(Field);
        return check;
    }
    TskDBRadioGroup* BoundGroup(const char* Field, const char* Items) {
        auto* group = Place<TskDBRadioGroup>(10, 40, 180, 100);
        group->GetItems()->SetText(Items);
        group->SetDataSource(source.get());
        group->SetDataField(Field);
        return group;
    }
    static void ClickOn(TControl* Control) {
        const TPoint p = Control->ClientToScreen({6, Control->GetHeight() / 2});
        win::Headless::Click(p.x, p.y);
        Pump();
    }
    // The other control the focus goes to.
    TskDBEdit* Elsewhere() {
        auto* edit = Place<TskDBEdit>(220, 10, 100, 24);
        edit->SetDataSource(source.get());
        edit->SetDataField("name");
        return edit;
    }
};

}  // namespace

TEST(ValueMatch, TakesTheAlternativesWithoutRegardToCase) {
    struct Case {
        const char* list;
        const char* text;
        bool match;
    };
    const Case cases[] = {
        {"Yes;Y;On", "yes", true}, {"Yes;Y;On", "y", true}, {"Yes;Y;On", "ON", true},
        {"Yes;Y;On", "Ye", false}, {"Yes;Y;On", "", false}, {"True", "true", true},
        {"", "", false},           {"a;;b", "", true},      {"Yes;Y;On", "Yes;Y", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueMatch(c.list, c.text), c.match) << c.list << " / " << c.text;
}

TEST_F(DBCheck, BooleanFieldIsShownAndANullIsUnchecked) {
    db->ExecSQL("INSERT INTO people (name) VALUES ('Nul')");
    auto* check = BoundCheck("active");
    table->Open();
    EXPECT_TRUE(check->GetChecked()) << "Ann";
    table->Next();
    EXPECT_FALSE(check->GetChecked()) << "Bob";
    table->Last();
    EXPECT_TRUE(table->FieldByName("active")->IsNull());
    EXPECT_EQ(check->GetState(), cbUnchecked);
}

TEST_F(DBCheck, ClickEditsAndPostWritesTheBoolean) {
    auto* check = BoundCheck("active");
    table->Open();
    ClickOn(check);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_FALSE(check->GetChecked());
    table->Post();
    EXPECT_FALSE(table->FieldByName("active")->GetAsBoolean());
    Focus(check);
    Key(VK_SPACE, false, false, U' ');
    EXPECT_TRUE(check->GetChecked());
    table->Cancel();
    EXPECT_FALSE(check->GetChecked()) << "cancelling shows the field again";
}

TEST_F(DBCheck, ReadOnlyDatasetNeverShowsAStateItsFieldDoesNotHold) {
    auto* check = BoundCheck("active");
    table->SetReadOnly(true);
    table->Open();
    ClickOn(check);
    EXPECT_TRUE(check->GetChecked());
    Focus(check);
    Key(VK_SPACE, false, false, U' ');
    EXPECT_TRUE(check->GetChecked());
    EXPECT_EQ(table->GetState(), dsBrowse);
    check->SetReadOnly(true);
    table->Close();
    table->SetReadOnly(false);
    table->Open();
    ClickOn(check);
    EXPECT_TRUE(check->GetChecked()) << "nor does a read-only box";
}

TEST_F(DBCheck, TextFieldMatchesAnyAlternativeAndTakesTheFirst) {
    db->ExecSQL(
        "UPDATE people SET notes = 'on' WHERE name = 'Ann';"
        "UPDATE people SET notes = 'maybe' WHERE name = 'Bob'");
    auto* check = BoundCheck("notes");
    check->SetValueChecked("Yes;Y;On");
    check->SetValueUnchecked("No;N;Off");
    table->Open();
    EXPECT_TRUE(check->GetChecked());
    ClickOn(check);
    table->Post();
    EXPECT_EQ(table->FieldByName("notes")->GetAsString(), "No");
    table->Next();
    EXPECT_FALSE(check->GetChecked()) << "a text matching neither list";
    ClickOn(check);
    table->Post();
    EXPECT_EQ(table->FieldByName("notes")->GetAsString(), "Yes");
    check->SetValueChecked("Si");
    EXPECT_FALSE(check->GetChecked()) << "a new list re-reads the field";
}

TEST_F(DBCheck, EscapeShowsTheFieldAgain) {
    auto* check = BoundCheck("active");
    table->Open();
    Focus(check);
    Key(VK_SPACE, false, false, U' ');
    EXPECT_FALSE(check->GetChecked());
    Key(VK_ESCAPE, false, false, U'\x1b');
    EXPECT_TRUE(check->GetChecked());
}

TEST_F(DBCheck, RefusedValueOnLeavingKeepsTheFocus) {
    // The age is a number: the box's words cannot go into it.
    auto* check = BoundCheck("age");
    check->SetValueChecked("yes");
    check->SetValueUnchecked("no");
    TskDBEdit* other = Elsewhere();
    int entered = 0;
    other->OnEnter = [&](TObject*) { ++entered; };
    table->Open();
    Focus(check);
    ClickOn(check);
    EXPECT_TRUE(check->GetChecked());
    Focus(other);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(check->Focused());
    EXPECT_EQ(entered, 0);
    Key(VK_ESCAPE, false, false, U'\x1b');
    table->Cancel();
    Focus(other);
    EXPECT_TRUE(other->Focused());
}

TEST_F(DBCheck, RadioGroupShowsTheValueOfTheItemsOrOfValues) {
    auto* group = BoundGroup("name", "Ann\nBob\nCy");
    std::vector<std::string> changes;
    group->OnChange = [&](TObject*) { changes.push_back(group->GetValue()); };
    table->Open();
    EXPECT_EQ(group->GetItemIndex(), 0) << "no values: the items are the values";
    table->Next();
    EXPECT_EQ(group->GetItemIndex(), 1);
    group->GetValues()->SetText("Cy\nAnn\nBob");
    EXPECT_EQ(group->GetItemIndex(), 2) << "Bob is now the third item's value";
    table->Append();
    EXPECT_EQ(group->GetItemIndex(), -1) << "no item stands for an empty name";
    EXPECT_EQ(changes, (std::vector<std::string>{"Ann", "Bob", ""}));
    table->Cancel();
    group->GetValues()->SetText("Cy\n\nBob");
    table->First();
    table->Next();
    EXPECT_EQ(group->GetItemIndex(), 1) << "an empty value line takes the item's text, Bob";
}

TEST_F(DBCheck, RadioGroupItemIsCheckedOnlyInEditModeAndPosts) {
    auto* group = BoundGroup("name", "Ann\nBob\nCy");
    table->SetReadOnly(true);
    table->Open();
    ClickOn(group->Buttons(2));
    EXPECT_EQ(group->GetItemIndex(), 0);
    table->Close();
    table->SetReadOnly(false);
    table->Open();
    ClickOn(group->Buttons(2));
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Cy");
}

TEST_F(DBCheck, RadioGroupRefusalOnLeavingFocusesTheCheckedItem) {
    auto* group = BoundGroup("age", "thirty\nforty");
    group->GetValues()->SetText("30\nforty");
    TskDBEdit* other = Elsewhere();
    table->Open();
    EXPECT_EQ(group->GetItemIndex(), 0);
    ClickOn(group->Buttons(1));
    ASSERT_EQ(group->GetItemIndex(), 1);
    EXPECT_TRUE(group->Buttons(1)->Focused());
    Focus(other);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(group->Buttons(1)->Focused());
    EXPECT_EQ(table->GetState(), dsEdit);
    Key(VK_ESCAPE, false, false, U'\x1b');
    EXPECT_EQ(group->GetItemIndex(), 0);
    table->Cancel();
    Focus(other);
    EXPECT_TRUE(other->Focused());
}
