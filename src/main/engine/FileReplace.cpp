#include "main/engine/FileReplace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 100;

std::string SystemReason(int nError) { return std::strerror(nError); }

// Closes the descriptor and removes the new file unless it was kept.
class TNewFile {
public:
    TNewFile() = default;
    ~TNewFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_path.empty())
            unlink(m_path.c_str());
    }
    TNewFile(const TNewFile&) = delete;
    TNewFile& operator=(const TNewFile&) = delete;

    // A file of its own beside target, which no other writer can hold; errno when none opens.
    bool Create(const std::string& target)
    {
        for (int nAttempt = 0; nAttempt < kNameAttempts; ++nAttempt) {
            const std::string path =
                target + "." + std::to_string(getpid()) + "-" + std::to_string(nAttempt) + ".tmp";
            m_fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_path = path;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    bool Write(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t nWritten = write(m_fd, bytes.data(), bytes.size());
            if (nWritten < 0 && errno == EINTR)
                continue;
            if (nWritten <= 0) {
                if (nWritten == 0)
                    errno = EIO;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(nWritten));
        }
        return true;
    }

    // On disk before it takes the target's name, so that a crash leaves no empty file there.
    bool Finish()
    {
        const bool bSynced = fsync(m_fd) == 0;
        const int nSyncError = errno;
        const bool bClosed = close(m_fd) == 0;
        m_fd = -1;
        if (!bSynced)
            errno = nSyncError;
        return bSynced && bClosed;
    }

    bool MoveTo(const std::string& target)
    {
        if (rename(m_path.c_str(), target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    int m_fd = -1;
    std::string m_path;
};

}  // namespace

std::optional<std::string> ReplaceFileWith(const std::string& path, std::string_view bytes)
{
    TNewFile file;
    if (!file.Create(path) || !file.Write(bytes) || !file.Finish() || !file.MoveTo(path))
        return SystemReason(errno);
    return std::nullopt;
}
