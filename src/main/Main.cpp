#include "main/Main.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxIniUtil.h"
#include "common/misc/WinUtil.h"
#include "main/Addrdata.h"
#include "main/engine/Apputil.h"
#include "main/ClickLabel.h"
#include "main/engine/ConvObjects.h"
#include "main/Csvfield.h"
#include "main/Datedata.h"
#include "main/Debugger.h"
#include "main/Dump.h"
#include "main/Finish.h"
#include "main/ModalDialog.h"
#include "main/Mode.h"
#include "main/Notedata.h"
#include "main/Proc.h"
#include "main/Product.h"
#include "main/Source.h"
#include "main/Taskdata.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <exception>
#include <string>

TfmMain* fmMain = nullptr;

namespace {

constexpr int kClientWidth = 794;
constexpr int kClientHeight = 544;
constexpr int kBannerHeight = 113;
constexpr int kBottomBarHeight = 52;

const char* const kStepTexts[TfmMain::LAST_STEP + 1] = {
    "Please choose the Outlook CSV data conversion mode.",
    "Please set the CSV conversion options.",
    "Please set the record field information for CSV conversion.",
    "Please select the Outlook information you want to convert.",
    "CSV conversion is running now ...",
    "Outlook CSV conversion finished.",
};

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    button->setMinimumSize(92, 30);
    return button;
}

}  // namespace

TfmMain::TfmMain() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    fmMain = this;
    setObjectName("fmMain");
    setWindowTitle("Brindle Converter");
    setFixedSize(kClientWidth, kClientHeight);
    // Without it the style shows no focus on a radio button or check box, and a keyboard
    // user cannot see where a key press goes.
    setStyleSheet("QRadioButton, QCheckBox { border: 1px solid transparent; }"
                  "QRadioButton:focus, QCheckBox:focus { border: 1px dotted palette(window-text); }");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildBanner();
    pClient = new QWidget(this);
    pClient->setObjectName("pClient");
    auto* pages = new QGridLayout(pClient);
    pages->setContentsMargins(0, 0, 0, 0);
    BuildBottomBar();
    layout->addWidget(pTop);
    layout->addWidget(pClient, 1);
    layout->addWidget(pBottom);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(btnPrev, &QPushButton::clicked, this, &TfmMain::btnPrevClick);
    connect(btnNext, &QPushButton::clicked, this, &TfmMain::btnNextClick);
    connect(btnClose, &QPushButton::clicked, this, &TfmMain::btnCloseClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfmMain::btnHelpClick);
    connect(btnOption, &QPushButton::clicked, this, &TfmMain::btnOptionClick);
    connect(imgIcon, &TClickLabel::clicked, this, &TfmMain::imgIconClick);
    connect(imgText, &TClickLabel::clicked, this, &TfmMain::imgIconClick);
    for (const int nKey : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(nKey), this);
        connect(enter, &QShortcut::activated, this, &TfmMain::EnterPressed);
    }

    FormCreate();
}

TfmMain::~TfmMain()
{
    FormDestroy();
    if (fmMain == this)
        fmMain = nullptr;
}

void TfmMain::BuildBanner()
{
    pTop = new QWidget(this);
    pTop->setObjectName("pTop");
    pTop->setFixedHeight(kBannerHeight);
    PaintAsBanner(pTop);

    imgIcon = CreateProductIcon(pTop);
    imgIcon->move(18, 16);
    imgText = CreateProductText(pTop);
    imgText->move(112, 12);

    lblStep = new QLabel(pTop);
    lblStep->setObjectName("lblStep");
    lblStep->setStyleSheet("color: white; font-weight: bold;");
    lblStep->setGeometry(114, 80, 560, 22);

    btnHelp = AddButton(pTop, "btnHelp", "&Help");
    btnHelp->setGeometry(kClientWidth - 92 - 18, 16, 92, 30);
}

void TfmMain::BuildBottomBar()
{
    pBottom = new QWidget(this);
    pBottom->setObjectName("pBottom");
    pBottom->setFixedHeight(kBottomBarHeight);
    pBottom->setStyleSheet("#pBottom { border-top: 1px solid palette(mid); }");

    btnOption = AddButton(pBottom, "btnOption", "&Options");
    btnPrev = AddButton(pBottom, "btnPrev", "< &Prev");
    btnNext = AddButton(pBottom, "btnNext", "&Next >");
    btnClose = AddButton(pBottom, "btnClose", "&Cancel");

    auto* layout = new QHBoxLayout(pBottom);
    layout->setContentsMargins(18, 10, 18, 10);
    layout->setSpacing(10);
    layout->addWidget(btnOption);
    layout->addStretch();
    layout->addWidget(btnPrev);
    layout->addWidget(btnNext);
    layout->addSpacing(16);
    layout->addWidget(btnClose);
}

void TfmMain::FormCreate()
{
    char szDataFolder[MAX_PATH] = "";
    const bool bDataFolder = GetAppDataFolder(szDataFolder);
    if (bDataFolder)
        AppIni.SetPath((std::string(szDataFolder) + "corvane.ini").c_str());

    LoadSettings();

    if (bDataFolder)
        AppDebug.SetLogFolder(szDataFolder);
    AppDebug.EnableLog(AppSettings.EnableDebug);
    AppDebug.SetLogLevel(AppSettings.LogLevel);
    AppDebug.LogMessage(2, __FILE__, __LINE__, "Brindle Converter started, settings from %s", AppIni.GetPath());

    CreatePages();

    m_nStep = 0;
    GoToStep(0);
}

void TfmMain::FormDestroy()
{
    SaveSettings();
    DestroyConvObjects();
    DestroyPages();
}

// Each page's program-wide pointer is set as it is created and cleared as it is deleted.
void TfmMain::CreatePages()
{
    auto* layout = static_cast<QGridLayout*>(pClient->layout());
    const auto place = [layout](TWizardPage* page) {
        page->hide();
        layout->addWidget(page, 0, 0);
        return page;
    };
    place(fmMode = new TfmMode(pClient));
    place(fmSource = new TfmSource(pClient));
    place(fmCSVField = new TfmCSVField(pClient));
    place(fmAddrData = new TfmAddrData(pClient));
    place(fmDateData = new TfmDateData(pClient));
    place(fmTaskData = new TfmTaskData(pClient));
    place(fmNoteData = new TfmNoteData(pClient));
    place(fmProc = new TfmProc(pClient));
    place(fmFinish = new TfmFinish(pClient));
}

void TfmMain::DestroyPages()
{
    delete fmMode;
    fmMode = nullptr;
    delete fmSource;
    fmSource = nullptr;
    delete fmCSVField;
    fmCSVField = nullptr;
    delete fmAddrData;
    fmAddrData = nullptr;
    delete fmDateData;
    fmDateData = nullptr;
    delete fmTaskData;
    fmTaskData = nullptr;
    delete fmNoteData;
    fmNoteData = nullptr;
    delete fmProc;
    fmProc = nullptr;
    delete fmFinish;
    fmFinish = nullptr;
}

TWizardPage* TfmMain::GetPage(TPage page) const
{
    switch (page) {
    case TPage::Mode:
        return fmMode;
    case TPage::Source:
        return fmSource;
    case TPage::CSVField:
        return fmCSVField;
    case TPage::AddrData:
        return fmAddrData;
    case TPage::DateData:
        return fmDateData;
    case TPage::TaskData:
        return fmTaskData;
    case TPage::NoteData:
        return fmNoteData;
    case TPage::Proc:
        return fmProc;
    case TPage::Finish:
        return fmFinish;
    }
    return nullptr;
}

TWizardPage* TfmMain::PageOfStep(int nStep) const
{
    switch (nStep) {
    case 0:
        return GetPage(TPage::Mode);
    case 1:
        return GetPage(TPage::Source);
    case 2:
        return GetPage(TPage::CSVField);
    case 3:
        if (AppSettings.AppFlag == FLAG_ADDR)
            return GetPage(TPage::AddrData);
        if (AppSettings.AppFlag == FLAG_DATE)
            return GetPage(TPage::DateData);
        if (AppSettings.AppFlag == FLAG_TASK)
            return GetPage(TPage::TaskData);
        if (AppSettings.AppFlag == FLAG_NOTE)
            return GetPage(TPage::NoteData);
        return nullptr;
    case 4:
        return GetPage(TPage::Proc);
    case 5:
        return GetPage(TPage::Finish);
    default:
        return nullptr;
    }
}

void TfmMain::GoToStep(int nStep)
{
    if (nStep < 0) {
        GoToStep(0);
        return;
    }
    if (nStep > LAST_STEP) {
        GoToStep(LAST_STEP);
        return;
    }

    // A failing step must not take the program down: the user gets the error report instead.
    try {
        if (nStep == 0) {
            if (TWizardPage* page = PageOfStep(0))
                page->UpdatePage(false);
        } else if (nStep > m_nStep) {
            TWizardPage* leaving = PageOfStep(nStep - 1);
            if (leaving && !leaving->UpdatePage(true))
                return;
            if (TWizardPage* entering = PageOfStep(nStep))
                entering->UpdatePage(false);
        }
        m_nStep = nStep;
        UpdateStepControls();
        AppDebug.LogMessage(2, __FILE__, __LINE__, "Wizard at step %d", m_nStep);
    } catch (const std::exception& error) {
        AppDebug.LogMessage(0, __FILE__, __LINE__, "Going to step %d failed: %s", nStep, error.what());
        ShowErrorReport(this);
    } catch (...) {
        AppDebug.LogMessage(0, __FILE__, __LINE__, "Going to step %d failed", nStep);
        ShowErrorReport(this);
    }
}

void TfmMain::UpdateStepControls()
{
    const bool bRunning = fmProc != nullptr && fmProc->IsRunning();
    btnPrev->setEnabled(m_nStep > 0 && m_nStep < LAST_STEP && !bRunning);
    btnNext->setEnabled(m_nStep < LAST_STEP && !bRunning);
    btnClose->setText(m_nStep == LAST_STEP ? "&Finish" : "&Cancel");

    for (int nStep = 0; nStep <= LAST_STEP; ++nStep)
        if (TWizardPage* page = PageOfStep(nStep))
            page->setVisible(nStep == m_nStep);

    lblStep->setText(kStepTexts[m_nStep]);
}

void TfmMain::ShowErrorReport(QWidget* owner)
{
    TfmDump dialog(owner);
    ExecModal(dialog);
}

void TfmMain::ShowOptions()
{
    TfmDebug dialog(this);
    ExecModal(dialog);
}

void TfmMain::btnPrevClick() { GoToStep(m_nStep - 1); }

void TfmMain::btnNextClick() { GoToStep(m_nStep + 1); }

// Enter presses the focused button, as it does in a dialog, and Next anywhere else.
void TfmMain::EnterPressed()
{
    if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    if (btnNext->isEnabled())
        btnNext->click();
}

// During a run Cancel stops the run, which then shows what it converted.
void TfmMain::btnCloseClick()
{
    if (fmProc != nullptr && fmProc->IsRunning())
        fmProc->RequestCancel();
    else
        close();
}

// Closing the window during a run stops the run after its record, so the file holds whole
// rows; the program ends when the run has returned.
void TfmMain::closeEvent(QCloseEvent* event)
{
    if (fmProc != nullptr && fmProc->IsRunning())
        fmProc->RequestCancel();
    QWidget::closeEvent(event);
}

void TfmMain::btnHelpClick() { ShellOpenFile(HELP_FILE); }

void TfmMain::btnOptionClick() { ShowOptions(); }

void TfmMain::imgIconClick() { ShellOpenFile(PRODUCT_WEB_PAGE); }
