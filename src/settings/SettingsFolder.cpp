#include "settings/SettingsFolder.h"

#include "settings/SettingsTexts.h"

#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
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

// Whether a new file can be made in folder: creates one and removes it again.
bool CanWriteIn(const std::filesystem::path& folder)
{
    const std::filesystem::path probe = folder / (".write-test-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

} // namespace

SettingsFolder SettingsFolder::Locate(const std::filesystem::path& applicationFolder,
                                      const std::filesystem::path& configHome)
{
    const std::filesystem::path besideProgram = applicationFolder / texts::kSettingsFolder;
    if (EnsureFolder(besideProgram) && CanWriteIn(besideProgram))
        return SettingsFolder(besideProgram);
    return SettingsFolder(configHome / texts::kConfigSubfolder / texts::kSettingsFolder);
}

std::filesystem::path SettingsFolder::ConfigHomeFromEnvironment()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::filesystem::path(home) / ".config";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return std::filesystem::path(user->pw_dir) / ".config";
    return "/tmp";
}

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
