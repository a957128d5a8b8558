// Calendars through the real pages with their days: an export with the date columns imports
// back into an empty calendar as the same appointments, importing it again changes nothing,
// and a calendar exported by another program keeps its days and times.
#include "WizardDriver.h"

#include "main/Datedata.h"
#include "olsim/ItemBuilder.h"
#include "olsim/ProfileStore.h"

#include <QJsonObject>
#include <QLabel>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The columns an export needs for another program, or this one, to rebuild the appointments.
const QStringList kColumns = {"Subject",  "Start Date", "Start Time", "End Date", "End Time", "All Day Event",
                              "Location", "Category",   "Note",       "Reminder Set", "Reminder Minutes Before Start"};

const char* const kProperties[] = {"Subject",  "Start",      "End",  "AllDayEvent", "ReminderSet",
                                   "Location", "Categories", "Body", "ReminderMinutesBeforeStart"};

// Olsim property texts, in the order they are set.
using PropertyTexts = std::vector<std::pair<const char*, const char*>>;

// Appointments that only come back with their days: all-day ones over one and several days,
// one over midnight, one after 2030, reminders on and off with their own lead.
const PropertyTexts kAppointments[] = {
    {{"Subject", "Dentist"},
     {"Start", "2024-05-14 08:15"},
     {"Duration", "45"},
     {"Location", "Dr. Ruiz, 12 Harbor St."},
     {"Categories", "Personal"},
     {"Body", "Bring the card.\r\nAsk about the x-ray."},
     {"ReminderSet", "true"},
     {"ReminderMinutesBeforeStart", "90"}},
    {{"Subject", "Trade fair"},
     {"Start", "2024-06-10"},
     {"AllDayEvent", "true"},
     {"End", "2024-06-13"},
     {"Location", "Messe Hall 3"},
     {"Categories", "Work, Travel"},
     {"ReminderSet", "false"}},
    {{"Subject", "Company holiday"},
     {"Start", "2024-07-04"},
     {"AllDayEvent", "true"},
     {"ReminderSet", "true"},
     {"ReminderMinutesBeforeStart", "1080"}},
    {{"Subject", "Night shift"},
     {"Start", "2024-03-20 23:00"},
     {"Duration", "120"},
     {"ReminderSet", "true"},
     {"ReminderMinutesBeforeStart", "0"}},
    {{"Subject", "Caf\xC3\xA9 with Zo\xC3\xAB"},
     {"Start", "2031-01-15 12:30:45"},
     {"Duration", "60"},
     {"Location", "Caf\xC3\xA9 Lumi\xC3\xA8re"},
     {"ReminderSet", "false"},
     {"ReminderMinutesBeforeStart", "30"}},
};

std::string TitleFixture(const char* szName)
{
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "titles" / szName).string();
}

class CalendarDates : public WizardDriverTest {
protected:
    static void AddAppointments()
    {
        olsim::ProfileStore store(olsim::ProfilePath());
        for (const PropertyTexts& appointment : kAppointments) {
            olsim::ItemBuilder builder(olsim::ItemKind::Appointment);
            for (const auto& [szProperty, szValue] : appointment)
                builder.Set(szProperty, szValue);
            store.Save(builder.Item());
        }
    }

    // Page 1 with a file whose title row places the columns, then the run.
    void Import(const std::string& file)
    {
        Wizard().GoToStep(0);
        ChooseConversion(MODE_C2O, FLAG_DATE);
        SetFileOptions({file, '"', false, false});
        ASSERT_EQ(Step(), 2);
        EXPECT_EQ(Captions(fmCSVField->lvSel), kColumns) << "the titles place the columns";
        Next();
        Convert();
        ASSERT_EQ(Step(), 5);
    }

    // The line of page 5 that counts what the run did with the rows.
    QString Counts() const { return fmFinish->lblCounts->text().section('\n', 0, 0); }

    static std::vector<QJsonValue> Values(const QJsonArray& items, const char* szProperty)
    {
        std::vector<QJsonValue> values;
        for (const QJsonValue& item : items)
            values.push_back(item.toObject().value(szProperty));
        return values;
    }
};

TEST_F(CalendarDates, AnExportedCalendarImportsAsTheSameAppointmentsAndAgainAsIdentical)
{
    AddAppointments();
    const QJsonArray before = Items("appointments");
    ASSERT_EQ(before.size(), static_cast<qsizetype>(std::size(kAppointments)));
    const std::string file = TempFile("calendar.csv");

    ChooseConversion(MODE_O2C, FLAG_DATE);
    SetFileOptions({file, '"', false, true});
    ChooseFields(kColumns);
    Convert();
    ASSERT_EQ(Step(), 5);
    const std::string csv = ReadFile(file);
    EXPECT_NE(csv.find("\"Trade fair\",\"06/10/2024\",\"00:00:00\",\"06/13/2024\",\"00:00:00\",\"1\""),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\"01/15/2031\",\"12:30:45\",\"01/15/2031\",\"13:30:45\""), std::string::npos) << csv;

    Tool({"clear", "appointments"});
    fmFinish->btnAnother->click();
    Import(file);
    EXPECT_EQ(Counts(), "5 added, 0 updated, 0 identical");
    const QJsonArray after = Items("appointments");
    ASSERT_EQ(after.size(), before.size());
    for (const char* szProperty : kProperties)
        EXPECT_EQ(Values(after, szProperty), Values(before, szProperty)) << szProperty;

    fmFinish->btnAnother->click();
    Import(file);
    EXPECT_EQ(Counts(), "0 added, 0 updated, 5 identical");
    EXPECT_EQ(Items("appointments"), after);
}

// A desktop mail client writes days without leading zeros, times on the 12-hour clock and
// flags as True and False.
TEST_F(CalendarDates, AnotherProgramsCalendarKeepsItsDaysTimesAndFlags)
{
    Wizard().GoToStep(0);
    ChooseConversion(MODE_C2O, FLAG_DATE);
    SetFileOptions({TitleFixture("mailclient-calendar-en.csv"), '"', false, false, DELIMITER_DETECT});
    ASSERT_EQ(Step(), 2);
    Next();
    Convert();
    ASSERT_EQ(Step(), 5);
    EXPECT_EQ(Counts(), "2 added, 0 updated, 0 identical");

    const QJsonArray items = Items("appointments");
    const std::vector<std::pair<const char*, std::vector<QJsonValue>>> expected = {
        {"Subject", {"Kite festival planning", "Anniversary dinner"}},
        {"Start", {"2025-05-14 09:30:00", "2025-06-02 00:00:00"}},
        {"End", {"2025-05-14 11:00:00", "2025-06-03 00:00:00"}},
        {"AllDayEvent", {false, true}},
        {"ReminderSet", {true, false}},
    };
    for (const auto& [szProperty, values] : expected)
        EXPECT_EQ(Values(items, szProperty), values) << szProperty;
}

}  // namespace
