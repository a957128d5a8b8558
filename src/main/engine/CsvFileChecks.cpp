#include "main/engine/CsvFileChecks.h"

#include "common/misc/CxFile.h"
#include "platform/WinCompat.h"

#include <cerrno>
#include <cstring>

bool IsFolder(const char* szFile)
{
    const DWORD nAttributes = GetFileAttributesA(szFile);
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const char* szFile) { return GetFileAttributesA(szFile) != INVALID_FILE_ATTRIBUTES; }

// A folder opens for reading as a stream that fails at its first read: it is no CSV file.
bool CanOpenForReading(const char* szFile)
{
    CxFile file;
    return !IsFolder(szFile) && file.Open(szFile, "rb");
}

bool CanWriteUnchanged(const char* szFile)
{
    if (IsFolder(szFile))
        return false;
    CxFile file;
    if (FileExists(szFile))
        return file.Open(szFile, "r+b");
    if (!file.Open(szFile, "wb"))
        return false;
    file.Close();
    DeleteFileA(szFile);
    return true;
}

// A folder or a pipe opens without an error of the system's: the program refuses those.
std::string OpenFailureReason(const char* szFile, int nError)
{
    if (IsFolder(szFile))
        return std::strerror(EISDIR);
    return nError == 0 ? "It is no plain file (a pipe or a device)" : std::strerror(nError);
}

std::string OpenErrorText(const std::string& file, int nError)
{
    return "Error opening CSV file: " + file + ": " + OpenFailureReason(file.c_str(), nError);
}
