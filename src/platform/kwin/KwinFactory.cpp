#include "platform/kwin/KwinFactory.h"

#include "platform/kwin/FakeInputEmitter.h"
#include "platform/kwin/PlasmaActiveWindowWatch.h"
#include "platform/kwin/PlasmaWindows.h"
#include "platform/wayland/WaylandConnection.h"

#include <filesystem>
#include <system_error>

namespace rukcon::platform::kwin {

namespace {

// KWin offers it to every client; no other compositor does.
constexpr const char* kKwinMark = "org_kde_plasma_virtual_desktop_management";

std::optional<Backends> backendsOn(const std::shared_ptr<wayland::WaylandConnection>& connection,
                                   const char* displayName, const std::string& ownAppId)
{
    std::unique_ptr<PlasmaWindowList> list = PlasmaWindowList::create(connection);
    if (!list)
        return std::nullopt;
    Backends backends;
    backends.keys = FakeInputEmitter::create(connection);
    if (!backends.keys)
        return std::nullopt;
    backends.windows = std::make_unique<PlasmaWindows>(std::move(list));
    backends.activeWindow = std::make_unique<PlasmaActiveWindowWatch>(
        connection, displayName ? std::optional<std::string>(displayName) : std::nullopt, ownAppId);
    backends.eventFd = connection->fd();
    backends.readEvents = [connection] { return connection->readEvents(); };
    return backends;
}

std::string untrustedAdvice()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return "KDE Plasma (KWin) がこのプログラムを信頼していないため、Wayland のウィンドウを探すこともキーを送ることも"
           "できません。今は XWayland のウィンドウにだけ送ります。\n"
           "インストールされた rukcon.desktop（applications フォルダー）の Exec= がこのプログラム（" +
           (ec ? std::string("rukcon") : self.string()) +
           "）の絶対パスで、X-KDE-Wayland-Interfaces=org_kde_plasma_window_management,org_kde_kwin_fake_input "
           "があることを確かめ、RUKコンを起動し直してください。";
}

} // namespace

std::optional<Backends> createBackends(const char* displayName, const std::string& ownAppId)
{
    std::shared_ptr<wayland::WaylandConnection> connection = wayland::WaylandConnection::open(displayName);
    if (!connection)
        return std::nullopt;
    return backendsOn(connection, displayName, ownAppId);
}

BackendsOffer offerBackends(const WindowingRequest& request)
{
    if (!request.waylandDisplay || !*request.waylandDisplay)
        return {};
    std::shared_ptr<wayland::WaylandConnection> connection = wayland::WaylandConnection::open(request.waylandDisplay);
    if (!connection)
        return {};
    BackendsOffer offer;
    offer.backends = backendsOn(connection, request.waylandDisplay, request.ownAppId);
    if (!offer.backends && connection->offers(kKwinMark))
        offer.advice = untrustedAdvice();
    return offer;
}

} // namespace rukcon::platform::kwin
