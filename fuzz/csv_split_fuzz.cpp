// The CSV splitter and the record reader on any file: the reader hands out the file's
// text whole and in order (UTF-8 as it is, any other text as UTF-8), a record ends at a
// line end outside quotes, the splitter copes with every record, and a value quoted and
// split again comes back unchanged.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzScratch.h"

#include "common/misc/CxFile.h"
#include "platform/WinCompat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

using fuzz_support::FuzzCheck;

namespace {

// The program's own quote marks, no quoting, and any ASCII character that is no separator.
char ChooseQuote(fuzz_support::FuzzInput& input)
{
    switch (input.TakeByte() % 4) {
    case 0:
        return '"';
    case 1:
        return '\0';
    case 2:
        return '\'';
    default:
        const char chQuote = static_cast<char>(input.TakeByte() & 0x7F);
        return std::strchr(",\r\n", chQuote) == nullptr ? chQuote : '"';
    }
}

bool IsUtf8(std::string_view text)
{
    return text.empty()
           || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0) > 0;
}

std::string AsciiOf(std::string_view text)
{
    std::string ascii;
    std::copy_if(text.begin(), text.end(), std::back_inserter(ascii),
                 [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    return ascii;
}

// Text read from a file is the text written when that is UTF-8; any other text is taken
// for Windows-1252, whose characters past ASCII all become longer UTF-8 sequences.
void CheckReadBack(std::string_view written, std::string_view read)
{
    if (IsUtf8(written)) {
        FuzzCheck(read == written, "UTF-8 text reads back unchanged");
        return;
    }
    FuzzCheck(IsUtf8(read), "text that is not UTF-8 reads back as UTF-8");
    FuzzCheck(AsciiOf(read) == AsciiOf(written), "reading keeps every ASCII character in its place");
}

void CheckSplit(CSV& splitter, const std::string& record)
{
    if (!splitter.Parse(record.c_str())) {
        FuzzCheck(record.empty() || record[0] == '\0', "only an empty line fails to split");
        return;
    }
    const std::size_t nLength = std::strlen(record.c_str());
    FuzzCheck(splitter.GetCount() >= 1, "a split line has a field");
    FuzzCheck(splitter.GetCount() <= static_cast<std::size_t>(std::count(record.begin(), record.end(), ',')) + 1,
              "no more fields than commas and one");
    for (std::uint32_t nItem = 0; nItem < splitter.GetCount(); ++nItem)
        FuzzCheck(std::strlen(splitter.GetItem(nItem)) <= nLength, "a field is part of its line");
    FuzzCheck(splitter.GetItem(splitter.GetCount())[0] == '\0', "a field past the end is empty");

    // A field may be split again with the buffer it lives in.
    const std::string first = splitter.GetItem(0);
    if (splitter.Parse(splitter.GetItem(0)))
        FuzzCheck(splitter.GetCount() >= 1, "a field split again has a field");
    else
        FuzzCheck(first.empty(), "only an empty field fails to split again");
}

void CheckRecordReader(std::string_view bytes, char chQuote)
{
    const std::string path = fuzz_support::WriteScratchFile("records.csv", bytes);
    CxFile file;
    FuzzCheck(file.Open(path.c_str(), "rb"), "the input file opens");
    CSV splitter;
    splitter.SetQuote(chQuote);
    std::string joined;
    std::string record;
    std::string previous;
    bool bHavePrevious = false;
    while (file.ReadRecord(record, chQuote)) {
        FuzzCheck(!record.empty(), "a record is never empty");
        FuzzCheck(IsUtf8(record), "a record is UTF-8");
        if (bHavePrevious) {
            FuzzCheck(previous.back() == '\n', "only the last record lacks a line end");
            FuzzCheck(!CSV::EndsInsideQuotes(previous, chQuote), "only the last record ends inside quotes");
        }
        joined += record;
        CheckSplit(splitter, record);
        previous = record;
        bHavePrevious = true;
    }
    FuzzCheck(record.empty(), "the end of the file gives no record");
    FuzzCheck(!file.ReadRecord(record, chQuote), "the end of the file stays the end");
    CheckReadBack(bytes, joined);
}

// Values separated by zero bytes, which no value of a C string holds.
std::vector<std::string> ValuesOf(std::string_view bytes)
{
    std::vector<std::string> values;
    std::size_t nStart = 0;
    for (std::size_t nZero; (nZero = bytes.find('\0', nStart)) != std::string_view::npos; nStart = nZero + 1)
        values.emplace_back(bytes.substr(nStart, nZero - nStart));
    values.emplace_back(bytes.substr(nStart));
    return values;
}

void CheckRoundTrip(std::string_view bytes, char chQuote)
{
    if (chQuote == '\0')
        chQuote = '"';
    const std::vector<std::string> values = ValuesOf(bytes);
    std::string line;
    for (const std::string& value : values) {
        if (!line.empty())
            line += ',';
        line += QuoteCsvValue(value, chQuote);
    }
    line += "\r\n";

    const std::string path = fuzz_support::WriteScratchFile("roundtrip.csv", line);
    CxFile file;
    FuzzCheck(file.Open(path.c_str(), "rb"), "the written file opens");
    std::string record;
    FuzzCheck(file.ReadRecord(record, chQuote), "the written line reads back");
    CheckReadBack(line, record);
    std::string after;
    FuzzCheck(!file.ReadRecord(after, chQuote), "the written line is the only record");

    CSV splitter;
    splitter.SetQuote(chQuote);
    FuzzCheck(splitter.Parse(record.c_str()), "the line read back splits");
    FuzzCheck(splitter.GetCount() == values.size(), "every value read back is one field");
    FuzzCheck(splitter.Parse(line.c_str()), "the written line splits");
    FuzzCheck(splitter.GetCount() == values.size(), "every quoted value is one field");
    for (std::uint32_t nItem = 0; nItem < splitter.GetCount() && nItem < values.size(); ++nItem)
        FuzzCheck(values[nItem] == splitter.GetItem(nItem), "a quoted value splits back unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    fuzz_support::FuzzInput input(pData, nSize);
    const char chQuote = ChooseQuote(input);
    CheckRecordReader(input.Rest(), chQuote);
    CheckRoundTrip(input.Rest(), chQuote);
    return 0;
}
