// Root reads and writes past permission bits. While a ScopedPermissionChecks lives, the calling
// thread (capabilities are per thread) gives that override up, so that tests about permissions
// mean for root what they mean for anyone.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_support {

class ScopedPermissionChecks {
public:
    ScopedPermissionChecks()
    {
        m_bHeld = syscall(SYS_capget, &m_header, m_saved) == 0;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_bHeld = m_bHeld && syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~ScopedPermissionChecks()
    {
        if (m_bHeld)
            syscall(SYS_capset, &m_header, m_saved);
    }
    ScopedPermissionChecks(const ScopedPermissionChecks&) = delete;
    ScopedPermissionChecks& operator=(const ScopedPermissionChecks&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_bHeld = false;
};

}  // namespace testing_support
