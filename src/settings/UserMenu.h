#pragma once

#include "settings/FieldReader.h"
#include "settings/MenuLabels.h"
#include "settings/ProfileControls.h"
#include "settings/ProfileRecord.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsHistory.h"
#include "settings/TrayMenuSync.h"
#include "sound/SoundEffects.h"

#include <array>

namespace rukcon::settings {

// The user menu: up to twelve saved profiles, shown as Label12(0 … 11) and the tray entries
// M1 … M12, stored in "Menyu.txt" (600 lines, 50 per entry). An entry is the marker "★" in
// field 0 followed by a profile record in fields 1 … 49. The buffers are the truth during the
// run; the file is rewritten and read back after every change.
class UserMenu {
public:
    static constexpr int kEntryCount = kMenuEntryCount;
    static constexpr int kBufferCount = 13; // the thirteenth only catches surplus fields of a file
    static constexpr size_t kEntryFields = 1 + kProfileFieldCount; // the marker, then the record
    static constexpr size_t kFileFields = kEntryCount * kEntryFields;
    static constexpr size_t kReadLimit = kBufferCount * kEntryFields;

    UserMenu(const SettingsFiles& files, ProfileControls& controls, MenuLabels& labels, TrayMenuSync& tray,
             sound::SoundEffects& sounds, SettingsHistory& history)
        : m_files(files), m_controls(controls), m_labels(labels), m_tray(tray), m_sounds(sounds), m_history(history)
    {
    }

    // Writes all twelve entries, used or not; false (and a message) when it could not.
    bool SaveUserMenu();

    // Reads the file into the buffers (at most 650 fields), empties what the file does not
    // reach and counts the used entries: the run of entries from the first that carry the marker.
    void LoadUserMenu();

    // Label12(k) shows the profile name of entry k for every used entry, the others are empty.
    void RefreshMenuLabels();

    // Appends the current profile as a new entry, or with twelve entries shows the full-menu
    // message and beeps. False when nothing was added (full, or the file could not be written;
    // the menu then stays as the file has it).
    bool AddCurrentToMenu();

    // Puts entry selectedMenuEntry() into force. An entry whose numbers cannot be applied
    // (hand-edited file) changes nothing and plays the alert sound; false then.
    bool ApplyMenuEntry();

    // Archives entry selectedMenuEntry() in the settings history, removes it and moves every
    // later entry up one place, then saves, reloads and shows the menu. When the archive
    // cannot be written the entry is kept, so nothing the user saved is lost; false then.
    bool DeleteMenuEntry();

    int menuCount() const { return m_menuCount; }
    int selectedMenuEntry() const { return m_selected; }
    void setSelectedMenuEntry(int index) { m_selected = index; }
    const FieldBuffer& entry(int index) const { return m_entries[static_cast<size_t>(index)]; }
    // The profile name and caption fragment of entry index.
    const std::string& entryName(int index) const;
    const std::string& entryFragment(int index) const;

private:
    void clearEntryFields(FieldBuffer& entry);

    const SettingsFiles& m_files;
    ProfileControls& m_controls;
    MenuLabels& m_labels;
    TrayMenuSync& m_tray;
    sound::SoundEffects& m_sounds;
    SettingsHistory& m_history;

    std::array<FieldBuffer, kBufferCount> m_entries;
    std::array<std::string, 1001> m_compaction;
    int m_menuCount = 0;
    int m_selected = 0;
};

} // namespace rukcon::settings
