// Export then import through the command line, one kind a row: the items that come back into
// the emptied folder are the items that went out, compared property by property on the
// exported fields. Each row writes and reads the file in another format.
#include "cli/CliTest.h"

#include <algorithm>

namespace {

struct RoundTripCase {
    const char* szName;
    const char* szKind;      // as brindle names it
    const char* szListed;    // as the olsim tool names it
    const char* szSeed;      // olsim seed's option for the kind
    const char* szFields;
    std::vector<const char*> properties;  // the Outlook properties behind the fields
    std::vector<std::string> exportOptions;
    std::vector<std::string> importOptions;
};

void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.szName; }

const RoundTripCase kCases[] = {
    {"ContactsSemicolonTitlesDetected", "contacts", "contacts", "--contacts",
     "First Name,Last Name,Email 1,Company Name,Job Title,Business Phone,Mobile Phone,Business Street,Business City,"
     "Business Postal,Notes,Category",
     {"FirstName", "LastName", "Email1Address", "CompanyName", "JobTitle", "BusinessTelephoneNumber",
      "MobileTelephoneNumber", "BusinessAddressStreet", "BusinessAddressCity", "BusinessAddressPostalCode", "Body",
      "Categories"},
     {"--title", "--quote", "\"", "--delimiter", "semicolon"},
     {"--delimiter", "detect"}},
    {"CalendarTabsUnquoted", "calendar", "appointments", "--appointments",
     "Subject,Start Date,Start Time,End Date,End Time,All Day Event,Location,Category,Note,Reminder Set,"
     "Reminder Minutes Before Start",
     {"Subject", "Start", "End", "AllDayEvent", "Location", "Categories", "Body", "ReminderSet",
      "ReminderMinutesBeforeStart"},
     {"--title", "--quote", "none", "--delimiter", "tab"},
     {"--quote", "none", "--delimiter", "tab", "--match-titles"}},
    {"TasksSingleQuotesNoTitleRow", "tasks", "tasks", "--tasks", "Subject,Notes,Category",
     {"Subject", "Body", "Categories"},
     {"--quote", "'"},
     {"--quote", "single", "--fields", "Subject,Notes,Category"}},
    {"NotesByteOrderMarkUtf8", "notes", "notes", "--notes", "Subject,Body,Category",
     {"Subject", "Body", "Categories"},
     {"--title", "--bom", "--quote", "\""},
     {"--encoding", "utf-8"}},
};

class RoundTripTest : public CliTest, public ::testing::WithParamInterface<RoundTripCase> {};

// Each item as the compared properties' JSON texts, the items sorted: the folder's order is
// not what is compared.
std::vector<std::vector<std::string>> Compared(const QJsonArray& items, const std::vector<const char*>& properties)
{
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue& item : items) {
        std::vector<std::string> row;
        for (const char* szProperty : properties) {
            const QJsonValue value = item.toObject().value(szProperty);
            EXPECT_FALSE(value.isUndefined()) << szProperty;
            row.push_back(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString());
        }
        rows.push_back(std::move(row));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace

TEST_P(RoundTripTest, ItemsComeBackWithTheirExportedFields)
{
    const RoundTripCase& c = GetParam();
    Tool({"seed", c.szSeed, "25", "--seed", "11", "--sample"});
    const QJsonArray before = Items(c.szListed);
    ASSERT_GE(before.size(), 25);
    const std::string file = Path("round-trip.csv");

    std::vector<std::string> exportArgs{"export", c.szKind, file, "--fields", c.szFields};
    exportArgs.insert(exportArgs.end(), c.exportOptions.begin(), c.exportOptions.end());
    const cli_test::ProgramRun exported = Brindle(exportArgs);
    ASSERT_EQ(exported.nExit, 0) << exported.err;
    EXPECT_EQ(exported.out, "Convesion succeeded. " + std::to_string(before.size()) + " records were converted\n");

    Tool({"clear", c.szListed});
    ASSERT_EQ(Items(c.szListed).size(), 0);
    std::vector<std::string> importArgs{"import", c.szKind, file};
    importArgs.insert(importArgs.end(), c.importOptions.begin(), c.importOptions.end());
    const cli_test::ProgramRun imported = Brindle(importArgs);
    ASSERT_EQ(imported.nExit, 0) << imported.err;
    const std::string count = std::to_string(before.size());
    EXPECT_EQ(imported.out, "Convesion succeeded. " + count + " records were converted\n" + count
                                + " added, 0 updated, 0 identical\n");

    const QJsonArray after = Items(c.szListed);
    EXPECT_EQ(Compared(after, c.properties), Compared(before, c.properties));

    // The items now hold what the file holds: the same file again changes none of them.
    const std::string listed = Listing(c.szListed);
    const cli_test::ProgramRun again = Brindle(importArgs);
    ASSERT_EQ(again.nExit, 0) << again.err;
    EXPECT_EQ(again.out, "Convesion succeeded. 0 records were converted\n0 added, 0 updated, " + count + " identical\n"
                             + count + " records were already in Outlook and were skipped\n");
    EXPECT_EQ(Listing(c.szListed), listed);
}

INSTANTIATE_TEST_SUITE_P(EachKind, RoundTripTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.szName); });
