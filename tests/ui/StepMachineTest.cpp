#include "UiTest.h"

#include "main/Main.h"
#include "main/WizardPage.h"

#include <QLabel>
#include <QPushButton>
#include <map>
#include <stdexcept>
#include <vector>

namespace {

using TPage = TfmMain::TPage;

// A page that logs each call and refuses or throws when told to.
class FakePage : public TWizardPage {
public:
    FakePage(QWidget* parent, std::string name, std::vector<std::string>& log)
        : TWizardPage(parent), m_name(std::move(name)), m_log(log)
    {
        hide();
    }

    bool UpdatePage(bool bSave) override
    {
        m_log.push_back(m_name + (bSave ? " leave" : " enter"));
        if ((bSave && throwOnLeave) || (!bSave && throwOnEnter))
            throw std::runtime_error(m_name + " failed");
        return !(bSave && refuseToLeave);
    }

    bool refuseToLeave = false;
    bool throwOnLeave = false;
    bool throwOnEnter = false;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

// The main window with fake pages in place of the real ones.
class FakePagesMain : public TfmMain {
public:
    FakePagesMain()
    {
        const std::pair<TPage, const char*> names[] = {
            {TPage::Mode, "Mode"},         {TPage::Source, "Source"},     {TPage::CSVField, "CSVField"},
            {TPage::AddrData, "AddrData"}, {TPage::DateData, "DateData"}, {TPage::TaskData, "TaskData"},
            {TPage::NoteData, "NoteData"}, {TPage::Proc, "Proc"},         {TPage::Finish, "Finish"},
        };
        for (const auto& [page, name] : names)
            m_pages[page] = new FakePage(pClient, name, log);
    }

    FakePage& Page(TPage page) { return *m_pages.at(page); }
    std::vector<std::string> TakeLog() { return std::exchange(log, {}); }

    std::vector<std::string> log;

protected:
    TWizardPage* GetPage(TPage page) const override { return m_pages.at(page); }

private:
    std::map<TPage, FakePage*> m_pages;
};

class StepMachine : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        wizard = std::make_unique<FakePagesMain>();
        AppSettings.AppFlag = FLAG_ADDR;
        wizard->GoToStep(0);
        wizard->TakeLog();
    }
    void TearDown() override
    {
        wizard.reset();
        UiTest::TearDown();
    }

    std::vector<TPage> VisiblePages()
    {
        std::vector<TPage> visible;
        for (TPage page : {TPage::Mode, TPage::Source, TPage::CSVField, TPage::AddrData, TPage::DateData,
                           TPage::TaskData, TPage::NoteData, TPage::Proc, TPage::Finish})
            if (!wizard->Page(page).isHidden())
                visible.push_back(page);
        return visible;
    }

    std::unique_ptr<FakePagesMain> wizard;
};

TEST_F(StepMachine, EachStepHasItsButtonsTextAndPage)
{
    struct Case {
        int step;
        TPage page;
        bool prev;
        bool next;
        const char* close;
        const char* text;
    } const cases[] = {
        {0, TPage::Mode, false, true, "&Cancel", "Please choose the Outlook CSV data conversion mode."},
        {1, TPage::Source, true, true, "&Cancel", "Please set the CSV conversion options."},
        {2, TPage::CSVField, true, true, "&Cancel", "Please set the record field information for CSV conversion."},
        {3, TPage::AddrData, true, true, "&Cancel", "Please select the Outlook information you want to convert."},
        {4, TPage::Proc, true, true, "&Cancel", "CSV conversion is running now ..."},
        {5, TPage::Finish, false, false, "&Finish", "Outlook CSV conversion finished."},
    };
    for (const Case& c : cases) {
        wizard->GoToStep(c.step);
        EXPECT_EQ(wizard->CurrentStep(), c.step);
        EXPECT_EQ(wizard->btnPrev->isEnabled(), c.prev) << c.step;
        EXPECT_EQ(wizard->btnNext->isEnabled(), c.next) << c.step;
        EXPECT_EQ(wizard->btnClose->text().toStdString(), c.close) << c.step;
        EXPECT_EQ(wizard->lblStep->text().toStdString(), c.text) << c.step;
        EXPECT_EQ(VisiblePages(), std::vector<TPage>{c.page}) << c.step;
    }
}

TEST_F(StepMachine, NextLeavesThePageAndEntersTheNextOne)
{
    std::vector<std::string> expected;
    const char* const names[] = {"Mode", "Source", "CSVField", "AddrData", "Proc", "Finish"};
    for (int step = 1; step <= TfmMain::LAST_STEP; ++step) {
        wizard->btnNext->click();
        expected.push_back(std::string(names[step - 1]) + " leave");
        expected.push_back(std::string(names[step]) + " enter");
    }
    EXPECT_EQ(wizard->CurrentStep(), 5);
    EXPECT_EQ(wizard->TakeLog(), expected);
}

TEST_F(StepMachine, StepsOutsideTheWizardAreClamped)
{
    struct Case {
        int from;
        int requested;
        int reached;
        std::vector<std::string> calls;
    } const cases[] = {
        {0, 7, 5, {"Proc leave", "Finish enter"}},
        {0, 6, 5, {"Proc leave", "Finish enter"}},
        {3, -1, 0, {"Mode enter"}},
        {0, -5, 0, {"Mode enter"}},
    };
    for (const Case& c : cases) {
        wizard->GoToStep(0);
        for (int step = 1; step <= c.from; ++step)
            wizard->GoToStep(step);
        wizard->TakeLog();
        wizard->GoToStep(c.requested);
        EXPECT_EQ(wizard->CurrentStep(), c.reached) << c.requested;
        EXPECT_EQ(wizard->TakeLog(), c.calls) << c.requested;
    }
}

TEST_F(StepMachine, PrevShowsPagesAgainWithoutReenteringThemExceptPageZero)
{
    for (int step = 1; step <= 3; ++step)
        wizard->btnNext->click();
    wizard->TakeLog();

    wizard->btnPrev->click();
    wizard->btnPrev->click();
    EXPECT_EQ(wizard->CurrentStep(), 1);
    EXPECT_TRUE(wizard->TakeLog().empty());
    EXPECT_EQ(VisiblePages(), std::vector<TPage>{TPage::Source});

    wizard->btnNext->click();
    EXPECT_EQ(wizard->TakeLog(), (std::vector<std::string>{"Source leave", "CSVField enter"}));

    wizard->GoToStep(1);
    wizard->btnPrev->click();
    EXPECT_EQ(wizard->CurrentStep(), 0);
    EXPECT_EQ(wizard->TakeLog(), std::vector<std::string>{"Mode enter"});
}

TEST_F(StepMachine, APageThatRefusesKeepsTheWizardWhereItWas)
{
    wizard->GoToStep(1);
    wizard->Page(TPage::Source).refuseToLeave = true;
    wizard->TakeLog();

    wizard->btnNext->click();
    EXPECT_EQ(wizard->TakeLog(), std::vector<std::string>{"Source leave"});
    EXPECT_EQ(wizard->CurrentStep(), 1);
    EXPECT_EQ(wizard->lblStep->text().toStdString(), "Please set the CSV conversion options.");
    EXPECT_EQ(VisiblePages(), std::vector<TPage>{TPage::Source});
    EXPECT_TRUE(wizard->btnPrev->isEnabled());
}

TEST_F(StepMachine, AnExceptionInAPageOpensTheErrorReportAndTheWizardStays)
{
    struct Case {
        bool throwOnLeave;
        std::vector<std::string> calls;
    } const cases[] = {
        {false, {"Source leave", "CSVField enter"}},
        {true, {"Source leave"}},
    };
    for (const Case& c : cases) {
        wizard->GoToStep(0);
        wizard->GoToStep(1);
        wizard->Page(TPage::Source).throwOnLeave = c.throwOnLeave;
        wizard->Page(TPage::CSVField).throwOnEnter = !c.throwOnLeave;
        wizard->TakeLog();
        ui::ModalRecorder dialogs;

        wizard->btnNext->click();

        EXPECT_EQ(wizard->TakeLog(), c.calls);
        EXPECT_EQ(wizard->CurrentStep(), 1);
        EXPECT_EQ(VisiblePages(), std::vector<TPage>{TPage::Source});
        ASSERT_EQ(dialogs.Dialogs().size(), 1u);
        EXPECT_EQ(dialogs.Dialogs()[0].className, "TfmDump");
        EXPECT_EQ(dialogs.Dialogs()[0].owner, wizard.get());
        wizard->Page(TPage::Source).throwOnLeave = false;
        wizard->Page(TPage::CSVField).throwOnEnter = false;
    }
}

TEST_F(StepMachine, StepThreeIsTheRecordPageOfTheKind)
{
    struct Case {
        int flag;
        std::vector<std::string> enterThree;
        std::vector<TPage> visible;
    } const cases[] = {
        {FLAG_ADDR, {"CSVField leave", "AddrData enter"}, {TPage::AddrData}},
        {FLAG_DATE, {"CSVField leave", "DateData enter"}, {TPage::DateData}},
        {FLAG_TASK, {"CSVField leave", "TaskData enter"}, {TPage::TaskData}},
        {FLAG_NOTE, {"CSVField leave", "NoteData enter"}, {TPage::NoteData}},
        {3, {"CSVField leave"}, {}},
    };
    for (const Case& c : cases) {
        AppSettings.AppFlag = c.flag;
        wizard->GoToStep(0);
        wizard->GoToStep(1);
        wizard->GoToStep(2);
        wizard->TakeLog();
        wizard->GoToStep(3);
        EXPECT_EQ(wizard->TakeLog(), c.enterThree) << c.flag;
        EXPECT_EQ(VisiblePages(), c.visible) << c.flag;

        wizard->GoToStep(4);
        const std::vector<std::string> leaveThree = wizard->TakeLog();
        EXPECT_EQ(leaveThree.back(), "Proc enter") << c.flag;
        EXPECT_EQ(leaveThree.size(), c.visible.size() + 1) << c.flag;
        EXPECT_EQ(VisiblePages(), std::vector<TPage>{TPage::Proc}) << c.flag;
    }
}

}  // namespace
