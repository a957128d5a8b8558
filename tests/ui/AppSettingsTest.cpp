#include "UiTest.h"

#include "common/misc/CxIniUtil.h"

#include <cstring>

namespace {

using AppSettingsStore = UiTest;

class ScopedIniPath {
public:
    explicit ScopedIniPath(const std::string& path) : m_previous(AppIni.GetPath()) { AppIni.SetPath(path.c_str()); }
    ~ScopedIniPath() { AppIni.SetPath(m_previous.c_str()); }

private:
    std::string m_previous;
};

TEST_F(AppSettingsStore, TheElevenSettingsAndTheCsvFormatOnesSurviveARoundTrip)
{
    testing_support::TempDir dir;
    const ScopedIniPath ini(dir.file("corvane.ini"));
    AppSettings.AppMode = MODE_C2O;
    AppSettings.AppFlag = FLAG_TASK;
    std::strcpy(AppSettings.CsvAddrFile, "/home/ann/contacts.csv");
    std::strcpy(AppSettings.CsvDateFile, "/home/ann/Kalender \xC3\xBC.csv");
    std::strcpy(AppSettings.CsvTaskFile, "tasks.csv");
    std::strcpy(AppSettings.CsvNoteFile, "/tmp/notes.csv");
    std::strcpy(AppSettings.QuoteMark, "\"");
    AppSettings.AppendCSV = 1;
    AppSettings.EnableDebug = true;
    AppSettings.LogLevel = 1;
    AppSettings.AddTitle = true;
    AppSettings.Delimiter = DELIMITER_TAB;
    AppSettings.Encoding = ENCODING_UTF16;
    AppSettings.ByteOrderMark = true;
    const TAppSettings written = AppSettings;
    SaveSettings();

    std::memset(&AppSettings, 0x5A, sizeof AppSettings);
    LoadSettings();
    EXPECT_EQ(AppSettings.AppMode, written.AppMode);
    EXPECT_EQ(AppSettings.AppFlag, written.AppFlag);
    EXPECT_STREQ(AppSettings.CsvAddrFile, written.CsvAddrFile);
    EXPECT_STREQ(AppSettings.CsvDateFile, written.CsvDateFile);
    EXPECT_STREQ(AppSettings.CsvTaskFile, written.CsvTaskFile);
    EXPECT_STREQ(AppSettings.CsvNoteFile, written.CsvNoteFile);
    EXPECT_STREQ(AppSettings.QuoteMark, written.QuoteMark);
    EXPECT_EQ(AppSettings.AppendCSV, written.AppendCSV);
    EXPECT_EQ(AppSettings.EnableDebug, written.EnableDebug);
    EXPECT_EQ(AppSettings.LogLevel, written.LogLevel);
    EXPECT_EQ(AppSettings.AddTitle, written.AddTitle);
    EXPECT_EQ(AppSettings.Delimiter, written.Delimiter);
    EXPECT_EQ(AppSettings.Encoding, written.Encoding);
    EXPECT_EQ(AppSettings.ByteOrderMark, written.ByteOrderMark);
    EXPECT_EQ(ReadFile(dir.file("corvane.ini")),
              "[Brindle]\nAppMode=2\nAppFlag=4\nCsvAddrFile=/home/ann/contacts.csv\n"
              "CsvDateFile=/home/ann/Kalender \xC3\xBC.csv\nCsvTaskFile=tasks.csv\nCsvNoteFile=/tmp/notes.csv\n"
              "QuoteMark=\"\nAppendCSV=1\nEnableDebug=1\nLogLevel=1\nAddTitle=1\n"
              "Delimiter=2\nEncoding=3\nByteOrderMark=1\n");
}

TEST_F(AppSettingsStore, MissingAndOddEntriesTakeTheirReadingRules)
{
    testing_support::TempDir dir;
    const ScopedIniPath ini(dir.file("corvane.ini"));
    std::ofstream(dir.file("corvane.ini"))
        << "[Brindle]\nAppMode= 2x\nAppFlag=\nQuoteMark='quoted text'\nAppendCSV=yes\nEnableDebug=7\nLogLevel=\n";
    std::memset(&AppSettings, 0x5A, sizeof AppSettings);
    LoadSettings();
    EXPECT_EQ(AppSettings.AppMode, 2);
    EXPECT_EQ(AppSettings.AppFlag, 1);
    EXPECT_STREQ(AppSettings.QuoteMark, "quoted ");  // enclosing quotes dropped, cut to its 8-character buffer
    EXPECT_EQ(AppSettings.AppendCSV, 0);
    EXPECT_TRUE(AppSettings.EnableDebug);
    EXPECT_EQ(AppSettings.LogLevel, 3);
    EXPECT_FALSE(AppSettings.AddTitle);
    EXPECT_STREQ(AppSettings.CsvAddrFile, "");
    // Files that imported before these keys existed read the same way.
    EXPECT_EQ(AppSettings.Delimiter, DELIMITER_COMMA);
    EXPECT_EQ(AppSettings.Encoding, ENCODING_DETECT);
    EXPECT_FALSE(AppSettings.ByteOrderMark);
}

TEST_F(AppSettingsStore, DataFolderIsCorvaneBrindleInTheCommonDataFolderCreatedOnDemand)
{
    char folder[MAX_PATH] = "";
    EXPECT_TRUE(GetAppDataFolder(folder));
    EXPECT_EQ(std::string(folder), DataFolder());
    EXPECT_TRUE(std::filesystem::is_directory(DataFolder()));
    EXPECT_TRUE(GetAppDataFolder(folder));  // existing folders are fine too
    EXPECT_FALSE(GetAppDataFolder(nullptr));

    std::filesystem::remove_all(testing_support::CurrentTestDataHome() / "corvane");
    std::ofstream((testing_support::CurrentTestDataHome() / "corvane").string()) << "a file in the way";
    std::strcpy(folder, "untouched");
    EXPECT_FALSE(GetAppDataFolder(folder));
    EXPECT_STREQ(folder, "untouched");
}

}  // namespace
