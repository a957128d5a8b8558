// Undoing an import from the result page: the profile goes back to what it was, items
// changed since are taken back only when the user says so, and a journal that cannot be read
// costs nothing.
#include "UndoTest.h"

#include "common/outlook/OlAddrUtil.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

namespace {

// Ann is in Outlook already and gets a job title; Carl is new.
const std::string kPeopleCsv = "First Name,Last Name,Email 1,Job Title\r\n"
                               "Ann,Baker,ann@example.com,Engineer\r\n"
                               "Carl,Young,carl@example.com,\r\n";

class ResultPageUndo : public UndoTest {
protected:
    void SetUp() override
    {
        UndoTest::SetUp();
        AddContact("Ann", "Baker", "ann@example.com");
        AddContact("Bob", "Smith", "bob@example.com");
    }

    static void AddContact(const char* szFirst, const char* szLast, const char* szEmail)
    {
        OlAddrUtil adapter;
        const auto pRec = std::make_unique<CommAddrRec>();
        std::strcpy(pRec->szFirstName, szFirst);
        std::strcpy(pRec->szLastName, szLast);
        std::strcpy(pRec->szEmail, szEmail);
        ASSERT_TRUE(adapter.SaveRecord(pRec.get()));
    }

    // Another program edits the contact's address; returns how many contacts it edited.
    static int ChangeEmail(const std::string& fullName)
    {
        return ChangeItems(FLAG_ADDR, [&](CDispCmd& item) {
            return Text(item, OLESTR("FullName")) == fullName &&
                   SUCCEEDED(item.PutString(OLESTR("Email1Address"), "changed@example.net"));
        });
    }

    static QJsonArray Without(const QJsonArray& listing, const QString& fullName)
    {
        QJsonArray kept;
        for (const QJsonValue& item : listing)
            if (item.toObject().value("FullName").toString() != fullName)
                kept.append(item);
        return kept;
    }
};

TEST_F(ResultPageUndo, TakesTheImportBack)
{
    const QJsonArray before = Listing("contacts");
    Import(FLAG_ADDR, "people.csv", kPeopleCsv);
    ASSERT_TRUE(fmFinish->lblCounts->text().startsWith("1 added, 1 updated, 0 identical"))
        << fmFinish->lblCounts->text().toStdString();
    ASSERT_NE(Listing("contacts"), before);
    ASSERT_FALSE(fmFinish->btnUndo->isHidden());
    ASSERT_TRUE(fmFinish->btnUndo->isEnabled());
    EXPECT_EQ(fmFinish->btnUndo->text(), "Undo This Import");
    EXPECT_EQ(fmFinish->btnUndo->parentWidget(), fmFinish->btnAnother->parentWidget());

    fmFinish->btnUndo->click();

    EXPECT_EQ(Listing("contacts"), before);
    EXPECT_FALSE(fmFinish->btnUndo->isEnabled());
    EXPECT_EQ(fmFinish->lblUndone->text().toStdString(), "Import undone: 1 item removed, 1 restored");
    EXPECT_TRUE(questions.Questions().empty());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text.toStdString(), "1 item removed, 1 restored");
    EXPECT_EQ(messages.Messages()[0].caption.toStdString(), "Brindle");
    EXPECT_EQ(messages.Messages()[0].icon, TMessageIcon::Information);
}

TEST_F(ResultPageUndo, ButtonIsOfferedOnlyForAnImportTheJournalKept)
{
    const std::string journalPath = DefaultJournalPath();
    const struct {
        const char* szCase;
        int nMode;
        bool bBrokenJournal;
        bool bOffered;
    } cases[] = {
        {"import", MODE_C2O, false, true},
        {"export", MODE_O2C, false, false},
        {"import without a journal", MODE_C2O, true, false},
        {"import after the journal came back", MODE_C2O, false, true},
    };
    for (const auto& c : cases) {
        if (c.bBrokenJournal)
            WriteFile(journalPath, "this is no journal\n");
        else if (ReadFile(journalPath).starts_with("this is no journal"))
            std::filesystem::remove(journalPath);
        if (c.nMode == MODE_C2O) {
            ui::QuestionRecorder importAnyway(TQuestionAnswer::Yes);
            Import(FLAG_ADDR, "people.csv", kPeopleCsv);
            EXPECT_EQ(importAnyway.Questions().size(), c.bBrokenJournal ? 1u : 0u) << c.szCase;
        } else {
            fmFinish->btnAnother->click();
            ChooseConversion(MODE_O2C, FLAG_ADDR);
            SetFileOptions({TempFile("out.csv"), '"', false, false});
            ChooseFields({"Last Name"});
            Convert();
        }
        ASSERT_EQ(Step(), 5) << c.szCase;
        EXPECT_EQ(!fmFinish->btnUndo->isHidden(), c.bOffered) << c.szCase;
        EXPECT_TRUE(fmFinish->btnUndo->isEnabled()) << c.szCase;
        EXPECT_TRUE(fmFinish->lblUndone->text().isEmpty()) << c.szCase;
    }
}

// Without its journal an import could not be undone: the user is asked first, and "No"
// leaves Outlook as it was.
TEST_F(ResultPageUndo, WithoutAJournalTheImportWaitsForTheUsersWord)
{
    WriteFile(DefaultJournalPath(), "this is no journal\n");
    const QJsonArray before = Listing("contacts");
    ui::QuestionRecorder refuse(TQuestionAnswer::No);
    Import(FLAG_ADDR, "people.csv", kPeopleCsv);

    ASSERT_EQ(refuse.Questions().size(), 1u);
    EXPECT_TRUE(refuse.Questions()[0].text.startsWith("The import journal cannot be opened: "))
        << refuse.Questions()[0].text.toStdString();
    EXPECT_TRUE(refuse.Questions()[0].text.endsWith("This import could not be undone. Import anyway?"));
    EXPECT_EQ(Listing("contacts"), before);
    EXPECT_EQ(fmFinish->lblResult->text().toStdString(), "Conversion cancelled. 0 records were converted");
    EXPECT_TRUE(fmFinish->btnUndo->isHidden());
}

// The user is asked about the contact edited after the import; the new contact goes in every case
// but Cancel, the edited one only with Yes.
TEST_F(ResultPageUndo, ItemsChangedSinceAreTakenBackOnlyWhenTheUserSaysSo)
{
    const struct {
        TQuestionAnswer answer;
        bool bUndone;
        bool bChangedKept;
        const char* szReport;
    } cases[] = {
        {TQuestionAnswer::Yes, true, false, "1 item removed, 1 restored"},
        {TQuestionAnswer::No, true, true, "1 item removed, 0 restored, 1 left as it is because it changed since"},
        {TQuestionAnswer::Cancel, false, true, ""},
    };
    WORD wHour = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szReport);
        Tool({"clear", "contacts"});
        AddContact("Ann", "Baker", "ann@example.com");
        AddContact("Bob", "Smith", "bob@example.com");
        const QJsonArray before = Listing("contacts");
        clock.Set(At(wHour, 0));
        Import(FLAG_ADDR, "people.csv", kPeopleCsv);
        clock.Set(At(wHour++, 1));
        ASSERT_EQ(ChangeEmail("Ann Baker"), 1);
        const QJsonArray changed = Listing("contacts");
        questions.SetAnswer(c.answer);
        const std::size_t nQuestions = questions.Questions().size();
        const std::size_t nMessages = messages.Messages().size();

        fmFinish->btnUndo->click();

        ASSERT_EQ(questions.Questions().size(), nQuestions + 1);
        const ui::AskedQuestion& question = questions.Questions().back();
        EXPECT_EQ(question.text.toStdString(),
                  "1 item was changed in Outlook after the import:\nAnn Baker\n\nTake it back too?");
        EXPECT_EQ(question.caption.toStdString(), "Brindle");
        const QJsonArray expected = !c.bUndone ? changed : c.bChangedKept ? Without(changed, "Carl Young") : before;
        EXPECT_EQ(Listing("contacts"), expected);
        EXPECT_EQ(fmFinish->btnUndo->isEnabled(), !c.bUndone);
        EXPECT_EQ(fmFinish->lblUndone->text().toStdString(),
                  c.bUndone ? std::string("Import undone: ") + c.szReport : "");
        EXPECT_EQ(messages.Messages().size(), nMessages + (c.bUndone ? 1 : 0));
        TImportJournal journal(DefaultJournalPath());
        EXPECT_EQ(journal.Runs(1).at(0).dUndone != 0, c.bUndone);
    }
}

TEST_F(ResultPageUndo, QuestionNamesTheFirstTenChangedItemsAndCountsTheRest)
{
    std::string csv = "First Name,Last Name\r\n";
    std::set<std::string> names;
    for (int nPerson = 1; nPerson <= 12; ++nPerson) {
        csv += "Person,No" + std::to_string(nPerson) + "\r\n";
        names.insert("Person No" + std::to_string(nPerson));
    }
    Import(FLAG_ADDR, "many.csv", csv);
    clock.Set(At(9, 45));
    ASSERT_EQ(ChangeItems(FLAG_ADDR,
                          [](CDispCmd& item) {
                              return Text(item, OLESTR("FirstName")) == "Person" &&
                                     SUCCEEDED(item.PutString(OLESTR("JobTitle"), "Changed"));
                          }),
              12);
    const QJsonArray changed = Listing("contacts");

    fmFinish->btnUndo->click();

    ASSERT_EQ(questions.Questions().size(), 1u);
    const QStringList lines = questions.Questions()[0].text.split('\n');
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], "12 items were changed in Outlook after the import:");
    std::set<std::string> named;
    for (int nLine = 1; nLine <= 10; ++nLine)
        named.insert(lines[nLine].toStdString());
    EXPECT_EQ(named.size(), 10u);
    EXPECT_TRUE(std::includes(names.begin(), names.end(), named.begin(), named.end()));
    EXPECT_EQ(lines[11], "and 2 more");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "Take them back too?");
    EXPECT_EQ(Listing("contacts"), changed) << "Cancel changes nothing";
}

// A journal that cannot be read stops the undo before anything changed; once it is back, the
// same button takes the import back.
TEST_F(ResultPageUndo, UnreadableJournalIsToldAndLeavesTheImportUndoable)
{
    const QJsonArray before = Listing("contacts");
    Import(FLAG_ADDR, "people.csv", kPeopleCsv);
    const QJsonArray imported = Listing("contacts");
    const std::string journalPath = DefaultJournalPath();
    const std::string journal = ReadFile(journalPath);
    ASSERT_FALSE(journal.empty());
    ASSERT_FALSE(std::filesystem::exists(journalPath + "-wal")) << "the run's journal was left open";

    WriteFile(journalPath, "this is no journal\n");
    fmFinish->btnUndo->click();

    ASSERT_EQ(messages.Messages().size(), 1u);
    const ui::ShownMessage& message = messages.Messages()[0];
    EXPECT_TRUE(message.text.startsWith("The import journal cannot be opened: ")) << message.text.toStdString();
    EXPECT_EQ(message.caption.toStdString(), "Brindle Error");
    EXPECT_EQ(message.icon, TMessageIcon::Error);
    EXPECT_EQ(Listing("contacts"), imported);
    EXPECT_TRUE(fmFinish->btnUndo->isEnabled());
    EXPECT_TRUE(fmFinish->lblUndone->text().isEmpty());

    WriteFile(journalPath, journal);
    fmFinish->btnUndo->click();
    EXPECT_EQ(Listing("contacts"), before);
    EXPECT_EQ(fmFinish->lblUndone->text().toStdString(), "Import undone: 1 item removed, 1 restored");
}

}  // namespace
