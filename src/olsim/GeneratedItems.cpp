#include "olsim/GeneratedItems.h"

#include "olsim/ItemBuilder.h"
#include "olsim/ItemRules.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace olsim {
namespace {

constexpr std::uint32_t kSeeds[] = {0x0C0471C7, 0x0A990147, 0x07A5C5ED, 0x0407E5ED};

constexpr std::string_view kFirstNames[] = {
    "James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael", "Linda", "David", "Elizabeth",
    "William", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah", "Christopher", "Karen",
    "Charles", "Lisa", "Daniel", "Nancy", "Matthew", "Betty", "Anthony", "Margaret", "Mark", "Sandra",
    "Aiko", "Mateo", "Ingrid", "Rahul", "Olga", "Chen", "Fatima", "Lars", "Amara", "Diego"};
constexpr std::string_view kLastNames[] = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller", "Davis", "Rodriguez", "Martinez",
    "Hernandez", "Lopez", "Gonzalez", "Wilson", "Anderson", "Thomas", "Taylor", "Moore", "Jackson", "Martin",
    "Lee", "Perez", "Thompson", "White", "Harris", "Sanchez", "Clark", "Ramirez", "Lewis", "Robinson",
    "Nakamura", "Okafor", "Lindqvist", "Sharma", "Kowalski", "Zhang", "Haddad", "Johansson", "Mensah", "Fernandes"};
constexpr std::string_view kCompanies[] = {
    "Northwind Traders", "Contoso Ltd.", "Fabrikam Inc.", "Adventure Works", "Tailspin Toys", "Wide World Importers",
    "Proseware Inc.", "Litware Inc.", "Lucerne Publishing", "Margie's Travel", "Coho Winery", "Alpine Ski House",
    "Blue Yonder Airlines", "Fourth Coffee", "Graphic Design Institute", "Humongous Insurance", "Woodgrove Bank",
    "Trey Research", "Southridge Video", "City Power & Light"};
constexpr std::string_view kDomains[] = {"example.com", "example.org", "example.net", "mail.example", "corp.example"};
constexpr std::string_view kJobTitles[] = {
    "Sales Representative", "Account Manager", "Software Engineer", "Project Manager", "Chief Financial Officer",
    "Marketing Coordinator", "Office Administrator", "Research Scientist", "Customer Support Specialist",
    "Purchasing Agent", "Operations Director", "Graphic Designer", "HR Generalist", "Legal Counsel", "Owner"};
constexpr std::string_view kDepartments[] = {"Sales", "Marketing", "Engineering", "Finance", "Operations",
                                             "Human Resources", "Legal", "Support", "Purchasing", "Research"};
constexpr std::string_view kStreets[] = {"Maple", "Oak", "Pine", "Cedar", "Elm", "Washington", "Lake", "Hill",
                                         "Park", "Main", "Sunset", "River", "Highland", "Madison", "Jefferson"};
constexpr std::string_view kStreetKinds[] = {"Street", "Avenue", "Road", "Boulevard", "Lane", "Drive", "Way"};
struct Place {
    std::string_view city, state, postalPrefix, country;
};
constexpr Place kPlaces[] = {
    {"Seattle", "WA", "981", "USA"},      {"Portland", "OR", "972", "USA"},     {"San Francisco", "CA", "941", "USA"},
    {"Austin", "TX", "787", "USA"},       {"Chicago", "IL", "606", "USA"},      {"Boston", "MA", "021", "USA"},
    {"Denver", "CO", "802", "USA"},       {"Toronto", "ON", "M5V", "Canada"},   {"London", "", "EC1", "United Kingdom"},
    {"Sydney", "NSW", "200", "Australia"}};
constexpr std::string_view kCategories[] = {"Customers", "Suppliers", "Partners", "Family", "Friends",
                                            "Business", "Key Accounts", "Holiday Cards"};
constexpr std::string_view kSentences[] = {
    "Met at the spring trade fair.", "Prefers e-mail over phone calls.", "Follow up about the new price list.",
    "Has two children and a golden retriever.", "Interested in the premium support plan.",
    "Send the signed contract before the end of the month.", "Call back after the holidays.",
    "Likes to discuss details over lunch.", "Asked for a demo of the reporting module.",
    "Moved to a new office last year."};
constexpr std::string_view kMeetingSubjects[] = {
    "Project kickoff", "Weekly status", "Budget review", "Client call", "Design review", "One-on-one",
    "Sprint planning", "Training session", "Lunch meeting", "Quarterly business review", "Interview",
    "Vendor presentation", "Team offsite", "Dentist appointment", "Board meeting"};
constexpr std::string_view kLocations[] = {"Conference Room A", "Conference Room B", "Building 7, Room 2041",
                                           "Online meeting", "Main lobby", "Café downstairs", "Client office",
                                           "Training center", "Board room", ""};
constexpr std::string_view kTaskSubjects[] = {
    "Prepare the presentation", "Update the budget spreadsheet", "Review the contract draft",
    "Order office supplies", "Book travel for the conference", "Write the monthly report",
    "Call the insurance company", "Renew the software licenses", "Plan the team event",
    "Answer customer feedback", "Back up the laptop", "Submit the expense report"};
constexpr std::string_view kNoteLines[] = {
    "Remember to bring the charger", "Parking level 3, spot 42", "Meeting moved to Thursday",
    "Ask about the discount for volume orders", "Printer toner is in the second drawer",
    "New phone number of the front desk: 555-0100", "Gift idea: a good fountain pen",
    "Pick up the dry cleaning", "Book recommendations from the conference", "Guest Wi-Fi: visitor / welcome"};
constexpr std::string_view kTitles[] = {"Mr.", "Ms.", "Mrs.", "Dr.", "Prof."};
constexpr std::string_view kSuffixes[] = {"Jr.", "Sr.", "II", "III", "PhD"};
constexpr std::string_view kProfessions[] = {"Accountant", "Engineer", "Physician", "Architect", "Teacher",
                                             "Attorney", "Consultant", "Pharmacist", "Designer", "Nurse"};
constexpr std::string_view kHobbies[] = {"Sailing", "Photography", "Golf", "Chess", "Gardening", "Cycling",
                                         "Bird watching", "Cooking", "Piano", "Marathon running"};
constexpr std::string_view kLanguages[] = {"en-US", "en-GB", "de-DE", "fr-FR", "es-ES", "ja-JP"};
constexpr std::string_view kTaskObjects[] = {"the contract", "the offer", "the invoice", "the workshop",
                                             "the renewal", "the quarterly figures", "the site visit",
                                             "the product demo"};
// A note's first line: a lead, a person's name and a tail.
struct NoteLine {
    std::string_view lead, tail;
};
constexpr NoteLine kNoteOpenings[] = {
    {"Call ", " back about the offer"}, {"Meeting with ", " moved to Thursday"}, {"Gift idea for ", ": a fountain pen"},
    {"Ask ", " about the volume discount"}, {"Lunch with ", " at noon"}, {"Send ", " the conference slides"}};
constexpr int kDurations[] = {30, 45, 60, 60, 90, 120};
constexpr int kReminderMinutes[] = {5, 10, 15, 15, 30, 60, 1440};

std::string Format(const char* format, auto... values)
{
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string lower;
    for (const char c : text) {
        if (c >= 'A' && c <= 'Z')
            lower += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            lower += c;
    }
    return lower;
}

}  // namespace

std::string ItemGenerator::Phone()
{
    const unsigned area = 200 + Below(800);
    const unsigned line = Below(10000);
    return Format("(%03u) 555-%04u", area, line);
}

std::string ItemGenerator::Street(std::uint32_t highestNumber)
{
    const unsigned number = 1 + Below(highestNumber);
    const std::string name(Pick(kStreets));
    const std::string kind(Pick(kStreetKinds));
    return Format("%u %s %s", number, name.c_str(), kind.c_str());
}

std::string ItemGenerator::Date(unsigned firstYear, unsigned years)
{
    const unsigned year = firstYear + Below(years);
    const unsigned month = 1 + Below(12);
    const unsigned day = 1 + Below(28);
    return Format("%04u-%02u-%02u", year, month, day);
}

std::string ItemGenerator::Numbered() const { return " #" + std::to_string(m_count); }

std::string ItemGenerator::PersonName()
{
    const std::string first(Pick(kFirstNames));
    const std::string last(Pick(kLastNames));
    return first + " " + last;
}

std::string ItemGenerator::Sentences(unsigned most)
{
    std::string text(Pick(kSentences));
    for (unsigned more = Below(most); more > 0; --more)
        text += (Chance(30) ? "\r\n" : " ") + std::string(Pick(kSentences));
    return text;
}

ItemGenerator::ItemGenerator(ItemKind kind, std::uint32_t seed) : m_kind(kind)
{
    std::seed_seq sequence{seed, kSeeds[static_cast<std::size_t>(kind)]};
    m_random.seed(sequence);
}

ItemData ItemGenerator::Next()
{
    ++m_count;
    switch (m_kind) {
    case ItemKind::Contact:
        return NextContact();
    case ItemKind::Appointment:
        return NextAppointment();
    case ItemKind::Task:
        return NextTask();
    case ItemKind::Note:
        return NextNote();
    }
    return ItemData(m_kind);
}

ItemData ItemGenerator::NextContact()
{
    const std::string_view first = Pick(kFirstNames);
    const std::string_view last = Pick(kLastNames);
    const std::string_view company = Pick(kCompanies);
    const Place& place = Pick(kPlaces);
    const std::string web = Lower(company) + "." + std::string(Pick(kDomains));
    ItemBuilder contact(ItemKind::Contact);
    if (Chance(30))
        contact.Set("Title", Pick(kTitles));
    contact.Set("FirstName", first).Set("LastName", last);
    if (Chance(20))
        contact.Set("MiddleName", Format("%c.", static_cast<char>('A' + Below(26))));
    if (Chance(3))
        contact.Set("Suffix", Pick(kSuffixes));
    if (Chance(10))
        contact.Set("NickName", first.substr(0, 3));
    contact.Set("CompanyName", company)
        .Set("JobTitle", Pick(kJobTitles))
        .Set("Department", Pick(kDepartments))
        .Set("Email1Address", Lower(first) + "." + Lower(last) + std::to_string(m_count) + "@" + web)
        .Set("BusinessTelephoneNumber", Phone())
        .Set("MobileTelephoneNumber", Phone())
        .Set("BusinessAddressStreet", Street(9999))
        .Set("BusinessAddressCity", place.city)
        .Set("BusinessAddressState", place.state)
        .Set("BusinessAddressPostalCode", Format("%s%02u", std::string(place.postalPrefix).c_str(), Below(100)))
        .Set("BusinessAddressCountry", place.country);
    // Outlook's mailing address is the business address unless the user picks another.
    contact.Set("MailingAddressStreet", AsText(GetProperty(contact.Item(), "BusinessAddressStreet")))
        .Set("MailingAddressCity", place.city)
        .Set("MailingAddressState", place.state)
        .Set("MailingAddressPostalCode", AsText(GetProperty(contact.Item(), "BusinessAddressPostalCode")))
        .Set("MailingAddressCountry", place.country);
    if (Chance(60))
        contact.Set("BusinessHomePage", "https://www." + web + "/");
    if (Chance(30))
        contact.Set("BusinessFaxNumber", Phone());
    if (Chance(30))
        contact.Set("CompanyMainTelephoneNumber", Phone());
    if (Chance(10))
        contact.Set("Business2TelephoneNumber", Phone());
    if (Chance(20))
        contact.Set("ManagerName", PersonName());
    if (Chance(10))
        contact.Set("AssistantName", PersonName()).Set("AssistantTelephoneNumber", Phone());
    if (Chance(20))
        contact.Set("Profession", Pick(kProfessions));
    if (Chance(30))
        contact.Set("Email2Address", Lower(first) + "." + Lower(last) + std::to_string(Below(100)) + "@mail.example");
    if (Chance(15))
        contact.Set("IMAddress", Lower(first) + Lower(last) + "@im.example");
    if (Chance(40)) {
        const Place& home = Pick(kPlaces);
        contact.Set("HomeAddressStreet", Street(999))
            .Set("HomeAddressCity", home.city)
            .Set("HomeAddressState", home.state)
            .Set("HomeAddressPostalCode", Format("%s%02u", std::string(home.postalPrefix).c_str(), Below(100)))
            .Set("HomeAddressCountry", home.country)
            .Set("HomeTelephoneNumber", Phone());
    }
    if (Chance(5)) {
        const Place& other = Pick(kPlaces);
        contact.Set("OtherAddressStreet", Street(999))
            .Set("OtherAddressCity", other.city)
            .Set("OtherAddressPostalCode", Format("%s%02u", std::string(other.postalPrefix).c_str(), Below(100)))
            .Set("OtherAddressCountry", other.country);
    }
    if (Chance(5))
        contact.Set("PersonalHomePage", "https://" + Lower(first) + Lower(last) + ".example/");
    if (Chance(60))
        contact.Set("Birthday", Date(1950, 50));
    if (Chance(15))
        contact.Set("Anniversary", Date(1975, 45));
    if (Chance(20))
        contact.Set("Spouse", Pick(kFirstNames));
    if (Chance(15))
        contact.Set("Hobby", Pick(kHobbies));
    if (Chance(10))
        contact.Set("Language", Pick(kLanguages));
    if (Chance(20))
        contact.Set("CustomerID", Format("C-%06u", Below(1000000)));
    if (Chance(10))
        contact.Set("Account", Format("%08u", Below(100000000)));
    if (Chance(50)) {
        std::string categories(Pick(kCategories));
        if (Chance(30))
            categories += ", " + std::string(Pick(kCategories));
        contact.Set("Categories", categories);
    }
    // Notes run from a line to a page of call and meeting history.
    if (Chance(70))
        contact.Set("Body", Sentences(36));
    if (Chance(20))
        contact.UserProperty("Customer Since", 1, std::to_string(1995 + Below(30)));
    return std::move(contact.Item());
}

ItemData ItemGenerator::NextAppointment()
{
    const std::string day = Date(2024, 2);
    const unsigned year = static_cast<unsigned>(std::stoi(day.substr(0, 4)));
    ItemBuilder appointment(ItemKind::Appointment);
    appointment.Set("Subject", std::string(Pick(kMeetingSubjects)) + Numbered())
        .Set("Location", Pick(kLocations));
    if (Chance(10)) {
        appointment.Set("Start", day).Set("AllDayEvent", "true").Set("BusyStatus", "0");
    } else {
        const unsigned hour = 8 + Below(10);
        const unsigned minute = 15 * Below(4);
        appointment.Set("Start", day + Format(" %02u:%02u", hour, minute))
            .Set("Duration", std::to_string(Pick(kDurations)));
    }
    const bool reminder = Chance(70);
    appointment.Set("ReminderSet", reminder ? "true" : "false");
    if (reminder)
        appointment.Set("ReminderMinutesBeforeStart", std::to_string(Pick(kReminderMinutes)));
    if (Chance(10))
        appointment.Set("Importance", "2");
    if (Chance(30))
        appointment.Set("Body", Sentences(3));
    if (Chance(15)) {
        static constexpr std::string_view kTypes[] = {"0", "1", "1", "2"};
        appointment.Pattern("RecurrenceType", Pick(kTypes));
        if (Chance(50))
            appointment.Pattern("PatternEndDate", Format("%04u-12-31", year + 1));
    }
    return std::move(appointment.Item());
}

ItemData ItemGenerator::NextTask()
{
    ItemBuilder task(ItemKind::Task);
    const unsigned year = 2024 + Below(2);
    const unsigned month = 1 + Below(12);
    std::string subject(Pick(kTaskSubjects));
    if (Chance(50))
        subject += " for " + PersonName();
    else
        subject += " for " + std::string(Pick(kTaskObjects)) + " of " + std::string(Pick(kCompanies));
    task.Set("Subject", subject + Numbered())
        .Set("StartDate", Format("%04u-%02u-01", year, month))
        .Set("DueDate", Format("%04u-%02u-%02u", year, month, 2 + Below(27)))
        .Set("Importance", std::to_string(Below(3)));
    const unsigned status = Below(5);
    task.Set("Status", std::to_string(status));
    if (status == 2) {
        task.Set("Complete", "true")
            .Set("PercentComplete", "100")
            .Set("DateCompleted", Format("%04u-%02u-%02u", year, month, 2 + Below(27)));
    } else if (status == 1) {
        task.Set("PercentComplete", std::to_string(25 * (1 + Below(3))));
    }
    if (Chance(10))
        task.Set("ReminderSet", "true").Set("ReminderTime", Format("%04u-%02u-01 09:00", year, month));
    if (Chance(25))
        task.Set("Body", Sentences(3));
    if (Chance(5))
        task.Pattern("RecurrenceType", "1");
    return std::move(task.Item());
}

ItemData ItemGenerator::NextNote()
{
    const NoteLine& opening = Pick(kNoteOpenings);
    std::string body = std::string(opening.lead) + PersonName() + std::string(opening.tail) + Numbered();
    for (unsigned lines = Below(3); lines > 0; --lines)
        body += "\r\n" + std::string(Pick(kNoteLines));
    ItemBuilder note(ItemKind::Note);
    note.Set("Body", body).Set("Color", std::to_string(Below(5)));
    if (Chance(20))
        note.Set("Categories", Pick(kCategories));
    return std::move(note.Item());
}

}  // namespace olsim
