#include "platform/wayland/WaylandConnection.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>

namespace rukcon::platform::wayland {

namespace {

// Version 3 adds only the parent event; anything the compositor offers up to it will do.
constexpr uint32_t kToplevelManagerVersion = 3;

void seatCapabilities(void* data, wl_seat*, uint32_t capabilities)
{
    *static_cast<uint32_t*>(data) = capabilities;
}
void seatName(void*, wl_seat*, const char*) {}
constexpr wl_seat_listener kSeatListener = {seatCapabilities, seatName};

} // namespace

std::shared_ptr<WaylandConnection> WaylandConnection::open(const char* displayName)
{
    wl_display* display = wl_display_connect(displayName);
    if (!display)
        return nullptr;
    std::shared_ptr<WaylandConnection> connection(new WaylandConnection(display));
    static const wl_registry_listener listener = {&WaylandConnection::onGlobal, &WaylandConnection::onGlobalRemove};
    connection->m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(connection->m_registry, &listener, connection.get());
    // The globals. What the seat says of itself comes with the next trip, which the user of the
    // seat makes once the listeners of the managers bound here are in place (what these announce
    // before that would be lost).
    if (!connection->roundtrip())
        return nullptr;
    return connection;
}

WaylandConnection::~WaylandConnection()
{
    if (m_toplevelManager)
        zwlr_foreign_toplevel_manager_v1_destroy(m_toplevelManager);
    if (m_keyboardManager)
        zwp_virtual_keyboard_manager_v1_destroy(m_keyboardManager);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    wl_display_flush(m_display);
    wl_display_disconnect(m_display);
}

void WaylandConnection::onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                                 uint32_t version)
{
    auto* self = static_cast<WaylandConnection*>(data);
    self->m_globals.push_back({name, interface, version});
    // Of the seat only its capabilities are heard: whether it has a keyboard whose keymap to follow.
    if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
        self->m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        wl_seat_add_listener(self->m_seat, &kSeatListener, &self->m_seatCapabilities);
    } else if (!self->m_keyboardManager &&
               std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        self->m_keyboardManager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (!self->m_toplevelManager &&
               std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
        self->m_toplevelVersion = std::min(version, kToplevelManagerVersion);
        self->m_toplevelManager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface, self->m_toplevelVersion));
    }
}

void WaylandConnection::onGlobalRemove(void* data, wl_registry*, uint32_t name)
{
    // A seat or manager going away leaves its objects inert; requests on them are ignored.
    std::erase_if(static_cast<WaylandConnection*>(data)->m_globals, [name](const Global& g) { return g.name == name; });
}

bool WaylandConnection::seatHasKeyboard() const
{
    return (m_seatCapabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
}

bool WaylandConnection::offers(std::string_view interface) const
{
    return std::any_of(m_globals.begin(), m_globals.end(),
                       [interface](const Global& g) { return g.interface == interface; });
}

void* WaylandConnection::bind(const wl_interface* interface, uint32_t maxVersion, uint32_t* version)
{
    for (const Global& g : m_globals) {
        if (g.interface == interface->name) {
            const uint32_t chosen = std::min({g.version, maxVersion, static_cast<uint32_t>(interface->version)});
            if (version)
                *version = chosen;
            return wl_registry_bind(m_registry, g.name, interface, chosen);
        }
    }
    return nullptr;
}

int WaylandConnection::fd() const
{
    return wl_display_get_fd(m_display);
}

bool WaylandConnection::healthy() const
{
    return wl_display_get_error(m_display) == 0;
}

bool WaylandConnection::flush()
{
    // EAGAIN: the socket is full for now; the rest goes with the next flush.
    return wl_display_flush(m_display) >= 0 || errno == EAGAIN ? healthy() : false;
}

bool WaylandConnection::readAndDispatch(int timeoutMs)
{
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0)
            return false;
    }
    flush();
    pollfd pfd{fd(), POLLIN, 0};
    const int ready = poll(&pfd, 1, timeoutMs);
    if (ready > 0) {
        if (wl_display_read_events(m_display) < 0)
            return false;
    } else {
        wl_display_cancel_read(m_display);
    }
    return wl_display_dispatch_pending(m_display) >= 0 && healthy();
}

bool WaylandConnection::readEvents()
{
    return healthy() && readAndDispatch(0);
}

bool WaylandConnection::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    for (;;) {
        if (!healthy() || wl_display_dispatch_pending(m_display) < 0)
            return false;
        if (done())
            return true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        if (!readAndDispatch(static_cast<int>(left.count())))
            return false;
    }
}

bool WaylandConnection::roundtrip()
{
    return wl_display_roundtrip(m_display) >= 0 && healthy();
}

} // namespace rukcon::platform::wayland
