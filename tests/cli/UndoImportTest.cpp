// An import through the command line is taken back from its journal: every item it added
// goes, every item it wrote over gets back all it had (properties, user properties,
// recurrence), compared through the olsim tool's whole listing; an item changed after the
// import is left as it is and named, unless the undo is told to take it back too.
#include "cli/CliTest.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlItemAccess.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/UndoImport.h"
#include "olsim/OutlookSimulator.h"
#include "platform/win/Time.h"

#include <QJsonObject>

#include <algorithm>

namespace {

struct UndoCase {
    const char* szName;
    const char* szKind;    // as brindle names it
    const char* szListed;  // as the olsim tool names it
    const char* szSeed;    // olsim seed's option for the kind
    const char* szKeyColumn;     // a new text here makes a row no item matches
    const char* szChangeColumn;  // a new text here makes a row write over its item
};

void PrintTo(const UndoCase& c, std::ostream* out) { *out << c.szName; }

const UndoCase kCases[] = {
    {"Contacts", "contacts", "contacts", "--contacts", "Last Name", "Company Name"},
    {"Calendar", "calendar", "appointments", "--appointments", "Subject", "Location"},
    {"Tasks", "tasks", "tasks", "--tasks", "Subject", "Notes"},
    {"Notes", "notes", "notes", "--notes", "Subject", "Body"},
};

// The records of a file whose values are bare or enclosed in double quotes.
using CsvRows = std::vector<std::vector<std::string>>;

CsvRows ReadQuoted(const std::string& text)
{
    CsvRows rows(1);
    std::string value;
    bool bInside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (bInside) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                value += '"';
                ++i;
            } else if (c == '"') {
                bInside = false;
            } else {
                value += c;
            }
        } else if (c == '"') {
            bInside = true;
        } else if (c == '\r') {
        } else if (c == ',') {
            rows.back().push_back(std::move(value));
            value.clear();
        } else if (c == '\n') {
            rows.back().push_back(std::move(value));
            value.clear();
            rows.emplace_back();
        } else {
            value += c;
        }
    }
    rows.pop_back();
    return rows;
}

std::string WriteQuoted(const CsvRows& rows)
{
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string value = row[i];
            for (std::size_t at = value.find('"'); at != std::string::npos; at = value.find('"', at + 2))
                value.insert(at, 1, '"');
            text += (i > 0 ? ",\"" : "\"") + value + "\"";
        }
        text += "\r\n";
    }
    return text;
}

std::size_t ColumnOf(const CsvRows& rows, const char* szTitle)
{
    const auto found = std::find(rows[0].begin(), rows[0].end(), szTitle);
    EXPECT_NE(found, rows[0].end()) << szTitle;
    return static_cast<std::size_t>(found - rows[0].begin());
}

// The listing without the times Outlook stamps on every save: an undo writes the item again.
QJsonArray WithoutModificationTimes(QJsonArray items)
{
    for (QJsonValueRef item : items) {
        QJsonObject object = item.toObject();
        object.remove("LastModificationTime");
        item = object;
    }
    return items;
}

class UndoImportTest : public CliTest, public ::testing::WithParamInterface<UndoCase> {
protected:
    void SetUp() override { olsim::RegisterOutlookSimulator(); }
    void TearDown() override { olsim::UnregisterOutlookSimulator(); }

    // Seeds the kind, exports it and imports the export back with two rows written over
    // their items, two new rows and every other row identical; the journal's run. *pBefore
    // gets the folder as it was before the import.
    std::int64_t ImportWithAddsUpdatesAndSkips(const UndoCase& c, QJsonArray* pBefore = nullptr)
    {
        Tool({"seed", c.szSeed, "12", "--seed", "5", "--sample"});
        if (pBefore != nullptr)
            *pBefore = Items(c.szListed);
        const std::string file = Path("undo.csv");
        const cli_test::ProgramRun exported = Brindle({"export", c.szKind, file, "--all", "--title", "--quote", "\""});
        EXPECT_EQ(exported.nExit, 0) << exported.err;

        CsvRows rows = ReadQuoted(ReadFile(file));
        EXPECT_GE(rows.size(), 6u);
        const std::size_t nKey = ColumnOf(rows, c.szKeyColumn);
        const std::size_t nChange = ColumnOf(rows, c.szChangeColumn);
        for (std::size_t nRow : {1u, 2u}) {
            std::vector<std::string> added = rows[nRow];
            added[nKey] = "New " + added[nKey];
            rows.push_back(added);
        }
        rows[3][nChange] += " (changed)";
        rows[4][nChange] += " (changed)";
        WriteFile(file, WriteQuoted(rows));

        const cli_test::ProgramRun imported = Brindle({"import", c.szKind, file, "--match-titles", "--json"});
        EXPECT_EQ(imported.nExit, 0) << imported.err;
        const QJsonObject report = JsonOf(imported);
        EXPECT_EQ(report.value("added").toInt(), 2) << imported.out;
        // Besides the rows changed here, rows whose items do not come back whole through CSV
        // (a recurrence, a time zone) write over them too.
        EXPECT_GE(report.value("updated").toInt(), 2) << imported.out;
        EXPECT_GE(report.value("skipped").toInt(), 1) << imported.out;
        m_nUpdated = report.value("updated").toInt();

        TImportJournal journal(DefaultJournalPath());
        const std::vector<TJournalRun> runs = journal.Runs(1);
        EXPECT_EQ(runs.size(), 1u);
        return runs.empty() ? 0 : runs[0].nId;
    }

    int m_nUpdated = 0;
};

TEST_P(UndoImportTest, UndoGivesBackTheFolderAsItWasBeforeTheImport)
{
    const UndoCase& c = GetParam();
    QJsonArray before;
    const std::int64_t nRun = ImportWithAddsUpdatesAndSkips(c, &before);
    ASSERT_NE(nRun, 0);
    ASSERT_NE(Items(c.szListed), before);

    TImportJournal journal(DefaultJournalPath());
    EXPECT_TRUE(ChangedSinceImport(journal, {nRun}).empty());
    const TUndoReport report = UndoImports(journal, {nRun}, false);
    EXPECT_EQ(UndoReportText(report), "2 items removed, " + std::to_string(m_nUpdated) + " restored");
    EXPECT_EQ(WithoutModificationTimes(Items(c.szListed)), WithoutModificationTimes(before));

    ASSERT_EQ(report.undoneRuns, std::vector<std::int64_t>{nRun});
    const TUndoReport again = UndoImports(journal, {nRun}, false);
    EXPECT_TRUE(again.undoneRuns.empty()) << "a run is undone once";
    EXPECT_EQ(again.nRemoved + again.nRestored, 0);
}

TEST_P(UndoImportTest, AnItemChangedSinceIsLeftAndNamedUnlessTakenBackToo)
{
    const UndoCase& c = GetParam();
    const std::int64_t nRun = ImportWithAddsUpdatesAndSkips(c);
    ASSERT_NE(nRun, 0);
    TImportJournal journal(DefaultJournalPath());
    const std::vector<TJournalEntry> entries = journal.Entries(nRun);
    const auto updated = std::find_if(entries.begin(), entries.end(),
                                      [](const TJournalEntry& e) { return e.nAction == TJournalAction::Updated; });
    ASSERT_NE(updated, entries.end());

    // The user edits the item in Outlook an hour later.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    DATE dLater = 0;
    SystemTimeToVariantTime(&now, &dLater);
    SYSTEMTIME later{};
    VariantTimeToSystemTime(dLater + 1.0 / 24, &later);
    const platform::ScopedClock clock(later);
    {
        OlItemAccess outlook;
        OlObject item = outlook.ItemFromId(updated->entryId, nullptr);
        ASSERT_TRUE(item);
        ASSERT_EQ(item->PutString(OLESTR("Categories"), "Edited by hand"), S_OK);
        ASSERT_EQ(SaveItem(*item), S_OK);
    }
    const std::string edited = Listing(c.szListed);

    const std::vector<TChangedItem> changed = ChangedSinceImport(journal, {nRun});
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].nRow, updated->nRow);
    EXPECT_FALSE(changed[0].caption.empty());

    const TUndoReport report = UndoImports(journal, {nRun}, false);
    EXPECT_EQ(UndoReportText(report), "2 items removed, " + std::to_string(m_nUpdated - 1) +
                                          " restored, 1 left as it is because it changed since");
    const QJsonArray after = Items(c.szListed);
    const auto kept = std::find_if(after.begin(), after.end(), [&](const QJsonValue& item) {
        return item.toObject().value("EntryID").toString().toStdString() == updated->entryId;
    });
    ASSERT_NE(kept, after.end());
    EXPECT_EQ((*kept).toObject().value("Categories").toString(), "Edited by hand");
}

INSTANTIATE_TEST_SUITE_P(EachKind, UndoImportTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.szName); });

}  // namespace
