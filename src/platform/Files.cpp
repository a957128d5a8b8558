#include "platform/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

// Opened without waiting, so that a pipe shows what it is instead of blocking; plain files
// then read as usual, waiting for the disk.
FILE* OpenPlainFileForReading(const char* szPath, const char* szMode)
{
    if (szPath == nullptr || szMode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    const int fd = open(szPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    const int nFlags = fcntl(fd, F_GETFL);
    FILE* fp = nullptr;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && nFlags >= 0 && fcntl(fd, F_SETFL, nFlags & ~O_NONBLOCK) == 0)
        fp = fdopen(fd, szMode);
    if (fp == nullptr)
        close(fd);
    return fp;
}

bool IsPipe(const char* szPath)
{
    struct stat info {};
    return szPath != nullptr && stat(szPath, &info) == 0 && S_ISFIFO(info.st_mode);
}

bool IsSameOpenFile(FILE* fp, const char* szPath)
{
    if (fp == nullptr || szPath == nullptr)
        return false;
    struct stat opened {};
    struct stat named {};
    return fstat(fileno(fp), &opened) == 0 && stat(szPath, &named) == 0 && opened.st_dev == named.st_dev
           && opened.st_ino == named.st_ino;
}

std::uint64_t OpenFileSize(FILE* fp)
{
    struct stat info {};
    if (fp == nullptr || fstat(fileno(fp), &info) != 0 || info.st_size <= 0)
        return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

}  // namespace platform
