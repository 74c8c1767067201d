#pragma once

#include <filesystem>

namespace rukcon::settings {

// Where the settings files live: the folder "設定" beside the executable, with the history
// folder "過去の設定" inside it. A copy installed where it cannot write (under /usr, say)
// keeps them in $XDG_CONFIG_HOME/rukcon/設定 (~/.config/rukcon/設定 by default) instead.
class SettingsFolder {
public:
    explicit SettingsFolder(std::filesystem::path settingsFolder) : m_path(std::move(settingsFolder)) {}

    // Decides once, at start-up, between the folder beside the application and the one under
    // configHome (creating the first if it can).
    static SettingsFolder Locate(const std::filesystem::path& applicationFolder,
                                 const std::filesystem::path& configHome);

    // $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
    static std::filesystem::path ConfigHomeFromEnvironment();

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path historyFolder() const;
    std::filesystem::path file(const char* name) const { return m_path / name; }

    // Both true when the folder exists afterwards (made now or before).
    bool EnsureSettingsFolder() const;
    bool EnsureHistoryFolder() const;

private:
    std::filesystem::path m_path;
};

// Opens the file for appending and closes it again: creates it empty when missing and leaves
// it alone otherwise.
bool TouchFile(const std::filesystem::path& path);

} // namespace rukcon::settings
