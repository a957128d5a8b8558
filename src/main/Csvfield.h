// Wizard page 2: which columns the CSV file has and in which order. The left list offers
// every field of the kind, the right list holds the columns; custom columns hold a sequence
// number, a fixed text or a copy of a record field. Leaving it forward fills pFieldList and,
// for an import, reads the CSV file into pCsvRecList.
#pragma once

#include "common/misc/CxFile.h"
#include "main/WizardPage.h"

#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct CsvFieldEntry;

class TfmCSVField : public TWizardPage {
    Q_OBJECT

public:
    explicit TfmCSVField(QWidget* parent = nullptr);

    bool UpdatePage(bool bSave) override;

    // The entry an item of either list stands for.
    static CsvFieldEntry* EntryOf(const QTreeWidgetItem* item);

    QTreeWidget* lvAll;
    QTreeWidget* lvSel;
    QPushButton* btnSel;
    QPushButton* btnUnSel;
    QPushButton* btnAllSel;
    QPushButton* btnAllClear;
    QPushButton* btnSelSel;
    QPushButton* btnSelClear;
    QPushButton* btnInsert;
    QPushButton* btnDelete;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnProp;
    // Places the import file's columns by their titles, when its first record is a title row.
    QPushButton* btnMatchTitles;
    // What matching the titles left to the user: skipped and repeated titles, fields not imported.
    QLabel* lblTitleNotes;

public slots:
    void btnAllSelClick();
    void btnAllClearClick();
    void btnSelSelClick();
    void btnSelClearClick();
    void btnSelClick();
    void btnUnSelClick();
    void btnInsertClick();
    void btnDeleteClick();
    void btnUpClick();
    void btnDownClick();
    void btnPropClick();
    void lvSelChange();
    void btnMatchTitlesClick();

private:
    struct TCustomEntryDeleter {
        void operator()(CsvFieldEntry* pEntry) const;
    };
    using TCustomEntry = std::unique_ptr<CsvFieldEntry, TCustomEntryDeleter>;

    void RebuildAvailable();
    void RebuildSelected();
    CsvFieldEntry* OwnedCopyOf(const CsvFieldEntry* pListed);
    bool StoreColumns();
    bool ReadCsvFile();
    void MoveSelected(int nOffset);
    QTreeWidgetItem* SelectedItem() const;
    void ShowTitleMatching();
    CsvFieldEntry* NewSkipEntry();

    // Custom columns this page made; they live until deleted or the page goes.
    std::vector<TCustomEntry> m_customEntries;
    CSV m_csv;
};

extern TfmCSVField* fmCSVField;
