#include "settings/DiskIo.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rukcon::settings {

namespace {

std::atomic<unsigned> g_tempCounter{0};

// Creates a new file beside target under a hidden name that no other writer uses.
int CreateTempBeside(const std::filesystem::path& target, std::filesystem::path& tempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath.replace_filename("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                                  std::to_string(g_tempCounter++));
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(DiskIo& io, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = io.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// So the rename itself survives a power cut; a failure here loses nothing already written.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ssize_t DiskIo::write(int fd, const char* data, size_t size)
{
    return ::write(fd, data, size);
}

bool DiskIo::sync(int fd)
{
    return ::fsync(fd) == 0;
}

bool DiskIo::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes, DiskIo& io)
{
    std::filesystem::path tempPath;
    const int fd = CreateTempBeside(target, tempPath);
    if (fd < 0)
        return false;

    // A file the user made read-only for others stays so after the replacement.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    bool ok = WriteAll(io, fd, bytes) && io.sync(fd);
    ok = (::close(fd) == 0) && ok;
    ok = ok && io.rename(tempPath, target);
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

} // namespace rukcon::settings
