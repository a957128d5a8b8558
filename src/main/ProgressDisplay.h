// Long work of the wizard runs on its one thread. Once it has taken half a second, a
// window-modal progress dialog with Cancel shows how far it got; until then, and between
// steps, the window keeps repainting. Tests watch the work through a seam instead.
#pragma once

#include "common/misc/ProgressSink.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <vector>

class QProgressDialog;
class QWidget;

inline constexpr int kProgressDelayMs = 500;

class TProgressDisplay : private IProgressSink {
public:
    // The work's steps are counted in units ("items"); an empty unit shows the bar alone.
    TProgressDisplay(QWidget* owner, const QString& text, const QString& unit, int nDelayMs = kProgressDelayMs);
    ~TProgressDisplay() override;
    TProgressDisplay(const TProgressDisplay&) = delete;
    TProgressDisplay& operator=(const TProgressDisplay&) = delete;

    // The user pressed Cancel (or a watcher answered so): the work was asked to stop.
    bool Canceled() const { return m_bCanceled; }
    // The dialog, once shown; for the screenshot and the tests of the real dialog.
    QProgressDialog* Dialog() const;

private:
    bool Progress(std::int64_t nDone, std::int64_t nTotal) override;
    void ShowDialog();
    void UpdateDialog(std::int64_t nDone, std::int64_t nTotal);

    QPointer<QWidget> m_pOwner;
    QString m_text;
    QString m_unit;
    int m_nDelayMs;
    QElapsedTimer m_started;
    QElapsedTimer m_sinceEvents;
    QPointer<QProgressDialog> m_pDialog;
    bool m_bCanceled = false;
    TProgressScope m_scope;
};

namespace ui {

struct WatchedWork {
    QWidget* owner = nullptr;
    QString text;
    std::vector<std::int64_t> done;
    std::int64_t nTotal = 0;
};

class ProgressWatcher {
public:
    virtual ~ProgressWatcher() = default;
    virtual void Started(QWidget* owner, const QString& text) = 0;
    // False cancels the work.
    virtual bool Step(std::int64_t nDone, std::int64_t nTotal) = 0;
};

// Sends the progress of all long work to watcher, with no dialog and no delay, while it
// lives; then restores the previous watcher.
class ScopedProgressWatcher {
public:
    explicit ScopedProgressWatcher(ProgressWatcher& watcher);
    ~ScopedProgressWatcher();
    ScopedProgressWatcher(const ScopedProgressWatcher&) = delete;
    ScopedProgressWatcher& operator=(const ScopedProgressWatcher&) = delete;

private:
    ProgressWatcher* m_pPrevious;
};

// Records the long work and its steps; cancels the work at its nCancelAt-th step, counted
// over all the work it sees (0: never).
class ProgressRecorder : private ProgressWatcher {
public:
    explicit ProgressRecorder(std::int64_t nCancelAt = 0);
    const std::vector<WatchedWork>& Works() const { return m_works; }

private:
    void Started(QWidget* owner, const QString& text) override;
    bool Step(std::int64_t nDone, std::int64_t nTotal) override;

    std::int64_t m_nCancelAt;
    std::int64_t m_nSteps = 0;
    std::vector<WatchedWork> m_works;
    ScopedProgressWatcher m_scope;
};

}  // namespace ui
