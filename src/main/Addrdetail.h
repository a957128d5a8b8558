// The contact detail dialog: every field of one contact, on four sheets. It only displays;
// btnGo opens the home page shown in edtHomepage when it is a web address.
//
// Opening it: TfmAddrDetail dialog(owner); dialog.SetRecord(pRec); ExecModal(dialog);
#pragma once

#include "main/DetailForm.h"

class QGroupBox;
class QTabWidget;
struct CommAddrRec;

class TfmAddrDetail : public TDetailDialog {
    Q_OBJECT

public:
    explicit TfmAddrDetail(QWidget* owner = nullptr);

    // Keeps pRec (owned by the caller, alive while the dialog lives) and shows it.
    bool SetRecord(const CommAddrRec* pRec);
    // false: copies the record into the controls. true: nothing is stored. False without a
    // record.
    bool UpdateDialog(bool bSave);

    QTabWidget* pMain;
    QWidget* tGen;
    QWidget* tAddr;
    QWidget* tNotes;
    QWidget* tOther;

    QLineEdit* edtFirst;
    QLineEdit* edtLast;
    QLineEdit* edtCompany;
    QLineEdit* edtTitle;
    QLineEdit* edtBusiTel;
    QLineEdit* edtHomeTel;
    QLineEdit* edtMobileTel;
    QLineEdit* edtOtherTel;
    QLineEdit* edtEmail;
    QLineEdit* edtFax;
    QLineEdit* edtPager;
    QLineEdit* edtMainTel;
    QLineEdit* edtBirthday;
    QCheckBox* cbPrivate;
    QLineEdit* edtCategory;

    QTabWidget* pAddr;
    QWidget* tBusiAddr;
    QWidget* tHomeAddr;
    QWidget* tOtherAddr;
    QPlainTextEdit* memBusiStreet;
    QLineEdit* edtBusiCity;
    QLineEdit* edtBusiState;
    QLineEdit* edtBusiPostal;
    QLineEdit* edtBusiCountry;
    QPlainTextEdit* memHomeStreet;
    QLineEdit* edtHomeCity;
    QLineEdit* edtHomeState;
    QLineEdit* edtHomePostal;
    QLineEdit* edtHomeCountry;
    QPlainTextEdit* memOtherStreet;
    QLineEdit* edtOtherCity;
    QLineEdit* edtOtherState;
    QLineEdit* edtOtherPostal;
    QLineEdit* edtOtherCountry;

    QPlainTextEdit* memNotes;

    QLineEdit* edtCustom1;
    QLineEdit* edtCustom2;
    QLineEdit* edtCustom3;
    QLineEdit* edtCustom4;
    QLineEdit* edtCustom5;
    QLineEdit* edtCustom6;
    QLineEdit* edtCustom7;
    QLineEdit* edtCustom8;
    QLineEdit* edtCustom9;
    QLineEdit* edtIM1;
    QLineEdit* edtIM2;
    QLineEdit* edtHomepage;
    QPushButton* btnGo;

public slots:
    void btnGoClick();

private:
    void FormCreate();

    const CommAddrRec* m_pRec = nullptr;
};
