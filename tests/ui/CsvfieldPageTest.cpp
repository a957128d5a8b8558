#include "WizardTest.h"

#include "common/misc/CxFile.h"
#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrUtil.h"
#include "main/Csvfield.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvSource.h"
#include "main/Fieldprop.h"
#include "main/ListView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <memory>

namespace {

class FieldPage : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        AppSettings.AppMode = MODE_O2C;
        AppSettings.AppFlag = FLAG_ADDR;
        ASSERT_TRUE(CreateConvObjects());
        page.UpdatePage(false);
    }

    void TearDown() override
    {
        owner.reset();
        WizardTest::TearDown();
    }

    // Checks only the items of list with the given captions.
    static void CheckOnly(QTreeWidget* list, const QStringList& captions)
    {
        for (int nItem = 0; nItem < list->topLevelItemCount(); ++nItem) {
            QTreeWidgetItem* item = list->topLevelItem(nItem);
            item->setCheckState(0, captions.contains(item->text(0)) ? Qt::Checked : Qt::Unchecked);
        }
    }

    void Select(const QStringList& captions)
    {
        CheckOnly(page.lvAll, captions);
        page.btnSel->click();
    }

    void SelectRow(int nRow) { SelectItem(page.lvSel, page.lvSel->topLevelItem(nRow)); }

    // Inserts a custom column, the properties dialog answered with OK.
    void InsertCustom()
    {
        ui::ModalRecorder ok([](QDialog& dialog) { dynamic_cast<TfmFieldProp&>(dialog).btnOK->click(); });
        page.btnInsert->click();
    }

    std::vector<int> ListedIds()
    {
        std::vector<int> ids;
        for (void* pEntry : ListItems(*pFieldList))
            ids.push_back(static_cast<const CsvFieldEntry*>(pEntry)->nId);
        return ids;
    }

    std::unique_ptr<TfmCSVField> owner = std::make_unique<TfmCSVField>();
    TfmCSVField& page = *owner;
};

TEST_F(FieldPage, ControlsAndCaptions)
{
    const struct {
        QPushButton* button;
        const char* szName;
        const char* szCaption;
    } buttons[] = {
        {page.btnSel, "btnSel", "> >"},          {page.btnUnSel, "btnUnSel", "< <"},
        {page.btnAllSel, "btnAllSel", "Select All"}, {page.btnAllClear, "btnAllClear", "Clear All"},
        {page.btnSelSel, "btnSelSel", "Select All"}, {page.btnSelClear, "btnSelClear", "Clear All"},
        {page.btnInsert, "btnInsert", "Insert"},   {page.btnDelete, "btnDelete", "Delete"},
        {page.btnUp, "btnUp", "Move Up"},          {page.btnDown, "btnDown", "Move Down"},
        {page.btnProp, "btnProp", "Properties"},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->objectName(), b.szName);
        EXPECT_EQ(b.button->text().toStdString(), b.szCaption);
    }
    const std::pair<QTreeWidget*, const char*> lists[] = {{page.lvAll, "Available Fields"}, {page.lvSel, "Selected Fields"}};
    for (const auto& [list, szCaption] : lists) {
        EXPECT_EQ(list->headerItem()->text(0), szCaption);
        EXPECT_EQ(list->columnWidth(0), 200);
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    }
}

TEST_F(FieldPage, EnteringOffersEveryFieldOfTheKindChecked)
{
    const struct {
        int nFlag;
        int nCount;
        const char* szFirst;
    } cases[] = {{FLAG_ADDR, 81, "None"}, {FLAG_DATE, 30, nullptr}, {FLAG_TASK, 27, nullptr}, {FLAG_NOTE, 8, nullptr}, {3, 0, nullptr}};
    for (const auto& c : cases) {
        AppSettings.AppFlag = c.nFlag;
        EXPECT_TRUE(page.UpdatePage(false));
        ASSERT_EQ(page.lvAll->topLevelItemCount(), c.nCount) << c.nFlag;
        EXPECT_EQ(page.lvSel->topLevelItemCount(), 0);
        for (int nItem = 0; nItem < c.nCount; ++nItem)
            EXPECT_EQ(page.lvAll->topLevelItem(nItem)->checkState(0), Qt::Checked);
        if (c.szFirst) {
            EXPECT_EQ(page.lvAll->topLevelItem(0)->text(0), c.szFirst);
        }
        if (c.nCount > 0) {
            EXPECT_TRUE(page.lvAll->topLevelItem(0)->isSelected());
        }
        for (QPushButton* button : {page.btnDelete, page.btnUp, page.btnDown, page.btnProp})
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
}

TEST_F(FieldPage, MovingFieldsBetweenTheLists)
{
    page.btnSel->click();
    EXPECT_EQ(page.lvAll->topLevelItemCount(), 0);
    ASSERT_EQ(page.lvSel->topLevelItemCount(), 81);
    EXPECT_EQ(page.lvSel->topLevelItem(0)->text(0), "None");
    EXPECT_EQ(page.lvSel->topLevelItem(80)->text(0), "Last Modification Time");
    EXPECT_EQ(page.lvSel->topLevelItem(5)->checkState(0), Qt::Unchecked);

    CheckOnly(page.lvSel, {"Account", "First Name"});
    page.btnUnSel->click();
    EXPECT_EQ(Captions(page.lvAll), (QStringList{"Account", "First Name"}));
    page.btnAllClear->click();
    page.lvAll->topLevelItem(0)->setCheckState(0, Qt::Checked);
    page.btnSel->click();
    EXPECT_EQ(Captions(page.lvSel).last(), "Account") << "a moved item goes to the end";
    page.btnSelSel->click();
    page.btnUnSel->click();
    EXPECT_EQ(Captions(page.lvAll).size(), 81);
    EXPECT_EQ(Captions(page.lvAll).first(), "First Name");
    page.btnSelClear->click();
    page.btnAllSel->click();
    EXPECT_EQ(page.lvAll->topLevelItem(40)->checkState(0), Qt::Checked);
}

TEST_F(FieldPage, ButtonsFollowTheSelectedColumn)
{
    Select({"First Name", "Last Name", "Email 1"});
    InsertCustom();
    ASSERT_EQ(Captions(page.lvSel), (QStringList{"Email 1", "First Name", "Last Name", "Custom Field"}))
        << "moved in the order of the available list";
    const struct {
        int nRow;
        bool bDelete;
        bool bUp;
        bool bDown;
    } cases[] = {{0, false, false, true}, {1, false, true, true}, {3, true, true, false}};
    for (const auto& c : cases) {
        SelectRow(c.nRow);
        EXPECT_TRUE(page.btnProp->isEnabled());
        EXPECT_EQ(page.btnDelete->isEnabled(), c.bDelete) << c.nRow;
        EXPECT_EQ(page.btnUp->isEnabled(), c.bUp) << c.nRow;
        EXPECT_EQ(page.btnDown->isEnabled(), c.bDown) << c.nRow;
    }
    page.lvSel->clearSelection();
    EXPECT_FALSE(page.btnProp->isEnabled());
}

TEST_F(FieldPage, MoveUpAndDownKeepTheItem)
{
    for (const char* szName : {"First Name", "Email 1", "Last Name"})
        Select({szName});
    page.lvSel->topLevelItem(2)->setCheckState(0, Qt::Checked);
    SelectRow(2);
    page.btnUp->click();
    EXPECT_EQ(Captions(page.lvSel), (QStringList{"First Name", "Last Name", "Email 1"}));
    EXPECT_EQ(page.lvSel->topLevelItem(1)->checkState(0), Qt::Checked);
    EXPECT_TRUE(page.lvSel->topLevelItem(1)->isSelected());
    page.btnUp->click();
    page.btnUp->click();
    EXPECT_EQ(Captions(page.lvSel), (QStringList{"Last Name", "First Name", "Email 1"}));
    page.btnDown->click();
    page.btnDown->click();
    page.btnDown->click();
    EXPECT_EQ(Captions(page.lvSel), (QStringList{"First Name", "Email 1", "Last Name"}));
}

TEST_F(FieldPage, CustomColumnsAreInsertedDeletedAndStayOnUnselect)
{
    InsertCustom();
    {
        ui::ModalRecorder cancel([](QDialog& dialog) { dynamic_cast<TfmFieldProp&>(dialog).btnCancel->click(); });
        page.btnInsert->click();
    }
    ASSERT_EQ(Captions(page.lvSel), (QStringList{"Custom Field"}));
    const CsvFieldEntry* pEntry = TfmCSVField::EntryOf(page.lvSel->topLevelItem(0));
    EXPECT_EQ(pEntry->nId, CUSTOM_FIELD_ID);

    page.btnSelSel->click();
    page.btnUnSel->click();
    EXPECT_EQ(Captions(page.lvSel), (QStringList{"Custom Field"})) << "custom columns do not go back";

    Select({"Account"});
    SelectRow(1);
    page.btnDelete->click();
    EXPECT_EQ(page.lvSel->topLevelItemCount(), 2) << "a table field cannot be deleted";
    SelectRow(0);
    page.btnDelete->click();
    EXPECT_EQ(Captions(page.lvSel), (QStringList{"Account"}));
}

TEST_F(FieldPage, PropertiesOpenTheDialogOnTheSelectedEntry)
{
    Select({"Last Name"});
    SelectRow(0);
    QStringList shownNames;
    ui::ModalRecorder dialogs(
        [&shownNames](QDialog& dialog) { shownNames << dynamic_cast<TfmFieldProp&>(dialog).edtName->text(); });
    page.btnProp->click();
    emit page.lvSel->itemDoubleClicked(page.lvSel->topLevelItem(0), 0);
    ASSERT_EQ(dialogs.Dialogs().size(), 2u);
    EXPECT_EQ(shownNames, (QStringList{"Last Name", "Last Name"}));
    EXPECT_EQ(dialogs.Dialogs()[0].className, "TfmFieldProp");
    EXPECT_EQ(dialogs.Dialogs()[0].owner, &page);
    page.lvSel->clearSelection();
    page.btnProp->click();
    EXPECT_EQ(dialogs.Dialogs().size(), 2u) << "nothing selected, no dialog";
}

TEST_F(FieldPage, LeavingCopiesTheColumnsInOrder)
{
    EXPECT_FALSE(page.UpdatePage(true));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text,
              "No record field is selected, you must select one or more fields for the conversion.");
    EXPECT_EQ(messages.Messages()[0].caption, "Brindle Error");

    Select({"Email 1"});
    Select({"First Name"});
    InsertCustom();
    ASSERT_TRUE(page.UpdatePage(true));
    EXPECT_EQ(ListedIds(), (std::vector<int>{23, 32, CUSTOM_FIELD_ID}));
    ASSERT_TRUE(page.UpdatePage(true));
    EXPECT_EQ(ListedIds(), (std::vector<int>{23, 32, CUSTOM_FIELD_ID})) << "filled afresh";

    page.UpdatePage(false);
    EXPECT_EQ(Captions(page.lvSel), (QStringList{"Email 1", "First Name", "Custom Field"})) << "rebuilt from the columns";
    EXPECT_EQ(page.lvAll->topLevelItemCount(), 79);
}

TEST_F(FieldPage, ImportReadsTheFileAfreshEachTime)
{
    const std::string file = TempFile("in.csv");
    WriteFile(file, "\"Ann\",\"Baker\"\r\n\"Bob\",\"Smith\"\r\n\"Cy\",\"Young\"\r\n");
    AppSettings.AppMode = MODE_C2O;
    AppSettings.QuoteMark[0] = '"';
    ASSERT_TRUE(LoadCsvSource(file.c_str(), *FindConvKind(FLAG_ADDR), SettingsReadOptions(), *pCsvSource));
    page.UpdatePage(false);
    Select({"Last Name"});
    Select({"First Name"});

    for (int nPass = 0; nPass < 2; ++nPass) {
        pSelRecList->Add(pCsvRecList->GetFirst());
        ASSERT_TRUE(page.UpdatePage(true));
        EXPECT_EQ(pSelRecList->GetCount(), 0u);
        std::vector<std::string> names;
        for (void* pRec : ListItems(*pCsvRecList))
            names.push_back(std::string(static_cast<const CommAddrRec*>(pRec)->szLastName) + "," +
                            static_cast<const CommAddrRec*>(pRec)->szFirstName);
        EXPECT_EQ(names, (std::vector<std::string>{"Ann,Baker", "Bob,Smith", "Cy,Young"})) << nPass;
    }
}

}  // namespace
