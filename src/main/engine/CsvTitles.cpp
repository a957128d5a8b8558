#include "main/engine/CsvTitles.h"

#include "common/outlook/FieldEntry.h"
#include "main/engine/ConvKind.h"
#include "main/engine/TitleAliases.h"
#include "main/engine/TitleText.h"
#include "platform/win/TextCut.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

using TFieldsByKey = std::unordered_map<std::string, const CsvFieldEntry*>;

// The contacts' "None" row is the field list's way of choosing no field; no column holds it.
bool IsNoFieldRow(const CsvFieldEntry& field) { return std::string_view(field.szName) == "None"; }

// The kind's fields by the keys of their own names and of their aliases. Own names go in
// first, so that no alias can take a field's own name from it.
TFieldsByKey FieldsByTitleKey(const TConvKind& kind)
{
    TFieldsByKey byKey;
    std::unordered_map<std::string_view, const CsvFieldEntry*> byName;
    const int nCount = kind.GetFieldCount();
    for (int nPos = 1; nPos <= nCount; ++nPos) {
        const CsvFieldEntry* pField = kind.GetFieldDef(static_cast<unsigned>(nPos));
        if (pField == nullptr || IsNoFieldRow(*pField))
            continue;
        byName.emplace(pField->szName, pField);
        byKey.emplace(TitleKey(pField->szName), pField);
    }
    for (const TTitleAlias& alias : TitleAliases()) {
        if (alias.nKindFlag != kind.nFlag)
            continue;
        if (const auto field = byName.find(alias.szField); field != byName.end())
            byKey.emplace(TitleKey(alias.szTitle), field->second);
    }
    return byKey;
}

bool IsEmptyTitle(std::string_view title)
{
    return std::all_of(title.begin(), title.end(), [](char ch) { return ch == ' ' || ch == '\t'; });
}

std::string ColumnText(std::size_t nColumn, std::string_view title)
{
    const std::string_view quoted = title.substr(0, CutTextLength(title, kNoteTitleBytes));
    return "Column " + std::to_string(nColumn + 1) + " \"" + std::string(quoted) + "\"";
}

void AddNotes(const TConvKind& kind, const std::vector<std::string_view>& titles,
              const std::vector<const CsvFieldEntry*>& named, TCsvTitleMatch& match)
{
    std::unordered_set<int> taken;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (IsEmptyTitle(titles[i])) {
            match.notes.push_back("Column " + std::to_string(i + 1) + " has no title; it is skipped.");
            continue;
        }
        const CsvFieldEntry* pField = named[i];
        if (pField == nullptr)
            continue;
        if (!taken.insert(pField->nId).second) {
            match.notes.push_back(ColumnText(i, titles[i]) + " names " + pField->szName + " again; it is skipped.");
            continue;
        }
        match.columnFields[i] = pField->nId;
        ++match.nMatched;
        if (!kind.ImportsField(static_cast<unsigned>(pField->nId)))
            match.notes.push_back(ColumnText(i, titles[i]) + ": the field " + pField->szName + " is not imported.");
    }
}

}  // namespace

TCsvTitleMatch MatchCsvTitles(const TConvKind& kind, const std::vector<std::string_view>& titles)
{
    TCsvTitleMatch match;
    match.columnFields.assign(titles.size(), kNoTitleField);

    const TFieldsByKey fieldsByKey = FieldsByTitleKey(kind);
    std::vector<const CsvFieldEntry*> named(titles.size(), nullptr);
    std::size_t nNonEmpty = 0;
    std::size_t nNaming = 0;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (IsEmptyTitle(titles[i]))
            continue;
        if (titles[i].size() > kMaxCsvTitleBytes)
            return match;
        ++nNonEmpty;
        if (const auto field = fieldsByKey.find(TitleKey(titles[i])); field != fieldsByKey.end()) {
            named[i] = field->second;
            ++nNaming;
        }
    }
    match.bTitleRow = nNaming > 0 && 2 * nNaming >= nNonEmpty;
    if (match.bTitleRow)
        AddNotes(kind, titles, named, match);
    return match;
}
