#pragma once

#include "settings/SettingsFiles.h"

namespace rukcon::settings {

// "自動切替.txt": whether the profile follows the active window, one field "True" or "False".
// The option is off until the user turns it on: a missing, unreadable or damaged file means off,
// and loading never creates the file.
class AutoSwitchFile {
public:
    explicit AutoSwitchFile(const SettingsFiles& files) : m_files(files) {}

    bool Load() const;
    // False (and a message) when the file could not be written.
    bool Save(bool on) const;

private:
    const SettingsFiles& m_files;
};

} // namespace rukcon::settings
