#include "common/outlook/CsvValueParse.h"

#include "common/misc/CxDateTime.h"

#include <array>
#include <limits>

namespace {

constexpr int kHoursOnTwelveHourClock = 12;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view text, std::string_view lowerWord)
{
    if (text.size() != lowerWord.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (LowerAscii(text[i]) != lowerWord[i])
            return false;
    }
    return true;
}

// Takes a run of nMinDigits to nMaxDigits digits off the front of text.
std::optional<long long> TakeNumber(std::string_view& text, std::size_t nMinDigits, std::size_t nMaxDigits)
{
    std::size_t nDigits = 0;
    while (nDigits < text.size() && IsDigit(text[nDigits]))
        ++nDigits;
    if (nDigits < nMinDigits || nDigits > nMaxDigits)
        return std::nullopt;
    long long value = 0;
    for (std::size_t i = 0; i < nDigits; ++i)
        value = value * 10 + (text[i] - '0');
    text.remove_prefix(nDigits);
    return value;
}

bool TakeChar(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

bool IsLeapYear(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

long long DaysInMonth(long long year, long long month)
{
    constexpr std::array<long long, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// CxDateTime decides which years the program prints; the import takes no date the export
// would write as empty.
bool IsPrinted(const CsvDay& day)
{
    SYSTEMTIME stDay{};
    stDay.wYear = day.wYear;
    stDay.wMonth = day.wMonth;
    stDay.wDay = day.wDay;
    CxDateTime moment;
    moment.SetSystemTime(&stDay);
    char szText[CxDateTime::DATE_TEXT_SIZE];
    moment.FormatDate(szText, sizeof szText);
    return szText[0] != '\0';
}

// The hour on the 24-hour clock of an hour followed by AM or PM; nothing when the rest is
// neither or the hour is not one of the 12-hour clock.
std::optional<long long> TwelveHourClock(long long hour, std::string_view rest)
{
    const std::string_view marker = Trimmed(rest);
    const bool bAm = EqualIgnoringCase(marker, "am");
    if ((!bAm && !EqualIgnoringCase(marker, "pm")) || hour < 1 || hour > kHoursOnTwelveHourClock)
        return std::nullopt;
    return hour % kHoursOnTwelveHourClock + (bAm ? 0 : kHoursOnTwelveHourClock);
}

}  // namespace

bool IsBlankCsvValue(std::string_view text) { return Trimmed(text).empty(); }

std::optional<CsvDay> ParseCsvDate(std::string_view text)
{
    std::string_view rest = Trimmed(text);
    const auto month = TakeNumber(rest, 1, 2);
    if (!month || !TakeChar(rest, '/'))
        return std::nullopt;
    const auto day = TakeNumber(rest, 1, 2);
    if (!day || !TakeChar(rest, '/'))
        return std::nullopt;
    const auto year = TakeNumber(rest, 4, 4);
    if (!year || !rest.empty() || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month))
        return std::nullopt;
    const CsvDay result{static_cast<WORD>(*year), static_cast<WORD>(*month), static_cast<WORD>(*day)};
    if (!IsPrinted(result))
        return std::nullopt;
    return result;
}

std::optional<CsvTimeOfDay> ParseCsvTime(std::string_view text)
{
    std::string_view rest = Trimmed(text);
    auto hour = TakeNumber(rest, 1, 2);
    if (!hour || !TakeChar(rest, ':'))
        return std::nullopt;
    const auto minute = TakeNumber(rest, 2, 2);
    if (!minute)
        return std::nullopt;
    std::optional<long long> second = 0;
    if (TakeChar(rest, ':'))
        second = TakeNumber(rest, 2, 2);
    if (!second)
        return std::nullopt;
    if (!rest.empty())
        hour = TwelveHourClock(*hour, rest);
    if (!hour || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return CsvTimeOfDay{static_cast<WORD>(*hour), static_cast<WORD>(*minute), static_cast<WORD>(*second)};
}

std::optional<bool> ParseCsvYesNo(std::string_view text)
{
    const std::string_view value = Trimmed(text);
    for (const std::string_view yes : {"1", "true", "yes"}) {
        if (EqualIgnoringCase(value, yes))
            return true;
    }
    for (const std::string_view no : {"0", "false", "no"}) {
        if (EqualIgnoringCase(value, no))
            return false;
    }
    return std::nullopt;
}

std::optional<LONG> ParseCsvCount(std::string_view text)
{
    std::string_view rest = Trimmed(text);
    // As many digits as the largest LONG has: a longer run could not fit.
    constexpr std::size_t kMaxDigits = std::numeric_limits<LONG>::digits10 + 1;
    const auto count = TakeNumber(rest, 1, kMaxDigits);
    if (!count || !rest.empty() || *count > std::numeric_limits<LONG>::max())
        return std::nullopt;
    return static_cast<LONG>(*count);
}
