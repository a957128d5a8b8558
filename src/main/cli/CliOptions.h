// The options of the commands, one row per option and command: what the parser accepts and
// what the help explains come from the same rows.
#pragma once

#include "main/cli/CliRequest.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct TCliOption {
    const char* szName;    // "--quote"
    const char* szValue;   // the placeholder of its value; null for a switch
    TCliCommand nCommand;
    const char* szHelp;
    // Stores the value (empty for a switch) into the request; the problem when the value
    // is not one the option takes.
    std::optional<std::string> (*Apply)(std::string_view value, TCliRequest& request);
};

std::span<const TCliOption> CliOptions();
// The row of the option name for the command; null when the command has no such option.
const TCliOption* FindCliOption(TCliCommand nCommand, std::string_view name);

// What a command is called on the command line and does, with examples.
struct TCliCommandInfo {
    TCliCommand nCommand;
    const char* szName;
    const char* szSynopsis;
    const char* szSummary;
    std::span<const char* const> examples;
};

std::span<const TCliCommandInfo> CliCommands();
const TCliCommandInfo* FindCliCommand(std::string_view name);
// Null for TCliCommand::None.
const TCliCommandInfo* CliCommandInfo(TCliCommand nCommand);
