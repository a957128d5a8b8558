#include "common/outlook/OlDateUtil.h"

#include "common/misc/CxDateTime.h"
#include "common/outlook/OlDateProps.h"
#include "common/outlook/OlDateRecurrence.h"
#include "common/outlook/OlDateReminder.h"
#include "common/outlook/OlDateSpan.h"
#include "common/outlook/OlItemAdapterImpl.h"

#include <cstring>

namespace {

// Pattern members Outlook is given besides the type: numbers when set, the end when there
// is one.
bool PatternValueSet(const OlPropDef& row, const OlDateItem& image)
{
    const char* pValue = reinterpret_cast<const char*>(&image) + row.nOffset;
    if (row.nKind == OlPropKind::Date) {
        DATE dValue = 0.0;
        std::memcpy(&dValue, pValue, sizeof dValue);
        return dValue > 1.0;
    }
    LONG nValue = 0;
    std::memcpy(&nValue, pValue, sizeof nValue);
    return nValue > 0;
}

void WritePattern(CDispCmd& item, const OlDateItem& image)
{
    OlObject pattern = CallForObject(item, OLESTR("GetRecurrencePattern"), nullptr, 0, nullptr);
    if (!pattern)
        return;
    // Setting the type resets the pattern to that type's defaults, so it goes first; the
    // members not given keep Outlook's defaults.
    const OlPropTable rows = DatePatternProps();
    WriteItemProperties(*pattern, rows.first(1), &image);
    for (const OlPropDef& row : rows.subspan(1)) {
        if (PatternValueSet(row, image))
            WriteItemProperties(*pattern, OlPropTable(&row, 1), &image);
    }
}

}  // namespace

template <>
struct OlKindHooks<OlKind::Calendar> {
    static void GetProperties(CDispCmd& item, OlDateItem& image)
    {
        ReadItemProperties(item, DateLeadingProps(), &image);
        ReadItemProperties(item, DateReminderProps(UsesReminderTime(OlBaseUtil::GetOutlookVersionCode())), &image);
        ReadItemProperties(item, DateTextProps(), &image);
        ReadRecurrence(item, DatePatternProps(), image);
        ReadItemProperties(item, DateStampProps(), &image);
    }

    // The recurrence pattern is put when the image has one.
    static void PutProperties(CDispCmd& item, const OlDateItem& image)
    {
        WriteItemProperties(item, DateLeadingProps(), &image);
        WriteItemProperties(item, DateReminderProps(UsesReminderTime(OlBaseUtil::GetOutlookVersionCode())), &image);
        WriteItemProperties(item, DateTextProps(), &image);
        if (image.RecurrenceType >= 0)
            WritePattern(item, image);
    }

    static void FillRecord(const OlDateItem& image, CommDateRec& rec)
    {
        CopyImageToRecord(DateTextProps(), &image, &rec);
        VariantTimeToSystemTime(image.Start, &rec.stStart);
        VariantTimeToSystemTime(image.End, &rec.stEnd);
        rec.nAlarm = image.ReminderSet ? 1 : 0;
        SetReminderLead(ReminderLeadOfItem(image, rec, UsesReminderTime(OlBaseUtil::GetOutlookVersionCode())), rec);
        rec.nDuration = MinutesBetweenTimes(rec.stEnd, rec.stStart);
        rec.nAllDayEvent = image.AllDayEvent ? 1 : 0;
        PatternToRecurrence(image, rec.recurrence);
        CopyImageToRecord(DateStampProps(), &image, &rec);
        rec.nSource = OL_SOURCE_OUTLOOK;
    }

    static void FillImage(const CommDateRec& rec, OlDateItem& image)
    {
        CopyRecordToImage(DateTextProps(), &rec, &image);
        image.AllDayEvent = rec.nAllDayEvent != 0;
        RecordSpanToItem(rec, image);
        image.ReminderSet = rec.nAlarm != 0;
        ReminderToItem(rec, UsesReminderTime(OlBaseUtil::GetOutlookVersionCode()), image);
        RecurrenceToPattern(rec.recurrence, image);
    }
};

template class OlItemAdapter<OlDateUtil, OlKind::Calendar, OlDateItem, CommDateRec, CommDateMgr>;
