// Wizard page 3 for notes: the records to convert.
#pragma once

#include "main/RecordPage.h"

class TfmNoteData : public TRecordPage {
    Q_OBJECT

public:
    explicit TfmNoteData(QWidget* parent = nullptr);

    QTreeView* lvNoteData;
    QPushButton* btnMemoDetail;
    QMenu* pmiMemoData;
    QAction* pmiMemoSelAll;
    QAction* pmiMemoClear;
    QAction* pmiMemoDetail;

public slots:
    void btnMemoDetailClick();

protected:
    void ShowDetail(const void* pRec) override;
};

extern TfmNoteData* fmNoteData;
