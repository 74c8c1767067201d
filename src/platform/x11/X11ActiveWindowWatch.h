#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/x11/WindowProperties.h"
#include "platform/x11/X11Connection.h"

#include <memory>
#include <optional>
#include <string>

namespace rukcon::platform::x11 {

// The EWMH active window: property changes of _NET_ACTIVE_WINDOW on the root, and of
// _NET_WM_NAME and WM_NAME on the active window (a program's caption changes when it opens a
// document). It needs a connection of its own, so that its descriptor wakes the caller only for
// these events. That connection is open only while the watch is started: the option is off by
// default, and an idle connection still holds memory here and in the server. Asked while
// stopped whether it is available, it asks over the connection given for such questions, or
// connects for the question alone.
class X11ActiveWindowWatch : public ActiveWindowWatch {
public:
    // A null name means $DISPLAY; asking, when given, is an open connection (another part's) that
    // answers available() while the watch is stopped.
    explicit X11ActiveWindowWatch(const char* displayName, std::shared_ptr<X11Connection> asking = nullptr);
    ~X11ActiveWindowWatch() override;

    bool available() override;
    int start() override;
    void stop() override;
    std::optional<ActiveWindow> takeChange() override;

private:
    bool connect();
    void disconnect();
    // The manager's active window, 0 when none is active or no manager names one.
    Window readActiveWindow();
    // Moves the caption selection from the window followed so far to this one.
    void follow(Window window);

    std::optional<std::string> m_displayName;
    std::shared_ptr<X11Connection> m_asking;
    std::shared_ptr<X11Connection> m_connection;
    Display* m_display = nullptr;
    Window m_root = 0;
    std::optional<WindowAtoms> m_atoms;
    bool m_started = false;
    Window m_followed = 0;
    ActiveWindow m_last;
};

} // namespace rukcon::platform::x11
