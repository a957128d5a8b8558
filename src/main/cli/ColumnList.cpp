#include "main/cli/ColumnList.h"

#include "common/outlook/FieldEntry.h"
#include "main/engine/ConvKind.h"

TColumnList::~TColumnList()
{
    // A table row's copy holds an empty value, so one way of freeing serves both.
    for (void* pEntry = m_list.GetFirst(); pEntry != nullptr; pEntry = m_list.GetNext())
        FreeCustomFieldEntry(static_cast<CsvFieldEntry*>(pEntry));
    m_list.RemoveAll(false);
}

bool TColumnList::Add(CsvFieldEntry* pEntry)
{
    if (pEntry == nullptr)
        return false;
    if (!m_list.Add(pEntry)) {
        FreeCustomFieldEntry(pEntry);
        return false;
    }
    return true;
}

bool TColumnList::AddField(const TConvKind& kind, int nId)
{
    const CsvFieldEntry* pRow = FindFieldRow(kind, nId);
    return pRow != nullptr && Add(CopyFieldEntry(pRow));
}

const CsvFieldEntry* FindFieldRow(const TConvKind& kind, int nId)
{
    const int nCount = kind.GetFieldCount();
    for (int nPos = 1; nPos <= nCount; ++nPos) {
        const CsvFieldEntry* pRow = kind.GetFieldDef(static_cast<unsigned>(nPos));
        if (pRow != nullptr && pRow->nId == nId)
            return pRow;
    }
    return nullptr;
}
