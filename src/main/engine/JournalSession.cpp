#include "main/engine/JournalSession.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/SqliteDatabase.h"
#include "main/engine/CsvImport.h"

#include <memory>
#include <unordered_map>

namespace {

constexpr int kLogError = 0;

}  // namespace

TJournalSession::TJournalSession(const std::string& path, int nFlag, const std::string& csvFile,
                                 const std::string& settings)
{
    if (path.empty()) {
        m_failure = "the program's data folder cannot be made";
        return;
    }
    try {
        m_journal = std::make_unique<TImportJournal>(path);
        m_recorder = std::make_unique<TJournalRecorder>(*m_journal, nFlag, csvFile, settings);
    } catch (const SqliteError& error) {
        m_recorder.reset();
        m_journal.reset();
        m_failure = error.what();
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "The import journal %s cannot be opened: %s", path.c_str(),
                            m_failure.c_str());
    }
}

void TJournalSession::Attach(TRunSetup& setup, const TCsvImportReport* pRead)
{
    if (!m_recorder)
        return;
    std::function<int(const void*)> rowOf;
    if (pRead != nullptr) {
        auto rows = std::make_shared<std::unordered_map<const void*, int>>();
        for (const TCsvRowOrigin& origin : pRead->rows) {
            if (origin.pRecord != nullptr)
                rows->emplace(origin.pRecord, origin.nRow);
        }
        rowOf = [rows](const void* pRec) {
            const auto found = rows->find(pRec);
            return found != rows->end() ? found->second : 0;
        };
    }
    JournalRunSetup(setup, *m_recorder, std::move(rowOf));
}

void TJournalSession::Finish()
{
    if (m_recorder)
        m_recorder->Finish();
}
