#include "platform/wayland/WaylandFactory.h"

#include "platform/wayland/ForeignToplevelWindows.h"
#include "platform/wayland/VirtualKeyboardEmitter.h"
#include "platform/wayland/WaylandActiveWindowWatch.h"
#include "platform/wayland/WaylandConnection.h"

namespace rukcon::platform::wayland {

std::optional<Backends> createBackends(const char* displayName, const std::string& ownAppId)
{
    std::shared_ptr<WaylandConnection> connection = WaylandConnection::open(displayName);
    if (!connection)
        return std::nullopt;
    Backends backends;
    backends.windows = ForeignToplevelWindows::create(connection);
    if (!backends.windows)
        return std::nullopt;
    backends.keys = VirtualKeyboardEmitter::create(connection);
    if (!backends.keys)
        return std::nullopt;
    backends.activeWindow = std::make_unique<WaylandActiveWindowWatch>(
        connection, displayName ? std::optional<std::string>(displayName) : std::nullopt, ownAppId);
    backends.eventFd = connection->fd();
    backends.readEvents = [connection] { return connection->readEvents(); };
    return backends;
}

BackendsOffer offerBackends(const WindowingRequest& request)
{
    if (!request.waylandDisplay || !*request.waylandDisplay)
        return {};
    return {createBackends(request.waylandDisplay, request.ownAppId), {}};
}

} // namespace rukcon::platform::wayland
