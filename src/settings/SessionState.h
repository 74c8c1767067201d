#pragma once

#include "settings/Profile.h"

#include <array>
#include <string>

namespace rukcon::settings {

// What the program runs on. The dispatch, the activation, the poll cycle and the settings files
// read and write it; the main window only shows it and carries a user's edits into it at once.
struct SessionState {
    // The profile in force: the 45 key choices, the caption fragment, the name and both numbers.
    Profile inForce;
    // The settings tabs are shown and nothing is polled; the window is built in this mode.
    bool settingsMode = true;
    // The tray's "一時停止": nothing is polled.
    bool paused = false;
    // The tray's "自動切替": the user-menu entry follows the active window.
    bool automaticSwitching = false;
    // The user menu as the menu tab and the tray show it: the profile name of each used entry,
    // empty for the others (the entries' records are the user menu's).
    std::array<std::string, kMenuEntryCount> menuCaptions{};
};

} // namespace rukcon::settings
