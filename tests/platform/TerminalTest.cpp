#include "platform/Terminal.h"
#include "support/OpenFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

#ifndef _WIN32
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

using testing_support::kNullDevice;
using testing_support::OpenFile;

TEST(IsTerminal, AFileOrTheNullDeviceIsNone)
{
    const testing_support::TempDir dir;
    const std::string log = dir.file("progress.log");
    for (const char* szPath : {log.c_str(), kNullDevice}) {
        const OpenFile fp(std::fopen(szPath, "wb"));
        ASSERT_NE(fp, nullptr) << szPath;
        EXPECT_FALSE(platform::IsTerminal(fp.get())) << szPath;
    }
    EXPECT_FALSE(platform::IsTerminal(nullptr));
}

// A pseudo-terminal is what a terminal window gives the programs it runs.
#ifndef _WIN32
class PseudoTerminal {
public:
    PseudoTerminal() : m_fdMaster(posix_openpt(O_RDWR | O_NOCTTY)) {}
    ~PseudoTerminal()
    {
        if (m_fdMaster >= 0)
            close(m_fdMaster);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The side a program writes to; null when the system has no terminal to spare.
    FILE* OpenProgramSide() const
    {
        if (m_fdMaster < 0 || grantpt(m_fdMaster) != 0 || unlockpt(m_fdMaster) != 0)
            return nullptr;
        const char* szName = ptsname(m_fdMaster);
        const int fd = szName == nullptr ? -1 : open(szName, O_RDWR | O_NOCTTY);
        FILE* fp = fd < 0 ? nullptr : fdopen(fd, "wb");
        if (fp == nullptr && fd >= 0)
            close(fd);
        return fp;
    }

private:
    const int m_fdMaster;
};

TEST(IsTerminal, APseudoTerminalIsOne)
{
    const PseudoTerminal terminal;
    const OpenFile fp(terminal.OpenProgramSide());
    ASSERT_NE(fp, nullptr);
    EXPECT_TRUE(platform::IsTerminal(fp.get()));
}
#endif

}  // namespace
