#include "common/outlook/OlTaskProps.h"

#include "common/outlook/OlTaskItem.h"
#include "records/CommTaskRec.h"

namespace {

using K = OlPropKind;

const OlPropDef kReadProps[] = {
    {u"Body", K::Text, OL_READ, OL_MEMBER(OlTaskItem, Body), 20479, OL_NO_RECORD},
    {u"CardData", K::Text, OL_READ, OL_MEMBER(OlTaskItem, CardData), 255, OL_NO_RECORD},
    {u"Complete", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, Complete), 0, OL_NO_RECORD},
    {u"DueDate", K::Date, OL_READ, OL_MEMBER(OlTaskItem, DueDate), 0, OL_NO_RECORD},
    {u"EntryID", K::Text, OL_READ, OL_MEMBER(OlTaskItem, EntryID), 1023, OL_NO_RECORD},
    {u"Importance", K::Long, OL_READ, OL_MEMBER(OlTaskItem, Importance), 0, OL_NO_RECORD},
    {u"IsRecurring", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_NO_RECORD},
    {u"Mileage", K::Text, OL_READ, OL_MEMBER(OlTaskItem, Mileage), 255, OL_NO_RECORD},
    {u"Ordinal", K::Long, OL_READ, OL_MEMBER(OlTaskItem, Ordinal), 0, OL_NO_RECORD},
    {u"PercentComplete", K::Long, OL_READ, OL_MEMBER(OlTaskItem, PercentComplete), 0, OL_NO_RECORD},
    {u"ReminderOverrideDefault", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, ReminderOverrideDefault), 0, OL_NO_RECORD},
    {u"ReminderPlaySound", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, ReminderPlaySound), 0, OL_NO_RECORD},
    {u"ReminderSet", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, ReminderSet), 0, OL_NO_RECORD},
    {u"ReminderSoundFile", K::Text, OL_READ, OL_MEMBER(OlTaskItem, ReminderSoundFile), 259, OL_NO_RECORD},
    {u"ReminderTime", K::Date, OL_READ, OL_MEMBER(OlTaskItem, ReminderTime), 0, OL_NO_RECORD},
    {u"ResponseState", K::Long, OL_READ, OL_MEMBER(OlTaskItem, ResponseState), 0, OL_NO_RECORD},
    {u"Role", K::Text, OL_READ, OL_MEMBER(OlTaskItem, Role), 31, OL_NO_RECORD},
    {u"Sensitivity", K::Long, OL_READ, OL_MEMBER(OlTaskItem, Sensitivity), 0, OL_NO_RECORD},
    {u"StartDate", K::Date, OL_READ, OL_MEMBER(OlTaskItem, StartDate), 0, OL_NO_RECORD},
    {u"Status", K::Long, OL_READ, OL_MEMBER(OlTaskItem, Status), 0, OL_NO_RECORD},
    {u"Subject", K::Text, OL_READ, OL_MEMBER(OlTaskItem, Subject), 255, OL_NO_RECORD},
    {u"TeamTask", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, TeamTask), 0, OL_NO_RECORD},
    {u"TotalWork", K::Long, OL_READ, OL_MEMBER(OlTaskItem, TotalWork), 0, OL_NO_RECORD},
    {u"IsRecurring", K::Bool, OL_READ, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_NO_RECORD},
};

const OlPropDef kPatternProps[] = {
    {u"RecurrenceType", K::Long, OL_READ, OL_MEMBER(OlTaskItem, RecurrenceType), 0, OL_NO_RECORD},
    {u"Interval", K::Long, OL_READ, OL_MEMBER(OlTaskItem, Interval), 0, OL_NO_RECORD},
    {u"DayOfWeekMask", K::Long, OL_READ, OL_MEMBER(OlTaskItem, DayOfWeekMask), 0, OL_NO_RECORD},
    {u"DayOfMonth", K::Long, OL_READ, OL_MEMBER(OlTaskItem, DayOfMonth), 0, OL_NO_RECORD},
    {u"Instance", K::Long, OL_READ, OL_MEMBER(OlTaskItem, Instance), 0, OL_NO_RECORD},
    {u"MonthOfYear", K::Long, OL_READ, OL_MEMBER(OlTaskItem, MonthOfYear), 0, OL_NO_RECORD},
    {u"PatternEndDate", K::Date, OL_READ, OL_MEMBER(OlTaskItem, PatternEndDate), 0, OL_NO_RECORD},
};

const OlPropDef kTrailingReadProps[] = {
    {u"Categories", K::Text, OL_READ, OL_MEMBER(OlTaskItem, Categories), 255, OL_NO_RECORD},
    {u"CreationTime", K::Date, OL_READ, OL_MEMBER(OlTaskItem, CreationTime), 0, OL_NO_RECORD},
    {u"LastModificationTime", K::Date, OL_READ, OL_MEMBER(OlTaskItem, LastModificationTime), 0, OL_NO_RECORD},
};

const OlPropDef kLeadingWriteProps[] = {
    {u"Body", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Body), 0, OL_NO_RECORD},
    {u"CardData", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, CardData), 0, OL_NO_RECORD},
    {u"Complete", K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, Complete), 0, OL_NO_RECORD},
    {u"DueDate", K::Date, OL_WRITE, OL_MEMBER(OlTaskItem, DueDate), 0, OL_NO_RECORD},
    {u"Importance", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Importance), 0, OL_NO_RECORD},
    {u"IsRecurring", K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_NO_RECORD},
    {u"Mileage", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Mileage), 0, OL_NO_RECORD},
    {u"Ordinal", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Ordinal), 0, OL_NO_RECORD},
    {u"PercentComplete", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, PercentComplete), 0, OL_NO_RECORD},
    {u"ReminderSet", K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderSet), 0, OL_NO_RECORD},
};

const OlPropDef kReminderWriteProps[] = {
    {u"ReminderOverrideDefault", K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderOverrideDefault), 0, OL_NO_RECORD},
    {u"ReminderPlaySound", K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderPlaySound), 0, OL_NO_RECORD},
    {u"ReminderSoundFile", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderSoundFile), 0, OL_NO_RECORD},
    {u"ReminderTime", K::Date, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderTime), 0, OL_NO_RECORD},
};

const OlPropDef kTrailingWriteProps[] = {
    {u"ResponseState", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, ResponseState), 0, OL_NO_RECORD},
    {u"Role", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Role), 0, OL_NO_RECORD},
    {u"Sensitivity", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Sensitivity), 0, OL_NO_RECORD},
    {u"StartDate", K::Date, OL_WRITE, OL_MEMBER(OlTaskItem, StartDate), 0, OL_NO_RECORD},
    {u"Status", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Status), 0, OL_NO_RECORD},
    {u"Subject", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Subject), 0, OL_NO_RECORD},
    {u"TeamTask", K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, TeamTask), 0, OL_NO_RECORD},
    {u"TotalWork", K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, TotalWork), 0, OL_NO_RECORD},
    {u"Categories", K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Categories), 0, OL_NO_RECORD},
};

// Card data and categories travel with at most 254 bytes of text either way: both sides of
// those rows are given as 255 bytes wide.
constexpr std::size_t kCut254 = 255;

const OlPropDef kCarriedProps[] = {
    {u"Subject", K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Subject), 0, OL_MEMBER(CommTaskRec, szSubject)},
    {u"Role", K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Role), 0, OL_MEMBER(CommTaskRec, szRole)},
    {u"Mileage", K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Mileage), 0, OL_MEMBER(CommTaskRec, szMileage)},
    {u"ReminderSoundFile", K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, ReminderSoundFile), 0,
     OL_MEMBER(CommTaskRec, szReminderSoundFile)},
    {u"CardData", K::Text, OL_CARRY, offsetof(OlTaskItem, CardData), kCut254, 0, offsetof(CommTaskRec, szCardData),
     kCut254},
    {u"Categories", K::Text, OL_CARRY, offsetof(OlTaskItem, Categories), kCut254, 0,
     offsetof(CommTaskRec, szCategory), kCut254},
    {u"Body", K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Body), 0, OL_MEMBER(CommTaskRec, szNote)},
    {u"ReminderSet", K::Bool, OL_TO_RECORD, OL_MEMBER(OlTaskItem, ReminderSet), 0,
     OL_MEMBER(CommTaskRec, bReminderSet)},
    {u"ReminderSet", K::Bool, OL_TO_RECORD, OL_MEMBER(OlTaskItem, ReminderSet), 0, OL_MEMBER(CommTaskRec, bAlarm)},
    {u"ReminderOverrideDefault", K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, ReminderOverrideDefault), 0,
     OL_MEMBER(CommTaskRec, bReminderOverrideDefault)},
    {u"ReminderPlaySound", K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, ReminderPlaySound), 0,
     OL_MEMBER(CommTaskRec, bReminderPlaySound)},
    {u"Complete", K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, Complete), 0, OL_MEMBER(CommTaskRec, bCompleted)},
    {u"IsRecurring", K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_MEMBER(CommTaskRec, bIsRecurring)},
    {u"TeamTask", K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, TeamTask), 0, OL_MEMBER(CommTaskRec, bTeamTask)},
    {u"Ordinal", K::Long, OL_CARRY, OL_MEMBER(OlTaskItem, Ordinal), 0, OL_MEMBER(CommTaskRec, nOrdinal)},
    {u"PercentComplete", K::Long, OL_CARRY, OL_MEMBER(OlTaskItem, PercentComplete), 0,
     OL_MEMBER(CommTaskRec, nPercentComplete)},
    {u"TotalWork", K::Long, OL_CARRY, OL_MEMBER(OlTaskItem, TotalWork), 0, OL_MEMBER(CommTaskRec, nTotalWork)},
    {u"CreationTime", K::Date, OL_TO_RECORD, OL_MEMBER(OlTaskItem, CreationTime), 0,
     OL_MEMBER(CommTaskRec, dCreationTime)},
    {u"LastModificationTime", K::Date, OL_TO_RECORD, OL_MEMBER(OlTaskItem, LastModificationTime), 0,
     OL_MEMBER(CommTaskRec, dLastModificationTime)},
};

}  // namespace

OlPropTable TaskReadProps() { return kReadProps; }
OlPropTable TaskPatternProps() { return kPatternProps; }
OlPropTable TaskTrailingReadProps() { return kTrailingReadProps; }
OlPropTable TaskLeadingWriteProps() { return kLeadingWriteProps; }
OlPropTable TaskReminderWriteProps() { return kReminderWriteProps; }
OlPropTable TaskTrailingWriteProps() { return kTrailingWriteProps; }
OlPropTable TaskCarriedProps() { return kCarriedProps; }
