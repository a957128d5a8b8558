#include "olsim/SampleItems.h"

#include "olsim/ItemBuilder.h"

namespace olsim {
namespace {

constexpr std::int32_t kTextProperty = 1;
constexpr std::int32_t kNumberProperty = 3;

std::vector<ItemData> SampleContacts()
{
    std::vector<ItemData> items;
    items.push_back(ItemBuilder(ItemKind::Contact)
                        .Set("Title", "Ms.")
                        .Set("FirstName", "Nancy")
                        .Set("LastName", "Davolio")
                        .Set("CompanyName", "Northwind Traders")
                        .Set("JobTitle", "Sales Representative")
                        .Set("Department", "Sales")
                        .Set("Email1Address", "nancy.davolio@northwind.example")
                        .Set("BusinessTelephoneNumber", "(206) 555-0101")
                        .Set("MobileTelephoneNumber", "(206) 555-0199")
                        .Set("BusinessAddressStreet", "507 20th Ave. E., Apt. 2A")
                        .Set("BusinessAddressCity", "Seattle")
                        .Set("BusinessAddressState", "WA")
                        .Set("BusinessAddressPostalCode", "98122")
                        .Set("BusinessAddressCountry", "USA")
                        .Set("BusinessHomePage", "https://northwind.example/sales")
                        .Set("Birthday", "1968-12-08")
                        .Set("Categories", "Customers, Key Accounts")
                        .Set("Body", "Prefers calls in the morning.\r\nSends the quarterly order in March.")
                        .UserProperty("Customer Since", kTextProperty, "2009")
                        .UserProperty("Preferred Contact", kTextProperty, "Phone")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Contact)
                        .Set("Title", "Dr.")
                        .Set("FirstName", "Andrew")
                        .Set("MiddleName", "J.")
                        .Set("LastName", "Fuller")
                        .Set("Suffix", "Jr.")
                        .Set("CompanyName", "Contoso Pharmaceuticals")
                        .Set("JobTitle", "Vice President, Research")
                        .Set("Email1Address", "andrew.fuller@contoso.example")
                        .Set("Email2Address", "andy.fuller@mail.example")
                        .Set("BusinessTelephoneNumber", "+1 425 555 0142")
                        .Set("BusinessFaxNumber", "+1 425 555 0143")
                        .Set("HomeTelephoneNumber", "+1 425 555 0177")
                        .Set("HomeAddressStreet", "908 W. Capital Way")
                        .Set("HomeAddressCity", "Tacoma")
                        .Set("HomeAddressState", "WA")
                        .Set("HomeAddressPostalCode", "98401")
                        .Set("HomeAddressCountry", "USA")
                        .Set("Spouse", "Laura")
                        .Set("Anniversary", "1994-06-18")
                        .Set("Gender", "2")
                        .Set("Categories", "Partners")
                        .UserProperty("Customer Since", kTextProperty, "2015")
                        .UserProperty("Open Orders", kNumberProperty, "3")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Contact)
                        .Set("FirstName", "Zoë")
                        .Set("LastName", "Müller-Lüdenscheidt")
                        .Set("CompanyName", "Fabrikam GmbH")
                        .Set("JobTitle", "Einkaufsleiterin")
                        .Set("Email1Address", "z.mueller@fabrikam.example")
                        .Set("BusinessTelephoneNumber", "+49 30 5550 1234")
                        .Set("BusinessAddressStreet", "Friedrichstraße 123")
                        .Set("BusinessAddressCity", "Berlin")
                        .Set("BusinessAddressPostalCode", "10117")
                        .Set("BusinessAddressCountry", "Germany")
                        .Set("Language", "de-DE")
                        .Set("Gender", "1")
                        .Set("Categories", "Suppliers")
                        .Set("Body", "Speaks German, English and French.")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Contact)
                        .Set("FirstName", "Kenji")
                        .Set("LastName", "Tanaka")
                        .Set("NickName", "Ken")
                        .Set("Email1Address", "kenji.tanaka@adatum.example")
                        .Set("MobileTelephoneNumber", "+81 3 5555 0123")
                        .Set("OtherAddressStreet", "1-2-3 Shibuya")
                        .Set("OtherAddressCity", "Tokyo")
                        .Set("OtherAddressPostalCode", "150-0002")
                        .Set("OtherAddressCountry", "Japan")
                        .Set("IMAddress", "kenji.t@chat.example")
                        .Set("Birthday", "1985-04-01")
                        .Set("Hobby", "Photography, hiking")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Contact)
                        .Set("FirstName", "Margaret")
                        .Set("LastName", "Peacock")
                        .Set("CompanyName", "Margie's Travel")
                        .Set("JobTitle", "Owner")
                        .Set("Email1Address", "margaret@margiestravel.example")
                        .Set("PrimaryTelephoneNumber", "(503) 555-0160")
                        .Set("BusinessAddressStreet", "4110 Old Redmond Rd.")
                        .Set("BusinessAddressCity", "Redmond")
                        .Set("BusinessAddressState", "WA")
                        .Set("BusinessAddressPostalCode", "98052")
                        .Set("BusinessAddressCountry", "USA")
                        .Set("WebPage", "https://margiestravel.example")
                        .Set("Categories", "Customers")
                        .UserProperty("Preferred Contact", kTextProperty, "E-mail")
                        .Item());
    return items;
}

std::vector<ItemData> SampleAppointments()
{
    std::vector<ItemData> items;
    items.push_back(ItemBuilder(ItemKind::Appointment)
                        .Set("Subject", "Team meeting")
                        .Set("Location", "Conference Room 4")
                        .Set("Start", "2024-01-08 09:30")
                        .Set("Duration", "60")
                        .Set("ReminderSet", "true")
                        .Set("ReminderMinutesBeforeStart", "15")
                        .Set("Categories", "Work")
                        .Set("Body", "Weekly status of every project.")
                        .Pattern("RecurrenceType", "1")
                        .Pattern("DayOfWeekMask", "2")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Appointment)
                        .Set("Subject", "Quarterly review")
                        .Set("Location", "Board room")
                        .Set("Start", "2024-01-18 14:00")
                        .Set("Duration", "120")
                        .Set("ReminderSet", "true")
                        .Set("ReminderMinutesBeforeStart", "1440")
                        .Set("Importance", "2")
                        .Pattern("RecurrenceType", "3")
                        .Pattern("Interval", "3")
                        .Pattern("PatternEndDate", "2025-12-31")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Appointment)
                        .Set("Subject", "Dentist")
                        .Set("Location", "Dr. Ruiz, 12 Harbor St.")
                        .Set("Start", "2024-05-14 08:15")
                        .Set("Duration", "45")
                        .Set("ReminderSet", "true")
                        .Set("ReminderMinutesBeforeStart", "90")
                        .Set("Sensitivity", "2")
                        .Set("BusyStatus", "3")
                        .Set("Categories", "Personal")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Appointment)
                        .Set("Subject", "Company holiday")
                        .Set("Start", "2024-07-04")
                        .Set("AllDayEvent", "true")
                        .Set("BusyStatus", "0")
                        .Set("ReminderSet", "false")
                        .Pattern("RecurrenceType", "5")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Appointment)
                        .Set("Subject", "Lunch with Nancy")
                        .Set("Location", "Café Lumière")
                        .Set("Start", "2024-06-03 12:30")
                        .Set("End", "2024-06-03 13:45")
                        .Set("ReminderSet", "false")
                        .Item());
    return items;
}

std::vector<ItemData> SampleTasks()
{
    std::vector<ItemData> items;
    items.push_back(ItemBuilder(ItemKind::Task)
                        .Set("Subject", "Send the quarterly report")
                        .Set("StartDate", "2024-03-25")
                        .Set("DueDate", "2024-04-02")
                        .Set("Complete", "true")
                        .Set("Status", "2")
                        .Set("PercentComplete", "100")
                        .Set("DateCompleted", "2024-04-01")
                        .Set("TotalWork", "240")
                        .Set("ActualWork", "300")
                        .Set("Categories", "Work")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Task)
                        .Set("Subject", "Prepare the trade fair stand")
                        .Set("Body", "Order banners.\r\nBook the hotel.\r\nPrint 500 brochures.")
                        .Set("StartDate", "2024-05-01")
                        .Set("DueDate", "2024-06-15")
                        .Set("Status", "1")
                        .Set("PercentComplete", "50")
                        .Set("Importance", "2")
                        .Set("ReminderSet", "true")
                        .Set("ReminderTime", "2024-06-10 09:00")
                        .Set("ReminderPlaySound", "true")
                        .Set("Mileage", "120 km")
                        .Set("Role", "Organizer")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Task)
                        .Set("Subject", "Water the office plants")
                        .Set("StartDate", "2024-01-05")
                        .Set("DueDate", "2024-01-05")
                        .Set("Importance", "0")
                        .Pattern("RecurrenceType", "1")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Task)
                        .Set("Subject", "Renew the domain name")
                        .Set("DueDate", "2024-11-30")
                        .Set("Status", "3")
                        .Set("Sensitivity", "2")
                        .Set("CardData", "Registrar account 4411")
                        .Item());
    return items;
}

std::vector<ItemData> SampleNotes()
{
    std::vector<ItemData> items;
    items.push_back(ItemBuilder(ItemKind::Note).Set("Body", "Wi-Fi password\r\nGuest: welcome2024").Set("Color", "3").Item());
    items.push_back(ItemBuilder(ItemKind::Note)
                        .Set("Body", "Ideas for the newsletter\r\n- customer story\r\n- new price list\r\n- summer hours")
                        .Set("Color", "1")
                        .Set("Categories", "Work")
                        .Item());
    items.push_back(ItemBuilder(ItemKind::Note).Set("Body", "Call the bank about the loan").Set("Color", "2").Item());
    items.push_back(ItemBuilder(ItemKind::Note)
                        .Set("Body", "Book recommendations: \"The Pragmatic Programmer\", \"Refactoring\"")
                        .Set("Color", "0")
                        .Item());
    return items;
}

}  // namespace

std::vector<ItemData> SampleItems(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Contact:
        return SampleContacts();
    case ItemKind::Appointment:
        return SampleAppointments();
    case ItemKind::Task:
        return SampleTasks();
    case ItemKind::Note:
        return SampleNotes();
    }
    return {};
}

}  // namespace olsim
