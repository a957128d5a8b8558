#include "platform/Files.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <share.h>

namespace platform {
namespace {

bool IsSlash(char ch) { return ch == '\\' || ch == '/'; }

HANDLE HandleOf(int fd) { return fd < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

HANDLE HandleOf(FILE* fp) { return HandleOf(_fileno(fp)); }

bool IsPlainFile(HANDLE hFile)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(hFile) == FILE_TYPE_DISK && GetFileInformationByHandle(hFile, &info)
           && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The volume and the file's index on it name one file for as long as it exists.
bool IsSameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh
           && a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

FILE* OpenPlainFileForReading(const char* szPath, const char* szMode)
{
    if (szPath == nullptr || szMode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    // Opening a pipe would already take one of its server's instances from another client.
    if (IsPipe(szPath))
        return nullptr;
    const int nFlags = _O_RDONLY | _O_NOINHERIT | (std::strchr(szMode, 'b') != nullptr ? _O_BINARY : _O_TEXT);
    int fd = -1;
    if (_sopen_s(&fd, szPath, nFlags, _SH_DENYNO, 0) != 0)
        return nullptr;
    FILE* fp = IsPlainFile(HandleOf(fd)) ? _fdopen(fd, szMode) : nullptr;
    if (fp == nullptr)
        _close(fd);
    return fp;
}

// Pipes live under \\server\pipe\, the server "." or "?" for this machine; no file on a
// disk is one.
bool IsPipe(const char* szPath)
{
    if (szPath == nullptr || !IsSlash(szPath[0]) || !IsSlash(szPath[1]))
        return false;
    const char* p = szPath + 2;
    const char* const server = p;
    while (*p != '\0' && !IsSlash(*p))
        ++p;
    if (p == server || *p == '\0')
        return false;
    ++p;
    return _strnicmp(p, "pipe", 4) == 0 && IsSlash(p[4]);
}

bool IsSameOpenFile(FILE* fp, const char* szPath)
{
    if (fp == nullptr || szPath == nullptr)
        return false;
    const HANDLE hOpened = HandleOf(fp);
    if (hOpened == INVALID_HANDLE_VALUE)
        return false;
    if (GetFileType(hOpened) != FILE_TYPE_DISK)
        return true;
    BY_HANDLE_FILE_INFORMATION opened{};
    if (!GetFileInformationByHandle(hOpened, &opened))
        return false;
    // No access asked and everything shared, so that looking stands in no one's way; the
    // backup flag lets a folder in the file's place open too, to be told apart.
    const HANDLE hNamed = CreateFileA(szPath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (hNamed == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION named{};
    const bool bKnown = GetFileInformationByHandle(hNamed, &named) != FALSE;
    CloseHandle(hNamed);
    return bKnown && IsSameFile(opened, named);
}

std::uint64_t OpenFileSize(FILE* fp)
{
    LARGE_INTEGER size{};
    const HANDLE hFile = fp == nullptr ? INVALID_HANDLE_VALUE : HandleOf(fp);
    if (hFile == INVALID_HANDLE_VALUE || !GetFileSizeEx(hFile, &size) || size.QuadPart < 0)
        return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

}  // namespace platform
