#include "platform/gnome/GnomeFactory.h"

#include "ShellExtensionNames.h"
#include "platform/gnome/ShellActiveWindowWatch.h"
#include "platform/gnome/ShellKeyEmitter.h"
#include "platform/gnome/ShellWindows.h"

#include <QDBusConnectionInterface>

namespace rukcon::platform::gnome {

namespace {

// GNOME Shell's own name on the session bus.
constexpr char kShellBusName[] = "org.gnome.Shell";

std::optional<Backends> backendsFor(const std::shared_ptr<ShellExtension>& extension)
{
    Backends backends;
    backends.windows = std::make_unique<ShellWindows>(extension);
    backends.keys = std::make_unique<ShellKeyEmitter>(extension, nullptr);
    backends.activeWindow = std::make_unique<ShellActiveWindowWatch>(extension);
    return backends;
}

std::string adviceFor(ShellExtension::Reach reach)
{
    if (reach == ShellExtension::Reach::Refused)
        return std::string("GNOME Shell の RUKコン拡張機能は、同じ場所にインストールされた rukcon にだけ応えます。"
                           "このプログラムは断られたため、今は XWayland のウィンドウにだけキーを送ります。"
                           "パッケージでインストールした rukcon を起動してください。");
    return std::string("GNOME の Wayland では、RUKコンの GNOME Shell 拡張機能がないと Wayland のウィンドウを探すことも"
                       "キーを送ることもできません。今は XWayland のウィンドウにだけ送ります。\n"
                       "端末で「gnome-extensions enable ") +
           kExtensionUuid +
           "」を実行してから RUKコンを起動し直してください。パッケージをインストールした直後は、"
           "その前に一度ログアウトしてログインし直す必要があります（GNOME Shell "
           "はログインのときに拡張機能を探します）。";
}

} // namespace

std::optional<Backends> createBackends()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    auto extension = std::make_shared<ShellExtension>(bus);
    if (extension->reach() != ShellExtension::Reach::Serving)
        return std::nullopt;
    return backendsFor(extension);
}

Offer offerBackends(const char* waylandDisplay)
{
    if (!waylandDisplay || !*waylandDisplay)
        return {};
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kShellBusName))
        return {};
    auto extension = std::make_shared<ShellExtension>(bus);
    const ShellExtension::Reach reach = extension->reach();
    Offer offer;
    if (reach == ShellExtension::Reach::Serving)
        offer.backends = backendsFor(extension);
    else
        offer.advice = adviceFor(reach);
    return offer;
}

} // namespace rukcon::platform::gnome
