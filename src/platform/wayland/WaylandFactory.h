#pragma once

#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <functional>
#include <memory>
#include <optional>

namespace rukcon::platform::wayland {

// Both backends, sharing one connection to the compositor.
struct Backends {
    std::unique_ptr<KeyEmitter> keys;
    std::unique_ptr<WindowSystem> windows;
    // The connection's socket, readable when the compositor has sent something (a title
    // changed, a window came or went). readEvents() takes it in without blocking; false once
    // the connection is broken, after which the socket need not be watched any more.
    int eventFd = -1;
    std::function<bool()> readEvents;
};

// On the compositor of that name ($WAYLAND_DISPLAY when null), when it offers a seat, virtual
// keyboards and the foreign-toplevel list; otherwise nothing.
std::optional<Backends> createBackends(const char* displayName = nullptr);

} // namespace rukcon::platform::wayland
