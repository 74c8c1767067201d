#pragma once

#include "settings/AutoSwitchFile.h"
#include "settings/ButtonLayoutFile.h"
#include "settings/Clock.h"
#include "settings/DiskIo.h"
#include "settings/LastExitFile.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsFolder.h"
#include "settings/SettingsHistory.h"
#include "settings/UserDefaultFile.h"
#include "settings/UserMenu.h"
#include "settings/WindowGeometryFile.h"

#include <utility>

namespace rukcon::settings {

// The parts of the program the settings store talks to; the main window implements most of
// them, the tray TrayMenuSync, the sound service the sounds.
struct SettingsWindow {
    ProfileControls& profile;
    MenuLabels& menuLabels;
    MessageLine& messages;
    WindowPlacement& placement;
    ButtonLayoutControls& layout;
    sound::SoundEffects& sounds;
    TrayMenuSync& tray;
};

// Every settings file of the program, wired once at start-up, in the settings folder decided then.
class SettingsStore {
public:
    SettingsStore(SettingsFolder folder, const SettingsWindow& window, const Clock& clock, DiskIo& disk)
        : m_folder(std::move(folder)), m_files(m_folder, disk, window.messages), m_lastExit(m_files, window.profile),
          m_userDefault(m_files, window.profile, window.sounds),
          m_history(m_files, window.profile, window.sounds, clock),
          m_menu(m_files, window.profile, window.menuLabels, window.tray, window.sounds, m_history),
          m_geometry(m_files, window.placement), m_layout(m_files, window.layout), m_autoSwitch(m_files)
    {
    }

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const SettingsFolder& folder() const { return m_folder; }
    LastExitFile& lastExit() { return m_lastExit; }
    UserDefaultFile& userDefault() { return m_userDefault; }
    SettingsHistory& history() { return m_history; }
    UserMenu& menu() { return m_menu; }
    WindowGeometryFile& geometry() { return m_geometry; }
    ButtonLayoutFile& layout() { return m_layout; }
    AutoSwitchFile& autoSwitch() { return m_autoSwitch; }

private:
    SettingsFolder m_folder;
    SettingsFiles m_files;
    LastExitFile m_lastExit;
    UserDefaultFile m_userDefault;
    SettingsHistory m_history;
    UserMenu m_menu;
    WindowGeometryFile m_geometry;
    ButtonLayoutFile m_layout;
    AutoSwitchFile m_autoSwitch;
};

} // namespace rukcon::settings
