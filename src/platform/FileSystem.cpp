#include "platform/win/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool IsEmpty(LPCSTR text) { return text == nullptr || *text == '\0'; }

// Closes a descriptor when the scope ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now, reporting whether the data reached the file.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool CopyContents(int from, int to)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!WriteAll(to, buffer, static_cast<size_t>(got)))
            return false;
    }
}

}  // namespace

DWORD GetCurrentThreadId() { return static_cast<DWORD>(syscall(SYS_gettid)); }

BOOL CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES)
{
    if (IsEmpty(lpPathName))
        return FALSE;
    return mkdir(lpPathName, 0777) == 0 ? TRUE : FALSE;
}

DWORD GetModuleFileNameA(HMODULE, LPSTR lpFilename, DWORD nSize)
{
    if (lpFilename == nullptr || nSize == 0)
        return 0;
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return 0;
    const auto size = static_cast<DWORD>(length);
    if (size >= nSize) {
        std::memcpy(lpFilename, path, nSize - 1);
        lpFilename[nSize - 1] = '\0';
        return nSize;
    }
    std::memcpy(lpFilename, path, size);
    lpFilename[size] = '\0';
    return size;
}

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists)
{
    if (IsEmpty(lpExistingFileName) || IsEmpty(lpNewFileName))
        return FALSE;
    if (bFailIfExists && access(lpNewFileName, F_OK) == 0)
        return FALSE;

    const FileDescriptor source(open(lpExistingFileName, O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!source.valid() || fstat(source.get(), &info) != 0 || S_ISDIR(info.st_mode))
        return FALSE;

    std::string temporary = std::string(lpNewFileName) + ".XXXXXX";
    FileDescriptor target(mkostemp(temporary.data(), O_CLOEXEC));
    if (!target.valid())
        return FALSE;
    const bool copied = CopyContents(source.get(), target.get())
                        && fchmod(target.get(), info.st_mode & 07777) == 0;
    if (target.Close() && copied && rename(temporary.c_str(), lpNewFileName) == 0)
        return TRUE;
    unlink(temporary.c_str());
    return FALSE;
}

DWORD GetFileAttributesA(LPCSTR lpFileName)
{
    struct stat info {};
    if (IsEmpty(lpFileName) || stat(lpFileName, &info) != 0)
        return INVALID_FILE_ATTRIBUTES;
    if (S_ISDIR(info.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    return (info.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL DeleteFileA(LPCSTR lpFileName)
{
    if (IsEmpty(lpFileName))
        return FALSE;
    return unlink(lpFileName) == 0 ? TRUE : FALSE;
}
