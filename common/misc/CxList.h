#pragma once
// A doubly linked list of untyped payload pointers with a cursor, so that walks in either
// direction and moves by index cost only the distance from the current node.
#include <cstdint>
#include <memory>
#include <vector>

struct CxListNode {
    void* pData = nullptr;
    std::uint32_t nIndex = 0;
    CxListNode* pPrev = nullptr;
    CxListNode* pNext = nullptr;
};

class CxList {
public:
    CxList() = default;
    ~CxList();
    CxList(const CxList&) = delete;
    CxList& operator=(const CxList&) = delete;

    // Every move returns the payload of the node it arrives at, or null.
    void* GetFirst();
    void* GetLast();
    void* GetNext();
    void* GetPrev();
    void* GetAt(std::uint32_t n);

    bool Add(void* pData);
    bool InsertAt(std::uint32_t n, void* pData);
    // bRelease frees the payload with operator delete, which suits payloads made by a plain
    // new of a trivially destructible type such as the abbreviation records.
    bool Remove(void* pData, bool bRelease);
    void RemoveAll(bool bRelease);

    std::uint32_t GetCount() const { return m_nCount; }
    CxListNode* FindNode(void* pData) const;

    // The cursor and the ends, for callers that check the list's invariants.
    const CxListNode* GetHeadNode() const { return m_pHead; }
    const CxListNode* GetTailNode() const { return m_pTail; }
    const CxListNode* GetCurrNode() const { return m_pCurr; }
    std::uint32_t GetFindIndex() const { return m_nFindIndex; }

private:
    // Nodes come from blocks that the list keeps, so that a long list pays no allocator
    // overhead per node; a removed node is reused by the next insertion, and RemoveAll
    // gives the blocks back.
    CxListNode* NewNode(void* pData, std::uint32_t nIndex);
    void FreeNode(CxListNode* pNode);
    static void ReleasePayload(void* pData);
    // Moves the cursor to index n (below m_nCount) and returns its node.
    CxListNode* WalkTo(std::uint32_t n);

    CxListNode* m_pHead = nullptr;
    CxListNode* m_pTail = nullptr;
    CxListNode* m_pCurr = nullptr;
    std::uint32_t m_nCount = 0;
    std::uint32_t m_nFindIndex = 0;
    std::vector<std::unique_ptr<CxListNode[]>> m_blocks;
    CxListNode* m_pFreeNodes = nullptr;  // linked through pNext
};
