#pragma once

#include <filesystem>

namespace rukcon::settings {

// Where the settings files live, with the history folder "過去の設定" inside it. Which folder
// that is is decided once at start-up (ProgramFolders).
class SettingsFolder {
public:
    explicit SettingsFolder(std::filesystem::path settingsFolder) : m_path(std::move(settingsFolder)) {}

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
