// The program's one container: a doubly linked list of untyped payloads, numbered 0, 1, 2,
// ... in order of appending, with one cursor that sequential and numbered reads both move.
// The list owns its nodes; payloads are freed only when the caller clearing it asks so.
#pragma once

#include <cstdint>

struct CxListNode {
    void* pData;
    std::uint32_t nIndex;
    CxListNode* pPrev;
    CxListNode* pNext;
};

class CxList {
public:
    CxList() = default;
    // Frees the nodes, never the payloads.
    ~CxList();
    CxList(const CxList&) = delete;
    CxList& operator=(const CxList&) = delete;

    // Appends pData and puts the cursor on it; false, with nothing changed, for null.
    bool Add(void* pData);
    // The head's payload, cursor on the head; null for an empty list.
    void* GetFirst();
    // The payload after the cursor, cursor moved there; null on the last node.
    void* GetNext();
    // The payload numbered nIndex, cursor moved there; null when nIndex is not below the count.
    void* Find(std::uint32_t nIndex);
    std::uint32_t GetCount() const { return m_nCount; }
    // Frees every node, and with bFreeData every payload through CxFree; numbering restarts at 0.
    void RemoveAll(bool bFreeData);
    // Exchanges the whole contents, cursors included, with other; nothing is copied or freed.
    void Swap(CxList& other) noexcept;

private:
    CxListNode* m_pHead = nullptr;
    CxListNode* m_pTail = nullptr;
    CxListNode* m_pCurr = nullptr;
    std::uint32_t m_nCount = 0;
    std::uint32_t m_nFindIndex = 0;
};
