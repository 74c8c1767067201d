#pragma once

#include "platform/Backends.h"

#include <optional>
#include <string>

namespace rukcon::platform::wayland {

// The key and window backends share one connection to the compositor, whose socket is the
// bundle's eventFd; the active-window watch opens its own while it runs.
// On the compositor of that name ($WAYLAND_DISPLAY when null), when it offers a seat, virtual
// keyboards and the foreign-toplevel list; otherwise nothing. ownAppId is the app_id of the
// program's own windows, which the active-window watch never reports as another program's.
std::optional<Backends> createBackends(const char* displayName = nullptr, const std::string& ownAppId = {});

// The same as a row of the program's choice of backends: nothing without a Wayland session.
BackendsOffer offerBackends(const WindowingRequest& request);

} // namespace rukcon::platform::wayland
