#include "common/misc/CxDebugUtil.h"
#include "main/Application.h"
#include "main/Main.h"
#include "main/cli/CommandLine.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/SimulatorLog.h"

#include <exception>
#include <memory>
#include <string>

#ifndef _WIN32
namespace {

// Outlook does not run on Linux: the simulated one stands in for it, and what goes wrong
// inside it lands in the program's own debug log at the error level. On Windows the
// program talks to the Outlook that is installed.
void InstallOutlook()
{
    olsim::SetLogSink([](const std::string& line) { AppDebug.LogMessage(0, __FILE__, __LINE__, "%s", line.c_str()); });
    olsim::RegisterOutlookSimulator();
}

}  // namespace
#endif

// With arguments the program is the command line: no application object at all, since
// QApplication cannot start without a display.
int main(int argc, char** argv)
{
#ifndef _WIN32
    InstallOutlook();
#endif
    if (argc > 1)
        return RunCommandLine(argc, argv);
    TApplication application(argc, argv);
    std::unique_ptr<TfmMain> mainWindow;
    try {
        mainWindow = std::make_unique<TfmMain>();
        mainWindow->show();
        application.exec();
        application.RethrowEscaped();
    } catch (...) {
        ReportEscapedException(std::current_exception(), mainWindow.get());
    }
    return 0;
}
