#include "main/Application.h"
#include "main/Main.h"

#include <exception>
#include <memory>

int main(int argc, char** argv)
{
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
