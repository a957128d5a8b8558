#include "main/Addrdetail.h"

#include "common/misc/WinUtil.h"
#include "records/CommAddrRec.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstddef>
#include <span>

namespace {

// One box that shows a text member of the contact.
template <typename Control>
struct TextBox {
    Control* TfmAddrDetail::*control;
    const char* szName;
    const char* szLabel;
    std::size_t nOffset;
    std::size_t nWidth;
};

using EditBox = TextBox<QLineEdit>;
using MemoBox = TextBox<QPlainTextEdit>;

#define ADDR_BOX(control, label, member) \
    {&TfmAddrDetail::control, #control, label, offsetof(CommAddrRec, member), sizeof(CommAddrRec::member)}

const EditBox kNameBoxes[] = {
    ADDR_BOX(edtFirst, "First Name:", szFirstName),
    ADDR_BOX(edtLast, "Last Name:", szLastName),
    ADDR_BOX(edtCompany, "Company:", szCompany),
    ADDR_BOX(edtTitle, "Job Title:", szTitle),
};

// Laid out in two columns of four.
const EditBox kPhoneBoxes[] = {
    ADDR_BOX(edtBusiTel, "Business:", szWorkPhone),
    ADDR_BOX(edtHomeTel, "Home:", szHomePhone),
    ADDR_BOX(edtMobileTel, "Mobile:", szMobilePhone),
    ADDR_BOX(edtOtherTel, "Other:", szOtherPhone),
    ADDR_BOX(edtEmail, "Email:", szEmail),
    ADDR_BOX(edtFax, "Fax:", szWorkFax),
    ADDR_BOX(edtPager, "Pager:", szPager),
    ADDR_BOX(edtMainTel, "Main:", szPrimaryPhone),
};

const EditBox kCategoryBoxes[] = {
    ADDR_BOX(edtCategory, "Category:", szCategory),
};

struct AddressSheet {
    QWidget* TfmAddrDetail::*sheet;
    const char* szName;
    const char* szCaption;
    MemoBox street;
    EditBox boxes[4];
};

const AddressSheet kAddressSheets[] = {
    {&TfmAddrDetail::tBusiAddr,
     "tBusiAddr",
     "Business",
     ADDR_BOX(memBusiStreet, "Street:", szWorkStreet),
     {ADDR_BOX(edtBusiCity, "City:", szWorkCity), ADDR_BOX(edtBusiState, "State:", szWorkState),
      ADDR_BOX(edtBusiPostal, "Postal Code:", szWorkPostal), ADDR_BOX(edtBusiCountry, "Country:", szWorkCountry)}},
    {&TfmAddrDetail::tHomeAddr,
     "tHomeAddr",
     "Home",
     ADDR_BOX(memHomeStreet, "Street:", szHomeStreet),
     {ADDR_BOX(edtHomeCity, "City:", szHomeCity), ADDR_BOX(edtHomeState, "State:", szHomeState),
      ADDR_BOX(edtHomePostal, "Postal Code:", szHomePostal), ADDR_BOX(edtHomeCountry, "Country:", szHomeCountry)}},
    {&TfmAddrDetail::tOtherAddr,
     "tOtherAddr",
     "Other",
     ADDR_BOX(memOtherStreet, "Street:", szOtherStreet),
     {ADDR_BOX(edtOtherCity, "City:", szOtherCity), ADDR_BOX(edtOtherState, "State:", szOtherState),
      ADDR_BOX(edtOtherPostal, "Postal Code:", szOtherPostal),
      ADDR_BOX(edtOtherCountry, "Country:", szOtherCountry)}},
};

const MemoBox kNotesBox = ADDR_BOX(memNotes, "", szNote);

// The first nine of the contact's custom fields.
const EditBox kCustomBoxes[] = {
    ADDR_BOX(edtCustom1, "Custom 1:", szCustom[0]), ADDR_BOX(edtCustom2, "Custom 2:", szCustom[1]),
    ADDR_BOX(edtCustom3, "Custom 3:", szCustom[2]), ADDR_BOX(edtCustom4, "Custom 4:", szCustom[3]),
    ADDR_BOX(edtCustom5, "Custom 5:", szCustom[4]), ADDR_BOX(edtCustom6, "Custom 6:", szCustom[5]),
    ADDR_BOX(edtCustom7, "Custom 7:", szCustom[6]), ADDR_BOX(edtCustom8, "Custom 8:", szCustom[7]),
    ADDR_BOX(edtCustom9, "Custom 9:", szCustom[8]),
};

const EditBox kChatBoxes[] = {
    ADDR_BOX(edtIM1, "IM 1:", szIM1),
    ADDR_BOX(edtIM2, "IM 2:", szIM2),
    ADDR_BOX(edtHomepage, "Home Page:", szWorkHomePage),
};

#undef ADDR_BOX

const std::span<const EditBox> kEditBoxes[] = {kNameBoxes, kPhoneBoxes, kCategoryBoxes, kCustomBoxes, kChatBoxes};

QString MemberText(const CommAddrRec* pRec, std::size_t nOffset, std::size_t nWidth)
{
    return RecordText(reinterpret_cast<const char*>(pRec) + nOffset, nWidth);
}

// Ascii letters, digits, '-' and any letter or digit beyond ascii (an international name).
bool IsHostLabel(QStringView label)
{
    if (label.isEmpty() || label.front() == u'-' || label.back() == u'-')
        return false;
    for (const QChar ch : label)
        if (!ch.isLetterOrNumber() && ch != u'-')
            return false;
    return true;
}

bool IsAllDigits(QStringView text)
{
    for (const QChar ch : text)
        if (!ch.isDigit())
            return false;
    return !text.isEmpty();
}

// A dotted host name such as www.example.com, or four numbers such as 192.168.0.1, with an
// optional port.
bool IsHostName(QStringView host)
{
    const qsizetype nColon = host.indexOf(u':');
    if (nColon >= 0) {
        if (!IsAllDigits(host.sliced(nColon + 1)))
            return false;
        host = host.first(nColon);
    }
    const QList<QStringView> labels = host.split(u'.');
    if (labels.size() < 2)
        return false;
    for (const QStringView label : labels)
        if (!IsHostLabel(label))
            return false;
    if (!IsAllDigits(labels.back()))
        return true;
    if (labels.size() != 4)
        return false;
    for (const QStringView label : labels)
        if (!IsAllDigits(label))
            return false;
    return true;
}

// What btnGo may hand to the shell for a home page text, or the empty text. The text may come
// from a CSV file, and the shell opens local files and starts programs as readily as web
// pages, so only web addresses pass.
QString WebAddressOf(const QString& text)
{
    const QString address = text.trimmed();
    for (const QChar ch : address)
        if (ch.category() == QChar::Other_Control)
            return {};
    for (const QLatin1StringView scheme : {QLatin1StringView("http://"), QLatin1StringView("https://")})
        if (address.startsWith(scheme, Qt::CaseInsensitive))
            return address.size() > scheme.size() ? address : QString();
    const qsizetype nHostEnd = address.indexOf(QRegularExpression("[/?#]"));
    const QStringView host = QStringView(address).first(nHostEnd < 0 ? address.size() : nHostEnd);
    return IsHostName(host) ? "http://" + address : QString();
}

}  // namespace

TfmAddrDetail::TfmAddrDetail(QWidget* owner) : TDetailDialog(owner, "fmAddrDetail", "Contact detail information")
{
    const auto addEdits = [this](QGridLayout* grid, std::span<const EditBox> boxes, int nRows) {
        for (int nIndex = 0; nIndex < static_cast<int>(boxes.size()); ++nIndex) {
            const EditBox& box = boxes[nIndex];
            this->*box.control = AddEdit(grid, nIndex % nRows, box.szName, box.szLabel, nIndex / nRows);
        }
    };
    const auto addGroup = [](QWidget* parent, const char* szCaption) {
        auto* group = new QGroupBox(QString::fromUtf8(szCaption), parent);
        return std::pair{group, new QGridLayout(group)};
    };

    pMain = new QTabWidget(this);
    pMain->setObjectName("pMain");

    tGen = new QWidget(pMain);
    tGen->setObjectName("tGen");
    pMain->addTab(tGen, "General");
    auto* general = new QVBoxLayout(tGen);
    const auto [nameGroup, nameGrid] = addGroup(tGen, " Name ");
    addEdits(nameGrid, kNameBoxes, static_cast<int>(std::size(kNameBoxes)));
    const auto [phoneGroup, phoneGrid] = addGroup(tGen, " Telephone Numbers ");
    addEdits(phoneGrid, kPhoneBoxes, 4);
    const auto [birthdayGroup, birthdayGrid] = addGroup(tGen, " Birthday ");
    edtBirthday = new QLineEdit(birthdayGroup);
    edtBirthday->setObjectName("edtBirthday");
    birthdayGrid->addWidget(edtBirthday, 0, 0);
    cbPrivate = AddCheck(tGen, "cbPrivate", "Private");
    auto* categoryGrid = new QGridLayout;
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(birthdayGroup);
    bottom->addLayout(categoryGrid, 1);
    general->addWidget(nameGroup);
    general->addWidget(phoneGroup);
    general->addLayout(bottom);
    general->addStretch();
    // The grid has its widget only once it sits in the sheet's layout.
    addEdits(categoryGrid, kCategoryBoxes, 1);
    categoryGrid->addWidget(cbPrivate, 1, 1);

    tAddr = new QWidget(pMain);
    tAddr->setObjectName("tAddr");
    pMain->addTab(tAddr, "Address");
    pAddr = new QTabWidget(tAddr);
    pAddr->setObjectName("pAddr");
    (new QVBoxLayout(tAddr))->addWidget(pAddr);
    for (const AddressSheet& sheet : kAddressSheets) {
        auto* page = new QWidget(pAddr);
        page->setObjectName(sheet.szName);
        this->*sheet.sheet = page;
        pAddr->addTab(page, sheet.szCaption);
        auto* grid = new QGridLayout(page);
        this->*sheet.street.control = AddMemo(grid, 0, sheet.street.szName, sheet.street.szLabel);
        for (int nIndex = 0; nIndex < static_cast<int>(std::size(sheet.boxes)); ++nIndex) {
            const EditBox& box = sheet.boxes[nIndex];
            this->*box.control = AddEdit(grid, nIndex + 1, box.szName, box.szLabel);
        }
    }

    tNotes = new QWidget(pMain);
    tNotes->setObjectName("tNotes");
    pMain->addTab(tNotes, "Notes");
    memNotes = new QPlainTextEdit(tNotes);
    memNotes->setObjectName(kNotesBox.szName);
    memNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    (new QVBoxLayout(tNotes))->addWidget(memNotes);

    tOther = new QWidget(pMain);
    tOther->setObjectName("tOther");
    pMain->addTab(tOther, "Other Information");
    auto* other = new QVBoxLayout(tOther);
    const auto [customGroup, customGrid] = addGroup(tOther, " Custom Fields ");
    addEdits(customGrid, kCustomBoxes, 5);
    // "&&": the group box would take a single "&" for a mnemonic and hide it.
    const auto [chatGroup, chatGrid] = addGroup(tOther, " Chat && Web ");
    addEdits(chatGrid, kChatBoxes, static_cast<int>(std::size(kChatBoxes)));
    btnGo = new QPushButton(">>", chatGroup);
    btnGo->setObjectName("btnGo");
    btnGo->setFixedWidth(40);
    chatGrid->addWidget(btnGo, 2, 2);
    other->addWidget(customGroup);
    other->addWidget(chatGroup);
    other->addStretch();

    auto* body = new QVBoxLayout;
    body->addWidget(pMain);
    SetBody(body, QSize(560, 500));

    connect(btnGo, &QPushButton::clicked, this, &TfmAddrDetail::btnGoClick);

    FormCreate();
}

void TfmAddrDetail::FormCreate() { m_pRec = nullptr; }

bool TfmAddrDetail::SetRecord(const CommAddrRec* pRec)
{
    m_pRec = pRec;
    return UpdateDialog(false);
}

bool TfmAddrDetail::UpdateDialog(bool bSave)
{
    if (!m_pRec)
        return false;
    if (bSave)
        return true;

    for (const std::span<const EditBox> boxes : kEditBoxes)
        for (const EditBox& box : boxes)
            (this->*box.control)->setText(MemberText(m_pRec, box.nOffset, box.nWidth));
    for (const AddressSheet& sheet : kAddressSheets) {
        ShowMemoText(this->*sheet.street.control, MemberText(m_pRec, sheet.street.nOffset, sheet.street.nWidth));
        for (const EditBox& box : sheet.boxes)
            (this->*box.control)->setText(MemberText(m_pRec, box.nOffset, box.nWidth));
    }
    ShowMemoText(memNotes, MemberText(m_pRec, kNotesBox.nOffset, kNotesBox.nWidth));
    // The birthday is not shown.
    edtBirthday->clear();
    cbPrivate->setChecked(m_pRec->nPrivate != 0);
    return true;
}

void TfmAddrDetail::btnGoClick()
{
    const QString address = WebAddressOf(edtHomepage->text());
    if (!address.isEmpty())
        ShellOpenFile(address.toUtf8().constData());
}
