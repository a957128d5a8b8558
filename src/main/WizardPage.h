// What every wizard page offers the main window.
#pragma once

#include <QWidget>

class TWizardPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // bSave false: fill the page on arriving moving forward. bSave true: check and store the
    // input when Next leaves the page; false (after telling the user why) keeps the wizard here.
    virtual bool UpdatePage(bool bSave) = 0;
};
