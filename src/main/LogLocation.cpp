#include "main/LogLocation.h"

#include "common/misc/WinUtil.h"
#include "main/engine/Apputil.h"
#include "main/MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* AddLabel(QWidget* group, const char* szName, const char* szCaption)
{
    auto* label = new QLabel(QString::fromUtf8(szCaption), group);
    label->setObjectName(szName);
    return label;
}

QLineEdit* AddPathBox(QWidget* group, const char* szName)
{
    auto* box = new QLineEdit(group);
    box->setObjectName(szName);
    box->setReadOnly(true);
    return box;
}

QPushButton* AddBrowseButton(QWidget* group, const char* szName)
{
    auto* button = new QPushButton("...", group);
    button->setObjectName(szName);
    button->setFixedWidth(32);
    return button;
}

}  // namespace

TLogLocation CreateLogLocation(QWidget* group, QGridLayout* layout, int nRow)
{
    const TLogLocation location{
        AddLabel(group, "Label4", "Log Folder:"), AddPathBox(group, "edtFolder"), AddBrowseButton(group, "btnFolder"),
        AddLabel(group, "Label5", "Log File:"),   AddPathBox(group, "edtFile"),   AddBrowseButton(group, "btnFile"),
    };
    layout->addWidget(location.Label4, nRow, 0);
    layout->addWidget(location.edtFolder, nRow, 1);
    layout->addWidget(location.btnFolder, nRow, 2);
    layout->addWidget(location.Label5, nRow + 1, 0);
    layout->addWidget(location.edtFile, nRow + 1, 1);
    layout->addWidget(location.btnFile, nRow + 1, 2);
    return location;
}

void FillLogLocation(const TLogLocation& location)
{
    char szFolder[MAX_PATH] = "";
    if (!GetAppDataFolder(szFolder)) {
        location.btnFolder->setEnabled(false);
        location.btnFile->setEnabled(false);
        return;
    }
    location.edtFolder->setText(QString::fromUtf8(szFolder));
    location.edtFile->setText(QString::fromUtf8(szFolder) + DEBUG_LOG_NAME);
}

void OpenLogFolder(const TLogLocation& location) { ShellOpenFile(location.edtFolder->text().toUtf8().constData()); }

void OpenLogFile(const TLogLocation& location, QWidget* owner)
{
    const QByteArray path = location.edtFile->text().toUtf8();
    if (GetFileAttributesA(path.constData()) == INVALID_FILE_ATTRIBUTES) {
        ShowMessageBox(owner, "Debug log file doesn't exist", "Error", TMessageIcon::Information);
        return;
    }
    ShellOpenFile(path.constData());
}
