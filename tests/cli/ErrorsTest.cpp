// Bad input on the command line: each case gets its message and its exit code (1 for what is
// not there or cannot be read or written, 2 with the usage for a command line that does not
// fit), writes nothing to standard output and loses nothing: no export file appears, a file
// that was there keeps its bytes, the folder keeps its items.
#include "cli/CliTest.h"

#include <sys/stat.h>

#include <filesystem>

namespace {

constexpr const char* kNothingChosen = "No contact record is selected. Please select the records you want to convert.";
constexpr const char* kKept = "First Name,Last Name\nKeep,Me\n";

struct ErrorCase {
    const char* szName;
    std::vector<std::string> args;  // "{dir}" stands for the test's folder
    int nExit;
    std::string message;            // after "brindle: ", "{dir}" as in args
    bool bEmptyFolder = false;      // the contacts folder is emptied first
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.szName; }

const ErrorCase kCases[] = {
    {"UnknownKind", {"export", "widgets", "{dir}/out.csv", "--all"}, 1,
     "unknown kind \"widgets\": KIND is contacts, calendar, tasks or notes"},
    {"UnknownKindToList", {"fields", "contact"}, 1, "unknown kind \"contact\""},
    {"UnknownField", {"export", "contacts", "{dir}/out.csv", "--fields", "First Name,Shoe Size"}, 1,
     "\"Shoe Size\" is not a field of contacts; \"brindle fields contacts\" lists them"},
    {"UnknownCopiedField", {"import", "contacts", "{dir}/in.csv", "--fields", "First Name,@Shoe Size"}, 1,
     "\"Shoe Size\" is not a field of contacts; \"brindle fields contacts\" lists them"},
    {"MissingImportFile", {"import", "contacts", "{dir}/missing.csv"}, 1,
     "{dir}/missing.csv: Invalid CSV file name. Please specify an existing CSV file."},
    {"UnreadableImportFile", {"import", "contacts", "{dir}/unreadable.csv"}, 1,
     "Error opening CSV file: {dir}/unreadable.csv: Permission denied"},
    {"FolderAsImportFile", {"import", "contacts", "{dir}/ro"}, 1, "Error opening CSV file: {dir}/ro: Is a directory"},
    {"BinaryImportFile", {"import", "contacts", "{dir}/binary.bin"}, 1,
     "{dir}/binary.bin: This file does not look like a CSV file"},
    {"ImportFileOfTitlesOnly", {"import", "contacts", "{dir}/titles-only.csv"}, 1, kNothingChosen},
    {"TargetInReadOnlyFolder", {"export", "contacts", "{dir}/ro/out.csv", "--all"}, 1,
     "Error opening CSV file: {dir}/ro/out.csv: Permission denied"},
    {"ReadOnlyTarget", {"export", "contacts", "{dir}/kept.csv", "--all"}, 1,
     "Error opening CSV file: {dir}/kept.csv: Permission denied"},
    {"ReadOnlyTargetAppended", {"export", "contacts", "{dir}/kept.csv", "--all", "--append"}, 1,
     "Error opening CSV file: {dir}/kept.csv: Permission denied"},
    {"FolderAsTarget", {"export", "contacts", "{dir}/ro", "--all"}, 1,
     "Error opening CSV file: {dir}/ro: Is a directory"},
    {"TargetInMissingFolder", {"export", "contacts", "{dir}/nowhere/out.csv", "--all"}, 1,
     "Error opening CSV file: {dir}/nowhere/out.csv: No such file or directory"},
    {"EmptySourceFolder", {"export", "contacts", "{dir}/out.csv", "--all"}, 1, kNothingChosen, true},
    {"EmptySourceFolderAppended", {"export", "contacts", "{dir}/out.csv", "--all", "--append"}, 1, kNothingChosen,
     true},

    {"NoTitleRowNoFields", {"import", "contacts", "{dir}/plain.csv"}, 2,
     "{dir}/plain.csv has no title row naming fields of contacts: give its columns with --fields"},
    {"MatchTitlesWithoutTitleRow", {"import", "contacts", "{dir}/plain.csv", "--match-titles"}, 2,
     "{dir}/plain.csv has no title row naming fields of contacts"},
    {"FieldsAndAll", {"export", "contacts", "{dir}/out.csv", "--fields", "First Name", "--all"}, 2,
     "--fields and --all do not go together"},
    {"FieldsAndMatchTitles", {"import", "contacts", "{dir}/in.csv", "--fields", "First Name", "--match-titles"}, 2,
     "--fields and --match-titles do not go together"},
    {"NoColumnsToExport", {"export", "contacts", "{dir}/out.csv"}, 2,
     "say which columns to write: --fields LIST or --all"},
    {"DryRunOfExport", {"export", "contacts", "{dir}/out.csv", "--all", "--dry-run"}, 2,
     "--dry-run is not an option of brindle export"},
    {"TitleOfImport", {"import", "contacts", "{dir}/in.csv", "--title"}, 2,
     "--title is not an option of brindle import"},
    {"DetectedDelimiterOfExport", {"export", "contacts", "{dir}/out.csv", "--all", "--delimiter", "detect"}, 2,
     "--delimiter takes comma, semicolon or tab, not \"detect\""},
    {"QuoteOfTwoCharacters", {"import", "contacts", "{dir}/in.csv", "--quote", "<<"}, 2, "--quote takes one character"},
    {"QuoteIsTheDelimiter",
     {"export", "contacts", "{dir}/out.csv", "--all", "--quote", ";", "--delimiter", "semicolon"}, 2,
     "the quotation mark cannot be the delimiter"},
    {"UnknownEncoding", {"import", "contacts", "{dir}/in.csv", "--encoding", "latin-9"}, 2,
     "--encoding takes utf-8, windows-1252, utf-16 or detect, not \"latin-9\""},
    {"MissingFile", {"export", "contacts", "--all"}, 2, "brindle export needs KIND and FILE"},
    {"ExtraArgument", {"import", "contacts", "{dir}/in.csv", "{dir}/plain.csv"}, 2,
     "unexpected argument \"{dir}/plain.csv\""},
    {"UnknownCommand", {"convert", "contacts", "{dir}/out.csv"}, 2, "unknown command \"convert\""},
    {"UnknownOption", {"export", "contacts", "{dir}/out.csv", "--all", "--colour"}, 2, "unknown option --colour"},
    {"OptionTwice", {"export", "contacts", "{dir}/out.csv", "--all", "--title", "--title"}, 2,
     "--title is given twice"},
    {"OptionWithoutValue", {"export", "contacts", "{dir}/out.csv", "--fields"}, 2, "--fields needs a value: LIST"},
    {"SwitchWithValue", {"export", "contacts", "{dir}/out.csv", "--all", "--title=yes"}, 2, "--title takes no value"},
    {"SequenceNotANumber", {"export", "contacts", "{dir}/out.csv", "--fields", "#seq:ten,First Name"}, 2,
     "\"#seq:ten\": a sequence starts from a whole number"},
    {"SequenceBeyondItsRange", {"export", "contacts", "{dir}/out.csv", "--fields", "#seq:4294967296"}, 2,
     "\"#seq:4294967296\": a sequence starts from a whole number from -2147483648 to 2147483647"},
    {"FieldTwice", {"export", "contacts", "{dir}/out.csv", "--fields", "First Name,first name"}, 2,
     "the field \"First Name\" is given twice"},
    {"EmptyColumn", {"import", "contacts", "{dir}/in.csv", "--fields", "First Name,,Last Name"}, 2,
     "--fields holds an empty column"},
    {"UnclosedQuote", {"export", "contacts", "{dir}/out.csv", "--fields", "First Name,\"=open"}, 2,
     "--fields has a double quote that does not close its column"},
    {"HelpOfNoCommand", {"help", "convert"}, 2, "no help for \"convert\": not a command"},
};

class ErrorsTest : public CliTest, public ::testing::WithParamInterface<ErrorCase> {
protected:
    void SetUp() override
    {
        m_dir = testing_support::CurrentTestDataHome().string();
        Tool({"seed", "--contacts", "3", "--seed", "4"});
        WriteFile(Path("in.csv"), "First Name,Last Name\nZed,Young\n");
        WriteFile(Path("plain.csv"), "Zed,Young\nYara,Xu\n");
        WriteFile(Path("titles-only.csv"), "First Name,Last Name,Email 1\n");
        WriteFile(Path("binary.bin"), std::string("\x01\x02\x03\x00\x04\x05\x06\x07", 8) + std::string(64, '\x01'));
        WriteFile(Path("unreadable.csv"), "First Name\nZed\n");
        chmod(Path("unreadable.csv").c_str(), 0);
        WriteFile(Path("kept.csv"), kKept);
        chmod(Path("kept.csv").c_str(), 0444);
        std::filesystem::create_directory(Path("ro"));
        chmod(Path("ro").c_str(), 0555);
    }
    void TearDown() override { chmod(Path("ro").c_str(), 0755); }

    std::string Placed(std::string text) const
    {
        for (std::size_t nAt = text.find("{dir}"); nAt != std::string::npos; nAt = text.find("{dir}", nAt))
            text.replace(nAt, 5, m_dir);
        return text;
    }

    std::string m_dir;
};

}  // namespace

TEST_P(ErrorsTest, GivesItsMessageAndExitCodeAndLosesNothing)
{
    const ErrorCase& c = GetParam();
    if (c.bEmptyFolder)
        Tool({"clear", "contacts"});
    const std::string stored = Listing("contacts");
    std::vector<std::string> args;
    for (const std::string& arg : c.args)
        args.push_back(Placed(arg));

    const cli_test::ProgramRun run = Brindle(args);

    EXPECT_EQ(run.nExit, c.nExit) << run.err;
    EXPECT_NE(run.err.find("brindle: " + Placed(c.message)), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Usage:") != std::string::npos, c.nExit == 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(Path("out.csv")));
    EXPECT_FALSE(std::filesystem::exists(Path("ro/out.csv")));
    EXPECT_EQ(ReadFile(Path("kept.csv")), kKept);
    EXPECT_EQ(Listing("contacts"), stored);
}

INSTANTIATE_TEST_SUITE_P(BadInput, ErrorsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.szName); });
