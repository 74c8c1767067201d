#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace rukcon::platform {

using WindowId = uint64_t; // 0 = no window

// Whether activate() waits for the window system to have made the window active.
enum class ActivationWait {
    UntilActive, // returns once the window is active, or after a short bound
    No,          // returns once the request is made; an already active window costs no request
};

// Window systems act on requests asynchronously, within milliseconds. Keys sent before a window
// is active would reach the previous one, so activation waits for the outcome, this long at most.
inline constexpr std::chrono::milliseconds kActivationBound{100};

struct WindowEntry {
    WindowId id = 0;
    std::string caption; // UTF-8
};

// The top-level windows of the desktop, as far as finding and raising a program needs them.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Visible top-level windows, front to back. False when the listing ended early; what
    // was collected up to then is still in out.
    virtual bool listVisibleWindows(std::vector<WindowEntry>& out) = 0;

    // A top-level window whose caption is exactly this text, or 0.
    virtual WindowId findByCaption(const std::string& caption)
    {
        std::vector<WindowEntry> windows;
        listVisibleWindows(windows);
        for (const WindowEntry& w : windows) {
            if (w.caption == caption)
                return w.id;
        }
        return 0;
    }

    // Restores the window if it is minimised.
    virtual bool restore(WindowId id) = 0;

    // Brings the window to the front with the keyboard focus. With UntilActive it returns once
    // the window system has made it active (true), or false after a short bound, so keys sent
    // next reach it.
    virtual bool activate(WindowId id, ActivationWait wait) = 0;

    // Puts the window into the band above all ordinary windows, or takes it out again, without
    // moving or resizing it.
    virtual bool setKeepAbove(WindowId id, bool above) = 0;

    // The program goes idle: what is kept open only to serve the calls above (a connection of
    // its own) may close, to be opened again by the next call. A connection other parts read
    // stays.
    virtual void releaseIdleResources() {}
};

} // namespace rukcon::platform
