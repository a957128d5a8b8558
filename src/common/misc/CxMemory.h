// The program's general memory manager. Records, item images and the payloads that a
// CxList frees at clearing time all come from here and go back here.
#pragma once

#include <cstddef>

// Zero-filled memory of nSize bytes (a size of 0 still gives a unique block); null when
// memory runs out.
void* CxAlloc(std::size_t nSize);

// Gives back a block from CxAlloc; null is ignored.
void CxFree(void* pBlock);

// For owning CxAlloc blocks with std::unique_ptr.
struct CxFreeDeleter {
    void operator()(void* pBlock) const { CxFree(pBlock); }
};
