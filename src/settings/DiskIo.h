#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace rukcon::settings {

// The system calls a file replacement makes, gathered so that a test can make any of them
// fail half-way (a full disk, a crash in the middle of a write). The base class is the real
// thing; tests override single calls.
class DiskIo {
public:
    virtual ~DiskIo() = default;

    // As ::write: bytes written, or -1.
    virtual ssize_t write(int fd, const char* data, size_t size);
    // Pushes the file's data to the disk.
    virtual bool sync(int fd);
    // Moves from over to, replacing to in one step.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
};

// Replaces the file at target by bytes without ever leaving a half-written file behind: the
// bytes go to a new file in the same folder, which is flushed and then renamed over the old
// one. On any failure the old file stays as it was, the new one is removed, and the result
// is false.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes, DiskIo& io);

} // namespace rukcon::settings
