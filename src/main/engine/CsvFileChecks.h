// The checks made of the CSV file before a run, by the wizard's first page and the command
// line alike.
#pragma once

#include <string>

bool IsFolder(const char* szFile);

// An import file: whether it exists at all, and whether it opens for reading (no folder).
bool FileExists(const char* szFile);
bool CanOpenForReading(const char* szFile);

// An export file: whether it could be written, found out without changing it. An existing
// file is opened for update and left as it is; a missing one is created and removed again.
bool CanWriteUnchanged(const char* szFile);

// Why the file could not be opened, in the system's words; nError is errno after the failed
// opening.
std::string OpenFailureReason(const char* szFile, int nError);

// "Error opening CSV file: FILE: " and the reason, on one line.
std::string OpenErrorText(const std::string& file, int nError);
