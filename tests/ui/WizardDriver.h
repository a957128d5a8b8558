// Plays the user of the wizard: the real main window and pages, driven through their
// controls, against the simulated Outlook of the test.
#pragma once

#include "WizardTest.h"

#include "common/misc/CxFile.h"
#include "main/engine/Apputil.h"
#include "main/Csvfield.h"
#include "main/Finish.h"
#include "main/Main.h"
#include "main/Mode.h"
#include "main/Proc.h"
#include "main/Source.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

class WizardDriverTest : public WizardTest {
protected:
    struct FileOptions {
        std::string file;
        char chQuote = '"';  // '"', '\'', 0 for none
        bool bAppend = false;
        bool bTitle = false;
        int nDelimiter = DELIMITER_COMMA;
        int nEncoding = ENCODING_DETECT;
        bool bByteOrderMark = false;
    };

    void TearDown() override
    {
        wizard.reset();
        WizardTest::TearDown();
    }

    TfmMain& Wizard()
    {
        if (!wizard)
            wizard = std::make_unique<TfmMain>();
        return *wizard;
    }

    int Step() { return Wizard().CurrentStep(); }
    void Next() { Wizard().btnNext->click(); }
    void Prev() { Wizard().btnPrev->click(); }

    // Page 0, then Next.
    void ChooseConversion(int nMode, int nFlag)
    {
        Wizard();
        (nMode == MODE_C2O ? fmMode->rbtnC2O : fmMode->rbtnO2C)->setChecked(true);
        const std::pair<int, QRadioButton*> kinds[] = {
            {FLAG_ADDR, fmMode->rbtnAddr}, {FLAG_DATE, fmMode->rbtnDate},
            {FLAG_TASK, fmMode->rbtnTask}, {FLAG_NOTE, fmMode->rbtnNote}};
        for (const auto& [nKind, button] : kinds)
            if (nKind == nFlag)
                button->setChecked(true);
        Next();
    }

    // Page 1, then Next.
    void SetFileOptions(const FileOptions& options)
    {
        fmSource->edtCSVFile->setText(QString::fromStdString(options.file));
        if (options.chQuote == '"')
            fmSource->rbtnQuoteDouble->setChecked(true);
        else if (options.chQuote == '\'')
            fmSource->rbtnQuoteSingle->setChecked(true);
        else
            fmSource->rbtnQuoteNone->setChecked(true);
        (options.bAppend ? fmSource->rbtnAppend : fmSource->rbtnOverwrite)->setChecked(true);
        fmSource->cbAddTitle->setChecked(options.bTitle);
        fmSource->cbDelimiter->setCurrentIndex(options.nDelimiter);
        fmSource->cbEncoding->setCurrentIndex(options.nEncoding);
        fmSource->cbByteOrderMark->setChecked(options.bByteOrderMark);
        Next();
    }

    // Page 2: moves the named fields, in this order, to the selected list (all of them for an
    // empty list), then Next.
    void ChooseFields(const QStringList& names = {})
    {
        if (names.isEmpty()) {
            fmCSVField->btnSel->click();
        }
        for (const QString& name : names) {
            fmCSVField->btnAllClear->click();
            for (int nItem = 0; nItem < fmCSVField->lvAll->topLevelItemCount(); ++nItem) {
                QTreeWidgetItem* item = fmCSVField->lvAll->topLevelItem(nItem);
                if (item->text(0) == name)
                    item->setCheckState(0, Qt::Checked);
            }
            fmCSVField->btnSel->click();
        }
        Next();
    }

    // Page 3 keeps its rows checked; Next, then the run (its timer fired at once).
    void Convert()
    {
        Next();
        if (Step() == 4)
            fmProc->tmConvertTimer();
    }

    // The items of a kind in the simulated Outlook, as the olsim tool lists them.
    static QJsonArray Items(const std::string& kind)
    {
        const std::string json = Tool({"list", kind, "--format", "json"});
        return QJsonDocument::fromJson(QByteArray::fromStdString(json)).array();
    }

    static std::vector<std::string> Texts(const QJsonArray& items, const char* szProperty)
    {
        std::vector<std::string> texts;
        for (const QJsonValue& item : items)
            texts.push_back(item.toObject().value(szProperty).toString().toStdString());
        return texts;
    }

    std::unique_ptr<TfmMain> wizard;
};
