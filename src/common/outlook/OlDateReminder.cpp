#include "common/outlook/OlDateReminder.h"

#include "common/misc/CxDateTime.h"

#include <cmath>

namespace {

struct ReminderUnit {
    LONG nUnit;
    int nMinutes;
};

// Smallest unit first.
constexpr ReminderUnit kReminderUnits[] = {
    {kReminderMinutes, 1},
    {kReminderHours, 60},
    {kReminderDays, 1440},
};

// What a record asks for when its unit is none of the above.
constexpr LONG kDefaultLeadMinutes = 15;
// The lead of an older Outlook's reminder moment when the record gives no usable count.
constexpr int kDefaultLeadForMoment = 5;

const ReminderUnit* FindUnit(LONG nUnit)
{
    for (const ReminderUnit& unit : kReminderUnits) {
        if (unit.nUnit == nUnit)
            return &unit;
    }
    return nullptr;
}

constexpr double kSecondsPerDay = 86400.0;

}  // namespace

bool UsesReminderTime(int nOutlookVersion) { return nOutlookVersion <= 3; }

int ReminderLeadOfItem(const OlDateItem& item, const CommDateRec& rec, bool bReminderTime)
{
    if (bReminderTime) {
        if (item.ReminderTime <= 0.0)
            return 0;
        // Whole seconds first, so a moment stored a hair off the minute still counts in full.
        const long long nSeconds = std::llround((item.Start - item.ReminderTime) * kSecondsPerDay);
        return static_cast<int>(nSeconds / 60);
    }
    return rec.nAlarm ? item.ReminderMinutesBeforeStart : 0;
}

void SetReminderLead(int nMinutes, CommDateRec& rec)
{
    if (nMinutes <= 0)
        return;
    const ReminderUnit* pChosen = &kReminderUnits[0];
    for (const ReminderUnit& unit : kReminderUnits) {
        if (nMinutes >= unit.nMinutes)
            pChosen = &unit;
    }
    rec.nReminderSet = 1;
    rec.nReminderUnit = pChosen->nUnit;
    rec.nReminderValue = nMinutes / pChosen->nMinutes;
}

void ReminderToItem(const CommDateRec& rec, bool bReminderTime, OlDateItem& item)
{
    if (rec.nReminderSet <= 0)
        return;
    const ReminderUnit* pUnit = FindUnit(rec.nReminderUnit);
    // Outlook keeps the minutes of a reminder that is off, ready for when it is turned on;
    // a lead the record was given goes there too.
    item.ReminderMinutesBeforeStart = pUnit ? rec.nReminderValue * pUnit->nMinutes : kDefaultLeadMinutes;
    if (!bReminderTime || !rec.nAlarm)
        return;

    SYSTEMTIME stReminder = rec.stStart;
    const int nLead = pUnit ? rec.nReminderValue * pUnit->nMinutes : 0;
    if (nLead == 0)
        AddMinutesToTime(&stReminder, -kDefaultLeadForMoment);
    else if (pUnit->nUnit == kReminderDays)
        AddDaysToDate(&stReminder, -rec.nReminderValue);  // a reminder days ahead falls at midnight
    else
        AddMinutesToTime(&stReminder, -nLead);  // never before midnight of the start day
    DATE dReminder = 0.0;
    if (SystemTimeToVariantTime(&stReminder, &dReminder))
        item.ReminderTime = dReminder;
}
