// The Outlook adapter of one kind, reached the way the conversion reaches it but without
// knowing its record type.
#pragma once

#include "main/engine/ImportAction.h"

#include "support/BenchKinds.h"

#include <cstdint>
#include <memory>

class CxList;

namespace bench {

class KindAdapter {
public:
    virtual ~KindAdapter() = default;

    // The adapter's LoadItems: every item of the default folder into its record manager.
    virtual bool LoadItems() = 0;
    // Appends every stored record, in order, to list, which does not own them; returns
    // how many there are.
    virtual std::int64_t ListRecords(CxList& list) = 0;
    // The adapter's SaveRecord for a record of its kind, and what it did.
    virtual TImportAction SaveRecord(void* pRec) = 0;
};

// A connected adapter of the kind; throws std::runtime_error when its folder cannot be opened.
std::unique_ptr<KindAdapter> ConnectAdapter(const BenchKind& kind);

}  // namespace bench
