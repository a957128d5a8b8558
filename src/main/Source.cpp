#include "main/Source.h"

#include "common/misc/CxFile.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvFileChecks.h"
#include "main/engine/CsvSource.h"
#include "main/FileDialog.h"
#include "main/MessageBox.h"
#include "main/ProgressDisplay.h"
#include "platform/WinCompat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <string>

TfmSource* fmSource = nullptr;

namespace {

// Of a custom quotation text only this many characters are kept.
constexpr int kCustomQuoteChars = 6;

const struct {
    int nFlag;
    const char* szTitle;
} kBrowseTitles[] = {
    {FLAG_ADDR, "Open Contacts CSV file"},
    {FLAG_DATE, "Open Calendar CSV file"},
    {FLAG_TASK, "Open Tasks CSV file"},
    {FLAG_NOTE, "Open Notes CSV file"},
};

// The dialog's own default title for any other kind.
QString BrowseTitle(int nFlag)
{
    for (const auto& row : kBrowseTitles) {
        if (row.nFlag == nFlag)
            return QString::fromUtf8(row.szTitle);
    }
    return {};
}

template <class TControl>
TControl* Named(TControl* control, const char* szName)
{
    control->setObjectName(szName);
    return control;
}

// The text cut to whole characters of at most nMax bytes.
std::string CutTo(const QString& text, std::size_t nMax)
{
    const std::string bytes = text.toStdString();
    return bytes.substr(0, CutTextLength(bytes, nMax));
}

QString OpenErrorMessage(const char* szFile, int nError)
{
    return QString("Error opening CSV file: %1\n%2")
        .arg(QString::fromUtf8(szFile), QString::fromLocal8Bit(OpenFailureReason(szFile, nError).c_str()));
}

}  // namespace

TfmSource::TfmSource(QWidget* parent) : TWizardPage(parent)
{
    setObjectName("fmSource");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);

    suiGroupBox1 = Named(new QGroupBox(" CSV File ", this), "suiGroupBox1");
    layout->addWidget(suiGroupBox1);
    layout->addStretch();
    auto* grid = new QGridLayout(suiGroupBox1);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);

    Label4 = Named(new QLabel("CSV File Path:", suiGroupBox1), "Label4");
    edtCSVFile = Named(new QLineEdit(suiGroupBox1), "edtCSVFile");
    btnCSVBrowse = Named(new QPushButton("...", suiGroupBox1), "btnCSVBrowse");
    btnCSVBrowse->setFixedWidth(32);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtCSVFile, 1);
    fileRow->addWidget(btnCSVBrowse);
    grid->addWidget(Label4, 0, 0);
    grid->addLayout(fileRow, 0, 1);

    Label2 = Named(new QLabel("Quotation Mark:", suiGroupBox1), "Label2");
    rbtnQuoteNone = Named(new QRadioButton("None", suiGroupBox1), "rbtnQuoteNone");
    rbtnQuoteDouble = Named(new QRadioButton("Double ( \" )", suiGroupBox1), "rbtnQuoteDouble");
    rbtnQuoteSingle = Named(new QRadioButton("Single ( ' )", suiGroupBox1), "rbtnQuoteSingle");
    rbtnQuoteCustom = Named(new QRadioButton("Custom", suiGroupBox1), "rbtnQuoteCustom");
    edtQuoteCustom = Named(new QLineEdit(suiGroupBox1), "edtQuoteCustom");
    edtQuoteCustom->setFixedWidth(80);
    auto* quoteRow = new QHBoxLayout;
    for (QWidget* control : {static_cast<QWidget*>(rbtnQuoteNone), static_cast<QWidget*>(rbtnQuoteDouble),
                             static_cast<QWidget*>(rbtnQuoteSingle), static_cast<QWidget*>(rbtnQuoteCustom),
                             static_cast<QWidget*>(edtQuoteCustom)})
        quoteRow->addWidget(control);
    quoteRow->addStretch();
    grid->addWidget(Label2, 1, 0);
    grid->addLayout(quoteRow, 1, 1);

    Label3 = Named(new QLabel("If the file is existed:", suiGroupBox1), "Label3");
    rbtnAppend = Named(new QRadioButton("Append to Existed File", suiGroupBox1), "rbtnAppend");
    rbtnOverwrite = Named(new QRadioButton("Overwrite the Existed File", suiGroupBox1), "rbtnOverwrite");
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(rbtnAppend);
    modeRow->addWidget(rbtnOverwrite);
    modeRow->addStretch();
    grid->addWidget(Label3, 2, 0);
    grid->addLayout(modeRow, 2, 1);

    Label5 = Named(new QLabel("Delimiter:", suiGroupBox1), "Label5");
    cbDelimiter = Named(new QComboBox(suiGroupBox1), "cbDelimiter");
    cbDelimiter->addItems({"Comma", "Semicolon", "Tab", "Detect"});  // in the order of the setting's codes
    Label6 = Named(new QLabel("Encoding:", suiGroupBox1), "Label6");
    cbEncoding = Named(new QComboBox(suiGroupBox1), "cbEncoding");
    cbEncoding->addItems({"Detect", "UTF-8", "Windows-1252", "UTF-16"});
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(cbDelimiter);
    formatRow->addSpacing(24);
    formatRow->addWidget(Label6);
    formatRow->addWidget(cbEncoding);
    formatRow->addStretch();
    grid->addWidget(Label5, 3, 0);
    grid->addLayout(formatRow, 3, 1);

    cbAddTitle = Named(new QCheckBox("Add field title text when exporting Outlook information to CSV file. ", suiGroupBox1),
                       "cbAddTitle");
    grid->addWidget(cbAddTitle, 4, 0, 1, 2);
    cbByteOrderMark = Named(new QCheckBox("Begin the file with a byte-order mark (for spreadsheets)", suiGroupBox1),
                            "cbByteOrderMark");
    grid->addWidget(cbByteOrderMark, 5, 0, 1, 2);
    lblDetected = Named(new QLabel(suiGroupBox1), "lblDetected");
    lblDetected->setWordWrap(true);
    grid->addWidget(lblDetected, 6, 0, 1, 2);

    // Two groups of radio buttons in one box; the quote group may also have none checked.
    auto* quoteGroup = new QButtonGroup(this);
    for (QRadioButton* button : {rbtnQuoteNone, rbtnQuoteDouble, rbtnQuoteSingle, rbtnQuoteCustom})
        quoteGroup->addButton(button);
    auto* modeGroup = new QButtonGroup(this);
    modeGroup->addButton(rbtnAppend);
    modeGroup->addButton(rbtnOverwrite);

    connect(btnCSVBrowse, &QPushButton::clicked, this, &TfmSource::btnCSVBrowseClick);
    connect(edtCSVFile, &QLineEdit::textChanged, this, &TfmSource::ShowDetection);
    connect(cbDelimiter, &QComboBox::currentIndexChanged, this, &TfmSource::ShowDetection);
    connect(cbEncoding, &QComboBox::currentIndexChanged, this, &TfmSource::ShowDetection);
    connect(quoteGroup, &QButtonGroup::buttonToggled, this, &TfmSource::ShowDetection);
    connect(edtQuoteCustom, &QLineEdit::textChanged, this, &TfmSource::ShowDetection);
}

bool TfmSource::UpdatePage(bool bSave)
{
    if (bSave)
        return StoreSettings();
    ShowSettings();
    return true;
}

void TfmSource::ShowSettings()
{
    if (const char* szFile = KindCsvFile(AppSettings.AppFlag))
        edtCSVFile->setText(QString::fromUtf8(szFile));

    const char chQuote = AppSettings.QuoteMark[0];
    if (chQuote == '\0') {
        rbtnQuoteNone->setChecked(true);
    } else if (chQuote == '"') {
        rbtnQuoteDouble->setChecked(true);
    } else if (chQuote == '\'') {
        rbtnQuoteSingle->setChecked(true);
    } else {
        rbtnQuoteCustom->setChecked(true);
        edtQuoteCustom->setText(QString::fromUtf8(AppSettings.QuoteMark));
    }

    (AppSettings.AppendCSV != 0 ? rbtnAppend : rbtnOverwrite)->setChecked(true);
    cbAddTitle->setChecked(AppSettings.AddTitle);

    const bool bImport = AppSettings.AppMode == MODE_C2O;
    cbDelimiter->setCurrentIndex(KnownDelimiterChoice(AppSettings.Delimiter));
    cbEncoding->setCurrentIndex(KnownEncodingChoice(AppSettings.Encoding));
    cbEncoding->setEnabled(bImport);
    cbByteOrderMark->setChecked(AppSettings.ByteOrderMark);
    cbByteOrderMark->setEnabled(!bImport);
    ShowDetection();
}

void TfmSource::ShowDetection()
{
    if (AppSettings.AppMode != MODE_C2O) {
        lblDetected->clear();
        return;
    }
    const std::string file = edtCSVFile->text().toStdString();
    const TConvKind* kind = FindConvKind(AppSettings.AppFlag);
    std::string description;
    if (kind != nullptr && !file.empty() && !IsFolder(file.c_str()))
        description = DescribeCsvFile(file.c_str(), *kind, ChosenReadOptions());
    lblDetected->setText(QString::fromStdString(description));
}

// The options stored before a later step fails keep their new values.
bool TfmSource::StoreSettings()
{
    if (!CheckFileName())
        return false;
    StoreQuoteMark();
    AppSettings.AppendCSV = rbtnAppend->isChecked() ? 1 : 0;
    AppSettings.Delimiter = cbDelimiter->currentIndex();
    AppSettings.Encoding = cbEncoding->currentIndex();
    AppSettings.ByteOrderMark = cbByteOrderMark->isChecked();

    if (!CreateConversionObjects())
        return false;

    char* szFile = KindCsvFile(AppSettings.AppFlag);
    if (szFile == nullptr)
        return false;
    CutText(szFile, MAX_PATH, CutTo(edtCSVFile->text(), MAX_PATH - 1));

    errno = 0;
    if (!OpenCsvFile(szFile)) {
        ShowError(OpenErrorMessage(szFile, errno));
        return false;
    }
    if (AppSettings.AppMode == MODE_C2O && !LoadImportSource(szFile))
        return false;
    AppSettings.AddTitle = cbAddTitle->isChecked();
    return true;
}

// The kind's folder is loaded here; a large one shows its progress, and Cancel stays on this
// page with no conversion objects.
bool TfmSource::CreateConversionObjects()
{
    const TConvKind* kind = FindConvKind(AppSettings.AppFlag);
    const TProgressDisplay progress(this, QString("Reading the %1 folder of Outlook...").arg(kind ? kind->szAppName : ""),
                                    "items");
    const bool bCreated = CreateConvObjects();
    if (progress.Canceled()) {
        DestroyConvObjects();
        return false;
    }
    return bCreated;
}

bool TfmSource::CheckFileName()
{
    const std::string file = edtCSVFile->text().toStdString();
    if (AppSettings.AppMode == MODE_C2O) {
        if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        ShowError("Invalid CSV file name. Please specify an existing CSV file.");
    } else {
        if (!file.empty())
            return true;
        ShowError("Invalid CSV file name. Please try another one.");
    }
    edtCSVFile->setFocus();
    return false;
}

std::string TfmSource::ChosenQuoteMark() const
{
    if (rbtnQuoteDouble->isChecked())
        return "\"";
    if (rbtnQuoteSingle->isChecked())
        return "'";
    if (!rbtnQuoteNone->isChecked())
        return CutTo(edtQuoteCustom->text().left(kCustomQuoteChars), QUOTE_MARK_SIZE - 1);
    return {};
}

void TfmSource::StoreQuoteMark() { CutText(AppSettings.QuoteMark, QUOTE_MARK_SIZE, ChosenQuoteMark()); }

// An export that overwrites empties the file only when the run starts: here it is merely
// checked, so that Cancel on a later page leaves the file as it was.
bool TfmSource::OpenCsvFile(const char* szFile)
{
    if (AppSettings.AppMode != MODE_O2C)
        return !IsFolder(szFile) && pCsvFile->Open(szFile, "rb");
    if (AppSettings.AppendCSV != 0)
        return pCsvFile->Open(szFile, "a+b");
    return CanWriteUnchanged(szFile);
}

// The whole file is read and decoded once here; the field page and the record page work on
// that text.
bool TfmSource::LoadImportSource(const char* szFile)
{
    const TConvKind* kind = FindConvKind(AppSettings.AppFlag);
    if (kind == nullptr || pCsvSource == nullptr)
        return false;
    errno = 0;
    if (!LoadCsvSource(szFile, *kind, SettingsReadOptions(), *pCsvSource)) {
        ShowError(OpenErrorMessage(szFile, errno));
        return false;
    }
    if (!pCsvSource->file.bLooksLikeText) {
        ShowError("This file does not look like a CSV file");
        edtCSVFile->setFocus();
        return false;
    }
    return true;
}

TCsvReadOptions TfmSource::ChosenReadOptions() const
{
    const std::string quote = ChosenQuoteMark();
    return {quote.empty() ? '\0' : quote[0], cbDelimiter->currentIndex(), cbEncoding->currentIndex()};
}

void TfmSource::ShowError(const QString& text) { ShowMessageBox(this, text, "Brindle Error", TMessageIcon::Error); }

void TfmSource::btnCSVBrowseClick()
{
    TOpenFileDialogSetup setup;
    setup.owner = this;
    setup.title = BrowseTitle(AppSettings.AppFlag);
    setup.initialFile = QString::fromStdString(CutTo(edtCSVFile->text(), MAX_PATH - 1));
    setup.filters = QStringList{"CSV File(*.csv)", "All Files(*.*)"};
    if (const auto chosen = ShowOpenFileDialog(setup))
        edtCSVFile->setText(QString::fromStdString(CutTo(*chosen, MAX_PATH - 1)));
}
