#include "platform/gnome/GnomeFactory.h"

#include "ShellExtensionNames.h"
#include "platform/gnome/ShellActiveWindowWatch.h"
#include "platform/gnome/ShellKeyEmitter.h"
#include "platform/gnome/ShellWindows.h"
#include "platform/wayland/SeatKeymap.h"
#include "platform/wayland/WaylandConnection.h"

#include <QDBusConnectionInterface>

namespace rukcon::platform::gnome {

namespace {

// GNOME Shell's own name on the session bus.
constexpr char kShellBusName[] = "org.gnome.Shell";

std::optional<Backends> backendsFor(const std::shared_ptr<ShellExtension>& extension, const char* displayName)
{
    std::shared_ptr<wayland::WaylandConnection> connection = wayland::WaylandConnection::open(displayName);
    if (!connection)
        return std::nullopt;
    auto keymap = std::make_shared<wayland::SeatKeymap>(connection);
    keymap->requestKeyboard();
    connection->roundtrip();
    Backends backends;
    backends.windows = std::make_unique<ShellWindows>(extension);
    // The Shell types a keysym through the layout's key for it; one the layout lacks goes as the
    // key a real keyboard has for it. Without a keymap yet, everything goes by keysym.
    backends.keys = std::make_unique<ShellKeyEmitter>(extension, [connection, keymap](Keysym keysym) -> uint32_t {
        connection->readEvents(); // a keymap sent since the last key first
        keymap->requestKeyboard();
        if (!keymap->keymap() || keymap->keycodeTyping(keysym))
            return 0;
        return wayland::evdevCodeOfMissing(keysym);
    });
    backends.activeWindow = std::make_unique<ShellActiveWindowWatch>(extension);
    backends.eventFd = connection->fd();
    backends.readEvents = [connection] { return connection->readEvents(); };
    return backends;
}

std::string adviceFor(ShellExtension::Reach reach)
{
    if (reach == ShellExtension::Reach::Refused)
        return "GNOME Shell の RUKコン拡張機能は、同じ場所にインストールされた rukcon にだけ応えます。"
               "このプログラムは断られたため、今は XWayland のウィンドウにだけキーを送ります。"
               "インストールされた rukcon を起動してください。";
    return std::string("GNOME の Wayland では、RUKコンの GNOME Shell 拡張機能がないと Wayland のウィンドウを探すことも"
                       "キーを送ることもできません。今は XWayland のウィンドウにだけ送ります。\n"
                       "端末で「gnome-extensions enable ") +
           kExtensionUuid +
           "」を実行してから RUKコンを起動し直してください。パッケージをインストールした直後は、"
           "その前に一度ログアウトしてログインし直す必要があります（GNOME Shell "
           "はログインのときに拡張機能を探します）。";
}

} // namespace

std::optional<Backends> createBackends(const char* displayName)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    auto extension = std::make_shared<ShellExtension>(bus);
    if (extension->reach() != ShellExtension::Reach::Serving)
        return std::nullopt;
    return backendsFor(extension, displayName);
}

BackendsOffer offerBackends(const WindowingRequest& request)
{
    if (!request.waylandDisplay || !*request.waylandDisplay)
        return {};
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kShellBusName))
        return {};
    auto extension = std::make_shared<ShellExtension>(bus);
    const ShellExtension::Reach reach = extension->reach();
    BackendsOffer offer;
    if (reach == ShellExtension::Reach::Serving)
        offer.backends = backendsFor(extension, request.waylandDisplay);
    else
        offer.advice = adviceFor(reach);
    return offer;
}

} // namespace rukcon::platform::gnome
