// The state machine and the order of data events that a link and the dataset's own events
// see, recorded and compared with tables.
#include <algorithm>
#include <functional>

#include "DbTestFixture.h"

namespace dbtest {

namespace {

struct TStep {
    const char* Action;
    std::function<void(TSQLiteTable&)> Run;
    std::vector<std::string> Expected;
    TDataSetState State;
};

std::string Join(const std::vector<std::string>& Words) {
    std::string result;
    for (const std::string& w : Words) {
        if (!result.empty()) result += " | ";
        result += w;
    }
    return result;
}

}  // namespace

TEST_F(DbTest, LinkSeesTheDataEventsInOrder) {
    Connect();
    TRecordingLink link;
    link.SetDataSource(source.get());
    auto name = [](TSQLiteTable& t) { return t.FieldByName("name"); };
    const std::vector<TStep> steps = {
        {"open", [](TSQLiteTable& t) { t.Open(); }, {"active"}, dsBrowse},
        {"next", [](TSQLiteTable& t) { t.Next(); }, {"check", "scrolled 1"}, dsBrowse},
        {"move to the end", [](TSQLiteTable& t) { t.MoveBy(5); }, {"check", "scrolled 1"}, dsBrowse},
        {"next at the end", [](TSQLiteTable& t) { t.Next(); }, {"check"}, dsBrowse},
        {"first", [](TSQLiteTable& t) { t.First(); }, {"check", "changed"}, dsBrowse},
        {"edit", [](TSQLiteTable& t) { t.Edit(); }, {"check", "editing", "record"}, dsEdit},
        {"set a field", [&](TSQLiteTable& t) { name(t)->SetAsString("Abe"); }, {"record name"}, dsEdit},
        {"post", [](TSQLiteTable& t) { t.Post(); }, {"update", "check", "browsing", "changed"}, dsBrowse},
        {"insert", [](TSQLiteTable& t) { t.Insert(); }, {"check", "editing", "changed"}, dsInsert},
        {"cancel", [](TSQLiteTable& t) { t.Cancel(); }, {"check", "browsing", "changed"}, dsBrowse},
        {"append", [](TSQLiteTable& t) { t.Append(); }, {"check", "editing", "changed"}, dsInsert},
        {"set and post", [&](TSQLiteTable& t) { name(t)->SetAsString("Di"); t.Post(); },
         {"record name", "update", "check", "browsing", "changed"}, dsBrowse},
        {"delete", [](TSQLiteTable& t) { t.Delete(); }, {"check", "changed"}, dsBrowse},
        {"close", [](TSQLiteTable& t) { t.Close(); }, {"inactive"}, dsInactive},
    };
    for (const TStep& step : steps) {
        link.Log.clear();
        step.Run(*table);
        EXPECT_EQ(Join(link.Log), Join(step.Expected)) << step.Action;
        EXPECT_EQ(table->GetState(), step.State) << step.Action;
    }
}

TEST_F(DbTest, DatasetEventsFireInTheirOrder) {
    Connect();
    std::vector<std::string> log;
    auto record = [&](const char* what) {
        return [&log, what](TDataSet*) { log.push_back(what); };
    };
    table->BeforeOpen = record("BeforeOpen");
    table->AfterOpen = record("AfterOpen");
    table->BeforeEdit = record("BeforeEdit");
    table->AfterEdit = record("AfterEdit");
    table->BeforePost = record("BeforePost");
    table->AfterPost = record("AfterPost");
    table->BeforeInsert = record("BeforeInsert");
    table->AfterInsert = record("AfterInsert");
    table->OnNewRecord = [&log](TDataSet* d) {
        log.push_back("OnNewRecord");
        d->FieldByName("name")->SetAsString("New");
    };
    table->BeforeScroll = record("BeforeScroll");
    table->AfterScroll = record("AfterScroll");
    table->BeforeDelete = record("BeforeDelete");
    table->AfterDelete = record("AfterDelete");
    table->BeforeCancel = record("BeforeCancel");
    table->AfterCancel = record("AfterCancel");
    table->Open();
    table->Edit();
    table->Post();
    table->Insert();
    EXPECT_FALSE(table->GetModified()) << "values set by OnNewRecord do not count as changes";
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "New");
    table->Cancel();
    table->Next();
    table->Delete();
    EXPECT_EQ(Join(log),
              "BeforeOpen | AfterOpen | BeforeEdit | AfterEdit | BeforePost | AfterPost | "
              "BeforeInsert | BeforeScroll | OnNewRecord | AfterInsert | AfterScroll | "
              "BeforeCancel | AfterCancel | BeforeScroll | AfterScroll | BeforeDelete | "
              "BeforeScroll | AfterDelete | AfterScroll");
}

TEST_F(DbTest, DisabledControlsHearOneChangeWhenEnabledAgain) {
    Connect();
    TRecordingLink link;
    link.SetDataSource(source.get());
    table->Open();
    link.Log.clear();
    table->DisableControls();
    table->DisableControls();
    table->Next();
    table->Edit();
    table->Cancel();
    table->Last();
    table->EnableControls();
    EXPECT_TRUE(link.Log.empty()) << Join(link.Log);
    table->EnableControls();
    EXPECT_EQ(Join(link.Log), "changed");
}

TEST_F(DbTest, LeavingAnUnmodifiedEditCancelsAndAModifiedOnePosts) {
    Connect();
    table->Open();
    table->Edit();
    table->Next();
    EXPECT_EQ(table->GetState(), dsBrowse);
    table->Edit();
    table->FieldByName("name")->SetAsString("Bea");
    table->First();
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_EQ(Names(), "Ann,Bea,Cy");
}

TEST_F(DbTest, EditOnAnEmptySetInserts) {
    Connect(":memory:", {});
    table->Open();
    table->Edit();
    EXPECT_EQ(table->GetState(), dsInsert);
    EXPECT_FALSE(table->IsEmpty());
    table->Cancel();
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_TRUE(table->GetBOF() && table->GetEOF());
}

TEST_F(DbTest, FieldLinkFollowsItsFieldAndWritesThroughUpdateData) {
    Connect();
    TFieldDataLink link;
    std::string shown;
    std::string typed;
    int updates = 0;
    link.OnDataChange = [&](TObject*) { shown = link.GetField() ? link.GetField()->GetText() : "-"; };
    link.OnUpdateData = [&](TObject*) {
        ++updates;
        link.GetField()->SetText(typed);
    };
    link.SetFieldName("name");
    link.SetDataSource(source.get());
    EXPECT_EQ(link.GetField(), nullptr);
    table->Open();
    EXPECT_EQ(shown, "Ann");
    table->Next();
    EXPECT_EQ(shown, "Bob");
    EXPECT_TRUE(link.Edit());
    typed = "Bo";
    link.Modified();
    table->Post();
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(shown, "Bo");
    EXPECT_FALSE(link.IsModified());
    source->SetAutoEdit(false);
    EXPECT_FALSE(link.Edit()) << "without AutoEdit a link does not start editing";
    table->Close();
    EXPECT_EQ(link.GetField(), nullptr);
    EXPECT_EQ(shown, "-");
}

TEST_F(DbTest, LinkWindowFollowsTheCursorAndShowsOtherRecords) {
    Connect(":memory:", {"A", "B", "C", "D", "E"});
    TRecordingLink link;
    link.SetBufferCount(3);
    link.SetDataSource(source.get());
    table->Open();
    EXPECT_EQ(link.GetRecordCount(), 3);
    EXPECT_EQ(link.GetActiveRecord(), 0);
    table->MoveBy(3);
    EXPECT_EQ(link.GetActiveRecord(), 2);
    link.Log.clear();
    table->Next();
    EXPECT_EQ(Join(link.Log), "check | scrolled 1");
    link.SetActiveRecord(0);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "C");
    link.SetActiveRecord(2);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "E");
    table->First();
    EXPECT_EQ(link.GetActiveRecord(), 0);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "A");
}

namespace {

// The records a link's window shows, the active one in brackets, read the way a grid reads
// them; the dataset's own cursor is left where it was.
std::string Window(TDataLink& link, TSQLiteTable& table) {
    std::string shown;
    const int active = link.GetActiveRecord();
    for (int i = 0; i < link.GetRecordCount(); ++i) {
        link.SetActiveRecord(i);
        const std::string name = table.FieldByName("name")->GetAsString();
        if (!shown.empty()) shown += ' ';
        shown += i == active ? "[" + name + "]" : name;
    }
    link.SetActiveRecord(active);
    return shown;
}

}  // namespace

// As records go the window stays inside the dataset: it slides back to show as many
// records as there are, up to its size, instead of keeping empty rows at its end.
TEST_F(DbTest, LinkWindowStaysInsideADatasetThatShrinks) {
    struct Case {
        const char* name;
        std::function<void(TSQLiteTable&)> before;  // where the cursor goes first
        int deletes;
        const char* shown;
    };
    const Case cases[] = {
        {"the last of five, once", [](TSQLiteTable& t) { t.Last(); }, 1, "B C [D]"},
        {"the last of five, twice", [](TSQLiteTable& t) { t.Last(); }, 2, "A B [C]"},
        {"the last of five, four times", [](TSQLiteTable& t) { t.Last(); }, 4, "[A]"},
        {"every record", [](TSQLiteTable& t) { t.Last(); }, 5, ""},
        {"the middle of the window",
         [](TSQLiteTable& t) {
             t.Last();
             t.Prior();
         },
         1, "B C [E]"},
        {"the first, with the window at the start", [](TSQLiteTable& t) { t.First(); }, 3, "[D] E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Connect(":memory:", {"A", "B", "C", "D", "E"});
        TRecordingLink link;
        link.SetBufferCount(3);
        link.SetDataSource(source.get());
        table->Open();
        c.before(*table);
        for (int i = 0; i < c.deletes; ++i) table->Delete();
        EXPECT_EQ(Window(link, *table), c.shown);
        const int expectedCount = std::min(3, 5 - c.deletes);
        EXPECT_EQ(link.GetRecordCount(), expectedCount);
        link.SetDataSource(nullptr);
        TearDown();
    }
}

}  // namespace dbtest
