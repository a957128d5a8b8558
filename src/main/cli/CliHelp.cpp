#include "main/cli/CliHelp.h"

#include "main/cli/CliKinds.h"
#include "main/cli/CliOptions.h"

#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLineWidth = 80;
constexpr std::string_view kIndent = "      ";

constexpr const char* kIntroduction =
    "Brindle Converter moves contacts, calendar entries, tasks and notes between Outlook and CSV files. Without "
    "arguments it starts the wizard; with a command it works without a window or a display.";

constexpr const char* kColumnLines[] = {
    "NAME          a field of KIND as \"brindle fields KIND\" lists it, in any case",
    "@NAME         another column with the field NAME (export)",
    "#seq:N        a sequence number, N in the first row and counting up (export)",
    "=TEXT         the same TEXT in every row (export)",
    "- or None     a column of nothing: on import the file's column is skipped",
};

constexpr const char* kColumnNotes =
    "Columns are separated by commas; a column holding a comma goes in double quotes, such as "
    "--fields 'Subject,\"=Room 4, first floor\"'. On import only NAME columns store anything, as in the wizard; the "
    "others keep the file's columns in their places. Columns other than NAME are titled \"Custom Field\", @NAME "
    "columns by their field.";

constexpr const char* kDefaults =
    "Without --quote, --delimiter or --encoding the choice last made in the wizard holds (on a new installation: no "
    "quotation mark, comma, detect). The wizard's settings are read, never changed.";

constexpr const char* kOutput =
    "The result goes to standard output in the words of the wizard's last page, an import's counts on the next "
    "line; notes about the file and errors go to standard error, and so does the progress (percentage and items "
    "per second) when standard error is a terminal. Ctrl+C stops a run after the record in hand: the rows written "
    "so far stay whole.";

constexpr const char* kExitCodes =
    "Exit codes: 0 done; 1 the conversion failed or could not start (a kind, field or file that is not there, a "
    "file that cannot be read or written); 2 the command line does not fit; 130 stopped by Ctrl+C, 143 by a "
    "termination signal.";

// Writes text in lines of at most kLineWidth characters, each after indent.
void WriteWrapped(std::ostream& out, std::string_view text, std::string_view indent)
{
    std::string line(indent);
    while (!text.empty()) {
        const std::size_t nSpace = text.find(' ');
        const std::string_view word = text.substr(0, nSpace);
        text = nSpace == std::string_view::npos ? std::string_view() : text.substr(nSpace + 1);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > kLineWidth) {
            out << line << '\n';
            line = indent;
        }
        if (line.size() > indent.size())
            line += ' ';
        line += word;
    }
    out << line << '\n';
}

void WriteParagraph(std::ostream& out, std::string_view text)
{
    out << '\n';
    WriteWrapped(out, text, "");
}

void WriteKinds(std::ostream& out) { WriteParagraph(out, "KIND is " + CliKindNames() + "."); }

void WriteColumns(std::ostream& out)
{
    out << "\nColumns (--fields LIST):\n";
    for (const char* szLine : kColumnLines)
        out << "  " << szLine << '\n';
    WriteWrapped(out, kColumnNotes, "  ");
}

void WriteOptions(std::ostream& out, TCliCommand nCommand)
{
    out << "\nOptions:\n";
    for (const TCliOption& option : CliOptions()) {
        if (option.nCommand != nCommand)
            continue;
        out << "  " << option.szName;
        if (option.szValue != nullptr)
            out << ' ' << option.szValue;
        out << '\n';
        WriteWrapped(out, option.szHelp, kIndent);
    }
}

void WriteExamples(std::ostream& out, const TCliCommandInfo& command)
{
    out << "\nExamples:\n";
    for (const char* szExample : command.examples)
        out << "  " << szExample << '\n';
}

void WriteCommandHelp(std::ostream& out, const TCliCommandInfo& command)
{
    out << "Usage: " << command.szSynopsis << '\n';
    WriteParagraph(out, command.szSummary);
    const bool bConverts = command.nCommand == TCliCommand::Export || command.nCommand == TCliCommand::Import;
    if (command.nCommand != TCliCommand::Undo)
        WriteKinds(out);
    WriteOptions(out, command.nCommand);
    if (bConverts) {
        WriteColumns(out);
        WriteParagraph(out, kDefaults);
        WriteParagraph(out, kOutput);
    }
    WriteExamples(out, command);
    WriteParagraph(out, kExitCodes);
}

void WriteGeneralHelp(std::ostream& out)
{
    WriteWrapped(out, kIntroduction, "");
    out << "\nUsage:\n";
    for (const TCliCommandInfo& command : CliCommands())
        out << "  " << command.szSynopsis << '\n';
    out << "  brindle COMMAND --help    a command's options, with examples\n";
    for (const TCliCommandInfo& command : CliCommands()) {
        out << '\n' << command.szName << ":\n";
        WriteWrapped(out, command.szSummary, "  ");
    }
    WriteKinds(out);
    WriteColumns(out);
    WriteParagraph(out, kDefaults);
    out << "\nExamples:\n";
    for (const TCliCommandInfo& command : CliCommands())
        out << "  " << command.examples.front() << '\n';
    WriteParagraph(out, kExitCodes);
}

}  // namespace

void WriteHelp(std::ostream& out, TCliCommand nCommand)
{
    if (const TCliCommandInfo* command = CliCommandInfo(nCommand))
        WriteCommandHelp(out, *command);
    else
        WriteGeneralHelp(out);
}

void WriteUsage(std::ostream& out, TCliCommand nCommand)
{
    out << "Usage:\n";
    for (const TCliCommandInfo& command : CliCommands()) {
        if (nCommand == TCliCommand::None || command.nCommand == nCommand)
            out << "  " << command.szSynopsis << '\n';
    }
    const TCliCommandInfo* command = CliCommandInfo(nCommand);
    out << "Run \"brindle " << (command ? std::string(command->szName) + " " : std::string()) << "--help\" for more.\n";
}
