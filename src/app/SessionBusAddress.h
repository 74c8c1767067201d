#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace rukcon::app {

// The environment values that decide where libdbus looks for the session bus (null when unset).
struct SessionBusEnvironment {
    const char* address = nullptr;    // DBUS_SESSION_BUS_ADDRESS
    const char* runtimeDir = nullptr; // XDG_RUNTIME_DIR
    const char* display = nullptr;    // DISPLAY
    const char* path = nullptr;       // PATH
};

// With no address in the environment and no bus socket in the runtime folder, libdbus starts
// dbus-launch to find or start a bus for the X display, in a child forked from the whole program
// and looked up in /usr/bin and then along PATH; Qt (its accessibility bridge) and SDL each do so
// once at start-up. Where no dbus-launch is installed that child can only fail, and forking the
// program twice is a large part of its start-up: the address of the runtime folder's bus socket,
// which libdbus would have used had it been there, is returned for the environment instead, so
// every connection fails at once as it would have anyway (or finds a bus started there since).
// Otherwise nothing: libdbus goes its usual way. `exists` tells whether a file is there.
std::optional<std::string>
sessionBusAddressWithoutLaunch(const SessionBusEnvironment& environment,
                               const std::function<bool(const std::filesystem::path&)>& exists);

} // namespace rukcon::app
