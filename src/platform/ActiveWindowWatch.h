#pragma once

#include "platform/WindowSystem.h"

#include <optional>
#include <string>

namespace rukcon::platform {

struct ActiveWindow {
    WindowId id = 0;     // 0 = no window is active
    std::string caption; // UTF-8
    // Whether it is one of the program's own windows, where the backend tells (Wayland, by the
    // app_id); unset where the program looks the id up among its own windows (X11).
    std::optional<bool> own = std::nullopt;
};

// Tells when the user moves to another window, or the active window's caption changes. It sleeps
// on a file descriptor that the caller's event loop watches, so it costs nothing while nothing
// changes, and nothing at all while stopped.
class ActiveWindowWatch {
public:
    virtual ~ActiveWindowWatch() = default;

    // Whether the window system names its active window; asked afresh, as a window manager may
    // come or go. While started, asking may take in what the descriptor showed: call
    // takeChange() after it.
    virtual bool available() = 0;

    // Starts listening: the descriptor that becomes readable when something may have changed,
    // or -1 when it cannot listen. The window active at the start is not reported.
    virtual int start() = 0;
    virtual void stop() = 0;

    // Reads what arrived: the active window when it, or its caption, differs from the last one
    // seen; nothing otherwise. Call it whenever the descriptor is readable.
    virtual std::optional<ActiveWindow> takeChange() = 0;
};

} // namespace rukcon::platform
