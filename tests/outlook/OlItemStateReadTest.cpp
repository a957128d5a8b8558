// What an item state holds of each kind, and what reading and putting back do when Outlook
// refuses a call or the state does not fit the item.
#include "OlItemStateSim.h"

#include "common/outlook/OlItemState.h"
#include "olsim/FaultInjection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace item_state_test;
using adapter_test::DateOf;
using adapter_test::Error;
using adapter_test::kAppointmentItem;
using adapter_test::kCalendarFolder;
using adapter_test::kNoneDate;
using adapter_test::kNotesFolder;
using adapter_test::kNoteItem;
using adapter_test::kTaskItem;
using adapter_test::kTasksFolder;
using adapter_test::TimeOf;

namespace {

std::vector<std::string> Names(const std::vector<TOlSavedValue>& values)
{
    std::vector<std::string> names;
    for (const TOlSavedValue& value : values)
        names.push_back(value.name);
    return names;
}

const TOlValue* ValueOf(const std::vector<TOlSavedValue>& values, std::string_view name)
{
    const auto found =
        std::find_if(values.begin(), values.end(), [&](const TOlSavedValue& value) { return value.name == name; });
    return found == values.end() ? nullptr : &found->value;
}

bool Logged(const std::string& message)
{
    const auto errors = AdapterSim::ErrorLines();
    return std::find(errors.begin(), errors.end(), Error(message)) != errors.end();
}

TOlItemState StateOfFirst(AdapterSim& sim, const KindCase& kind)
{
    TOlItemState state;
    Object item = sim.ItemAt(kind.nFolder, 1);
    EXPECT_NE(item, nullptr);
    if (item) {
        EXPECT_TRUE(ReadItemState(*item, kind.nItemType, state));
    }
    return state;
}

struct HoldsCase {
    olsim::ItemKind kind;
    std::vector<std::string> leading;  // the first properties, in the adapter's write order
    std::vector<std::pair<std::string, TOlValue>> values;
    std::vector<std::string> absent;   // read-only, never written, or not the item's
};

TEST(OlItemStateRead, AStateHoldsWhatTheAdaptersWriteInTheirOrder)
{
    const HoldsCase cases[] = {
        {olsim::ItemKind::Contact,
         {"Account", "Anniversary", "AssistantName"},
         {{"FullName", std::string("Ann Q Lee")},
          {"Email2DisplayName", std::string("Ann at work")},
          {"NickName", std::string("Zo\xc3\xab \xe2\x9c\x93")},
          {"Gender", LONG{1}},
          {"Birthday", DateOf(1980, 5, 17)},
          {"Anniversary", kNoneDate},
          {"Spouse", std::string()}},
         {"Suffix", "EntryID", "CreationTime", "LastModificationTime", "Title"}},
        {olsim::ItemKind::Appointment,
         {"AllDayEvent", "Duration", "Start", "ReminderSet", "ReminderMinutesBeforeStart", "Subject"},
         {{"Start", DateOf(2024, 3, 20, 9, 30)}, {"Duration", LONG{90}}, {"ReminderSet", true}},
         {"End", "EntryID", "IsRecurring", "ReminderTime", "BusyStatus"}},
        {olsim::ItemKind::Task,
         {"Body", "CardData", "Complete", "DueDate", "Importance", "Mileage"},
         {{"ReminderTime", DateOf(2024, 3, 28, 9, 0)}, {"Status", LONG{1}}, {"Role", std::string("Writer")}},
         {"IsRecurring", "ResponseState", "EntryID", "DateCompleted"}},
        {olsim::ItemKind::Note,
         {"Body", "Categories", "Color"},
         {{"Body", std::string("Groceries\r\nMilk\r\nEggs")}, {"Color", LONG{1}}},
         {"Subject", "EntryID", "Saved"}},
    };
    for (const HoldsCase& c : cases) {
        const KindCase& kind = KindOf(c.kind);
        SCOPED_TRACE(kind.szName);
        AdapterSim sim;
        kind.seedRich(sim);
        const TOlItemState state = StateOfFirst(sim, kind);
        const std::vector<std::string> names = Names(state.properties);
        ASSERT_GE(names.size(), c.leading.size());
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + static_cast<long>(c.leading.size())),
                  c.leading);
        for (const auto& [name, value] : c.values) {
            const TOlValue* pValue = ValueOf(state.properties, name);
            ASSERT_NE(pValue, nullptr) << name;
            EXPECT_EQ(*pValue, value) << name;
        }
        for (const std::string& name : c.absent)
            EXPECT_EQ(ValueOf(state.properties, name), nullptr) << name;
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "each property once";
    }
}

TEST(OlItemStateRead, UserPropertiesOnlyForContactsAndAPatternOnlyForAppointments)
{
    AdapterSim sim;
    for (const KindCase& kind : Kinds())
        kind.seedRich(sim);
    const TOlItemState contact = StateOfFirst(sim, KindOf(olsim::ItemKind::Contact));
    const std::vector<TOlSavedUserProperty> expected = {
        {"Team", kTextType, std::string("Blue")},
        {"Score", kNumberType, LONG{17}},
        {"Since", kDateType, DateOf(2019, 1, 2)},
        {"Active", kYesNoType, true},
    };
    EXPECT_EQ(contact.userProperties, expected);
    EXPECT_FALSE(contact.bRecurring);

    const TOlItemState appointment = StateOfFirst(sim, KindOf(olsim::ItemKind::Appointment));
    EXPECT_TRUE(appointment.bRecurring);
    const std::vector<TOlSavedValue> pattern = {
        {"RecurrenceType", LONG{1}}, {"Interval", LONG{2}},    {"DayOfWeekMask", LONG{2 | 8}},
        {"DayOfMonth", LONG{0}},     {"Instance", LONG{0}},    {"MonthOfYear", LONG{0}},
        {"PatternEndDate", DateOf(2024, 6, 30)},
    };
    EXPECT_EQ(appointment.pattern, pattern);

    // The task recurs, but its adapter writes no pattern: its state keeps none.
    Object task = sim.ItemAt(kTasksFolder, 1);
    ASSERT_NE(task, nullptr);
    EXPECT_TRUE(adapter_test::BoolOf(*task, OLESTR("IsRecurring")));
    const TOlItemState taskState = StateOfFirst(sim, KindOf(olsim::ItemKind::Task));
    EXPECT_FALSE(taskState.bRecurring);
    EXPECT_TRUE(taskState.pattern.empty());
    EXPECT_TRUE(taskState.userProperties.empty());

    // A single appointment is not made recurring by being read.
    KindOf(olsim::ItemKind::Appointment).seedPlain(sim);
    Object plain = sim.ItemAt(kCalendarFolder, 2);
    ASSERT_NE(plain, nullptr);
    TOlItemState plainState;
    ASSERT_TRUE(ReadItemState(*plain, kAppointmentItem, plainState));
    EXPECT_FALSE(plainState.bRecurring);
    EXPECT_TRUE(plainState.pattern.empty());
    EXPECT_FALSE(adapter_test::BoolOf(*sim.ItemAt(kCalendarFolder, 2), OLESTR("IsRecurring")));
}

struct ReadRefusal {
    olsim::ItemKind kind;
    const char* szObject;
    const char* szMember;
    std::string message;
};

TEST(OlItemStateRead, AValueOutlookWillNotGiveFailsTheReadAndLeavesTheStateAlone)
{
    const ReadRefusal cases[] = {
        {olsim::ItemKind::Contact, "ContactItem", "Body",
         "Failed to read the \"Body\" property of the contact item. hr=0x80004005"},
        {olsim::ItemKind::Contact, "UserProperty", "Value",
         "Failed to read the value of the user property \"Team\" of the contact item. hr=0x80004005"},
        {olsim::ItemKind::Contact, "ContactItem", "UserProperties",
         "Failed to get the user properties of the contact item. hr=0x80004005"},
        {olsim::ItemKind::Appointment, "RecurrencePattern", "Interval",
         "Failed to read the \"Interval\" property of the appointment item's recurrence pattern. hr=0x80004005"},
        {olsim::ItemKind::Appointment, "AppointmentItem", "IsRecurring",
         "Failed to read whether the appointment item recurs. hr=0x80004005"},
        {olsim::ItemKind::Note, "NoteItem", "Color",
         "Failed to read the \"Color\" property of the note item. hr=0x80004005"},
    };
    for (const ReadRefusal& c : cases) {
        SCOPED_TRACE(c.message);
        const KindCase& kind = KindOf(c.kind);
        AdapterSim sim;
        kind.seedRich(sim);
        Object item = sim.ItemAt(kind.nFolder, 1);
        ASSERT_NE(item, nullptr);
        TOlItemState state;
        state.properties.push_back({"Untouched", LONG{7}});
        const TOlItemState earlier = state;
        olsim::InjectFault(c.szObject, c.szMember, E_FAIL);
        EXPECT_FALSE(ReadItemState(*item, kind.nItemType, state));
        olsim::ClearFaults();
        EXPECT_EQ(state, earlier);
        EXPECT_TRUE(Logged(c.message));
    }
}

TEST(OlItemStateRead, AKindWithoutAdapterHasNoState)
{
    AdapterSim sim;
    KindOf(olsim::ItemKind::Note).seedPlain(sim);
    Object note = sim.ItemAt(kNotesFolder, 1);
    ASSERT_NE(note, nullptr);
    TOlItemState state;
    for (const LONG nMailOrJournal : {0, 4})
        EXPECT_FALSE(ReadItemState(*note, nMailOrJournal, state));
    EXPECT_EQ(state, TOlItemState{});
    EXPECT_FALSE(RestoreItemState(*note, 0, state));
    EXPECT_TRUE(Logged("No item state is kept for items of type 4."));
}

struct MisfitCase {
    const char* szLabel;
    olsim::ItemKind kind;
    void (*spoil)(TOlItemState& state);
};

TEST(OlItemStateRestoreRefusal, AStateThatDoesNotFitTheItemLeavesItAlone)
{
    const MisfitCase cases[] = {
        {"a property no adapter writes", olsim::ItemKind::Note,
         [](TOlItemState& state) { state.properties.push_back({"Subject", std::string("x")}); }},
        {"a property of another type", olsim::ItemKind::Contact,
         [](TOlItemState& state) { state.properties.push_back({"Gender", std::string("female")}); }},
        {"user properties where none are kept", olsim::ItemKind::Task,
         [](TOlItemState& state) { state.userProperties.push_back({"Team", kTextType, std::string("Blue")}); }},
        {"a pattern where none is kept", olsim::ItemKind::Task, [](TOlItemState& state) { state.bRecurring = true; }},
        {"a pattern member that is none", olsim::ItemKind::Appointment,
         [](TOlItemState& state) { state.pattern.push_back({"NoSuchMember", LONG{1}}); }},
        {"a recurring item's pattern without its type", olsim::ItemKind::Appointment,
         [](TOlItemState& state) { state.pattern.erase(state.pattern.begin()); }},
    };
    for (const MisfitCase& c : cases) {
        SCOPED_TRACE(c.szLabel);
        const KindCase& kind = KindOf(c.kind);
        AdapterSim sim;
        kind.seedRich(sim);
        TOlItemState state = StateOfFirst(sim, kind);
        c.spoil(state);
        Object item = sim.ItemAt(kind.nFolder, 1);
        ASSERT_NE(item, nullptr);
        const DATE dModified = adapter_test::DateValueOf(*item, OLESTR("LastModificationTime"));
        AdapterSim::SetNow(TimeOf(2024, 4, 2, 8, 0));
        kind.changeByHand(*item);
        EXPECT_FALSE(RestoreItemState(*item, kind.nItemType, state));
        EXPECT_FALSE(adapter_test::BoolOf(*item, OLESTR("Saved"))) << "nothing was saved";
        EXPECT_DOUBLE_EQ(adapter_test::DateValueOf(*sim.ItemAt(kind.nFolder, 1), OLESTR("LastModificationTime")),
                         dModified);
        EXPECT_TRUE(Logged("The saved state does not fit a " + std::string(kind.szName) +
                           " item; the item is left as it is."));
    }
}

TEST(OlItemStateRestoreRefusal, APropertyOutlookRefusesIsNamedAndTheRestGoesBack)
{
    AdapterSim sim;
    const KindCase& notes = KindOf(olsim::ItemKind::Note);
    notes.seedRich(sim);
    const TOlItemState state = StateOfFirst(sim, notes);
    Object item = sim.ItemAt(kNotesFolder, 1);
    ASSERT_NE(item, nullptr);
    notes.changeByHand(*item);
    sim.Save(*item);

    olsim::InjectFault("NoteItem", "Categories", E_FAIL);
    EXPECT_FALSE(RestoreItemState(*sim.ItemAt(kNotesFolder, 1), kNoteItem, state));
    olsim::ClearFaults();
    EXPECT_TRUE(Logged("Failed to put back the \"Categories\" property of the note item. hr=0x80004005"));
    Object stored = sim.ItemAt(kNotesFolder, 1);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(adapter_test::TextOf(*stored, OLESTR("Body")), "Groceries\r\nMilk\r\nEggs");
    EXPECT_EQ(adapter_test::LongOf(*stored, OLESTR("Color")), 1);
    EXPECT_EQ(adapter_test::TextOf(*stored, OLESTR("Categories")), "Filled in");
}

TEST(OlItemStateRestoreRefusal, ASaveOutlookRefusesFailsTheRestore)
{
    AdapterSim sim;
    const KindCase& tasks = KindOf(olsim::ItemKind::Task);
    tasks.seedRich(sim);
    const TOlItemState state = StateOfFirst(sim, tasks);
    Object item = sim.ItemAt(kTasksFolder, 1);
    ASSERT_NE(item, nullptr);
    tasks.changeByHand(*item);
    sim.Save(*item);
    const std::string changed = Listing(olsim::ItemKind::Task);

    olsim::InjectFault("TaskItem", "Save", DISP_E_EXCEPTION);
    EXPECT_FALSE(RestoreItemState(*sim.ItemAt(kTasksFolder, 1), kTaskItem, state));
    olsim::ClearFaults();
    EXPECT_TRUE(Logged("Failed to save the task item with its earlier state. hr=0x80020009"));
    EXPECT_EQ(Listing(olsim::ItemKind::Task), changed);
}

}  // namespace
