// The rows that did not reach Outlook go to a file beside the import file: each row as the
// file holds it with its reason in one more column, after the title row, in file order, in
// the file's own delimiter and quote character; written whole or not at all.
#include "ImportedFile.h"

#include "common/misc/CxList.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/RejectedRows.h"
#include "records/CommAddrRec.h"
#ifndef _WIN32
#include "support/PermissionChecks.h"
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

namespace {

namespace fs = std::filesystem;

constexpr const char* kNotTaken = "Outlook did not take the record";

// The records a run walked, in the order the record page gave them; it owns none.
class Chosen {
public:
    Chosen(ImportedFile& file, const std::vector<int>& places)
    {
        const std::vector<void*> records = file.Records();
        for (const int nPlace : places)
            list.Add(records.at(static_cast<std::size_t>(nPlace)));
    }
    ~Chosen() { list.RemoveAll(false); }
    Chosen(const Chosen&) = delete;
    Chosen& operator=(const Chosen&) = delete;

    CxList list;
};

TRunResult Refusing(const std::vector<TRefusedRecord>& refused)
{
    TRunResult result;
    result.nRefused = static_cast<int>(refused.size());
    result.refused = refused;
    return result;
}

// Writes the rows of file that a run over every record, in file order, refused at places.
TRejectedRows RefuseAt(ImportedFile& file, const std::vector<int>& places, const std::string& reason = kNotTaken)
{
    std::vector<int> everyRecord(file.Records().size());
    for (std::size_t n = 0; n < everyRecord.size(); ++n)
        everyRecord[n] = static_cast<int>(n);
    Chosen chosen(file, everyRecord);
    std::vector<TRefusedRecord> refused;
    for (const int nPlace : places)
        refused.push_back({nPlace, reason});
    return WriteRejectedRows(file.path, file.source, file.report, chosen.list, Refusing(refused));
}

// Whether a file can be made in folder, tried with a file that is removed again.
bool CanCreateIn(const fs::path& folder)
{
    const fs::path probe = folder / "probe";
    if (!std::ofstream(probe).is_open())
        return false;
    fs::remove(probe);
    return true;
}

std::set<std::string> FolderNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(RejectedRows, ThePathIsBesideTheFileAndNamedAfterIt)
{
    const struct {
        const char* szCsv;
        const char* szRejected;
    } cases[] = {
        {"/data/contacts.csv", "/data/contacts.rejected.csv"},
        {"contacts.csv", "contacts.rejected.csv"},
        {"/data/list.txt", "/data/list.rejected.txt"},
        {"/data/LIST.CSV", "/data/LIST.rejected.CSV"},
        {"/data/my.contacts.csv", "/data/my.contacts.rejected.csv"},
        {"/data/name", "/data/name.rejected.csv"},
        {"/data.d/name", "/data.d/name.rejected.csv"},
        {"/data/name.", "/data/name.rejected.csv"},
        {"/data/.hidden", "/data/.hidden.rejected.csv"},
        {"/data/", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RejectedRowsPath(c.szCsv), c.szRejected) << c.szCsv;
}

TEST(RejectedRows, TheTitleRowComesFirstThenTheRefusedRowsInFileOrder)
{
    ImportedFile file("First Name,Last Name,Email 1\r\n"
                      "Ann,Baker,ann@example.com\r\n"
                      "Bob,Smith,bob@example.com\r\n"
                      "Cy,Young,cy@example.com\r\n"
                      "Dee,Eve,dee@example.com\r\n",
                      true);
    // Sorted on the record page, Bob unchecked: Dee, Ann, Cy. Dee and Cy are refused; a
    // refusal at a place the list does not have names no row.
    Chosen chosen(file, {3, 0, 2});
    const TRunResult run = Refusing({{0, "Outlook refused to save it"}, {2, kNotTaken}, {7, kNotTaken}});

    const TRejectedRows rejected = WriteRejectedRows(file.path, file.source, file.report, chosen.list, run);

    EXPECT_EQ(rejected.path, file.folder.file("contacts.rejected.csv"));
    EXPECT_EQ(rejected.nRows, 2);
    EXPECT_EQ(rejected.failure, "");
    EXPECT_EQ(ImportedFile::ReadBytes(rejected.path), "First Name,Last Name,Email 1,Reason\r\n"
                                                      "Cy,Young,cy@example.com,Outlook did not take the record\r\n"
                                                      "Dee,Eve,dee@example.com,Outlook refused to save it\r\n");
    EXPECT_EQ(RejectedRowsNote(rejected, "contacts.rejected.csv"),
              "2 rows that did not reach Outlook are in contacts.rejected.csv.");
    EXPECT_EQ(FolderNames(file.folder.path()), (std::set<std::string>{"contacts.csv", "contacts.rejected.csv"}))
        << "no temporary file is left";
}

TEST(RejectedRows, WithoutATitleRowTheRowsStandAlone)
{
    ImportedFile file("Ann,Baker,ann@example.com\nBob,Smith,bob@example.com\n", false, ImportedFile::kCommaQuoted,
                      {"First Name", "Last Name", "Email 1"}, "people");
    const TRejectedRows rejected = RefuseAt(file, {1});
    EXPECT_EQ(rejected.path, file.folder.file("people.rejected.csv"));
    EXPECT_EQ(ImportedFile::ReadBytes(rejected.path), "Bob,Smith,bob@example.com,Outlook did not take the record\n")
        << "the rows end as the file's do";
    EXPECT_EQ(RejectedRowsNote(rejected, "people.rejected.csv"),
              "1 row that did not reach Outlook is in people.rejected.csv.");
}

TEST(RejectedRows, AReasonIsQuotedOnlyWhenItNeedsItInTheFilesOwnCharacters)
{
    const struct {
        char chQuote;  // 0: none chosen, so a value is quoted with double quotes
        int nDelimiter;
        const char* szReason;
        const char* szRow;  // the row Ann,Baker in the file's delimiter, with the reason
    } cases[] = {
        {'"', DELIMITER_COMMA, kNotTaken, "Ann,Baker,Outlook did not take the record"},
        {'"', DELIMITER_COMMA, "Refused, twice", "Ann,Baker,\"Refused, twice\""},
        {'"', DELIMITER_COMMA, "Said \"no\"", "Ann,Baker,\"Said \"\"no\"\"\""},
        {'"', DELIMITER_COMMA, "Line\nbreak", "Ann,Baker,\"Line\nbreak\""},
        {'\'', DELIMITER_SEMICOLON, "Refused; twice", "Ann;Baker;'Refused; twice'"},
        {'\'', DELIMITER_SEMICOLON, "Refused, once", "Ann;Baker;Refused, once"},
        {'\'', DELIMITER_SEMICOLON, "Outlook's answer", "Ann;Baker;'Outlook''s answer'"},
        {'\0', DELIMITER_TAB, "Tab\there", "Ann\tBaker\t\"Tab\there\""},
        {'\0', DELIMITER_TAB, "Said \"no\"", "Ann\tBaker\t\"Said \"\"no\"\"\""},
        {'\0', DELIMITER_COMMA, "Carriage\rreturn", "Ann,Baker,\"Carriage\rreturn\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szReason);
        const char chDelimiter = c.nDelimiter == DELIMITER_SEMICOLON ? ';' : c.nDelimiter == DELIMITER_TAB ? '\t' : ',';
        ImportedFile file(std::string("Ann") + chDelimiter + "Baker\r\n", false,
                          {c.chQuote, c.nDelimiter, ENCODING_DETECT}, {"First Name", "Last Name"});
        const TRejectedRows rejected = RefuseAt(file, {0}, c.szReason);
        EXPECT_EQ(ImportedFile::ReadBytes(rejected.path), std::string(c.szRow) + "\r\n");
    }
}

constexpr const char* kQuotedTitle = "First Name,Last Name,Email 1";
constexpr const char* kAnn = "\"Ann\",\"Baker \"\"the\"\" Bold\",\"ann@example.com\"";
constexpr const char* kBob = "Bob,\"Smith\r\nand Sons\",bob@example.com";
constexpr const char* kCy = "\"Cy\",Young,\"cy,\"\"x\"\"@example.com\"";

TEST(RejectedRows, QuotedAndMultiLineRowsAreKeptByteForByteAndReadBackWhole)
{
    ImportedFile file(std::string(kQuotedTitle) + "\n" + kAnn + "\n" + kBob + "\n" + kCy + "\n", true);
    const TRejectedRows rejected = RefuseAt(file, {0, 1}, "Refused, with \"quotes\"");
    const std::string reason = ",\"Refused, with \"\"quotes\"\"\"\n";
    EXPECT_EQ(ImportedFile::ReadBytes(rejected.path),
              std::string(kQuotedTitle) + ",Reason\n" + kAnn + reason + kBob + reason);

    // Imported again with the reason read into the notes, the rows give the same values.
    ImportedFile again(ImportedFile::ReadBytes(rejected.path), true, ImportedFile::kCommaQuoted,
                       {"First Name", "Last Name", "Email 1", "Notes"});
    struct Contact {
        std::string first, last, email, note;
        bool operator==(const Contact&) const = default;
    };
    std::vector<Contact> read;
    for (const void* pRec : again.Records()) {
        const auto& rec = *static_cast<const CommAddrRec*>(pRec);
        read.push_back({rec.szFirstName, rec.szLastName, rec.szEmail, rec.szNote});
    }
    const std::vector<Contact> expected = {
        {"Ann", "Baker \"the\" Bold", "ann@example.com", "Refused, with \"quotes\""},
        {"Bob", "Smith\r\nand Sons", "bob@example.com", "Refused, with \"quotes\""},
    };
    EXPECT_EQ(read, expected);
    EXPECT_EQ(again.report.nRowsWithExtraFields, 0) << "the reason is a column of its own";
}

TEST(RejectedRows, ShortRowsGetEmptyFieldsSoThatTheReasonStaysInItsColumn)
{
    ImportedFile file("First Name,Last Name,Email 1\r\n"
                      "Ann\r\n"
                      "Bob,Smith,bob@example.com,extra\r\n"
                      "Cy,\"Young",
                      true);
    RefuseAt(file, {0, 1, 2});
    // The last row ends inside quotes never closed: they are closed before the reason.
    EXPECT_EQ(ImportedFile::ReadBytes(file.folder.file("contacts.rejected.csv")),
              "First Name,Last Name,Email 1,Reason\r\n"
              "Ann,,,Outlook did not take the record\r\n"
              "Bob,Smith,bob@example.com,extra,Outlook did not take the record\r\n"
              "Cy,\"Young\",,Outlook did not take the record\r\n");
}

TEST(RejectedRows, TheFileIsUtf8WithAByteOrderMarkWhenTheSourceHadOne)
{
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* szName;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"UTF-8 with a mark", bom + "Zo\xC3\xAB,Baker\r\n", bom + "Zo\xC3\xAB,Baker,Refused\r\n"},
        {"UTF-8 without one", "Zo\xC3\xAB,Baker\r\n", "Zo\xC3\xAB,Baker,Refused\r\n"},
        {"Windows-1252", "Zo\xEB,Baker\r\n", "Zo\xC3\xAB,Baker,Refused\r\n"},
        {"UTF-16 LE with a mark", std::string("\xFF\xFEZ\0o\0\xEB\0,\0B\0a\0k\0e\0r\0\r\0\n\0", 24),
         bom + "Zo\xC3\xAB,Baker,Refused\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ImportedFile file(c.bytes, false, ImportedFile::kCommaQuoted, {"First Name", "Last Name"});
        const TRejectedRows rejected = RefuseAt(file, {0}, "Refused");
        EXPECT_EQ(ImportedFile::ReadBytes(rejected.path), c.expected);
    }
}

TEST(RejectedRows, RowsReadIntoNoRecordAreListedInFileOrderWithTheirReason)
{
    ImportedFile file("First Name,Last Name\r\nAnn,Baker\r\nBob,Smith\r\nCy,Young\r\n", true,
                      ImportedFile::kCommaQuoted, {"First Name", "Last Name"});
    // As the import leaves a row it had no memory for: without a record, never chosen.
    ASSERT_EQ(file.report.rows.size(), 3u);
    file.report.rows[0].pRecord = nullptr;
    Chosen chosen(file, {2, 1});
    const TRejectedRows rejected =
        WriteRejectedRows(file.path, file.source, file.report, chosen.list, Refusing({{0, kNotTaken}}));
    EXPECT_EQ(rejected.nRows, 2);
    EXPECT_EQ(ImportedFile::ReadBytes(rejected.path), "First Name,Last Name,Reason\r\n"
                                                      "Ann,Baker,The row could not be read into a record\r\n"
                                                      "Cy,Young,Outlook did not take the record\r\n");
}

TEST(RejectedRows, NothingRefusedWritesNothingAndLeavesAnEarlierFileAlone)
{
    ImportedFile file("First Name,Last Name\r\nAnn,Baker\r\n", true, ImportedFile::kCommaQuoted,
                      {"First Name", "Last Name"});
    const TRejectedRows none = RefuseAt(file, {});
    EXPECT_EQ(none.nRows, 0);
    EXPECT_EQ(none.failure, "");
    EXPECT_EQ(RejectedRowsNote(none, "contacts.rejected.csv"), "");
    EXPECT_EQ(FolderNames(file.folder.path()), std::set<std::string>{"contacts.csv"});

    const std::string earlier = file.folder.file("contacts.rejected.csv");
    std::ofstream(earlier, std::ios::binary) << "Ann,Baker,From an earlier run\r\n";
    EXPECT_EQ(RefuseAt(file, {}).nRows, 0);
    EXPECT_EQ(ImportedFile::ReadBytes(earlier), "Ann,Baker,From an earlier run\r\n");

    RefuseAt(file, {0});
    EXPECT_EQ(ImportedFile::ReadBytes(earlier), "First Name,Last Name,Reason\r\n"
                                                "Ann,Baker,Outlook did not take the record\r\n")
        << "a later run with refusals replaces it";
}

// The reasons are the C library's texts of errno values; Windows words its own.
#ifndef _WIN32
TEST(RejectedRows, AFileThatCannotBeWrittenGivesTheReasonAndLeavesNothing)
{
    const struct {
        const char* szName;
        std::function<void(const fs::path& folder)> prepare;
        int nError;
    } cases[] = {
        {"a folder in the file's place",
         [](const fs::path& folder) { fs::create_directory(folder / "contacts.rejected.csv"); }, EISDIR},
        {"a read-only folder",
         [](const fs::path& folder) { fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec); },
         EACCES},
    };
    std::string skipped;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ImportedFile file("Ann,Baker\r\nBob,Smith\r\n", false, ImportedFile::kCommaQuoted,
                          {"First Name", "Last Name"});
        c.prepare(file.folder.path());
        const std::set<std::string> before = FolderNames(file.folder.path());
        TRejectedRows rejected;
        bool bHolds = true;
        {
            const testing_support::ScopedPermissionChecks checks;
            bHolds = c.nError != EACCES || !CanCreateIn(file.folder.path());
            if (bHolds)
                rejected = RefuseAt(file, {0, 1});
        }
        fs::permissions(file.folder.path(), fs::perms::owner_all);
        if (!bHolds) {
            skipped = c.szName;
            continue;
        }
        EXPECT_EQ(rejected.nRows, 2);
        EXPECT_EQ(rejected.failure, std::strerror(c.nError));
        EXPECT_EQ(FolderNames(file.folder.path()), before) << "no file, whole or half-written";
        EXPECT_EQ(RejectedRowsNote(rejected, "contacts.rejected.csv"),
                  "2 rows did not reach Outlook; they could not be written to " + rejected.path + ": "
                      + std::strerror(c.nError) + ".");
    }
    if (!skipped.empty())
        GTEST_SKIP() << "permission bits do not hold for this user in: " << skipped;
}
#endif

}  // namespace
