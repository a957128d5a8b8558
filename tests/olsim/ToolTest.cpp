// The olsim tool: seed, list, clear and version on the test's own profile, checked
// against what the simulated Outlook then answers.
#include "support/Environment.h"
#include "SimulatedOutlook.h"

#include "common/misc/WinUtil.h"
#include "olsim/ToolCommands.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace olsim_test {
namespace {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

ToolRun RunTool(std::vector<std::string> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = olsim::RunTool(args, out, err);
    return {exitCode, out.str(), err.str()};
}

using CsvRow = std::vector<std::string>;

// RFC 4180: fields in double quotes may hold commas, quotes (doubled) and line breaks.
std::vector<CsvRow> ParseCsv(const std::string& text)
{
    std::vector<CsvRow> rows;
    CsvRow row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
        } else if (c == '\n') {
            row.push_back(field);
            field.clear();
            rows.push_back(row);
            row.clear();
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quote";
    EXPECT_TRUE(row.empty() && field.empty()) << "the last row lacks its line end";
    return rows;
}

// The rows as maps from column title to value.
std::vector<std::map<std::string, std::string>> ListRows(const char* kind)
{
    const ToolRun run = RunTool({"list", kind, "--format", "csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<CsvRow> rows = ParseCsv(run.out);
    std::vector<std::map<std::string, std::string>> records;
    if (rows.empty())
        return records;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].size(), rows[0].size()) << "row " << r;
        std::map<std::string, std::string> record;
        for (std::size_t c = 0; c < rows[0].size() && c < rows[r].size(); ++c)
            record[rows[0][c]] = rows[r][c];
        records.push_back(record);
    }
    return records;
}

TEST(ToolTest, SeededSampleIsWhatOutlookAndTheCsvListingShow)
{
    const ToolRun seed = RunTool({"seed", "--sample"});
    ASSERT_EQ(seed.exitCode, 0) << seed.err;
    EXPECT_NE(seed.out.find(std::getenv("OLSIM_PROFILE")), std::string::npos) << seed.out;

    SimulatedOutlook outlook;
    const auto contacts = ListRows("contacts");
    ASSERT_EQ(static_cast<LONG>(contacts.size()), outlook.Count(kContactsFolder));
    ASSERT_GE(contacts.size(), 3u);
    Object items = outlook.Items(kContactsFolder);
    int withAddress = 0;
    int withUserProperties = 0;
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        const Arg position(static_cast<int>(i + 1));
        Object contact = CallForObject(*items, OLESTR("Item"), {&position});
        ASSERT_NE(contact, nullptr);
        EXPECT_EQ(contacts[i].at("EntryID"), GetText(*contact, OLESTR("EntryID")));
        EXPECT_EQ(contacts[i].at("FullName"), GetText(*contact, OLESTR("FullName")));
        EXPECT_EQ(contacts[i].at("Email1Address"), GetText(*contact, OLESTR("Email1Address")));
        EXPECT_FALSE(contacts[i].at("FullName").empty());
        const bool hasAddress = !GetText(*contact, OLESTR("BusinessAddressCity")).empty() ||
                                !GetText(*contact, OLESTR("HomeAddressCity")).empty() ||
                                !GetText(*contact, OLESTR("OtherAddressCity")).empty();
        withAddress += hasAddress ? 1 : 0;
        const LONG userProperties = GetNumber(*GetObjectProperty(*contact, OLESTR("UserProperties")), OLESTR("Count"));
        withUserProperties += userProperties > 0 ? 1 : 0;
        EXPECT_EQ(contacts[i].at("UserProperties").empty(), userProperties == 0);
    }
    EXPECT_EQ(withAddress, static_cast<int>(contacts.size()));
    EXPECT_GE(withUserProperties, 2);

    int recurring = 0, reminders = 0;
    for (const auto& appointment : ListRows("appointments")) {
        recurring += appointment.at("IsRecurring") == "true" ? 1 : 0;
        reminders += appointment.at("ReminderSet") == "true" ? 1 : 0;
        EXPECT_EQ(appointment.at("IsRecurring") == "true", !appointment.at("RecurrencePattern.RecurrenceType").empty());
    }
    EXPECT_GE(recurring, 2);
    EXPECT_GE(reminders, 2);
    int completed = 0;
    for (const auto& task : ListRows("tasks"))
        completed += task.at("Complete") == "true" ? 1 : 0;
    EXPECT_GE(completed, 1);
    std::set<std::string> colours;
    for (const auto& note : ListRows("notes"))
        colours.insert(note.at("Color"));
    EXPECT_GE(colours.size(), 3u);
    EXPECT_EQ(static_cast<LONG>(ListRows("notes").size()), outlook.Count(kNotesFolder));
}

std::vector<std::map<std::string, std::string>> WithoutIdentity(std::vector<std::map<std::string, std::string>> rows)
{
    for (auto& row : rows) {
        row.erase("EntryID");
        row.erase("CreationTime");
        row.erase("LastModificationTime");
    }
    return rows;
}

TEST(ToolTest, GeneratedItemsAreTheSameEveryTimeAndLookReal)
{
    const char* kinds[] = {"contacts", "appointments", "tasks", "notes"};
    std::map<std::string, std::vector<std::map<std::string, std::string>>> first;
    for (int round = 0; round < 2; ++round) {
        const std::string profile = (testing_support::CurrentTestDataHome() / ("p" + std::to_string(round))).string();
        testing_support::SetEnvironment("OLSIM_PROFILE", profile.c_str());
        const ToolRun seed = RunTool({"seed", "--contacts", "40", "--appointments=30", "--tasks", "20", "--notes", "10"});
        ASSERT_EQ(seed.exitCode, 0) << seed.err;
        EXPECT_NE(seed.out.find("40 contacts, 30 appointments, 20 tasks and 10 notes"), std::string::npos) << seed.out;
        for (const char* kind : kinds) {
            auto rows = WithoutIdentity(ListRows(kind));
            if (round == 0)
                first[kind] = rows;
            else
                EXPECT_EQ(rows, first[kind]) << kind;
        }
    }
    ASSERT_EQ(first["contacts"].size(), 40u);
    ASSERT_EQ(first["notes"].size(), 10u);
    std::set<std::string> names;
    for (const auto& contact : first["contacts"]) {
        names.insert(contact.at("FullName"));
        EXPECT_GE(contact.at("FullName").size(), 5u);
        EXPECT_NE(contact.at("Email1Address").find('@'), std::string::npos);
        EXPECT_FALSE(contact.at("BusinessAddressStreet").empty());
        EXPECT_FALSE(contact.at("BusinessTelephoneNumber").empty());
    }
    EXPECT_GT(names.size(), 30u) << "names vary";
    for (const auto& appointment : first["appointments"])
        EXPECT_FALSE(appointment.at("Subject").empty());
    for (const auto& note : first["notes"])
        EXPECT_FALSE(note.at("Body").empty());
}

TEST(ToolTest, ClearRemovesOneKindOrAll)
{
    ASSERT_EQ(RunTool({"seed"}).exitCode, 0);
    SimulatedOutlook outlook;
    const LONG contacts = outlook.Count(kContactsFolder);
    const LONG notes = outlook.Count(kNotesFolder);
    ASSERT_GT(notes, 0);
    const ToolRun clearNotes = RunTool({"clear", "notes"});
    EXPECT_EQ(clearNotes.exitCode, 0) << clearNotes.err;
    EXPECT_NE(clearNotes.out.find("Removed " + std::to_string(notes) + " notes"), std::string::npos) << clearNotes.out;
    EXPECT_EQ(outlook.Count(kNotesFolder), 0);
    EXPECT_EQ(outlook.Count(kContactsFolder), contacts);

    const ToolRun clearAll = RunTool({"clear"});
    EXPECT_EQ(clearAll.exitCode, 0) << clearAll.err;
    for (const int folder : {kContactsFolder, kCalendarFolder, kTasksFolder, kNotesFolder})
        EXPECT_EQ(outlook.Count(folder), 0) << folder;
    EXPECT_TRUE(ListRows("contacts").empty());
}

TEST(ToolTest, VersionShowsAndRecordsTheSimulatedVersion)
{
    ToolRun run = RunTool({"version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "16.0.0.0\n");
    run = RunTool({"version", "11.0.8312.0"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    run = RunTool({"version"});
    EXPECT_EQ(run.out, "11.0.8312.0\n");
    SimulatedOutlook outlook;
    char version[OUTLOOK_VERSION_SIZE] = "";
    EXPECT_TRUE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "11.0.8312.0");
}

TEST(ToolTest, JsonListingEscapesTextsAndGivesNullForNoDate)
{
    {
        SimulatedOutlook outlook;
        outlook.AddSaved(kNotesFolder, kNoteItem, {{OLESTR("Body"), "Say \"hi\"\r\nback\\slash\ttab"}});
        outlook.AddSaved(kTasksFolder, kTaskItem, {{OLESTR("Subject"), "no dates"}});
    }
    ToolRun run = RunTool({"list", "notes", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.front(), '[');
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "]\n");
    EXPECT_NE(run.out.find(R"("Body": "Say \"hi\"\r\nback\\slash\ttab")"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("Subject": "Say \"hi\"")"), std::string::npos) << run.out;
    run = RunTool({"list", "task", "--format=json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(R"("DueDate": null)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("RecurrencePattern": null)"), std::string::npos) << run.out;
    run = RunTool({"list", "appointments", "--format", "json"});
    EXPECT_EQ(run.out, "[]\n");
}

TEST(ToolTest, BadCommandLinesGiveAMessageAndExitCode2)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "no command"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"list"}, "needs a kind"},
        {{"list", "widgets"}, "unknown kind \"widgets\""},
        {{"list", "contacts", "notes"}, "one kind"},
        {{"list", "contacts", "--format", "xml"}, "csv or json"},
        {{"list", "contacts", "--sort", "name"}, "unknown option \"--sort\""},
        {{"seed", "--contacts", "-1"}, "--contacts needs a number"},
        {{"seed", "--contacts", "lots"}, "--contacts needs a number"},
        {{"seed", "--contacts"}, "--contacts needs a number"},
        {{"seed", "--contacts", "10000001"}, "--contacts needs a number"},
        {{"seed", "--contact", "5"}, "unknown option \"--contact\""},
        {{"clear", "notes", "tasks"}, "at most one kind"},
        {{"clear", "everything"}, "unknown kind"},
        {{"version", "1.2.3"}, "not a version"},
        {{"version", "70000.0.0.0"}, "not a version"},
        {{"version", "1.2.3.4", "5"}, "at most one version"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: olsim"), std::string::npos);
        EXPECT_TRUE(run.out.empty());
    }
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: olsim seed"), std::string::npos);
}

TEST(ToolTest, AProfileThatIsNotOursFailsWithExitCode1AndChangesNothing)
{
    const std::string path = std::getenv("OLSIM_PROFILE");
    std::ofstream(path) << "not a database";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"seed"}, {"list", "contacts"}, {"clear"}, {"version", "12.0.0.0"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1) << args[0];
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("not an Outlook simulator profile"), std::string::npos) << run.err;
    }
    std::ifstream file(path);
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "not a database");
}

}  // namespace
}  // namespace olsim_test
