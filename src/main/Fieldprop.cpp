#include "main/Fieldprop.h"

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "main/engine/Apputil.h"
#include "main/DetailForm.h"
#include "main/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <limits>

namespace {

// What the dialog needs of each kind: its heading and its field table.
struct KindFields {
    int nFlag;
    const char* szDesc;
    int (*GetFieldCount)();
    const CsvFieldEntry* (*GetFieldDef)(unsigned);
};

const KindFields kKinds[] = {
    {FLAG_ADDR, "Contacts Field Properties:", &OlAddrUtil::GetFieldCount, &OlAddrUtil::GetFieldDef},
    {FLAG_DATE, "Calendar Field Properties:", &OlDateUtil::GetFieldCount, &OlDateUtil::GetFieldDef},
    {FLAG_TASK, "Task Field Properties:", &OlTaskUtil::GetFieldCount, &OlTaskUtil::GetFieldDef},
    {FLAG_NOTE, "Notes Field Properties:", &OlNoteUtil::GetFieldCount, &OlNoteUtil::GetFieldDef},
};

const KindFields* KindOf(int nFlag)
{
    for (const KindFields& kind : kKinds)
        if (kind.nFlag == nFlag)
            return &kind;
    return nullptr;
}

const struct {
    int nCode;
    const char* szText;
} kTypes[] = {
    {0, "None"}, {1, "Integer"}, {2, "Float"}, {3, "DateTime"}, {4, "String"}, {5, "Boolean"},
};

// The decimal number the text starts with (after blanks, with an optional sign), held to the
// range of a LONG; 0 when it starts with anything else.
LONG LeadingNumber(const QString& text)
{
    constexpr long long kLimit = std::numeric_limits<LONG>::max();
    const QString trimmed = text.trimmed();
    qsizetype nPos = 0;
    const bool bNegative = !trimmed.isEmpty() && trimmed[0] == u'-';
    if (!trimmed.isEmpty() && (trimmed[0] == u'-' || trimmed[0] == u'+'))
        ++nPos;
    long long nValue = 0;
    for (; nPos < trimmed.size() && trimmed[nPos] >= u'0' && trimmed[nPos] <= u'9'; ++nPos)
        nValue = std::min(nValue * 10 + (trimmed[nPos].unicode() - u'0'), kLimit + 1);
    return static_cast<LONG>(bNegative ? -nValue : std::min(nValue, kLimit));
}

QString BstrText(BSTR bstrText)
{
    return bstrText ? QString::fromUtf16(bstrText, SysStringLen(bstrText)) : QString();
}

QLabel* AddLabel(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* label = new QLabel(QString::fromUtf8(szCaption), parent);
    label->setObjectName(szName);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    button->setMinimumSize(92, 30);
    return button;
}

template <typename Control>
Control* AddControl(QWidget* parent, const char* szName)
{
    auto* control = new Control(parent);
    control->setObjectName(szName);
    return control;
}

void SelectItemWithData(QComboBox* list, int nData)
{
    list->setCurrentIndex(list->findData(nData));
}

}  // namespace

TfmFieldProp::TfmFieldProp(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("fmFieldProp");
    setWindowTitle("Field Properties");

    lblDesc = AddLabel(this, "lblDesc", "");
    QFont bold = lblDesc->font();
    bold.setBold(true);
    lblDesc->setFont(bold);
    Label1 = AddLabel(this, "Label1", "Field Name:");
    edtName = AddControl<QLineEdit>(this, "edtName");
    Label1->setBuddy(edtName);

    suiGroupBox1 = new QGroupBox(" Field Value ", this);
    suiGroupBox1->setObjectName("suiGroupBox1");
    rbtnField = AddRadio(suiGroupBox1, "rbtnField", "Contact record field");
    cbField = AddControl<QComboBox>(suiGroupBox1, "cbField");
    rbtnNumber = AddRadio(suiGroupBox1, "rbtnNumber", "Seq. number starting from");
    edtNumber = AddControl<QLineEdit>(suiGroupBox1, "edtNumber");
    rbtnString = AddRadio(suiGroupBox1, "rbtnString", "Fixed String:");
    edtString = AddControl<QLineEdit>(suiGroupBox1, "edtString");
    // Fixed texts are kept whole, however long.
    edtString->setMaxLength(INT_MAX);
    auto* valueLayout = new QVBoxLayout(suiGroupBox1);
    valueLayout->addWidget(rbtnField);
    valueLayout->addWidget(cbField);
    valueLayout->addWidget(rbtnNumber);
    valueLayout->addWidget(edtNumber);
    valueLayout->addWidget(rbtnString);
    valueLayout->addWidget(edtString);

    Label2 = AddLabel(this, "Label2", "Field Type:");
    cbType = AddControl<QComboBox>(this, "cbType");
    Label2->setBuddy(cbType);
    Label3 = AddLabel(this, "Label3", "Field Length:");
    edtLength = AddControl<QLineEdit>(this, "edtLength");
    edtLength->setFixedWidth(80);
    Label3->setBuddy(edtLength);
    Label4 = AddLabel(this, "Label4", "characters long.");

    btnOK = AddButton(this, "btnOK", "OK");
    btnOK->setDefault(true);
    btnCancel = AddButton(this, "btnCancel", "Cancel");

    auto* properties = new QGridLayout;
    properties->addWidget(Label2, 0, 0);
    properties->addWidget(cbType, 0, 1, 1, 2);
    properties->addWidget(Label3, 1, 0);
    properties->addWidget(edtLength, 1, 1);
    properties->addWidget(Label4, 1, 2);
    properties->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(lblDesc);
    layout->addWidget(Label1);
    layout->addWidget(edtName);
    layout->addWidget(suiGroupBox1);
    layout->addLayout(properties);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(401, 429);

    connect(btnOK, &QPushButton::clicked, this, &TfmFieldProp::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Toggled rather than clicked: the handlers also run when the program checks a button.
    connect(rbtnField, &QRadioButton::toggled, this, [this](bool bChecked) {
        if (bChecked)
            rbtnFieldClick();
    });
    connect(rbtnNumber, &QRadioButton::toggled, this, [this](bool bChecked) {
        if (bChecked)
            rbtnNumberClick();
    });
    connect(rbtnString, &QRadioButton::toggled, this, [this](bool bChecked) {
        if (bChecked)
            rbtnStringClick();
    });

    FormCreate();
}

void TfmFieldProp::FormCreate()
{
    for (const auto& type : kTypes)
        cbType->addItem(type.szText, type.nCode);
    if (const KindFields* pKind = KindOf(AppSettings.AppFlag)) {
        const int nCount = pKind->GetFieldCount();
        for (int nPos = 1; nPos <= nCount; ++nPos)
            if (const CsvFieldEntry* pRow = pKind->GetFieldDef(static_cast<unsigned>(nPos)))
                cbField->addItem(QString::fromUtf8(pRow->szName), pRow->nId);
    }
    cbField->setCurrentIndex(-1);
}

void TfmFieldProp::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TfmFieldProp::EnableEditing(bool bEnable)
{
    for (QWidget* control : std::initializer_list<QWidget*>{edtName, rbtnField, rbtnNumber, rbtnString, cbField,
                                                            edtNumber, edtString, cbType, edtLength})
        control->setEnabled(bEnable);
}

void TfmFieldProp::EnableValueControl(const QWidget* valueControl)
{
    for (QWidget* control : std::initializer_list<QWidget*>{cbField, edtNumber, edtString})
        control->setEnabled(control == valueControl);
}

void TfmFieldProp::rbtnFieldClick() { EnableValueControl(cbField); }

void TfmFieldProp::rbtnNumberClick() { EnableValueControl(edtNumber); }

void TfmFieldProp::rbtnStringClick() { EnableValueControl(edtString); }

void TfmFieldProp::SetEntry(CsvFieldEntry* pEntry)
{
    if (!pEntry)
        return;
    m_pEntry = pEntry;

    const KindFields* pKind = KindOf(AppSettings.AppFlag);
    lblDesc->setText(pKind ? pKind->szDesc : "");
    edtName->setText(RecordText(pEntry->szName));

    if (IsCustomField(pEntry)) {
        EnableEditing(true);
        switch (pEntry->nType) {
        case CUSTOM_KIND_FIELD:
            rbtnField->setChecked(true);
            SelectItemWithData(cbField, pEntry->vValue.vt == VT_I4 ? pEntry->vValue.lVal : -1);
            break;
        case CUSTOM_KIND_SEQUENCE:
            rbtnNumber->setChecked(true);
            edtNumber->setText(QString::number(pEntry->vValue.vt == VT_I4 ? pEntry->vValue.lVal : 0));
            break;
        case CUSTOM_KIND_TEXT:
            rbtnString->setChecked(true);
            edtString->setText(pEntry->vValue.vt == VT_BSTR ? BstrText(pEntry->vValue.bstrVal) : QString());
            break;
        default:
            UncheckAll({rbtnField, rbtnNumber, rbtnString});
            break;
        }
    } else {
        rbtnField->setChecked(true);
        EnableEditing(false);
        SelectItemWithData(cbField, pEntry->nId);
    }

    const int nTypeItem = cbType->findData(pEntry->nType);
    if (nTypeItem >= 0)
        cbType->setCurrentIndex(nTypeItem);
    edtLength->setText(QString::number(pEntry->nLength));
}

void TfmFieldProp::btnOKClick()
{
    if (!m_pEntry || !KindOf(AppSettings.AppFlag))
        return;
    if (IsCustomField(m_pEntry) && !StoreEntry())
        return;
    accept();
}

// The new value is made before the old one is given up, so a refusal leaves the entry whole.
bool TfmFieldProp::StoreEntry()
{
    VARIANT value;
    VariantInit(&value);
    int nType = m_pEntry->nType;
    if (rbtnField->isChecked()) {
        if (cbField->currentIndex() < 0) {
            ShowMessageBox(this, "Please choose a record field.", "Brindle Error", TMessageIcon::Error);
            return false;
        }
        nType = CUSTOM_KIND_FIELD;
        value.vt = VT_I4;
        value.lVal = cbField->currentData().toInt();
    } else if (rbtnNumber->isChecked()) {
        nType = CUSTOM_KIND_SEQUENCE;
        value.vt = VT_I4;
        value.lVal = LeadingNumber(edtNumber->text());
    } else if (rbtnString->isChecked()) {
        const QString text = edtString->text();
        value.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), static_cast<UINT>(text.size()));
        if (!value.bstrVal) {
            ShowMessageBox(this, "Not enough memory to keep the fixed text.", "Brindle Error", TMessageIcon::Error);
            return false;
        }
        nType = CUSTOM_KIND_TEXT;
        value.vt = VT_BSTR;
    }

    CutText(m_pEntry->szName, sizeof m_pEntry->szName, edtName->text().toUtf8().toStdString());
    if (value.vt != VT_EMPTY) {
        VariantClear(&m_pEntry->vValue);
        m_pEntry->vValue = value;
        m_pEntry->nType = nType;
    }
    return true;
}
