// What the four record selection pages (wizard page 3) share: the records of the kind, one
// checked row each, the choice handed to the run through pSelRecList, Select All, Clear and
// Details through buttons, the popup menu and a double-click. For an import, a first column
// "Action" previews what the run will do with each checked record.
#pragma once

#include "main/ListView.h"
#include "main/WizardPage.h"
#include "platform/WinCompat.h"
#include "records/CommFieldDef.h"

#include <span>

class QAction;
class QLabel;
class QMenu;
class QTimer;
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
    // How many leading columns name the stored item an import's record would update.
    int nMatchCaptionColumns;
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
    // An import's preview: how many checked records the run will add, update or skip.
    QLabel* lblPreview;
    // What reading the import file left out: its title row, fields beyond the columns.
    QLabel* lblFileNotes;

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

    // The import's preview column: what the run will do with each checked record.
    int m_nActionColumn;

private:
    bool FillList();
    void ShowFileNotes();
    // The stored item an update writes over, as its row would name it.
    QString MatchCaption(const void* pMatched) const;
    // Computes the preview again for the rows checked now.
    void RefreshPreview();
    bool CollectChoice();
    void AddRecordRow(void* pRec);

    const TRecordPageKind& m_kind;
    // Check marks change in bursts (Select All): the preview follows once the burst is over.
    QTimer* m_pPreviewTimer;
};
