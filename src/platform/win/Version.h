// Version information of executable files. Which files have a version is kept in a
// process-wide store in memory: the program's own parts (the simulated Outlook) and tests
// give a path its four-part version through the platform functions below.
#pragma once

#include "platform/win/Types.h"

#include <string_view>

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

inline constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;
inline constexpr DWORD VS_FFI_STRUCVERSION = 0x00010000;

struct VS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;  // major in the high word, minor in the low word
    DWORD dwFileVersionLS;  // build in the high word, revision in the low word
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

// The size of the file's version block; 0 when the file has no version. *lpdwHandle is 0.
DWORD GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle);

// Copies the version block into lpData; FALSE when the file has no version or dwLen is
// smaller than the size GetFileVersionInfoSizeA gave.
BOOL GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData);

// Only the root block "\" is known: it points *lplpBuffer at the VS_FIXEDFILEINFO inside
// pBlock.
BOOL VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen);

#endif  // _WIN32

namespace platform {

// Paths match exactly, as the file system compares them.
void SetFileVersion(std::string_view path, WORD wMajor, WORD wMinor, WORD wBuild, WORD wRevision);
void ClearFileVersion(std::string_view path);

}  // namespace platform
