#include "main/cli/CommandLine.h"

#include "main/cli/CliArguments.h"
#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/cli/CliHelp.h"
#include "platform/Terminal.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <vector>

int RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err, bool bErrTerminal)
{
    const TCliStreams io{out, err, bErrTerminal};
    try {
        const auto parsed = ParseCliArguments(args);
        if (const auto* problem = std::get_if<TCliUsageError>(&parsed))
            return UsageProblem(io, problem->nCommand, problem->message);
        const TCliRequest& request = std::get<TCliRequest>(parsed);
        if (request.bHelp) {
            WriteHelp(out, request.nCommand);
            return kExitDone;
        }
        switch (request.nCommand) {
        case TCliCommand::Fields:
            return RunFieldsCommand(request, io);
        case TCliCommand::Export:
            return RunExportCommand(request, io);
        case TCliCommand::Import:
            return RunImportCommand(request, io);
        case TCliCommand::Undo:
            return RunUndoCommand(request, io);
        case TCliCommand::None:
            break;
        }
        return UsageProblem(io, TCliCommand::None, "no command given");
    } catch (const std::exception& error) {
        return Failure(io, std::string("the command stopped: ") + error.what());
    }
}

int RunCommandLine(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunCommandLine(args, std::cout, std::cerr, platform::IsTerminal(stderr));
}
