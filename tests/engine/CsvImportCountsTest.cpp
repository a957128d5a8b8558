// The import counts the values it had to shorten and those it could not read, and names the
// first of each by field and row, so that no value changes or goes without a word.
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "records/CommAddrRec.h"
#include "records/CommDateRec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

// Reads the file as a kind's import does, the columns given by their field names, and hands
// each record made to onRecord.
template <class TRec, class TOnRecord>
TCsvImportReport Import(int nFlag, const std::string& csv, const std::vector<std::string>& columns,
                        bool bSkipTitleRow, TOnRecord onRecord)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("import.csv");
    std::ofstream(path, std::ios::binary) << csv;

    const TConvKind& kind = *FindConvKind(nFlag);
    CxList fields;
    for (const std::string& name : columns) {
        for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
            const CsvFieldEntry* pField = kind.GetFieldDef(static_cast<unsigned>(nPos));
            if (name == pField->szName)
                fields.Add(CopyFieldEntry(pField));
        }
    }
    EXPECT_EQ(fields.GetCount(), columns.size()) << "every column names a field";
    TCsvSource source;
    EXPECT_TRUE(LoadCsvSource(path.c_str(), kind, {'"', DELIMITER_COMMA, ENCODING_UTF8}, source));
    CSV splitter;
    CxList records;
    const TCsvImportReport report = ImportCsvRecords(kind, source, fields, bSkipTitleRow, splitter, records);
    for (void* pRec = records.GetFirst(); pRec != nullptr; pRec = records.GetNext())
        onRecord(*static_cast<const TRec*>(pRec));
    records.RemoveAll(true);
    fields.RemoveAll(true);
    return report;
}

TEST(CsvImportCounts, OverLongValuesAreCutAtAWholeCharacterAndCountedWithTheFirstOne)
{
    constexpr std::size_t kLastNameFits = sizeof(CommAddrRec::szLastName) - 1;
    constexpr std::size_t kNoteFits = sizeof(CommAddrRec::szNote) - 1;
    // "é" would end one byte past the last name's room, "€" two bytes past the note's.
    const std::string longName = std::string(kLastNameFits - 1, 'n') + "\xC3\xA9";
    const std::string longNote = std::string(kNoteFits - 1, 'x') + "\xE2\x82\xAC" + "tail";
    const std::string fittingName = std::string(kLastNameFits - 2, 'f') + "\xC3\xA9";
    const std::string csv = "First Name,Last Name,Notes\r\n"
                            "Ann,Baker,short\r\n"
                            "\r\n"
                            "Bob," + longName + ",fine\r\n"
                            "Cy," + fittingName + ",\"" + longNote + "\"\r\n"
                            "Dee,\"" + longName + "\",\"" + longNote + "\"\r\n";

    std::vector<std::vector<std::string>> people;
    const TCsvImportReport report = Import<CommAddrRec>(
        FLAG_ADDR, csv, {"First Name", "Last Name", "Notes"}, true,
        [&](const CommAddrRec& rec) { people.push_back({rec.szFirstName, rec.szLastName, rec.szNote}); });

    const std::string cutName(kLastNameFits - 1, 'n');
    const std::string cutNote(kNoteFits - 1, 'x');
    const std::vector<std::vector<std::string>> expected = {
        {"Ann", "Baker", "short"}, {"Bob", cutName, "fine"}, {"Cy", fittingName, cutNote}, {"Dee", cutName, cutNote}};
    EXPECT_EQ(people, expected);
    EXPECT_TRUE(report.bTitleRowSkipped);
    EXPECT_EQ(report.nShortened, 4);
    // Rows count the title row and pass over blank lines.
    EXPECT_EQ(report.firstShortened.field, "Last Name");
    EXPECT_EQ(report.firstShortened.nRow, 3);
    EXPECT_EQ(report.nNotUnderstood, 0);
    EXPECT_EQ(report.firstNotUnderstood.nRow, 0);
}

TEST(CsvImportCounts, ValuesNotUnderstoodStoreNothingAndAreCountedApart)
{
    const std::string csv = "Subject,Start Date,Start Time,All Day Event,Reminder Minutes Before Start\r\n"
                            "Review,03/20/2024,9:30 AM,0,15\r\n"
                            "Launch,02/30/2024,10:00,1,\r\n"
                            "Party,3/21/2024,25:00,maybe,soon\r\n"
                            + std::string(300, 's') + ",3/22/2024,,,\r\n";
    struct Appointment {
        std::string subject;
        WORD wYear;
        WORD wHour;
        LONG nAllDay;
        LONG nReminderSet;
        bool operator==(const Appointment&) const = default;
    };
    std::vector<Appointment> appointments;
    const TCsvImportReport report = Import<CommDateRec>(
        FLAG_DATE, csv, {"Subject", "Start Date", "Start Time", "All Day Event", "Reminder Minutes Before Start"},
        true, [&](const CommDateRec& rec) {
            appointments.push_back(
                {rec.szDescription, rec.stStart.wYear, rec.stStart.wHour, rec.nAllDayEvent, rec.nReminderSet});
        });

    ASSERT_EQ(appointments.size(), 4u);
    EXPECT_EQ(appointments[0], (Appointment{"Review", 2024, 9, 0, 1}));
    EXPECT_EQ(appointments[1], (Appointment{"Launch", 0, 10, 1, 0}));
    EXPECT_EQ(appointments[2], (Appointment{"Party", 2024, 0, 0, 0}));
    EXPECT_EQ(appointments[3].subject, std::string(sizeof(CommDateRec::szDescription) - 1, 's'));
    // The day that does not exist, then the time, the flag and the minutes of one row.
    EXPECT_EQ(report.nNotUnderstood, 4);
    EXPECT_EQ(report.firstNotUnderstood.field, "Start Date");
    EXPECT_EQ(report.firstNotUnderstood.nRow, 3);
    EXPECT_EQ(report.nShortened, 1);
    EXPECT_EQ(report.firstShortened.field, "Subject");
    EXPECT_EQ(report.firstShortened.nRow, 5);
}

}  // namespace
