#include "app/WindowingChoice.h"

#include "platform/null/NullFactory.h"
#include "platform/wayland/WaylandFactory.h"
#include "platform/x11/X11Factory.h"

namespace rukcon::app {

Windowing chooseWindowing(const char* waylandDisplay, const std::string& ownAppId)
{
    Windowing chosen;
    if (waylandDisplay && *waylandDisplay) {
        if (std::optional<platform::wayland::Backends> wayland =
                platform::wayland::createBackends(waylandDisplay, ownAppId)) {
            chosen.keys = std::move(wayland->keys);
            chosen.windows = std::move(wayland->windows);
            chosen.activeWindow = std::move(wayland->activeWindow);
            chosen.events = std::make_unique<QSocketNotifier>(wayland->eventFd, QSocketNotifier::Read);
            QSocketNotifier* notifier = chosen.events.get();
            // A broken connection stays readable: it is watched no more.
            QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                             [notifier, read = std::move(wayland->readEvents)] {
                                 if (!read())
                                     notifier->setEnabled(false);
                             });
            chosen.usable = true;
            return chosen;
        }
    }
    if (std::optional<platform::x11::Backends> x11 = platform::x11::createBackends()) {
        chosen.keys = std::move(x11->keys);
        chosen.windows = std::move(x11->windows);
        chosen.activeWindow = std::move(x11->activeWindow);
    }
    chosen.usable = chosen.keys && chosen.windows;
    if (!chosen.keys)
        chosen.keys = platform::null::createKeyEmitter();
    if (!chosen.windows)
        chosen.windows = platform::null::createWindowSystem();
    return chosen;
}

} // namespace rukcon::app
