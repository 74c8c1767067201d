#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <QSocketNotifier>

#include <memory>
#include <string>

namespace rukcon::app {

// The key and window backends for the session the program runs in.
struct Windowing {
    std::unique_ptr<platform::KeyEmitter> keys;
    std::unique_ptr<platform::WindowSystem> windows;
    // Follows the active window for automatic switching.
    std::unique_ptr<platform::ActiveWindowWatch> activeWindow;
    // Takes in what the compositor sends as it comes, so nothing piles up (Wayland only).
    std::unique_ptr<QSocketNotifier> events;
    // False when neither a Wayland compositor nor an X display can do the job: the null
    // backends stand in, and the user is to be told.
    bool usable = false;
};

// On a Wayland session (waylandDisplay, the value of $WAYLAND_DISPLAY, set) whose compositor
// offers virtual keyboards and the toplevel list, the Wayland backends; otherwise X11 ($DISPLAY:
// an X session, or XWayland on other Wayland desktops); otherwise the null backends. ownAppId is
// the app_id the compositor gives the program's own windows.
Windowing chooseWindowing(const char* waylandDisplay, const std::string& ownAppId);

} // namespace rukcon::app
