#include "support/WizardSteps.h"

#include "common/misc/CxDebugUtil.h"
#include "main/Addrdata.h"
#include "main/Csvfield.h"
#include "main/Datedata.h"
#include "main/engine/Apputil.h"
#include "main/Main.h"
#include "main/MessageBox.h"
#include "main/Mode.h"
#include "main/Notedata.h"
#include "main/RecordPage.h"
#include "main/Source.h"
#include "main/Taskdata.h"
#include "olsim/OutlookSimulator.h"
#include "platform/WinCompat.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace bench {
namespace {

constexpr int kListActions = 20;

// The program's start as far as the wizard needs it: its data folder, COM, the simulated
// Outlook of the profile, and an application on the offscreen platform.
class OffscreenProgram {
public:
    OffscreenProgram(const std::string& profile, const std::string& dataFolder)
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_DATA_HOME", dataFolder.c_str(), 1);
        setenv("OLSIM_PROFILE", profile.c_str(), 1);
        std::filesystem::create_directories(dataFolder);
        AppDebug.SetLogFolder((dataFolder + "/").c_str());
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            throw std::runtime_error("COM did not start");
        olsim::RegisterOutlookSimulator();
        m_pApplication = std::make_unique<QApplication>(m_nArgc, m_argv);
    }
    ~OffscreenProgram()
    {
        m_pApplication.reset();
        olsim::UnregisterOutlookSimulator();
        CoUninitialize();
    }
    OffscreenProgram(const OffscreenProgram&) = delete;
    OffscreenProgram& operator=(const OffscreenProgram&) = delete;

private:
    char m_name[17] = "conversion_bench";
    char* m_argv[2] = {m_name, nullptr};
    int m_nArgc = 1;
    std::unique_ptr<QApplication> m_pApplication;
};

// Plays the user: pages 0 to 2 by their controls; any message box ends the measurement.
class WizardUser {
public:
    WizardUser(const BenchKind& kind, bool bImport) : m_kind(kind), m_bImport(bImport)
    {
        std::memset(&AppSettings, 0, sizeof AppSettings);
        m_pMain = std::make_unique<TfmMain>();
        m_pMain->resize(794, 544);
        m_pMain->show();
        QCoreApplication::processEvents();
    }

    void ToFilePage()
    {
        (m_bImport ? fmMode->rbtnC2O : fmMode->rbtnO2C)->setChecked(true);
        KindButton()->setChecked(true);
        NextTo(1);
    }

    void FilePageNext(const std::string& csvPath)
    {
        fmSource->edtCSVFile->setText(QString::fromStdString(csvPath));
        fmSource->rbtnOverwrite->setChecked(true);
        NextTo(2);
    }

    // Every field of the kind, in table order: the columns of the benchmark's files.
    void ChooseAllFields() { fmCSVField->btnSel->click(); }

    void FieldPageNext()
    {
        NextTo(3);
        Paint();
    }

    TRecordPage& RecordPage() const
    {
        switch (m_kind.nFlag) {
        case FLAG_DATE:
            return *fmDateData;
        case FLAG_TASK:
            return *fmTaskData;
        case FLAG_NOTE:
            return *fmNoteData;
        default:
            return *fmAddrData;
        }
    }

    QTreeView& List() const
    {
        auto* list = RecordPage().findChild<QTreeView*>();
        if (list == nullptr)
            throw std::logic_error("page 3 has no list");
        return *list;
    }

    // What the user sees: the events of the change handled, then the window painted.
    void Paint() const
    {
        QCoreApplication::processEvents();
        m_pMain->repaint();
    }

private:
    QRadioButton* KindButton() const
    {
        switch (m_kind.nFlag) {
        case FLAG_DATE:
            return fmMode->rbtnDate;
        case FLAG_TASK:
            return fmMode->rbtnTask;
        case FLAG_NOTE:
            return fmMode->rbtnNote;
        default:
            return fmMode->rbtnAddr;
        }
    }

    void NextTo(int nStep)
    {
        m_pMain->btnNext->click();
        if (!m_messages.Messages().empty())
            throw std::runtime_error("the wizard said: " + m_messages.Messages().front().text.toStdString());
        if (m_pMain->CurrentStep() != nStep)
            throw std::runtime_error("the wizard did not reach page " + std::to_string(nStep));
    }

    const BenchKind& m_kind;
    bool m_bImport;
    ui::MessageRecorder m_messages;
    std::unique_ptr<TfmMain> m_pMain;
};

double SecondsOf(const std::function<void()>& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

Measurement MeasureWizardRoad(const BenchKind& kind, const std::string& profile, const std::string& csvPath,
                              const std::string& dataFolder, WizardRoad road)
{
    const OffscreenProgram program(profile, dataFolder);
    WizardUser user(kind, road == WizardRoad::ImportFieldPageToRecords);
    user.ToFilePage();
    const auto rows = [&] { return static_cast<std::int64_t>(user.List().model()->rowCount()); };
    if (road == WizardRoad::ExportFromFilePage)
        return MeasureStep([&] {
            user.FilePageNext(csvPath);
            user.ChooseAllFields();
            user.FieldPageNext();
            return rows();
        });
    user.FilePageNext(csvPath);
    user.ChooseAllFields();
    return MeasureStep([&] {
        user.FieldPageNext();
        return rows();
    });
}

Measurement MeasureRecordListAction(const BenchKind& kind, const std::string& profile, const std::string& csvPath,
                                    const std::string& dataFolder, bool bImport, ListAction action)
{
    const OffscreenProgram program(profile, dataFolder);
    WizardUser user(kind, bImport);
    user.ToFilePage();
    user.FilePageNext(csvPath);
    user.ChooseAllFields();
    user.FieldPageNext();
    QTreeView& list = user.List();
    QAbstractItemModel& model = *list.model();
    const int nRows = model.rowCount();
    if (nRows == 0)
        throw std::runtime_error("page 3 lists nothing");

    double slowest = 0;
    Measurement measured = MeasureStep([&] {
        for (int nAction = 0; nAction < kListActions; ++nAction) {
            // Rows spread over the whole list, the last one included.
            const int nRow = nAction + 1 == kListActions ? nRows - 1 : static_cast<int>((nAction * 7919LL) % nRows);
            const QModelIndex index = model.index(nRow, 0);
            slowest = std::max(slowest, SecondsOf([&] {
                if (action == ListAction::Scroll) {
                    list.scrollTo(index, QAbstractItemView::PositionAtCenter);
                } else {
                    const bool bChecked = model.data(index, Qt::CheckStateRole).toInt() == Qt::Checked;
                    model.setData(index, bChecked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
                }
                user.Paint();
            }));
        }
        return static_cast<std::int64_t>(kListActions);
    });
    measured.seconds = slowest;
    return measured;
}

}  // namespace bench
