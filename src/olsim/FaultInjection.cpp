#include "olsim/FaultInjection.h"

#include "olsim/AsciiNames.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace olsim {
namespace {

struct Fault {
    std::string objectKind;
    std::string member;
    HRESULT hr;
    FaultRepeat repeat;
    unsigned passFirst = 0;
};

std::vector<Fault>& Faults()
{
    static std::vector<Fault> faults;
    return faults;
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<HRESULT> ParseHresult(std::string_view text)
{
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const std::string_view digits = hex ? text.substr(2) : text;
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (value < INT32_MIN || value > static_cast<long long>(UINT32_MAX))
        return std::nullopt;
    return static_cast<HRESULT>(static_cast<std::uint32_t>(value));
}

std::string Problem(std::string_view quoted, std::string_view what)
{
    std::string problem = "\"";
    problem.append(quoted).append("\" ").append(what);
    return problem;
}

std::optional<std::string> ParseOne(std::string_view entry, Fault& fault)
{
    const auto equals = entry.find('=');
    const auto dot = entry.substr(0, equals).find('.');
    if (equals == std::string_view::npos || dot == std::string_view::npos)
        return Problem(entry, "is not Kind.Member=HRESULT");
    fault.objectKind = Trimmed(entry.substr(0, dot));
    fault.member = Trimmed(entry.substr(dot + 1, equals - dot - 1));
    std::string_view rest = Trimmed(entry.substr(equals + 1));
    fault.repeat = FaultRepeat::Always;
    if (const auto colon = rest.find(':'); colon != std::string_view::npos) {
        const std::string_view repeat = Trimmed(rest.substr(colon + 1));
        if (SameAsciiName(repeat, "once"))
            fault.repeat = FaultRepeat::Once;
        else if (!SameAsciiName(repeat, "always"))
            return Problem(repeat, "is neither once nor always");
        rest = Trimmed(rest.substr(0, colon));
    }
    const auto hr = ParseHresult(rest);
    if (!hr)
        return Problem(rest, "is not an HRESULT");
    if (fault.objectKind.empty() || fault.member.empty())
        return Problem(entry, "lacks an object kind or a member");
    fault.hr = *hr;
    return std::nullopt;
}

}  // namespace

void InjectFault(std::string_view objectKind, std::string_view member, HRESULT hr, FaultRepeat repeat,
                 unsigned passFirst)
{
    Faults().push_back({std::string(objectKind), std::string(member), hr, repeat, passFirst});
}

void ClearFaults() { Faults().clear(); }

std::optional<std::string> LoadFaults(std::string_view faultList)
{
    std::vector<Fault> parsed;
    while (!faultList.empty()) {
        const auto semicolon = faultList.find(';');
        const std::string_view entry = Trimmed(faultList.substr(0, semicolon));
        faultList = semicolon == std::string_view::npos ? std::string_view() : faultList.substr(semicolon + 1);
        if (entry.empty())
            continue;
        Fault fault;
        if (auto problem = ParseOne(entry, fault)) {
            ClearFaults();
            return problem;
        }
        parsed.push_back(std::move(fault));
    }
    Faults() = std::move(parsed);
    return std::nullopt;
}

std::optional<HRESULT> TakeFault(std::string_view objectKind, std::string_view member)
{
    std::vector<Fault>& faults = Faults();
    for (auto it = faults.begin(); it != faults.end(); ++it) {
        if (!SameAsciiName(it->objectKind, objectKind) || !SameAsciiName(it->member, member))
            continue;
        if (it->passFirst > 0) {
            --it->passFirst;
            return std::nullopt;
        }
        const HRESULT hr = it->hr;
        if (it->repeat == FaultRepeat::Once)
            faults.erase(it);
        return hr;
    }
    return std::nullopt;
}

}  // namespace olsim
