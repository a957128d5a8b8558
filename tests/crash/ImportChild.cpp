// The import a crash round kills: registers the simulated Outlook on the profile that
// OLSIM_PROFILE names, reads the CSV file into contact records and hands each one to the
// contacts adapter, as the wizard's conversion page does with its pauses left out; with a
// journal file, through the import journal as every import of the program.
//     crash_import_child CSV-FILE LOG-FOLDER/ [JOURNAL-FILE]
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrUtil.h"
#include "crash/CrashContacts.h"
#include "crash/ImportProgress.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "main/engine/JournalSession.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/SimulatorLog.h"
#include "records/CommAddrRec.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

using namespace crash_test;

constexpr char kQuote = '"';

// A list that frees its payloads with it.
class OwningList : public CxList {
public:
    ~OwningList() { RemoveAll(true); }
};

void Mark(char chMark)
{
    if (write(STDOUT_FILENO, &chMark, 1) != 1)
        std::perror("crash_import_child: progress");
}

int Import(const char* szCsvFile, const char* szJournal)
{
    OlAddrUtil adapter;
    if (!adapter.IsConnected() || !adapter.LoadItems())
        return kExitNoOutlook;

    const TConvKind& kind = *FindConvKind(FLAG_ADDR);
    OwningList fields;
    for (const CrashColumn& column : CrashColumns())
        fields.Add(CopyFieldEntry(kind.GetFieldDef(static_cast<unsigned>(column.nFieldId + 1))));

    TCsvSource source;
    if (!LoadCsvSource(szCsvFile, kind, {kQuote, DELIMITER_COMMA, ENCODING_DETECT}, source))
        return kExitNoRecords;
    CSV splitter;
    OwningList records;
    ImportCsvRecords(kind, source, fields, false, splitter, records);
    if (records.GetCount() == 0)
        return kExitNoRecords;

    Mark(kStartMark);
    TRunSetup setup;
    setup.nMode = MODE_C2O;
    setup.pKind = &kind;
    setup.chQuote = kQuote;
    setup.saveRecord = [&adapter](void* pRec) { return SaveRecordWithAction(adapter, static_cast<CommAddrRec*>(pRec)); };
    std::optional<TJournalSession> journal;
    if (szJournal != nullptr) {
        journal.emplace(szJournal, FLAG_ADDR, szCsvFile, "");
        if (!journal->Opened())
            return kExitNoJournal;
        journal->Attach(setup, nullptr);
    }
    CxFile file;
    const TRunResult result = RunConversion(setup, records, fields, file, [](int) {
        Mark(kRecordMark);
        return true;
    });
    if (journal)
        journal->Finish();
    return result.nConverted == static_cast<int>(records.GetCount()) ? 0 : kExitNotAllStored;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: crash_import_child CSV-FILE LOG-FOLDER/ [JOURNAL-FILE]\n");
        return kExitUsage;
    }
    AppDebug.SetLogFolder(argv[2]);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    olsim::SetLogSink([](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    olsim::RegisterOutlookSimulator();
    const int nExit = Import(argv[1], argc == 4 ? argv[3] : nullptr);
    olsim::UnregisterOutlookSimulator();
    CoUninitialize();
    return nExit;
}
