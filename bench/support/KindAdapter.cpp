#include "support/KindAdapter.h"

#include "common/misc/CxList.h"
#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"

#include <stdexcept>
#include <string>

namespace bench {
namespace {

template <class TUtil, class TRec>
class Adapter final : public KindAdapter {
public:
    bool LoadItems() override { return m_util.LoadItems(); }

    std::int64_t ListRecords(CxList& list) override
    {
        std::int64_t count = 0;
        for (TRec* pRec = m_util.m_pDataMgr->GetFirst(); pRec != nullptr; pRec = m_util.m_pDataMgr->GetNext()) {
            list.Add(pRec);
            ++count;
        }
        return count;
    }

    TImportAction SaveRecord(void* pRec) override { return SaveRecordWithAction(m_util, static_cast<TRec*>(pRec)); }

    // The adapters stay connected only when their default folder opened.
    bool FolderOpen() const { return m_util.IsConnected(); }

private:
    TUtil m_util;
};

template <class TUtil, class TRec>
std::unique_ptr<KindAdapter> Connected(const BenchKind& kind)
{
    auto adapter = std::make_unique<Adapter<TUtil, TRec>>();
    if (!adapter->FolderOpen())
        throw std::runtime_error("the " + std::string(kind.name) + " folder of the simulated Outlook did not open");
    return adapter;
}

}  // namespace

std::unique_ptr<KindAdapter> ConnectAdapter(const BenchKind& kind)
{
    switch (kind.item) {
    case olsim::ItemKind::Contact:
        return Connected<OlAddrUtil, CommAddrRec>(kind);
    case olsim::ItemKind::Appointment:
        return Connected<OlDateUtil, CommDateRec>(kind);
    case olsim::ItemKind::Task:
        return Connected<OlTaskUtil, CommTaskRec>(kind);
    case olsim::ItemKind::Note:
        return Connected<OlNoteUtil, CommNoteRec>(kind);
    }
    throw std::logic_error("unknown kind");
}

}  // namespace bench
