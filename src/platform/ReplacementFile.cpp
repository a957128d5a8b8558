#include "platform/ReplacementFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kNameAttempts = 100;

}  // namespace

ReplacementFile::ReplacementFile() : m_fd(-1) {}

ReplacementFile::~ReplacementFile()
{
    if (m_fd >= 0)
        close(m_fd);
    if (!m_path.empty())
        unlink(m_path.c_str());
}

bool ReplacementFile::Fail()
{
    m_reason = std::strerror(errno);
    return false;
}

bool ReplacementFile::Create(const std::string& target)
{
    m_target = target;
    for (int nAttempt = 0; nAttempt < kNameAttempts; ++nAttempt) {
        const std::string path = target + "." + std::to_string(getpid()) + "-" + std::to_string(nAttempt) + ".tmp";
        m_fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return Fail();
    }
    return Fail();
}

bool ReplacementFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t nWritten = write(m_fd, bytes.data(), bytes.size());
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0) {
            if (nWritten == 0)
                errno = EIO;
            return Fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(nWritten));
    }
    return true;
}

bool ReplacementFile::Finish()
{
    const bool bSynced = fsync(m_fd) == 0;
    const int nSyncError = errno;
    const bool bClosed = close(m_fd) == 0;
    m_fd = -1;
    if (!bSynced)
        errno = nSyncError;
    return (bSynced && bClosed) || Fail();
}

bool ReplacementFile::PutInPlace()
{
    if (rename(m_path.c_str(), m_target.c_str()) != 0)
        return Fail();
    m_path.clear();
    return true;
}

}  // namespace platform
