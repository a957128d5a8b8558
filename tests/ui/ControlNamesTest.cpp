#include "UiTest.h"

#include "main/ClickLabel.h"
#include "main/Debugger.h"
#include "main/Dump.h"
#include "main/Main.h"
#include "main/Mode.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <functional>
#include <memory>

namespace {

using ControlNames = UiTest;

struct Control {
    const char* name;
    const char* className;
    const char* caption;  // null: not checked (pictures, edits, lists)
};

QString CaptionOf(const QObject* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

void ExpectControls(const QWidget& form, const std::vector<Control>& controls)
{
    for (const Control& control : controls) {
        const QList<QWidget*> found = form.findChildren<QWidget*>(control.name);
        ASSERT_EQ(found.size(), 1) << form.objectName().toStdString() << "." << control.name;
        EXPECT_STREQ(found[0]->metaObject()->className(), control.className) << control.name;
        if (control.caption) {
            EXPECT_EQ(CaptionOf(found[0]).toStdString(), control.caption) << control.name;
        }
    }
}

TEST_F(ControlNames, MainWindow)
{
    TfmMain form;
    EXPECT_EQ(form.windowTitle(), "Brindle Converter");
    EXPECT_EQ(form.minimumSize(), QSize(794, 544));
    EXPECT_EQ(form.maximumSize(), QSize(794, 544));
    EXPECT_EQ(form.pTop->height(), 113);
    EXPECT_EQ(form.pBottom->height(), 52);
    ExpectControls(form, {
        {"pTop", "QWidget", nullptr},
        {"imgIcon", "TClickLabel", nullptr},
        {"imgText", "TClickLabel", nullptr},
        {"lblStep", "QLabel", "Please choose the Outlook CSV data conversion mode."},
        {"btnHelp", "QPushButton", "&Help"},
        {"pClient", "QWidget", nullptr},
        {"pBottom", "QWidget", nullptr},
        {"btnOption", "QPushButton", "&Options"},
        {"btnPrev", "QPushButton", "< &Prev"},
        {"btnNext", "QPushButton", "&Next >"},
        {"btnClose", "QPushButton", "&Cancel"},
        {"fmMode", "TfmMode", nullptr},
        {"fmSource", "TfmSource", nullptr},
        {"fmCSVField", "TfmCSVField", nullptr},
        {"fmAddrData", "TfmAddrData", nullptr},
        {"fmDateData", "TfmDateData", nullptr},
        {"fmTaskData", "TfmTaskData", nullptr},
        {"fmNoteData", "TfmNoteData", nullptr},
        {"fmProc", "TfmProc", nullptr},
        {"fmFinish", "TfmFinish", nullptr},
    });
    EXPECT_FALSE(form.imgIcon->pixmap().isNull());
    EXPECT_FALSE(form.imgText->pixmap().isNull());
}

TEST_F(ControlNames, ModePage)
{
    TfmMode form;
    ExpectControls(form, {
        {"suiGroupBox1", "QGroupBox", " Select Conversion Mode "},
        {"rbtnO2C", "QRadioButton", "Convert Outlook Data to CSV File"},
        {"rbtnC2O", "QRadioButton", "Convert CSV File to Outlook Data"},
        {"suiGroupBox2", "QGroupBox", " Select Application to Convert "},
        {"rbtnAddr", "QRadioButton", "Outlook Contacts"},
        {"rbtnDate", "QRadioButton", "Outlook Calendar"},
        {"rbtnTask", "QRadioButton", "Outlook Tasks"},
        {"rbtnNote", "QRadioButton", "Outlook Notes"},
    });
    EXPECT_EQ(form.rbtnO2C->parentWidget(), form.suiGroupBox1);
    EXPECT_EQ(form.rbtnNote->parentWidget(), form.suiGroupBox2);
}

TEST_F(ControlNames, OptionsDialog)
{
    TfmDebug form;
    EXPECT_EQ(form.windowTitle(), "Brindle Converter Debug Log Options");
    ExpectControls(form, {
        {"pTop", "QWidget", nullptr},
        {"imgIcon", "TClickLabel", nullptr},
        {"imgText", "TClickLabel", nullptr},
        {"cbEnable", "QCheckBox", "Enable Debug Log"},
        {"Label1", "QLabel", "Set Debug Level:"},
        {"cbxLevel", "QComboBox", nullptr},
        {"suiGroupBox1", "QGroupBox", " Debug Information "},
        {"Label4", "QLabel", "Log Folder:"},
        {"edtFolder", "QLineEdit", nullptr},
        {"btnFolder", "QPushButton", "..."},
        {"Label5", "QLabel", "Log File:"},
        {"edtFile", "QLineEdit", nullptr},
        {"btnFile", "QPushButton", "..."},
        {"btnOK", "QPushButton", "&OK"},
        {"btnCancel", "QPushButton", "&Cancel"},
    });
}

TEST_F(ControlNames, ErrorReportDialog)
{
    TfmDump form;
    EXPECT_EQ(form.windowTitle(), "Handle Brindle Converter Exception");
    ExpectControls(form, {
        {"pTop", "QWidget", nullptr},
        {"imgIcon", "TClickLabel", nullptr},
        {"imgText", "TClickLabel", nullptr},
        {"Label1", "QLabel", "We're sorry that an unhandled exception occurred  in Brindle Converter."},
        {"Label2", "QLabel", "Please contact us at:"},
        {"lblSupport", "TClickLabel", "support@example.com"},
        {"suiGroupBox1", "QGroupBox", " Debug Information "},
        {"Label3", "QLabel", "It is very appreciated if you can include the debug information in your error report."},
        {"Label4", "QLabel", "Log Folder:"},
        {"edtFolder", "QLineEdit", nullptr},
        {"btnFolder", "QPushButton", "..."},
        {"Label5", "QLabel", "Log File:"},
        {"edtFile", "QLineEdit", nullptr},
        {"btnFile", "QPushButton", "..."},
        {"btnOK", "QPushButton", "&OK"},
        {"btnDebug", "QPushButton", "&Debug Options"},
        {"btnExit", "QPushButton", "Quit Brindle Converter"},
    });
}

}  // namespace
