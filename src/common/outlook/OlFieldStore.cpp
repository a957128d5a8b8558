#include "common/outlook/OlFieldStore.h"

#include "platform/WinCompat.h"

#include <string_view>

TFieldStore StoreCutText(const char* szText, char* pMember, std::size_t nSize)
{
    const std::string_view text(szText);
    return CutText(pMember, nSize, text) < text.size() ? TFieldStore::Cut : TFieldStore::Stored;
}
