#include "common/misc/CxList.h"

#include <algorithm>
#include <new>

#include "common/misc/CxAssert.h"

CxList::~CxList() {
    RemoveAll(false);
}

namespace {

// Blocks grow with the list, from a few nodes for a short list to 64 KB.
constexpr std::uint32_t MIN_BLOCK_NODES = 16;
constexpr std::uint32_t MAX_BLOCK_NODES = 2048;

}  // namespace

CxListNode* CxList::NewNode(void* pData, std::uint32_t nIndex) {
    if (!m_pFreeNodes) {
        const std::uint32_t nNodes = std::clamp(m_nCount, MIN_BLOCK_NODES, MAX_BLOCK_NODES);
        CxListNode* pBlock = new (std::nothrow) CxListNode[nNodes];
        if (pBlock) {
            m_blocks.emplace_back(pBlock);
            // In reverse, so that the nodes are handed out in address order.
            for (std::uint32_t i = nNodes; i > 0; --i) FreeNode(&pBlock[i - 1]);
        }
    }
    CxListNode* pContainer = m_pFreeNodes;
    CX_ASSERT(pContainer);
    m_pFreeNodes = pContainer->pNext;
    *pContainer = CxListNode{pData, nIndex, nullptr, nullptr};
    return pContainer;
}

void CxList::FreeNode(CxListNode* pNode) {
    pNode->pData = nullptr;
    pNode->pPrev = nullptr;
    pNode->pNext = m_pFreeNodes;
    m_pFreeNodes = pNode;
}

void CxList::ReleasePayload(void* pData) {
    if (pData) ::operator delete(pData);
}

CxListNode* CxList::WalkTo(std::uint32_t n) {
    if (!m_pCurr) {
        // The cursor is empty only after the tail was removed or before the first walk;
        // start from whichever end is nearer.
        if (n < m_nCount - 1 - n) {
            m_pCurr = m_pHead;
            m_nFindIndex = 0;
        } else {
            m_pCurr = m_pTail;
            m_nFindIndex = m_nCount - 1;
        }
    }
    // clang-format off
    CX_ASSERT(m_pCurr->nIndex==m_nFindIndex);
    // clang-format on
    CxListNode* pNode = m_pCurr;
    while (pNode->nIndex < n) pNode = pNode->pNext;
    while (pNode->nIndex > n) pNode = pNode->pPrev;
    m_pCurr = pNode;
    m_nFindIndex = n;
    return pNode;
}

void* CxList::GetFirst() {
    m_pCurr = m_pHead;
    m_nFindIndex = 0;
    return m_pCurr ? m_pCurr->pData : nullptr;
}

void* CxList::GetLast() {
    m_pCurr = m_pTail;
    m_nFindIndex = m_nCount > 0 ? m_nCount - 1 : 0;
    return m_pCurr ? m_pCurr->pData : nullptr;
}

void* CxList::GetNext() {
    if (m_nCount == 0 || m_nFindIndex >= m_nCount - 1) return nullptr;
    return GetAt(m_nFindIndex + 1);
}

void* CxList::GetPrev() {
    if (m_nFindIndex == 0) return nullptr;
    return GetAt(m_nFindIndex - 1);
}

void* CxList::GetAt(std::uint32_t n) {
    if (n >= m_nCount) return nullptr;
    return WalkTo(n)->pData;
}

bool CxList::Add(void* pData) {
    if (!pData) return false;
    CxListNode* pNode = NewNode(pData, m_nCount);
    if (m_pTail) {
        pNode->pPrev = m_pTail;
        m_pTail->pNext = pNode;
        m_pTail = pNode;
    } else {
        m_pHead = m_pTail = pNode;
    }
    m_pCurr = pNode;
    m_nFindIndex = m_nCount;
    ++m_nCount;
    return true;
}

// A null payload is refused here as in Add, so that no position of the list can hold one.
bool CxList::InsertAt(std::uint32_t n, void* pData) {
    if (n > m_nCount || !pData) return false;
    if (n == m_nCount) return Add(pData);

    CxListNode* pOld = WalkTo(n);
    CxListNode* pNode = NewNode(pData, n);
    pNode->pPrev = pOld->pPrev;
    pNode->pNext = pOld;
    if (pOld->pPrev)
        pOld->pPrev->pNext = pNode;
    else
        m_pHead = pNode;
    pOld->pPrev = pNode;
    for (CxListNode* p = pOld; p; p = p->pNext) ++p->nIndex;

    m_pCurr = pNode;
    m_nFindIndex = n;
    ++m_nCount;
    return true;
}

bool CxList::Remove(void* pData, bool bRelease) {
    CxListNode* pNode = FindNode(pData);
    if (!pNode) return false;

    for (CxListNode* p = pNode->pNext; p; p = p->pNext) --p->nIndex;
    if (pNode->pPrev)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pHead = pNode->pNext;
    if (pNode->pNext)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pTail = pNode->pPrev;

    m_pCurr = pNode->pNext;
    m_nFindIndex = pNode->nIndex;
    if (bRelease) ReleasePayload(pNode->pData);
    --m_nCount;
    FreeNode(pNode);
    return true;
}

void CxList::RemoveAll(bool bRelease) {
    if (bRelease) {
        for (CxListNode* pNode = m_pHead; pNode; pNode = pNode->pNext) ReleasePayload(pNode->pData);
    }
    m_blocks.clear();
    m_pFreeNodes = nullptr;
    m_pHead = m_pTail = m_pCurr = nullptr;
    m_nCount = 0;
    m_nFindIndex = 0;
}

CxListNode* CxList::FindNode(void* pData) const {
    for (CxListNode* p = m_pHead; p; p = p->pNext) {
        if (p->pData == pData) return p;
    }
    return nullptr;
}
