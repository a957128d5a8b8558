#include "records/CommFieldText.h"

#include "common/misc/CxDateTime.h"
#include "common/misc/WinUtil.h"
#include "records/CommFieldAccess.h"
#include "records/CommTaskRec.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// Names of nSourceType, by value; 0 has none.
constexpr std::array<const char*, 16> kSourceTypeNames = {
    nullptr,
    "Palm",
    "Palm(4.1.2 and aboves)",
    "Outlook",
    "Windows Address Book",
    "MSN",
    "ICQ",
    "Yahoo",
    "Google",
    "Domino",
    "Endora",
    "CSV",
    "XML",
    "VCard",
    "Database",
    "Wrenbook",
};

// Room for every text that is not a member's own: dates, times and codes.
using ShortText = std::array<char, 64>;

std::optional<std::string_view> SourceTypeName(LONG nSourceType)
{
    if (nSourceType < 0 || static_cast<std::size_t>(nSourceType) >= kSourceTypeNames.size())
        return std::nullopt;
    const char* name = kSourceTypeNames[static_cast<std::size_t>(nSourceType)];
    return name == nullptr ? std::nullopt : std::optional<std::string_view>(name);
}

std::string_view PriorityName(LONG nPriority)
{
    switch (nPriority) {
    case kTaskPriorityHigh:
        return "High";
    case kTaskPriorityLow:
        return "Low";
    default:
        return "Normal";
    }
}

// 0 comes from a CSV file and -1 from Outlook for a task without a due date; Outlook's
// own "none", 1 January 4501, prints as the empty date like every date beyond it.
std::string_view DueDateText(time_t tDueDate, ShortText& text)
{
    constexpr std::string_view kNoDate = "N/A";
    // 10000-01-01 00:00 UTC; later years would not fit the SYSTEMTIME's year word.
    constexpr time_t kYear10000 = 253402300800;
    if (tDueDate <= 0 || tDueDate >= kYear10000)
        return kNoDate;
    CxDateTime dateTime;
    dateTime.SetTimeT(&tDueDate);
    if (!dateTime.IsValid())
        return kNoDate;
    dateTime.FormatDate(text.data(), static_cast<int>(text.size()));
    return text[0] == '\0' ? kNoDate : std::string_view(text.data());
}

enum class SystemTimePart { Time, DateAndTime, Date };

std::string_view SystemTimeText(SYSTEMTIME st, SystemTimePart part, ShortText& text)
{
    CxDateTime dateTime;
    dateTime.SetSystemTime(&st);
    const int nSize = static_cast<int>(text.size());
    switch (part) {
    case SystemTimePart::Time:
        dateTime.FormatTime(text.data(), nSize);
        break;
    case SystemTimePart::DateAndTime:
        dateTime.FormatDateTime(text.data(), nSize);
        break;
    case SystemTimePart::Date:
        dateTime.FormatDate(text.data(), nSize);
        break;
    }
    return text.data();
}

std::string_view DateAndTimeText(DATE dDate, ShortText& text)
{
    CxDateTime dateTime;
    dateTime.SetDate(dDate);
    dateTime.FormatDateTime(text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The display text of one field; nullopt when the field is refused.
std::optional<std::string_view> FieldText(const CommFieldRow& row, const void* pRec, ShortText& text)
{
    switch (row.show) {
    case CommFieldShow::Refused:
        return std::nullopt;
    case CommFieldShow::Blank:
        return std::string_view();
    case CommFieldShow::Text:
        return CommMemberText(row, pRec);
    case CommFieldShow::SourceTypeName:
        return SourceTypeName(CommReadMember<LONG>(row, pRec));
    case CommFieldShow::DateAndTime:
        return DateAndTimeText(CommReadMember<DATE>(row, pRec), text);
    case CommFieldShow::VariantDateAndTime:
        if (!FormatVariantDate(CommReadMember<DATE>(row, pRec), text.data()))
            return std::string_view();
        return std::string_view(text.data());
    case CommFieldShow::TimeOfDay:
        return SystemTimeText(CommReadMember<SYSTEMTIME>(row, pRec), SystemTimePart::Time, text);
    case CommFieldShow::DateAndTimeOfDay:
        return SystemTimeText(CommReadMember<SYSTEMTIME>(row, pRec), SystemTimePart::DateAndTime, text);
    case CommFieldShow::DayDate:
        return SystemTimeText(CommReadMember<SYSTEMTIME>(row, pRec), SystemTimePart::Date, text);
    case CommFieldShow::YesNo: {
        const bool bSet = row.member == CommMemberType::Byte ? CommReadMember<BYTE>(row, pRec) != 0
                                                              : CommReadMember<LONG>(row, pRec) != 0;
        return std::string_view(bSet ? "Yes" : "No");
    }
    case CommFieldShow::RepeatInfo:
        return std::string_view("Repeat Info");
    case CommFieldShow::PriorityName:
        return PriorityName(CommReadMember<LONG>(row, pRec));
    case CommFieldShow::DueDate:
        return DueDateText(CommReadMember<time_t>(row, pRec), text);
    case CommFieldShow::ColorCode:
        std::snprintf(text.data(), text.size(), "#%06x", static_cast<unsigned>(CommReadMember<LONG>(row, pRec)));
        return std::string_view(text.data());
    }
    return std::nullopt;
}

}  // namespace

const CommFieldRow* CommFindFieldRow(std::span<const CommFieldRow> rows, LONG nId)
{
    for (const CommFieldRow& row : rows) {
        if (row.nId == nId)
            return &row;
    }
    return nullptr;
}

bool CommCopyFieldDef(std::span<const CommFieldRow> rows, LONG nId, CommFieldDef* pDef)
{
    const CommFieldRow* row = CommFindFieldRow(rows, nId);
    if (row == nullptr || pDef == nullptr)
        return false;
    *pDef = {};
    pDef->nId = row->nId;
    CutText(pDef->szName, sizeof pDef->szName, row->pszName);
    pDef->nType = row->nType;
    pDef->nSize = row->nSize;
    return true;
}

bool CommGetFieldText(const CommKindFields& kind, const void* pRec, const CommFieldDef* pDef, char* szBuf,
                      int nBufSize)
{
    if (pRec == nullptr || pDef == nullptr || szBuf == nullptr || nBufSize < 1)
        return false;
    if (kind.bContactRules && nBufSize <= pDef->nSize)
        return false;
    szBuf[0] = '\0';
    szBuf[nBufSize - 1] = '\0';

    const CommFieldRow* row = CommFindFieldRow(kind.rows, pDef->nId);
    if (row == nullptr)
        return !kind.bContactRules;
    ShortText text{};
    const std::optional<std::string_view> shown = FieldText(*row, pRec, text);
    if (!shown)
        return false;
    CutText(szBuf, static_cast<std::size_t>(nBufSize), *shown);
    return true;
}
