#include "app/SessionBusAddress.h"

#include <string_view>

namespace rukcon::app {

namespace {

bool nonEmpty(const char* value)
{
    return value && *value;
}

// Where libdbus looks for dbus-launch: its own folder first, then each folder of PATH.
bool launcherInstalled(const char* path, const std::function<bool(const std::filesystem::path&)>& exists)
{
    constexpr const char* kLauncher = "dbus-launch";
    if (exists(std::filesystem::path("/usr/bin") / kLauncher))
        return true;
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const size_t end = folders.find(':');
        const std::string_view folder = folders.substr(0, end);
        // An empty entry is the current folder, as for execvp.
        if (exists(std::filesystem::path(folder.empty() ? "." : folder) / kLauncher))
            return true;
        if (end == std::string_view::npos)
            break;
        folders.remove_prefix(end + 1);
    }
    return false;
}

// A value in a D-Bus address: bytes other than these are written %XX.
std::string escapedAddressValue(const std::string& value)
{
    static constexpr std::string_view kPlain = "-_/.\\*";
    std::string escaped;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            kPlain.find(c) != std::string_view::npos) {
            escaped += c;
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        }
    }
    return escaped;
}

} // namespace

std::optional<std::string>
sessionBusAddressWithoutLaunch(const SessionBusEnvironment& environment,
                               const std::function<bool(const std::filesystem::path&)>& exists)
{
    // An address given, or a bus where the runtime folder keeps it: libdbus connects there.
    if (nonEmpty(environment.address) || !nonEmpty(environment.runtimeDir))
        return std::nullopt;
    const std::filesystem::path socket = std::filesystem::path(environment.runtimeDir) / "bus";
    if (exists(socket))
        return std::nullopt;
    // Without an X display libdbus gives up without a child; with dbus-launch the child may find a bus.
    if (!nonEmpty(environment.display) || launcherInstalled(environment.path, exists))
        return std::nullopt;
    return "unix:path=" + escapedAddressValue(socket.string());
}

} // namespace rukcon::app
