// The CSV text of any file: decoding it to UTF-8 in any encoding, walking its records and
// splitting each one with any quote and delimiter; and the record reader on the same file.
// The decoded text is valid UTF-8 that keeps what the encoding promises, the records and
// their line ends make up the text, a record holds a line end only inside a quoted field,
// the splitter and the field count agree, and split values quoted again split back
// unchanged.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzScratch.h"

#include "common/misc/CsvDelimiter.h"
#include "common/misc/CsvEncoding.h"
#include "common/misc/CsvRecordWalker.h"
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

constexpr std::string_view kDelimiters = ",;\t";

// The program's own quote marks, no quoting, and any ASCII character that is neither a
// delimiter nor a line end.
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
        return std::strchr(",;\t\r\n", chQuote) == nullptr ? chQuote : '"';
    }
}

char ChooseDelimiter(fuzz_support::FuzzInput& input) { return kDelimiters[input.TakeByte() % kDelimiters.size()]; }

TCsvEncodingChoice ChooseEncoding(fuzz_support::FuzzInput& input)
{
    return static_cast<TCsvEncodingChoice>(input.TakeByte() % 4);
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

std::string_view WithoutUtf8Mark(std::string_view bytes)
{
    return bytes.starts_with(CsvUtf8ByteOrderMark()) ? bytes.substr(CsvUtf8ByteOrderMark().size()) : bytes;
}

bool AskedOrDetected(TCsvEncodingChoice choice, TCsvEncodingChoice asked)
{
    return choice == asked || choice == TCsvEncodingChoice::Detect;
}

bool IsUtf16(TCsvEncoding nEncoding)
{
    return nEncoding == TCsvEncoding::Utf16Le || nEncoding == TCsvEncoding::Utf16Be;
}

void CheckDecoded(std::string_view bytes, TCsvEncodingChoice choice, const TCsvFileText& decoded)
{
    FuzzCheck(IsUtf8(decoded.szText), "decoded text is UTF-8");
    FuzzCheck(!decoded.bDroppedOddByte || IsUtf16(decoded.nEncoding), "only UTF-16 drops an odd byte");
    FuzzCheck(decoded.szText.find('\0') == std::string::npos || !decoded.bLooksLikeText,
              "text with a zero character does not look like text");
    if (bytes.empty())
        FuzzCheck(decoded.szText.empty() && decoded.bLooksLikeText, "an empty file is empty text");
    switch (decoded.nEncoding) {
    case TCsvEncoding::Utf8:
    case TCsvEncoding::Utf8Bom:
        FuzzCheck(AskedOrDetected(choice, TCsvEncodingChoice::Utf8), "UTF-8 when asked or found");
        FuzzCheck(choice != TCsvEncodingChoice::Detect || decoded.nEncoding == TCsvEncoding::Utf8Bom || IsUtf8(bytes),
                  "only valid UTF-8 without a mark is found to be UTF-8");
        if (IsUtf8(WithoutUtf8Mark(bytes)))
            FuzzCheck(decoded.szText == WithoutUtf8Mark(bytes), "UTF-8 reads back unchanged but for its mark");
        break;
    case TCsvEncoding::Windows1252:
        FuzzCheck(AskedOrDetected(choice, TCsvEncodingChoice::Windows1252), "Windows-1252 when asked or found");
        FuzzCheck(choice != TCsvEncodingChoice::Detect || !IsUtf8(bytes),
                  "only text that is not UTF-8 is taken for Windows-1252");
        FuzzCheck(AsciiOf(decoded.szText) == AsciiOf(bytes), "Windows-1252 keeps every ASCII character in its place");
        break;
    case TCsvEncoding::Utf16Le:
    case TCsvEncoding::Utf16Be:
        FuzzCheck(AskedOrDetected(choice, TCsvEncodingChoice::Utf16), "UTF-16 when asked or found");
        FuzzCheck(decoded.szText.size() <= bytes.size() / 2 * 3, "a UTF-16 unit gives at most three bytes");
        break;
    }
}

// An independent reading of the quoting rule, one character at a time: whether the record
// holds a line end outside a quoted field, and whether it ends inside one.
struct QuoteReading {
    bool bLineEndOutside = false;
    bool bEndsInside = false;
};

QuoteReading ReadQuotes(std::string_view record, char chQuote, char chDelimiter)
{
    enum class State { FieldStart, Bare, Quoted, QuoteSeen };
    State state = State::FieldStart;
    QuoteReading reading;
    for (const char ch : record) {
        const bool bLineEnd = ch == '\r' || ch == '\n';
        switch (state) {
        case State::FieldStart:
        case State::Bare:
            if (state == State::FieldStart && chQuote != '\0' && ch == chQuote)
                state = State::Quoted;
            else if (ch == chDelimiter)
                state = State::FieldStart;
            else
                state = State::Bare;
            reading.bLineEndOutside |= bLineEnd && state != State::Quoted;
            break;
        case State::Quoted:
            if (ch == chQuote)
                state = State::QuoteSeen;
            break;
        case State::QuoteSeen:
            if (ch == chDelimiter) {
                state = State::FieldStart;
            } else if (bLineEnd) {
                reading.bLineEndOutside = true;
                state = State::Bare;
            } else {
                state = State::Quoted;
            }
            break;
        }
    }
    reading.bEndsInside = state == State::Quoted;
    return reading;
}

void CheckRequoted(CSV& splitter, const std::vector<std::string>& fields, char chQuote, char chDelimiter)
{
    std::string line;
    for (const std::string& field : fields) {
        if (&field != &fields.front())
            line += chDelimiter;
        line += QuoteCsvValue(field, chQuote);
    }
    TCsvRecordWalker walker(line, chQuote, chDelimiter);
    std::string_view record;
    FuzzCheck(walker.Next(record) && record == line, "a quoted row is one record");
    FuzzCheck(splitter.Parse(line) && splitter.GetCount() == fields.size(), "every quoted value is one field");
    for (std::uint32_t nItem = 0; nItem < splitter.GetCount(); ++nItem)
        FuzzCheck(fields[nItem] == splitter.GetItem(nItem), "a quoted value splits back unchanged");
}

void CheckSplit(CSV& splitter, std::string_view record, char chQuote, char chDelimiter)
{
    if (!splitter.Parse(record)) {
        FuzzCheck(record.empty(), "only an empty record fails to split");
        return;
    }
    FuzzCheck(splitter.GetCount() == CountCsvFields(record, chQuote, chDelimiter), "the field count is the split's");
    std::vector<std::string> fields;
    for (std::uint32_t nItem = 0; nItem < splitter.GetCount(); ++nItem) {
        fields.emplace_back(splitter.GetItem(nItem));
        FuzzCheck(fields.back().size() <= record.size(), "a field is part of its record");
        FuzzCheck(IsUtf8(fields.back()), "a field of UTF-8 text keeps whole characters");
    }
    FuzzCheck(splitter.GetItem(splitter.GetCount())[0] == '\0', "a field past the end is empty");
    if (chQuote != '\0')
        CheckRequoted(splitter, fields, chQuote, chDelimiter);
}

void CheckWalk(std::string_view text, char chQuote, char chDelimiter)
{
    CSV splitter;
    splitter.SetQuote(chQuote);
    splitter.SetDelimiter(chDelimiter);
    TCsvRecordWalker walker(text, chQuote, chDelimiter);
    std::size_t nPos = 0;
    std::string_view record;
    while (walker.Next(record)) {
        FuzzCheck(record.data() == text.data() + nPos, "records come in order, nothing skipped");
        nPos += record.size();
        const QuoteReading reading = ReadQuotes(record, chQuote, chDelimiter);
        FuzzCheck(!reading.bLineEndOutside, "a record holds line ends only inside quoted fields");
        FuzzCheck(reading.bEndsInside == walker.EndsInsideQuotes(),
                  "the walker knows whether a record ends inside quotes");
        if (nPos < text.size()) {
            FuzzCheck(!reading.bEndsInside, "only the last record ends inside quotes");
            FuzzCheck(text[nPos] == '\r' || text[nPos] == '\n', "a line end follows a record");
            nPos += text.compare(nPos, 2, "\r\n") == 0 ? 2 : 1;
        }
        CheckSplit(splitter, record, chQuote, chDelimiter);
    }
    FuzzCheck(nPos == text.size(), "the records reach the end of the text");
    FuzzCheck(kDelimiters.find(DetectCsvDelimiter(text, chQuote)) != std::string_view::npos,
              "the detected delimiter is one of the three");
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

// The values written as the export writes a row, read back as one record of the same values.
void CheckRoundTrip(std::string_view bytes, char chQuote, char chDelimiter)
{
    if (chQuote == '\0')
        chQuote = '"';
    const std::vector<std::string> values = ValuesOf(bytes);
    std::string line;
    for (const std::string& value : values) {
        if (&value != &values.front())
            line += chDelimiter;
        line += QuoteCsvValue(value, chQuote);
    }
    line += "\r\n";

    const std::string path = fuzz_support::WriteScratchFile("roundtrip.csv", line);
    TCsvFileText file;
    FuzzCheck(LoadCsvFileText(path.c_str(), TCsvEncodingChoice::Utf8, file), "the written file reads");
    TCsvRecordWalker walker(file.szText, chQuote, chDelimiter);
    std::string_view record;
    FuzzCheck(walker.Next(record), "the written line reads back");
    std::string_view after;
    FuzzCheck(!walker.Next(after), "the written line is the only record");
    if (IsUtf8(line))
        FuzzCheck(std::string(record) + "\r\n" == line, "a UTF-8 line reads back unchanged");

    CSV splitter;
    splitter.SetQuote(chQuote);
    splitter.SetDelimiter(chDelimiter);
    FuzzCheck(splitter.Parse(record) && splitter.GetCount() == values.size(), "every value read back is one field");
    FuzzCheck(splitter.Parse(line) && splitter.GetCount() == values.size(), "every quoted value is one field");
    for (std::uint32_t nItem = 0; nItem < splitter.GetCount(); ++nItem)
        FuzzCheck(values[nItem] == splitter.GetItem(nItem), "a quoted value splits back unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    fuzz_support::FuzzInput input(pData, nSize);
    const char chQuote = ChooseQuote(input);
    const char chDelimiter = ChooseDelimiter(input);
    const TCsvEncodingChoice encoding = ChooseEncoding(input);
    const std::string_view bytes = input.Rest();

    const TCsvFileText decoded = DecodeCsvBytes(bytes, encoding);
    CheckDecoded(bytes, encoding, decoded);
    CheckWalk(decoded.szText, chQuote, chDelimiter);

    const std::string path = fuzz_support::WriteScratchFile("records.csv", bytes);
    TCsvFileText loaded;
    FuzzCheck(LoadCsvFileText(path.c_str(), encoding, loaded) && loaded.szText == decoded.szText,
              "a file loads as its bytes decode");
    CheckRoundTrip(bytes, chQuote, chDelimiter);
    return 0;
}
