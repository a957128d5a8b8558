#include "WizardDriver.h"

#include "main/Fieldprop.h"
#include "main/Proc.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

namespace {

// Notes the bar and the status text at every pause of a run.
class ProgressWatcher : private ui::Pauser {
public:
    ProgressWatcher() : m_scope(*this) {}
    std::vector<int> percents;
    std::vector<int> pauses;
    QStringList statuses;

private:
    void Pause(int nMilliseconds) override
    {
        pauses.push_back(nMilliseconds);
        percents.push_back(fmProc->pbMain->value());
        statuses << fmProc->lblStatus->text();
    }
    ui::ScopedPauser m_scope;
};

using ProcPage = WizardDriverTest;

TEST_F(ProcPage, ControlsAndTimer)
{
    TfmProc page;
    EXPECT_EQ(page.lblStatus->text(), "Converting now, please wait ...");
    EXPECT_EQ(page.lblStatus->objectName(), "lblStatus");
    EXPECT_EQ(page.pbMain->objectName(), "pbMain");
    EXPECT_EQ(page.pbMain->minimum(), 0);
    EXPECT_EQ(page.pbMain->maximum(), 100);
    EXPECT_EQ(page.pbMain->value(), 0);
    EXPECT_TRUE(page.pbMain->isTextVisible());
    EXPECT_EQ(page.tmConvert->interval(), 500);
    EXPECT_TRUE(page.tmConvert->isSingleShot());
    EXPECT_FALSE(page.tmConvert->isActive());
    EXPECT_TRUE(page.UpdatePage(true));
    EXPECT_FALSE(page.tmConvert->isActive());
    EXPECT_TRUE(page.UpdatePage(false));
    EXPECT_TRUE(page.tmConvert->isActive());
}

TEST_F(ProcPage, TheBarMovesAfterEachRecord)
{
    const struct {
        int nRecords;
        std::vector<int> percents;
    } cases[] = {
        {3, {33, 66, 100}},
        {7, {14, 28, 42, 57, 71, 85, 100}},
        {1, {100}},
    };
    for (const auto& c : cases) {
        Tool({"clear"});
        Tool({"seed", "--contacts", std::to_string(c.nRecords)});
        Wizard().GoToStep(0);
        ChooseConversion(MODE_O2C, FLAG_ADDR);
        SetFileOptions({TempFile("out.csv"), '"', false, false});
        ChooseFields({"Last Name"});
        Next();
        ASSERT_EQ(Step(), 4);
        EXPECT_TRUE(fmProc->tmConvert->isActive());

        ProgressWatcher watcher;
        fmProc->tmConvertTimer();

        std::vector<int> expectedPauses(static_cast<std::size_t>(c.nRecords), 100);
        expectedPauses.push_back(200);
        EXPECT_EQ(watcher.pauses, expectedPauses);
        std::vector<int> expectedPercents = c.percents;
        expectedPercents.push_back(100);
        EXPECT_EQ(watcher.percents, expectedPercents) << c.nRecords;
        EXPECT_EQ(watcher.statuses.first(), "Converting now, please wait ...");
        EXPECT_EQ(watcher.statuses.last(), "Conversion finishing ... ");
        EXPECT_FALSE(fmProc->tmConvert->isActive());
        EXPECT_EQ(Step(), 5);
    }
}

TEST_F(ProcPage, ASequenceColumnCountsTheRecordsOfTheRun)
{
    Tool({"seed", "--contacts", "3"});
    const std::string file = TempFile("numbered.csv");
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({file, '\0', false, false});
    ui::ModalRecorder numberFrom100([](QDialog& dialog) {
        auto& prop = dynamic_cast<TfmFieldProp&>(dialog);
        prop.rbtnNumber->setChecked(true);
        prop.edtNumber->setText("100");
        prop.btnOK->click();
    });
    fmCSVField->btnInsert->click();
    Next();
    Convert();
    EXPECT_EQ(ReadFile(file), "100\r\n101\r\n102\r\n");
}

}  // namespace
