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
    Object pattern = CallForObject(item, u"GetRecurrencePattern");
    if (!pattern)
        return {};
    return {GetNumber(*pattern, u"RecurrenceType"), GetNumber(*pattern, u"Interval"),
            GetNumber(*pattern, u"DayOfWeekMask"),  GetNumber(*pattern, u"DayOfMonth"),
            GetNumber(*pattern, u"Instance"),       GetNumber(*pattern, u"MonthOfYear"),
            GetDateValue(*pattern, u"PatternEndDate")};
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
        EXPECT_EQ(appointment->PutDate(u"Start", start), S_OK);
    }
    return appointment;
}

Object LastItem(SimulatedOutlook& outlook, int folderNumber)
{
    Object items = outlook.Items(folderNumber);
    const Arg last(GetNumber(*items, u"Count"));
    return CallForObject(*items, u"Item", {&last});
}

// Tuesday 21 May 2024 (the third Tuesday of the month).
const double kTuesday = DateOf(2024, 5, 21, 14, 0);
constexpr LONG kTuesdayBit = 4;

TEST(RecurrenceTest, GetRecurrencePatternGivesTheDefaultAndTheSavedItemRecurs)
{
    SimulatedOutlook outlook;
    Object appointment = AppointmentOn(outlook, kTuesday);
    ASSERT_NE(appointment, nullptr);
    EXPECT_FALSE(GetFlag(*appointment, u"IsRecurring"));
    ExpectPattern(ReadPattern(*appointment), {1, 1, kTuesdayBit, 0, 0, 0, kNoneDate});
    ASSERT_EQ(Save(*appointment), S_OK);
    Object stored = LastItem(outlook, kCalendarFolder);
    ASSERT_NE(stored, nullptr);
    EXPECT_TRUE(GetFlag(*stored, u"IsRecurring"));
    EXPECT_EQ(GetNumber(*stored, u"RecurrenceState"), 1);
    ExpectPattern(ReadPattern(*stored), {1, 1, kTuesdayBit, 0, 0, 0, kNoneDate});
}

struct WriteCase {
    const char* label;
    LONG recurrenceType;
    std::vector<std::pair<const char16_t*, LONG>> puts;  // after RecurrenceType, in order
    double patternEnd;                                     // put when not 0
    PatternValues expected;
};

const WriteCase kWrites[] = {
    {"daily every other day", 0, {{u"Interval", 2}}, 0, {0, 2, 0, 0, 0, 0, kNoneDate}},
    {"weekly on Monday and Friday until June", 1, {{u"DayOfWeekMask", 2 | 32}}, DateOf(2024, 6, 30),
     {1, 1, 2 | 32, 0, 0, 0, DateOf(2024, 6, 30)}},
    {"monthly on the 21st by default", 2, {}, 0, {2, 1, 0, 21, 0, 0, kNoneDate}},
    {"monthly on the 5th every 3 months", 2, {{u"Interval", 3}, {u"DayOfMonth", 5}}, 0, {2, 3, 0, 5, 0, 0, kNoneDate}},
    {"the third Tuesday of each month by default", 3, {}, 0, {3, 1, kTuesdayBit, 0, 3, 0, kNoneDate}},
    {"yearly on 21 May by default", 5, {}, 0, {5, 1, 0, 21, 0, 5, kNoneDate}},
    {"yearly on 2 February", 5, {{u"DayOfMonth", 2}, {u"MonthOfYear", 2}}, 0, {5, 1, 0, 2, 0, 2, kNoneDate}},
    {"the last Friday of November", 6, {{u"Instance", 5}, {u"DayOfWeekMask", 32}, {u"MonthOfYear", 11}}, 0,
     {6, 1, 32, 0, 5, 11, kNoneDate}},
};

TEST(RecurrenceTest, PatternsWrittenAreReadBackAfterSave)
{
    SimulatedOutlook outlook;
    for (const WriteCase& c : kWrites) {
        SCOPED_TRACE(c.label);
        Object appointment = AppointmentOn(outlook, kTuesday);
        ASSERT_NE(appointment, nullptr);
        Object pattern = CallForObject(*appointment, u"GetRecurrencePattern");
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(pattern->PutLong(u"RecurrenceType", c.recurrenceType), S_OK);
        for (const auto& [name, value] : c.puts)
            EXPECT_EQ(pattern->PutLong(name, value), S_OK);
        if (c.patternEnd != 0) {
            EXPECT_EQ(pattern->PutDate(u"PatternEndDate", c.patternEnd), S_OK);
        }
        ASSERT_EQ(Save(*appointment), S_OK);
        Object stored = LastItem(outlook, kCalendarFolder);
        ASSERT_NE(stored, nullptr);
        EXPECT_TRUE(GetFlag(*stored, u"IsRecurring"));
        ExpectPattern(ReadPattern(*stored), c.expected);
    }
}

TEST(RecurrenceTest, ValuesOutlookRefuses)
{
    SimulatedOutlook outlook;
    Object appointment = AppointmentOn(outlook, kTuesday);
    Object pattern = CallForObject(*appointment, u"GetRecurrencePattern");
    ASSERT_NE(pattern, nullptr);
    const struct {
        const char16_t* name;
        LONG value;
    } refusedPuts[] = {{u"RecurrenceType", 4}, {u"RecurrenceType", 7}, {u"RecurrenceType", -1},
                       {u"Instance", 0},       {u"Instance", 6},       {u"MonthOfYear", 13}};
    for (const auto& r : refusedPuts)
        EXPECT_EQ(pattern->PutLong(r.name, r.value), DISP_E_EXCEPTION) << r.value;

    // Other invalid values are taken, and the save refuses them.
    EXPECT_EQ(pattern->PutLong(u"Interval", 0), S_OK);
    EXPECT_EQ(Save(*appointment), DISP_E_EXCEPTION);
    EXPECT_EQ(pattern->PutLong(u"Interval", 1), S_OK);
    EXPECT_EQ(pattern->PutLong(u"DayOfWeekMask", 0), S_OK);
    EXPECT_EQ(Save(*appointment), DISP_E_EXCEPTION);
    EXPECT_EQ(pattern->PutLong(u"DayOfWeekMask", 8), S_OK);
    EXPECT_EQ(pattern->PutDate(u"PatternEndDate", DateOf(2024, 5, 1)), S_OK);
    EXPECT_EQ(Save(*appointment), DISP_E_EXCEPTION) << "the end lies before the start";
    EXPECT_EQ(outlook.Count(kCalendarFolder), 0);
    EXPECT_EQ(pattern->PutBool(u"NoEndDate", true), S_OK);
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
            EXPECT_EQ(task->PutDate(u"StartDate", c.startDate), S_OK);
        }
        if (c.dueDate != 0) {
            EXPECT_EQ(task->PutDate(u"DueDate", c.dueDate), S_OK);
        }
        Object pattern = CallForObject(*task, u"GetRecurrencePattern");
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(GetNumber(*pattern, u"DayOfWeekMask"), c.mask);
        ASSERT_EQ(Save(*task), S_OK);
        Object stored = LastItem(outlook, kTasksFolder);
        ASSERT_NE(stored, nullptr);
        EXPECT_TRUE(GetFlag(*stored, u"IsRecurring"));
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
        Object single = outlook.AddSaved(kind.folderNumber, kind.itemType, {{u"Subject", "once"}});
        ASSERT_NE(single, nullptr);
        ASSERT_EQ(InvokeForOutcome(*single, u"ClearRecurrencePattern", CallKind::Method).hr, S_OK);
        EXPECT_TRUE(GetFlag(*single, u"Saved")) << "clearing a single item changes nothing";

        Object item = outlook.Add(kind.folderNumber, kind.itemType);
        ASSERT_NE(item, nullptr);
        Object pattern = CallForObject(*item, u"GetRecurrencePattern");
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(pattern->PutLong(u"RecurrenceType", 0), S_OK);
        ASSERT_EQ(Save(*item), S_OK);
        Object stored = LastItem(outlook, kind.folderNumber);
        ASSERT_NE(stored, nullptr);
        ASSERT_TRUE(GetFlag(*stored, u"IsRecurring"));
        Object storedPattern = CallForObject(*stored, u"GetRecurrencePattern");
        ASSERT_NE(storedPattern, nullptr);

        ASSERT_EQ(InvokeForOutcome(*stored, u"ClearRecurrencePattern", CallKind::Method).hr, S_OK);
        EXPECT_FALSE(GetFlag(*stored, u"IsRecurring"));
        EXPECT_FALSE(GetFlag(*stored, u"Saved"));
        EXPECT_EQ(InvokeForOutcome(*storedPattern, u"RecurrenceType", CallKind::Get).hr, DISP_E_EXCEPTION);
        EXPECT_FALSE(GetFlag(*stored, u"IsRecurring")) << "the earlier pattern object does not bring it back";
        ASSERT_EQ(Save(*stored), S_OK);

        outlook.Disconnect();
        outlook.Reconnect();
        Object reloaded = LastItem(outlook, kind.folderNumber);
        ASSERT_NE(reloaded, nullptr);
        EXPECT_FALSE(GetFlag(*reloaded, u"IsRecurring"));
        Object fresh = CallForObject(*reloaded, u"GetRecurrencePattern");
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(GetNumber(*fresh, u"RecurrenceType"), 1) << "a new default pattern, not the daily one";
    }
}

}  // namespace
}  // namespace olsim_test
