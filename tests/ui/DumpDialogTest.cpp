#include "UiTest.h"

#include "common/misc/CxDebugUtil.h"
#include "main/ClickLabel.h"
#include "main/Debugger.h"
#include "main/Dump.h"
#include "main/Main.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

using DumpDialog = UiTest;

void Click(QWidget* widget, QPointF where)
{
    QMouseEvent press(QEvent::MouseButtonPress, where, widget->mapToGlobal(where), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, where, widget->mapToGlobal(where), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

TEST_F(DumpDialog, SupportLinkOpensAMailWithTheBugReportSubject)
{
    TfmDump dialog;
    Click(dialog.lblSupport, QPointF(2, 2));
    Click(dialog.lblSupport, QPointF(-5, 2));  // released outside: no click
    ASSERT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(shell.Calls()[0].file, "mailto:support@example.com?subject=Brindle%20Converter%20Bug%20Report");
    EXPECT_EQ(dialog.lblSupport->text(), "support@example.com");
}

TEST_F(DumpDialog, ShowsTheLogLocationAndOpensIt)
{
    TfmDump dialog;
    EXPECT_EQ(dialog.edtFolder->text().toStdString(), DataFolder());
    EXPECT_EQ(dialog.edtFile->text().toStdString(), LogPath());
    dialog.btnFile->click();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Debug log file doesn't exist");
    EXPECT_EQ(messages.Messages()[0].owner, &dialog);

    std::ofstream(LogPath()) << "x";
    dialog.btnFile->click();
    dialog.btnFolder->click();
    ASSERT_EQ(shell.Calls().size(), 2u);
    EXPECT_EQ(shell.Calls()[0].file, LogPath());
    EXPECT_EQ(shell.Calls()[1].file, DataFolder());
}

TEST_F(DumpDialog, DebugOptionsOpensTheOptionsDialogWhoseOkAppliesAtOnce)
{
    TfmMain window;
    AppDebug.EnableLog(false);
    ui::ModalRecorder dialogs([](QDialog& dialog) {
        if (auto* report = dynamic_cast<TfmDump*>(&dialog)) {
            report->btnDebug->click();
            report->btnOK->click();
        } else if (auto* options = dynamic_cast<TfmDebug*>(&dialog)) {
            options->cbEnable->setChecked(true);
            options->btnOK->click();
        }
    });
    window.ShowErrorReport(&window);

    ASSERT_EQ(dialogs.Dialogs().size(), 2u);
    EXPECT_EQ(dialogs.Dialogs()[0].className, "TfmDump");
    EXPECT_EQ(dialogs.Dialogs()[0].result, QDialog::Accepted);
    EXPECT_EQ(dialogs.Dialogs()[1].className, "TfmDebug");
    EXPECT_EQ(dialogs.Dialogs()[1].owner, &window);
    EXPECT_TRUE(AppDebug.IsLogEnabled());
    EXPECT_TRUE(AppSettings.EnableDebug);
}

TEST_F(DumpDialog, QuitClosesTheDialogAndTheMainWindowWhichSavesTheSettings)
{
    auto window = std::make_unique<TfmMain>();
    window->show();
    window->GoToStep(2);
    ui::ModalRecorder dialogs([](QDialog& dialog) { dynamic_cast<TfmDump&>(dialog).btnExit->click(); });
    window->ShowErrorReport(window.get());
    EXPECT_EQ(dialogs.Dialogs().at(0).result, QDialog::Rejected);
    EXPECT_TRUE(window->isVisible());  // the close request waits until the dialog is gone

    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(IniPath()));
    window.reset();
    EXPECT_NE(ReadFile(IniPath()).find("[Brindle]\nAppMode=1\n"), std::string::npos);
}

}  // namespace
