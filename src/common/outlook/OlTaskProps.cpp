#include "common/outlook/OlTaskProps.h"

#include "common/outlook/OlTaskItem.h"
#include "records/CommTaskRec.h"

namespace {

using K = OlPropKind;

const OlPropDef kReadProps[] = {
    {OLESTR("Body"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, Body), 20479, OL_NO_RECORD},
    {OLESTR("CardData"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, CardData), 255, OL_NO_RECORD},
    {OLESTR("Complete"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, Complete), 0, OL_NO_RECORD},
    {OLESTR("DueDate"), K::Date, OL_READ, OL_MEMBER(OlTaskItem, DueDate), 0, OL_NO_RECORD},
    {OLESTR("EntryID"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, EntryID), 1023, OL_NO_RECORD},
    {OLESTR("Importance"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, Importance), 0, OL_NO_RECORD},
    {OLESTR("IsRecurring"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_NO_RECORD},
    {OLESTR("Mileage"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, Mileage), 255, OL_NO_RECORD},
    {OLESTR("Ordinal"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, Ordinal), 0, OL_NO_RECORD},
    {OLESTR("PercentComplete"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, PercentComplete), 0, OL_NO_RECORD},
    {OLESTR("ReminderOverrideDefault"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, ReminderOverrideDefault), 0,
     OL_NO_RECORD},
    {OLESTR("ReminderPlaySound"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, ReminderPlaySound), 0, OL_NO_RECORD},
    {OLESTR("ReminderSet"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, ReminderSet), 0, OL_NO_RECORD},
    {OLESTR("ReminderSoundFile"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, ReminderSoundFile), 259, OL_NO_RECORD},
    {OLESTR("ReminderTime"), K::Date, OL_READ, OL_MEMBER(OlTaskItem, ReminderTime), 0, OL_NO_RECORD},
    {OLESTR("ResponseState"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, ResponseState), 0, OL_NO_RECORD},
    {OLESTR("Role"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, Role), 31, OL_NO_RECORD},
    {OLESTR("Sensitivity"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, Sensitivity), 0, OL_NO_RECORD},
    {OLESTR("StartDate"), K::Date, OL_READ, OL_MEMBER(OlTaskItem, StartDate), 0, OL_NO_RECORD},
    {OLESTR("Status"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, Status), 0, OL_NO_RECORD},
    {OLESTR("Subject"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, Subject), 255, OL_NO_RECORD},
    {OLESTR("TeamTask"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, TeamTask), 0, OL_NO_RECORD},
    {OLESTR("TotalWork"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, TotalWork), 0, OL_NO_RECORD},
    {OLESTR("IsRecurring"), K::Bool, OL_READ, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_NO_RECORD},
};

const OlPropDef kPatternProps[] = {
    {OLESTR("RecurrenceType"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, RecurrenceType), 0, OL_NO_RECORD},
    {OLESTR("Interval"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, Interval), 0, OL_NO_RECORD},
    {OLESTR("DayOfWeekMask"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, DayOfWeekMask), 0, OL_NO_RECORD},
    {OLESTR("DayOfMonth"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, DayOfMonth), 0, OL_NO_RECORD},
    {OLESTR("Instance"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, Instance), 0, OL_NO_RECORD},
    {OLESTR("MonthOfYear"), K::Long, OL_READ, OL_MEMBER(OlTaskItem, MonthOfYear), 0, OL_NO_RECORD},
    {OLESTR("PatternEndDate"), K::Date, OL_READ, OL_MEMBER(OlTaskItem, PatternEndDate), 0, OL_NO_RECORD},
};

const OlPropDef kTrailingReadProps[] = {
    {OLESTR("Categories"), K::Text, OL_READ, OL_MEMBER(OlTaskItem, Categories), 255, OL_NO_RECORD},
    {OLESTR("CreationTime"), K::Date, OL_READ, OL_MEMBER(OlTaskItem, CreationTime), 0, OL_NO_RECORD},
    {OLESTR("LastModificationTime"), K::Date, OL_READ, OL_MEMBER(OlTaskItem, LastModificationTime), 0, OL_NO_RECORD},
};

const OlPropDef kLeadingWriteProps[] = {
    {OLESTR("Body"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Body), 0, OL_NO_RECORD},
    {OLESTR("CardData"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, CardData), 0, OL_NO_RECORD},
    {OLESTR("Complete"), K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, Complete), 0, OL_NO_RECORD},
    {OLESTR("DueDate"), K::Date, OL_WRITE, OL_MEMBER(OlTaskItem, DueDate), 0, OL_NO_RECORD},
    {OLESTR("Importance"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Importance), 0, OL_NO_RECORD},
    {OLESTR("IsRecurring"), K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, IsRecurring), 0, OL_NO_RECORD},
    {OLESTR("Mileage"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Mileage), 0, OL_NO_RECORD},
    {OLESTR("Ordinal"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Ordinal), 0, OL_NO_RECORD},
    {OLESTR("PercentComplete"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, PercentComplete), 0, OL_NO_RECORD},
    {OLESTR("ReminderSet"), K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderSet), 0, OL_NO_RECORD},
};

const OlPropDef kReminderWriteProps[] = {
    {OLESTR("ReminderOverrideDefault"), K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderOverrideDefault), 0,
     OL_NO_RECORD},
    {OLESTR("ReminderPlaySound"), K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderPlaySound), 0, OL_NO_RECORD},
    {OLESTR("ReminderSoundFile"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderSoundFile), 0, OL_NO_RECORD},
    {OLESTR("ReminderTime"), K::Date, OL_WRITE, OL_MEMBER(OlTaskItem, ReminderTime), 0, OL_NO_RECORD},
};

const OlPropDef kTrailingWriteProps[] = {
    {OLESTR("ResponseState"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, ResponseState), 0, OL_NO_RECORD},
    {OLESTR("Role"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Role), 0, OL_NO_RECORD},
    {OLESTR("Sensitivity"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Sensitivity), 0, OL_NO_RECORD},
    {OLESTR("StartDate"), K::Date, OL_WRITE, OL_MEMBER(OlTaskItem, StartDate), 0, OL_NO_RECORD},
    {OLESTR("Status"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, Status), 0, OL_NO_RECORD},
    {OLESTR("Subject"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Subject), 0, OL_NO_RECORD},
    {OLESTR("TeamTask"), K::Bool, OL_WRITE, OL_MEMBER(OlTaskItem, TeamTask), 0, OL_NO_RECORD},
    {OLESTR("TotalWork"), K::Long, OL_WRITE, OL_MEMBER(OlTaskItem, TotalWork), 0, OL_NO_RECORD},
    {OLESTR("Categories"), K::Text, OL_WRITE, OL_MEMBER(OlTaskItem, Categories), 0, OL_NO_RECORD},
};

// Card data and categories travel with at most 254 bytes of text either way: both sides of
// those rows are given as 255 bytes wide.
constexpr std::size_t kCut254 = 255;

const OlPropDef kCarriedProps[] = {
    {OLESTR("Subject"), K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Subject), 0, OL_MEMBER(CommTaskRec, szSubject)},
    {OLESTR("Role"), K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Role), 0, OL_MEMBER(CommTaskRec, szRole)},
    {OLESTR("Mileage"), K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Mileage), 0, OL_MEMBER(CommTaskRec, szMileage)},
    {OLESTR("ReminderSoundFile"), K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, ReminderSoundFile), 0,
     OL_MEMBER(CommTaskRec, szReminderSoundFile)},
    {OLESTR("CardData"), K::Text, OL_CARRY, offsetof(OlTaskItem, CardData), kCut254, 0,
     offsetof(CommTaskRec, szCardData), kCut254},
    {OLESTR("Categories"), K::Text, OL_CARRY, offsetof(OlTaskItem, Categories), kCut254, 0,
     offsetof(CommTaskRec, szCategory), kCut254},
    {OLESTR("Body"), K::Text, OL_CARRY, OL_MEMBER(OlTaskItem, Body), 0, OL_MEMBER(CommTaskRec, szNote)},
    {OLESTR("ReminderSet"), K::Bool, OL_TO_RECORD, OL_MEMBER(OlTaskItem, ReminderSet), 0,
     OL_MEMBER(CommTaskRec, bReminderSet)},
    {OLESTR("ReminderSet"), K::Bool, OL_TO_RECORD, OL_MEMBER(OlTaskItem, ReminderSet), 0,
     OL_MEMBER(CommTaskRec, bAlarm)},
    {OLESTR("ReminderOverrideDefault"), K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, ReminderOverrideDefault), 0,
     OL_MEMBER(CommTaskRec, bReminderOverrideDefault)},
    {OLESTR("ReminderPlaySound"), K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, ReminderPlaySound), 0,
     OL_MEMBER(CommTaskRec, bReminderPlaySound)},
    {OLESTR("Complete"), K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, Complete), 0, OL_MEMBER(CommTaskRec, bCompleted)},
    {OLESTR("IsRecurring"), K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, IsRecurring), 0,
     OL_MEMBER(CommTaskRec, bIsRecurring)},
    {OLESTR("TeamTask"), K::Bool, OL_CARRY, OL_MEMBER(OlTaskItem, TeamTask), 0, OL_MEMBER(CommTaskRec, bTeamTask)},
    {OLESTR("Ordinal"), K::Long, OL_CARRY, OL_MEMBER(OlTaskItem, Ordinal), 0, OL_MEMBER(CommTaskRec, nOrdinal)},
    {OLESTR("PercentComplete"), K::Long, OL_CARRY, OL_MEMBER(OlTaskItem, PercentComplete), 0,
     OL_MEMBER(CommTaskRec, nPercentComplete)},
    {OLESTR("TotalWork"), K::Long, OL_CARRY, OL_MEMBER(OlTaskItem, TotalWork), 0, OL_MEMBER(CommTaskRec, nTotalWork)},
    {OLESTR("CreationTime"), K::Date, OL_TO_RECORD, OL_MEMBER(OlTaskItem, CreationTime), 0,
     OL_MEMBER(CommTaskRec, dCreationTime)},
    {OLESTR("LastModificationTime"), K::Date, OL_TO_RECORD, OL_MEMBER(OlTaskItem, LastModificationTime), 0,
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
