#include "main/cli/CliCommands.h"

#include "main/cli/CliExit.h"
#include "main/cli/CliHelp.h"
#include "main/cli/CliKinds.h"
#include "main/cli/CliText.h"
#include "main/engine/ConvKind.h"

int Failure(const TCliStreams& io, const std::string& message)
{
    io.err << "brindle: " << message << '\n';
    return kExitFailed;
}

int UsageProblem(const TCliStreams& io, TCliCommand nCommand, const std::string& message)
{
    io.err << "brindle: " << message << '\n';
    WriteUsage(io.err, nCommand);
    return kExitUsage;
}

TNamedKind LookUpKind(const TCliRequest& request, const TCliStreams& io)
{
    const TCliKind* pCli = FindCliKind(request.kind);
    const TConvKind* pConv = pCli ? FindConvKind(pCli->nFlag) : nullptr;
    if (pConv == nullptr) {
        Failure(io, "unknown kind " + Quoted(request.kind) + ": KIND is " + CliKindNames());
        return {};
    }
    return {pCli, pConv};
}
