// brindle fields KIND: the names the field page lists, which --fields takes.
#include "common/outlook/FieldEntry.h"
#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/engine/ConvKind.h"

int RunFieldsCommand(const TCliRequest& request, const TCliStreams& io)
{
    const TNamedKind kind = LookUpKind(request, io);
    if (kind.pConv == nullptr)
        return kExitFailed;
    const int nCount = kind.pConv->GetFieldCount();
    for (int nPos = 1; nPos <= nCount; ++nPos) {
        if (const CsvFieldEntry* pRow = kind.pConv->GetFieldDef(static_cast<unsigned>(nPos)))
            io.out << pRow->szName << '\n';
    }
    return kExitDone;
}
