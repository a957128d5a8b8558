#include "common/misc/CxList.h"

#include "common/misc/CxAssert.h"
#include "common/misc/CxMemory.h"

#include <new>
#include <utility>

CxList::~CxList()
{
    RemoveAll(false);
}

bool CxList::Add(void* pData)
{
    if (pData == nullptr)
        return false;

    CxListNode* pContainer = new (std::nothrow) CxListNode{pData, m_nCount, m_pTail, nullptr};
    CxAssert(pContainer);

    if (m_pHead == nullptr) {
        m_pHead = pContainer;
    } else {
        m_pTail->pNext = pContainer;
        m_nFindIndex = m_nCount;
    }
    m_pTail = pContainer;
    m_pCurr = pContainer;
    ++m_nCount;
    return true;
}

void* CxList::GetFirst()
{
    m_nFindIndex = 0;
    m_pCurr = m_pHead;
    return m_pHead == nullptr ? nullptr : m_pHead->pData;
}

void* CxList::GetNext()
{
    if (m_nFindIndex + 1 >= m_nCount)
        return nullptr;
    return Find(m_nFindIndex + 1);
}

void* CxList::Find(std::uint32_t nIndex)
{
    if (nIndex >= m_nCount)
        return nullptr;
    // Add leaves the cursor on the node it appends, so a non-empty list always has one.
    CxAssert(m_pCurr->nIndex==m_nFindIndex);

    const bool bForward = nIndex > m_nFindIndex;
    CxListNode* pNode = m_pCurr;
    while (pNode->nIndex != nIndex)
        pNode = bForward ? pNode->pNext : pNode->pPrev;

    m_pCurr = pNode;
    m_nFindIndex = nIndex;
    return pNode->pData;
}

void CxList::RemoveAll(bool bFreeData)
{
    CxListNode* pNode = m_pHead;
    while (pNode != nullptr) {
        CxListNode* const pNext = pNode->pNext;
        if (bFreeData)
            CxFree(pNode->pData);
        delete pNode;
        pNode = pNext;
    }
    m_pHead = nullptr;
    m_pTail = nullptr;
    m_pCurr = nullptr;
    m_nCount = 0;
    m_nFindIndex = 0;
}

void CxList::Swap(CxList& other) noexcept
{
    std::swap(m_pHead, other.m_pHead);
    std::swap(m_pTail, other.m_pTail);
    std::swap(m_pCurr, other.m_pCurr);
    std::swap(m_nCount, other.m_nCount);
    std::swap(m_nFindIndex, other.m_nFindIndex);
}
