#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rukcon::target {

// What the choice needs of a profile: its name and the caption fragment of its program.
struct ProfileTarget {
    std::string name;
    std::string fragment;
};

// The window the user has just moved to.
struct ActiveCaption {
    std::string caption;
    bool ownWindow = false; // one of this program's windows
};

// Which user-menu entry to put into force for the window the user has just moved to: the first,
// in menu order, whose fragment names the window (the rule of target activation). None when
// the user is editing (settings mode), for the program's own windows and windows without a
// caption, for an entry without a name (it cannot be picked from the tray either), and when
// the profile in use already names the window (which covers the entry in use): the dispatch's
// own activation of its target then never switches, even where an earlier entry names that
// window too.
// fragmentInUse is the caption fragment of the profile in use.
std::optional<size_t> ChooseMenuEntry(const ActiveCaption& window, bool settingsMode,
                                      const std::vector<ProfileTarget>& entries, const std::string& fragmentInUse);

} // namespace rukcon::target
