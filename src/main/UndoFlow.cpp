#include "main/UndoFlow.h"

#include "common/misc/SqliteDatabase.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/UndoImport.h"
#include "main/MessageBox.h"

#include <QCursor>
#include <QGuiApplication>
#include <QStringList>
#include <memory>
#include <string>

namespace {

const char* const kCaption = "Brindle";
const char* const kErrorCaption = "Brindle Error";
// More names than fit a message box on a small screen are counted instead.
constexpr qsizetype kNamedLines = 10;

// Walking Outlook for a large import takes a while; the cursor says so, however it ends.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

void ShowError(QWidget* owner, const QString& text) { ShowMessageBox(owner, text, kErrorCaption, TMessageIcon::Error); }

// The first lines as they are, the rest counted.
QString FirstLines(const QStringList& lines)
{
    QStringList shown = lines.mid(0, kNamedLines);
    if (lines.size() > kNamedLines)
        shown << QString("and %1 more").arg(lines.size() - kNamedLines);
    return shown.join('\n');
}

// An item without a name is known to the user by its row in the file.
QString ItemName(const TChangedItem& item)
{
    return item.caption.empty() ? QString("Row %1 of the file").arg(item.nRow) : QString::fromStdString(item.caption);
}

QString ChangedItemsQuestion(const std::vector<TChangedItem>& changed, bool bSeveralRuns)
{
    QStringList names;
    for (const TChangedItem& item : changed)
        names << ItemName(item);
    const QString imports = bSeveralRuns ? "the imports" : "the import";
    const QString counted = changed.size() == 1 ? QString("1 item was") : QString("%1 items were").arg(changed.size());
    const QString question = changed.size() == 1 ? "Take it back too?" : "Take them back too?";
    return QString("%1 changed in Outlook after %2:\n%3\n\n%4").arg(counted, imports, FirstLines(names), question);
}

QString ReportMessage(const QString& text, const TUndoReport& report)
{
    if (report.failures.empty())
        return text;
    QStringList failures;
    for (const std::string& failure : report.failures)
        failures << QString::fromStdString(failure);
    return text + "\n\n" + FirstLines(failures);
}

std::unique_ptr<TImportJournal> OpenJournal()
{
    const std::string path = DefaultJournalPath();
    if (path.empty())
        throw SqliteError("the program's data folder cannot be made");
    return std::make_unique<TImportJournal>(path);
}

}  // namespace

std::optional<QString> UndoImportRuns(QWidget* owner, const std::vector<std::int64_t>& runs)
{
    std::unique_ptr<TImportJournal> journal;
    try {
        journal = OpenJournal();
    } catch (const SqliteError& error) {
        ShowError(owner, QString("The import journal cannot be opened: %1").arg(QString::fromUtf8(error.what())));
        return std::nullopt;
    }

    try {
        std::vector<TChangedItem> changed;
        {
            const TWaitCursor wait;
            changed = ChangedSinceImport(*journal, runs);
        }
        bool bIncludeChanged = false;
        if (!changed.empty()) {
            const TQuestionAnswer answer = AskQuestion(owner, ChangedItemsQuestion(changed, runs.size() > 1), kCaption);
            if (answer == TQuestionAnswer::Cancel)
                return std::nullopt;
            bIncludeChanged = answer == TQuestionAnswer::Yes;
        }
        TUndoReport report;
        {
            const TWaitCursor wait;
            report = UndoImports(*journal, runs, bIncludeChanged);
        }
        if (report.bNoOutlook) {
            ShowError(owner, "Outlook cannot be reached, so nothing was undone.");
            return std::nullopt;
        }
        const QString text = QString::fromStdString(UndoReportText(report));
        ShowMessageBox(owner, ReportMessage(text, report), kCaption,
                       report.failures.empty() ? TMessageIcon::Information : TMessageIcon::Warning);
        return text;
    } catch (const SqliteError& error) {
        ShowError(owner,
                  QString("The import journal could not be read or written: %1").arg(QString::fromUtf8(error.what())));
        return std::nullopt;
    }
}
