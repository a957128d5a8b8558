// Where the debug log lies, as both diagnostics dialogs show it: the data folder and the log
// file, each with a "..." button that opens it.
#pragma once

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

struct TLogLocation {
    QLabel* Label4;
    QLineEdit* edtFolder;
    QPushButton* btnFolder;
    QLabel* Label5;
    QLineEdit* edtFile;
    QPushButton* btnFile;
};

// Adds the two rows to layout, starting at row nRow, with the group box as parent.
TLogLocation CreateLogLocation(QWidget* group, QGridLayout* layout, int nRow);

// Shows the data folder and the log's path; without a data folder both stay empty and the
// buttons are disabled.
void FillLogLocation(const TLogLocation& location);

// Opens the folder in the file browser.
void OpenLogFolder(const TLogLocation& location);

// Opens the log file, or tells the owner's user that there is none yet.
void OpenLogFile(const TLogLocation& location, QWidget* owner);
