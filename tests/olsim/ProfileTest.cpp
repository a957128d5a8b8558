// The profile behind the simulated Outlook: where it lives, that its data lives from one
// run to the next, that a file which is not a profile is refused, and the version that
// registration publishes.
#include "support/Environment.h"
#include "SimulatedOutlook.h"

#include "common/misc/WinUtil.h"
#include "olsim/ProfileStore.h"
#include "olsim/SimulatorLog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace olsim_test {
namespace {

// Collects the simulator's log lines while it lives.
class LogCapture {
public:
    LogCapture() { olsim::SetLogSink([this](const std::string& line) { m_lines.push_back(line); }); }
    ~LogCapture() { olsim::SetLogSink({}); }
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

void RunSql(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string ProfileFile() { return std::getenv("OLSIM_PROFILE"); }

HRESULT CreateOutlook()
{
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    platform::ComPtr<IUnknown> unknown;
    return CoCreateInstance(clsid, nullptr, 0x15, IID_IUnknown, unknown.PutVoid());
}

TEST(ProfileTest, EveryKindsValuesSurviveAReopen)
{
    SimulatedOutlook outlook;
    {
        Object contact = outlook.AddSaved(
            kContactsFolder, kContactItem,
            {{OLESTR("FirstName"), "Rosa"}, {OLESTR("LastName"), "Diaz"}, {OLESTR("Body"), "Line 1\r\nLine 2"}});
        ASSERT_NE(contact, nullptr);
        EXPECT_EQ(contact->PutDate(OLESTR("Birthday"), DateOf(1970, 3, 5)), S_OK);
        EXPECT_EQ(contact->PutLong(OLESTR("Gender"), 1), S_OK);
        EXPECT_EQ(Save(*contact), S_OK);
        Object appointment = outlook.Add(kCalendarFolder, kAppointmentItem);
        ASSERT_NE(appointment, nullptr);
        EXPECT_EQ(appointment->PutDate(OLESTR("Start"), DateOf(2024, 6, 1, 9, 0)), S_OK);
        EXPECT_EQ(appointment->PutLong(OLESTR("Duration"), 45), S_OK);
        EXPECT_EQ(appointment->PutBool(OLESTR("ReminderSet"), false), S_OK);
        EXPECT_EQ(Save(*appointment), S_OK);
        Object task = outlook.AddSaved(kTasksFolder, kTaskItem, {{OLESTR("Subject"), "File taxes"}});
        EXPECT_EQ(task->PutBool(OLESTR("Complete"), true), S_OK);
        EXPECT_EQ(task->PutLong(OLESTR("PercentComplete"), 100), S_OK);
        EXPECT_EQ(Save(*task), S_OK);
        Object note = outlook.AddSaved(kNotesFolder, kNoteItem, {{OLESTR("Body"), "Remember"}});
        EXPECT_EQ(note->PutLong(OLESTR("Color"), 1), S_OK);
        EXPECT_EQ(Save(*note), S_OK);
    }
    outlook.Disconnect();
    outlook.Reconnect();

    Object contact = CallForObject(*outlook.Items(kContactsFolder), OLESTR("GetFirst"));
    ASSERT_NE(contact, nullptr);
    EXPECT_EQ(GetText(*contact, OLESTR("FullName")), "Rosa Diaz");
    EXPECT_EQ(GetText(*contact, OLESTR("Body")), "Line 1\r\nLine 2");
    EXPECT_DOUBLE_EQ(GetDateValue(*contact, OLESTR("Birthday")), DateOf(1970, 3, 5));
    EXPECT_DOUBLE_EQ(GetDateValue(*contact, OLESTR("Anniversary")), kNoneDate);
    EXPECT_EQ(GetNumber(*contact, OLESTR("Gender")), 1);
    Object appointment = CallForObject(*outlook.Items(kCalendarFolder), OLESTR("GetFirst"));
    ASSERT_NE(appointment, nullptr);
    EXPECT_DOUBLE_EQ(GetDateValue(*appointment, OLESTR("End")), DateOf(2024, 6, 1, 9, 45));
    EXPECT_FALSE(GetFlag(*appointment, OLESTR("ReminderSet")));
    Object task = CallForObject(*outlook.Items(kTasksFolder), OLESTR("GetFirst"));
    ASSERT_NE(task, nullptr);
    EXPECT_TRUE(GetFlag(*task, OLESTR("Complete")));
    EXPECT_EQ(GetNumber(*task, OLESTR("PercentComplete")), 100);
    Object note = CallForObject(*outlook.Items(kNotesFolder), OLESTR("GetFirst"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(GetText(*note, OLESTR("Subject")), "Remember");
    EXPECT_EQ(GetNumber(*note, OLESTR("Color")), 1);
}

TEST(ProfileTest, ProfileIsWrittenAheadAndCreatedInTheDataFolderByDefault)
{
    testing_support::UnsetEnvironment("OLSIM_PROFILE");
    const std::filesystem::path expected = testing_support::CurrentTestDataHome() / "olsim" / "profile.sqlite";
    EXPECT_EQ(olsim::ProfilePath(), expected.generic_string());
    {
        SimulatedOutlook outlook;
        outlook.AddSaved(kNotesFolder, kNoteItem, {{OLESTR("Body"), "here"}});
    }
    ASSERT_TRUE(std::filesystem::exists(expected));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(expected.string().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal");
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

struct RefusedProfile {
    const char* label;
    std::function<void(const std::string& path)> make;
    const char* reason;
};

TEST(ProfileTest, AFileThatIsNotOurProfileMakesCreationFailWithALogLine)
{
    const RefusedProfile cases[] = {
        {"text file", [](const std::string& path) { std::ofstream(path) << "name,phone\nAnn,123\n"; },
         "not an Outlook simulator profile"},
        {"another program's database",
         [](const std::string& path) { RunSql(path, "CREATE TABLE notes (id INTEGER, text TEXT)"); },
         "not an Outlook simulator profile"},
        {"a newer profile",
         [](const std::string& path) {
             { olsim::ProfileStore store(path); }
             RunSql(path, "PRAGMA user_version = 99");
         },
         "newer version"},
        {"a folder", [](const std::string& path) { std::filesystem::create_directories(path); }, "unable to open"},
    };
    for (const RefusedProfile& c : cases) {
        SCOPED_TRACE(c.label);
        testing_support::TempDir folder;
        const std::string path = folder.file("profile.sqlite");
        testing_support::SetEnvironment("OLSIM_PROFILE", path.c_str());
        c.make(path);
        LogCapture log;
        olsim::RegisterOutlookSimulator();
        EXPECT_EQ(CreateOutlook(), static_cast<HRESULT>(0x80080005));
        olsim::UnregisterOutlookSimulator();
        ASSERT_FALSE(log.Lines().empty());
        const std::string& line = log.Lines().back();
        EXPECT_NE(line.find(path), std::string::npos) << line;
        EXPECT_NE(line.find(c.reason), std::string::npos) << line;
    }
}

TEST(ProfileTest, AnEmptyFileBecomesANewProfile)
{
    std::ofstream(ProfileFile()).close();
    SimulatedOutlook outlook;
    EXPECT_NE(outlook.AddSaved(kNotesFolder, kNoteItem, {{OLESTR("Body"), "first"}}), nullptr);
    EXPECT_EQ(outlook.Count(kNotesFolder), 1);
}

TEST(ProfileTest, RegistrationPublishesTheProfilesVersionAndUnregistrationRemovesOutlook)
{
    const struct {
        const char* recorded;  // null: the default of a new profile
        const char* published;
    } cases[] = {{nullptr, "16.0.0.0"}, {"11.0.8312.0", "11.0.8312.0"}, {"14.0.7268.5000", "14.0.7268.5000"}};
    for (const auto& c : cases) {
        if (c.recorded) {
            olsim::ProfileStore store(ProfileFile());
            store.SetOutlookVersion(c.recorded);
        }
        SimulatedOutlook outlook;
        char version[OUTLOOK_VERSION_SIZE] = "unchanged";
        EXPECT_TRUE(GetOutlookVersion(version));
        EXPECT_STREQ(version, c.published);
        EXPECT_EQ(GetText(outlook.Application(), OLESTR("Version")), c.published);
    }
    char version[OUTLOOK_VERSION_SIZE] = "unchanged";
    EXPECT_FALSE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "unchanged");
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), CO_E_CLASSSTRING);
}

TEST(ProfileTest, ASaveOfAnItemDeletedMeanwhileFailsAndWritesNothing)
{
    SimulatedOutlook outlook;
    outlook.AddSaved(kContactsFolder, kContactItem, {{OLESTR("LastName"), "Gone"}});
    Object items = outlook.Items(kContactsFolder);
    Object contact = CallForObject(*items, OLESTR("GetFirst"));
    ASSERT_NE(contact, nullptr);
    {
        olsim::ProfileStore other(ProfileFile());
        EXPECT_EQ(other.Clear(olsim::ItemKind::Contact), 1u);
    }
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 0) << "another process's change is seen";
    LogCapture log;
    EXPECT_EQ(contact->PutString(OLESTR("LastName"), "Back"), S_OK);
    EXPECT_EQ(Save(*contact), DISP_E_EXCEPTION);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_NE(log.Lines()[0].find("moved or deleted"), std::string::npos) << log.Lines()[0];
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 0);
    EXPECT_FALSE(GetFlag(*contact, OLESTR("Saved")));
}

}  // namespace
}  // namespace olsim_test
