#include "common/outlook/OlItemState.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlItemStateKinds.h"
#include "common/outlook/OlPatternState.h"
#include "common/outlook/OlUserPropState.h"
#include "common/outlook/OlValueAccess.h"

#include <algorithm>

namespace {

constexpr int kLogError = 0;

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

const TOlStateKind* KindOrLog(LONG nItemType)
{
    const TOlStateKind* pKind = FindStateKind(nItemType);
    if (pKind == nullptr)
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "No item state is kept for items of type %ld.",
                            static_cast<long>(nItemType));
    return pKind;
}

bool ReadProperties(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel, std::vector<TOlSavedValue>& properties)
{
    for (const OlPropDef* pRow : kind.properties) {
        // A property this item does not have: no write can change it either.
        if (!HasMember(item, pRow->szName))
            continue;
        TOlValue value;
        const HRESULT hr = GetValue(item, pRow->szName, value);
        if (hr != S_OK || !HasKind(value, pRow->nKind)) {
            AppDebug.LogMessage(nFailureLevel, __FILE__, __LINE__,
                                "Failed to read the \"%s\" property of the %s item. hr=0x%x", RowName(*pRow).c_str(),
                                kind.szKind, HexCode(FAILED(hr) ? hr : DISP_E_TYPEMISMATCH));
            return false;
        }
        properties.push_back({RowName(*pRow), std::move(value)});
    }
    return true;
}

bool FitsRows(const OlRowList& rows, const std::vector<TOlSavedValue>& values)
{
    return std::all_of(values.begin(), values.end(), [&](const TOlSavedValue& saved) {
        const OlPropDef* pRow = FindRow(rows, saved.name);
        return pRow != nullptr && HasKind(saved.value, pRow->nKind);
    });
}

bool PatternFits(const TOlStateKind& kind, const TOlItemState& state)
{
    if (kind.pattern.empty())
        return !state.bRecurring && state.pattern.empty();
    const bool bHasType = std::any_of(state.pattern.begin(), state.pattern.end(),
                                      [](const TOlSavedValue& member) { return member.name == kRecurrenceTypeName; });
    return FitsRows(kind.pattern, state.pattern) && (bHasType || !state.bRecurring);
}

// Whether the state is one this kind keeps: its properties and pattern members are the kind's,
// each in its type, and it has user properties or a pattern only where the kind keeps them.
bool FitsKind(const TOlStateKind& kind, const TOlItemState& state)
{
    return FitsRows(kind.properties, state.properties) && PatternFits(kind, state) &&
           (kind.bUserProperties || state.userProperties.empty());
}

// The saved properties in the order they go back: the kind's first ones, then the others in
// the order they were read.
std::vector<const TOlSavedValue*> RestoreOrder(const TOlStateKind& kind, const std::vector<TOlSavedValue>& properties)
{
    std::vector<const TOlSavedValue*> order;
    for (const platform::OleStringView first : kind.restoreFirst) {
        const std::string name(first.begin(), first.end());
        for (const TOlSavedValue& saved : properties) {
            if (saved.name == name)
                order.push_back(&saved);
        }
    }
    for (const TOlSavedValue& saved : properties) {
        if (std::find(order.begin(), order.end(), &saved) == order.end())
            order.push_back(&saved);
    }
    return order;
}

// Puts each property whose value differs from the saved one: a value Outlook derives (a full
// name, an e-mail display name) that is as it was stays derived.
bool RestoreProperties(CDispCmd& item, const TOlStateKind& kind, const std::vector<TOlSavedValue>& properties)
{
    bool bAll = true;
    for (const TOlSavedValue* pSaved : RestoreOrder(kind, properties)) {
        const OlPropDef& row = *FindRow(kind.properties, pSaved->name);
        TOlValue current;
        if (GetValue(item, row.szName, current) == S_OK && current == pSaved->value)
            continue;
        const HRESULT hr = PutValue(item, row.szName, pSaved->value);
        if (FAILED(hr)) {
            AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                                "Failed to put back the \"%s\" property of the %s item. hr=0x%x", pSaved->name.c_str(),
                                kind.szKind, HexCode(hr));
            bAll = false;
        }
    }
    return bAll;
}

}  // namespace

bool ReadItemState(CDispCmd& item, LONG nItemType, TOlItemState& state, int nFailureLevel)
{
    const TOlStateKind* pKind = KindOrLog(nItemType);
    if (pKind == nullptr)
        return false;
    TOlItemState read;
    if (!ReadProperties(item, *pKind, nFailureLevel, read.properties))
        return false;
    if (pKind->bUserProperties && !ReadUserPropertyStates(item, *pKind, nFailureLevel, read.userProperties))
        return false;
    if (!pKind->pattern.empty() && !ReadPatternState(item, *pKind, nFailureLevel, read.bRecurring, read.pattern))
        return false;
    state = std::move(read);
    return true;
}

bool RestoreItemState(CDispCmd& item, LONG nItemType, const TOlItemState& state)
{
    const TOlStateKind* pKind = KindOrLog(nItemType);
    if (pKind == nullptr)
        return false;
    if (!FitsKind(*pKind, state)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "The saved state does not fit a %s item; the item is left as it is.", pKind->szKind);
        return false;
    }
    const bool bPattern = !pKind->pattern.empty();
    // Cleared first, so that the properties that follow land on a single item.
    bool bAll = !bPattern || state.bRecurring || ClearItemPattern(item, *pKind);
    bAll = RestoreProperties(item, *pKind, state.properties) && bAll;
    if (pKind->bUserProperties)
        bAll = RestoreUserProperties(item, *pKind, state.userProperties) && bAll;
    // Last: a new pattern takes its defaults from the start put back above.
    if (bPattern && state.bRecurring)
        bAll = RestoreItemPattern(item, *pKind, state.pattern) && bAll;
    const HRESULT hr = SaveItem(item);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to save the %s item with its earlier state. hr=0x%x",
                            pKind->szKind, HexCode(hr));
        return false;
    }
    return bAll;
}
