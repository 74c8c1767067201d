#pragma once

#include "settings/Clock.h"
#include "settings/FieldReader.h"
#include "settings/ProfileControls.h"
#include "settings/SettingsFiles.h"
#include "sound/SoundEffects.h"

#include <filesystem>
#include <string>

namespace rukcon::settings {

// The folder "過去の設定": a deleted user-menu entry is archived there under its profile name
// and the time of deletion, and any profile file (archived or not) can be loaded back.
class SettingsHistory {
public:
    SettingsHistory(const SettingsFiles& files, ProfileControls& controls, sound::SoundEffects& sounds,
                    const Clock& clock)
        : m_files(files), m_controls(controls), m_sounds(sounds), m_clock(clock)
    {
    }

    // Writes entries 1 … 49 of the buffer (a user-menu entry copied in at 0 … 60, so its record
    // without the marker) as a new file in the history folder. An existing archive is never
    // replaced: a second one of the same name in the same second gets " (2)", " (3)" … False
    // when nothing could be written. written (when given) receives the file's path.
    bool ArchiveProfile(std::filesystem::path* written = nullptr);

    // Reads a profile file (a dropped file, say) into the buffer from index 0 and applies it,
    // with the click sound; the alert sound follows when a part of it could not be applied
    // (the parts that could stay applied). A path that cannot be read is skipped with the
    // alert sound. False in both cases.
    bool LoadProfileFile(const std::filesystem::path& path);

    // Shared by archiving and loading, kept for the whole run.
    FieldBuffer& buffer() { return m_buffer; }

    // profile name + "yyyy年mm月dd日" of date + "yyyy年mm月dd日 hh時mm分ss秒" of dateTime +
    // ".txt". Characters no file name may hold become "_", so the name stays inside the folder.
    static std::string HistoryFileName(const std::string& profileName, const LocalTime& date,
                                       const LocalTime& dateTime);

private:
    const SettingsFiles& m_files;
    ProfileControls& m_controls;
    sound::SoundEffects& m_sounds;
    const Clock& m_clock;
    FieldBuffer m_buffer;
};

} // namespace rukcon::settings
