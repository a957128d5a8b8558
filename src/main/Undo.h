// The Undo an Import dialog: the import runs the journal keeps, newest first, with a way to
// undo the ones chosen. Runs undone already are listed but cannot be chosen.
#pragma once

#include <QDialog>
#include <cstddef>
#include <cstdint>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class TClickLabel;

class TfmUndo : public QDialog {
    Q_OBJECT

public:
    // The newest runs listed at most.
    static constexpr std::size_t MAX_RUNS = 50;

    explicit TfmUndo(QWidget* owner = nullptr);

    // Lists the journal's runs afresh, nothing chosen.
    void FillRuns();

    QWidget* pTop;
    TClickLabel* imgIcon;
    TClickLabel* imgText;
    QLabel* Label1;
    // One row per run; column 0 keeps the run's id as its Qt::UserRole data.
    QTreeWidget* lvRuns;
    // Why the list is empty: no run recorded, or the journal cannot be read.
    QLabel* lblNoRuns;
    QPushButton* btnUndo;
    QPushButton* btnClose;

public slots:
    void btnUndoClick();
    void lvRunsChange();
    void imgIconClick();

private:
    // The chosen runs, newest first.
    std::vector<std::int64_t> SelectedRuns() const;
};
