#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "src/AbbrStore.h"
#include "tests/src/data/DataBytes.h"

namespace {

class AbbrStoreTest : public ::testing::Test {
protected:
    ~AbbrStoreTest() override { m_store.ClearData(); }

    InsertResult Insert(const std::string& szTitle, const std::string& szInfo = "") {
        AbbrInfo info = MakeInfo(szTitle, szInfo);
        return m_store.InsertInfo(&info);
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (void* p = m_list.GetFirst(); p; p = m_list.GetNext())
            titles.emplace_back(static_cast<AbbrInfo*>(p)->szTitle);
        return titles;
    }

    CxList m_list;
    AbbrStore m_store{m_list};
};

TEST_F(AbbrStoreTest, InsertionKeepsByteWiseTitleOrder) {
    struct Case {
        const char* szName;
        std::vector<std::string> inserted;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"ascending", {"ADD", "ALC", "ALW"}, {"ADD", "ALC", "ALW"}},
        {"descending walks back to the head", {"ALW", "ALC", "ADD"}, {"ADD", "ALC", "ALW"}},
        {"into the middle", {"ADD", "ALW", "ALC"}, {"ADD", "ALC", "ALW"}},
        {"a prefix sorts first", {"ABCDEFG", "ABCDEF"}, {"ABCDEF", "ABCDEFG"}},
        {"no case folding", {"a", "B", "A"}, {"A", "B", "a"}},
        {"bytes compare unsigned", {"\xC4X", "ZZ", "*ALL"}, {"*ALL", "ZZ", "\xC4X"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_store.ClearData();
        for (const std::string& szTitle : c.inserted) {
            EXPECT_EQ(Insert(szTitle).nOutcome, InsertOutcome::Inserted);
        }
        EXPECT_EQ(Titles(), c.expected);
        std::uint32_t n = 0;
        for (const CxListNode* p = m_list.GetHeadNode(); p; p = p->pNext) EXPECT_EQ(p->nIndex, n++);
    }
}

TEST_F(AbbrStoreTest, InsertedRecordIsAHeapCopyThatTheListHolds) {
    AbbrInfo info = MakeInfo("CRT", "Create", AbbrFlagCommand);
    info.nReserved[2] = 77;
    const InsertResult result = m_store.InsertInfo(&info);
    ASSERT_EQ(result.nOutcome, InsertOutcome::Inserted);
    EXPECT_TRUE(result.szMessage.empty());
    ASSERT_NE(result.pInfo, &info);
    EXPECT_EQ(std::memcmp(result.pInfo, &info, sizeof info), 0);
    EXPECT_EQ(m_list.GetFirst(), result.pInfo);
}

TEST_F(AbbrStoreTest, EmptyTitleIsRefusedAndTheArgumentHandedBack) {
    Insert("ADD");
    AbbrInfo info = MakeInfo("", "no title");
    const InsertResult result = m_store.InsertInfo(&info);
    EXPECT_EQ(result.nOutcome, InsertOutcome::EmptyTitle);
    EXPECT_EQ(result.pInfo, &info);
    EXPECT_EQ(result.szMessage, "Empty title found!");
    EXPECT_EQ(Titles(), std::vector<std::string>{"ADD"});
}

TEST_F(AbbrStoreTest, DuplicateTitleKeepsTheRecordAlreadyInTheList) {
    const InsertResult first = Insert("ALC", "first");
    Insert("ADD");
    Insert("ALW");
    const InsertResult again = Insert("ALC", "second");
    EXPECT_EQ(again.nOutcome, InsertOutcome::Duplicate);
    EXPECT_EQ(again.pInfo, first.pInfo);
    EXPECT_STREQ(again.pInfo->szInfo, "first");
    EXPECT_EQ(again.szMessage, "Duplicate information found : \"ALC\"");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"ADD", "ALC", "ALW"}));
}

TEST_F(AbbrStoreTest, MessagesUseTheTextsTheWindowShows) {
    EXPECT_STREQ(AbbrStore::ErrorCaption, "Error");
    EXPECT_EQ(AbbrStore::DuplicateMessage("QSYS"), "Duplicate information found : \"QSYS\"");
    // A title that fills its field without a NUL stops at the field's end.
    const AbbrInfo full = MakeInfo("ABCDEFGH");
    EXPECT_EQ(AbbrStore::DuplicateMessage(full.szTitle),
              "Duplicate information found : \"ABCDEFGH\"");
}

// Everything InsertInfo one record after another leaves behind: the records in list order
// and the refusals in the order they were reported, with the title of the record each names.
struct Outcome {
    std::vector<std::string> records;
    std::vector<std::string> refusals;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

std::vector<std::unique_ptr<AbbrInfo>> HeapCopies(const std::vector<AbbrInfo>& infos) {
    std::vector<std::unique_ptr<AbbrInfo>> copies;
    for (const AbbrInfo& info : infos) copies.push_back(std::make_unique<AbbrInfo>(info));
    return copies;
}

Outcome Collect(CxList& list, std::vector<std::string> refusals) {
    Outcome outcome{{}, std::move(refusals)};
    for (void* p = list.GetFirst(); p; p = list.GetNext()) {
        const auto* pInfo = static_cast<AbbrInfo*>(p);
        outcome.records.push_back(std::string(pInfo->szTitle) + "=" + pInfo->szInfo);
    }
    return outcome;
}

Outcome OneByOne(const std::vector<AbbrInfo>& infos, const std::vector<AbbrInfo>& listed = {}) {
    CxList list;
    AbbrStore store(list);
    for (AbbrInfo info : listed) store.InsertInfo(&info);
    std::vector<std::string> refusals;
    for (AbbrInfo info : infos) {
        const InsertResult r = store.InsertInfo(&info);
        if (r.nOutcome != InsertOutcome::Inserted)
            refusals.push_back(r.szMessage + " / " + r.pInfo->szInfo);
    }
    Outcome outcome = Collect(list, std::move(refusals));
    store.ClearData();
    return outcome;
}

Outcome AllAtOnce(const std::vector<AbbrInfo>& infos, const std::vector<AbbrInfo>& listed = {}) {
    CxList list;
    AbbrStore store(list);
    for (AbbrInfo info : listed) store.InsertInfo(&info);
    std::vector<std::string> refusals;
    store.InsertAll(HeapCopies(infos), [&](const InsertResult& r) {
        refusals.push_back(r.szMessage + " / " + r.pInfo->szInfo);
    });
    Outcome outcome = Collect(list, std::move(refusals));
    std::uint32_t n = 0;
    for (const CxListNode* p = list.GetHeadNode(); p; p = p->pNext) EXPECT_EQ(p->nIndex, n++);
    EXPECT_EQ(list.GetCount(), n);
    store.ClearData();
    return outcome;
}

TEST(AbbrStoreInsertAll, LeavesWhatInsertingOneByOneLeaves) {
    struct Case {
        const char* szName;
        std::vector<AbbrInfo> infos;
        std::vector<AbbrInfo> listed;
    };
    // Titles drawn from a small alphabet, so that repeats and prefixes are frequent.
    std::vector<AbbrInfo> shuffled;
    unsigned seed = 12345;
    for (int i = 0; i < 400; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int length = static_cast<int>(seed >> 16) % 4;
        std::string szTitle;
        for (int k = 0; k < length; ++k)
            szTitle += static_cast<char>('A' + (seed >> (20 + 3 * k)) % 3);
        shuffled.push_back(MakeInfo(szTitle, "record " + std::to_string(i)));
    }
    const Case cases[] = {
        {"nothing", {}, {}},
        {"in title order", {MakeInfo("ADD", "1"), MakeInfo("ALC", "2"), MakeInfo("ALW", "3")}, {}},
        {"reversed", {MakeInfo("ALW", "1"), MakeInfo("ALC", "2"), MakeInfo("ADD", "3")}, {}},
        {"repeats keep the first read",
         {MakeInfo("DLT", "first"), MakeInfo("", "nameless"), MakeInfo("ADD", "a"),
          MakeInfo("DLT", "second"), MakeInfo("", "again"), MakeInfo("DLT", "third")},
         {}},
        {"bytes compare unsigned", {MakeInfo("\xC4X"), MakeInfo("ZZ"), MakeInfo("*ALL")}, {}},
        {"pseudo-random with repeats and empty titles", shuffled, {}},
        {"into a list that already holds records",
         {MakeInfo("ALC", "new"), MakeInfo("ADD", "new"), MakeInfo("", "none")},
         {MakeInfo("ALC", "old")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(AllAtOnce(c.infos, c.listed), OneByOne(c.infos, c.listed));
    }
}

TEST_F(AbbrStoreTest, RemoveInfoUnlinksTheRecordWithTheSameTitle) {
    Insert("ADD");
    const InsertResult alc = Insert("ALC");
    Insert("ALW");
    const AbbrInfo key = MakeInfo("ALC");
    AbbrInfo* pRemoved = m_store.RemoveInfo(&key);
    EXPECT_EQ(pRemoved, alc.pInfo);
    delete pRemoved;
    EXPECT_EQ(Titles(), (std::vector<std::string>{"ADD", "ALW"}));

    const AbbrInfo missing = MakeInfo("ZZZ");
    EXPECT_EQ(m_store.RemoveInfo(&missing), nullptr);
    EXPECT_EQ(m_list.GetCount(), 2u);
}

TEST_F(AbbrStoreTest, ClearDataEmptiesTheList) {
    Insert("ADD");
    Insert("ALC");
    m_store.ClearData();
    EXPECT_EQ(m_list.GetCount(), 0u);
    EXPECT_EQ(m_list.GetFirst(), nullptr);
    EXPECT_EQ(Insert("ADD").nOutcome, InsertOutcome::Inserted);
}

TEST(AbbrStoreDeathTest, NullRecordsAreProgrammingErrors) {
    CxList list;
    AbbrStore store(list);
    EXPECT_DEATH(store.InsertInfo(nullptr), "Assertion failed: pInfo");
    EXPECT_DEATH(store.RemoveInfo(nullptr), "Assertion failed: pInfo");
}

}  // namespace
