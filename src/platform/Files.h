// Opening files safely and telling what an open file or a path is, where Windows and other
// systems differ in what a path can name and in what may happen to a file while it is open.
#pragma once

#include <cstdint>
#include <cstdio>

namespace platform {

// The file at szPath opened with szMode, a mode that only reads ("r" or "rb"), when it is a
// plain file: a folder has no lines, a pipe would wait for a writer that may never come, and
// a device may never end. Opening never waits, even for a pipe put in the file's place
// meanwhile. Null when it cannot be opened, with errno saying why, or when it is no plain
// file, with errno as it was.
FILE* OpenPlainFileForReading(const char* szPath, const char* szMode);

// Whether szPath names a pipe, which a writer would wait on for a reader that may never come.
bool IsPipe(const char* szPath);

// Whether szPath names the file fp has open. Windows keeps an open file from being deleted
// or replaced; other systems let another program do either, and what is written to fp is
// then lost. False when either cannot be looked at; true for a device, which stays the one
// its name names.
bool IsSameOpenFile(FILE* fp, const char* szPath);

// The size of the file fp has open; 0 when it cannot be told.
std::uint64_t OpenFileSize(FILE* fp);

}  // namespace platform
