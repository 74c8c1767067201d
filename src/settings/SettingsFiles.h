#pragma once

#include "settings/DiskIo.h"
#include "settings/MessageLine.h"
#include "settings/SettingsFolder.h"
#include "settings/StepRecorder.h"

#include <filesystem>
#include <span>
#include <string>

namespace rukcon::settings {

// What every settings file needs: the folder, the disk and the message line to report a
// save that failed.
class SettingsFiles {
public:
    SettingsFiles(const SettingsFolder& folder, DiskIo& disk, MessageLine& messages)
        : m_folder(folder), m_disk(disk), m_messages(messages)
    {
    }

    const SettingsFolder& folder() const { return m_folder; }
    std::filesystem::path path(const char* fileName) const { return m_folder.file(fileName); }
    MessageLine& messages() const { return m_messages; }

    // The opening steps every loader of a fixed settings file shares: make the folder, create
    // the file empty if it is missing, read its fields into buffer. Each is a step of steps.
    void readFixedFile(const char* fileName, std::span<std::string> buffer, StepRecorder& steps,
                       size_t* fieldsRead = nullptr) const;

    // Replaces the file by the fields. When that fails the old file stays, the message line
    // says so, and the result is false.
    bool save(const std::filesystem::path& path, std::span<const std::string> fields) const;
    bool save(const char* fileName, std::span<const std::string> fields) const { return save(path(fileName), fields); }

private:
    const SettingsFolder& m_folder;
    DiskIo& m_disk;
    MessageLine& m_messages;
};

} // namespace rukcon::settings
