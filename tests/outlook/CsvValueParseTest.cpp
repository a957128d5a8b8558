// The rules by which the import reads dates, times of day, yes/no flags and counts out of
// CSV texts: what each accepts, and that anything else is refused rather than guessed.
#include "common/outlook/CsvValueParse.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>

void PrintTo(const CsvDay& day, std::ostream* out) { *out << day.wMonth << "/" << day.wDay << "/" << day.wYear; }

void PrintTo(const CsvTimeOfDay& time, std::ostream* out)
{
    *out << time.wHour << ":" << time.wMinute << ":" << time.wSecond;
}

namespace {

struct DateCase {
    const char* szText;
    std::optional<CsvDay> expected;
};

TEST(CsvValueParse, DatesAreMonthDayAndFourDigitYearOfARealPrintedDay)
{
    const DateCase cases[] = {
        {"03/20/2024", CsvDay{2024, 3, 20}},
        {"3/7/2024", CsvDay{2024, 3, 7}},
        {"  12/31/2030\t", CsvDay{2030, 12, 31}},
        {"02/29/2024", CsvDay{2024, 2, 29}},
        {"02/29/2000", CsvDay{2000, 2, 29}},
        {"01/01/1900", CsvDay{1900, 1, 1}},
        {"12/31/4500", CsvDay{4500, 12, 31}},
        {"06/15/2040", CsvDay{2040, 6, 15}},
        // Days that do not exist.
        {"02/29/2023", std::nullopt},
        {"02/29/1900", std::nullopt},
        {"04/31/2024", std::nullopt},
        {"00/10/2024", std::nullopt},
        {"13/01/2024", std::nullopt},
        {"01/00/2024", std::nullopt},
        // Years the program does not print.
        {"12/31/1899", std::nullopt},
        {"01/01/4501", std::nullopt},
        {"01/01/0000", std::nullopt},
        // Not month/day/year as the program writes it.
        {"03/20/24", std::nullopt},
        {"3/20/02024", std::nullopt},
        {"003/20/2024", std::nullopt},
        {"2024-03-20", std::nullopt},
        {"20.03.2024", std::nullopt},
        {"03/20/2024 09:30:00", std::nullopt},
        {"03/20/2024x", std::nullopt},
        {"03//2024", std::nullopt},
        {"-3/20/2024", std::nullopt},
        {"+3/20/2024", std::nullopt},
        {"", std::nullopt},
        {"today", std::nullopt},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(ParseCsvDate(c.szText), c.expected) << '"' << c.szText << '"';
}

struct TimeCase {
    const char* szText;
    std::optional<CsvTimeOfDay> expected;
};

TEST(CsvValueParse, TimesAreTheProgramsOwnOrTwelveHourClockTimes)
{
    const TimeCase cases[] = {
        {"09:30:00", CsvTimeOfDay{9, 30, 0}},
        {"9:30", CsvTimeOfDay{9, 30, 0}},
        {"00:00:00", CsvTimeOfDay{0, 0, 0}},
        {"23:59:59", CsvTimeOfDay{23, 59, 59}},
        {" 17:05 ", CsvTimeOfDay{17, 5, 0}},
        {"9:30:00 AM", CsvTimeOfDay{9, 30, 0}},
        {"9:30 pm", CsvTimeOfDay{21, 30, 0}},
        {"12:00:00 AM", CsvTimeOfDay{0, 0, 0}},
        {"12:15 PM", CsvTimeOfDay{12, 15, 0}},
        {"11:59:59PM", CsvTimeOfDay{23, 59, 59}},
        // Midnight that ends a day is 00:00 of the next one.
        {"24:00", std::nullopt},
        {"24:00:00", std::nullopt},
        {"23:60", std::nullopt},
        {"23:59:60", std::nullopt},
        {"0:30 AM", std::nullopt},
        {"13:00 PM", std::nullopt},
        {"9:5", std::nullopt},
        {"9:30:0", std::nullopt},
        {"9", std::nullopt},
        {"9:30:", std::nullopt},
        {"9:30:00:00", std::nullopt},
        {"930", std::nullopt},
        {"9:30 noon", std::nullopt},
        {"9.30", std::nullopt},
        {"", std::nullopt},
    };
    for (const TimeCase& c : cases)
        EXPECT_EQ(ParseCsvTime(c.szText), c.expected) << '"' << c.szText << '"';
}

TEST(CsvValueParse, FlagsAreOneZeroTrueFalseOrYesNoInAnyCase)
{
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"1", true},        {"0", false},        {"True", true},      {"FALSE", false},   {"yes", true},
        {"No", false},      {" true ", true},    {"2", std::nullopt}, {"-1", std::nullopt},
        {"y", std::nullopt}, {"on", std::nullopt}, {"", std::nullopt}, {"Truth", std::nullopt},
    };
    for (const auto& [szText, expected] : cases)
        EXPECT_EQ(ParseCsvYesNo(szText), expected) << '"' << szText << '"';
}

TEST(CsvValueParse, CountsAreDigitsUpToTheLargestLong)
{
    const std::pair<const char*, std::optional<LONG>> cases[] = {
        {"0", 0},
        {"90", 90},
        {" 15 ", 15},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"1.5", std::nullopt},
        {"1 5", std::nullopt},
        {"15 minutes", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [szText, expected] : cases)
        EXPECT_EQ(ParseCsvCount(szText), expected) << '"' << szText << '"';
}

TEST(CsvValueParse, OnlyBlanksMakeABlankValue)
{
    for (const char* szText : {"", " ", "\t \t"})
        EXPECT_TRUE(IsBlankCsvValue(szText)) << '"' << szText << '"';
    for (const char* szText : {"0", " x ", "\n"})
        EXPECT_FALSE(IsBlankCsvValue(szText)) << '"' << szText << '"';
}

}  // namespace
