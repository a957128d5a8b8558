// The measured steps. Each runs inside the measuring child (see ChildProcess.h): it opens
// the simulated Outlook on the profile, prepares what the step needs and measures only the
// engine's own work.
#pragma once

#include "support/BenchKinds.h"
#include "support/ChildProcess.h"

#include <string>

namespace bench {

// The adapter's LoadItems: the folder into the record manager. items: the records loaded.
Measurement MeasureLoad(const BenchKind& kind, const std::string& profile);

// The export engine, pauses off: every loaded record with every field of the kind into a new
// CSV file at csvPath, values in double quotes, no title row. items: the rows written.
Measurement MeasureExport(const BenchKind& kind, const std::string& profile, const std::string& csvPath);

// The command line's export, the built program run as a user runs it: brindle export KIND
// FILE --all, values in double quotes, no title row, on the profile, with the data folder
// (its settings and log) in dataFolder; both are removed afterwards. Its time is the whole
// program's, from start to end, loading the folder included. items: the rows written.
Measurement MeasureCommandLineExport(const BenchKind& kind, const std::string& profile, const std::string& dataFolder,
                                     const std::string& csvPath);

// The import engine: reads the CSV file (every field of the kind, in table order) into
// records, then saves each into the profile, whose items are loaded beforehand. items: the
// rows read; converted: the records that changed Outlook. With a journal path, the run
// keeps its journal there, as every import of the program does; the file is removed after.
Measurement MeasureImport(const BenchKind& kind, const std::string& profile, const std::string& csvPath,
                          const std::string& journalPath = {});

// Reading the file of the import into records, nothing saved: with the delimiter and
// encoding given (comma, UTF-8) or detected, and the titles of the first row matched.
Measurement MeasureRead(const BenchKind& kind, const std::string& csvPath, bool bDetect);

// The limit: the bytes of the file at source written to a new file at target with one fwrite.
Measurement MeasureSingleWrite(const std::string& source, const std::string& target);

// The reference: Python's csv.writer, quoting every value, writing the rows of the CSV file
// at source, held in memory, to a new file at target. Runs in its own Python process.
Measurement MeasurePythonWriter(const std::string& source, const std::string& target);

}  // namespace bench
