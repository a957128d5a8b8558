// The main window: banner, the six-step wizard with Prev and Next, and the program's start
// and end (settings, debug log, pages).
#pragma once

#include <QWidget>

class QCloseEvent;
class QLabel;
class QPushButton;
class TClickLabel;
class TWizardPage;

class TfmMain : public QWidget {
    Q_OBJECT

public:
    static constexpr int LAST_STEP = 5;

    enum class TPage { Mode, Source, CSVField, AddrData, DateData, TaskData, NoteData, Proc, Finish };

    // FormCreate: data folder, settings, debug log, pages, then step 0.
    TfmMain();
    // FormDestroy: the settings are saved, the conversion objects and then the pages deleted.
    ~TfmMain() override;

    // Moves to nStep (clamped to 0..5). Moving forward asks the page being left to store its
    // input and enters the next one; a page that refuses keeps the wizard where it is.
    void GoToStep(int nStep);
    void UpdateStepControls();
    int CurrentStep() const { return m_nStep; }

    // Modal diagnostics dialogs.
    void ShowErrorReport(QWidget* owner);
    void ShowOptions();

    QWidget* pTop;
    TClickLabel* imgIcon;
    TClickLabel* imgText;
    QLabel* lblStep;
    QPushButton* btnHelp;
    QWidget* pClient;
    QWidget* pBottom;
    QPushButton* btnOption;
    QPushButton* btnPrev;
    QPushButton* btnNext;
    QPushButton* btnClose;

public slots:
    void btnPrevClick();
    void btnNextClick();
    void btnCloseClick();
    void btnHelpClick();
    void btnOptionClick();
    void imgIconClick();
    void EnterPressed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The page object of each page; tests put their own pages in here.
    virtual TWizardPage* GetPage(TPage page) const;

private:
    void BuildBanner();
    void BuildBottomBar();
    void FormCreate();
    void FormDestroy();
    void CreatePages();
    void DestroyPages();
    // The page shown at nStep: the record page of the kind for step 3, none for an unknown kind.
    TWizardPage* PageOfStep(int nStep) const;

    int m_nStep = 0;
};

extern TfmMain* fmMain;
