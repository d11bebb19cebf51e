// The data-aware controls driven as a user drives them: typing, Escape, leaving, choosing.
#include "DbControlFixture.h"
#include "platform/db/controls/DBComboBox.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBImage.h"
#include "platform/db/controls/DBListBox.h"
#include "platform/db/controls/DBLookup.h"
#include "platform/db/controls/DBMemo.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/vcl/graphics/Bitmap.h"

namespace dbtest {

TEST_F(DbControlTest, TypingIntoABoundEditStartsEditingAndPostWritesIt) {
    auto* edit = Place<TDBEdit>(10, 10, 120, 22);
    edit->SetDataSource(source.get());
    edit->SetDataField("name");
    table->Open();
    EXPECT_EQ(edit->GetText(), "Ann");
    EXPECT_EQ(edit->GetMaxLength(), 20);
    Focus(edit);
    Key(VK_END);
    EXPECT_EQ(table->GetState(), dsBrowse) << "moving the caret changes nothing";
    Type("e");
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(edit->GetText(), "Anne");
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Anne");
    table->Next();
    EXPECT_EQ(edit->GetText(), "Bob");
}

TEST_F(DbControlTest, EscapeTakesTheTypedTextBack) {
    auto* edit = Place<TDBEdit>(10, 10, 120, 22);
    edit->SetDataSource(source.get());
    edit->SetDataField("name");
    table->Open();
    Focus(edit);
    Key(VK_END);
    Type("xyz");
    EXPECT_EQ(edit->GetText(), "Annxyz");
    Key(VK_ESCAPE);
    EXPECT_EQ(edit->GetText(), "Ann");
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Ann");
}

TEST_F(DbControlTest, LeavingWritesTheFieldAndARefusalKeepsFocusAndText) {
    auto* age = Place<TDBEdit>(10, 10, 120, 22);
    age->SetDataSource(source.get());
    age->SetDataField("age");
    auto* name = Place<TDBEdit>(10, 40, 120, 22);
    name->SetDataSource(source.get());
    name->SetDataField("name");
    table->Open();
    Focus(age);
    Key(VK_END);
    Type("x");  // not a digit: refused as it is typed
    EXPECT_EQ(age->GetText(), "30");
    EXPECT_EQ(table->GetState(), dsBrowse);
    Type("999999999");
    Focus(name);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("not a valid value for field 'age'"), std::string::npos) << errors[0];
    EXPECT_TRUE(age->Focused()) << "the focus goes back to the refused edit";
    EXPECT_EQ(age->GetText(), "30999999999");
    EXPECT_EQ(table->GetState(), dsEdit);
    Key(VK_END);
    for (int i = 0; i < 7; ++i) Key(VK_BACK, false, false, U'\b');
    Focus(name);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_TRUE(name->Focused());
    EXPECT_EQ(table->FieldByName("age")->GetAsInteger(), 3099);
}

TEST_F(DbControlTest, PostWithAnEmptyRequiredFieldFocusesItsEdit) {
    auto* name = Place<TDBEdit>(10, 10, 120, 22);
    name->SetDataSource(source.get());
    name->SetDataField("name");
    auto* age = Place<TDBEdit>(10, 40, 120, 22);
    age->SetDataSource(source.get());
    age->SetDataField("age");
    table->Open();
    table->Append();
    Focus(age);
    Type("44");
    EXPECT_THROW(table->Post(), EDatabaseError);
    Pump();
    EXPECT_TRUE(name->Focused());
    EXPECT_EQ(table->GetState(), dsInsert);
    EXPECT_EQ(age->GetText(), "44");
}

TEST_F(DbControlTest, ReadOnlyDatasetKeepsTheEditFromEditing) {
    auto* edit = Place<TDBEdit>(10, 10, 120, 22);
    edit->SetDataSource(source.get());
    edit->SetDataField("name");
    table->SetReadOnly(true);
    table->Open();
    Focus(edit);
    Type("zz");
    EXPECT_EQ(edit->GetText(), "Ann");
    EXPECT_EQ(table->GetState(), dsBrowse);
}

TEST_F(DbControlTest, MemoEditsAMemoField) {
    auto* memo = Place<TDBMemo>(10, 10, 200, 80);
    memo->SetDataSource(source.get());
    memo->SetDataField("notes");
    table->Open();
    Focus(memo);
    Type("line one");
    Key(VK_RETURN, false, false, '\r');
    Type("two");
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();
    EXPECT_EQ(table->FieldByName("notes")->GetAsString(), memo->GetText());
    EXPECT_NE(memo->GetText().find("two"), std::string::npos);
}

TEST_F(DbControlTest, ImageOfUndecodableBytesShowsNothingAndIsNotRewritten) {
    auto* image = Place<TDBImage>(10, 10, 64, 64);
    image->SetDataSource(source.get());
    image->SetDataField("photo");
    table->Open();
    table->Edit();
    table->FieldByName("photo")->SetAsString("BM this is no bitmap");
    EXPECT_TRUE(image->GetUndecodable());
    EXPECT_EQ(image->GetPicture()->GetGraphic(), nullptr);
    table->FieldByName("name")->SetAsString("Anna");
    table->Post();
    EXPECT_EQ(table->FieldByName("photo")->GetAsString(), "BM this is no bitmap");
    Focus(image);
    Key(VK_DELETE);
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();
    EXPECT_TRUE(table->FieldByName("photo")->IsNull()) << "the user's Delete clears the picture";
}

TEST_F(DbControlTest, ImageShowsABitmapOrAJpegFromTheBlob) {
    gfx::Bitmap picture(4, 3);
    const std::vector<std::uint8_t> files[] = {gfx::WriteBmp(picture), gfx::WriteJpeg(picture)};
    auto* image = Place<TDBImage>(10, 10, 64, 64);
    image->SetDataSource(source.get());
    image->SetDataField("photo");
    table->Open();
    for (const auto& bytes : files) {
        table->Edit();
        table->FieldByName("photo")->SetAsString(std::string(bytes.begin(), bytes.end()));
        table->Post();
        ASSERT_NE(image->GetPicture()->GetGraphic(), nullptr);
        EXPECT_EQ(image->GetPicture()->GetWidth(), 4);
        EXPECT_FALSE(image->GetUndecodable());
    }
}

TEST_F(DbControlTest, ImageBorderWidthKeepsABandOfItsColourAroundThePicture) {
    auto* image = Place<TDBImage>(10, 10, 100, 80);
    image->SetColor(0x00FF00);
    const int edge = 2;  // the client edge of bsSingle
    EXPECT_EQ(image->GetClientWidth(), 100 - 2 * edge);
    image->SetBorderWidth(3);
    EXPECT_EQ(image->GetClientWidth(), 100 - 2 * edge - 6);
    EXPECT_EQ(image->GetClientHeight(), 80 - 2 * edge - 6);
    image->Repaint();
    Pump();
    const gfx::Bitmap shot = win::Headless::CaptureWindow(image->Handle());
    for (const int x : {edge, edge + 2, 50, 100 - edge - 1})
        EXPECT_EQ(shot.GetPixel(x, edge + 1), 0x00FF00) << x;
    EXPECT_THROW(image->SetBorderWidth(-1), EInvalidOperation);
}

TEST_F(DbControlTest, EveryDataControlAnswersWithItsLink) {
    auto* edit = Place<TDBEdit>(10, 10, 100, 22);
    auto* memo = Place<TDBMemo>(10, 40, 100, 40);
    auto* image = Place<TDBImage>(10, 90, 40, 40);
    auto* list = Place<TDBListBox>(120, 10, 100, 40);
    auto* combo = Place<TDBComboBox>(120, 60, 100, 22);
    auto* lookupList = Place<TDBLookupListBox>(230, 10, 100, 40);
    auto* lookupCombo = Place<TDBLookupComboBox>(230, 60, 100, 22);
    const std::pair<TWinControl*, TDataLink*> controls[] = {
        {edit, edit->GetDataLink()},       {memo, memo->GetDataLink()},
        {image, image->GetDataLink()},     {list, list->GetDataLink()},
        {combo, combo->GetDataLink()},     {lookupList, lookupList->GetDataLink()},
        {lookupCombo, lookupCombo->GetDataLink()},
    };
    for (const auto& [control, link] : controls)
        EXPECT_EQ(reinterpret_cast<TDataLink*>(control->Perform(CM_GETDATALINK, 0, 0)), link)
            << control->ClassName();
}

TEST_F(DbControlTest, ListBoxChoiceWritesTheFieldAfterEnteringEdit) {
    auto* list = Place<TDBListBox>(10, 10, 100, 80);
    list->GetItems()->Add("Ann");
    list->GetItems()->Add("Bob");
    list->GetItems()->Add("Zed");
    list->SetDataSource(source.get());
    list->SetDataField("name");
    table->Open();
    EXPECT_EQ(list->GetItemIndex(), 0);
    Focus(list);
    Key(VK_DOWN);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(list->GetItemIndex(), 1);
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Bob");
    table->Last();
    EXPECT_EQ(list->GetItemIndex(), -1) << "Cy is not an item";
}

TEST_F(DbControlTest, EditableComboTakesTypedTextAndChosenItems) {
    auto* combo = Place<TDBComboBox>(10, 10, 120, 22);
    combo->GetItems()->Add("Ann");
    combo->GetItems()->Add("Zed");
    combo->SetDataSource(source.get());
    combo->SetDataField("name");
    table->Open();
    ASSERT_NE(combo->GetEdit(), nullptr);
    EXPECT_EQ(combo->GetText(), "Ann");
    Focus(combo->GetEdit());
    Key(VK_END);
    Type("ie");
    EXPECT_EQ(table->GetState(), dsEdit);
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Annie");
    Focus(combo->GetEdit());
    Key(VK_DOWN);
    EXPECT_EQ(combo->GetText(), "Ann");
    Key(VK_DOWN);
    EXPECT_EQ(combo->GetText(), "Zed");
    table->Post();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Zed");
    combo->SetStyle(csDropDownList);
    EXPECT_EQ(combo->GetEdit(), nullptr);
    EXPECT_EQ(combo->GetItemIndex(), 1);
}

class LookupControlTest : public DbControlTest {
protected:
    void SetUp() override {
        DbControlTest::SetUp();
        db->ExecSQL("CREATE TABLE teams (code INT, title VARCHAR(10));"
                    "INSERT INTO teams VALUES (1, 'Red'), (2, 'Blue'), (3, 'Green');"
                    "ALTER TABLE people ADD COLUMN team INT;"
                    "UPDATE people SET team = 2 WHERE name = 'Ann';");
        teams = std::make_unique<TSQLiteQuery>(nullptr);
        teams->SetDatabase(db.get());
        teams->SetSQL("SELECT code, title FROM teams ORDER BY title");
        teamSource = std::make_unique<TDataSource>(nullptr);
        teamSource->SetDataSet(teams.get());
        teams->Open();
    }
    void TearDown() override {
        host.reset();
        teamSource.reset();
        teams.reset();
        DbControlTest::TearDown();
    }
    template <class T>
    T* PlaceLookup() {
        auto* control = Place<T>(10, 10, 120, 80);
        control->SetListSource(teamSource.get());
        control->SetKeyField("code");
        control->SetListField("title");
        control->SetDataSource(source.get());
        control->SetDataField("team");
        return control;
    }
    std::unique_ptr<TSQLiteQuery> teams;
    std::unique_ptr<TDataSource> teamSource;
};

TEST_F(LookupControlTest, LookupComboShowsTheNameAndStoresTheKey) {
    auto* combo = PlaceLookup<TDBLookupComboBox>();
    table->Open();
    EXPECT_EQ(combo->GetText(), "Blue");
    EXPECT_EQ(combo->GetItems()->Count(), 3);
    table->Next();
    EXPECT_EQ(combo->GetText(), "") << "no team";
    Focus(combo);
    Key(VK_DOWN);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(combo->GetText(), "Blue");
    Key(VK_DOWN);
    EXPECT_EQ(combo->GetText(), "Green");
    table->Post();
    EXPECT_EQ(table->FieldByName("team")->GetAsInteger(), 3);
    EXPECT_EQ(combo->GetKeyValue().ToString(), "3");
}

TEST_F(LookupControlTest, LookupListFollowsTheRecordAndItsListSet) {
    auto* list = PlaceLookup<TDBLookupListBox>();
    table->Open();
    EXPECT_EQ(list->GetItemIndex(), 0) << "Blue comes first by title";
    Focus(list);
    Key(VK_END);
    table->Post();
    EXPECT_EQ(table->FieldByName("team")->GetAsInteger(), 1);
    teams->Close();
    EXPECT_EQ(list->GetItems()->Count(), 0);
    teams->Open();
    EXPECT_EQ(list->GetItems()->Count(), 3);
    EXPECT_EQ(list->GetItems()->Strings(list->GetItemIndex()), "Red");
}

}  // namespace dbtest
