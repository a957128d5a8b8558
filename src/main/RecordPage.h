// What the four record selection pages (wizard page 3) share: the records of the kind, one
// checked row each, the choice handed to the run through pSelRecList, Select All, Clear and
// Details through buttons, the popup menu and a double-click.
#pragma once

#include "main/ListView.h"
#include "main/WizardPage.h"
#include "platform/WinCompat.h"
#include "records/CommFieldDef.h"

#include <span>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;

struct TRecordColumn {
    TListColumn column;
    LONG nId;  // the record field the column shows
};

// What differs between the pages of the four kinds.
struct TRecordPageKind {
    int nFlag;
    const char* szFormName;
    const char* szListName;
    std::span<const TRecordColumn> columns;
    bool bEditableCaption;  // the first column can be edited in place; only the display changes
    const char* szDetailButton;
    const char* szMenuName;
    const char* szMenuSelAll;
    const char* szMenuClear;
    const char* szMenuDetail;
    const char* szNothingChosen;
    // The display text of field nId of a record into szBuf.
    void (*GetText)(const void* pRec, LONG nId, char* szBuf, int nBufSize);
};

// The display text of a record field through the kind's record manager TMgr.
template <class TMgr, class TRec>
void RecordFieldText(const void* pRec, LONG nId, char* szBuf, int nBufSize)
{
    CommFieldDef def{};
    if (TMgr::GetFieldDef(nId, &def))
        TMgr::GetFieldText(static_cast<const TRec*>(pRec), &def, szBuf, nBufSize);
}

class TRecordPage : public TWizardPage {
    Q_OBJECT

public:
    // false: lists the records of the direction's source, all checked. true: appends the
    // checked records to pSelRecList; refuses, with the kind's message, when none is.
    bool UpdatePage(bool bSave) override;

    QPushButton* btnSelAll;
    QPushButton* btnClear;

public slots:
    void btnSelAllClick();
    void btnClearClick();

protected:
    TRecordPage(QWidget* parent, const TRecordPageKind& kind);

    // Shows the record of the selected row in the kind's detail dialog, which only displays.
    virtual void ShowDetail(const void* pRec) = 0;
    // The Details command of the button, the popup item and a double-click.
    void DetailClick();

    QTreeWidget* m_pList;
    QPushButton* m_pDetailButton;
    QMenu* m_pMenu;
    QAction* m_pMenuSelAll;
    QAction* m_pMenuClear;
    QAction* m_pMenuDetail;

private:
    bool FillList();
    bool CollectChoice();
    void AddRecordRow(void* pRec);

    const TRecordPageKind& m_kind;
};
