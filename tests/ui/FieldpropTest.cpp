#include "UiTest.h"

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "main/Fieldprop.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>
#include <memory>

namespace {

struct CustomEntryDeleter {
    void operator()(CsvFieldEntry* pEntry) const { FreeCustomFieldEntry(pEntry); }
};
using CustomEntry = std::unique_ptr<CsvFieldEntry, CustomEntryDeleter>;

CustomEntry NewCustomEntry()
{
    CustomEntry entry(NewCustomFieldEntry());
    EXPECT_NE(entry, nullptr);
    return entry;
}

QString BstrText(const VARIANT& value)
{
    return QString::fromUtf16(value.bstrVal, SysStringLen(value.bstrVal));
}

// The contact table row of that name, found by walking the table as the dialog does.
const CsvFieldEntry* ContactRow(const char* szName)
{
    for (int nPos = 1; nPos <= OlAddrUtil::GetFieldCount(); ++nPos) {
        const CsvFieldEntry* pRow = OlAddrUtil::GetFieldDef(static_cast<unsigned>(nPos));
        if (pRow && std::strcmp(pRow->szName, szName) == 0)
            return pRow;
    }
    ADD_FAILURE() << "no contact field " << szName;
    return nullptr;
}

class FieldProperties : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        AppSettings.AppFlag = FLAG_ADDR;
    }

    // Shows the dialog as the field page does, lets act play the user, and gives the result.
    static int Run(TfmFieldProp& dialog, const std::function<void(TfmFieldProp&)>& act)
    {
        ui::ModalRecorder recorder([&act](QDialog& shown) { act(dynamic_cast<TfmFieldProp&>(shown)); });
        return ExecModal(dialog);
    }

    static std::vector<QWidget*> EditingControls(const TfmFieldProp& dialog)
    {
        return {dialog.edtName,  dialog.rbtnField, dialog.rbtnNumber, dialog.rbtnString, dialog.cbField,
                dialog.edtNumber, dialog.edtString, dialog.cbType,     dialog.edtLength};
    }
};

TEST_F(FieldProperties, ControlsAndCaptions)
{
    TfmFieldProp dialog;
    EXPECT_EQ(dialog.windowTitle(), "Field Properties");
    EXPECT_EQ(dialog.size(), QSize(401, 429));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const struct {
        QWidget* control;
        const char* szName;
        QString caption;
        const char* szExpected;
    } controls[] = {
        {dialog.Label1, "Label1", dialog.Label1->text(), "Field Name:"},
        {dialog.suiGroupBox1, "suiGroupBox1", dialog.suiGroupBox1->title(), " Field Value "},
        {dialog.rbtnField, "rbtnField", dialog.rbtnField->text(), "Contact record field"},
        {dialog.rbtnNumber, "rbtnNumber", dialog.rbtnNumber->text(), "Seq. number starting from"},
        {dialog.rbtnString, "rbtnString", dialog.rbtnString->text(), "Fixed String:"},
        {dialog.Label2, "Label2", dialog.Label2->text(), "Field Type:"},
        {dialog.Label3, "Label3", dialog.Label3->text(), "Field Length:"},
        {dialog.Label4, "Label4", dialog.Label4->text(), "characters long."},
        {dialog.btnOK, "btnOK", dialog.btnOK->text(), "OK"},
        {dialog.btnCancel, "btnCancel", dialog.btnCancel->text(), "Cancel"},
    };
    for (const auto& control : controls) {
        EXPECT_EQ(control.control->objectName(), control.szName);
        EXPECT_EQ(control.caption, control.szExpected) << control.szName;
    }
    for (const char* szName : {"lblDesc", "edtName", "cbField", "edtNumber", "edtString", "cbType", "edtLength"})
        EXPECT_NE(dialog.findChild<QWidget*>(szName), nullptr) << szName;

    const struct {
        int nCode;
        const char* szText;
    } types[] = {{0, "None"}, {1, "Integer"}, {2, "Float"}, {3, "DateTime"}, {4, "String"}, {5, "Boolean"}};
    ASSERT_EQ(dialog.cbType->count(), static_cast<int>(std::size(types)));
    for (int nIndex = 0; nIndex < dialog.cbType->count(); ++nIndex) {
        EXPECT_EQ(dialog.cbType->itemText(nIndex), types[nIndex].szText);
        EXPECT_EQ(dialog.cbType->itemData(nIndex).toInt(), types[nIndex].nCode);
    }
}

// Each kind offers its own table, in table order, under its own heading.
TEST_F(FieldProperties, HeadingAndRecordFieldsFollowTheKind)
{
    const struct {
        int nFlag;
        const char* szDesc;
        int (*GetFieldCount)();
        const CsvFieldEntry* (*GetFieldDef)(unsigned);
    } kinds[] = {
        {FLAG_ADDR, "Contacts Field Properties:", &OlAddrUtil::GetFieldCount, &OlAddrUtil::GetFieldDef},
        {FLAG_DATE, "Calendar Field Properties:", &OlDateUtil::GetFieldCount, &OlDateUtil::GetFieldDef},
        {FLAG_TASK, "Task Field Properties:", &OlTaskUtil::GetFieldCount, &OlTaskUtil::GetFieldDef},
        {FLAG_NOTE, "Notes Field Properties:", &OlNoteUtil::GetFieldCount, &OlNoteUtil::GetFieldDef},
    };
    for (const auto& kind : kinds) {
        AppSettings.AppFlag = kind.nFlag;
        TfmFieldProp dialog;
        CustomEntry entry = NewCustomEntry();
        dialog.SetEntry(entry.get());
        EXPECT_EQ(dialog.lblDesc->text(), kind.szDesc);
        EXPECT_TRUE(dialog.lblDesc->font().bold());
        EXPECT_EQ(dialog.rbtnField->text(), "Contact record field");
        ASSERT_EQ(dialog.cbField->count(), kind.GetFieldCount()) << kind.szDesc;
        for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
            const CsvFieldEntry* pRow = kind.GetFieldDef(static_cast<unsigned>(nPos));
            ASSERT_NE(pRow, nullptr);
            EXPECT_EQ(dialog.cbField->itemText(nPos - 1), pRow->szName);
            EXPECT_EQ(dialog.cbField->itemData(nPos - 1).toInt(), pRow->nId);
        }
    }
}

TEST_F(FieldProperties, UnknownKindOffersNoFieldsAndOkDoesNothing)
{
    AppSettings.AppFlag = 3;
    TfmFieldProp dialog;
    CustomEntry entry = NewCustomEntry();
    dialog.SetEntry(entry.get());
    EXPECT_EQ(dialog.cbField->count(), 0);
    EXPECT_EQ(dialog.lblDesc->text(), "");
    dialog.edtString->setText("changed");
    const int nResult = Run(dialog, [](TfmFieldProp& shown) { shown.btnOK->click(); });
    EXPECT_EQ(nResult, QDialog::Rejected);
    EXPECT_EQ(BstrText(entry->vValue), "Custom Text");
}

TEST_F(FieldProperties, TableFieldIsShownReadOnlyAndOkChangesNothing)
{
    const CsvFieldEntry* pRow = ContactRow("First Name");
    ASSERT_NE(pRow, nullptr);
    CsvFieldEntry entry = *pRow;
    const CsvFieldEntry before = entry;

    TfmFieldProp dialog;
    dialog.SetEntry(&entry);
    EXPECT_EQ(dialog.lblDesc->text(), "Contacts Field Properties:");
    EXPECT_EQ(dialog.edtName->text(), "First Name");
    EXPECT_TRUE(dialog.rbtnField->isChecked());
    EXPECT_EQ(dialog.cbField->currentText(), "First Name");
    for (QWidget* control : EditingControls(dialog))
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    // The list shows the item numbered like the table's type code: text is 2.
    EXPECT_EQ(pRow->nType, FIELD_TYPE_TEXT);
    EXPECT_EQ(dialog.cbType->currentText(), "Float");
    EXPECT_EQ(dialog.edtLength->text(), QString::number(pRow->nLength));

    EXPECT_EQ(Run(dialog, [](TfmFieldProp& shown) { shown.btnOK->click(); }), QDialog::Accepted);
    EXPECT_EQ(std::memcmp(&entry, &before, sizeof entry), 0);
}

TEST_F(FieldProperties, TypeListShowsTheItemOfTheSameNumber)
{
    const struct {
        int nType;
        const char* szShown;
    } cases[] = {
        {FIELD_TYPE_DATE, "String"},
        {FIELD_TYPE_NUMBER, "Integer"},
        {CUSTOM_KIND_FIELD, "None"},  // no item has code 7: the selection stays as it was
    };
    for (const auto& testCase : cases) {
        TfmFieldProp dialog;
        dialog.cbType->setCurrentIndex(0);
        CsvFieldEntry entry = *ContactRow("Birthday");
        entry.nType = testCase.nType;
        dialog.SetEntry(&entry);
        EXPECT_EQ(dialog.cbType->currentText(), testCase.szShown) << testCase.nType;
    }
}

TEST_F(FieldProperties, NewCustomColumnOpensWithItsFixedText)
{
    CustomEntry entry = NewCustomEntry();
    TfmFieldProp dialog;
    dialog.SetEntry(entry.get());
    EXPECT_EQ(dialog.edtName->text(), "Custom Field");
    EXPECT_TRUE(dialog.rbtnString->isChecked());
    EXPECT_EQ(dialog.edtString->text(), "Custom Text");
    EXPECT_EQ(dialog.cbType->currentText(), "String");
    EXPECT_EQ(dialog.edtLength->text(), "0");
    EXPECT_TRUE(dialog.edtName->isEnabled());
    EXPECT_TRUE(dialog.cbType->isEnabled());
    EXPECT_TRUE(dialog.edtString->isEnabled());
    EXPECT_FALSE(dialog.edtNumber->isEnabled());
    EXPECT_FALSE(dialog.cbField->isEnabled());
}

TEST_F(FieldProperties, EachChoiceEnablesOnlyItsOwnBox)
{
    CustomEntry entry = NewCustomEntry();
    TfmFieldProp dialog;
    dialog.SetEntry(entry.get());
    const struct {
        QRadioButton* choice;
        QWidget* own;
    } choices[] = {
        {dialog.rbtnField, dialog.cbField}, {dialog.rbtnNumber, dialog.edtNumber}, {dialog.rbtnString, dialog.edtString}};
    for (const auto& choice : choices) {
        choice.choice->click();
        for (QWidget* box : {static_cast<QWidget*>(dialog.cbField), static_cast<QWidget*>(dialog.edtNumber),
                             static_cast<QWidget*>(dialog.edtString)})
            EXPECT_EQ(box->isEnabled(), box == choice.own)
                << choice.choice->objectName().toStdString() << " " << box->objectName().toStdString();
    }
}

TEST_F(FieldProperties, SequenceNumberStoresTheLeadingNumber)
{
    const struct {
        const char* szTyped;
        LONG nStored;
    } cases[] = {
        {"100", 100},
        {"", 0},
        {"abc", 0},
        {"  42 rows", 42},
        {"-7", -7},
        {"+15", 15},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& testCase : cases) {
        CustomEntry entry = NewCustomEntry();
        TfmFieldProp dialog;
        dialog.SetEntry(entry.get());
        const int nResult = Run(dialog, [&](TfmFieldProp& shown) {
            shown.rbtnNumber->click();
            shown.edtNumber->setText(testCase.szTyped);
            shown.btnOK->click();
        });
        EXPECT_EQ(nResult, QDialog::Accepted);
        EXPECT_EQ(entry->nType, CUSTOM_KIND_SEQUENCE) << testCase.szTyped;
        EXPECT_EQ(entry->vValue.vt, VT_I4) << testCase.szTyped;
        EXPECT_EQ(entry->vValue.lVal, testCase.nStored) << testCase.szTyped;
        EXPECT_EQ(entry->nLength, 0);
    }
}

TEST_F(FieldProperties, FixedTextIsStoredWhole)
{
    const QString longText = QString("Zürich, ").repeated(300);  // 2,400 characters
    const QString cases[] = {"", "Fixed, \"quoted\" text", "Grüße 日本", longText};
    for (const QString& typed : cases) {
        CustomEntry entry = NewCustomEntry();
        entry->nType = CUSTOM_KIND_SEQUENCE;
        VariantClear(&entry->vValue);
        entry->vValue.vt = VT_I4;
        entry->vValue.lVal = 5;
        TfmFieldProp dialog;
        dialog.SetEntry(entry.get());
        EXPECT_TRUE(dialog.rbtnNumber->isChecked());
        EXPECT_EQ(dialog.edtNumber->text(), "5");
        Run(dialog, [&](TfmFieldProp& shown) {
            shown.rbtnString->click();
            shown.edtString->setText(typed);
            shown.btnOK->click();
        });
        EXPECT_EQ(entry->nType, CUSTOM_KIND_TEXT);
        ASSERT_EQ(entry->vValue.vt, VT_BSTR);
        EXPECT_EQ(BstrText(entry->vValue), typed);

        TfmFieldProp reopened;
        reopened.SetEntry(entry.get());
        EXPECT_EQ(reopened.edtString->text(), typed);
    }
}

TEST_F(FieldProperties, ReplacingTheFixedTextFreesTheOldOne)
{
    const long nLiveBefore = platform::LiveBstrCount();
    {
        CustomEntry entry = NewCustomEntry();
        for (const char* szTyped : {"first", "second"}) {
            TfmFieldProp dialog;
            dialog.SetEntry(entry.get());
            Run(dialog, [&](TfmFieldProp& shown) {
                shown.edtString->setText(szTyped);
                shown.btnOK->click();
            });
        }
        EXPECT_EQ(BstrText(entry->vValue), "second");
        EXPECT_EQ(platform::LiveBstrCount(), nLiveBefore + 1);

        TfmFieldProp dialog;
        dialog.SetEntry(entry.get());
        Run(dialog, [&](TfmFieldProp& shown) {
            shown.rbtnNumber->click();
            shown.btnOK->click();
        });
        EXPECT_EQ(entry->vValue.vt, VT_I4);
        EXPECT_EQ(platform::LiveBstrCount(), nLiveBefore);
    }
    EXPECT_EQ(platform::LiveBstrCount(), nLiveBefore);
}

TEST_F(FieldProperties, RecordFieldChoiceRoundTrips)
{
    const CsvFieldEntry* pLastName = ContactRow("Last Name");
    ASSERT_NE(pLastName, nullptr);
    CustomEntry entry = NewCustomEntry();
    {
        TfmFieldProp dialog;
        dialog.SetEntry(entry.get());
        const int nResult = Run(dialog, [](TfmFieldProp& shown) {
            shown.rbtnField->click();
            shown.cbField->setCurrentIndex(shown.cbField->findText("Last Name"));
            shown.btnOK->click();
        });
        EXPECT_EQ(nResult, QDialog::Accepted);
    }
    EXPECT_EQ(entry->nType, CUSTOM_KIND_FIELD);
    EXPECT_EQ(entry->vValue.vt, VT_I4);
    EXPECT_EQ(entry->vValue.lVal, pLastName->nId);

    TfmFieldProp reopened;
    reopened.cbType->setCurrentIndex(2);
    reopened.SetEntry(entry.get());
    EXPECT_TRUE(reopened.rbtnField->isChecked());
    EXPECT_EQ(reopened.cbField->currentText(), "Last Name");
    EXPECT_TRUE(reopened.cbField->isEnabled());
    EXPECT_FALSE(reopened.edtString->isEnabled());
    EXPECT_EQ(reopened.cbType->currentText(), "Float");  // no item for 7: unchanged
}

TEST_F(FieldProperties, RecordFieldWithAnUnknownIdSelectsNothing)
{
    CustomEntry entry = NewCustomEntry();
    VariantClear(&entry->vValue);
    entry->nType = CUSTOM_KIND_FIELD;
    entry->vValue.vt = VT_I4;
    entry->vValue.lVal = 5000;
    TfmFieldProp dialog;
    dialog.SetEntry(entry.get());
    EXPECT_TRUE(dialog.rbtnField->isChecked());
    EXPECT_EQ(dialog.cbField->currentIndex(), -1);
}

TEST_F(FieldProperties, RecordFieldWithoutAFieldIsRefused)
{
    CustomEntry entry = NewCustomEntry();
    TfmFieldProp dialog;
    dialog.SetEntry(entry.get());
    dialog.show();
    dialog.rbtnField->click();
    dialog.cbField->setCurrentIndex(-1);
    dialog.btnOK->click();

    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Please choose a record field.");
    EXPECT_EQ(messages.Messages()[0].caption, "Brindle Error");
    EXPECT_EQ(messages.Messages()[0].icon, TMessageIcon::Error);
    EXPECT_EQ(messages.Messages()[0].owner, &dialog);
    EXPECT_EQ(entry->nType, CUSTOM_KIND_TEXT);
    EXPECT_EQ(BstrText(entry->vValue), "Custom Text");

    dialog.cbField->setCurrentIndex(1);
    dialog.btnOK->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(entry->nType, CUSTOM_KIND_FIELD);
}

TEST_F(FieldProperties, OkStoresTheNameCutToWholeCharacters)
{
    const QString longName = QString("é").repeated(200);  // 400 bytes
    const struct {
        QString typed;
        std::string stored;
    } cases[] = {
        {"Order No", "Order No"},
        {longName, longName.first(127).toStdString()},
    };
    for (const auto& testCase : cases) {
        CustomEntry entry = NewCustomEntry();
        TfmFieldProp dialog;
        dialog.SetEntry(entry.get());
        Run(dialog, [&](TfmFieldProp& shown) {
            shown.edtName->setText(testCase.typed);
            shown.btnOK->click();
        });
        EXPECT_EQ(std::string(entry->szName), testCase.stored);
    }
}

TEST_F(FieldProperties, CancelChangesNothing)
{
    CustomEntry entry = NewCustomEntry();
    const CsvFieldEntry before = *entry;
    TfmFieldProp dialog;
    dialog.SetEntry(entry.get());
    const int nResult = Run(dialog, [](TfmFieldProp& shown) {
        shown.edtName->setText("Renamed");
        shown.rbtnNumber->click();
        shown.edtNumber->setText("12");
        shown.btnCancel->click();
    });
    EXPECT_EQ(nResult, QDialog::Rejected);
    EXPECT_EQ(std::memcmp(entry.get(), &before, sizeof before), 0);
    EXPECT_EQ(BstrText(entry->vValue), "Custom Text");
}

}  // namespace
