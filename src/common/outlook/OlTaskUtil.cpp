#include "common/outlook/OlTaskUtil.h"

#include "common/outlook/OlItemAdapterImpl.h"
#include "common/outlook/OlTaskCodes.h"
#include "common/outlook/OlTaskProps.h"

template <>
struct OlKindHooks<OlKind::Tasks> {
    static void GetProperties(CDispCmd& item, OlTaskItem& image)
    {
        ReadItemProperties(item, TaskReadProps(), &image);
        ReadRecurrence(item, TaskPatternProps(), image);
        ReadItemProperties(item, TaskTrailingReadProps(), &image);
    }

    // The reminder's details are put only when the reminder is on.
    static void PutProperties(CDispCmd& item, const OlTaskItem& image)
    {
        WriteItemProperties(item, TaskLeadingWriteProps(), &image);
        if (image.ReminderSet)
            WriteItemProperties(item, TaskReminderWriteProps(), &image);
        WriteItemProperties(item, TaskTrailingWriteProps(), &image);
    }

    // Dates Outlook holds as "none", or that cannot be converted, read as -1.
    static void FillRecord(const OlTaskItem& image, CommTaskRec& rec)
    {
        CopyImageToRecord(TaskCarriedProps(), &image, &rec);
        TaskDatesToRecord(image, rec);
        TaskCodesToRecord(image, rec);
        rec.nSource = OL_SOURCE_OUTLOOK;
    }

    // Only due dates, start dates and reminder times above 0 and before Outlook's "none"
    // year are put; no recurrence pattern is ever written.
    static void FillImage(const CommTaskRec& rec, OlTaskItem& image)
    {
        CopyRecordToImage(TaskCarriedProps(), &rec, &image);
        image.ReminderSet = rec.bReminderSet || rec.bAlarm;
        TaskDatesToItem(rec, image);
        TaskCodesToItem(rec, image);
        image.RecurrenceType = OL_NO_RECURRENCE;
    }
};

template class OlItemAdapter<OlTaskUtil, OlKind::Tasks, OlTaskItem, CommTaskRec, CommTaskMgr>;
