// The Undo an Import dialog of page 0: the journal's runs newest first in the program's words,
// runs undone already out of reach, and the chosen runs taken back.
#include "UndoTest.h"

#include "main/ClickLabel.h"
#include "main/Undo.h"
#include "olsim/OutlookSimulator.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

namespace {

using UndoDialog = UndoTest;

TEST_F(UndoDialog, ControlsAndCaptions)
{
    TfmUndo dialog;
    EXPECT_EQ(dialog.windowTitle(), "Undo an Import");
    EXPECT_EQ(dialog.objectName(), "fmUndo");
    const std::pair<QWidget*, const char*> members[] = {
        {dialog.pTop, "pTop"},       {dialog.imgIcon, "imgIcon"},     {dialog.imgText, "imgText"},
        {dialog.Label1, "Label1"},   {dialog.lvRuns, "lvRuns"},       {dialog.lblNoRuns, "lblNoRuns"},
        {dialog.btnUndo, "btnUndo"}, {dialog.btnClose, "btnClose"},
    };
    for (const auto& [member, szName] : members) {
        EXPECT_EQ(member->objectName(), szName);
        EXPECT_EQ(dialog.findChildren<QWidget*>(szName).size(), 1) << szName;
    }
    EXPECT_EQ(dialog.btnUndo->text(), "&Undo");
    EXPECT_EQ(dialog.btnClose->text(), "&Close");
    const QTreeWidgetItem* header = dialog.lvRuns->headerItem();
    EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2), header->text(3)}),
              QStringList({"Time", "Kind", "File", "Result"}));
    EXPECT_EQ(dialog.lvRuns->selectionMode(), QAbstractItemView::ExtendedSelection);

    TfmMode page;
    EXPECT_EQ(page.btnUndoImport->objectName(), "btnUndoImport");
    EXPECT_EQ(page.btnUndoImport->text(), "Undo an Import...");
}

TEST_F(UndoDialog, WithoutRunsTheListIsEmptyAndSaysWhy)
{
    const std::string path = DefaultJournalPath();
    const struct {
        const char* szCase;
        std::function<void()> prepare;
        const char* szNote;  // what the line begins with
    } cases[] = {
        {"missing", [] {}, "No import has been recorded yet."},
        {"empty", [&] { TImportJournal journal(path); }, "No import has been recorded yet."},
        {"not a journal", [&] { WriteFile(path, "First Name,Last Name\r\n"); }, "The import journal cannot be read: "},
    };
    for (const auto& c : cases) {
        c.prepare();
        TfmUndo dialog;
        EXPECT_EQ(dialog.lvRuns->topLevelItemCount(), 0) << c.szCase;
        EXPECT_FALSE(dialog.lblNoRuns->isHidden()) << c.szCase;
        EXPECT_TRUE(dialog.lblNoRuns->text().startsWith(c.szNote))
            << c.szCase << ": " << dialog.lblNoRuns->text().toStdString();
        EXPECT_FALSE(dialog.btnUndo->isEnabled()) << c.szCase;
        dialog.btnUndo->click();
        EXPECT_TRUE(messages.Messages().empty()) << c.szCase;
    }
    EXPECT_EQ(ReadFile(path), "First Name,Last Name\r\n") << "a file that is no journal is left as it is";
}

TEST_F(UndoDialog, MissingJournalIsNotMadeByLooking)
{
    {
        TfmUndo dialog;
    }
    EXPECT_FALSE(std::filesystem::exists(DefaultJournalPath()));
}

// Three imports: contacts undone on the result page, then tasks and notes. The dialog, opened
// from page 0, undoes the tasks alone, then whatever can still be chosen: the notes.
TEST_F(UndoDialog, ListsTheRunsNewestFirstAndUndoesTheChosenOnes)
{
    const QJsonArray tasksBefore = Listing("tasks");
    const QJsonArray notesBefore = Listing("notes");
    Import(FLAG_ADDR, "people.csv", "First Name,Last Name\r\nDana,Cole\r\n");
    fmFinish->btnUndo->click();
    clock.Set(At(10, 5));
    Import(FLAG_TASK, "tasks.csv", "Subject,Notes\r\nWater the plants,weekly\r\nCall the bank,\r\n");
    clock.Set(At(11, 40));
    Import(FLAG_NOTE, "notes.csv", "Body\r\nRemember the milk\r\n");
    const QJsonArray notesImported = Listing("notes");
    ASSERT_EQ(notesImported.size(), notesBefore.size() + 1);
    fmFinish->btnAnother->click();
    ASSERT_EQ(Step(), 0);

    ui::ModalRecorder dialogs([&](QDialog& shown) {
        auto* dialog = qobject_cast<TfmUndo*>(&shown);
        ASSERT_NE(dialog, nullptr);
        QTreeWidget* list = dialog->lvRuns;
        EXPECT_TRUE(dialog->lblNoRuns->isHidden());
        EXPECT_EQ(Captions(list, 0), QStringList({"03/14/2025 11:40", "03/14/2025 10:05", "03/14/2025 09:30"}));
        EXPECT_EQ(Captions(list, 1), QStringList({"Notes", "Tasks", "Contacts"}));
        EXPECT_EQ(Captions(list, 2), QStringList({QString::fromStdString(TempFile("notes.csv")),
                                                  QString::fromStdString(TempFile("tasks.csv")),
                                                  QString::fromStdString(TempFile("people.csv"))}));
        EXPECT_EQ(Captions(list, 3), QStringList({"1 added, 0 updated, 0 identical", "2 added, 0 updated, 0 identical",
                                                  "1 added, 0 updated, 0 identical (undone)"}));
        EXPECT_FALSE(dialog->btnUndo->isEnabled()) << "nothing is chosen yet";

        list->topLevelItem(1)->setSelected(true);
        ASSERT_TRUE(dialog->btnUndo->isEnabled());
        dialog->btnUndo->click();
        EXPECT_EQ(Listing("tasks"), tasksBefore);
        EXPECT_EQ(Listing("notes"), notesImported) << "only the chosen run is undone";
        EXPECT_EQ(Captions(list, 3),
                  QStringList({"1 added, 0 updated, 0 identical", "2 added, 0 updated, 0 identical (undone)",
                               "1 added, 0 updated, 0 identical (undone)"}));
        EXPECT_FALSE(dialog->btnUndo->isEnabled()) << "the list is filled afresh, nothing chosen";

        list->selectAll();
        EXPECT_TRUE(list->topLevelItem(0)->isSelected());
        EXPECT_FALSE(list->topLevelItem(1)->isSelected()) << "an undone run cannot be chosen";
        EXPECT_FALSE(list->topLevelItem(2)->isSelected()) << "an undone run cannot be chosen";
        dialog->btnUndo->click();
        EXPECT_EQ(Listing("notes"), notesBefore);
        EXPECT_TRUE(Captions(list, 3).at(0).endsWith(" (undone)"));
        dialog->btnClose->click();
    });
    fmMode->btnUndoImport->click();

    ASSERT_EQ(dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(dialogs.Dialogs()[0].className, "TfmUndo");
    EXPECT_EQ(dialogs.Dialogs()[0].title, "Undo an Import");
    EXPECT_EQ(dialogs.Dialogs()[0].owner, &Wizard());
    EXPECT_EQ(dialogs.Dialogs()[0].result, QDialog::Rejected);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"1 item removed, 0 restored", "2 items removed, 0 restored",
                                                        "1 item removed, 0 restored"}));
    EXPECT_TRUE(questions.Questions().empty());
}

// Outlook out of reach when the program starts again later: told, nothing undone, the run
// still there to undo once Outlook is back.
TEST_F(UndoDialog, OutlookOutOfReachIsToldAndChangesNothing)
{
    const QJsonArray before = Listing("tasks");
    Import(FLAG_TASK, "tasks.csv", "Subject\r\nWater the plants\r\n");
    const QJsonArray imported = Listing("tasks");
    wizard.reset();

    olsim::UnregisterOutlookSimulator();
    {
        TfmUndo dialog;
        dialog.lvRuns->selectAll();
        dialog.btnUndo->click();
        EXPECT_EQ(Captions(dialog.lvRuns, 3), QStringList({"1 added, 0 updated, 0 identical"}));
    }
    olsim::RegisterOutlookSimulator();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Outlook cannot be reached, so nothing was undone."});
    EXPECT_EQ(messages.Messages()[0].caption.toStdString(), "Brindle Error");
    EXPECT_EQ(Listing("tasks"), imported);

    TfmUndo dialog;
    dialog.lvRuns->selectAll();
    dialog.btnUndo->click();
    EXPECT_EQ(Listing("tasks"), before);
    EXPECT_EQ(Captions(dialog.lvRuns, 3), QStringList({"1 added, 0 updated, 0 identical (undone)"}));
}

}  // namespace
