// Wizard page 3 for tasks: the records to convert. The first column can be edited in place; that changes
// only the displayed text.
#pragma once

#include "main/RecordPage.h"

class TfmTaskData : public TRecordPage {
    Q_OBJECT

public:
    explicit TfmTaskData(QWidget* parent = nullptr);

    QTreeView* lvTaskData;
    QPushButton* btnTodoDetail;
    QMenu* pmiTodoData;
    QAction* pmiTodoSelAll;
    QAction* pmiTodoClear;
    QAction* pmiTodoDetail;

public slots:
    void btnTodoDetailClick();

protected:
    void ShowDetail(const void* pRec) override;
};

extern TfmTaskData* fmTaskData;
