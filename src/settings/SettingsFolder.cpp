#include "settings/SettingsFolder.h"

#include "settings/SettingsTexts.h"

#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace rukcon::settings {

namespace {

bool EnsureFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

} // namespace

std::filesystem::path SettingsFolder::historyFolder() const
{
    return m_path / texts::kHistoryFolder;
}

bool SettingsFolder::EnsureSettingsFolder() const
{
    return EnsureFolder(m_path);
}

bool SettingsFolder::EnsureHistoryFolder() const
{
    return EnsureFolder(historyFolder());
}

bool TouchFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace rukcon::settings
