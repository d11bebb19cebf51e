// Every column type a form edits goes to the server and back unchanged, in the field kind
// that suits it.
#include "PgTestFixture.h"

namespace pgtest {

struct TypeCase {
    const char* SqlType;
    TFieldType Kind;
    int Size;             // a string field's size
    Variant Written;      // what the form puts in the field
    const char* OnServer; // the column's value as the server spells it (v::text)
};

const std::string kBytes("\x00\x01\xff\x7f\\x'", 7);

const TypeCase kTypeCases[] = {
    {"integer", ftInteger, 0, Variant(2147483647), "2147483647"},
    {"smallint", ftInteger, 0, Variant(-32768), "-32768"},
    {"bigint", ftLargeint, 0, Variant(std::int64_t{-9223372036854775807LL - 1}), "-9223372036854775808"},
    {"numeric(12,2)", ftFloat, 0, Variant(1234567890.25), "1234567890.25"},
    {"numeric(30,10)", ftString, 32, Variant("12345678901234567890.0123456789"),
     "12345678901234567890.0123456789"},
    {"numeric", ftString, 0, Variant("0.000000000000000000001"), "0.000000000000000000001"},
    {"double precision", ftFloat, 0, Variant(0.1), "0.1"},
    {"real", ftFloat, 0, Variant(0.1), "0.1"},
    {"text", ftMemo, 0, Variant("two\nlines, \xc3\xbc and 'quotes'"), "two\nlines, \xc3\xbc and 'quotes'"},
    {"varchar(12)", ftString, 12, Variant("twelve chars"), "twelve chars"},
    {"char(3)", ftString, 3, Variant("ab "), "ab"},  // as text, without its padding
    {"boolean", ftBoolean, 0, Variant(true), "true"},
    {"boolean", ftBoolean, 0, Variant(false), "false"},
    {"date", ftString, 10, Variant("2024-02-29"), "2024-02-29"},
    {"time", ftString, 15, Variant("23:59:58.123456"), "23:59:58.123456"},
    {"timestamp", ftString, 26, Variant("2024-02-29 23:59:58.5"), "2024-02-29 23:59:58.5"},
    {"timestamptz", ftString, 32, Variant("2024-02-29 23:59:58+05:30"), nullptr},
    {"uuid", ftString, 36, Variant("a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11"),
     "a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11"},
    {"bytea", ftBlob, 0, Variant(kBytes), "\\x0001ff7f5c7827"},
};

void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << c.SqlType;
}

class PgFieldTypeTest : public PgTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(PgFieldTypeTest, AValueRoundTripsThroughAFieldOfItsKind) {
    const TypeCase& c = GetParam();
    db->ExecSQL(std::string("DROP TABLE IF EXISTS kinds; CREATE TABLE kinds (id serial PRIMARY KEY, v ") +
                c.SqlType + ", w " + c.SqlType + ")");
    TPgTable kinds(nullptr);
    kinds.SetDatabase(db.get());
    kinds.SetTableName("kinds");
    kinds.Open();
    TField* v = kinds.FieldByName("v");
    EXPECT_EQ(v->GetDataType(), c.Kind) << c.SqlType;
    if (c.Kind == ftString) {
        EXPECT_EQ(v->GetSize(), c.Size) << c.SqlType;
    }
    kinds.Append();
    v->SetValue(c.Written);
    kinds.Post();
    const Variant stored = v->GetValue();

    if (c.OnServer) {
        EXPECT_EQ(Scalar("SELECT v::text FROM kinds"), c.OnServer) << c.SqlType;
    } else {
        // A zone's spelling depends on the server's time zone; the instant must not.
        EXPECT_EQ(Scalar(std::string("SELECT (v = '") + c.Written.ToString() + "'::timestamptz)::text FROM kinds"),
                  "true");
    }
    EXPECT_EQ(Scalar("SELECT (w IS NULL)::text FROM kinds"), "true") << "a null stays null";

    // A second user reads what the first stored, and writing it back changes nothing.
    auto other = Connect("qv-tests-other");
    auto again = std::make_unique<TPgTable>(nullptr);
    again->SetDatabase(other.get());
    again->SetTableName("kinds");
    again->Open();
    EXPECT_EQ(again->FieldByName("v")->GetValue(), stored) << c.SqlType;
    EXPECT_TRUE(again->FieldByName("w")->IsNull());
    again->Edit();
    again->FieldByName("w")->SetValue(again->FieldByName("v")->GetValue());
    again->Post();  // the check that the row is unchanged compares every value it read
    EXPECT_EQ(Scalar("SELECT (v = w)::text FROM kinds"), "true") << c.SqlType;
    if (!c.OnServer) return;
    if (c.Written.IsString() || c.Written.IsInteger())
        EXPECT_EQ(stored.ToString(), c.Written.ToString()) << c.SqlType;
    else
        EXPECT_EQ(stored, c.Written) << c.SqlType;
}

INSTANTIATE_TEST_SUITE_P(Types, PgFieldTypeTest, ::testing::ValuesIn(kTypeCases),
                         [](const auto& info) { return TestName(info.param.SqlType, info.index); });

}  // namespace pgtest
