// Recurrence patterns of appointments and tasks, written and read as the adapters do.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

namespace olsim_test {
namespace {

struct PatternValues {
    LONG recurrenceType;
    LONG interval;
    LONG dayOfWeekMask;
    LONG dayOfMonth;
    LONG instance;
    LONG monthOfYear;
    double patternEndDate;
};

PatternValues ReadPattern(CDispCmd& item)
{
    Object pattern = CallForObject(item, OLESTR("GetRecurrencePattern"));
    if (!pattern)
        return {};
    return {GetNumber(*pattern, OLESTR("RecurrenceType")), GetNumber(*pattern, OLESTR("Interval")),
            GetNumber(*pattern, OLESTR("DayOfWeekMask")),  GetNumber(*pattern, OLESTR("DayOfMonth")),
            GetNumber(*pattern, OLESTR("Instance")),       GetNumber(*pattern, OLESTR("MonthOfYear")),
            GetDateValue(*pattern, OLESTR("PatternEndDate"))};
}

void ExpectPattern(const PatternValues& actual, const PatternValues& expected)
{
    EXPECT_EQ(actual.recurrenceType, expected.recurrenceType);
    EXPECT_EQ(actual.interval, expected.interval);
    EXPECT_EQ(actual.dayOfWeekMask, expected.dayOfWeekMask);
    EXPECT_EQ(actual.dayOfMonth, expected.dayOfMonth);
    EXPECT_EQ(actual.instance, expected.instance);
    EXPECT_EQ(actual.monthOfYear, expected.monthOfYear);
    EXPECT_DOUBLE_EQ(actual.patternEndDate, expected.patternEndDate);
}

Object AppointmentOn(SimulatedOutlook& outlook, double start)
{
    Object appointment = outlook.Add(kCalendarFolder, kAppointmentItem);
    if (appointment) {
        EXPECT_EQ(appointment->PutDate(OLESTR("Start"), start), S_OK);
    }
    return appointment;
}

Object LastItem(SimulatedOutlook& outlook, int folderNumber)
{
    Object items = outlook.Items(folderNumber);
    const Arg last(GetNumber(*items, OLESTR("Count")));
    return CallForObject(*items, OLESTR("Item"), {&last});
}

// Tuesday 21 May 2024 (the third Tuesday of the month).
const double kTuesday = DateOf(2024, 5, 21, 14, 0);
constexpr LONG kTuesdayBit = 4;

TEST(RecurrenceTest, GetRecurrencePatternGivesTheDefaultAndTheSavedItemRecurs)
{
    SimulatedOutlook outlook;
    Object appointment = AppointmentOn(outlook, kTuesday);
    ASSERT_NE(appointment, nullptr);
    EXPECT_FALSE(GetFlag(*appointment, OLESTR("IsRecurring")));
    ExpectPattern(ReadPattern(*appointment), {1, 1, kTuesdayBit, 0, 0, 0, kNoneDate});
    ASSERT_EQ(Save(*appointment), S_OK);
    Object stored = LastItem(outlook, kCalendarFolder);
    ASSERT_NE(stored, nullptr);
    EXPECT_TRUE(GetFlag(*stored, OLESTR("IsRecurring")));
    EXPECT_EQ(GetNumber(*stored, OLESTR("RecurrenceState")), 1);
    ExpectPattern(ReadPattern(*stored), {1, 1, kTuesdayBit, 0, 0, 0, kNoneDate});
}

struct WriteCase {
    const char* label;
    LONG recurrenceType;
    std::vector<std::pair<const OLECHAR*, LONG>> puts;  // after RecurrenceType, in order
    double patternEnd;                                    // put when not 0
    PatternValues expected;
};

const WriteCase kWrites[] = {
    {"daily every other day", 0, {{OLESTR("Interval"), 2}}, 0, {0, 2, 0, 0, 0, 0, kNoneDate}},
    {"weekly on Monday and Friday until June", 1, {{OLESTR("DayOfWeekMask"), 2 | 32}}, DateOf(2024, 6, 30),
     {1, 1, 2 | 32, 0, 0, 0, DateOf(2024, 6, 30)}},
    {"monthly on the 21st by default", 2, {}, 0, {2, 1, 0, 21, 0, 0, kNoneDate}},
    {"monthly on the 5th every 3 months", 2, {{OLESTR("Interval"), 3}, {OLESTR("DayOfMonth"), 5}}, 0,
     {2, 3, 0, 5, 0, 0, kNoneDate}},
    {"the third Tuesday of each month by default", 3, {}, 0, {3, 1, kTuesdayBit, 0, 3, 0, kNoneDate}},
    {"yearly on 21 May by default", 5, {}, 0, {5, 1, 0, 21, 0, 5, kNoneDate}},
    {"yearly on 2 February", 5, {{OLESTR("DayOfMonth"), 2}, {OLESTR("MonthOfYear"), 2}}, 0,
     {5, 1, 0, 2, 0, 2, kNoneDate}},
    {"the last Friday of November", 6,
     {{OLESTR("Instance"), 5}, {OLESTR("DayOfWeekMask"), 32}, {OLESTR("MonthOfYear"), 11}}, 0,
     {6, 1, 32, 0, 5, 11, kNoneDate}},
};

TEST(RecurrenceTest, PatternsWrittenAreReadBackAfterSave)
{
    SimulatedOutlook outlook;
    for (const WriteCase& c : kWrites) {
        SCOPED_TRACE(c.label);
        Object appointment = AppointmentOn(outlook, kTuesday);
        ASSERT_NE(appointment, nullptr);
        Object pattern = CallForObject(*appointment, OLESTR("GetRecurrencePattern"));
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(pattern->PutLong(OLESTR("RecurrenceType"), c.recurrenceType), S_OK);
        for (const auto& [name, value] : c.puts)
            EXPECT_EQ(pattern->PutLong(name, value), S_OK);
        if (c.patternEnd != 0) {
            EXPECT_EQ(pattern->PutDate(OLESTR("PatternEndDate"), c.patternEnd), S_OK);
        }
        ASSERT_EQ(Save(*appointment), S_OK);
        Object stored = LastItem(outlook, kCalendarFolder);
        ASSERT_NE(stored, nullptr);
        EXPECT_TRUE(GetFlag(*stored, OLESTR("IsRecurring")));
        ExpectPattern(ReadPattern(*stored), c.expected);
    }
}

TEST(RecurrenceTest, ValuesOutlookRefuses)
{
    SimulatedOutlook outlook;
    Object appointment = AppointmentOn(outlook, kTuesday);
    Object pattern = CallForObject(*appointment, OLESTR("GetRecurrencePattern"));
    ASSERT_NE(pattern, nullptr);
    const struct {
        const OLECHAR* name;
        LONG value;
    } refusedPuts[] = {{OLESTR("RecurrenceType"), 4}, {OLESTR("RecurrenceType"), 7}, {OLESTR("RecurrenceType"), -1},
                       {OLESTR("Instance"), 0},       {OLESTR("Instance"), 6},       {OLESTR("MonthOfYear"), 13}};
    for (const auto& r : refusedPuts)
        EXPECT_EQ(pattern->PutLong(r.name, r.value), DISP_E_EXCEPTION) << r.value;

    // Other invalid values are taken, and the save refuses them.
    EXPECT_EQ(pattern->PutLong(OLESTR("Interval"), 0), S_OK);
    EXPECT_EQ(Save(*appointment), DISP_E_EXCEPTION);
    EXPECT_EQ(pattern->PutLong(OLESTR("Interval"), 1), S_OK);
    EXPECT_EQ(pattern->PutLong(OLESTR("DayOfWeekMask"), 0), S_OK);
    EXPECT_EQ(Save(*appointment), DISP_E_EXCEPTION);
    EXPECT_EQ(pattern->PutLong(OLESTR("DayOfWeekMask"), 8), S_OK);
    EXPECT_EQ(pattern->PutDate(OLESTR("PatternEndDate"), DateOf(2024, 5, 1)), S_OK);
    EXPECT_EQ(Save(*appointment), DISP_E_EXCEPTION) << "the end lies before the start";
    EXPECT_EQ(outlook.Count(kCalendarFolder), 0);
    EXPECT_EQ(pattern->PutBool(OLESTR("NoEndDate"), true), S_OK);
    EXPECT_EQ(Save(*appointment), S_OK);
    EXPECT_EQ(outlook.Count(kCalendarFolder), 1);
}

TEST(RecurrenceTest, TasksTakeTheirPatternFromTheStartOrDueDate)
{
    SimulatedOutlook outlook;
    const struct {
        double startDate;
        double dueDate;
        LONG mask;
    } cases[] = {
        {DateOf(2024, 5, 21), DateOf(2024, 5, 24), kTuesdayBit},
        {0, DateOf(2024, 5, 24), 32},
        {0, 0, 32},  // the clock's day, Friday 15 March 2024
    };
    for (const auto& c : cases) {
        Object task = outlook.Add(kTasksFolder, kTaskItem);
        ASSERT_NE(task, nullptr);
        if (c.startDate != 0) {
            EXPECT_EQ(task->PutDate(OLESTR("StartDate"), c.startDate), S_OK);
        }
        if (c.dueDate != 0) {
            EXPECT_EQ(task->PutDate(OLESTR("DueDate"), c.dueDate), S_OK);
        }
        Object pattern = CallForObject(*task, OLESTR("GetRecurrencePattern"));
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(GetNumber(*pattern, OLESTR("DayOfWeekMask")), c.mask);
        ASSERT_EQ(Save(*task), S_OK);
        Object stored = LastItem(outlook, kTasksFolder);
        ASSERT_NE(stored, nullptr);
        EXPECT_TRUE(GetFlag(*stored, OLESTR("IsRecurring")));
    }
    EXPECT_EQ(outlook.Count(kTasksFolder), 3);
}

TEST(RecurrenceTest, ClearRecurrencePatternMakesTheItemSingleAgain)
{
    SimulatedOutlook outlook;
    const struct {
        int folderNumber;
        int itemType;
    } kinds[] = {{kCalendarFolder, kAppointmentItem}, {kTasksFolder, kTaskItem}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.folderNumber);
        Object single = outlook.AddSaved(kind.folderNumber, kind.itemType, {{OLESTR("Subject"), "once"}});
        ASSERT_NE(single, nullptr);
        ASSERT_EQ(InvokeForOutcome(*single, OLESTR("ClearRecurrencePattern"), CallKind::Method).hr, S_OK);
        EXPECT_TRUE(GetFlag(*single, OLESTR("Saved"))) << "clearing a single item changes nothing";

        Object item = outlook.Add(kind.folderNumber, kind.itemType);
        ASSERT_NE(item, nullptr);
        Object pattern = CallForObject(*item, OLESTR("GetRecurrencePattern"));
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(pattern->PutLong(OLESTR("RecurrenceType"), 0), S_OK);
        ASSERT_EQ(Save(*item), S_OK);
        Object stored = LastItem(outlook, kind.folderNumber);
        ASSERT_NE(stored, nullptr);
        ASSERT_TRUE(GetFlag(*stored, OLESTR("IsRecurring")));
        Object storedPattern = CallForObject(*stored, OLESTR("GetRecurrencePattern"));
        ASSERT_NE(storedPattern, nullptr);

        ASSERT_EQ(InvokeForOutcome(*stored, OLESTR("ClearRecurrencePattern"), CallKind::Method).hr, S_OK);
        EXPECT_FALSE(GetFlag(*stored, OLESTR("IsRecurring")));
        EXPECT_FALSE(GetFlag(*stored, OLESTR("Saved")));
        EXPECT_EQ(InvokeForOutcome(*storedPattern, OLESTR("RecurrenceType"), CallKind::Get).hr, DISP_E_EXCEPTION);
        EXPECT_FALSE(GetFlag(*stored, OLESTR("IsRecurring"))) << "the earlier pattern object does not bring it back";
        ASSERT_EQ(Save(*stored), S_OK);

        outlook.Disconnect();
        outlook.Reconnect();
        Object reloaded = LastItem(outlook, kind.folderNumber);
        ASSERT_NE(reloaded, nullptr);
        EXPECT_FALSE(GetFlag(*reloaded, OLESTR("IsRecurring")));
        Object fresh = CallForObject(*reloaded, OLESTR("GetRecurrencePattern"));
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(GetNumber(*fresh, OLESTR("RecurrenceType")), 1) << "a new default pattern, not the daily one";
    }
}

}  // namespace
}  // namespace olsim_test
