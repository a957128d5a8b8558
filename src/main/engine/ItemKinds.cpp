#include "main/engine/ItemKinds.h"

#include "main/engine/Apputil.h"

namespace {

constexpr TItemKind kItemKinds[] = {
    {FLAG_ADDR, 2, 10, u"FullName", "contacts"},
    {FLAG_DATE, 1, 9, u"Subject", "calendar entries"},
    {FLAG_TASK, 3, 13, u"Subject", "tasks"},
    {FLAG_NOTE, 5, 12, u"Subject", "notes"},
};

}  // namespace

const TItemKind* FindItemKind(int nFlag)
{
    for (const TItemKind& kind : kItemKinds) {
        if (kind.nFlag == nFlag)
            return &kind;
    }
    return nullptr;
}
