// The text form of an item state:
//
//     state    = "OIS1" *("P" name value) *("U" name number value) ["R"] *("Q" name value)
//     name     = length ":" bytes            (UTF-8, not empty)
//     value    = "T" length ":" bytes        (a text, UTF-8)
//              / "D" number                  (a date)
//              / "L" number                  (a long)
//              / "B" ("0" / "1")             (a flag)
//     number   = decimal ";"
//
// P are the properties, U the user properties with their type, R marks a recurring item and
// Q are the pattern properties. Lengths count bytes, so texts need no escaping.
#include "common/outlook/OlItemState.h"

#include "common/outlook/OlValueAccess.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

constexpr std::string_view kHeader = "OIS1";

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

template <class T>
void AppendNumber(std::string& out, T number)
{
    char digits[32];
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), number);
    out.append(digits, end);
    out += ';';
}

void AppendText(std::string& out, std::string_view text)
{
    out += std::to_string(text.size());
    out += ':';
    out += text;
}

void AppendValue(std::string& out, const TOlValue& value)
{
    std::visit(Overloaded{
                   [&](const std::string& text) {
                       out += 'T';
                       AppendText(out, text);
                   },
                   [&](DATE dValue) {
                       out += 'D';
                       AppendNumber(out, dValue);
                   },
                   [&](LONG nValue) {
                       out += 'L';
                       AppendNumber(out, nValue);
                   },
                   [&](bool bValue) { out += bValue ? "B1" : "B0"; },
               },
               value);
}

// Takes a text apart from the front; every step fails on anything but what the grammar allows.
class StateReader {
public:
    explicit StateReader(std::string_view text) : m_rest(text) {}

    bool AtEnd() const { return m_rest.empty(); }

    bool Take(std::string_view expected)
    {
        if (!m_rest.starts_with(expected))
            return false;
        m_rest.remove_prefix(expected.size());
        return true;
    }

    template <class T>
    bool Number(T& out)
    {
        const std::size_t nEnd = m_rest.find(';');
        if (nEnd == std::string_view::npos || nEnd == 0)
            return false;
        const char* const pFirst = m_rest.data();
        const auto [pLast, error] = std::from_chars(pFirst, pFirst + nEnd, out);
        if (error != std::errc() || pLast != pFirst + nEnd)
            return false;
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(out))
                return false;
        }
        m_rest.remove_prefix(nEnd + 1);
        return true;
    }

    bool Text(std::string& out)
    {
        const std::size_t nColon = m_rest.find(':');
        if (nColon == std::string_view::npos || nColon == 0)
            return false;
        std::size_t nLength = 0;
        const char* const pFirst = m_rest.data();
        const auto [pLast, error] = std::from_chars(pFirst, pFirst + nColon, nLength);
        if (error != std::errc() || pLast != pFirst + nColon || nLength > m_rest.size() - nColon - 1)
            return false;
        const std::string_view text = m_rest.substr(nColon + 1, nLength);
        if (!IsValidUtf8(text))
            return false;
        out.assign(text);
        m_rest.remove_prefix(nColon + 1 + nLength);
        return true;
    }

    bool Name(std::string& out) { return Text(out) && !out.empty(); }

    bool Value(TOlValue& out)
    {
        if (Take("T"))
            return Typed<std::string>(out, [this](std::string& text) { return Text(text); });
        if (Take("D"))
            return Typed<DATE>(out, [this](DATE& dValue) { return Number(dValue); });
        if (Take("L"))
            return Typed<LONG>(out, [this](LONG& nValue) { return Number(nValue); });
        for (const bool bFlag : {false, true}) {
            if (Take(bFlag ? "B1" : "B0")) {
                out = bFlag;
                return true;
            }
        }
        return false;
    }

    bool SavedValue(std::vector<TOlSavedValue>& values)
    {
        TOlSavedValue saved;
        if (!Name(saved.name) || !Value(saved.value))
            return false;
        values.push_back(std::move(saved));
        return true;
    }

private:
    // Reads a value of type T with read and gives it to out only when that succeeds.
    template <class T, class TRead>
    static bool Typed(TOlValue& out, TRead read)
    {
        T value{};
        if (!read(value))
            return false;
        out = std::move(value);
        return true;
    }

    std::string_view m_rest;
};

}  // namespace

std::string EncodeItemState(const TOlItemState& state)
{
    std::string out(kHeader);
    for (const TOlSavedValue& property : state.properties) {
        out += 'P';
        AppendText(out, property.name);
        AppendValue(out, property.value);
    }
    for (const TOlSavedUserProperty& property : state.userProperties) {
        out += 'U';
        AppendText(out, property.name);
        AppendNumber(out, property.nType);
        AppendValue(out, property.value);
    }
    if (state.bRecurring)
        out += 'R';
    for (const TOlSavedValue& member : state.pattern) {
        out += 'Q';
        AppendText(out, member.name);
        AppendValue(out, member.value);
    }
    return out;
}

bool DecodeItemState(std::string_view text, TOlItemState& state)
{
    StateReader reader(text);
    if (!reader.Take(kHeader))
        return false;
    TOlItemState decoded;
    while (reader.Take("P")) {
        if (!reader.SavedValue(decoded.properties))
            return false;
    }
    while (reader.Take("U")) {
        TOlSavedUserProperty property;
        if (!reader.Name(property.name) || !reader.Number(property.nType) || !reader.Value(property.value))
            return false;
        decoded.userProperties.push_back(std::move(property));
    }
    decoded.bRecurring = reader.Take("R");
    while (reader.Take("Q")) {
        if (!reader.SavedValue(decoded.pattern))
            return false;
    }
    if (!reader.AtEnd())
        return false;
    state = std::move(decoded);
    return true;
}
