// Wizard page 3 for contacts: the records to convert.
#pragma once

#include "main/RecordPage.h"

class TfmAddrData : public TRecordPage {
    Q_OBJECT

public:
    explicit TfmAddrData(QWidget* parent = nullptr);

    QTreeView* lvAddrData;
    QPushButton* btnAddrDetail;
    QMenu* pmAddrDetail;
    QAction* pmiAddrSelAll;
    QAction* pmiAddrClear;
    QAction* pmiAddrDetail;

public slots:
    void btnAddrDetailClick();

protected:
    void ShowDetail(const void* pRec) override;
};

extern TfmAddrData* fmAddrData;
