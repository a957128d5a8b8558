// The versions tests and the simulated Outlook give to files, answered as the version
// functions answer: GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA come here
// (on Windows first, for the files the store knows).
#pragma once

#include "platform/win/Version.h"

namespace platform {

// Whether the store knows the file; the size of its version block then goes to *pdwSize.
bool StoredVersionSize(LPCSTR lptstrFilename, DWORD* pdwSize);
// Whether the store knows the file; its version block then goes to lpData when dwLen is
// large enough, and *pbCopied tells whether it was.
bool StoredVersionInfo(LPCSTR lptstrFilename, DWORD dwLen, LPVOID lpData, BOOL* pbCopied);
// Whether pBlock is a block of the store; the query's answer then goes to *pbFound.
bool StoredVersionQuery(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen, BOOL* pbFound);
// Whether any file has a version in the store.
bool HasStoredVersions();

// Follows each change of the store.
void StoredVersionsChanged();

}  // namespace platform
