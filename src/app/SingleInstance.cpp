#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace rukcon::app {

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstance::acquire(const std::filesystem::path& settingsFolder)
{
    std::error_code error;
    std::filesystem::create_directories(settingsFolder, error);
    m_fd = ::open(settingsFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
