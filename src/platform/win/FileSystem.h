// Files, folders, the program's own file name and the calling thread's id.
#pragma once

#include "platform/win/Types.h"

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

// The kernel's id of the calling thread.
DWORD GetCurrentThreadId();

// Creates one folder; fails when it exists already or its parent does not exist.
BOOL CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);

// The full path of the running program (hModule null); the length copied, 0 on failure.
// A buffer too small gets the path cut to nSize - 1 bytes and the result nSize.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

// Copies a file; an existing target is replaced unless bFailIfExists is set.
// The copy goes to a temporary file beside the target first, so a failed copy leaves no half file.
BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);

// FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_READONLY or FILE_ATTRIBUTE_NORMAL;
// INVALID_FILE_ATTRIBUTES when nothing exists under the name.
DWORD GetFileAttributesA(LPCSTR lpFileName);

BOOL DeleteFileA(LPCSTR lpFileName);

#endif  // _WIN32

namespace platform {

// The characters that end a folder in a path: Windows takes a backslash as well.
#ifdef _WIN32
inline constexpr const char* kPathSeparators = "/\\";
#else
inline constexpr const char* kPathSeparators = "/";
#endif

}  // namespace platform
