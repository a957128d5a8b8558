#include "olsim/ToolArguments.h"

#include "olsim/VersionText.h"

#include <charconv>
#include <limits>

namespace olsim {

const char* const kToolUsage =
    "usage: olsim seed [--contacts N] [--appointments N] [--tasks N] [--notes N] [--seed S] [--sample]\n"
    "       olsim list KIND [--format csv|json]\n"
    "       olsim clear [KIND]\n"
    "       olsim version [X.Y.Z.W]\n"
    "\n"
    "KIND is contacts, appointments, tasks or notes.\n"
    "seed adds items to the profile: the sample set (also when no count is given) and N\n"
    "generated items of each kind, the same ones for the same seed S (a number, 1 unless\n"
    "given). list writes every property of every item of the kind. clear removes the items\n"
    "of the kind, or of every kind. version shows or records the Outlook version the profile\n"
    "simulates.\n"
    "The profile is the file $OLSIM_PROFILE, else $XDG_DATA_HOME/olsim/profile.sqlite.\n";

namespace {

constexpr std::uint32_t kMostGenerated = 10'000'000;
constexpr std::uint32_t kMostSeed = std::numeric_limits<std::uint32_t>::max();

using Result = std::variant<ToolArguments, std::string>;

std::optional<std::uint32_t> Number(std::string_view text, std::uint32_t most)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > most)
        return std::nullopt;
    return value;
}

// Splits "--name=value" and "--name value"; *next is moved past what was used.
std::optional<std::string> OptionValue(std::span<const std::string> args, std::size_t& next, std::string& name)
{
    const std::string& arg = args[next++];
    const auto equals = arg.find('=');
    if (equals != std::string::npos) {
        name = arg.substr(0, equals);
        return arg.substr(equals + 1);
    }
    name = arg;
    if (next >= args.size())
        return std::nullopt;
    return args[next++];
}

Result ParseKind(std::string_view text, ToolArguments& parsed)
{
    parsed.kind = KindForListName(text);
    if (!parsed.kind)
        return "unknown kind \"" + std::string(text) + "\" (contacts, appointments, tasks or notes)";
    return parsed;
}

Result ParseSeed(std::span<const std::string> args, ToolArguments parsed)
{
    bool anyCount = false;
    for (std::size_t next = 0; next < args.size();) {
        if (args[next] == "--sample") {
            parsed.sample = true;
            ++next;
            continue;
        }
        std::string name;
        const auto value = OptionValue(args, next, name);
        if (name == "--seed") {
            const auto seed = value ? Number(*value, kMostSeed) : std::nullopt;
            if (!seed)
                return "--seed needs a number from 0 to " + std::to_string(kMostSeed);
            parsed.generatorSeed = *seed;
            continue;
        }
        std::optional<ItemKind> kind;
        if (name.starts_with("--"))
            kind = KindForListName(std::string_view(name).substr(2));
        if (!kind || name.size() < 3 || std::string_view(name).substr(2) != Info(*kind).listName)
            return "unknown option \"" + name + "\" for seed";
        const auto count = value ? Number(*value, kMostGenerated) : std::nullopt;
        if (!count)
            return name + " needs a number from 0 to " + std::to_string(kMostGenerated);
        parsed.counts[static_cast<std::size_t>(*kind)] = *count;
        anyCount = true;
    }
    if (!anyCount)
        parsed.sample = true;
    return parsed;
}

Result ParseList(std::span<const std::string> args, ToolArguments parsed)
{
    bool haveKind = false;
    for (std::size_t next = 0; next < args.size();) {
        if (!args[next].starts_with("--")) {
            if (haveKind)
                return "list takes one kind";
            const Result kind = ParseKind(args[next++], parsed);
            if (std::holds_alternative<std::string>(kind))
                return kind;
            haveKind = true;
            continue;
        }
        std::string name;
        const auto value = OptionValue(args, next, name);
        if (name != "--format")
            return "unknown option \"" + name + "\" for list";
        if (value == "csv")
            parsed.format = ListFormat::Csv;
        else if (value == "json")
            parsed.format = ListFormat::Json;
        else
            return "--format is csv or json";
    }
    if (!haveKind)
        return "list needs a kind (contacts, appointments, tasks or notes)";
    return parsed;
}

}  // namespace

std::variant<ToolArguments, std::string> ParseToolArguments(std::span<const std::string> args)
{
    ToolArguments parsed;
    if (args.empty())
        return std::string("no command given");
    const std::string& command = args[0];
    const auto rest = args.subspan(1);
    if (command == "help" || command == "--help" || command == "-h") {
        parsed.command = ToolCommand::Help;
        return parsed;
    }
    if (command == "seed") {
        parsed.command = ToolCommand::Seed;
        return ParseSeed(rest, parsed);
    }
    if (command == "list") {
        parsed.command = ToolCommand::List;
        return ParseList(rest, parsed);
    }
    if (command == "clear") {
        parsed.command = ToolCommand::Clear;
        if (rest.size() > 1)
            return std::string("clear takes at most one kind");
        return rest.empty() ? Result(parsed) : ParseKind(rest[0], parsed);
    }
    if (command == "version") {
        parsed.command = ToolCommand::Version;
        if (rest.size() > 1)
            return std::string("version takes at most one version");
        if (!rest.empty()) {
            const auto version = ParseVersion(rest[0]);
            if (!version)
                return "\"" + rest[0] + "\" is not a version of four numbers such as 16.0.0.0";
            parsed.version = VersionToText(*version);
        }
        return parsed;
    }
    return "unknown command \"" + command + "\"";
}

}  // namespace olsim
