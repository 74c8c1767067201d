#pragma once

#include "platform/Backends.h"

#include <optional>
#include <string>

namespace rukcon::platform::kwin {

// KDE Plasma's KWin (5.27 and later): windows through org_kde_plasma_window_management, keys
// through org_kde_kwin_fake_input, on one connection; the active-window watch opens its own
// while it runs. KWin offers both only to programs it trusts: one started from an installed
// desktop file whose Exec is the program's absolute path and whose X-KDE-Wayland-Interfaces
// names them. nullopt where KWin does not run or does not trust the program.
std::optional<Backends> createBackends(const char* displayName = nullptr, const std::string& ownAppId = {});

// The same as a row of the program's choice of backends. Where KWin runs but does not trust the
// program, the offer says how to mend that.
BackendsOffer offerBackends(const WindowingRequest& request);

} // namespace rukcon::platform::kwin
