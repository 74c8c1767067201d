#pragma once

#include "platform/Backends.h"

#include <optional>

namespace rukcon::platform::gnome {

// GNOME Shell under Wayland, through the program's own Shell extension over the session bus:
// windows, keys and the focused window. The extension serves only the program installed beside
// it (PREFIX/bin/rukcon for PREFIX/share/gnome-shell/extensions/UUID). A Wayland connection of
// the program's own (the bundle's eventFd) follows the user's keymap, so that a keysym the layout
// lacks goes as the key a real keyboard has for it.
// nullopt when the extension does not serve this program (no session bus, no GNOME Shell, the
// extension missing, off or refusing) or no compositor answers at that name.
std::optional<Backends> createBackends(const char* displayName = nullptr);

// The same as a row of the program's choice of backends: on a Wayland session whose session bus
// has GNOME Shell, the backends, or, when the extension is missing, off or refuses the program,
// none and how to turn it on. Elsewhere nothing.
BackendsOffer offerBackends(const WindowingRequest& request);

} // namespace rukcon::platform::gnome
