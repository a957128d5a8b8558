#include "common/outlook/OlTaskCodes.h"

#include "common/misc/CxDateTime.h"
#include "common/outlook/OlAdapterShared.h"

namespace {

struct ImportanceCode {
    LONG nImportance;  // Outlook's
    LONG nPriority;    // the record's
};

constexpr ImportanceCode kImportanceCodes[] = {
    {2, kTaskPriorityHigh},
    {0, kTaskPriorityLow},
};
constexpr LONG kNormalImportance = 1;

LONG PriorityOf(LONG nImportance)
{
    for (const ImportanceCode& code : kImportanceCodes) {
        if (code.nImportance == nImportance)
            return code.nPriority;
    }
    return kTaskPriorityNormal;
}

LONG ImportanceOf(LONG nPriority)
{
    for (const ImportanceCode& code : kImportanceCodes) {
        if (code.nPriority == nPriority)
            return code.nImportance;
    }
    return kNormalImportance;
}

// Codes carried as they are within their range; any other value becomes 0.
struct RangedCode {
    LONG OlTaskItem::*pImage;
    LONG CommTaskRec::*pRecord;
    LONG nHighest;
};

constexpr RangedCode kRangedCodes[] = {
    {&OlTaskItem::Sensitivity, &CommTaskRec::nSensitivity, 3},
    {&OlTaskItem::Status, &CommTaskRec::nStatus, 4},
    {&OlTaskItem::ResponseState, &CommTaskRec::nResponseState, 3},
};

LONG InRange(LONG nValue, LONG nHighest) { return nValue >= 0 && nValue <= nHighest ? nValue : 0; }

constexpr LONG kNormalSensitivity = 0;
constexpr LONG kPrivateSensitivity = 2;

struct TaskDate {
    DATE OlTaskItem::*pImage;
    time_t CommTaskRec::*pRecord;
};

constexpr TaskDate kTaskDates[] = {
    {&OlTaskItem::ReminderTime, &CommTaskRec::tReminderTime},
    {&OlTaskItem::DueDate, &CommTaskRec::tDueDate},
    {&OlTaskItem::StartDate, &CommTaskRec::tStartDate},
};

constexpr time_t kNoTaskDate = -1;

}  // namespace

void TaskCodesToRecord(const OlTaskItem& item, CommTaskRec& rec)
{
    rec.nPriority = PriorityOf(item.Importance);
    for (const RangedCode& code : kRangedCodes)
        rec.*code.pRecord = InRange(item.*code.pImage, code.nHighest);
    if (item.Sensitivity != kNormalSensitivity)
        rec.bPrivate = 1;
}

void TaskCodesToItem(const CommTaskRec& rec, OlTaskItem& item)
{
    item.Importance = ImportanceOf(rec.nPriority);
    for (const RangedCode& code : kRangedCodes)
        item.*code.pImage = InRange(rec.*code.pRecord, code.nHighest);
    if (rec.bPrivate && item.Sensitivity == kNormalSensitivity)
        item.Sensitivity = kPrivateSensitivity;
}

void TaskDatesToRecord(const OlTaskItem& item, CommTaskRec& rec)
{
    for (const TaskDate& date : kTaskDates) {
        const DATE dValue = item.*date.pImage;
        if (IsOutlookDate(dValue))
            VariantDateToTimeT(dValue, &(rec.*date.pRecord));
        else
            rec.*date.pRecord = kNoTaskDate;
    }
}

void TaskDatesToItem(const CommTaskRec& rec, OlTaskItem& item)
{
    for (const TaskDate& date : kTaskDates) {
        DATE dValue = 0.0;
        const time_t tValue = rec.*date.pRecord;
        if (tValue <= 0 || !TimeTToVariantDate(tValue, &dValue) || !IsOutlookDate(dValue))
            dValue = 0.0;
        item.*date.pImage = dValue;
    }
}
