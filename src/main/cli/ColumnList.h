// The chosen columns of a conversion as the engine takes them: a CxList of CsvFieldEntry,
// each entry owned by the list and freed with it, custom columns with their values.
#pragma once

#include "common/misc/CxList.h"

struct CsvFieldEntry;
struct TConvKind;

class TColumnList {
public:
    TColumnList() = default;
    ~TColumnList();
    TColumnList(const TColumnList&) = delete;
    TColumnList& operator=(const TColumnList&) = delete;

    // Takes pEntry over, also when it cannot be added (then it is freed); false then, and
    // for null, which is what a failed allocation hands on.
    bool Add(CsvFieldEntry* pEntry);
    // A copy of the table row of field nId of the kind; false when there is none.
    bool AddField(const TConvKind& kind, int nId);

    CxList& List() { return m_list; }
    std::uint32_t Count() const { return m_list.GetCount(); }

private:
    CxList m_list;
};

// The field table row of the kind with the id; null for none.
const CsvFieldEntry* FindFieldRow(const TConvKind& kind, int nId);
