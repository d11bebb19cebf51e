// Fields: conversions of each type, text, display formats, validation and refusals.
#include "DbTestFixture.h"

namespace dbtest {

TEST_F(DbTest, FieldsTakeTheirTypesFromTheDeclaredColumns) {
    Connect();
    table->Open();
    struct {
        const char* Name;
        TFieldType Type;
        const TClassInfo& Class;
    } expected[] = {
        {"id", ftLargeint, TLargeintField::StaticClassInfo()},
        {"name", ftString, TStringField::StaticClassInfo()},
        {"age", ftInteger, TIntegerField::StaticClassInfo()},
        {"score", ftFloat, TFloatField::StaticClassInfo()},
        {"active", ftBoolean, TBooleanField::StaticClassInfo()},
        {"notes", ftMemo, TMemoField::StaticClassInfo()},
        {"photo", ftBlob, TBlobField::StaticClassInfo()},
    };
    ASSERT_EQ(table->FieldCount(), 7);
    for (const auto& e : expected) {
        TField* field = table->FieldByName(e.Name);
        EXPECT_EQ(field->GetDataType(), e.Type) << e.Name;
        EXPECT_EQ(&field->ClassInfo(), &e.Class) << e.Name;
    }
    EXPECT_EQ(table->FieldByName("name")->GetSize(), 20);
    EXPECT_TRUE(table->FieldByName("name")->GetRequired());
    EXPECT_FALSE(table->FieldByName("id")->GetRequired()) << "the row id is given by the database";
    EXPECT_THROW(table->FieldByName("missing"), EDatabaseError);
}

struct TTextCase {
    const char* Field;
    const char* Typed;
    bool Accepted;
    const char* Text;  // what the field shows afterwards
};

class FieldTextTest : public DbTest, public ::testing::WithParamInterface<TTextCase> {};

TEST_P(FieldTextTest, TypedTextConvertsOrIsRefusedWithTheValueKept) {
    const TTextCase& c = GetParam();
    Connect();
    table->Open();
    table->Edit();
    TField* field = table->FieldByName(c.Field);
    const std::string before = field->GetText();
    if (c.Accepted) {
        field->SetText(c.Typed);
    } else {
        EXPECT_THROW(field->SetText(c.Typed), EDatabaseError) << c.Typed;
        EXPECT_EQ(field->GetText(), before);
    }
    EXPECT_EQ(field->GetText(), c.Text) << c.Field << " <- " << c.Typed;
}

INSTANTIATE_TEST_SUITE_P(
    Types, FieldTextTest,
    ::testing::Values(TTextCase{"age", "42", true, "42"}, TTextCase{"age", "-7", true, "-7"},
                      TTextCase{"age", "4x", false, "30"},
                      TTextCase{"age", "99999999999", false, "30"},
                      TTextCase{"age", "", true, ""}, TTextCase{"score", "2.25", true, "2.25"},
                      TTextCase{"score", "2,5", false, "1.5"},
                      TTextCase{"active", "False", true, "False"},
                      TTextCase{"active", "f", true, "False"},
                      TTextCase{"active", "maybe", false, "True"},
                      TTextCase{"name", "Twenty chars exactly", true, "Twenty chars exactly"},
                      TTextCase{"name", "Twenty-one characters", false, "Ann"},
                      TTextCase{"id", "abc", false, "1"}));

TEST_F(DbTest, AccessorsConvertBetweenTypes) {
    Connect();
    table->Open();
    TField* age = table->FieldByName("age");
    EXPECT_EQ(age->GetAsInteger(), 30);
    EXPECT_EQ(age->GetAsString(), "30");
    EXPECT_DOUBLE_EQ(age->GetAsFloat(), 30.0);
    EXPECT_TRUE(table->FieldByName("active")->GetAsBoolean());
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Ann");
    EXPECT_THROW(table->FieldByName("name")->GetAsInteger(), EDatabaseError);
    EXPECT_TRUE(table->FieldByName("notes")->IsNull());
    EXPECT_EQ(table->FieldByName("notes")->GetDisplayText(), "(Memo)");
    table->Edit();
    table->FieldByName("notes")->SetAsString("text");
    EXPECT_EQ(table->FieldByName("notes")->GetDisplayText(), "(MEMO)");
    age->Clear();
    EXPECT_TRUE(age->IsNull());
    EXPECT_EQ(age->GetAsInteger(), 0);
}

TEST_F(DbTest, WritingOutsideEditOrToAReadOnlyFieldIsRefused) {
    Connect();
    table->Open();
    EXPECT_THROW(table->FieldByName("name")->SetAsString("X"), EDatabaseError);
    table->FieldByName("age")->SetReadOnly(true);
    table->Edit();
    EXPECT_THROW(table->FieldByName("age")->SetAsInteger(1), EDatabaseError);
    EXPECT_FALSE(table->FieldByName("age")->CanModify());
    EXPECT_TRUE(table->FieldByName("name")->CanModify());
}

TEST_F(DbTest, FloatDisplayFormatShapesTheDisplayTextOnly) {
    struct {
        const char* Format;
        double Value;
        const char* Shown;
    } cases[] = {
        {"0.00", 1.5, "1.50"},        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"0.###", 2.5, "2.5"},        {"0", 2.5, "3"},
        {"#,##0.00", -1234.5, "-1,234.50"}, {"0.0 kg", 3, "3.0 kg"},
        {"0.00;(0.00);zero", -2, "(2.00)"}, {"0.00;(0.00);zero", 0, "zero"},
        {"#.##", 0.5, ".5"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Shown) << c.Format;
    Connect();
    table->Open();
    auto* score = static_cast<TFloatField*>(table->FieldByName("score"));
    score->SetDisplayFormat("0.00");
    EXPECT_EQ(score->GetDisplayText(), "1.50");
    EXPECT_EQ(score->GetText(), "1.5");
}

TEST_F(DbTest, ValidCharactersFollowTheFieldType) {
    Connect();
    table->Open();
    EXPECT_TRUE(table->FieldByName("age")->IsValidChar('7'));
    EXPECT_TRUE(table->FieldByName("age")->IsValidChar('-'));
    EXPECT_FALSE(table->FieldByName("age")->IsValidChar('a'));
    EXPECT_TRUE(table->FieldByName("score")->IsValidChar('.'));
    EXPECT_FALSE(table->FieldByName("score")->IsValidChar('x'));
    EXPECT_TRUE(table->FieldByName("name")->IsValidChar('x'));
}

TEST_F(DbTest, OnValidateCanRefuseAndOnChangeHearsTheAcceptedValue) {
    Connect();
    table->Open();
    TField* age = table->FieldByName("age");
    std::vector<std::string> changes;
    age->OnValidate = [](TField* f) {
        if (f->GetAsInteger() < 0) DatabaseError("Age cannot be negative");
    };
    age->OnChange = [&](TField* f) { changes.push_back(f->GetAsString()); };
    table->Edit();
    age->SetAsInteger(5);
    EXPECT_THROW(age->SetAsInteger(-1), EDatabaseError);
    EXPECT_EQ(age->GetAsInteger(), 5);
    EXPECT_EQ(changes, std::vector<std::string>{"5"});
}

TEST_F(DbTest, PostRefusesAnEmptyRequiredFieldAndStaysInInsert) {
    Connect();
    table->Open();
    table->Append();
    table->FieldByName("age")->SetAsInteger(50);
    try {
        table->Post();
        FAIL() << "an empty required field was posted";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'name' must have a value");
    }
    EXPECT_EQ(table->GetState(), dsInsert);
    EXPECT_EQ(table->FieldByName("age")->GetAsInteger(), 50);
    table->FieldByName("name")->SetAsString("Dee");
    table->Post();
    EXPECT_EQ(table->GetRecordCount(), 4);
}

TEST_F(DbTest, DisplayPropertiesHaveDefaultsAndTellTheLinks) {
    Connect();
    TRecordingLink link;
    link.SetDataSource(source.get());
    table->Open();
    TField* name = table->FieldByName("name");
    EXPECT_EQ(name->GetDisplayLabel(), "name");
    EXPECT_EQ(name->GetDisplayWidth(), 20);
    link.Log.clear();
    name->SetDisplayLabel("Name");
    name->SetVisible(false);
    EXPECT_EQ(name->GetDisplayLabel(), "Name");
    EXPECT_EQ(link.Log, (std::vector<std::string>{"layout", "layout"}));
}

}  // namespace dbtest
