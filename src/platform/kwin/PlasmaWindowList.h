#pragma once

#include "platform/WindowSystem.h"
#include "platform/wayland/WaylandConnection.h"

#include <memory>
#include <string>
#include <vector>

struct org_kde_plasma_window;
struct org_kde_plasma_window_management;

namespace rukcon::platform::kwin {

// KWin's windows through org_kde_plasma_window_management: title, app_id and state of each, and
// their stacking order, as KWin tells them. What KWin sends is taken in whenever the connection
// is read.
class PlasmaWindowList {
public:
    // nullptr when KWin does not offer the interface to this program.
    static std::unique_ptr<PlasmaWindowList> create(std::shared_ptr<wayland::WaylandConnection> connection);
    ~PlasmaWindowList();
    PlasmaWindowList(const PlasmaWindowList&) = delete;
    PlasmaWindowList& operator=(const PlasmaWindowList&) = delete;

    struct Window {
        PlasmaWindowList* owner;
        org_kde_plasma_window* handle;
        WindowId id;
        std::string uuid;
        std::string title;
        std::string appId;
        uint32_t state = 0; // org_kde_plasma_window_management state flags
        bool active() const;
        bool minimized() const;
    };

    // Front to back where KWin tells the stacking order, else in the order they appeared.
    std::vector<const Window*> frontToBack() const;
    const Window* find(WindowId id) const;
    const Window* active() const;
    // Asks KWin to set the flags of the window's state to the values in state.
    void setState(WindowId id, uint32_t flags, uint32_t state);

    wayland::WaylandConnection& connection() const { return *m_connection; }

private:
    explicit PlasmaWindowList(std::shared_ptr<wayland::WaylandConnection> connection)
        : m_connection(std::move(connection))
    {
    }

    friend struct PlasmaEvents;
    std::shared_ptr<wayland::WaylandConnection> m_connection;
    org_kde_plasma_window_management* m_manager = nullptr;
    std::vector<std::unique_ptr<Window>> m_windows; // in the order they appeared
    std::vector<std::string> m_stacking;            // uuids, bottom to top
    const Window* m_active = nullptr;
    WindowId m_lastId = 0;
};

} // namespace rukcon::platform::kwin
