#include "main/cli/CliArguments.h"

#include "main/cli/CliOptions.h"
#include "main/cli/CliText.h"

#include <charconv>
#include <functional>
#include <set>
#include <string_view>
#include <vector>

namespace {

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

bool IsOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

std::string CommandName(TCliCommand nCommand)
{
    const TCliCommandInfo* info = CliCommandInfo(nCommand);
    return info ? std::string("brindle ") + info->szName : std::string("brindle");
}

// Why the option is not one of the command's.
std::string UnknownOption(TCliCommand nCommand, std::string_view name)
{
    for (const TCliOption& option : CliOptions()) {
        if (name == option.szName)
            return std::string(name) + " is not an option of " + CommandName(nCommand);
    }
    return "unknown option " + std::string(name);
}

// undo's positionals: the numbers of the runs, as brindle undo --list shows them.
std::optional<std::string> TakeRunNumbers(const std::vector<std::string>& positionals, TCliRequest& request)
{
    for (const std::string& positional : positionals) {
        std::int64_t nRun = 0;
        const auto [end, error] = std::from_chars(positional.data(), positional.data() + positional.size(), nRun);
        if (error != std::errc() || end != positional.data() + positional.size() || nRun <= 0)
            return "RUN is a number brindle undo --list shows, not " + Quoted(positional);
        request.runs.push_back(nRun);
    }
    return std::nullopt;
}

// The positional arguments each command takes, in order.
std::optional<std::string> TakePositionals(const std::vector<std::string>& positionals, TCliRequest& request)
{
    if (request.nCommand == TCliCommand::Undo)
        return TakeRunNumbers(positionals, request);
    const bool bFields = request.nCommand == TCliCommand::Fields;
    const std::size_t nWanted = bFields ? 1 : 2;
    if (positionals.size() < nWanted)
        return CommandName(request.nCommand) + (bFields ? " needs KIND" : " needs KIND and FILE");
    if (positionals.size() > nWanted)
        return "unexpected argument " + Quoted(positionals[nWanted]);
    request.kind = positionals[0];
    if (!bFields)
        request.file = positionals[1];
    return std::nullopt;
}

std::optional<std::string> ConflictOf(const TCliRequest& request)
{
    if (request.fields && request.bAllFields)
        return std::string("--fields and --all do not go together: give one of them");
    if (request.fields && request.bMatchTitles)
        return std::string("--fields and --match-titles do not go together: give one of them");
    if (request.nCommand == TCliCommand::Export && !request.fields && !request.bAllFields)
        return std::string("say which columns to write: --fields LIST or --all");
    if (request.nCommand == TCliCommand::Undo) {
        const int nChoices = (request.runs.empty() ? 0 : 1) + (request.bLast ? 1 : 0) + (request.bList ? 1 : 0);
        if (nChoices == 0)
            return std::string("say which import to undo: RUN, --last, or --list to see them");
        if (nChoices > 1)
            return std::string("RUN, --last and --list do not go together: give one of them");
        if (request.bList && request.bChanged)
            return std::string("--changed goes with RUN or --last, not with --list");
    }
    return std::nullopt;
}

std::variant<TCliRequest, TCliUsageError> ParseCommandArguments(TCliCommand nCommand,
                                                                std::span<const std::string> args)
{
    TCliRequest request;
    request.nCommand = nCommand;
    const auto problem = [nCommand](std::string message) { return TCliUsageError{nCommand, std::move(message)}; };

    // Asking for help is answered whatever else the line holds.
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (IsHelp(arg)) {
            request.bHelp = true;
            return request;
        }
    }

    std::vector<std::string> positionals;
    std::set<std::string, std::less<>> given;
    bool bOptionsEnded = false;
    for (std::size_t nArg = 0; nArg < args.size(); ++nArg) {
        const std::string_view arg = args[nArg];
        if (bOptionsEnded || !IsOption(arg)) {
            positionals.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            bOptionsEnded = true;
            continue;
        }
        const std::size_t nEquals = arg.find('=');
        const std::string_view name = arg.substr(0, nEquals);
        const TCliOption* option = FindCliOption(nCommand, name);
        if (option == nullptr)
            return problem(UnknownOption(nCommand, name));
        if (!given.emplace(name).second)
            return problem(std::string(name) + " is given twice");
        std::string_view value;
        if (option->szValue == nullptr) {
            if (nEquals != std::string_view::npos)
                return problem(std::string(name) + " takes no value");
        } else if (nEquals != std::string_view::npos) {
            value = arg.substr(nEquals + 1);
        } else if (nArg + 1 < args.size()) {
            value = args[++nArg];
        } else {
            return problem(std::string(name) + " needs a value: " + option->szValue);
        }
        if (auto wrong = option->Apply(value, request))
            return problem(std::move(*wrong));
    }
    if (auto wrong = TakePositionals(positionals, request))
        return problem(std::move(*wrong));
    if (auto wrong = ConflictOf(request))
        return problem(std::move(*wrong));
    return request;
}

}  // namespace

std::variant<TCliRequest, TCliUsageError> ParseCliArguments(std::span<const std::string> args)
{
    if (args.empty())
        return TCliUsageError{TCliCommand::None, "no command given"};
    const std::string_view first = args[0];
    if (IsHelp(first) || first == "help") {
        TCliRequest request;
        request.bHelp = true;
        if (args.size() > 1) {
            const TCliCommandInfo* command = FindCliCommand(args[1]);
            if (command == nullptr)
                return TCliUsageError{TCliCommand::None, "no help for " + Quoted(args[1]) + ": not a command"};
            request.nCommand = command->nCommand;
        }
        return request;
    }
    const TCliCommandInfo* command = FindCliCommand(first);
    if (command == nullptr)
        return TCliUsageError{TCliCommand::None, "unknown command " + Quoted(first)};
    return ParseCommandArguments(command->nCommand, args.subspan(1));
}
