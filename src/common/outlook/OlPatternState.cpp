#include "common/outlook/OlPatternState.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlAdapterShared.h"
#include "common/outlook/OlValueAccess.h"
#include "platform/win/ComHolders.h"

#include <algorithm>

namespace {

constexpr int kLogError = 0;

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

// Outlook leaves a member at 0 and an end at its "none" date when the pattern has none.
bool IsSetMember(const TOlValue& value)
{
    if (const DATE* pDate = std::get_if<DATE>(&value))
        return *pDate > 1.0 && IsOutlookDate(*pDate);
    if (const LONG* pNumber = std::get_if<LONG>(&value))
        return *pNumber > 0;
    return true;
}

bool ReadIsRecurring(CDispCmd& item, const TOlStateKind& kind, bool& bRecurring, int nFailureLevel = kLogError)
{
    const HRESULT hr = item.GetBool(OLESTR("IsRecurring"), &bRecurring);
    if (hr != S_OK) {
        AppDebug.LogMessage(nFailureLevel, __FILE__, __LINE__,
                            "Failed to read whether the %s item recurs. hr=0x%x", kind.szKind, HexCode(hr));
        return false;
    }
    return true;
}

OlObject PatternOf(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel = kLogError)
{
    HRESULT hr = S_OK;
    OlObject pattern = CallForObject(item, OLESTR("GetRecurrencePattern"), nullptr, 0, &hr);
    if (!pattern)
        AppDebug.LogMessage(nFailureLevel, __FILE__, __LINE__,
                            "Failed to get the recurrence pattern of the %s item. hr=0x%x", kind.szKind,
                            HexCode(FAILED(hr) ? hr : E_FAIL));
    return pattern;
}

bool ReadMembers(CDispCmd& pattern, const TOlStateKind& kind, std::vector<TOlSavedValue>& members,
                 int nFailureLevel = kLogError)
{
    for (const OlPropDef* pRow : kind.pattern) {
        TOlValue value;
        const HRESULT hr = GetValue(pattern, pRow->szName, value);
        if (hr != S_OK || !HasKind(value, pRow->nKind)) {
            AppDebug.LogMessage(nFailureLevel, __FILE__, __LINE__,
                                "Failed to read the \"%s\" property of the %s item's recurrence pattern. hr=0x%x",
                                RowName(*pRow).c_str(), kind.szKind, HexCode(FAILED(hr) ? hr : DISP_E_TYPEMISMATCH));
            return false;
        }
        members.push_back({RowName(*pRow), std::move(value)});
    }
    return true;
}

bool PutMember(CDispCmd& pattern, const TOlStateKind& kind, LPCOLESTR szName, const TOlValue& value)
{
    const HRESULT hr = PutValue(pattern, szName, value);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to put back the \"%s\" property of the %s item's recurrence pattern. hr=0x%x",
                            Utf8FromWide(szName).c_str(), kind.szKind, HexCode(hr));
        return false;
    }
    return true;
}

}  // namespace

bool ReadPatternState(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel, bool& bRecurring,
                      std::vector<TOlSavedValue>& pattern)
{
    if (!ReadIsRecurring(item, kind, bRecurring, nFailureLevel))
        return false;
    if (!bRecurring)
        return true;
    // Asked of a single item, GetRecurrencePattern would make it recur: it is asked only now.
    const OlObject patternObject = PatternOf(item, kind, nFailureLevel);
    return patternObject && ReadMembers(*patternObject, kind, pattern, nFailureLevel);
}

bool ClearItemPattern(CDispCmd& item, const TOlStateKind& kind)
{
    bool bRecurring = false;
    if (!ReadIsRecurring(item, kind, bRecurring))
        return false;
    if (!bRecurring)
        return true;
    platform::VariantHolder result;
    const HRESULT hr = item.Call(OLESTR("ClearRecurrencePattern"), nullptr, 0, result.Get());
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to clear the recurrence pattern of the %s item. hr=0x%x", kind.szKind, HexCode(hr));
        return false;
    }
    return true;
}

bool RestoreItemPattern(CDispCmd& item, const TOlStateKind& kind, const std::vector<TOlSavedValue>& pattern)
{
    bool bRecurring = false;
    if (!ReadIsRecurring(item, kind, bRecurring))
        return false;
    const OlObject patternObject = PatternOf(item, kind);
    if (!patternObject)
        return false;
    std::vector<TOlSavedValue> current;
    if (bRecurring && ReadMembers(*patternObject, kind, current) && current == pattern)
        return true;

    const auto type = std::find_if(pattern.begin(), pattern.end(),
                                   [](const TOlSavedValue& member) { return member.name == kRecurrenceTypeName; });
    if (!PutMember(*patternObject, kind, OLESTR("RecurrenceType"), type->value))
        return false;
    bool bAll = true;
    for (const TOlSavedValue& member : pattern) {
        if (&member == &*type)
            continue;
        const OlPropDef* pRow = FindRow(kind.pattern, member.name);
        if (IsSetMember(member.value))
            bAll = PutMember(*patternObject, kind, pRow->szName, member.value) && bAll;
        else if (pRow->nKind == OlPropKind::Date)
            bAll = PutMember(*patternObject, kind, OLESTR("NoEndDate"), TOlValue(true)) && bAll;
    }
    return bAll;
}
