#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace rukcon::app {

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::filesystem::path SingleInstance::lockPath(const std::filesystem::path& executable)
{
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(executable, ec);
    if (ec)
        canonical = executable;
    char name[64];
    std::snprintf(name, sizeof name, "rukcon-%016zx.lock", std::hash<std::string>{}(canonical.string()));

    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && std::filesystem::is_directory(runtime, ec))
        return std::filesystem::path(runtime) / name;
    return std::filesystem::temp_directory_path(ec) / ("uid" + std::to_string(::getuid()) + "-" + name);
}

bool SingleInstance::acquire(const std::filesystem::path& executable)
{
    const std::string path = lockPath(executable).string();
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return true;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool heldByOther = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
    return !heldByOther;
}

} // namespace rukcon::app
