#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/wayland/ActiveWindowChanges.h"
#include "platform/wayland/WaylandConnection.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct zwlr_foreign_toplevel_handle_v1;

namespace rukcon::platform::wayland {

// The toplevel whose state holds `activated`, and its title, as the foreign-toplevel protocol
// reports them (taken as of each toplevel's `done`). While started it has a connection of its
// own, so its descriptor wakes the caller only for toplevel events and the session's connection
// is read as before; stopped, it holds no connection and the compositor sends it nothing.
// The program's own toplevels are those whose app_id is ownAppId.
class WaylandActiveWindowWatch : public ActiveWindowWatch {
public:
    // session: the program's connection, which tells whether the compositor offers the list.
    WaylandActiveWindowWatch(std::shared_ptr<WaylandConnection> session, std::optional<std::string> displayName,
                             std::string ownAppId);
    ~WaylandActiveWindowWatch() override;

    bool available() override;
    int start() override;
    void stop() override;
    std::optional<ActiveWindow> takeChange() override;

    struct Toplevel {
        WaylandActiveWindowWatch* owner;
        zwlr_foreign_toplevel_handle_v1* handle;
        WindowId id;
        // As of the last `done`; the pending ones collect the events before it.
        std::string title, appId, pendingTitle, pendingAppId;
        bool activated = false, pendingActivated = false;
    };

private:
    ActiveWindow current() const;

    friend struct WatchEvents;
    std::shared_ptr<WaylandConnection> m_session;
    std::optional<std::string> m_displayName;
    std::shared_ptr<WaylandConnection> m_connection; // only while started
    ActiveWindowChanges m_changes;                   // its descriptor only while started
    std::vector<std::unique_ptr<Toplevel>> m_toplevels;
    const Toplevel* m_active = nullptr;
    WindowId m_lastId = 0;
};

} // namespace rukcon::platform::wayland
