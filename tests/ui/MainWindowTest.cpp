#include "UiTest.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxIniUtil.h"
#include "main/ClickLabel.h"
#include "main/Main.h"
#include "main/Mode.h"
#include "main/engine/Apputil.h"
#include "support/TempDir.h"

#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {

using MainWindow = UiTest;

const char* const kDefaultIni =
    "[Brindle]\nAppMode=1\nAppFlag=1\nCsvAddrFile=\nCsvDateFile=\nCsvTaskFile=\nCsvNoteFile=\nQuoteMark=\n"
    "AppendCSV=0\nEnableDebug=0\nLogLevel=3\nAddTitle=0\nDelimiter=0\nEncoding=0\nByteOrderMark=0\n";

TEST_F(MainWindow, WithoutIniStartsOnPageZeroWithDefaultsAndWritesThemAtTheEnd)
{
    {
        TfmMain window;
        EXPECT_EQ(window.CurrentStep(), 0);
        EXPECT_EQ(window.windowTitle(), "Brindle Converter");
        EXPECT_EQ(window.size(), QSize(794, 544));
        EXPECT_EQ(std::string(AppIni.GetPath()), IniPath());
        EXPECT_EQ(std::string(AppDebug.GetLogFolder()), DataFolder());
        EXPECT_FALSE(AppDebug.IsLogEnabled());
        EXPECT_EQ(AppDebug.GetLogLevel(), 3);
        EXPECT_TRUE(fmMode->rbtnO2C->isChecked());
        EXPECT_TRUE(fmMode->rbtnAddr->isChecked());
        EXPECT_FALSE(fmMode->isHidden());
        EXPECT_FALSE(std::filesystem::exists(IniPath()));
    }
    EXPECT_EQ(ReadFile(IniPath()), kDefaultIni);
    EXPECT_EQ(fmMain, nullptr);
    EXPECT_EQ(fmMode, nullptr);
}

TEST_F(MainWindow, SettingsOfTheIniReachTheWizardAndTheLog)
{
    WriteIni("[brindle]\nappmode=2\nAppFlag=8\nEnableDebug=1\nLogLevel=1\n; kept\n");
    {
        TfmMain window;
        EXPECT_TRUE(fmMode->rbtnC2O->isChecked());
        EXPECT_TRUE(fmMode->rbtnNote->isChecked());
        EXPECT_TRUE(AppDebug.IsLogEnabled());
        EXPECT_EQ(AppDebug.GetLogLevel(), 1);
    }
    EXPECT_EQ(ReadFile(IniPath()),
              "[brindle]\nAppMode=2\nAppFlag=8\nEnableDebug=1\nLogLevel=1\n; kept\nCsvAddrFile=\nCsvDateFile=\n"
              "CsvTaskFile=\nCsvNoteFile=\nQuoteMark=\nAppendCSV=0\nAddTitle=0\nDelimiter=0\nEncoding=0\n"
              "ByteOrderMark=0\n");
}

TEST_F(MainWindow, UnknownKindLeavesEveryKindButtonUncheckedAndIsKept)
{
    WriteIni("[Brindle]\nAppFlag=3\n");
    {
        TfmMain window;
        for (const QRadioButton* button : {fmMode->rbtnAddr, fmMode->rbtnDate, fmMode->rbtnTask, fmMode->rbtnNote})
            EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
        window.btnNext->click();
        EXPECT_EQ(window.CurrentStep(), 1);
        EXPECT_EQ(AppSettings.AppFlag, 3);
    }
    EXPECT_NE(ReadFile(IniPath()).find("AppFlag=3\n"), std::string::npos);
}

TEST_F(MainWindow, AnyModeButTwoShowsTheExportDirection)
{
    struct Case {
        const char* mode;
        bool csvToOutlook;
    } const cases[] = {{"0", false}, {"1", false}, {"2", true}, {" 2x", true}, {"3", false}, {"abc", false}, {"-2", false}};
    for (const Case& c : cases) {
        WriteIni(std::string("[Brindle]\nAppMode=") + c.mode + "\n");
        TfmMain window;
        EXPECT_EQ(fmMode->rbtnC2O->isChecked(), c.csvToOutlook) << c.mode;
        EXPECT_EQ(fmMode->rbtnO2C->isChecked(), !c.csvToOutlook) << c.mode;
        window.btnNext->click();
        EXPECT_EQ(AppSettings.AppMode, c.csvToOutlook ? MODE_C2O : MODE_O2C) << c.mode;
    }
}

TEST_F(MainWindow, WithoutDataFolderTheIniStaysBesideTheProgram)
{
    testing_support::TempDir dir;
    std::ofstream(dir.file("plain-file")) << "x";
    setenv("XDG_DATA_HOME", dir.file("plain-file/share").c_str(), 1);
    const std::string previousIni = AppIni.GetPath();
    const std::string previousLog = AppDebug.GetLogFolder();
    char folder[MAX_PATH] = "untouched";
    EXPECT_FALSE(GetAppDataFolder(folder));
    {
        TfmMain window;
        EXPECT_EQ(std::string(AppIni.GetPath()), previousIni);
        EXPECT_EQ(std::string(AppDebug.GetLogFolder()), previousLog);
        EXPECT_EQ(window.CurrentStep(), 0);
        AppIni.SetPath(dir.file("stand-in.ini").c_str());  // keep the program's folder clean
    }
    EXPECT_EQ(ReadFile(dir.file("stand-in.ini")), kDefaultIni);
    AppIni.SetPath(previousIni.c_str());
}

TEST_F(MainWindow, CloseEndsTheProgramWithoutAsking)
{
    TfmMain window;
    // Page 1 is left on the way, and it wants a usable file name.
    const std::string csvFile = (testing_support::CurrentTestDataHome() / "close.csv").string();
    CutText(AppSettings.CsvAddrFile, sizeof AppSettings.CsvAddrFile, csvFile);
    window.show();
    for (int step = 0; step < 3; ++step) {
        window.btnClose->click();
        EXPECT_FALSE(window.isVisible()) << step;
        EXPECT_TRUE(messages.Messages().empty());
        window.show();
        window.GoToStep(step + 1);
    }
    window.close();
}

TEST_F(MainWindow, HelpAndBannerPicturesOpenThroughTheShell)
{
    TfmMain window;
    window.btnHelp->click();
    emit window.imgIcon->clicked();
    emit window.imgText->clicked();
    ASSERT_EQ(shell.Calls().size(), 3u);
    EXPECT_EQ(shell.Calls()[0].file, "Brindle.chm");
    EXPECT_EQ(shell.Calls()[0].verb, "open");
    EXPECT_EQ(shell.Calls()[0].show, SW_SHOW);
    EXPECT_TRUE(shell.Calls()[1].file.starts_with("https://www.example.com/"));
    EXPECT_EQ(shell.Calls()[2].file, shell.Calls()[1].file);
}

TEST_F(MainWindow, OptionsButtonShowsTheOptionsDialogOwnedByTheWindow)
{
    TfmMain window;
    ui::ModalRecorder dialogs;
    window.btnOption->click();
    ASSERT_EQ(dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(dialogs.Dialogs()[0].className, "TfmDebug");
    EXPECT_EQ(dialogs.Dialogs()[0].owner, &window);
    EXPECT_EQ(dialogs.Dialogs()[0].title, "Brindle Converter Debug Log Options");
}

}  // namespace
