#include "UiTest.h"

#include "common/misc/CxDebugUtil.h"
#include "main/ClickLabel.h"
#include "main/Debugger.h"
#include "main/Main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using DebugDialog = UiTest;

TEST_F(DebugDialog, ShowsTheLevelEntryOfTheStoredLevel)
{
    const QStringList entries = {"Critical - Only log critical error information.",
                                 "High - Log high level debug information.",
                                 "Low - Log very detail debug information."};
    struct Case {
        int level;
        int index;
    } const cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {-1, 2}, {9, 2}};
    for (const Case& c : cases) {
        AppSettings.LogLevel = c.level;
        TfmDebug dialog;
        QStringList shown;
        for (int i = 0; i < dialog.cbxLevel->count(); ++i)
            shown << dialog.cbxLevel->itemText(i);
        EXPECT_EQ(shown, entries);
        EXPECT_EQ(dialog.cbxLevel->currentIndex(), c.index) << c.level;
        EXPECT_FALSE(dialog.cbxLevel->isEditable());
    }
}

TEST_F(DebugDialog, OkStoresTheChoiceAndAppliesItToTheLogAtOnce)
{
    struct Case {
        bool enable;
        int index;
        int level;
    } const cases[] = {{true, 0, 0}, {true, 1, 1}, {false, 2, 3}, {true, 2, 3}};
    for (const Case& c : cases) {
        AppSettings.EnableDebug = !c.enable;
        AppSettings.LogLevel = 2;
        AppDebug.EnableLog(!c.enable);
        TfmDebug dialog;
        dialog.cbEnable->setChecked(c.enable);
        dialog.cbxLevel->setCurrentIndex(c.index);
        dialog.btnOK->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(AppSettings.EnableDebug, c.enable);
        EXPECT_EQ(AppSettings.LogLevel, c.level) << c.index;
        EXPECT_EQ(AppDebug.IsLogEnabled(), c.enable);
        EXPECT_EQ(AppDebug.GetLogLevel(), c.level);
    }
}

TEST_F(DebugDialog, CancelChangesNothing)
{
    AppSettings.EnableDebug = false;
    AppSettings.LogLevel = 1;
    AppDebug.EnableLog(false);
    AppDebug.SetLogLevel(1);
    TfmDebug dialog;
    dialog.cbEnable->setChecked(true);
    dialog.cbxLevel->setCurrentIndex(2);
    dialog.btnCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(AppSettings.EnableDebug);
    EXPECT_EQ(AppSettings.LogLevel, 1);
    EXPECT_FALSE(AppDebug.IsLogEnabled());
    EXPECT_EQ(AppDebug.GetLogLevel(), 1);
}

TEST_F(DebugDialog, LevelTwoInTheIniShowsLowAndOkStoresThreeForTheNextMessages)
{
    WriteIni("[Brindle]\nEnableDebug=0\nLogLevel=2\n");
    {
        TfmMain window;
        ui::ModalRecorder dialogs([](QDialog& dialog) {
            auto& options = dynamic_cast<TfmDebug&>(dialog);
            EXPECT_EQ(options.cbxLevel->currentText(), "Low - Log very detail debug information.");
            options.cbEnable->setChecked(true);
            options.btnOK->click();
        });
        window.btnOption->click();
        EXPECT_EQ(dialogs.Dialogs().at(0).result, QDialog::Accepted);
        AppDebug.LogMessage(2, "Probe.cpp", 1, "detail after OK");
    }
    EXPECT_NE(ReadFile(LogPath()).find("detail after OK"), std::string::npos);
    const std::string ini = ReadFile(IniPath());
    EXPECT_NE(ini.find("EnableDebug=1\n"), std::string::npos);
    EXPECT_NE(ini.find("LogLevel=3\n"), std::string::npos);
}

TEST_F(DebugDialog, SwitchingTheLogOffStillWritesErrors)
{
    AppSettings.EnableDebug = true;
    AppSettings.LogLevel = 3;
    TfmDebug dialog;
    AppDebug.SetLogFolder(DataFolder().c_str());
    dialog.cbEnable->setChecked(false);
    dialog.btnOK->click();
    AppDebug.LogMessage(2, "Probe.cpp", 1, "detail while off");
    AppDebug.LogMessage(0, "Probe.cpp", 2, "error while off");
    const std::string log = ReadFile(LogPath());
    EXPECT_EQ(log.find("detail while off"), std::string::npos);
    EXPECT_NE(log.find("error while off"), std::string::npos);
}

TEST_F(DebugDialog, ShowsWhereTheLogLies)
{
    TfmDebug dialog;
    EXPECT_EQ(dialog.edtFolder->text().toStdString(), DataFolder());
    EXPECT_EQ(dialog.edtFile->text().toStdString(), DataFolder() + "appdebug.log");
    EXPECT_TRUE(dialog.edtFolder->isReadOnly());
    EXPECT_TRUE(dialog.edtFile->isReadOnly());
    EXPECT_TRUE(std::filesystem::is_directory(DataFolder()));
}

TEST_F(DebugDialog, AMissingLogFileIsReportedAndNothingOpens)
{
    TfmDebug dialog;
    dialog.btnFile->click();
    ASSERT_EQ(messages.Messages().size(), 1u);
    const ui::ShownMessage& shown = messages.Messages()[0];
    EXPECT_EQ(shown.text, "Debug log file doesn't exist");
    EXPECT_EQ(shown.caption, "Error");
    EXPECT_EQ(shown.icon, TMessageIcon::Information);
    EXPECT_EQ(shown.owner, &dialog);
    EXPECT_TRUE(shell.Calls().empty());
}

TEST_F(DebugDialog, FolderAndExistingLogOpenThroughTheShell)
{
    TfmDebug dialog;
    std::ofstream(LogPath()) << "a line\r\n";
    dialog.btnFolder->click();
    dialog.btnFile->click();
    emit dialog.imgIcon->clicked();
    ASSERT_EQ(shell.Calls().size(), 3u);
    EXPECT_EQ(shell.Calls()[0].file, DataFolder());
    EXPECT_EQ(shell.Calls()[1].file, LogPath());
    EXPECT_TRUE(shell.Calls()[2].file.starts_with("https://www.example.com/"));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(DebugDialog, WithoutDataFolderTheLocationStaysEmptyAndItsButtonsAreOff)
{
    testing_support::TempDir dir;
    std::ofstream(dir.file("plain-file")) << "x";
    setenv("XDG_DATA_HOME", dir.file("plain-file/share").c_str(), 1);
    TfmDebug dialog;
    EXPECT_TRUE(dialog.edtFolder->text().isEmpty());
    EXPECT_TRUE(dialog.edtFile->text().isEmpty());
    EXPECT_FALSE(dialog.btnFolder->isEnabled());
    EXPECT_FALSE(dialog.btnFile->isEnabled());
    EXPECT_TRUE(dialog.btnOK->isEnabled());
}

}  // namespace
