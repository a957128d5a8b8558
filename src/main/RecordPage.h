// What the four record selection pages (wizard page 3) share: the records of the kind, one
// checked row each, the choice handed to the run through pSelRecList, Select All, Clear and
// Details through buttons, the popup menu and a double-click. For an import, a first column
// "Action" previews what the run will do with each checked record.
#pragma once

#include "main/RecordPageKind.h"
#include "main/WizardPage.h"

#include <cstdint>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QPushButton;
class QTreeView;
class TRecordModel;

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

    // The list shows the model's rows; sorting by a column reorders the model itself, so
    // "top to bottom" is what the user sees.
    QTreeView* m_pList;
    TRecordModel* m_pModel;
    QPushButton* m_pDetailButton;
    QMenu* m_pMenu;
    QAction* m_pMenuSelAll;
    QAction* m_pMenuClear;
    QAction* m_pMenuDetail;

private:
    bool FillList();
    void ShowFileNotes();
    // Computes the preview again for the rows checked now: all of it, or the groups whose
    // checks changed.
    void RefreshPreview();
    void PreviewRows(const std::vector<int>& rows, const std::uint64_t* pGroup);
    bool CollectChoice();

    const TRecordPageKind& m_kind;
    // Check marks change in bursts (Select All): the preview follows once the burst is over.
    QTimer* m_pPreviewTimer;
    bool m_bFullPreview = true;
    std::vector<std::uint64_t> m_changedGroups;
};
