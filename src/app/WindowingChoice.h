#pragma once

#include "platform/Backends.h"

#include <QSocketNotifier>

#include <memory>
#include <span>
#include <string>

namespace rukcon::app {

// One way of reaching the desktop's windows and keys, tried in the table's order.
struct WindowingRow {
    const char* desktop; // as the user knows it
    platform::BackendsOffer (*offer)(const platform::WindowingRequest&);
};

// The program's order: wlroots protocols, KWin's, the program's GNOME Shell extension, X11 (an X
// session, or XWayland on other Wayland desktops). The null backends stand in when no row offers backends.
std::span<const WindowingRow> windowingTable();

// The key and window backends for the session the program runs in.
struct Windowing {
    platform::Backends backends;
    // Takes in what the window system sends as it comes, so nothing piles up; none when the
    // chosen backends have nothing to watch.
    std::unique_ptr<QSocketNotifier> events;
    // The row chosen; null when no row offered backends.
    const char* desktop = nullptr;
    // False when the chosen backends cannot both type and find windows, or none were offered:
    // the null backends stand in for what is missing, and the user is to be told.
    bool usable = false;
    // What rows tried before the chosen one said the user can mend (one paragraph each), to be
    // told once.
    std::string advice;
};

// The first row of the table that offers backends for this request, with the advice of those
// that refused before it.
Windowing chooseWindowing(std::span<const WindowingRow> table, const platform::WindowingRequest& request);

} // namespace rukcon::app
