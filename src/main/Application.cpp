#include "main/Application.h"

#include "common/misc/CxDebugUtil.h"
#include "main/Main.h"
#include "main/MessageBox.h"
#include "platform/WinCompat.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

const char* const APPLICATION_TITLE = "Brindle Converter";

namespace {

// A signal handler may only write to a descriptor; the loop reads the other end.
int g_signalSockets[2] = {-1, -1};

extern "C" void OnTerminationSignal(int)
{
    const char byte = 1;
    (void)!write(g_signalSockets[0], &byte, 1);
}

}  // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_bComInitialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
    setApplicationName(APPLICATION_TITLE);
    setApplicationDisplayName(APPLICATION_TITLE);
    QuitOnTerminationSignals();
}

void TApplication::QuitOnTerminationSignals()
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        (void)!read(g_signalSockets[1], &byte, 1);
        AppDebug.LogMessage(2, __FILE__, __LINE__, "Termination signal, shutting down");
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TApplication::~TApplication()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    for (int& socket : g_signalSockets) {
        if (socket >= 0)
            close(socket);
        socket = -1;
    }
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
