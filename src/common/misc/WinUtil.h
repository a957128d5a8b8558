// Small helpers over the Windows interfaces that several parts of the program share.
#pragma once

#include "platform/WinCompat.h"

// Opens a file, folder, web page or mail link with what the desktop associates with it.
// 1 for a non-empty name (whatever the shell answers), 0 for a null or empty one.
int ShellOpenFile(LPCSTR szFile);

// The four parts of a file's version; all four are 0 when the file has none.
bool GetFileVersionNumbers(LPCSTR szPath, int* pnMajor, int* pnMinor, int* pnBuild, int* pnRevision);

// Buffer size that always holds a version text ("65535.65535.65535.65535").
constexpr int OUTLOOK_VERSION_SIZE = 24;

// The installed Outlook's version as "%d.%d.%d.%d" in szVersion (OUTLOOK_VERSION_SIZE
// bytes). Without the App Paths entry the buffer is left as it was; with the entry but no
// version found it holds the empty text. Both give false.
bool GetOutlookVersion(char* szVersion);

// "%02d-%02d-%04d %02d:%02d:%02d" (month, day, year, hour, minute, second) into szBuf of
// at least 20 bytes; false, with the buffer unchanged, for a DATE that is not valid.
bool FormatVariantDate(DATE dDate, char* szBuf);

// Compares the calendar days of two moments: 1 when a is later, -1 when earlier, 0 on the
// same day. A null a counts as earlier, a null b (with a present) as later.
int CompareSystemDate(const SYSTEMTIME* pstA, const SYSTEMTIME* pstB);
