// The command line of the olsim tool.
#pragma once

#include "olsim/GeneratedItems.h"
#include "olsim/ItemKind.h"
#include "olsim/ItemListing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace olsim {

extern const char* const kToolUsage;

enum class ToolCommand { Help, Seed, List, Clear, Version };

struct ToolArguments {
    ToolCommand command = ToolCommand::Help;
    bool sample = false;                       // seed: the sample set
    std::array<std::uint32_t, 4> counts{};     // seed: generated items, by ItemKind
    std::uint32_t generatorSeed = kDefaultGeneratorSeed;  // seed: which generated items
    std::optional<ItemKind> kind;              // list (always) and clear (when given)
    ListFormat format = ListFormat::Csv;       // list
    std::optional<std::string> version;        // version: the one to record
};

// The arguments after the program's name, or what is wrong with them.
std::variant<ToolArguments, std::string> ParseToolArguments(std::span<const std::string> args);

}  // namespace olsim
