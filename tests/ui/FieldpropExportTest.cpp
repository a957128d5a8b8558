#include "WizardDriver.h"

#include "common/outlook/OlAddrUtil.h"
#include "main/Fieldprop.h"

#include <QComboBox>
#include <QLabel>
#include <cstring>
#include <deque>
#include <functional>

namespace {

// Custom columns made in the field properties dialog end up in the exported file.
class CustomColumnExport : public WizardDriverTest {
protected:
    static void AddContact(const char* szFirst, const char* szLast)
    {
        OlAddrUtil adapter;
        const auto pRec = std::make_unique<CommAddrRec>();
        std::strcpy(pRec->szFirstName, szFirst);
        std::strcpy(pRec->szLastName, szLast);
        ASSERT_TRUE(adapter.SaveRecord(pRec.get()));
    }

    // Page 2: "First Name", then one inserted column per answer, in order.
    void ChooseColumns(std::deque<std::function<void(TfmFieldProp&)>> answers)
    {
        ui::ModalRecorder dialogs([&answers](QDialog& dialog) {
            ASSERT_FALSE(answers.empty());
            auto& properties = dynamic_cast<TfmFieldProp&>(dialog);
            EXPECT_EQ(properties.lblDesc->text(), "Contacts Field Properties:");
            answers.front()(properties);
            answers.pop_front();
        });
        fmCSVField->btnAllClear->click();
        for (int nItem = 0; nItem < fmCSVField->lvAll->topLevelItemCount(); ++nItem)
            if (fmCSVField->lvAll->topLevelItem(nItem)->text(0) == "First Name")
                fmCSVField->lvAll->topLevelItem(nItem)->setCheckState(0, Qt::Checked);
        fmCSVField->btnSel->click();
        const size_t nAnswers = answers.size();
        for (size_t nAnswer = 0; nAnswer < nAnswers; ++nAnswer)
            fmCSVField->btnInsert->click();
        EXPECT_TRUE(answers.empty());
    }
};

TEST_F(CustomColumnExport, RowsHoldTheSequenceNumberTheFixedTextAndTheCopiedField)
{
    AddContact("Ann", "Baker");
    AddContact("Bob", "Smith");
    const std::string file = TempFile("custom.csv");
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({file, '"', false, true});

    ChooseColumns({
        [](TfmFieldProp& dialog) {
            dialog.edtName->setText("No.");
            dialog.rbtnNumber->click();
            dialog.edtNumber->setText("100");
            dialog.btnOK->click();
        },
        [](TfmFieldProp& dialog) {
            dialog.edtName->setText("Source");
            dialog.edtString->setText("Outlook, main profile");
            dialog.btnOK->click();
        },
        [](TfmFieldProp& dialog) {
            dialog.edtName->setText("Surname");
            dialog.rbtnField->click();
            dialog.cbField->setCurrentIndex(dialog.cbField->findText("Last Name"));
            dialog.btnOK->click();
        },
        [](TfmFieldProp& dialog) {
            dialog.edtName->setText("Dropped");
            dialog.btnCancel->click();
        },
    });
    EXPECT_EQ(Captions(fmCSVField->lvSel), QStringList({"First Name", "No.", "Source", "Surname"}));
    Next();
    Convert();

    ASSERT_EQ(Step(), 5);
    EXPECT_EQ(ReadFile(file), "First Name,No.,Source,Surname\r\n"
                              "\"Ann\",\"100\",\"Outlook, main profile\",\"Baker\"\r\n"
                              "\"Bob\",\"101\",\"Outlook, main profile\",\"Smith\"\r\n");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CustomColumnExport, PropertiesChangeAColumnAlreadyInserted)
{
    AddContact("Ann", "Baker");
    const std::string file = TempFile("changed.csv");
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({file, '"', false, false});
    ChooseColumns({[](TfmFieldProp& dialog) { dialog.btnOK->click(); }});

    ui::ModalRecorder dialogs([](QDialog& dialog) {
        auto& properties = dynamic_cast<TfmFieldProp&>(dialog);
        EXPECT_EQ(properties.edtString->text(), "Custom Text");
        properties.edtName->setText("Row Number");
        properties.rbtnNumber->click();
        properties.edtNumber->setText("7");
        properties.btnOK->click();
    });
    QTreeWidgetItem* custom = fmCSVField->lvSel->topLevelItem(1);
    ASSERT_NE(custom, nullptr);
    fmCSVField->lvSel->setCurrentItem(custom);
    fmCSVField->btnProp->click();
    ASSERT_EQ(dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(custom->text(0), "Row Number") << "the page shows the column's new name";
    Next();
    Convert();

    ASSERT_EQ(Step(), 5);
    EXPECT_EQ(ReadFile(file), "\"Ann\",\"7\"\r\n");
}

}  // namespace
