#pragma once

#include "platform/WindowSystem.h"
#include "platform/wayland/WaylandConnection.h"

#include <memory>
#include <vector>

struct zwlr_foreign_toplevel_handle_v1;

namespace rukcon::platform::wayland {

// The compositor's toplevels through the foreign-toplevel protocol. The compositor tells each
// toplevel's title and state as they change; they are taken in whenever the connection is read
// (the event loop, or a listing, which first waits for the compositor to catch up).
//
// The protocol gives no stacking order: the toplevels are listed in the order they appeared.
// Keeping a window above others is not offered at all.
class ForeignToplevelWindows : public WindowSystem {
public:
    // nullptr without a seat or a foreign-toplevel manager.
    static std::unique_ptr<ForeignToplevelWindows> create(std::shared_ptr<WaylandConnection> connection);
    ~ForeignToplevelWindows() override;

    bool listVisibleWindows(std::vector<WindowEntry>& out) override;
    bool restore(WindowId id) override;
    bool activate(WindowId id, ActivationWait wait) override;
    bool setKeepAbove(WindowId id, bool above) override;

    struct Toplevel {
        ForeignToplevelWindows* owner;
        zwlr_foreign_toplevel_handle_v1* handle;
        WindowId id;
        std::string title;
        bool activated = false;
        bool minimized = false;
    };

private:
    explicit ForeignToplevelWindows(std::shared_ptr<WaylandConnection> connection) : m_connection(std::move(connection))
    {
    }
    Toplevel* find(WindowId id);

    friend struct ToplevelEvents;
    std::shared_ptr<WaylandConnection> m_connection;
    std::vector<std::unique_ptr<Toplevel>> m_toplevels; // in the order they appeared
    WindowId m_lastId = 0;
};

} // namespace rukcon::platform::wayland
