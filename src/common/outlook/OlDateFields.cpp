#include "common/outlook/OlDateFields.h"

#include "common/outlook/CsvValueParse.h"
#include "common/outlook/OlDateItem.h"
#include "records/CommDateRec.h"

#include <optional>

namespace {

constexpr int N = FIELD_TYPE_NUMBER;
constexpr int T = FIELD_TYPE_TEXT;
constexpr int D = FIELD_TYPE_DATE;

// The lead is kept in minutes as the file gives it: the record's larger units would drop
// what is left over (90 minutes are not a whole number of hours).
TFieldStore StoreReminderLead(const OlCsvField&, const char* szText, void* pRec)
{
    if (IsBlankCsvValue(szText))
        return TFieldStore::Stored;
    const std::optional<LONG> nMinutes = ParseCsvCount(szText);
    if (!nMinutes)
        return TFieldStore::NotUnderstood;
    auto& rec = *static_cast<CommDateRec*>(pRec);
    rec.nReminderSet = 1;
    rec.nReminderUnit = kReminderMinutes;
    rec.nReminderValue = *nMinutes;
    return TFieldStore::Stored;
}

const OlCsvField kDateCsvFields[] = {
    OL_CSV_STORE(1, "All Day Event", N, 4, Bool, OlDateItem, AllDayEvent, CsvStoreYesNo, CommDateRec, nAllDayEvent),
    OL_CSV_EXPORT(2, "Busy Status", N, 4, Number, OlDateItem, BusyStatus),
    OL_CSV_EXPORT(3, "Duration", N, 4, Number, OlDateItem, Duration),
    OL_CSV_STORE(4, "End Time", D, 8, Time, OlDateItem, End, CsvStoreTimeOfDay, CommDateRec, stEnd),
    OL_CSV_EXPORT(5, "Importance", N, 4, Number, OlDateItem, Importance),
    OL_CSV_EXPORT(6, "Is Recurring", N, 4, Bool, OlDateItem, IsRecurring),
    OL_CSV_IMPORT(7, "Location", T, 256, OlDateItem, Location, CommDateRec, szLocation),
    OL_CSV_EXPORT(8, "Meeting Status", N, 4, Number, OlDateItem, MeetingStatus),
    OL_CSV_EXPORT(9, "NetMeeting Auto Start", N, 4, Flag, OlDateItem, NetMeetingAutoStart),
    OL_CSV_EXPORT(10, "NetMeeting Doc Path Name", T, 260, Text, OlDateItem, NetMeetingDocPathName),
    OL_CSV_EXPORT(11, "NetMeeting Organizer Alias", T, 64, Text, OlDateItem, NetMeetingOrganizerAlias),
    OL_CSV_EXPORT(12, "NetMeeting Server", T, 256, Text, OlDateItem, NetMeetingServer),
    OL_CSV_EXPORT(13, "NetMeeting Type", N, 4, Number, OlDateItem, NetMeetingType),
    OL_CSV_EXPORT(14, "NetShow URL", T, 256, Text, OlDateItem, NetShowURL),
    OL_CSV_EXPORT(15, "Recurrence State", N, 4, Number, OlDateItem, RecurrenceState),
    // Fills the whole lead: its flag nReminderSet, the count and the unit.
    OL_CSV_STORE(16, "Reminder Minutes Before Start", N, 4, Number, OlDateItem, ReminderMinutesBeforeStart,
                 StoreReminderLead, CommDateRec, nReminderValue),
    OL_CSV_EXPORT(17, "Reminder Override Default", N, 4, Flag, OlDateItem, ReminderOverrideDefault),
    OL_CSV_EXPORT(18, "Reminder Play Sound", N, 4, Flag, OlDateItem, ReminderPlaySound),
    OL_CSV_STORE(19, "Reminder Set", N, 4, Bool, OlDateItem, ReminderSet, CsvStoreYesNo, CommDateRec, nAlarm),
    OL_CSV_EXPORT(20, "Reminder Sound File", T, 260, Text, OlDateItem, ReminderSoundFile),
    OL_CSV_EXPORT(21, "Reply Time", D, 8, DateTime, OlDateItem, ReplyTime),
    OL_CSV_EXPORT(22, "Response Requested", N, 4, Flag, OlDateItem, ResponseRequested),
    OL_CSV_EXPORT(23, "Response Status", N, 4, Number, OlDateItem, ResponseStatus),
    OL_CSV_EXPORT(24, "Sensitivity", N, 4, Number, OlDateItem, Sensitivity),
    OL_CSV_STORE(25, "Start Time", D, 8, Time, OlDateItem, Start, CsvStoreTimeOfDay, CommDateRec, stStart),
    OL_CSV_IMPORT(26, "Subject", T, 256, OlDateItem, Subject, CommDateRec, szDescription),
    OL_CSV_IMPORT(27, "Category", T, 256, OlDateItem, Categories, CommDateRec, szCategory),
    OL_CSV_IMPORT(28, "Note", T, 20480, OlDateItem, Body, CommDateRec, szNote),
    // The day of Start and End; their times of day are the rows above.
    OL_CSV_STORE(29, "Start Date", D, 8, Date, OlDateItem, Start, CsvStoreDay, CommDateRec, stStart),
    OL_CSV_STORE(30, "End Date", D, 8, Date, OlDateItem, End, CsvStoreDay, CommDateRec, stEnd),
};

}  // namespace

OlCsvFieldTable DateCsvFields() { return kDateCsvFields; }
