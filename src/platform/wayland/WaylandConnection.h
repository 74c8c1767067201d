#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct wl_display;
struct wl_interface;
struct wl_registry;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwlr_foreign_toplevel_manager_v1;

namespace rukcon::platform::wayland {

// One connection to the compositor and the globals this program uses: the first seat, the
// virtual keyboard manager and the foreign-toplevel manager (each null when not offered); other
// globals are bound on request by the backend that uses them.
// Events are read only when asked: the event loop watches fd() and calls readEvents(), and
// the backends read while they wait for an outcome.
class WaylandConnection {
public:
    // nullptr when no compositor answers at that name ($WAYLAND_DISPLAY when null).
    static std::shared_ptr<WaylandConnection> open(const char* displayName = nullptr);
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* display() const { return m_display; }
    wl_seat* seat() const { return m_seat; }
    zwp_virtual_keyboard_manager_v1* keyboardManager() const { return m_keyboardManager; }
    zwlr_foreign_toplevel_manager_v1* toplevelManager() const { return m_toplevelManager; }
    // The version the foreign-toplevel manager was bound at.
    uint32_t toplevelVersion() const { return m_toplevelVersion; }
    // Whether the seat has a keyboard, as the compositor last said.
    bool seatHasKeyboard() const;

    // Whether the compositor offers a global of that interface to this client.
    bool offers(std::string_view interface) const;
    // Binds the first global of that interface at the highest version both sides know (at most
    // maxVersion), which goes to *version; null when it is not offered. The caller destroys the
    // proxy before the connection goes.
    void* bind(const wl_interface* interface, uint32_t maxVersion, uint32_t* version = nullptr);

    int fd() const;
    // False once the connection is broken (the compositor ended or refused a request).
    bool healthy() const;
    // Sends what is queued and handles what has arrived, without blocking.
    bool readEvents();
    // Sends the queued requests and handles events until done() holds or the bound passes.
    bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds bound);
    // Waits until the compositor has handled every request sent so far, and the events that
    // caused have been handled.
    bool roundtrip();
    bool flush();

private:
    explicit WaylandConnection(wl_display* display) : m_display(display) {}
    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    static void onGlobalRemove(void* data, wl_registry* registry, uint32_t name);
    // Reads what the socket holds, waiting at most timeoutMs (0: not at all), then dispatches.
    bool readAndDispatch(int timeoutMs);

    wl_display* m_display;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    zwp_virtual_keyboard_manager_v1* m_keyboardManager = nullptr;
    zwlr_foreign_toplevel_manager_v1* m_toplevelManager = nullptr;
    uint32_t m_toplevelVersion = 0;
    uint32_t m_seatCapabilities = 0;
    struct Global {
        uint32_t name;
        std::string interface;
        uint32_t version;
    };
    std::vector<Global> m_globals;
};

} // namespace rukcon::platform::wayland
