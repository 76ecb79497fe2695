// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace keyvora::test {

// Root reads any file whatever its mode bits. While this lives, the calling thread reads as a
// plain owner would: the two capabilities that bypass read permission are out of its
// effective set, and they come back afterwards.
class ReadAsOwner {
public:
    ReadAsOwner()
    {
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_active = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~ReadAsOwner()
    {
        if (m_active)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    ReadAsOwner(const ReadAsOwner &) = delete;
    ReadAsOwner &operator=(const ReadAsOwner &) = delete;

    bool active() const { return m_active; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

} // namespace keyvora::test
