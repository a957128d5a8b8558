// The field properties dialog: shows a field of the kind's table read-only, or lets the user
// decide what a custom column holds (a record field, a sequence number or a fixed text).
//
// Opening it: TfmFieldProp dialog(owner); dialog.SetEntry(pEntry);
//             if (ExecModal(dialog) == QDialog::Accepted) ...
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct CsvFieldEntry;

class TfmFieldProp : public QDialog {
    Q_OBJECT

public:
    // Fills the type list and the record fields of the kind in AppSettings.AppFlag.
    explicit TfmFieldProp(QWidget* owner = nullptr);

    // Keeps pEntry (owned by the caller, who keeps it alive while the dialog lives) and loads
    // the controls from it; a null entry is ignored.
    void SetEntry(CsvFieldEntry* pEntry);

    QLabel* lblDesc;
    QLabel* Label1;
    QLineEdit* edtName;
    QGroupBox* suiGroupBox1;
    QRadioButton* rbtnField;
    QComboBox* cbField;
    QRadioButton* rbtnNumber;
    QLineEdit* edtNumber;
    QRadioButton* rbtnString;
    QLineEdit* edtString;
    QLabel* Label2;
    QComboBox* cbType;
    QLabel* Label3;
    QLineEdit* edtLength;
    QLabel* Label4;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public slots:
    // Stores the choice into a custom entry and closes with Accepted; a table field is left
    // as it was. Refuses, with a message, a record field choice without a field.
    void btnOKClick();
    void rbtnFieldClick();
    void rbtnNumberClick();
    void rbtnStringClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void EnableEditing(bool bEnable);
    void EnableValueControl(const QWidget* valueControl);
    bool StoreEntry();

    CsvFieldEntry* m_pEntry = nullptr;
};
