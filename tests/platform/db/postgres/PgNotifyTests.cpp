// Another user's change reaches an open set through the server's notifications, served by
// the program's message loop.
#include "PgTestFixture.h"
#include "platform/win/DescriptorWatch.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace pgtest {

class PgNotifyTest : public PgTest {
protected:
    void SetUp() override {
        win::Headless::Install();
        PgTest::SetUp();
    }
    void TearDown() override {
        PgTest::TearDown();
        win::Headless::Install();
    }
    // Turns the message loop until Done holds, waiting on the watched sockets between turns;
    // gives up after a long while so that a lost notification fails rather than hangs.
    template <class Condition>
    static bool LoopUntil(Condition Done) {
        for (int turn = 0; turn < 100 && !Done(); ++turn) {
            win::Headless::ProcessMessages();
            if (!Done()) win::DispatchWatchedDescriptors(100);
        }
        return Done();
    }
};

TEST_F(PgNotifyTest, ANotificationRaisesTheEventAndRefreshesTheRecord) {
    // The channel is named before the set opens, as a form description names it.
    TPgTable people(nullptr);
    people.SetDatabase(db.get());
    people.SetTableName("people");
    people.SetNotifyChannel("people_changed");
    people.SetAutoRefresh(true);
    std::vector<std::string> payloads;
    people.OnNotify = [&](TDataSet*, const std::string& payload) { payloads.push_back(payload); };
    people.Open();
    people.Next();
    auto other = Connect("qv-tests-other");
    other->ExecSQL("UPDATE people SET name = 'Bobby' WHERE id = 2; NOTIFY people_changed, '2'");
    ASSERT_TRUE(LoopUntil([&] { return !payloads.empty(); })) << "no notification came";
    EXPECT_EQ(payloads, std::vector<std::string>{"2"});
    EXPECT_EQ(people.FieldByName("name")->GetAsString(), "Bobby") << "the current record refreshed";
    // Closed, the set hears no more, though its connection does.
    people.Close();
    std::vector<std::string> connectionHeard;
    db->OnNotify = [&](TPgConnection*, const std::string&, const std::string& payload) {
        connectionHeard.push_back(payload);
    };
    other->ExecSQL("NOTIFY people_changed, 'again'");
    ASSERT_TRUE(LoopUntil([&] { return !connectionHeard.empty(); }));
    EXPECT_EQ(payloads.size(), 1u);
}

TEST_F(PgNotifyTest, AnEditInProgressIsNotReplaced) {
    int heard = 0;
    table->SetNotifyChannel("people_changed");
    table->SetAutoRefresh(true);
    table->OnNotify = [&](TDataSet*, const std::string&) { ++heard; };
    table->Edit();
    table->FieldByName("age")->SetAsInteger(60);
    Connect("qv-tests-other")->ExecSQL("NOTIFY people_changed");
    ASSERT_TRUE(LoopUntil([&] { return heard > 0; }));
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(table->FieldByName("age")->GetAsInteger(), 60);
}

TEST_F(PgNotifyTest, ListeningSurvivesALostConnection) {
    std::vector<std::string> heard;
    db->OnNotify = [&](TPgConnection*, const std::string& channel, const std::string&) {
        heard.push_back(channel);
    };
    db->Listen("jobs");
    auto other = Connect("qv-tests-other");
    other->ExecSQL("SELECT pg_terminate_backend(pid, 10000) FROM pg_stat_activity WHERE application_name = "
                   "'qv-tests' AND pid <> pg_backend_pid()");
    // Whether the loop or a statement finds the loss first, the next operation connects and
    // listens again.
    win::Headless::ProcessMessages();
    try {
        db->ExecSQL("SELECT 1");
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("lost"), std::string::npos) << e.Message();
    }
    db->ExecSQL("SELECT 1");
    other->ExecSQL("NOTIFY jobs");
    ASSERT_TRUE(LoopUntil([&] { return !heard.empty(); }));
    EXPECT_EQ(heard, std::vector<std::string>{"jobs"});
}

}  // namespace pgtest
