#include "main/cli/CliOptions.h"

#include "main/cli/CliText.h"
#include "main/engine/Apputil.h"

namespace {

using TProblem = std::optional<std::string>;

// A named choice of an option's value.
struct TNamedCode {
    const char* szName;
    int nCode;
};

const TNamedCode kDelimiters[] = {
    {"comma", DELIMITER_COMMA},
    {"semicolon", DELIMITER_SEMICOLON},
    {"tab", DELIMITER_TAB},
    {"detect", DELIMITER_DETECT},
};

const TNamedCode kEncodings[] = {
    {"utf-8", ENCODING_UTF8},
    {"windows-1252", ENCODING_WINDOWS_1252},
    {"utf-16", ENCODING_UTF16},
    {"detect", ENCODING_DETECT},
};

// Shell-friendly names of the quote characters the wizard offers.
const TNamedCode kQuoteNames[] = {
    {"none", '\0'},
    {"double", '"'},
    {"single", '\''},
};

template <std::size_t N>
std::optional<int> CodeOf(const TNamedCode (&names)[N], std::string_view value)
{
    for (const TNamedCode& name : names) {
        if (EqualsIgnoringCase(name.szName, value))
            return name.nCode;
    }
    return std::nullopt;
}

TProblem ApplyFields(std::string_view value, TCliRequest& request)
{
    request.fields = std::string(value);
    return std::nullopt;
}

TProblem ApplyQuote(std::string_view value, TCliRequest& request)
{
    if (const auto named = CodeOf(kQuoteNames, value)) {
        request.quote = static_cast<char>(*named);
        return std::nullopt;
    }
    // One printable ASCII character: the quote character is one byte of every row.
    if (value.size() == 1 && value[0] > ' ' && value[0] < 0x7F) {
        request.quote = value[0];
        return std::nullopt;
    }
    return "--quote takes one character (such as '\"' or \"'\"), double, single or none, not " + Quoted(value);
}

TProblem ApplyDelimiter(std::string_view value, TCliRequest& request, bool bDetect)
{
    const auto code = CodeOf(kDelimiters, value);
    if (!code || (*code == DELIMITER_DETECT && !bDetect))
        return "--delimiter takes comma, semicolon" + std::string(bDetect ? ", tab or detect" : " or tab") + ", not "
               + Quoted(value);
    request.delimiter = *code;
    return std::nullopt;
}

TProblem ApplyEncoding(std::string_view value, TCliRequest& request)
{
    const auto code = CodeOf(kEncodings, value);
    if (!code)
        return "--encoding takes utf-8, windows-1252, utf-16 or detect, not " + Quoted(value);
    request.encoding = *code;
    return std::nullopt;
}

// A switch: sets its member of the request.
template <bool TCliRequest::*pMember>
TProblem Set(std::string_view, TCliRequest& request)
{
    request.*pMember = true;
    return std::nullopt;
}

constexpr const char* kFieldsHelp = "The columns, in order, separated by commas (see Columns below).";
constexpr const char* kQuoteHelp =
    "The quotation mark around values: one character such as '\"' or \"'\", or double, single, none.";
constexpr const char* kJsonHelp =
    "Prints the counts as one JSON object instead of the result line: read, added, updated, skipped, refused, "
    "written.";
constexpr const char* kImportJsonHelp =
    "Prints the counts as one JSON object instead of the result line: read, added, updated, skipped, refused, "
    "written, shortened; and when rows did not reach Outlook, rejected: the file they went to, the rows, and the "
    "error when the file could not be written.";
constexpr const char* kHelpHelp = "Shows this help.";

constexpr TCliOption kOptions[] = {
    {"--all", nullptr, TCliCommand::Export, "Every field of KIND, in the order \"brindle fields KIND\" lists them.",
     &Set<&TCliRequest::bAllFields>},
    {"--fields", "LIST", TCliCommand::Export, kFieldsHelp, &ApplyFields},
    {"--quote", "CHAR|none", TCliCommand::Export, kQuoteHelp, &ApplyQuote},
    {"--delimiter", "comma|semicolon|tab", TCliCommand::Export, "The character between values.",
     [](std::string_view value, TCliRequest& request) { return ApplyDelimiter(value, request, false); }},
    {"--title", nullptr, TCliCommand::Export, "Begins the file with a row of the column names.",
     &Set<&TCliRequest::bTitle>},
    {"--append", nullptr, TCliCommand::Export,
     "Adds the rows after what the file holds; without it the file is overwritten.", &Set<&TCliRequest::bAppend>},
    {"--bom", nullptr, TCliCommand::Export,
     "Begins a new or empty file with the UTF-8 byte-order mark (for spreadsheets).",
     &Set<&TCliRequest::bByteOrderMark>},
    {"--json", nullptr, TCliCommand::Export, kJsonHelp, &Set<&TCliRequest::bJson>},
    {"--help", nullptr, TCliCommand::Export, kHelpHelp, &Set<&TCliRequest::bHelp>},

    {"--fields", "LIST", TCliCommand::Import,
     "The file's columns, in order, separated by commas (see Columns below); the file's title row, if it has one, "
     "is still not imported.",
     &ApplyFields},
    {"--match-titles", nullptr, TCliCommand::Import,
     "Places the columns by the titles in the file's first row, as the wizard does. This is what happens without "
     "--fields anyway; a file without a title row then needs --fields.",
     &Set<&TCliRequest::bMatchTitles>},
    {"--quote", "CHAR|none", TCliCommand::Import,
     "The quotation mark around values: one character, or double, single, none. With none, values beginning with "
     "a double quote are still read as quoted.",
     &ApplyQuote},
    {"--delimiter", "comma|semicolon|tab|detect", TCliCommand::Import,
     "The character between values; detect finds it from the file's first rows.",
     [](std::string_view value, TCliRequest& request) { return ApplyDelimiter(value, request, true); }},
    {"--encoding", "utf-8|windows-1252|utf-16|detect", TCliCommand::Import,
     "How the file's text is encoded; detect reads a byte-order mark, UTF-16, UTF-8, else Windows-1252.",
     &ApplyEncoding},
    {"--dry-run", nullptr, TCliCommand::Import,
     "Prints what each row would do (add, update, skip) and writes nothing to Outlook.", &Set<&TCliRequest::bDryRun>},
    {"--json", nullptr, TCliCommand::Import, kImportJsonHelp, &Set<&TCliRequest::bJson>},
    {"--help", nullptr, TCliCommand::Import, kHelpHelp, &Set<&TCliRequest::bHelp>},

    {"--help", nullptr, TCliCommand::Fields, kHelpHelp, &Set<&TCliRequest::bHelp>},

    {"--last", nullptr, TCliCommand::Undo, "Undoes the newest import that is not undone yet.",
     &Set<&TCliRequest::bLast>},
    {"--list", nullptr, TCliCommand::Undo,
     "Lists the last 20 imports, newest first: the number, the time, the kind, the file and what it did.",
     &Set<&TCliRequest::bList>},
    {"--changed", nullptr, TCliCommand::Undo,
     "Takes back the items changed in Outlook since the import too; without it they are left as they are and "
     "named.",
     &Set<&TCliRequest::bChanged>},
    {"--help", nullptr, TCliCommand::Undo, kHelpHelp, &Set<&TCliRequest::bHelp>},
};

constexpr const char* kFieldsExamples[] = {
    "brindle fields contacts",
};
constexpr const char* kExportExamples[] = {
    "brindle export contacts contacts.csv --all --title",
    "brindle export calendar week.csv --fields \"Subject,Location,Category\" --delimiter semicolon --quote none",
    "brindle export contacts list.csv --fields \"#seq:100,First Name,Last Name,=Customer,@Email 1\" --append",
    "brindle export notes notes.csv --all --bom --json",
};
constexpr const char* kImportExamples[] = {
    "brindle import contacts people.csv --delimiter semicolon --match-titles --dry-run",
    "brindle import contacts people.csv --delimiter semicolon --match-titles",
    "brindle import tasks todo.csv --fields \"Subject,-,Notes\" --quote '\"' --encoding windows-1252 --json",
};

constexpr const char* kUndoExamples[] = {
    "brindle undo --list",
    "brindle undo --last",
    "brindle undo 12 14 --changed",
};

constexpr TCliCommandInfo kCommands[] = {
    {TCliCommand::Fields, "fields", "brindle fields KIND",
     "Lists the field names of KIND, one a line, as the wizard's field page shows them.", kFieldsExamples},
    {TCliCommand::Export, "export", "brindle export KIND FILE (--fields LIST | --all) [OPTIONS]",
     "Writes every item of the default Outlook folder of KIND to the CSV file FILE, one row each.", kExportExamples},
    {TCliCommand::Import, "import", "brindle import KIND FILE [--fields LIST | --match-titles] [OPTIONS]",
     "Reads the CSV file FILE into the default Outlook folder of KIND: a row whose item is stored already writes "
     "over it, a row identical to a stored item is skipped, any other row is added. Rows that do not reach "
     "Outlook are written, each with the reason, beside FILE: people.csv gives people.rejected.csv.",
     kImportExamples},
    {TCliCommand::Undo, "undo", "brindle undo (RUN... | --last | --list) [--changed]",
     "Takes imports back from the import journal, newest first: the items an import added are deleted, the items "
     "it wrote over get back what they held before. An item changed in Outlook since is left as it is unless "
     "--changed is given. Every import, from the wizard or from this command line, is recorded.",
     kUndoExamples},
};

}  // namespace

std::span<const TCliOption> CliOptions() { return kOptions; }

const TCliOption* FindCliOption(TCliCommand nCommand, std::string_view name)
{
    for (const TCliOption& option : kOptions) {
        if (option.nCommand == nCommand && name == option.szName)
            return &option;
    }
    return nullptr;
}

std::span<const TCliCommandInfo> CliCommands() { return kCommands; }

const TCliCommandInfo* FindCliCommand(std::string_view name)
{
    for (const TCliCommandInfo& command : kCommands) {
        if (name == command.szName)
            return &command;
    }
    return nullptr;
}

const TCliCommandInfo* CliCommandInfo(TCliCommand nCommand)
{
    for (const TCliCommandInfo& command : kCommands) {
        if (command.nCommand == nCommand)
            return &command;
    }
    return nullptr;
}
