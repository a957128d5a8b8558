#include "OlItemStateSim.h"

#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "olsim/ItemListing.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/ProfileStore.h"
#include "platform/win/ComHolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

namespace item_state_test {

using namespace adapter_test;

std::string Listing(olsim::ItemKind kind)
{
    olsim::ProfileStore store(olsim::ProfilePath());
    std::ostringstream out;
    olsim::ItemListing listing(out, kind, olsim::ListFormat::Json);
    for (const std::int64_t id : store.ListFolder(kind))
        listing.Add(store.Load(kind, id));
    listing.Finish();
    // Each value, null or a quoted moment, runs up to the comma or brace after it.
    constexpr std::string_view kModified = "\"LastModificationTime\": ";
    std::string text = out.str();
    for (std::size_t at = text.find(kModified); at != std::string::npos; at = text.find(kModified, at + 1)) {
        const std::size_t valueAt = at + kModified.size();
        text.replace(valueAt, text.find_first_of(",}", valueAt) - valueAt, "-");
    }
    return text;
}

void Put(CDispCmd& object, const OLECHAR* szName, VARIANT value)
{
    platform::VariantHolder held;
    *held.Get() = value;
    const platform::OleStringView name = szName;
    EXPECT_EQ(object.PutProperty(szName, held.Get()), S_OK) << std::string(name.begin(), name.end());
}

VARIANT Text(platform::OleStringView text)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return value;
}

VARIANT Date(DATE dValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_DATE;
    value.date = dValue;
    return value;
}

VARIANT Long(LONG nValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = nValue;
    return value;
}

VARIANT Flag(bool bValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

Object Call(CDispCmd& object, const OLECHAR* szMethod, std::vector<VARIANT> args)
{
    // COM order: the last argument first.
    std::reverse(args.begin(), args.end());
    platform::VariantHolder result;
    EXPECT_EQ(object.Call(szMethod, args.data(), static_cast<UINT>(args.size()), result.Get()), S_OK);
    for (VARIANT& arg : args)
        VariantClear(&arg);
    if (result->vt != VT_DISPATCH || result->pdispVal == nullptr)
        return nullptr;
    return std::make_unique<CDispCmd>(result->pdispVal);
}

Object UserProperties(CDispCmd& item)
{
    IDispatch* pDisp = nullptr;
    EXPECT_EQ(item.GetObject(OLESTR("UserProperties"), &pDisp), S_OK);
    const auto held = platform::ComPtr<IDispatch>::Adopt(pDisp);
    return held ? std::make_unique<CDispCmd>(held.Get()) : nullptr;
}

void AddUserProperty(CDispCmd& item, const OLECHAR* szName, LONG nType, VARIANT value)
{
    Object properties = UserProperties(item);
    ASSERT_NE(properties, nullptr);
    Object property = Call(*properties, OLESTR("Add"), {Text(szName), Long(nType), Flag(false)});
    ASSERT_NE(property, nullptr);
    Put(*property, OLESTR("Value"), value);
}

namespace {

// ---- contacts ----

void SeedRichContact(AdapterSim& sim)
{
    Object contact = sim.NewItem(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    const std::pair<const OLECHAR*, platform::OleStringView> texts[] = {
        {OLESTR("FirstName"), OLESTR("Ann")},
        {OLESTR("MiddleName"), OLESTR("Q")},
        {OLESTR("LastName"), OLESTR("Lee")},
        {OLESTR("Email1Address"), OLESTR("ann@example.com")},
        {OLESTR("Email2Address"), OLESTR("ann.lee@work.example")},
        {OLESTR("Email2DisplayName"), OLESTR("Ann at work")},
        {OLESTR("CompanyName"), OLESTR("Acme")},
        {OLESTR("JobTitle"), OLESTR("Engineer")},
        {OLESTR("BusinessAddressStreet"), OLESTR("1 Main St\r\nSuite 4")},
        {OLESTR("BusinessAddressCity"), OLESTR("Springfield")},
        {OLESTR("HomeTelephoneNumber"), OLESTR("555-0100")},
        {OLESTR("MobileTelephoneNumber"), OLESTR("555-0111")},
        {OLESTR("NickName"), OLESTR("Zo\u00eb \u2713")},
        {OLESTR("Body"), OLESTR("Line 1\r\nLine 2")},
        {OLESTR("Categories"), OLESTR("Friends, Work")},
    };
    for (const auto& [szName, text] : texts)
        Put(*contact, szName, Text(text));
    Put(*contact, OLESTR("Birthday"), Date(DateOf(1980, 5, 17)));
    Put(*contact, OLESTR("Gender"), Long(1));
    AddUserProperty(*contact, OLESTR("Team"), kTextType, Text(OLESTR("Blue")));
    AddUserProperty(*contact, OLESTR("Score"), kNumberType, Long(17));
    AddUserProperty(*contact, OLESTR("Since"), kDateType, Date(DateOf(2019, 1, 2)));
    AddUserProperty(*contact, OLESTR("Active"), kYesNoType, Flag(true));
    sim.Save(*contact);
}

void SeedPlainContact(AdapterSim& sim)
{
    Object contact = sim.NewItem(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    Put(*contact, OLESTR("FirstName"), Text(OLESTR("Bob")));
    Put(*contact, OLESTR("LastName"), Text(OLESTR("Ray")));
    Put(*contact, OLESTR("Email1Address"), Text(OLESTR("bob@example.com")));
    sim.Save(*contact);
}

// The first contact's key (first and last name, e-mail) with other phones, company and user properties.
void UpdateContactByAdapter(CDispCmd& first)
{
    OlAddrUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    CommAddrRec rec{};
    char szFirst[64] = "";
    char szLast[64] = "";
    char szEmail[128] = "";
    first.GetString(OLESTR("FirstName"), szFirst, sizeof szFirst);
    first.GetString(OLESTR("LastName"), szLast, sizeof szLast);
    first.GetString(OLESTR("Email1Address"), szEmail, sizeof szEmail);
    const std::pair<unsigned, const char*> columns[] = {{32, szFirst}, {47, szLast}, {23, szEmail},
                                                        {56, "999"},   {19, "Initech"}, {44, "555"}};
    for (const auto& [nId, szText] : columns)
        ASSERT_TRUE(OlAddrUtil::SetFieldText(nId, szText, &rec)) << nId;
    std::strcpy(rec.szCustomLabel[0], "Team");
    std::strcpy(rec.szCustom[0], "Red");
    std::strcpy(rec.szCustomLabel[1], "Region");
    std::strcpy(rec.szCustom[1], "North");
    ASSERT_TRUE(adapter.SaveRecord(&rec));
}

void ChangeContactByHand(CDispCmd& contact)
{
    Put(contact, OLESTR("FirstName"), Text(OLESTR("Anna")));
    Put(contact, OLESTR("CompanyName"), Text(OLESTR("Filled in")));
    Put(contact, OLESTR("Body"), Text(OLESTR("")));
    Put(contact, OLESTR("NickName"), Text(OLESTR("")));
    Put(contact, OLESTR("Birthday"), Date(kNoneDate));
    Put(contact, OLESTR("Anniversary"), Date(DateOf(2010, 6, 1)));
    AddUserProperty(contact, OLESTR("Added"), kTextType, Text(OLESTR("by hand")));
}

// ---- appointments ----

void SeedRichAppointment(AdapterSim& sim)
{
    Object appointment = sim.NewItem(kCalendarFolder, kAppointmentItem);
    ASSERT_NE(appointment, nullptr);
    Put(*appointment, OLESTR("Subject"), Text(OLESTR("Review")));
    Put(*appointment, OLESTR("Location"), Text(OLESTR("Room 2")));
    Put(*appointment, OLESTR("Body"), Text(OLESTR("Agenda:\r\n- figures")));
    Put(*appointment, OLESTR("Categories"), Text(OLESTR("Work")));
    Put(*appointment, OLESTR("Start"), Date(DateOf(2024, 3, 20, 9, 30)));
    Put(*appointment, OLESTR("Duration"), Long(90));
    Put(*appointment, OLESTR("ReminderSet"), Flag(true));
    Put(*appointment, OLESTR("ReminderMinutesBeforeStart"), Long(30));
    Object pattern = sim.Pattern(*appointment);
    ASSERT_NE(pattern, nullptr);
    Put(*pattern, OLESTR("RecurrenceType"), Long(1));
    Put(*pattern, OLESTR("Interval"), Long(2));
    Put(*pattern, OLESTR("DayOfWeekMask"), Long(2 | 8));
    Put(*pattern, OLESTR("PatternEndDate"), Date(DateOf(2024, 6, 30)));
    sim.Save(*appointment);
}

void SeedPlainAppointment(AdapterSim& sim)
{
    Object appointment = sim.NewItem(kCalendarFolder, kAppointmentItem);
    ASSERT_NE(appointment, nullptr);
    Put(*appointment, OLESTR("Subject"), Text(OLESTR("Lunch")));
    Put(*appointment, OLESTR("Start"), Date(DateOf(2024, 3, 20, 12, 0)));
    Put(*appointment, OLESTR("Duration"), Long(60));
    sim.Save(*appointment);
}

// The first appointment's key (subject, day, not all-day) at another time and place, daily.
void UpdateAppointmentByAdapter(CDispCmd& first)
{
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    CommDateRec rec{};
    first.GetString(OLESTR("Subject"), rec.szDescription, sizeof rec.szDescription);
    std::strcpy(rec.szLocation, "Room 9");
    rec.stStart = TimeOf(2024, 3, 20, 14, 0);
    rec.stEnd = TimeOf(2024, 3, 20, 15, 0);
    rec.recurrence.nType = kRecurDaily;
    rec.recurrence.nInterval = 1;
    ASSERT_TRUE(adapter.SaveRecord(&rec));
}

void ChangeAppointmentByHand(CDispCmd& appointment)
{
    if (BoolOf(appointment, OLESTR("IsRecurring"))) {
        Call(appointment, OLESTR("ClearRecurrencePattern"));
    } else {
        Object pattern = Call(appointment, OLESTR("GetRecurrencePattern"));
        ASSERT_NE(pattern, nullptr);
        Put(*pattern, OLESTR("RecurrenceType"), Long(0));
    }
    Put(appointment, OLESTR("AllDayEvent"), Flag(true));
    Put(appointment, OLESTR("Location"), Text(OLESTR("")));
    Put(appointment, OLESTR("Body"), Text(OLESTR("Filled in")));
    Put(appointment, OLESTR("ReminderSet"), Flag(false));
}

// ---- tasks ----

void SeedRichTask(AdapterSim& sim)
{
    Object task = sim.NewItem(kTasksFolder, kTaskItem);
    ASSERT_NE(task, nullptr);
    const std::pair<const OLECHAR*, platform::OleStringView> texts[] = {
        {OLESTR("Subject"), OLESTR("Report")},
        {OLESTR("Body"), OLESTR("Quarterly\r\nfigures")},
        {OLESTR("CardData"), OLESTR("card")},
        {OLESTR("Categories"), OLESTR("Work")},
        {OLESTR("Mileage"), OLESTR("12 km")},
        {OLESTR("Role"), OLESTR("Writer")},
        {OLESTR("ReminderSoundFile"), OLESTR("ding.wav")},
    };
    for (const auto& [szName, text] : texts)
        Put(*task, szName, Text(text));
    Put(*task, OLESTR("StartDate"), Date(DateOf(2024, 3, 18)));
    Put(*task, OLESTR("DueDate"), Date(DateOf(2024, 3, 29)));
    Put(*task, OLESTR("ReminderSet"), Flag(true));
    Put(*task, OLESTR("ReminderTime"), Date(DateOf(2024, 3, 28, 9, 0)));
    Put(*task, OLESTR("ReminderPlaySound"), Flag(true));
    const std::pair<const OLECHAR*, LONG> numbers[] = {
        {OLESTR("Importance"), 2}, {OLESTR("PercentComplete"), 50}, {OLESTR("Status"), 1}, {OLESTR("TotalWork"), 120},
        {OLESTR("Ordinal"), 3},    {OLESTR("Sensitivity"), 2},
    };
    for (const auto& [szName, nValue] : numbers)
        Put(*task, szName, Long(nValue));
    // The tasks adapter writes no pattern: putting a task back must leave its pattern alone.
    Object pattern = sim.Pattern(*task);
    ASSERT_NE(pattern, nullptr);
    Put(*pattern, OLESTR("RecurrenceType"), Long(2));
    Put(*pattern, OLESTR("DayOfMonth"), Long(28));
    sim.Save(*task);
}

void SeedPlainTask(AdapterSim& sim)
{
    Object task = sim.NewItem(kTasksFolder, kTaskItem);
    ASSERT_NE(task, nullptr);
    Put(*task, OLESTR("Subject"), Text(OLESTR("Call Bob")));
    sim.Save(*task);
}

// A record with the first task's subject, another note, category and priority.
void UpdateTaskByAdapter(CDispCmd& first)
{
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    CommTaskRec rec{};
    char szSubject[256] = "";
    first.GetString(OLESTR("Subject"), szSubject, sizeof szSubject);
    ASSERT_TRUE(OlTaskUtil::SetFieldText(22, szSubject, &rec));
    ASSERT_TRUE(OlTaskUtil::SetFieldText(1, "new text", &rec));
    ASSERT_TRUE(OlTaskUtil::SetFieldText(23, "Other", &rec));
    rec.nPriority = kTaskPriorityLow;
    ASSERT_TRUE(adapter.SaveRecord(&rec));
}

void ChangeTaskByHand(CDispCmd& task)
{
    Put(task, OLESTR("Body"), Text(OLESTR("")));
    Put(task, OLESTR("Categories"), Text(OLESTR("Filled in")));
    Put(task, OLESTR("Complete"), Flag(true));
    Put(task, OLESTR("PercentComplete"), Long(100));
    Put(task, OLESTR("DueDate"), Date(DateOf(2024, 4, 5)));
    Put(task, OLESTR("StartDate"), Date(kNoneDate));
}

// ---- notes ----

void SeedRichNote(AdapterSim& sim)
{
    Object note = sim.NewItem(kNotesFolder, kNoteItem);
    ASSERT_NE(note, nullptr);
    Put(*note, OLESTR("Body"), Text(OLESTR("Groceries\r\nMilk\r\nEggs")));
    Put(*note, OLESTR("Categories"), Text(OLESTR("Home")));
    Put(*note, OLESTR("Color"), Long(1));
    sim.Save(*note);
}

void SeedPlainNote(AdapterSim& sim)
{
    Object note = sim.NewItem(kNotesFolder, kNoteItem);
    ASSERT_NE(note, nullptr);
    Put(*note, OLESTR("Body"), Text(OLESTR("Plain")));
    sim.Save(*note);
}

// A CSV row with the first note's subject and another body and category.
void UpdateNoteByAdapter(CDispCmd& first)
{
    OlNoteUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    CommNoteRec rec{};
    char szSubject[256] = "";
    first.GetString(OLESTR("Subject"), szSubject, sizeof szSubject);
    const std::string body = std::string(szSubject) + "\r\nwritten by the import";
    ASSERT_TRUE(OlNoteUtil::SetFieldText(4, szSubject, &rec));
    ASSERT_TRUE(OlNoteUtil::SetFieldText(5, body.c_str(), &rec));
    ASSERT_TRUE(OlNoteUtil::SetFieldText(6, "Shop", &rec));
    ASSERT_TRUE(adapter.SaveRecord(&rec));
}

void ChangeNoteByHand(CDispCmd& note)
{
    Put(note, OLESTR("Body"), Text(OLESTR("")));
    Put(note, OLESTR("Categories"), Text(OLESTR("Filled in")));
    Put(note, OLESTR("Color"), Long(4));
}

const KindCase kKinds[] = {
    {"contact", kContactItem, kContactsFolder, olsim::ItemKind::Contact, SeedRichContact, SeedPlainContact,
     UpdateContactByAdapter, ChangeContactByHand},
    {"appointment", kAppointmentItem, kCalendarFolder, olsim::ItemKind::Appointment, SeedRichAppointment,
     SeedPlainAppointment, UpdateAppointmentByAdapter, ChangeAppointmentByHand},
    {"task", kTaskItem, kTasksFolder, olsim::ItemKind::Task, SeedRichTask, SeedPlainTask, UpdateTaskByAdapter,
     ChangeTaskByHand},
    {"note", kNoteItem, kNotesFolder, olsim::ItemKind::Note, SeedRichNote, SeedPlainNote, UpdateNoteByAdapter,
     ChangeNoteByHand},
};

}  // namespace

std::span<const KindCase> Kinds() { return kKinds; }

const KindCase& KindOf(olsim::ItemKind kind)
{
    return *std::find_if(std::begin(kKinds), std::end(kKinds), [&](const KindCase& c) { return c.kind == kind; });
}

}  // namespace item_state_test
