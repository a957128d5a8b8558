// Taking import runs back as the wizard does it, from the result page and from the Undo an
// Import dialog alike: the journal opened, the user asked about items changed in Outlook
// since, the runs undone and the outcome told in a message box.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

// Undoes the runs of the import journal in the program's data folder. Returns what was
// done (UndoReportText) once the undo ran; nothing when it did not: the journal could not
// be opened, the user cancelled, or Outlook could not be reached, each told to the user.
std::optional<QString> UndoImportRuns(QWidget* owner, const std::vector<std::int64_t>& runs);
