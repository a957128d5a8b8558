#include "crash/CrashContacts.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace crash_test {
namespace {

// Quotes, commas, line ends and a character outside ASCII all travel through the import.
constexpr CrashColumn kColumns[] = {
    {47, OLESTR("LastName"), "Key#", 1},
    {32, OLESTR("FirstName"), "Zo\xC3\xAB #", 1},
    {19, OLESTR("CompanyName"), "Serial # Ltd., \"Quoted\"", 1},
    {23, OLESTR("Email1Address"), "c#@example.org", 1},
    {15, OLESTR("BusinessTelephoneNumber"), "+1 555 #", 1},
    {12, OLESTR("BusinessAddressStreet"), "# Long Road\r\nUnit #", 1},
    {78, OLESTR("Categories"), "Crash #", 1},
    {68, OLESTR("Body"), "Line # of a long note, with \"quotes\", commas, and a line end.\r\n", 20},
};

// The company: compared by the duplicate test, so a changed one is an update.
constexpr int kChangedField = 19;

std::string Quoted(const std::string& value)
{
    std::string quoted = "\"";
    for (const char ch : value) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

}  // namespace

std::span<const CrashColumn> CrashColumns() { return kColumns; }

std::string CrashValue(const CrashColumn& column, int nSerial)
{
    char szSerial[16];
    std::snprintf(szSerial, sizeof szSerial, "%06d", nSerial);
    std::string once;
    for (const char* p = column.szPattern; *p != '\0'; ++p) {
        if (*p == '#')
            once += szSerial;
        else
            once += *p;
    }
    std::string value;
    for (int i = 0; i < column.nRepeat; ++i)
        value += once;
    return value;
}

bool WriteCrashLines(const std::string& path, std::span<const CrashLine> lines)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const CrashLine& crashLine : lines) {
        std::string line;
        for (const CrashColumn& column : kColumns) {
            if (!line.empty())
                line += ',';
            const std::string value = CrashValue(column, crashLine.nSerial);
            line += Quoted(crashLine.bChanged && column.nFieldId == kChangedField ? "Changed " + value : value);
        }
        file << line << "\r\n";
        if (!file)
            break;
    }
    file.close();
    return !file.fail();
}

bool WriteCrashCsv(const std::string& path, int nContacts)
{
    std::vector<CrashLine> lines;
    for (int nSerial = 1; nSerial <= nContacts; ++nSerial)
        lines.push_back({nSerial, false});
    return WriteCrashLines(path, lines);
}

}  // namespace crash_test
