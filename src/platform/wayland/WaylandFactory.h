#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rukcon::platform::wayland {

// The key and window backends, sharing one connection to the compositor, and the active-window
// watch, which opens its own while it runs.
struct Backends {
    std::unique_ptr<KeyEmitter> keys;
    std::unique_ptr<WindowSystem> windows;
    std::unique_ptr<ActiveWindowWatch> activeWindow;
    // The connection's socket, readable when the compositor has sent something (a title
    // changed, a window came or went). readEvents() takes it in without blocking; false once
    // the connection is broken, after which the socket need not be watched any more.
    int eventFd = -1;
    std::function<bool()> readEvents;
};

// On the compositor of that name ($WAYLAND_DISPLAY when null), when it offers a seat, virtual
// keyboards and the foreign-toplevel list; otherwise nothing. ownAppId is the app_id of the
// program's own windows, which the active-window watch never reports as another program's.
std::optional<Backends> createBackends(const char* displayName = nullptr, const std::string& ownAppId = {});

} // namespace rukcon::platform::wayland
