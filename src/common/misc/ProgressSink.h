// Long work on the one user-interface thread tells how far it got through the sink of the
// moment, which may ask it to stop. Without a sink the work simply runs, so the engines stay
// the same for the wizard, the command line and the tests.
#pragma once

#include <cstdint>

class IProgressSink {
public:
    virtual ~IProgressSink() = default;
    // nDone of nTotal steps (nTotal 0: not known); false asks the work to stop.
    virtual bool Progress(std::int64_t nDone, std::int64_t nTotal) = 0;
};

// The sink of the work running now, or null.
IProgressSink* CurrentProgressSink();

// True while the work may go on: there is no sink, or the sink did not ask it to stop.
bool ReportProgress(std::int64_t nDone, std::int64_t nTotal);

// Makes sink the current one while it lives, then restores the one before.
class TProgressScope {
public:
    explicit TProgressScope(IProgressSink& sink);
    ~TProgressScope();
    TProgressScope(const TProgressScope&) = delete;
    TProgressScope& operator=(const TProgressScope&) = delete;

private:
    IProgressSink* m_pPrevious;
};
