#include "common/misc/CxMemory.h"

#include <cstdlib>

void* CxAlloc(std::size_t nSize)
{
    return std::calloc(1, nSize == 0 ? 1 : nSize);
}

void CxFree(void* pBlock)
{
    std::free(pBlock);
}
