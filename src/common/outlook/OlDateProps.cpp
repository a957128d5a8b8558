#include "common/outlook/OlDateProps.h"

#include "common/outlook/OlDateItem.h"
#include "records/CommDateRec.h"

namespace {

using K = OlPropKind;

const OlPropDef kLeadingProps[] = {
    {OLESTR("EntryID"), K::Text, OL_READ, OL_MEMBER(OlDateItem, EntryID), 1023, OL_NO_RECORD},
    {OLESTR("AllDayEvent"), K::Bool, OL_READ_WRITE, OL_MEMBER(OlDateItem, AllDayEvent), 0, OL_NO_RECORD},
    {OLESTR("Duration"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, Duration), 0, OL_NO_RECORD},
    {OLESTR("End"), K::Date, OL_READ, OL_MEMBER(OlDateItem, End), 0, OL_NO_RECORD},
    {OLESTR("Start"), K::Date, OL_READ_WRITE, OL_MEMBER(OlDateItem, Start), 0, OL_NO_RECORD},
    {OLESTR("ReminderSet"), K::Bool, OL_READ_WRITE, OL_MEMBER(OlDateItem, ReminderSet), 0, OL_NO_RECORD},
};

const OlPropDef kReminderTimeProps[] = {
    {OLESTR("ReminderTime"), K::Date, OL_READ_WRITE, OL_MEMBER(OlDateItem, ReminderTime), 0, OL_NO_RECORD},
};

const OlPropDef kReminderMinutesProps[] = {
    {OLESTR("ReminderMinutesBeforeStart"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, ReminderMinutesBeforeStart), 0,
     OL_NO_RECORD},
};

const OlPropDef kTextProps[] = {
    {OLESTR("Subject"), K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Subject), 255,
     OL_MEMBER(CommDateRec, szDescription)},
    {OLESTR("Body"), K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Body), 20479,
     OL_MEMBER(CommDateRec, szNote)},
    {OLESTR("Location"), K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Location), 255,
     OL_MEMBER(CommDateRec, szLocation)},
    {OLESTR("Categories"), K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Categories), 255,
     OL_MEMBER(CommDateRec, szCategory)},
    {OLESTR("IsRecurring"), K::Bool, OL_READ, OL_MEMBER(OlDateItem, IsRecurring), 0, OL_NO_RECORD},
};

const OlPropDef kPatternProps[] = {
    {OLESTR("RecurrenceType"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, RecurrenceType), 0, OL_NO_RECORD},
    {OLESTR("Interval"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, Interval), 0, OL_NO_RECORD},
    {OLESTR("DayOfWeekMask"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, DayOfWeekMask), 0, OL_NO_RECORD},
    {OLESTR("DayOfMonth"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, DayOfMonth), 0, OL_NO_RECORD},
    {OLESTR("Instance"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, Instance), 0, OL_NO_RECORD},
    {OLESTR("MonthOfYear"), K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, MonthOfYear), 0, OL_NO_RECORD},
    {OLESTR("PatternEndDate"), K::Date, OL_READ_WRITE, OL_MEMBER(OlDateItem, PatternEndDate), 0, OL_NO_RECORD},
};

const OlPropDef kStampProps[] = {
    {OLESTR("CreationTime"), K::Date, OL_READ | OL_TO_RECORD, OL_MEMBER(OlDateItem, CreationTime), 0,
     OL_MEMBER(CommDateRec, dCreationTime)},
    {OLESTR("LastModificationTime"), K::Date, OL_READ | OL_TO_RECORD, OL_MEMBER(OlDateItem, LastModificationTime), 0,
     OL_MEMBER(CommDateRec, dLastModificationTime)},
};

}  // namespace

OlPropTable DateLeadingProps() { return kLeadingProps; }
OlPropTable DateReminderProps(bool bReminderTime)
{
    return bReminderTime ? OlPropTable(kReminderTimeProps) : OlPropTable(kReminderMinutesProps);
}
OlPropTable DateTextProps() { return kTextProps; }
OlPropTable DatePatternProps() { return kPatternProps; }
OlPropTable DateStampProps() { return kStampProps; }
