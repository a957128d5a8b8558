// What the record detail dialogs share: a fixed frame centred on the screen with its Close
// button, labelled boxes, and showing the fixed-width texts of a record.
#pragma once

#include <QDialog>
#include <cstddef>
#include <initializer_list>

class QCheckBox;
class QGridLayout;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Moves a top-level window to the middle of the screen it is shown on.
void CentreOnScreen(QWidget& window);

class TDetailDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton* btnClose;  // "&Close": closes with Rejected

protected:
    TDetailDialog(QWidget* owner, const char* szObjectName, const char* szCaption);

    // Lays body out above btnClose and fixes the client size.
    void SetBody(QLayout* body, QSize size);

    void showEvent(QShowEvent* event) override;
};

// A label and a one-line box in row nRow of grid, in the pair of grid columns nPair; the
// label is the box's buddy.
QLineEdit* AddEdit(QGridLayout* grid, int nRow, const char* szName, const char* szLabel, int nPair = 0);
// The same with a multi-line box, which takes the rest of the row's height.
QPlainTextEdit* AddMemo(QGridLayout* grid, int nRow, const char* szName, const char* szLabel);
QCheckBox* AddCheck(QWidget* parent, const char* szName, const char* szCaption);
QRadioButton* AddRadio(QWidget* parent, const char* szName, const char* szCaption);

// Leaves every button of an exclusive group unchecked, which clicks cannot do.
void UncheckAll(std::initializer_list<QRadioButton*> radios);

// The text of a fixed-width record member, which ends at its terminator or its width.
QString RecordText(const char* szText, std::size_t nWidth);

template <std::size_t N>
QString RecordText(const char (&szText)[N])
{
    return RecordText(szText, N);
}

// Shows a record text in a memo, whose lines the record ends with "\r\n".
void ShowMemoText(QPlainTextEdit* memo, const QString& text);
