#include "main/Application.h"

#include "common/misc/CxDebugUtil.h"
#include "main/Main.h"
#include "main/MessageBox.h"
#include "platform/Termination.h"
#include "platform/WinCompat.h"

#include <QMetaObject>
#include <optional>
#include <utility>

const char* const APPLICATION_TITLE = "Brindle Converter";

namespace {

// Ends before the application does, so that no request is answered into a closed loop.
std::optional<platform::ScopedTerminationHandler> g_terminationHandler;

}  // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_bComInitialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
    setApplicationName(APPLICATION_TITLE);
    setApplicationDisplayName(APPLICATION_TITLE);
    QuitOnTerminationSignals();
}

// A request comes on a thread of its own, so the loop is asked to quit through its queue.
void TApplication::QuitOnTerminationSignals()
{
    g_terminationHandler.emplace([this] {
        QMetaObject::invokeMethod(
            this,
            [] {
                AppDebug.LogMessage(2, __FILE__, __LINE__, "Termination signal, shutting down");
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
    });
}

TApplication::~TApplication()
{
    g_terminationHandler.reset();
    if (m_bComInitialized)
        CoUninitialize();
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!m_escaped)
            m_escaped = std::current_exception();
        QCoreApplication::exit(0);
        return false;
    }
}

void TApplication::RethrowEscaped()
{
    if (m_escaped)
        std::rethrow_exception(std::exchange(m_escaped, nullptr));
}

void ReportEscapedException(std::exception_ptr error, TfmMain* pMain)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        AppDebug.LogMessage(0, __FILE__, __LINE__, "Unhandled exception: %s", exception.what());
        ShowMessageBox(nullptr, QString::fromUtf8(exception.what()), APPLICATION_TITLE, TMessageIcon::Error);
        if (pMain)
            pMain->ShowErrorReport(pMain);
    } catch (...) {
        AppDebug.LogMessage(0, __FILE__, __LINE__, "Unhandled exception of unknown type");
        if (pMain)
            pMain->ShowErrorReport(pMain);
        ShowMessageBox(nullptr, QString(), APPLICATION_TITLE, TMessageIcon::Error);
    }
}
