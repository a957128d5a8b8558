// The application object and what happens to an exception that nothing else handled.
#pragma once

#include <QApplication>
#include <exception>

class TfmMain;

extern const char* const APPLICATION_TITLE;

// Initialises COM for the user-interface thread for its lifetime and carries the program's
// title. An exception escaping an event handler ends the message loop instead of unwinding
// through the framework; RethrowEscaped then raises it where main can report it.
// A request to terminate (SIGTERM and SIGINT on Linux; Ctrl+C and closing the console on
// Windows) ends the message loop too, so the program shuts down normally and keeps its settings.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;
    void RethrowEscaped();

private:
    void QuitOnTerminationSignals();

    bool m_bComInitialized;
    std::exception_ptr m_escaped;
};

// Shows an exception that escaped start-up or the message loop. A standard exception gets the
// exception box with its message and then the error report (when pMain exists); anything else
// gets the error report first and then an exception box with an empty message.
void ReportEscapedException(std::exception_ptr error, TfmMain* pMain);
