#include "common/outlook/OlDateSpan.h"

#include "common/misc/CxDateTime.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr LONG kMinutesPerDay = 1440;

// A record keeps "no date" as a zero year, month and day. Windows refuses those, but Wine's
// conversion takes month 0 for December of the year before, so the zeros are not left to it.
std::optional<DATE> MomentOf(SYSTEMTIME stMoment)
{
    DATE dMoment = 0.0;
    if (stMoment.wYear == 0 || stMoment.wMonth == 0 || stMoment.wDay == 0
        || !SystemTimeToVariantTime(&stMoment, &dMoment))
        return std::nullopt;
    return dMoment;
}

// Whole minutes from one moment to another. The program's dates all lie after 1899, where
// a DATE counts days and their fractions straight on.
LONG MinutesFromTo(DATE dFrom, DATE dTo) { return static_cast<LONG>(std::llround((dTo - dFrom) * kMinutesPerDay)); }

void AllDaySpanToItem(std::optional<DATE> start, std::optional<DATE> end, OlDateItem& item)
{
    item.Duration = kMinutesPerDay;
    if (!start)
        return;
    const DATE dStartDay = std::floor(*start);
    if (end) {
        const LONG nDays = (std::max<LONG>(MinutesFromTo(dStartDay, *end), 1) + kMinutesPerDay - 1) / kMinutesPerDay;
        item.Duration = nDays * kMinutesPerDay;
    }
    item.Start = dStartDay;
    item.End = dStartDay + item.Duration / kMinutesPerDay;
}

}  // namespace

void RecordSpanToItem(const CommDateRec& rec, OlDateItem& item)
{
    const std::optional<DATE> start = MomentOf(rec.stStart);
    const std::optional<DATE> end = MomentOf(rec.stEnd);
    if (rec.nAllDayEvent != 0) {
        AllDaySpanToItem(start, end, item);
        return;
    }
    if (start)
        item.Start = *start;
    if (end)
        item.End = start ? std::max(*start, *end) : *end;
    item.Duration = start && end ? std::max<LONG>(MinutesFromTo(*start, *end), 0)
                                 : MinutesBetweenTimes(rec.stEnd, rec.stStart);
}
