#include "common/outlook/OlTaskFields.h"

#include "common/outlook/OlTaskItem.h"
#include "records/CommTaskRec.h"

namespace {

constexpr int N = FIELD_TYPE_NUMBER;
constexpr int T = FIELD_TYPE_TEXT;
constexpr int D = FIELD_TYPE_DATE;

const OlCsvField kTaskCsvFields[] = {
    OL_CSV_IMPORT(1, "Notes", T, 20480, OlTaskItem, Body, CommTaskRec, szNote),
    OL_CSV_EXPORT(2, "Card Data", T, 256, Text, OlTaskItem, CardData),
    OL_CSV_EXPORT(3, "Completed", N, 4, Bool, OlTaskItem, Complete),
    OL_CSV_EXPORT(4, "Due Date", D, 8, Date, OlTaskItem, DueDate),
    OL_CSV_EXPORT(5, "Entry ID", T, 1024, Text, OlTaskItem, EntryID),
    OL_CSV_EXPORT(6, "Importance", N, 4, Number, OlTaskItem, Importance),
    OL_CSV_EXPORT(7, "Is Recurring", N, 4, Bool, OlTaskItem, IsRecurring),
    OL_CSV_EXPORT(8, "Mileage", T, 256, Text, OlTaskItem, Mileage),
    OL_CSV_EXPORT(9, "Ordinal", N, 4, Number, OlTaskItem, Ordinal),
    OL_CSV_EXPORT(10, "Percent Completed", N, 4, Number, OlTaskItem, PercentComplete),
    OL_CSV_EXPORT(11, "Reminder Overwrite Default", N, 4, Bool, OlTaskItem, ReminderOverrideDefault),
    OL_CSV_EXPORT(12, "Reminder Play Sound", N, 4, Bool, OlTaskItem, ReminderPlaySound),
    OL_CSV_EXPORT(13, "Reminder Set", N, 4, Bool, OlTaskItem, ReminderSet),
    OL_CSV_EXPORT(14, "Reminder Sound File", T, 260, Text, OlTaskItem, ReminderSoundFile),
    OL_CSV_EXPORT(15, "Reminder Time", D, 8, DateTime, OlTaskItem, ReminderTime),
    OL_CSV_EXPORT(16, "Response State", N, 4, Number, OlTaskItem, ResponseState),
    OL_CSV_EXPORT(17, "Role", T, 32, Text, OlTaskItem, Role),
    OL_CSV_EXPORT(18, "Saved", N, 4, Bool, OlTaskItem, Saved),
    OL_CSV_EXPORT(19, "Sensitivity", N, 4, Number, OlTaskItem, Sensitivity),
    OL_CSV_EXPORT(20, "Start Date", D, 8, Date, OlTaskItem, StartDate),
    OL_CSV_EXPORT(21, "Status", N, 4, Number, OlTaskItem, Status),
    OL_CSV_IMPORT(22, "Subject", T, 256, OlTaskItem, Subject, CommTaskRec, szSubject),
    OL_CSV_IMPORT(23, "Category", T, 256, OlTaskItem, Categories, CommTaskRec, szCategory),
    OL_CSV_EXPORT(24, "Team Task", N, 4, Bool, OlTaskItem, TeamTask),
    OL_CSV_EXPORT(25, "Total Work", N, 4, Number, OlTaskItem, TotalWork),
    OL_CSV_EXPORT(26, "Creation Time", D, 8, DateTime, OlTaskItem, CreationTime),
    OL_CSV_EXPORT(27, "Last Modification Time", D, 8, DateTime, OlTaskItem, LastModificationTime),
};

}  // namespace

OlCsvFieldTable TaskCsvFields() { return kTaskCsvFields; }
