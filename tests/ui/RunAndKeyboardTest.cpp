// A long run is paced only at its start, keeps the window answering, and stops cleanly when
// the user cancels it between two records; the keyboard moves through the wizard.
#include "WizardDriver.h"

#include "main/Addrdata.h"
#include "main/Finish.h"
#include "main/Mode.h"

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <numeric>

namespace {

// Clicks the frame's Cancel button when the run pauses for the nth time, as a user would
// while the bar moves.
class CancelAtPause : public ui::Pauser {
public:
    explicit CancelAtPause(int nAtPause) : m_nAtPause(nAtPause), m_scope(*this) {}

    void Pause(int) override
    {
        if (++m_nPauses == m_nAtPause)
            fmMain->btnClose->click();
    }

private:
    int m_nAtPause;
    int m_nPauses = 0;
    ui::ScopedPauser m_scope;
};

class RunAndKeyboard : public WizardDriverTest {
protected:
    void ExportContacts(const std::string& file)
    {
        ChooseConversion(MODE_O2C, FLAG_ADDR);
        SetFileOptions({file, '"', false, true});
        ChooseFields({"First Name", "Last Name"});
        Convert();
    }

    static std::size_t Rows(const std::string& text)
    {
        std::size_t nRows = 0;
        for (std::size_t nAt = 0; (nAt = text.find("\r\n", nAt)) != std::string::npos; nAt += 2)
            ++nRows;
        return nRows;
    }
};

TEST_F(RunAndKeyboard, OnlyTheFirstRecordsArePaced)
{
    Tool({"seed", "--contacts", "1000"});
    ExportContacts(TempFile("many.csv"));
    ASSERT_EQ(fmFinish->lblResult->text(), "Convesion succeeded. 1000 records were converted");
    const std::vector<int>& paused = pauses.Pauses();
    EXPECT_EQ(std::count(paused.begin(), paused.end(), 100), 20);
    EXPECT_LT(std::accumulate(paused.begin(), paused.end(), 0), 3000);
}

TEST_F(RunAndKeyboard, CancelStopsAfterTheRecordAndKeepsWholeRows)
{
    Tool({"seed", "--contacts", "50"});
    const std::string file = TempFile("cancelled.csv");
    const CancelAtPause cancel(7);
    ExportContacts(file);

    EXPECT_EQ(Step(), 5);
    EXPECT_EQ(fmFinish->lblResult->text(), "Conversion cancelled. 7 records were converted");
    const std::string text = ReadFile(file);
    EXPECT_EQ(Rows(text), 8u) << "the title row and seven whole rows";
    EXPECT_TRUE(text.ends_with("\r\n"));
}

TEST_F(RunAndKeyboard, PrevAndNextWaitWhileTheRunWorks)
{
    Tool({"seed", "--contacts", "3"});
    struct Watch : ui::Pauser {
        Watch() : scope(*this) {}
        void Pause(int) override
        {
            if (fmProc->IsRunning())
                seen.push_back(fmMain->btnPrev->isEnabled() || fmMain->btnNext->isEnabled());
        }
        std::vector<bool> seen;
        ui::ScopedPauser scope;
    } watch;
    ExportContacts(TempFile("watched.csv"));
    ASSERT_EQ(watch.seen.size(), 3u);
    EXPECT_EQ(std::count(watch.seen.begin(), watch.seen.end(), true), 0);
}

// Enter goes on to the next page from anywhere but a focused push button, which it presses.
TEST_F(RunAndKeyboard, EnterPressesTheFocusedButtonOrNext)
{
    int nEnterKeys = 0;
    for (const QShortcut* shortcut : Wizard().findChildren<QShortcut*>())
        nEnterKeys += shortcut->key() == QKeySequence(Qt::Key_Return) || shortcut->key() == QKeySequence(Qt::Key_Enter);
    EXPECT_EQ(nEnterKeys, 2);

    // Focus belongs to the active window only.
    Wizard().show();
    QApplication::setActiveWindow(&Wizard());
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    ASSERT_EQ(Step(), 1);
    fmSource->btnCSVBrowse->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), fmSource->btnCSVBrowse);
    fmMain->EnterPressed();
    EXPECT_EQ(fileDialogs.Dialogs().size(), 1u) << "the focused button was pressed";
    EXPECT_EQ(Step(), 1);

    fmSource->edtCSVFile->setText(QString::fromStdString(TempFile("enter.csv")));
    fmSource->edtCSVFile->setFocus();
    fmMain->EnterPressed();
    EXPECT_EQ(Step(), 2);
}

TEST_F(RunAndKeyboard, AFocusedRadioButtonLooksFocused)
{
    Wizard().show();
    QApplication::setActiveWindow(&Wizard());
    fmMode->rbtnAddr->setFocus(Qt::TabFocusReason);
    const QImage unfocused = fmMode->rbtnC2O->grab().toImage();
    fmMode->rbtnC2O->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(fmMode->rbtnC2O->hasFocus());
    EXPECT_NE(fmMode->rbtnC2O->grab().toImage(), unfocused);
}

}  // namespace
