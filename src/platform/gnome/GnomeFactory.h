#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <memory>
#include <optional>
#include <string>

namespace rukcon::platform::gnome {

// GNOME Shell under Wayland, through the program's own Shell extension over the session bus:
// windows, keys and the focused window. The extension serves only the program installed beside
// it (PREFIX/bin/rukcon for PREFIX/share/gnome-shell/extensions/UUID).
struct Backends {
    std::unique_ptr<KeyEmitter> keys;
    std::unique_ptr<WindowSystem> windows;
    std::unique_ptr<ActiveWindowWatch> activeWindow;
};

// nullopt when the extension does not serve this program (no session bus, no GNOME Shell, the
// extension missing, off or refusing).
std::optional<Backends> createBackends();

// A row of the program's choice of backends: on a Wayland session (waylandDisplay set) whose
// session bus has GNOME Shell, the backends; when the extension is missing, off or refuses the
// program, none, and advice: how to turn it on. Elsewhere neither.
struct Offer {
    std::optional<Backends> backends;
    std::string advice;
};
Offer offerBackends(const char* waylandDisplay);

} // namespace rukcon::platform::gnome
