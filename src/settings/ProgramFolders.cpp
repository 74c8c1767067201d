#include "settings/ProgramFolders.h"

#include "settings/SettingsTexts.h"

#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace rukcon::settings {

namespace {

namespace fs = std::filesystem;

bool IsFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

// Whether settings can be kept in folder, asked without writing anything: an existing folder
// must be writable, a missing one must be creatable in its parent.
bool CanKeepSettingsIn(const fs::path& folder)
{
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (fs::is_directory(status))
        return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    if (fs::exists(status))
        return false;
    return ::faccessat(AT_FDCWD, folder.parent_path().c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

fs::path UnderConfigHome(const fs::path& configHome)
{
    return configHome / texts::kConfigSubfolder / texts::kSettingsFolder;
}

} // namespace

ProgramFolders ProgramFolders::BesideProgram(const fs::path& applicationFolder)
{
    return {applicationFolder / texts::kEffectsFolder, applicationFolder / texts::kSettingsFolder, false};
}

ProgramFolders ProgramFolders::Decide(const fs::path& applicationFolder, const fs::path& sharedDataFolder,
                                      const fs::path& configHome)
{
    ProgramFolders beside = BesideProgram(applicationFolder);
    const fs::path sharedEffects = sharedDataFolder / texts::kEffectsFolder;
    if (!IsFolder(beside.effects) && IsFolder(sharedEffects))
        return {sharedEffects, UnderConfigHome(configHome), true};
    if (!CanKeepSettingsIn(beside.settings))
        beside.settings = UnderConfigHome(configHome);
    return beside;
}

fs::path ProgramFolders::ConfigHomeFromEnvironment()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return fs::path(home) / ".config";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return fs::path(user->pw_dir) / ".config";
    return "/tmp";
}

} // namespace rukcon::settings
