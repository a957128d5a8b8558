#include "UiTest.h"

#include "main/Mode.h"

#include <QRadioButton>
#include <array>

namespace {

using ModePage = UiTest;

std::array<bool, 4> KindsChecked(const TfmMode& page)
{
    return {page.rbtnAddr->isChecked(), page.rbtnDate->isChecked(), page.rbtnTask->isChecked(),
            page.rbtnNote->isChecked()};
}

TEST_F(ModePage, EnteringChecksTheDirectionAndKindOfTheSettings)
{
    struct Case {
        int mode;
        int flag;
        bool csvToOutlook;
        std::array<bool, 4> kinds;
    } const cases[] = {
        {MODE_O2C, FLAG_ADDR, false, {true, false, false, false}},
        {MODE_C2O, FLAG_DATE, true, {false, true, false, false}},
        {0, FLAG_TASK, false, {false, false, true, false}},
        {3, FLAG_NOTE, false, {false, false, false, true}},
        {-2, 3, false, {false, false, false, false}},
        {MODE_C2O, 0, true, {false, false, false, false}},
    };
    TfmMode page;
    for (const Case& c : cases) {
        page.rbtnNote->setChecked(true);  // what an earlier visit left
        AppSettings.AppMode = c.mode;
        AppSettings.AppFlag = c.flag;
        EXPECT_TRUE(page.UpdatePage(false));
        EXPECT_EQ(page.rbtnC2O->isChecked(), c.csvToOutlook) << c.mode;
        EXPECT_EQ(page.rbtnO2C->isChecked(), !c.csvToOutlook) << c.mode;
        EXPECT_EQ(KindsChecked(page), c.kinds) << c.flag;
    }
}

TEST_F(ModePage, LeavingStoresTheCheckedDirectionAndKind)
{
    TfmMode page;
    QRadioButton* const kindButtons[] = {page.rbtnAddr, page.rbtnDate, page.rbtnTask, page.rbtnNote, nullptr};
    struct Case {
        bool csvToOutlook;
        int kindIndex;  // 4: none checked
        int flagBefore;
        int mode;
        int flag;
    } const cases[] = {
        {false, 0, 8, MODE_O2C, FLAG_ADDR}, {true, 1, 1, MODE_C2O, FLAG_DATE}, {false, 2, 1, MODE_O2C, FLAG_TASK},
        {true, 3, 1, MODE_C2O, FLAG_NOTE},  {false, 4, 3, MODE_O2C, 3},       {true, 4, 0, MODE_C2O, 0},
    };
    for (const Case& c : cases) {
        AppSettings.AppMode = 0;
        AppSettings.AppFlag = c.flagBefore;
        page.UpdatePage(false);  // unchecks every kind for an unknown AppFlag
        (c.csvToOutlook ? page.rbtnC2O : page.rbtnO2C)->setChecked(true);
        if (kindButtons[c.kindIndex])
            kindButtons[c.kindIndex]->click();
        EXPECT_TRUE(page.UpdatePage(true));
        EXPECT_EQ(AppSettings.AppMode, c.mode) << c.kindIndex;
        EXPECT_EQ(AppSettings.AppFlag, c.flag) << c.kindIndex;
    }
}

TEST_F(ModePage, KindButtonsExcludeEachOtherAndTheDirections)
{
    TfmMode page;
    page.rbtnO2C->click();
    page.rbtnAddr->click();
    page.rbtnTask->click();
    EXPECT_EQ(KindsChecked(page), (std::array<bool, 4>{false, false, true, false}));
    EXPECT_TRUE(page.rbtnO2C->isChecked());
    page.rbtnC2O->click();
    EXPECT_FALSE(page.rbtnO2C->isChecked());
    EXPECT_TRUE(page.rbtnTask->isChecked());
}

}  // namespace
