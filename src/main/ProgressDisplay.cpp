#include "main/ProgressDisplay.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>

namespace {

// Often enough that the window and Cancel answer at once, seldom enough to cost nothing.
constexpr int kEventsEveryMs = 40;
constexpr int kBarSteps = 1000;

ui::ProgressWatcher* g_pWatcher = nullptr;

}  // namespace

TProgressDisplay::TProgressDisplay(QWidget* owner, const QString& text, const QString& unit, int nDelayMs)
    : m_pOwner(owner), m_text(text), m_unit(unit), m_nDelayMs(nDelayMs), m_scope(*this)
{
    m_started.start();
    m_sinceEvents.start();
    if (g_pWatcher != nullptr)
        g_pWatcher->Started(owner, text);
}

TProgressDisplay::~TProgressDisplay() { delete m_pDialog.data(); }

QProgressDialog* TProgressDisplay::Dialog() const { return m_pDialog; }

bool TProgressDisplay::Progress(std::int64_t nDone, std::int64_t nTotal)
{
    if (m_bCanceled)
        return false;
    if (g_pWatcher != nullptr) {
        m_bCanceled = !g_pWatcher->Step(nDone, nTotal);
        return !m_bCanceled;
    }
    if (m_sinceEvents.elapsed() < kEventsEveryMs)
        return true;
    m_sinceEvents.restart();
    if (!m_pDialog && m_started.elapsed() >= m_nDelayMs)
        ShowDialog();
    if (m_pDialog) {
        UpdateDialog(nDone, nTotal);
        // The dialog is modal to the wizard: only Cancel and repainting reach it.
        QCoreApplication::processEvents();
        m_bCanceled = m_bCanceled || !m_pDialog || m_pDialog->wasCanceled();
    } else {
        // Nothing may start other work under this one before the dialog guards the window.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return !m_bCanceled;
}

void TProgressDisplay::ShowDialog()
{
    m_pDialog = new QProgressDialog(m_pOwner);
    m_pDialog->setObjectName("dlgProgress");
    m_pDialog->setWindowTitle(m_pOwner ? m_pOwner->window()->windowTitle() : QString("Brindle Converter"));
    m_pDialog->setWindowModality(m_pOwner ? Qt::WindowModal : Qt::ApplicationModal);
    m_pDialog->setLabelText(m_text);
    m_pDialog->setCancelButtonText("Cancel");
    m_pDialog->setAutoReset(false);
    m_pDialog->setAutoClose(false);
    m_pDialog->setMinimumDuration(0);
    m_pDialog->setMinimumWidth(360);
    QObject::connect(m_pDialog, &QProgressDialog::canceled, m_pDialog, [this] { m_bCanceled = true; });
    m_pDialog->show();
}

void TProgressDisplay::UpdateDialog(std::int64_t nDone, std::int64_t nTotal)
{
    const QLocale locale;
    QString count;
    if (nTotal > 0) {
        m_pDialog->setRange(0, kBarSteps);
        m_pDialog->setValue(static_cast<int>(std::min(nDone, nTotal) * kBarSteps / nTotal));
        if (!m_unit.isEmpty())
            count = QString("%1 of %2 %3").arg(locale.toString(nDone), locale.toString(nTotal), m_unit);
    } else {
        // The total is not known: a busy bar.
        m_pDialog->setRange(0, 0);
        if (!m_unit.isEmpty())
            count = QString("%1 %2").arg(locale.toString(nDone), m_unit);
    }
    m_pDialog->setLabelText(count.isEmpty() ? m_text : m_text + '\n' + count);
}

namespace ui {

ScopedProgressWatcher::ScopedProgressWatcher(ProgressWatcher& watcher) : m_pPrevious(g_pWatcher)
{
    g_pWatcher = &watcher;
}

ScopedProgressWatcher::~ScopedProgressWatcher() { g_pWatcher = m_pPrevious; }

ProgressRecorder::ProgressRecorder(std::int64_t nCancelAt) : m_nCancelAt(nCancelAt), m_scope(*this) {}

void ProgressRecorder::Started(QWidget* owner, const QString& text) { m_works.push_back({owner, text, {}, 0}); }

bool ProgressRecorder::Step(std::int64_t nDone, std::int64_t nTotal)
{
    if (!m_works.empty()) {
        m_works.back().done.push_back(nDone);
        m_works.back().nTotal = nTotal;
    }
    return m_nCancelAt == 0 || ++m_nSteps < m_nCancelAt;
}

}  // namespace ui
