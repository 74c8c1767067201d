#pragma once

#include "platform/ActiveWindowWatch.h"

#include <optional>
#include <string>

namespace rukcon::platform::wayland {

class WaylandConnection;

// What the watches on a Wayland connection of their own share: the descriptor they hand out, and
// what they report. The program's own toplevels are those whose app_id is ownAppId.
class ActiveWindowChanges {
public:
    explicit ActiveWindowChanges(std::string ownAppId);
    ~ActiveWindowChanges();
    ActiveWindowChanges(const ActiveWindowChanges&) = delete;
    ActiveWindowChanges& operator=(const ActiveWindowChanges&) = delete;

    // An epoll set holding the connection's socket, so that a broken connection, whose socket
    // stays readable, can be taken out of it instead of waking the caller without end; -1 when it
    // cannot be made.
    int watch(const WaylandConnection& connection);
    void unwatch();
    int wake() const { return m_wake; }

    // A toplevel found active, as reported.
    ActiveWindow describe(WindowId id, const std::string& title, const std::string& appId) const;
    // The window active at the start, which is not reported.
    void know(ActiveWindow window) { m_last = std::move(window); }

    // Reads what arrived; false once the connection broke, which then wakes the caller no more.
    bool read(WaylandConnection& connection);
    // Asked once everything read is handled, as a move reports the window left and the one entered
    // in either order: the active window when it or its title differs from the last one reported.
    std::optional<ActiveWindow> changed(ActiveWindow now);

private:
    std::string m_ownAppId;
    int m_wake = -1;
    ActiveWindow m_last;
};

} // namespace rukcon::platform::wayland
