#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rukcon::platform {

// The key and window backends of one window system, as each windowing factory hands them out.
struct Backends {
    std::unique_ptr<KeyEmitter> keys;
    std::unique_ptr<WindowSystem> windows;
    // Follows the active window for automatic switching; none: the option stays disabled.
    std::unique_ptr<ActiveWindowWatch> activeWindow;
    // A descriptor the event loop watches, readable when the window system has sent something
    // (a title changed, a window came or went); -1 when there is nothing to take in. readEvents
    // takes it in without blocking and returns false once the connection is broken, after which
    // the descriptor need not be watched any more.
    int eventFd = -1;
    std::function<bool()> readEvents;
};

// What a windowing factory is asked with.
struct WindowingRequest {
    const char* waylandDisplay = nullptr; // $WAYLAND_DISPLAY; null or empty: no Wayland session
    const char* x11Display = nullptr;     // null: $DISPLAY as it is when a part connects
    std::string ownAppId;                 // the app_id the compositor gives the program's own windows
};

// A windowing factory's answer: the backends when its window system can do the job here; otherwise
// none, and where the desktop runs but refuses the program and the user can mend that, how
// (told once; empty when there is nothing to tell).
struct BackendsOffer {
    std::optional<Backends> backends;
    std::string advice;
};

} // namespace rukcon::platform
