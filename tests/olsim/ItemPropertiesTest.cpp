// Every kind answers its properties with their real types and defaults, refuses names it
// does not have and puts on read-only properties, and converts puts as automation does.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

namespace olsim_test {
namespace {

struct DefaultCase {
    int folderNumber;
    int itemType;
    const OLECHAR* name;
    VARTYPE type;
    double number;         // the value of a VT_I4, VT_BOOL (1 for true) or VT_DATE
    const char* text = "";  // the value of a VT_BSTR
};

// 10:10 on the clock of the test: a new appointment starts at the next half hour.
const double kNextHalfHour = DateOf(2024, 3, 15, 10, 30);

const DefaultCase kDefaults[] = {
    {kContactsFolder, kContactItem, OLESTR("FirstName"), VT_BSTR, 0},
    {kContactsFolder, kContactItem, OLESTR("FullName"), VT_BSTR, 0},
    {kContactsFolder, kContactItem, OLESTR("Email1DisplayName"), VT_BSTR, 0},
    {kContactsFolder, kContactItem, OLESTR("Birthday"), VT_DATE, kNoneDate},
    {kContactsFolder, kContactItem, OLESTR("Anniversary"), VT_DATE, kNoneDate},
    {kContactsFolder, kContactItem, OLESTR("Gender"), VT_I4, 0},
    {kContactsFolder, kContactItem, OLESTR("Categories"), VT_BSTR, 0},
    {kContactsFolder, kContactItem, OLESTR("Saved"), VT_BOOL, 0},
    {kContactsFolder, kContactItem, OLESTR("EntryID"), VT_BSTR, 0},
    {kCalendarFolder, kAppointmentItem, OLESTR("Start"), VT_DATE, kNextHalfHour},
    {kCalendarFolder, kAppointmentItem, OLESTR("Duration"), VT_I4, 30},
    {kCalendarFolder, kAppointmentItem, OLESTR("End"), VT_DATE, DateOf(2024, 3, 15, 11, 0)},
    {kCalendarFolder, kAppointmentItem, OLESTR("AllDayEvent"), VT_BOOL, 0},
    {kCalendarFolder, kAppointmentItem, OLESTR("IsRecurring"), VT_BOOL, 0},
    {kCalendarFolder, kAppointmentItem, OLESTR("ReminderSet"), VT_BOOL, 1},
    {kCalendarFolder, kAppointmentItem, OLESTR("ReminderMinutesBeforeStart"), VT_I4, 15},
    {kCalendarFolder, kAppointmentItem, OLESTR("BusyStatus"), VT_I4, 2},
    {kCalendarFolder, kAppointmentItem, OLESTR("Importance"), VT_I4, 1},
    {kCalendarFolder, kAppointmentItem, OLESTR("ReplyTime"), VT_DATE, kNoneDate},
    {kCalendarFolder, kAppointmentItem, OLESTR("NetMeetingServer"), VT_BSTR, 0},
    {kCalendarFolder, kAppointmentItem, OLESTR("Location"), VT_BSTR, 0},
    {kTasksFolder, kTaskItem, OLESTR("DueDate"), VT_DATE, kNoneDate},
    {kTasksFolder, kTaskItem, OLESTR("StartDate"), VT_DATE, kNoneDate},
    {kTasksFolder, kTaskItem, OLESTR("ReminderTime"), VT_DATE, kNoneDate},
    {kTasksFolder, kTaskItem, OLESTR("DateCompleted"), VT_DATE, kNoneDate},
    {kTasksFolder, kTaskItem, OLESTR("Complete"), VT_BOOL, 0},
    {kTasksFolder, kTaskItem, OLESTR("Importance"), VT_I4, 1},
    {kTasksFolder, kTaskItem, OLESTR("Status"), VT_I4, 0},
    {kTasksFolder, kTaskItem, OLESTR("PercentComplete"), VT_I4, 0},
    {kTasksFolder, kTaskItem, OLESTR("ResponseState"), VT_I4, 0},
    {kTasksFolder, kTaskItem, OLESTR("IsRecurring"), VT_BOOL, 0},
    {kTasksFolder, kTaskItem, OLESTR("Mileage"), VT_BSTR, 0},
    {kTasksFolder, kTaskItem, OLESTR("TeamTask"), VT_BOOL, 0},
    {kNotesFolder, kNoteItem, OLESTR("Color"), VT_I4, 3},
    {kNotesFolder, kNoteItem, OLESTR("Subject"), VT_BSTR, 0},
    {kNotesFolder, kNoteItem, OLESTR("Body"), VT_BSTR, 0},
    {kNotesFolder, kNoteItem, OLESTR("CreationTime"), VT_DATE, kNoneDate},
};

TEST(ItemPropertiesTest, NewItemsAnswerEachPropertyWithItsTypeAndDefault)
{
    SimulatedOutlook outlook;
    for (const DefaultCase& c : kDefaults) {
        SCOPED_TRACE(testing::Message() << "folder " << c.folderNumber << " property "
                                        << std::string(c.name, c.name + std::char_traits<OLECHAR>::length(c.name)));
        Object item = outlook.Add(c.folderNumber, c.itemType);
        ASSERT_NE(item, nullptr);
        platform::VariantHolder value;
        ASSERT_EQ(item->GetProperty(c.name, value.Get()), S_OK);
        ASSERT_EQ(value->vt, c.type);
        switch (c.type) {
        case VT_BSTR:
            EXPECT_EQ(GetText(*item, c.name), c.text);
            break;
        case VT_I4:
            EXPECT_EQ(value->lVal, static_cast<LONG>(c.number));
            break;
        case VT_BOOL:
            EXPECT_EQ(value->boolVal, c.number != 0 ? VARIANT_TRUE : VARIANT_FALSE);
            break;
        case VT_DATE:
            EXPECT_DOUBLE_EQ(value->date, c.number);
            break;
        default:
            FAIL() << "unexpected type";
        }
    }
}

struct NameCase {
    int folderNumber;
    int itemType;
    const OLECHAR* name;
};

const NameCase kUnknownNames[] = {
    {kCalendarFolder, kAppointmentItem, OLESTR("ReminderTime")},
    {kNotesFolder, kNoteItem, OLESTR("UserProperties")},
    {kNotesFolder, kNoteItem, OLESTR("GetRecurrencePattern")},
    {kContactsFolder, kContactItem, OLESTR("GetRecurrencePattern")},
    {kContactsFolder, kContactItem, OLESTR("DueDate")},
    {kTasksFolder, kTaskItem, OLESTR("Location")},
    {kContactsFolder, kContactItem, OLESTR("Vorname")},
};

TEST(ItemPropertiesTest, NamesTheKindDoesNotHaveAreUnknown)
{
    SimulatedOutlook outlook;
    for (const NameCase& c : kUnknownNames) {
        Object item = outlook.Add(c.folderNumber, c.itemType);
        ASSERT_NE(item, nullptr);
        LPOLESTR names[] = {const_cast<LPOLESTR>(c.name)};
        DISPID id = 0;
        for (const LCID locale : {LCID{0x0800}, LCID{0x0409}})
            EXPECT_EQ(item->GetDispatch()->GetIDsOfNames(IID_NULL, names, 1, locale, &id), DISP_E_UNKNOWNNAME);
        platform::VariantHolder value;
        EXPECT_EQ(item->GetProperty(c.name, value.Get()), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(item->PutDate(c.name, 45000.0), DISP_E_UNKNOWNNAME);
    }
}

TEST(ItemPropertiesTest, NamesResolveWithoutRegardToCaseUnderBothLocales)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    DISPID expected = DISPID_UNKNOWN;
    LPOLESTR canonical[] = {const_cast<LPOLESTR>(OLESTR("LastName"))};
    ASSERT_EQ(contact->GetDispatch()->GetIDsOfNames(IID_NULL, canonical, 1, 0x0800, &expected), S_OK);
    for (const OLECHAR* spelling : {OLESTR("lastname"), OLESTR("LASTNAME"), OLESTR("lAsTnAmE")}) {
        for (const LCID locale : {LCID{0x0800}, LCID{0x0409}}) {
            LPOLESTR names[] = {const_cast<LPOLESTR>(spelling)};
            DISPID id = DISPID_UNKNOWN;
            EXPECT_EQ(contact->GetDispatch()->GetIDsOfNames(IID_NULL, names, 1, locale, &id), S_OK);
            EXPECT_EQ(id, expected);
        }
    }
    EXPECT_EQ(contact->PutString(OLESTR("lastname"), "Lower"), S_OK);
    EXPECT_EQ(GetText(*contact, OLESTR("LASTNAME")), "Lower");
}

const NameCase kReadOnly[] = {
    {kContactsFolder, kContactItem, OLESTR("EntryID")},
    {kContactsFolder, kContactItem, OLESTR("CreationTime")},
    {kContactsFolder, kContactItem, OLESTR("LastModificationTime")},
    {kContactsFolder, kContactItem, OLESTR("Saved")},
    {kCalendarFolder, kAppointmentItem, OLESTR("IsRecurring")},
    {kTasksFolder, kTaskItem, OLESTR("IsRecurring")},
    {kTasksFolder, kTaskItem, OLESTR("ResponseState")},
    {kNotesFolder, kNoteItem, OLESTR("Subject")},
};

TEST(ItemPropertiesTest, ReadOnlyPropertiesRefusePutsAndKeepTheirValue)
{
    SimulatedOutlook outlook;
    for (const NameCase& c : kReadOnly) {
        Object item = outlook.Add(c.folderNumber, c.itemType);
        ASSERT_NE(item, nullptr);
        ASSERT_EQ(Save(*item), S_OK);
        platform::VariantHolder before;
        ASSERT_EQ(item->GetProperty(c.name, before.Get()), S_OK);
        platform::VariantHolder value;
        value->vt = before->vt;
        value->llVal = 1;
        if (before->vt == VT_BSTR)
            value->bstrVal = SysAllocString(OLESTR("1"));
        EXPECT_EQ(item->PutProperty(c.name, value.Get()), DISP_E_EXCEPTION);
        platform::VariantHolder after;
        ASSERT_EQ(item->GetProperty(c.name, after.Get()), S_OK);
        EXPECT_EQ(after->vt, before->vt);
        if (before->vt == VT_BSTR)
            EXPECT_EQ(platform::OleStringView(after->bstrVal), platform::OleStringView(before->bstrVal));
        else
            EXPECT_EQ(after->llVal, before->llVal);
        EXPECT_TRUE(GetFlag(*item, OLESTR("Saved"))) << "a refused put changes nothing";
    }
}

struct PutCase {
    const OLECHAR* name;
    VARIANT value;
    HRESULT expected;
    VARTYPE readType;
    double number;  // VT_I4 / VT_BOOL / VT_DATE read back
    const char* text;
};

VARIANT MakeVariant(VARTYPE type, double number)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    switch (type) {
    case VT_I4:
        v.lVal = static_cast<LONG>(number);
        break;
    case VT_I2:
        v.iVal = static_cast<SHORT>(number);
        break;
    case VT_R8:
        v.dblVal = number;
        break;
    case VT_BOOL:
        v.boolVal = number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_DATE:
        v.date = number;
        break;
    default:
        break;
    }
    return v;
}

TEST(ItemPropertiesTest, PutsOfAnotherTypeAreConvertedOrRefused)
{
    SimulatedOutlook outlook;
    const PutCase cases[] = {
        {OLESTR("Ordinal"), MakeVariant(VT_I2, 7), S_OK, VT_I4, 7, ""},
        {OLESTR("Ordinal"), MakeVariant(VT_R8, 2.5), S_OK, VT_I4, 2, ""},
        {OLESTR("Ordinal"), MakeVariant(VT_R8, 3.5), S_OK, VT_I4, 4, ""},
        {OLESTR("Ordinal"), MakeVariant(VT_BOOL, 1), S_OK, VT_I4, -1, ""},
        {OLESTR("Ordinal"), MakeVariant(VT_R8, 1e12), DISP_E_OVERFLOW, VT_I4, 0, ""},
        {OLESTR("Complete"), MakeVariant(VT_I4, 5), S_OK, VT_BOOL, 1, ""},
        {OLESTR("Complete"), MakeVariant(VT_I4, 0), S_OK, VT_BOOL, 0, ""},
        {OLESTR("Mileage"), MakeVariant(VT_I4, 120), S_OK, VT_BSTR, 0, "120"},
        {OLESTR("Mileage"), MakeVariant(VT_BOOL, 1), S_OK, VT_BSTR, 0, "True"},
        {OLESTR("Mileage"), MakeVariant(VT_R8, 2.25), S_OK, VT_BSTR, 0, "2.25"},
        {OLESTR("Mileage"), MakeVariant(VT_DATE, 45000), DISP_E_TYPEMISMATCH, VT_BSTR, 0, ""},
        {OLESTR("DueDate"), MakeVariant(VT_R8, 45000.5), S_OK, VT_DATE, 45000.5, ""},
        {OLESTR("DueDate"), MakeVariant(VT_I4, 45001), S_OK, VT_DATE, 45001, ""},
        {OLESTR("DueDate"), MakeVariant(VT_BOOL, 1), DISP_E_TYPEMISMATCH, VT_DATE, kNoneDate, ""},
        {OLESTR("PercentComplete"), MakeVariant(VT_I4, 101), DISP_E_EXCEPTION, VT_I4, 0, ""},
        {OLESTR("Status"), MakeVariant(VT_I4, 5), DISP_E_EXCEPTION, VT_I4, 0, ""},
        {OLESTR("Importance"), MakeVariant(VT_I4, 2), S_OK, VT_I4, 2, ""},
    };
    for (const PutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "put of type " << c.value.vt << " into "
                                        << std::string(c.name, c.name + std::char_traits<OLECHAR>::length(c.name)));
        Object task = outlook.Add(kTasksFolder, kTaskItem);
        ASSERT_NE(task, nullptr);
        VARIANT value = c.value;
        EXPECT_EQ(task->PutProperty(c.name, &value), c.expected);
        platform::VariantHolder read;
        ASSERT_EQ(task->GetProperty(c.name, read.Get()), S_OK);
        ASSERT_EQ(read->vt, c.readType);
        if (c.readType == VT_BSTR)
            EXPECT_EQ(GetText(*task, c.name), c.text);
        else if (c.readType == VT_I4)
            EXPECT_EQ(read->lVal, static_cast<LONG>(c.number));
        else if (c.readType == VT_BOOL)
            EXPECT_EQ(read->boolVal != 0, c.number != 0);
        else
            EXPECT_DOUBLE_EQ(read->date, c.number);
    }
}

TEST(ItemPropertiesTest, TextPutsAndObjectsIntoNumbers)
{
    SimulatedOutlook outlook;
    Object task = outlook.Add(kTasksFolder, kTaskItem);
    ASSERT_NE(task, nullptr);
    const struct {
        const OLECHAR* text;
        HRESULT expected;
        LONG read;
    } cases[] = {{OLESTR(" 42 "), S_OK, 42}, {OLESTR("-7"), S_OK, -7}, {OLESTR("forty"), DISP_E_TYPEMISMATCH, -7},
                 {OLESTR(""), DISP_E_TYPEMISMATCH, -7}, {OLESTR("99999999999"), DISP_E_OVERFLOW, -7}};
    for (const auto& c : cases) {
        platform::VariantHolder value;
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocString(c.text);
        EXPECT_EQ(task->PutProperty(OLESTR("Ordinal"), value.Get()), c.expected);
        EXPECT_EQ(GetNumber(*task, OLESTR("Ordinal")), c.read);
    }
    platform::VariantHolder object;
    object->vt = VT_DISPATCH;
    object->pdispVal = task->GetDispatch();
    object->pdispVal->AddRef();
    EXPECT_EQ(task->PutProperty(OLESTR("Subject"), object.Get()), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(task->PutProperty(OLESTR("Ordinal"), object.Get()), DISP_E_TYPEMISMATCH);
}

TEST(ItemPropertiesTest, TextKeepsEveryCharacter)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    const std::string text = "Zoë Ångström – 東京 😀";
    ASSERT_EQ(contact->PutString(OLESTR("CompanyName"), text.c_str()), S_OK);
    ASSERT_EQ(Save(*contact), S_OK);
    Object stored = CallForObject(*outlook.Items(kContactsFolder), OLESTR("GetFirst"));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(GetText(*stored, OLESTR("CompanyName")), text);
}

}  // namespace
}  // namespace olsim_test
