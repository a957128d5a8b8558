// Values Outlook derives from others: an appointment's end, a contact's full name and
// e-mail display names, a note's subject.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

namespace olsim_test {
namespace {

struct TimeStep {
    const OLECHAR* name;   // Start, End or Duration; null for AllDayEvent
    double date;           // for Start and End
    LONG minutes;          // for Duration
    bool allDay;           // for AllDayEvent
    HRESULT expected;
    double start;          // then read back
    double end;
    LONG duration;
};

struct TimeCase {
    const char* label;
    std::vector<TimeStep> steps;
};

const double kNine = DateOf(2024, 5, 6, 9, 0);

const TimeCase kTimeCases[] = {
    {"start moves the end and keeps the duration",
     {{OLESTR("Start"), kNine, 0, false, S_OK, kNine, DateOf(2024, 5, 6, 9, 30), 30}}},
    {"duration moves the end",
     {{OLESTR("Start"), kNine, 0, false, S_OK, kNine, DateOf(2024, 5, 6, 9, 30), 30},
      {OLESTR("Duration"), 0, 90, false, S_OK, kNine, DateOf(2024, 5, 6, 10, 30), 90}}},
    {"end changes the duration",
     {{OLESTR("Start"), kNine, 0, false, S_OK, kNine, DateOf(2024, 5, 6, 9, 30), 30},
      {OLESTR("End"), DateOf(2024, 5, 7, 1, 15), 0, false, S_OK, kNine, DateOf(2024, 5, 7, 1, 15), 975},
      {OLESTR("Start"), DateOf(2024, 5, 8, 8, 0), 0, false, S_OK, DateOf(2024, 5, 8, 8, 0), DateOf(2024, 5, 9, 0, 15),
       975}}},
    {"an end before the start is refused",
     {{OLESTR("Start"), kNine, 0, false, S_OK, kNine, DateOf(2024, 5, 6, 9, 30), 30},
      {OLESTR("End"), DateOf(2024, 5, 6, 8, 0), 0, false, DISP_E_EXCEPTION, kNine, DateOf(2024, 5, 6, 9, 30), 30},
      {OLESTR("Duration"), 0, -5, false, DISP_E_EXCEPTION, kNine, DateOf(2024, 5, 6, 9, 30), 30}}},
    {"an all-day event spans whole days from midnight",
     {{OLESTR("Start"), kNine, 0, false, S_OK, kNine, DateOf(2024, 5, 6, 9, 30), 30},
      {nullptr, 0, 0, true, S_OK, DateOf(2024, 5, 6), DateOf(2024, 5, 7), 1440},
      {OLESTR("Duration"), 0, 1500, false, S_OK, DateOf(2024, 5, 6), DateOf(2024, 5, 8), 2880},
      {OLESTR("Start"), DateOf(2024, 5, 10, 14, 0), 0, false, S_OK, DateOf(2024, 5, 10), DateOf(2024, 5, 12), 2880}}},
    {"dates before 1900 keep their time of day",
     {{OLESTR("Start"), DateOf(1899, 12, 29, 6, 0), 0, false, S_OK, DateOf(1899, 12, 29, 6, 0),
       DateOf(1899, 12, 29, 6, 30), 30},
      {OLESTR("Duration"), 0, 1440, false, S_OK, DateOf(1899, 12, 29, 6, 0), DateOf(1899, 12, 30, 6, 0), 1440}}},
};

TEST(AppointmentTimesTest, StartEndAndDurationStayTied)
{
    SimulatedOutlook outlook;
    for (const TimeCase& c : kTimeCases) {
        SCOPED_TRACE(c.label);
        Object appointment = outlook.Add(kCalendarFolder, kAppointmentItem);
        ASSERT_NE(appointment, nullptr);
        for (const TimeStep& step : c.steps) {
            HRESULT hr = S_OK;
            if (!step.name)
                hr = appointment->PutBool(OLESTR("AllDayEvent"), step.allDay);
            else if (platform::OleStringView(step.name) == OLESTR("Duration"))
                hr = appointment->PutLong(step.name, step.minutes);
            else
                hr = appointment->PutDate(step.name, step.date);
            EXPECT_EQ(hr, step.expected);
            EXPECT_NEAR(GetDateValue(*appointment, OLESTR("Start")), step.start, 1e-9);
            EXPECT_NEAR(GetDateValue(*appointment, OLESTR("End")), step.end, 1e-9);
            EXPECT_EQ(GetNumber(*appointment, OLESTR("Duration")), step.duration);
        }
        ASSERT_EQ(Save(*appointment), S_OK);
        const TimeStep& last = c.steps.back();
        Object items = outlook.Items(kCalendarFolder);
        const Arg position(GetNumber(*items, OLESTR("Count")));
        Object stored = CallForObject(*items, OLESTR("Item"), {&position});
        ASSERT_NE(stored, nullptr);
        EXPECT_NEAR(GetDateValue(*stored, OLESTR("End")), last.end, 1e-9);
        EXPECT_EQ(GetNumber(*stored, OLESTR("Duration")), last.duration);
    }
}

TEST(AppointmentTimesTest, NewAppointmentStartsAtTheNextHalfHourOfTheClock)
{
    SimulatedOutlook outlook;
    const struct {
        int hour, minute, second;
        double start;
    } cases[] = {
        {10, 10, 0, DateOf(2024, 3, 15, 10, 30)},
        {10, 30, 0, DateOf(2024, 3, 15, 11, 0)},
        {10, 59, 59, DateOf(2024, 3, 15, 11, 0)},
        {23, 45, 0, DateOf(2024, 3, 16, 0, 0)},
    };
    for (const auto& c : cases) {
        outlook.Clock().Set(platform::MakeSystemTime(2024, 3, 15, static_cast<WORD>(c.hour),
                                                     static_cast<WORD>(c.minute), static_cast<WORD>(c.second)));
        Object appointment = outlook.Add(kCalendarFolder, kAppointmentItem);
        ASSERT_NE(appointment, nullptr);
        EXPECT_NEAR(GetDateValue(*appointment, OLESTR("Start")), c.start, 1e-9) << c.hour << ":" << c.minute;
        EXPECT_EQ(GetNumber(*appointment, OLESTR("Duration")), 30);
    }
}

struct NameStep {
    const OLECHAR* property;
    const char* text;
    const char* fullName;
    const char* displayName;
};

TEST(ContactNamesTest, FullNameFollowsThePartsUntilItIsPut)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    const NameStep steps[] = {
        {OLESTR("Email1Address"), "ann@example.com", "", "ann@example.com"},
        {OLESTR("LastName"), "Baker", "Baker", "Baker"},
        {OLESTR("FirstName"), "Ann", "Ann Baker", "Ann Baker"},
        {OLESTR("MiddleName"), "C.", "Ann C. Baker", "Ann C. Baker"},
        {OLESTR("Title"), "Dr.", "Dr. Ann C. Baker", "Dr. Ann C. Baker"},
        {OLESTR("Suffix"), "Jr.", "Dr. Ann C. Baker Jr.", "Dr. Ann C. Baker Jr."},
        {OLESTR("FullName"), "Annie Baker", "Annie Baker", "Annie Baker"},
        {OLESTR("FirstName"), "Anne", "Annie Baker", "Annie Baker"},
        {OLESTR("Email1DisplayName"), "Ann at home", "Annie Baker", "Ann at home"},
    };
    for (const NameStep& step : steps) {
        ASSERT_EQ(contact->PutString(step.property, step.text), S_OK);
        EXPECT_EQ(GetText(*contact, OLESTR("FullName")), step.fullName) << step.text;
        EXPECT_EQ(GetText(*contact, OLESTR("Email1DisplayName")), step.displayName) << step.text;
    }
    EXPECT_EQ(GetText(*contact, OLESTR("Email1AddressType")), "SMTP");
    EXPECT_EQ(GetText(*contact, OLESTR("Email2AddressType")), "") << "no second address";
    EXPECT_EQ(GetText(*contact, OLESTR("Email2DisplayName")), "");
    ASSERT_EQ(Save(*contact), S_OK);
    Object stored = CallForObject(*outlook.Items(kContactsFolder), OLESTR("GetFirst"));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(GetText(*stored, OLESTR("FullName")), "Annie Baker");
    EXPECT_EQ(GetText(*stored, OLESTR("FirstName")), "Anne");
}

TEST(NoteSubjectTest, SubjectIsTheFirstLineOfTheBody)
{
    SimulatedOutlook outlook;
    const struct {
        const char* body;
        const char* subject;
    } cases[] = {
        {"Shopping list\r\nmilk\r\nbread", "Shopping list"},
        {"Call Bob\nat noon", "Call Bob"},
        {"One line only", "One line only"},
        {"\r\nstarts empty", ""},
    };
    for (const auto& c : cases) {
        Object note = outlook.Add(kNotesFolder, kNoteItem);
        ASSERT_NE(note, nullptr);
        ASSERT_EQ(note->PutString(OLESTR("Body"), c.body), S_OK);
        EXPECT_EQ(GetText(*note, OLESTR("Subject")), c.subject);
        ASSERT_EQ(Save(*note), S_OK);
    }
    Object items = outlook.Items(kNotesFolder);
    const Arg first(1);
    Object stored = CallForObject(*items, OLESTR("Item"), {&first});
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(GetText(*stored, OLESTR("Subject")), "Shopping list");
    EXPECT_EQ(GetText(*stored, OLESTR("Body")), "Shopping list\r\nmilk\r\nbread");
}

}  // namespace
}  // namespace olsim_test
