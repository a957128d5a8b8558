#include "common/outlook/OlDateRecurrence.h"

#include "common/outlook/OlAdapterShared.h"

namespace {

// Pattern fields a recurrence code carries, as bits.
enum : unsigned {
    kInterval = 1,
    kDayOfWeekMask = 2,
    kDayOfMonth = 4,
    kInstance = 8,
    kMonthOfYear = 16,
};

struct PatternField {
    unsigned nBit;
    LONG OlDateItem::*pImage;
    LONG CommRecurrence::*pRecord;
};

constexpr PatternField kPatternFields[] = {
    {kInterval, &OlDateItem::Interval, &CommRecurrence::nInterval},
    {kDayOfWeekMask, &OlDateItem::DayOfWeekMask, &CommRecurrence::nDayOfWeekMask},
    {kDayOfMonth, &OlDateItem::DayOfMonth, &CommRecurrence::nDayOfMonth},
    {kInstance, &OlDateItem::Instance, &CommRecurrence::nInstance},
    {kMonthOfYear, &OlDateItem::MonthOfYear, &CommRecurrence::nMonthOfYear},
};

struct RecurrenceCode {
    LONG nType;            // the record's code
    LONG nRecurrenceType;  // Outlook's
    unsigned nCarried;
    bool bIntervalOneWhenRead;  // Outlook counts a yearly interval in months
};

constexpr RecurrenceCode kRecurrenceCodes[] = {
    {kRecurDaily, 0, kInterval | kDayOfWeekMask, false},
    {kRecurWeekly, 1, kInterval | kDayOfWeekMask, false},
    {kRecurMonthlyNth, 3, kInterval | kInstance | kDayOfWeekMask, false},
    {kRecurMonthly, 2, kInterval | kDayOfMonth, false},
    {kRecurYearlyNth, 6, kInterval | kInstance | kMonthOfYear | kDayOfWeekMask, false},
    {kRecurYearly, 5, kDayOfMonth | kMonthOfYear, true},
};

const RecurrenceCode* CodeForRecurrenceType(LONG nRecurrenceType)
{
    for (const RecurrenceCode& code : kRecurrenceCodes) {
        if (code.nRecurrenceType == nRecurrenceType)
            return &code;
    }
    return nullptr;
}

const RecurrenceCode* CodeForType(LONG nType)
{
    for (const RecurrenceCode& code : kRecurrenceCodes) {
        if (code.nType == nType)
            return &code;
    }
    return nullptr;
}

}  // namespace

void PatternToRecurrence(const OlDateItem& item, CommRecurrence& recurrence)
{
    const RecurrenceCode* pCode = CodeForRecurrenceType(item.RecurrenceType);
    if (pCode == nullptr) {
        recurrence.nType = kRecurNone;
        return;
    }
    recurrence.nType = pCode->nType;
    for (const PatternField& field : kPatternFields) {
        if ((pCode->nCarried & field.nBit) != 0)
            recurrence.*field.pRecord = item.*field.pImage;
    }
    if (pCode->bIntervalOneWhenRead)
        recurrence.nInterval = 1;

    // A pattern without end reads as Outlook's "none" date, which is no end date at all.
    recurrence.bHasEnd = 0;
    if (item.PatternEndDate > 1.0 && IsOutlookDate(item.PatternEndDate)
        && VariantTimeToSystemTime(item.PatternEndDate, &recurrence.stPatternEnd))
        recurrence.bHasEnd = 1;
}

void RecurrenceToPattern(const CommRecurrence& recurrence, OlDateItem& item)
{
    const RecurrenceCode* pCode = CodeForType(recurrence.nType);
    if (pCode == nullptr) {
        item.RecurrenceType = OL_NO_RECURRENCE;
        return;
    }
    item.RecurrenceType = pCode->nRecurrenceType;
    for (const PatternField& field : kPatternFields) {
        if ((pCode->nCarried & field.nBit) != 0)
            item.*field.pImage = recurrence.*field.pRecord;
    }
    if (recurrence.bHasEnd) {
        SYSTEMTIME stEnd = recurrence.stPatternEnd;
        DATE dEnd = 0.0;
        if (SystemTimeToVariantTime(&stEnd, &dEnd))
            item.PatternEndDate = dEnd;
    }
}
