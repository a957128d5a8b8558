// A CSV file of any bytes imported as contacts, appointments, tasks or notes with any
// choice of quote character, delimiter, encoding and columns, as the field page reads it,
// and every field of every record then shown as the record pages show it.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzScratch.h"

#include "common/misc/CsvRecordWalker.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "records/CommAddrMgr.h"
#include "records/CommDateMgr.h"
#include "records/CommNoteMgr.h"
#include "records/CommTaskMgr.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using fuzz_support::FuzzCheck;

namespace {

constexpr LONG kHighestFieldId = 127;
constexpr std::uint8_t kCustomColumn = 0xFF;
constexpr std::size_t kMaxColumns = 16;

// How the record pages show one kind of record.
struct KindDisplay {
    int nFlag;
    bool (*GetFieldDef)(LONG nId, CommFieldDef* pDef);
    bool (*GetFieldText)(const void* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize);
};

template <class TMgr, class TRec>
bool FieldTextOf(const void* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize)
{
    return TMgr::GetFieldText(static_cast<const TRec*>(pRec), pDef, szBuf, nBufSize);
}

const KindDisplay kDisplays[] = {
    {FLAG_ADDR, &CommAddrMgr::GetFieldDef, &FieldTextOf<CommAddrMgr, CommAddrRec>},
    {FLAG_DATE, &CommDateMgr::GetFieldDef, &FieldTextOf<CommDateMgr, CommDateRec>},
    {FLAG_TASK, &CommTaskMgr::GetFieldDef, &FieldTextOf<CommTaskMgr, CommTaskRec>},
    {FLAG_NOTE, &CommNoteMgr::GetFieldDef, &FieldTextOf<CommNoteMgr, CommNoteRec>},
};

char ChooseQuote(std::uint8_t byte)
{
    static constexpr char kQuotes[] = {'"', '\0', '\''};
    return kQuotes[byte % sizeof kQuotes];
}

// The custom columns the user inserted; the list of chosen columns holds copies of them.
struct CustomDeleter {
    void operator()(CsvFieldEntry* pEntry) const { FreeCustomFieldEntry(pEntry); }
};
using CustomColumn = std::unique_ptr<CsvFieldEntry, CustomDeleter>;

void ChooseColumns(const TConvKind& kind, fuzz_support::FuzzInput& input, CxList& fields,
                   std::vector<CustomColumn>& customs)
{
    const std::size_t nColumns = input.TakeByte() % (kMaxColumns + 1);
    const auto nFieldCount = static_cast<unsigned>(kind.GetFieldCount());
    for (std::size_t nColumn = 0; nColumn < nColumns; ++nColumn) {
        const std::uint8_t choice = input.TakeByte();
        if (choice == kCustomColumn) {
            customs.emplace_back(NewCustomFieldEntry());
            FuzzCheck(customs.back() != nullptr, "a custom column is made");
            fields.Add(CopyFieldEntry(customs.back().get()));
        } else {
            const CsvFieldEntry* pDef = kind.GetFieldDef(1 + choice % nFieldCount);
            FuzzCheck(pDef != nullptr, "every position of the field table has a row");
            fields.Add(CopyFieldEntry(pDef));
        }
    }
}

std::size_t CountRecords(const TCsvSource& source)
{
    TCsvRecordWalker walker(source.file.szText, source.chQuote, source.chDelimiter);
    std::size_t nRecords = 0;
    for (std::string_view record; walker.Next(record);)
        nRecords += record.empty() ? 0 : 1;
    return nRecords;
}

void ShowEveryField(const KindDisplay& display, CxList& records)
{
    char szText[16384];
    for (const void* pRec = records.GetFirst(); pRec != nullptr; pRec = records.GetNext()) {
        for (LONG nId = 0; nId <= kHighestFieldId; ++nId) {
            CommFieldDef def{};
            if (!display.GetFieldDef(nId, &def))
                continue;
            std::memset(szText, 'x', sizeof szText);
            if (display.GetFieldText(pRec, &def, szText, sizeof szText))
                FuzzCheck(std::memchr(szText, '\0', sizeof szText) != nullptr, "a shown field fits its buffer");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    fuzz_support::FuzzInput input(pData, nSize);
    const KindDisplay& display = kDisplays[input.TakeByte() % std::size(kDisplays)];
    const TConvKind* pKind = FindConvKind(display.nFlag);
    FuzzCheck(pKind != nullptr, "every kind has its conversion row");
    const char chQuote = ChooseQuote(input.TakeByte());
    const int nDelimiter = input.TakeByte() % (DELIMITER_DETECT + 1);
    const int nEncoding = input.TakeByte() % (ENCODING_UTF16 + 1);
    const bool bSkipTitleRow = (input.TakeByte() & 1) != 0;
    CxList fields;
    std::vector<CustomColumn> customs;
    ChooseColumns(*pKind, input, fields, customs);

    const std::string path = fuzz_support::WriteScratchFile("import.csv", input.Rest());
    TCsvSource source;
    FuzzCheck(LoadCsvSource(path.c_str(), *pKind, {chQuote, nDelimiter, nEncoding}, source), "the input file reads");
    CSV splitter;
    CxList records;
    const TCsvImportReport report = ImportCsvRecords(*pKind, source, fields, bSkipTitleRow, splitter, records);

    if (fields.GetCount() == 0)
        FuzzCheck(records.GetCount() == 0, "no columns import no records");
    const std::size_t nFileRecords = CountRecords(source);
    FuzzCheck(records.GetCount() + (report.bTitleRowSkipped ? 1 : 0) <= nFileRecords,
              "at most one record per record of the file");
    FuzzCheck(source.titles.columnFields.size() == source.nColumns, "every column of the first record is matched");
    ShowEveryField(display, records);

    records.RemoveAll(true);
    fields.RemoveAll(true);
    return 0;
}
