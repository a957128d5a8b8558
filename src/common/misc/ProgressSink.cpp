#include "common/misc/ProgressSink.h"

namespace {

IProgressSink* g_pCurrentSink = nullptr;

}  // namespace

IProgressSink* CurrentProgressSink() { return g_pCurrentSink; }

bool ReportProgress(std::int64_t nDone, std::int64_t nTotal)
{
    return g_pCurrentSink == nullptr || g_pCurrentSink->Progress(nDone, nTotal);
}

TProgressScope::TProgressScope(IProgressSink& sink) : m_pPrevious(g_pCurrentSink) { g_pCurrentSink = &sink; }

TProgressScope::~TProgressScope() { g_pCurrentSink = m_pPrevious; }
