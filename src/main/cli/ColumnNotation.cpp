#include "main/cli/ColumnNotation.h"

#include "common/outlook/FieldEntry.h"
#include "main/cli/CliText.h"
#include "main/cli/ColumnList.h"
#include "main/engine/ConvKind.h"
#include "platform/OleTextConversion.h"
#include "platform/WinCompat.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <set>

namespace {

constexpr std::string_view kSequencePrefix = "#seq:";
constexpr std::string_view kBlanks = " \t";

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

const CsvFieldEntry* FindFieldByName(const TConvKind& kind, std::string_view name)
{
    const int nCount = kind.GetFieldCount();
    for (int nPos = 1; nPos <= nCount; ++nPos) {
        const CsvFieldEntry* pRow = kind.GetFieldDef(static_cast<unsigned>(nPos));
        if (pRow != nullptr && EqualsIgnoringCase(pRow->szName, name))
            return pRow;
    }
    return nullptr;
}

// A custom column named szName writing value; null, value freed, when memory runs out (also
// for the value: then it is empty).
CsvFieldEntry* NewCustomColumn(const char* szName, int nType, VARIANT value)
{
    CsvFieldEntry* pEntry = value.vt != VT_EMPTY ? NewCustomFieldEntry() : nullptr;
    if (pEntry == nullptr) {
        VariantClear(&value);
        return nullptr;
    }
    CutText(pEntry->szName, sizeof pEntry->szName, szName);
    VariantClear(&pEntry->vValue);
    pEntry->vValue = value;
    pEntry->nType = nType;
    return pEntry;
}

VARIANT NumberValue(LONG nValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = nValue;
    return value;
}

// The UTF-8 text as the BSTR the wizard's dialog keeps a fixed text in; empty when memory
// runs out (vt VT_EMPTY).
VARIANT TextValue(std::string_view text)
{
    VARIANT value;
    VariantInit(&value);
    const platform::OleString wide = platform::OleFromNarrow(text, CP_UTF8);
    value.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (value.bstrVal != nullptr)
        value.vt = VT_BSTR;
    return value;
}

std::optional<LONG> SequenceStart(std::string_view text)
{
    long long nValue = 0;
    const char* const pEnd = text.data() + text.size();
    const char* const pBegin = !text.empty() && text[0] == '+' ? text.data() + 1 : text.data();
    const auto [pStop, error] = std::from_chars(pBegin, pEnd, nValue);
    if (pBegin == pEnd || error != std::errc() || pStop != pEnd || nValue < std::numeric_limits<LONG>::min()
        || nValue > std::numeric_limits<LONG>::max())
        return std::nullopt;
    return static_cast<LONG>(nValue);
}

class TNotationReader {
public:
    TNotationReader(const TConvKind& kind, const char* szKindName, TColumnList& columns)
        : m_kind(kind), m_szKindName(szKindName), m_columns(columns)
    {
    }

    std::optional<TColumnProblem> Add(std::string_view item)
    {
        if (item.empty())
            return Miswritten("--fields holds an empty column: write - for a column of nothing");
        if (item == "-" || EqualsIgnoringCase(item, "None"))
            return Added(NewSkipFieldEntry());
        if (StartsWithIgnoringCase(item, kSequencePrefix))
            return AddSequence(item);
        if (item[0] == '#')
            return Miswritten(Quoted(item) + " is no column: a sequence is written #seq:N");
        if (item[0] == '=')
            return Added(NewCustomColumn(kCustomName, CUSTOM_KIND_TEXT, TextValue(item.substr(1))));
        if (item[0] == '@')
            return AddFieldCopy(Trimmed(item.substr(1)));
        return AddField(item);
    }

private:
    // As the wizard names an inserted column until the user renames it.
    static constexpr const char* kCustomName = "Custom Field";

    static std::optional<TColumnProblem> Miswritten(std::string message) { return TColumnProblem{false, message}; }

    std::optional<TColumnProblem> Unknown(std::string_view name) const
    {
        return TColumnProblem{true, Quoted(name) + " is not a field of " + m_szKindName
                                        + "; \"brindle fields " + m_szKindName + "\" lists them"};
    }

    std::optional<TColumnProblem> Added(CsvFieldEntry* pEntry)
    {
        if (m_columns.Add(pEntry))
            return std::nullopt;
        return Miswritten("not enough memory for the columns");
    }

    std::optional<TColumnProblem> AddSequence(std::string_view item)
    {
        const auto nStart = SequenceStart(item.substr(kSequencePrefix.size()));
        if (!nStart)
            return Miswritten(Quoted(item)
                              + ": a sequence starts from a whole number from -2147483648 to 2147483647, such as "
                                "#seq:1");
        return Added(NewCustomColumn(kCustomName, CUSTOM_KIND_SEQUENCE, NumberValue(*nStart)));
    }

    std::optional<TColumnProblem> AddFieldCopy(std::string_view name)
    {
        const CsvFieldEntry* pRow = FindFieldByName(m_kind, name);
        if (pRow == nullptr)
            return Unknown(name);
        return Added(NewCustomColumn(pRow->szName, CUSTOM_KIND_FIELD, NumberValue(pRow->nId)));
    }

    // A field placed twice would be written twice into one record on import; a second
    // column of the same field is what @NAME is for.
    std::optional<TColumnProblem> AddField(std::string_view name)
    {
        const CsvFieldEntry* pRow = FindFieldByName(m_kind, name);
        if (pRow == nullptr)
            return Unknown(name);
        if (!m_placed.insert(pRow->nId).second)
            return Miswritten("the field " + Quoted(pRow->szName) + " is given twice (@" + pRow->szName
                              + " writes it into another column)");
        return Added(CopyFieldEntry(pRow));
    }

    const TConvKind& m_kind;
    const char* m_szKindName;
    TColumnList& m_columns;
    std::set<int> m_placed;
};

}  // namespace

std::optional<std::vector<std::string>> SplitColumnList(std::string_view text)
{
    std::vector<std::string> items;
    std::size_t nPos = 0;
    for (;;) {
        nPos = std::min(text.find_first_not_of(kBlanks, nPos), text.size());
        std::string item;
        if (nPos < text.size() && text[nPos] == '"') {
            bool bClosed = false;
            for (++nPos; nPos < text.size() && !bClosed; ++nPos) {
                if (text[nPos] != '"')
                    item += text[nPos];
                else if (nPos + 1 < text.size() && text[nPos + 1] == '"')
                    item += text[nPos++];
                else
                    bClosed = true;
            }
            nPos = std::min(text.find_first_not_of(kBlanks, nPos), text.size());
            if (!bClosed || (nPos < text.size() && text[nPos] != ','))
                return std::nullopt;
        } else {
            const std::size_t nComma = std::min(text.find(',', nPos), text.size());
            item = Trimmed(text.substr(nPos, nComma - nPos));
            nPos = nComma;
        }
        items.push_back(std::move(item));
        if (nPos >= text.size())
            return items;
        ++nPos;  // the comma
    }
}

std::optional<TColumnProblem> AddNotatedColumns(const TConvKind& kind, const char* szKindName, std::string_view text,
                                                TColumnList& columns)
{
    const auto items = SplitColumnList(text);
    if (!items)
        return TColumnProblem{false, "--fields has a double quote that does not close its column"};
    TNotationReader reader(kind, szKindName, columns);
    for (const std::string& item : *items) {
        if (auto problem = reader.Add(item))
            return problem;
    }
    return std::nullopt;
}
