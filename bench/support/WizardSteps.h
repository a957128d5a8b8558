// The wizard as a user meets a large folder: the real main window and pages, offscreen,
// driven through their controls against the simulated Outlook, in the measuring child.
#pragma once

#include "support/BenchKinds.h"
#include "support/ChildProcess.h"

#include <string>

namespace bench {

// Where the wizard's measured road starts.
enum class WizardRoad {
    // Next on the file page of an export: the folder is loaded, the fields chosen, then Next
    // on the field page until page 3 is painted with its list filled.
    ExportFromFilePage,
    // Only that last Next of an export: from leaving page 2 to page 3 painted.
    ExportFieldPageToRecords,
    // Next on the field page of an import: the CSV file read into records, the preview of
    // what the run will do worked out, page 3 painted.
    ImportFieldPageToRecords,
};

// items: the rows page 3 lists. The added memory is what the measured road added.
Measurement MeasureWizardRoad(const BenchKind& kind, const std::string& profile, const std::string& csvPath,
                              const std::string& dataFolder, WizardRoad road);

// What the user does on page 3 once it is up, each until the list is painted again: scrolling
// to rows all over the list, or checking and unchecking records (an import works out its
// preview again). seconds: the slowest of them; items: how many were measured.
enum class ListAction { Scroll, Check };
Measurement MeasureRecordListAction(const BenchKind& kind, const std::string& profile, const std::string& csvPath,
                                    const std::string& dataFolder, bool bImport, ListAction action);

}  // namespace bench
