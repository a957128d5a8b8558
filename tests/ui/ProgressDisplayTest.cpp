#include "UiTest.h"
#include "WizardDriver.h"

#include "main/Addrdata.h"
#include "main/ProgressDisplay.h"

#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QWidget>

namespace {

class ProgressDisplayTest : public UiTest {};

// Calls the work's progress until the dialog shows or the time is up.
QProgressDialog* StepUntilShown(TProgressDisplay& display, std::int64_t nTotal)
{
    for (std::int64_t nDone = 1; nDone <= nTotal; ++nDone) {
        EXPECT_TRUE(ReportProgress(nDone, nTotal));
        if (display.Dialog() != nullptr)
            return display.Dialog();
        QThread::msleep(5);
    }
    return nullptr;
}

TEST_F(ProgressDisplayTest, ShortWorkShowsNothingLongWorkShowsItsCountAndCancelStopsIt)
{
    QWidget owner;
    owner.setWindowTitle("Brindle Converter");
    {
        const TProgressDisplay quick(&owner, "Reading the CSV file...", {}, 60'000);
        for (int n = 1; n <= 20; ++n)
            EXPECT_TRUE(ReportProgress(n, 20));
        EXPECT_EQ(quick.Dialog(), nullptr);
    }

    TProgressDisplay display(&owner, "Reading the Contacts folder of Outlook...", "items", 50);
    QProgressDialog* dialog = StepUntilShown(display, 400);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->windowTitle(), "Brindle Converter");
    const QString label = dialog->findChild<QLabel*>()->text();
    EXPECT_TRUE(label.startsWith("Reading the Contacts folder of Outlook...\n")) << label.toStdString();
    EXPECT_TRUE(label.endsWith(" of 400 items")) << label.toStdString();
    EXPECT_GT(dialog->value(), 0);

    QPushButton* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    cancel->click();
    EXPECT_TRUE(display.Canceled());
    EXPECT_FALSE(ReportProgress(399, 400));
}

TEST_F(ProgressDisplayTest, ProgressGoesToTheInnermostDisplayAndNowhereAfterIt)
{
    EXPECT_EQ(CurrentProgressSink(), nullptr);
    ui::ProgressRecorder recorder(3);
    {
        const TProgressDisplay outer(nullptr, "outer", {});
        {
            const TProgressDisplay inner(nullptr, "inner", {});
            EXPECT_TRUE(ReportProgress(1, 0));
            EXPECT_TRUE(ReportProgress(2, 0));
            EXPECT_FALSE(ReportProgress(3, 0)) << "the recorder cancels its third step";
            EXPECT_TRUE(inner.Canceled());
        }
        EXPECT_FALSE(outer.Canceled());
    }
    EXPECT_EQ(CurrentProgressSink(), nullptr);
    EXPECT_TRUE(ReportProgress(4, 0)) << "without a display the work simply runs";
    ASSERT_EQ(recorder.Works().size(), 2u);
    EXPECT_EQ(recorder.Works()[1].text, "inner");
    EXPECT_EQ(recorder.Works()[1].done, (std::vector<std::int64_t>{1, 2, 3}));
}

class WizardProgress : public WizardDriverTest {};

TEST_F(WizardProgress, CancelWhileTheFolderLoadsStaysOnTheFilePage)
{
    Tool({"seed", "--contacts", "30"});
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    {
        ui::ProgressRecorder recorder(10);
        SetFileOptions({TempFile("out.csv")});
        EXPECT_EQ(Step(), 1);
        EXPECT_EQ(pOlAddr, nullptr) << "nothing of the cancelled load is kept";
        EXPECT_TRUE(messages.Messages().empty());
        ASSERT_EQ(recorder.Works().size(), 1u);
        EXPECT_EQ(recorder.Works()[0].text, "Reading the Contacts folder of Outlook...");
        EXPECT_EQ(recorder.Works()[0].owner, fmSource);
        EXPECT_EQ(recorder.Works()[0].nTotal, 30);
        EXPECT_EQ(recorder.Works()[0].done.size(), 10u);
    }
    ui::ProgressRecorder recorder;
    Next();
    ASSERT_EQ(Step(), 2);
    ASSERT_EQ(recorder.Works().size(), 1u);
    EXPECT_EQ(recorder.Works()[0].done.back(), 30);
    ChooseFields();
    EXPECT_EQ(RowCount(fmAddrData->lvAddrData), 30);
}

TEST_F(WizardProgress, CancelWhileTheCsvFileIsReadStaysOnTheFieldPageWithTheEarlierReading)
{
    const std::string file = TempFile("in.csv");
    WriteFile(file, "First Name,Last Name\r\nAnn,Baker\r\nBob,Smith\r\nCy,Young\r\n");
    ChooseConversion(MODE_C2O, FLAG_ADDR);
    SetFileOptions({file, '"', false, false});
    ASSERT_EQ(Step(), 2);
    Next();
    ASSERT_EQ(Step(), 3);
    const std::vector<void*> records = ListItems(*pCsvRecList);
    ASSERT_EQ(records.size(), 3u);
    Prev();
    {
        ui::ProgressRecorder recorder(2);
        Next();
        EXPECT_EQ(Step(), 2);
        ASSERT_EQ(recorder.Works().size(), 1u);
        EXPECT_EQ(recorder.Works()[0].text, "Reading the CSV file...");
        EXPECT_EQ(recorder.Works()[0].nTotal, static_cast<std::int64_t>(pCsvSource->file.szText.size()));
    }
    EXPECT_EQ(ListItems(*pCsvRecList), records) << "the earlier reading is kept whole";
    Next();
    ASSERT_EQ(Step(), 3);
    EXPECT_EQ(Captions(fmAddrData->lvAddrData), (QStringList{"Ann", "Bob", "Cy"}));
}

}  // namespace
