// Wizard page 3 for calendar entries: the records to convert.
#pragma once

#include "main/RecordPage.h"

class TfmDateData : public TRecordPage {
    Q_OBJECT

public:
    explicit TfmDateData(QWidget* parent = nullptr);

    QTreeView* lvDateData;
    QPushButton* btnDateDetail;
    QMenu* pmDateData;
    QAction* pmiDateSelAll;
    QAction* pmiDateClear;
    QAction* pmiDateDetail;

public slots:
    void btnDateDetailClick();

protected:
    void ShowDetail(const void* pRec) override;
};

extern TfmDateData* fmDateData;
