#include "WizardTest.h"

#include "common/misc/CxFile.h"
#include "main/Source.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>
#include <memory>

namespace {

class SourcePage : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        AppSettings.AppMode = MODE_O2C;
        AppSettings.AppFlag = FLAG_ADDR;
    }

    void TearDown() override
    {
        owner.reset();
        WizardTest::TearDown();
    }

    QRadioButton* QuoteButton(char chWhich)
    {
        switch (chWhich) {
        case 'N':
            return page.rbtnQuoteNone;
        case 'D':
            return page.rbtnQuoteDouble;
        case 'S':
            return page.rbtnQuoteSingle;
        default:
            return page.rbtnQuoteCustom;
        }
    }

    std::unique_ptr<TfmSource> owner = std::make_unique<TfmSource>();
    TfmSource& page = *owner;
};

TEST_F(SourcePage, ControlsAndCaptions)
{
    const struct {
        QAbstractButton* button;
        const char* szName;
        const char* szCaption;
    } buttons[] = {
        {page.btnCSVBrowse, "btnCSVBrowse", "..."},
        {page.rbtnQuoteNone, "rbtnQuoteNone", "None"},
        {page.rbtnQuoteDouble, "rbtnQuoteDouble", "Double ( \" )"},
        {page.rbtnQuoteSingle, "rbtnQuoteSingle", "Single ( ' )"},
        {page.rbtnQuoteCustom, "rbtnQuoteCustom", "Custom"},
        {page.rbtnAppend, "rbtnAppend", "Append to Existed File"},
        {page.rbtnOverwrite, "rbtnOverwrite", "Overwrite the Existed File"},
        {page.cbAddTitle, "cbAddTitle", "Add field title text when exporting Outlook information to CSV file. "},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->objectName(), b.szName);
        EXPECT_EQ(b.button->text().toStdString(), b.szCaption);
        EXPECT_EQ(page.findChild<QAbstractButton*>(b.szName), b.button);
    }
    const struct {
        QLabel* label;
        const char* szName;
        const char* szCaption;
    } labels[] = {
        {page.Label4, "Label4", "CSV File Path:"},
        {page.Label2, "Label2", "Quotation Mark:"},
        {page.Label3, "Label3", "If the file is existed:"},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(l.label->objectName(), l.szName);
        EXPECT_EQ(l.label->text().toStdString(), l.szCaption);
    }
    EXPECT_EQ(page.suiGroupBox1->title(), " CSV File ");
    EXPECT_EQ(page.findChild<QLineEdit*>("edtCSVFile"), page.edtCSVFile);
    EXPECT_EQ(page.findChild<QLineEdit*>("edtQuoteCustom"), page.edtQuoteCustom);
}

TEST_F(SourcePage, EnteringShowsTheSettings)
{
    const struct {
        const char* szQuoteMark;
        int nAppend;
        bool bTitle;
        char chChecked;
        const char* szCustomShown;
    } cases[] = {
        {"", 0, false, 'N', "kept"},
        {"\"", 1, true, 'D', "kept"},
        {"'", 0, true, 'S', "kept"},
        {"##", 1, false, 'C', "##"},
        {"\"x", 0, false, 'D', "kept"},
    };
    for (const auto& c : cases) {
        std::strcpy(AppSettings.QuoteMark, c.szQuoteMark);
        AppSettings.AppendCSV = c.nAppend;
        AppSettings.AddTitle = c.bTitle;
        page.edtQuoteCustom->setText("kept");
        EXPECT_TRUE(page.UpdatePage(false));
        EXPECT_TRUE(QuoteButton(c.chChecked)->isChecked()) << c.szQuoteMark;
        EXPECT_EQ(page.edtQuoteCustom->text().toStdString(), c.szCustomShown);
        EXPECT_EQ(page.rbtnAppend->isChecked(), c.nAppend != 0);
        EXPECT_EQ(page.rbtnOverwrite->isChecked(), c.nAppend == 0);
        EXPECT_EQ(page.cbAddTitle->isChecked(), c.bTitle);
    }
}

TEST_F(SourcePage, EachKindShowsItsOwnFile)
{
    std::strcpy(AppSettings.CsvAddrFile, "/data/contacts.csv");
    std::strcpy(AppSettings.CsvDateFile, "/data/calendar.csv");
    std::strcpy(AppSettings.CsvTaskFile, "/data/tasks.csv");
    std::strcpy(AppSettings.CsvNoteFile, "/data/notes.csv");
    const struct {
        int nFlag;
        const char* szShown;
    } cases[] = {
        {FLAG_TASK, "/data/tasks.csv"}, {FLAG_ADDR, "/data/contacts.csv"}, {3, "/data/contacts.csv"},
        {FLAG_NOTE, "/data/notes.csv"}, {FLAG_DATE, "/data/calendar.csv"},
    };
    for (const auto& c : cases) {
        AppSettings.AppFlag = c.nFlag;
        page.UpdatePage(false);
        EXPECT_EQ(page.edtCSVFile->text().toStdString(), c.szShown) << c.nFlag;
    }
}

TEST_F(SourcePage, LeavingStoresTheQuoteMark)
{
    const struct {
        char chChoice;  // N, D, S, C, or 0 for no button checked
        const char* szCustom;
        const char* szStored;
        char chShownNext;
    } cases[] = {
        {'N', "##", "", 'N'},
        {'D', "", "\"", 'D'},
        {'S', "", "'", 'S'},
        {'C', "##", "##", 'C'},
        {'C', "", "", 'N'},
        {'C', "abcdefghij", "abcdef", 'C'},
        {'C', "\"", "\"", 'D'},
        {0, "%", "%", 'C'},
    };
    for (const auto& c : cases) {
        page.UpdatePage(false);
        page.edtCSVFile->setText(QString::fromStdString(TempFile("out.csv")));
        page.edtQuoteCustom->setText(c.szCustom);
        if (c.chChoice == 0) {
            page.rbtnQuoteNone->group()->setExclusive(false);
            for (QRadioButton* button : {page.rbtnQuoteNone, page.rbtnQuoteDouble, page.rbtnQuoteSingle, page.rbtnQuoteCustom})
                button->setChecked(false);
            page.rbtnQuoteNone->group()->setExclusive(true);
        } else {
            QuoteButton(c.chChoice)->setChecked(true);
        }
        ASSERT_TRUE(page.UpdatePage(true)) << c.szCustom;
        EXPECT_STREQ(AppSettings.QuoteMark, c.szStored);
        page.UpdatePage(false);
        EXPECT_TRUE(QuoteButton(c.chShownNext)->isChecked()) << c.szCustom;
    }
}

TEST_F(SourcePage, FileNameErrorsStayWithTheFocusOnTheFileEdit)
{
    const struct {
        int nMode;
        std::string file;
        const char* szMessage;
    } cases[] = {
        {MODE_O2C, "", "Invalid CSV file name. Please try another one."},
        {MODE_C2O, "", "Invalid CSV file name. Please specify an existing CSV file."},
        {MODE_C2O, TempFile("missing.csv"), "Invalid CSV file name. Please specify an existing CSV file."},
    };
    page.show();
    QApplication::setActiveWindow(&page);
    for (const auto& c : cases) {
        ui::MessageRecorder shown;
        AppSettings.AppMode = c.nMode;
        page.btnCSVBrowse->setFocus();
        page.edtCSVFile->setText(QString::fromStdString(c.file));
        EXPECT_FALSE(page.UpdatePage(true));
        ASSERT_EQ(shown.Messages().size(), 1u);
        EXPECT_EQ(shown.Messages()[0].text.toStdString(), c.szMessage);
        EXPECT_EQ(shown.Messages()[0].caption, "Brindle Error");
        EXPECT_EQ(shown.Messages()[0].owner, &page);
        EXPECT_EQ(QApplication::focusWidget(), page.edtCSVFile) << c.szMessage;
        EXPECT_EQ(pOlAddr, nullptr) << "nothing created before the name is right";
    }
    page.hide();
}

TEST_F(SourcePage, SettingsStoredBeforeAFailedOpenAreKept)
{
    const std::string file = TempFile("no folder/out.csv");
    page.UpdatePage(false);
    page.edtCSVFile->setText(QString::fromStdString(file));
    page.rbtnQuoteSingle->setChecked(true);
    page.rbtnAppend->setChecked(true);
    page.cbAddTitle->setChecked(true);

    EXPECT_FALSE(page.UpdatePage(true));

    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text.toStdString(), "Error opening CSV file: " + file + "\nNo such file or directory");
    EXPECT_STREQ(AppSettings.QuoteMark, "'");
    EXPECT_EQ(AppSettings.AppendCSV, 1);
    EXPECT_EQ(AppSettings.CsvAddrFile, file);
    EXPECT_FALSE(AppSettings.AddTitle) << "stored only when the file opened";
}

TEST_F(SourcePage, AnUnknownKindRefusesWithoutAMessage)
{
    AppSettings.AppFlag = 3;
    page.edtCSVFile->setText(QString::fromStdString(TempFile("out.csv")));
    EXPECT_FALSE(page.UpdatePage(true));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SourcePage, OpenModeFollowsTheDirection)
{
    const std::string file = TempFile("data.csv");
    const struct {
        int nMode;
        bool bAppend;
        bool bOpen;  // pCsvFile is open after leaving
    } cases[] = {
        {MODE_O2C, true, true},
        {MODE_O2C, false, false},  // checked only; the run empties and opens it
        {MODE_C2O, true, true},
        {MODE_C2O, false, true},
    };
    for (const auto& c : cases) {
        WriteFile(file, "\"a\",\"b\"\r\n");
        AppSettings.AppMode = c.nMode;
        page.UpdatePage(false);
        page.edtCSVFile->setText(QString::fromStdString(file));
        (c.bAppend ? page.rbtnAppend : page.rbtnOverwrite)->setChecked(true);
        ASSERT_TRUE(page.UpdatePage(true));
        std::string content;
        const bool bReadable = pCsvFile->Seek(0, SEEK_SET) == 0 && pCsvFile->ReadRest(content) && !content.empty();
        EXPECT_EQ(bReadable, c.bOpen && (c.nMode == MODE_C2O || c.bAppend)) << c.nMode << c.bAppend;
        if (bReadable) {
            EXPECT_EQ(content, "\"a\",\"b\"\r\n");
        }
        EXPECT_EQ(AppSettings.AppendCSV, c.bAppend ? 1 : 0);
        DestroyConvObjects();
        EXPECT_EQ(ReadFile(file), "\"a\",\"b\"\r\n") << "leaving the page never changes the file";
    }
}

TEST_F(SourcePage, OverwriteCheckLeavesNoNewFileBehind)
{
    const std::string file = TempFile("new.csv");
    page.edtCSVFile->setText(QString::fromStdString(file));
    page.rbtnOverwrite->setChecked(true);
    ASSERT_TRUE(page.UpdatePage(true));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SourcePage, BrowseOffersTheKindsDialog)
{
    const struct {
        int nFlag;
        const char* szTitle;
    } cases[] = {
        {FLAG_ADDR, "Open Contacts CSV file"}, {FLAG_DATE, "Open Calendar CSV file"},
        {FLAG_TASK, "Open Tasks CSV file"},    {FLAG_NOTE, "Open Notes CSV file"},
        {3, ""},
    };
    for (const auto& c : cases) {
        ui::FileDialogRecorder dialogs(QString("/chosen/file.csv"));
        AppSettings.AppFlag = c.nFlag;
        page.edtCSVFile->setText("/start/here.csv");
        page.btnCSVBrowse->click();
        ASSERT_EQ(dialogs.Dialogs().size(), 1u);
        const TOpenFileDialogSetup& setup = dialogs.Dialogs()[0];
        EXPECT_EQ(setup.title.toStdString(), c.szTitle);
        EXPECT_EQ(setup.owner, &page);
        EXPECT_EQ(setup.initialFile, "/start/here.csv");
        EXPECT_EQ(setup.filters, (QStringList{"CSV File(*.csv)", "All Files(*.*)"}));
        EXPECT_EQ(page.edtCSVFile->text(), "/chosen/file.csv");
    }
}

TEST_F(SourcePage, CancelledBrowseKeepsTheFileName)
{
    page.edtCSVFile->setText(QString(300, 'a'));
    page.btnCSVBrowse->click();
    ASSERT_EQ(fileDialogs.Dialogs().size(), 1u);
    EXPECT_EQ(fileDialogs.Dialogs()[0].initialFile, QString(259, 'a')) << "at most 259 characters";
    EXPECT_EQ(page.edtCSVFile->text(), QString(300, 'a'));
}

}  // namespace
