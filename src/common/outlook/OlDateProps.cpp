#include "common/outlook/OlDateProps.h"

#include "common/outlook/OlDateItem.h"
#include "records/CommDateRec.h"

namespace {

using K = OlPropKind;

const OlPropDef kLeadingProps[] = {
    {u"EntryID", K::Text, OL_READ, OL_MEMBER(OlDateItem, EntryID), 1023, OL_NO_RECORD},
    {u"AllDayEvent", K::Bool, OL_READ_WRITE, OL_MEMBER(OlDateItem, AllDayEvent), 0, OL_NO_RECORD},
    {u"Duration", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, Duration), 0, OL_NO_RECORD},
    {u"End", K::Date, OL_READ, OL_MEMBER(OlDateItem, End), 0, OL_NO_RECORD},
    {u"Start", K::Date, OL_READ_WRITE, OL_MEMBER(OlDateItem, Start), 0, OL_NO_RECORD},
    {u"ReminderSet", K::Bool, OL_READ_WRITE, OL_MEMBER(OlDateItem, ReminderSet), 0, OL_NO_RECORD},
};

const OlPropDef kReminderTimeProps[] = {
    {u"ReminderTime", K::Date, OL_READ_WRITE, OL_MEMBER(OlDateItem, ReminderTime), 0, OL_NO_RECORD},
};

const OlPropDef kReminderMinutesProps[] = {
    {u"ReminderMinutesBeforeStart", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, ReminderMinutesBeforeStart), 0,
     OL_NO_RECORD},
};

const OlPropDef kTextProps[] = {
    {u"Subject", K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Subject), 255,
     OL_MEMBER(CommDateRec, szDescription)},
    {u"Body", K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Body), 20479, OL_MEMBER(CommDateRec, szNote)},
    {u"Location", K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Location), 255,
     OL_MEMBER(CommDateRec, szLocation)},
    {u"Categories", K::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlDateItem, Categories), 255,
     OL_MEMBER(CommDateRec, szCategory)},
    {u"IsRecurring", K::Bool, OL_READ, OL_MEMBER(OlDateItem, IsRecurring), 0, OL_NO_RECORD},
};

const OlPropDef kPatternProps[] = {
    {u"RecurrenceType", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, RecurrenceType), 0, OL_NO_RECORD},
    {u"Interval", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, Interval), 0, OL_NO_RECORD},
    {u"DayOfWeekMask", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, DayOfWeekMask), 0, OL_NO_RECORD},
    {u"DayOfMonth", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, DayOfMonth), 0, OL_NO_RECORD},
    {u"Instance", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, Instance), 0, OL_NO_RECORD},
    {u"MonthOfYear", K::Long, OL_READ_WRITE, OL_MEMBER(OlDateItem, MonthOfYear), 0, OL_NO_RECORD},
    {u"PatternEndDate", K::Date, OL_READ_WRITE, OL_MEMBER(OlDateItem, PatternEndDate), 0, OL_NO_RECORD},
};

const OlPropDef kStampProps[] = {
    {u"CreationTime", K::Date, OL_READ | OL_TO_RECORD, OL_MEMBER(OlDateItem, CreationTime), 0,
     OL_MEMBER(CommDateRec, dCreationTime)},
    {u"LastModificationTime", K::Date, OL_READ | OL_TO_RECORD, OL_MEMBER(OlDateItem, LastModificationTime), 0,
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
