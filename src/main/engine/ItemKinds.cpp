#include "main/engine/ItemKinds.h"

#include "main/engine/Apputil.h"

namespace {

constexpr TItemKind kItemKinds[] = {
    {FLAG_ADDR, 2, 10, OLESTR("FullName"), "contacts"},
    {FLAG_DATE, 1, 9, OLESTR("Subject"), "calendar entries"},
    {FLAG_TASK, 3, 13, OLESTR("Subject"), "tasks"},
    {FLAG_NOTE, 5, 12, OLESTR("Subject"), "notes"},
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
