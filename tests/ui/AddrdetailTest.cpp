#include "UiTest.h"

#include "main/Addrdetail.h"
#include "records/CommAddrRec.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cstring>
#include <memory>
#include <span>

namespace {

using ContactDetail = UiTest;

std::unique_ptr<CommAddrRec> NewContact()
{
    auto pRec = std::make_unique<CommAddrRec>();
    std::memset(pRec.get(), 0, sizeof(CommAddrRec));
    return pRec;
}

template <std::size_t N>
void Put(char (&member)[N], const std::string& text)
{
    ASSERT_LT(text.size(), N);
    std::memcpy(member, text.c_str(), text.size() + 1);
}

// Which member of the contact each box shows.
using MemberOf = std::span<char> (*)(CommAddrRec&);
#define MEMBER(member) [](CommAddrRec& rec) { return std::span<char>(rec.member); }

const struct {
    const char* szControl;
    MemberOf member;
} kShownMembers[] = {
    {"edtFirst", MEMBER(szFirstName)},         {"edtLast", MEMBER(szLastName)},
    {"edtCompany", MEMBER(szCompany)},         {"edtTitle", MEMBER(szTitle)},
    {"edtBusiTel", MEMBER(szWorkPhone)},       {"edtHomeTel", MEMBER(szHomePhone)},
    {"edtMobileTel", MEMBER(szMobilePhone)},   {"edtOtherTel", MEMBER(szOtherPhone)},
    {"edtEmail", MEMBER(szEmail)},             {"edtFax", MEMBER(szWorkFax)},
    {"edtPager", MEMBER(szPager)},             {"edtMainTel", MEMBER(szPrimaryPhone)},
    {"edtCategory", MEMBER(szCategory)},       {"memBusiStreet", MEMBER(szWorkStreet)},
    {"edtBusiCity", MEMBER(szWorkCity)},       {"edtBusiState", MEMBER(szWorkState)},
    {"edtBusiPostal", MEMBER(szWorkPostal)},   {"edtBusiCountry", MEMBER(szWorkCountry)},
    {"memHomeStreet", MEMBER(szHomeStreet)},   {"edtHomeCity", MEMBER(szHomeCity)},
    {"edtHomeState", MEMBER(szHomeState)},     {"edtHomePostal", MEMBER(szHomePostal)},
    {"edtHomeCountry", MEMBER(szHomeCountry)}, {"memOtherStreet", MEMBER(szOtherStreet)},
    {"edtOtherCity", MEMBER(szOtherCity)},     {"edtOtherState", MEMBER(szOtherState)},
    {"edtOtherPostal", MEMBER(szOtherPostal)}, {"edtOtherCountry", MEMBER(szOtherCountry)},
    {"memNotes", MEMBER(szNote)},              {"edtCustom1", MEMBER(szCustom[0])},
    {"edtCustom2", MEMBER(szCustom[1])},       {"edtCustom3", MEMBER(szCustom[2])},
    {"edtCustom4", MEMBER(szCustom[3])},       {"edtCustom5", MEMBER(szCustom[4])},
    {"edtCustom6", MEMBER(szCustom[5])},       {"edtCustom7", MEMBER(szCustom[6])},
    {"edtCustom8", MEMBER(szCustom[7])},       {"edtCustom9", MEMBER(szCustom[8])},
    {"edtIM1", MEMBER(szIM1)},                 {"edtIM2", MEMBER(szIM2)},
    {"edtHomepage", MEMBER(szWorkHomePage)},
};

#undef MEMBER

QString BoxText(const QWidget& dialog, const char* szControl)
{
    if (const auto* edit = dialog.findChild<QLineEdit*>(szControl))
        return edit->text();
    if (const auto* memo = dialog.findChild<QPlainTextEdit*>(szControl))
        return memo->toPlainText();
    ADD_FAILURE() << "no box " << szControl;
    return {};
}

QString LabelOf(const QWidget& dialog, const QWidget* box)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == box)
            return label->text();
    return {};
}

TEST_F(ContactDetail, EveryBoxShowsItsOwnMember)
{
    auto pRec = NewContact();
    for (const auto& shown : kShownMembers) {
        const std::span<char> member = shown.member(*pRec);
        const std::string text = std::string(shown.szControl).substr(0, member.size() - 1);
        std::memcpy(member.data(), text.c_str(), text.size() + 1);
    }
    pRec->szCustom[9][0] = 'X';  // only the first nine custom fields are shown

    TfmAddrDetail dialog;
    EXPECT_TRUE(dialog.SetRecord(pRec.get()));
    for (const auto& shown : kShownMembers)
        EXPECT_EQ(BoxText(dialog, shown.szControl).toStdString(), shown.member(*pRec).data()) << shown.szControl;
    EXPECT_EQ(dialog.findChild<QLineEdit*>("edtCustom10"), nullptr);
}

TEST_F(ContactDetail, FullWidthMembersAndLineBreaks)
{
    auto pRec = NewContact();
    std::memset(pRec->szFirstName, 'F', sizeof pRec->szFirstName);  // no terminator: the box stops at the width
    pRec->szLastName[0] = 'L';
    Put(pRec->szWorkStreet, "1 Main Street\r\nSuite 5");
    const std::string longNote = std::string(8000, 'n') + "\r\nend";
    Put(pRec->szNote, longNote.substr(0, sizeof pRec->szNote - 1));
    Put(pRec->szCompany, "Müller & Söhne");

    TfmAddrDetail dialog;
    dialog.SetRecord(pRec.get());
    EXPECT_EQ(dialog.edtFirst->text(), QString(32, 'F'));
    EXPECT_EQ(dialog.edtLast->text(), "L");
    EXPECT_EQ(dialog.memBusiStreet->toPlainText(), "1 Main Street\nSuite 5");
    EXPECT_EQ(dialog.memNotes->toPlainText(), QString::fromStdString(std::string(8000, 'n') + "\nend"));
    EXPECT_EQ(dialog.edtCompany->text(), "Müller & Söhne");
}

TEST_F(ContactDetail, PrivateFlagAndTheBirthdayBoxLeftEmpty)
{
    const struct {
        LONG nPrivate;
        bool bChecked;
    } cases[] = {{0, false}, {1, true}, {-1, true}};
    for (const auto& testCase : cases) {
        auto pRec = NewContact();
        pRec->nPrivate = testCase.nPrivate;
        pRec->dBirthday = 29000.0;  // 1979-05-25
        TfmAddrDetail dialog;
        dialog.edtBirthday->setText("stale");
        dialog.SetRecord(pRec.get());
        EXPECT_EQ(dialog.cbPrivate->isChecked(), testCase.bChecked) << testCase.nPrivate;
        EXPECT_EQ(dialog.edtBirthday->text(), "");
    }
}

TEST_F(ContactDetail, FormSheetsAndLabels)
{
    TfmAddrDetail dialog;
    EXPECT_EQ(dialog.windowTitle(), "Contact detail information");
    EXPECT_EQ(dialog.btnClose->text(), "&Close");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

    const struct {
        QTabWidget* pages;
        std::vector<std::pair<QWidget*, const char*>> sheets;
    } pageControls[] = {
        {dialog.pMain,
         {{dialog.tGen, "General"}, {dialog.tAddr, "Address"}, {dialog.tNotes, "Notes"}, {dialog.tOther, "Other Information"}}},
        {dialog.pAddr, {{dialog.tBusiAddr, "Business"}, {dialog.tHomeAddr, "Home"}, {dialog.tOtherAddr, "Other"}}},
    };
    for (const auto& pages : pageControls) {
        ASSERT_EQ(pages.pages->count(), static_cast<int>(pages.sheets.size()));
        for (int nIndex = 0; nIndex < pages.pages->count(); ++nIndex) {
            EXPECT_EQ(pages.pages->widget(nIndex), pages.sheets[nIndex].first);
            EXPECT_EQ(pages.pages->tabText(nIndex), pages.sheets[nIndex].second);
        }
    }
    for (const char* szName : {"pMain", "tGen", "tAddr", "tNotes", "tOther", "pAddr", "tBusiAddr", "tHomeAddr", "tOtherAddr"})
        EXPECT_NE(dialog.findChild<QWidget*>(szName), nullptr) << szName;

    const struct {
        QWidget* box;
        const char* szName;
        const char* szLabel;
    } labels[] = {
        {dialog.edtFirst, "edtFirst", "First Name:"},       {dialog.edtLast, "edtLast", "Last Name:"},
        {dialog.edtCompany, "edtCompany", "Company:"},      {dialog.edtTitle, "edtTitle", "Job Title:"},
        {dialog.edtBusiTel, "edtBusiTel", "Business:"},     {dialog.edtHomeTel, "edtHomeTel", "Home:"},
        {dialog.edtMobileTel, "edtMobileTel", "Mobile:"},   {dialog.edtOtherTel, "edtOtherTel", "Other:"},
        {dialog.edtEmail, "edtEmail", "Email:"},            {dialog.edtFax, "edtFax", "Fax:"},
        {dialog.edtPager, "edtPager", "Pager:"},            {dialog.edtMainTel, "edtMainTel", "Main:"},
        {dialog.edtCategory, "edtCategory", "Category:"},   {dialog.memHomeStreet, "memHomeStreet", "Street:"},
        {dialog.edtHomeCity, "edtHomeCity", "City:"},       {dialog.edtHomeState, "edtHomeState", "State:"},
        {dialog.edtHomePostal, "edtHomePostal", "Postal Code:"}, {dialog.edtHomeCountry, "edtHomeCountry", "Country:"},
        {dialog.edtCustom1, "edtCustom1", "Custom 1:"},     {dialog.edtCustom9, "edtCustom9", "Custom 9:"},
        {dialog.edtIM1, "edtIM1", "IM 1:"},                 {dialog.edtIM2, "edtIM2", "IM 2:"},
        {dialog.edtHomepage, "edtHomepage", "Home Page:"},
    };
    for (const auto& label : labels) {
        EXPECT_EQ(label.box->objectName(), label.szName);
        EXPECT_EQ(LabelOf(dialog, label.box), label.szLabel) << label.szName;
    }
    EXPECT_EQ(dialog.cbPrivate->text(), "Private");
    EXPECT_EQ(dialog.btnGo->text(), ">>");
    EXPECT_EQ(dialog.memNotes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // "&&" shows a single "&" in a group box title.
    QStringList groups;
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        groups << group->title();
    groups.sort();
    EXPECT_EQ(groups.join('|').toStdString(), " Birthday | Chat && Web | Custom Fields | Name | Telephone Numbers ");
}

TEST_F(ContactDetail, WithoutARecordNothingIsFilled)
{
    TfmAddrDetail dialog;
    EXPECT_FALSE(dialog.UpdateDialog(false));
    EXPECT_FALSE(dialog.UpdateDialog(true));
    EXPECT_FALSE(dialog.SetRecord(nullptr));
    EXPECT_EQ(dialog.edtFirst->text(), "");
}

TEST_F(ContactDetail, TypingChangesNeitherTheRecordNorAnything)
{
    auto pRec = NewContact();
    Put(pRec->szFirstName, "Ann");
    Put(pRec->szNote, "note");
    const auto before = NewContact();
    std::memcpy(before.get(), pRec.get(), sizeof(CommAddrRec));

    TfmAddrDetail dialog;
    dialog.SetRecord(pRec.get());
    ui::ModalRecorder recorder([](QDialog& shown) {
        auto& detail = dynamic_cast<TfmAddrDetail&>(shown);
        detail.edtFirst->setText("Bob");
        detail.memNotes->setPlainText("typed");
        detail.cbPrivate->setChecked(true);
        EXPECT_TRUE(detail.UpdateDialog(true));
        detail.btnClose->click();
    });
    EXPECT_EQ(ExecModal(dialog), QDialog::Rejected);
    EXPECT_EQ(std::memcmp(pRec.get(), before.get(), sizeof(CommAddrRec)), 0);
    EXPECT_TRUE(shell.Calls().empty());
}

// Home pages may come from a CSV file: only web addresses reach the shell.
TEST_F(ContactDetail, GoOpensOnlyWebAddresses)
{
    const struct {
        const char* szTyped;
        const char* szOpened;  // null: nothing is opened
    } cases[] = {
        {"", nullptr},
        {"   ", nullptr},
        {"http://www.example.com/page", "http://www.example.com/page"},
        {"https://example.org/a?b=c#d", "https://example.org/a?b=c#d"},
        {"HTTPS://Example.org", "HTTPS://Example.org"},
        {"  https://example.org  ", "https://example.org"},
        {"www.example.com/page", "http://www.example.com/page"},
        {"example.co.uk", "http://example.co.uk"},
        {"intranet.example:8080/start", "http://intranet.example:8080/start"},
        {"192.168.0.1/admin", "http://192.168.0.1/admin"},
        {"bücher.example", "http://bücher.example"},
        {"http://", nullptr},
        {"file:///etc/passwd", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"./run.sh", nullptr},
        {"../../etc/passwd", nullptr},
        {"~/.bashrc", nullptr},
        {"C:\\Windows\\System32\\calc.exe", nullptr},
        {"mailto:someone@example.com", nullptr},
        {"someone@example.com", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://example.com", nullptr},
        {"xterm", nullptr},
        {"-e.example.com", nullptr},
        {"example..com", nullptr},
        {"1.2.3", nullptr},
        {"example.com:port", nullptr},
        {"http://example.com\n/usr/bin/xterm", nullptr},
    };
    for (const auto& testCase : cases) {
        platform::ShellCallRecorder calls;
        TfmAddrDetail dialog;
        dialog.edtHomepage->setText(QString::fromUtf8(testCase.szTyped));
        dialog.btnGo->click();
        if (!testCase.szOpened) {
            EXPECT_TRUE(calls.Calls().empty()) << testCase.szTyped;
            continue;
        }
        ASSERT_EQ(calls.Calls().size(), 1u) << testCase.szTyped;
        EXPECT_EQ(calls.Calls()[0].verb, "open");
        EXPECT_EQ(calls.Calls()[0].file, testCase.szOpened);
        EXPECT_EQ(calls.Calls()[0].parameters, "");
    }
}

TEST_F(ContactDetail, GoOpensTheRecordsHomePageOrWhatWasTyped)
{
    auto pRec = NewContact();
    TfmAddrDetail dialog;
    dialog.SetRecord(pRec.get());
    dialog.btnGo->click();
    EXPECT_TRUE(shell.Calls().empty());

    dialog.edtHomepage->setText("www.example.net");
    dialog.btnGo->click();
    Put(pRec->szWorkHomePage, "https://corp.example/about");
    dialog.SetRecord(pRec.get());
    dialog.btnGo->click();
    ASSERT_EQ(shell.Calls().size(), 2u);
    EXPECT_EQ(shell.Calls()[0].file, "http://www.example.net");
    EXPECT_EQ(shell.Calls()[1].file, "https://corp.example/about");
}

}  // namespace
