// Reading the command line: the command, its KIND and FILE, and its options, each checked
// against the command's rows of CliOptions.h. Options take their value as "--name value"
// or "--name=value"; "--" ends the options, so a file name may begin with "-".
#pragma once

#include "main/cli/CliRequest.h"

#include <span>
#include <string>
#include <variant>

// The arguments after the program's name.
std::variant<TCliRequest, TCliUsageError> ParseCliArguments(std::span<const std::string> args);
