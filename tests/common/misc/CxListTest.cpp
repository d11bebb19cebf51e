#include <gtest/gtest.h>

#include <vector>

#include "common/misc/CxList.h"

namespace {

// Checks the links, the indices and the cursor against each other.
void ExpectConsistent(const CxList& list) {
    std::uint32_t n = 0;
    const CxListNode* pPrev = nullptr;
    for (const CxListNode* p = list.GetHeadNode(); p; p = p->pNext) {
        EXPECT_EQ(p->nIndex, n);
        EXPECT_EQ(p->pPrev, pPrev);
        pPrev = p;
        ++n;
    }
    EXPECT_EQ(list.GetTailNode(), pPrev);
    EXPECT_EQ(list.GetCount(), n);
    if (list.GetCurrNode()) {
        EXPECT_EQ(list.GetCurrNode()->nIndex, list.GetFindIndex());
    }
}

class CxListTest : public ::testing::Test {
protected:
    // Fills the list with the payloads of the given values, in order.
    void Fill(std::initializer_list<int> indices) {
        for (const int i : indices) ASSERT_TRUE(m_list.Add(&m_values[i]));
    }
    int* P(int i) { return &m_values[i]; }
    int ValueAtCursor() const {
        return m_list.GetCurrNode() ? *static_cast<int*>(m_list.GetCurrNode()->pData) : -1;
    }
    std::vector<int> Contents() {
        std::vector<int> values;
        for (void* p = m_list.GetFirst(); p; p = m_list.GetNext())
            values.push_back(*static_cast<int*>(p));
        return values;
    }

    int m_values[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    CxList m_list;
};

TEST_F(CxListTest, EmptyListMovesNowhere) {
    EXPECT_EQ(m_list.GetCount(), 0u);
    EXPECT_EQ(m_list.GetFirst(), nullptr);
    EXPECT_EQ(m_list.GetLast(), nullptr);
    EXPECT_EQ(m_list.GetFindIndex(), 0u);
    EXPECT_EQ(m_list.GetNext(), nullptr);
    EXPECT_EQ(m_list.GetPrev(), nullptr);
    EXPECT_EQ(m_list.GetAt(0), nullptr);
    EXPECT_EQ(m_list.GetCurrNode(), nullptr);
    EXPECT_FALSE(m_list.Remove(P(0), false));
}

TEST_F(CxListTest, AddAppendsAndPutsTheCursorOnTheNewTail) {
    EXPECT_FALSE(m_list.Add(nullptr));
    EXPECT_EQ(m_list.GetCount(), 0u);

    ASSERT_TRUE(m_list.Add(P(4)));
    EXPECT_EQ(m_list.GetHeadNode(), m_list.GetTailNode());
    EXPECT_EQ(ValueAtCursor(), 4);
    EXPECT_EQ(m_list.GetFindIndex(), 0u);

    m_list.GetFirst();
    ASSERT_TRUE(m_list.Add(P(5)));
    EXPECT_EQ(ValueAtCursor(), 5);
    EXPECT_EQ(m_list.GetFindIndex(), 1u);
    EXPECT_EQ(Contents(), (std::vector<int>{4, 5}));
    ExpectConsistent(m_list);
}

TEST_F(CxListTest, NextAtTheTailAndPrevAtTheHeadLeaveTheCursor) {
    Fill({0, 1, 2});
    EXPECT_EQ(m_list.GetLast(), P(2));
    EXPECT_EQ(m_list.GetNext(), nullptr);
    EXPECT_EQ(ValueAtCursor(), 2);
    EXPECT_EQ(m_list.GetFindIndex(), 2u);

    EXPECT_EQ(m_list.GetPrev(), P(1));
    EXPECT_EQ(m_list.GetPrev(), P(0));
    EXPECT_EQ(m_list.GetPrev(), nullptr);
    EXPECT_EQ(ValueAtCursor(), 0);
    EXPECT_EQ(m_list.GetFindIndex(), 0u);
    EXPECT_EQ(m_list.GetNext(), P(1));
}

TEST_F(CxListTest, GetAtWalksFromTheCursorInEitherDirection) {
    Fill({0, 1, 2, 3, 4, 5});
    struct Case {
        std::uint32_t nFrom;
        std::uint32_t nTo;
    };
    for (const Case c : {Case{0, 5}, Case{5, 0}, Case{2, 4}, Case{4, 1}, Case{3, 3}}) {
        SCOPED_TRACE(testing::Message() << c.nFrom << " -> " << c.nTo);
        ASSERT_EQ(m_list.GetAt(c.nFrom), P(static_cast<int>(c.nFrom)));
        EXPECT_EQ(m_list.GetAt(c.nTo), P(static_cast<int>(c.nTo)));
        EXPECT_EQ(m_list.GetFindIndex(), c.nTo);
        EXPECT_EQ(ValueAtCursor(), static_cast<int>(c.nTo));
    }
    m_list.GetAt(2);
    EXPECT_EQ(m_list.GetAt(6), nullptr);
    EXPECT_EQ(m_list.GetFindIndex(), 2u);
    EXPECT_EQ(ValueAtCursor(), 2);
}

TEST_F(CxListTest, InsertAtPlacesTheNodeAndRenumbersTheRest) {
    struct Case {
        std::uint32_t n;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {0, {9, 0, 1, 2}},
        {1, {0, 9, 1, 2}},
        {2, {0, 1, 9, 2}},
        {3, {0, 1, 2, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        CxList list;
        for (int i = 0; i < 3; ++i) list.Add(P(i));
        list.GetFirst();
        ASSERT_TRUE(list.InsertAt(c.n, P(9)));
        EXPECT_EQ(list.GetCurrNode()->pData, P(9));
        EXPECT_EQ(list.GetFindIndex(), c.n);
        ExpectConsistent(list);
        std::vector<int> values;
        for (void* p = list.GetFirst(); p; p = list.GetNext())
            values.push_back(*static_cast<int*>(p));
        EXPECT_EQ(values, c.expected);
    }
}

TEST_F(CxListTest, InsertAtRefusesAnIndexPastTheEndAndANullPayload) {
    Fill({0, 1});
    m_list.GetFirst();
    EXPECT_FALSE(m_list.InsertAt(3, P(9)));
    EXPECT_FALSE(m_list.InsertAt(0, nullptr));
    EXPECT_FALSE(m_list.InsertAt(2, nullptr));
    EXPECT_EQ(Contents(), (std::vector<int>{0, 1}));

    CxList empty;
    ASSERT_TRUE(empty.InsertAt(0, P(7)));
    EXPECT_EQ(empty.GetHeadNode(), empty.GetTailNode());
    ExpectConsistent(empty);
}

TEST_F(CxListTest, RemovingAMiddleNodeLeavesTheCursorOnItsSuccessor) {
    Fill({0, 1, 2, 3});
    ASSERT_TRUE(m_list.Remove(P(1), false));
    EXPECT_EQ(ValueAtCursor(), 2);
    EXPECT_EQ(m_list.GetFindIndex(), 1u);
    ExpectConsistent(m_list);
    EXPECT_EQ(m_list.GetNext(), P(3));
    EXPECT_EQ(Contents(), (std::vector<int>{0, 2, 3}));
}

TEST_F(CxListTest, RemovingTheTailEmptiesTheCursorUntilTheNextWalk) {
    Fill({0, 1, 2});
    ASSERT_TRUE(m_list.Remove(P(2), false));
    EXPECT_EQ(m_list.GetCurrNode(), nullptr);
    EXPECT_EQ(m_list.GetFindIndex(), 2u);
    EXPECT_EQ(m_list.GetNext(), nullptr);
    EXPECT_EQ(m_list.GetTailNode()->pData, P(1));
    ExpectConsistent(m_list);
    // From an empty cursor a move by index starts at the nearer end.
    EXPECT_EQ(m_list.GetPrev(), P(1));
    EXPECT_EQ(m_list.GetFirst(), P(0));
}

TEST_F(CxListTest, RemovingTheHeadTheOnlyNodeOrAStrangerKeepsTheLinksRight) {
    Fill({0, 1, 2});
    ASSERT_TRUE(m_list.Remove(P(0), false));
    EXPECT_EQ(m_list.GetHeadNode()->pData, P(1));
    EXPECT_EQ(ValueAtCursor(), 1);
    EXPECT_EQ(m_list.GetFindIndex(), 0u);
    ExpectConsistent(m_list);

    EXPECT_FALSE(m_list.Remove(P(7), false));
    EXPECT_FALSE(m_list.Remove(nullptr, false));
    EXPECT_EQ(m_list.GetCount(), 2u);

    ASSERT_TRUE(m_list.Remove(P(1), false));
    ASSERT_TRUE(m_list.Remove(P(2), false));
    EXPECT_EQ(m_list.GetHeadNode(), nullptr);
    EXPECT_EQ(m_list.GetTailNode(), nullptr);
    EXPECT_EQ(m_list.GetCount(), 0u);
    EXPECT_EQ(m_list.GetFirst(), nullptr);
}

TEST_F(CxListTest, RemoveFindsTheFirstNodeWithThePayload) {
    Fill({0, 1, 0});
    EXPECT_EQ(m_list.FindNode(P(0)), m_list.GetHeadNode());
    EXPECT_EQ(m_list.FindNode(P(5)), nullptr);
    ASSERT_TRUE(m_list.Remove(P(0), false));
    EXPECT_EQ(Contents(), (std::vector<int>{1, 0}));
}

TEST_F(CxListTest, ReleasingRemovalsFreeTheirPayloads) {
    // Run under a leak checker, these show that released payloads are freed.
    CxList list;
    list.Add(new int(1));
    list.Add(new int(2));
    list.Add(new int(3));
    ASSERT_TRUE(list.Remove(list.GetAt(1), true));
    EXPECT_EQ(*static_cast<int*>(list.GetAt(1)), 3);
    list.RemoveAll(true);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetHeadNode(), nullptr);
    EXPECT_EQ(list.GetCurrNode(), nullptr);
    EXPECT_EQ(list.GetFindIndex(), 0u);
}

TEST_F(CxListTest, RemoveAllWithoutReleasingLeavesThePayloadsToTheirOwner) {
    Fill({0, 1, 2});
    m_list.GetAt(2);
    m_list.RemoveAll(false);
    EXPECT_EQ(m_list.GetCount(), 0u);
    EXPECT_EQ(m_list.GetFindIndex(), 0u);
    EXPECT_EQ(m_values[2], 2);
    ASSERT_TRUE(m_list.Add(P(3)));
    ExpectConsistent(m_list);
}

// Nodes are taken from blocks and reused after removal: a long run of insertions and
// removals must keep every link, index and payload right across many blocks.
TEST_F(CxListTest, NodesReusedAfterRemovalKeepTheListRight) {
    std::vector<int> payloads(6000);
    std::vector<int*> expected;
    for (int& value : payloads) {
        value = static_cast<int>(&value - payloads.data());
        if (value < 5000) {
            ASSERT_TRUE(m_list.Add(&value));
            expected.push_back(&value);
        }
    }
    for (int i = 4999; i >= 0; i -= 3) {
        ASSERT_TRUE(m_list.Remove(&payloads[i], false));
        expected.erase(expected.begin() + i);
    }
    m_list.GetFirst();
    for (int i = 5000; i < 6000; ++i) {
        const std::uint32_t at = static_cast<std::uint32_t>(i * 7 % (expected.size() + 1));
        ASSERT_TRUE(m_list.InsertAt(at, &payloads[i]));
        expected.insert(expected.begin() + at, &payloads[i]);
    }
    ExpectConsistent(m_list);
    std::vector<int*> actual;
    for (void* p = m_list.GetFirst(); p; p = m_list.GetNext())
        actual.push_back(static_cast<int*>(p));
    EXPECT_EQ(actual, expected);
}

}  // namespace
