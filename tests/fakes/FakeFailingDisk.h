#pragma once

#include "settings/DiskIo.h"

#include <cerrno>
#include <cstddef>

namespace rukcon::test {

// The real disk, except where a test asks for a failure: the write that crosses failAfterBytes
// writes only up to that point and then fails with a full disk, as an interrupted save would.
class FakeFailingDisk : public settings::DiskIo {
public:
    static constexpr size_t kNever = static_cast<size_t>(-1);

    size_t failAfterBytes = kNever;
    bool failSync = false;
    bool failRename = false;
    int writeCalls = 0;

    ssize_t write(int fd, const char* data, size_t size) override
    {
        ++writeCalls;
        if (failAfterBytes != kNever) {
            if (m_written >= failAfterBytes) {
                errno = ENOSPC;
                return -1;
            }
            if (size > failAfterBytes - m_written)
                size = failAfterBytes - m_written;
        }
        const ssize_t n = DiskIo::write(fd, data, size);
        if (n > 0)
            m_written += static_cast<size_t>(n);
        return n;
    }
    bool sync(int fd) override { return !failSync && DiskIo::sync(fd); }
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override
    {
        return !failRename && DiskIo::rename(from, to);
    }

private:
    size_t m_written = 0;
};

} // namespace rukcon::test
