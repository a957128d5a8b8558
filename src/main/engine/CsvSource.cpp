#include "main/engine/CsvSource.h"

#include "common/misc/CsvDelimiter.h"
#include "common/misc/CsvRecordWalker.h"
#include "common/misc/CxFile.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

// The start of a file that page 1 describes while the user types its name.
constexpr std::size_t kDescribedBytes = 64 * 1024;

char ChosenDelimiter(int nDelimiter, std::string_view text, char chQuote)
{
    switch (KnownDelimiterChoice(nDelimiter)) {
    case DELIMITER_SEMICOLON:
        return ';';
    case DELIMITER_TAB:
        return '\t';
    case DELIMITER_DETECT:
        return DetectCsvDelimiter(text, chQuote);
    default:
        return ',';
    }
}

const char* DelimiterName(char chDelimiter)
{
    switch (chDelimiter) {
    case ';':
        return "Semicolon-separated";
    case '\t':
        return "Tab-separated";
    default:
        return "Comma-separated";
    }
}

// The values of the first record that is not blank.
std::vector<std::string> FirstRecordValues(const TCsvSource& source)
{
    TCsvRecordWalker walker(source.file.szText, source.chQuote, source.chDelimiter);
    std::string_view record;
    while (walker.Next(record)) {
        if (record.empty())
            continue;
        CSV splitter;
        splitter.SetQuote(source.chQuote);
        splitter.SetDelimiter(source.chDelimiter);
        const std::string line(record);
        if (!splitter.Parse(line.c_str()))
            return {};
        std::vector<std::string> values;
        for (std::uint32_t nField = 0; nField < splitter.GetCount(); ++nField)
            values.emplace_back(splitter.GetItem(nField));
        return values;
    }
    return {};
}

// Without a quote character of its own a file is read as every CSV reader reads it: a value
// that begins with a double quote is enclosed in them. That is how the export writes a bare
// value that would otherwise break its row, and how other programs quote.
char ReadingQuote(char chQuote) { return chQuote != '\0' ? chQuote : '"'; }

// Settles the delimiter and reads the first record of a decoded text.
void InspectText(const TConvKind& kind, const TCsvReadOptions& options, TCsvSource& source)
{
    source.chQuote = ReadingQuote(options.chQuote);
    source.chDelimiter = ChosenDelimiter(options.nDelimiter, source.file.szText, source.chQuote);
    const std::vector<std::string> first = FirstRecordValues(source);
    source.nColumns = first.size();
    source.titles = MatchCsvTitles(kind, std::vector<std::string_view>(first.begin(), first.end()));
}

// The start of a plain file, cut after its last line feed so that no character or record is
// cut in two; the whole file when it is shorter.
bool ReadFileStart(const char* szPath, std::string& bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(szPath, error))
        return false;
    std::ifstream in(szPath, std::ios::binary);
    if (!in)
        return false;
    bytes.resize(kDescribedBytes);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() == kDescribedBytes) {
        const std::size_t nLastLineFeed = bytes.rfind('\n');
        if (nLastLineFeed != std::string::npos)
            bytes.resize(nLastLineFeed + 1);
    }
    return true;
}

}  // namespace

TCsvReadOptions SettingsReadOptions()
{
    return {AppSettings.QuoteMark[0], AppSettings.Delimiter, AppSettings.Encoding};
}

int KnownDelimiterChoice(int nDelimiter)
{
    return nDelimiter >= DELIMITER_COMMA && nDelimiter <= DELIMITER_DETECT ? nDelimiter : DELIMITER_COMMA;
}

int KnownEncodingChoice(int nEncoding)
{
    return nEncoding >= ENCODING_DETECT && nEncoding <= ENCODING_UTF16 ? nEncoding : ENCODING_DETECT;
}

char ExportDelimiter(int nDelimiter)
{
    return ChosenDelimiter(nDelimiter == DELIMITER_DETECT ? DELIMITER_COMMA : nDelimiter, {}, '\0');
}

bool LoadCsvSource(const char* szPath, const TConvKind& kind, const TCsvReadOptions& options, TCsvSource& source)
{
    source = {};
    if (!LoadCsvFileText(szPath, static_cast<TCsvEncodingChoice>(KnownEncodingChoice(options.nEncoding)), source.file))
        return false;
    InspectText(kind, options, source);
    return true;
}

std::string DescribeCsvFile(const char* szPath, const TConvKind& kind, const TCsvReadOptions& options)
{
    std::string bytes;
    if (szPath == nullptr || !ReadFileStart(szPath, bytes))
        return {};
    TCsvSource source;
    source.file = DecodeCsvBytes(bytes, static_cast<TCsvEncodingChoice>(KnownEncodingChoice(options.nEncoding)));
    if (!source.file.bLooksLikeText)
        return "This file does not look like a CSV file";
    // The file is described as it is; a delimiter chosen by hand that does not fit it is named.
    const char chChosen = ChosenDelimiter(options.nDelimiter, source.file.szText, ReadingQuote(options.chQuote));
    InspectText(kind, {options.chQuote, DELIMITER_DETECT, options.nEncoding}, source);
    std::string description = std::string(DelimiterName(source.chDelimiter)) + ", "
                              + CsvEncodingName(source.file.nEncoding) + ", " + std::to_string(source.nColumns)
                              + (source.nColumns == 1 ? " column" : " columns");
    if (source.titles.bTitleRow)
        description += ", first row looks like column titles";
    if (chChosen != source.chDelimiter && source.nColumns > 1)
        description += std::string(" (read as ") + DelimiterName(chChosen) + " now: choose another Delimiter or Detect)";
    return description;
}
