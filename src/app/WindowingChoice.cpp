#include "app/WindowingChoice.h"

#include "platform/gnome/GnomeFactory.h"
#include "platform/kwin/KwinFactory.h"
#include "platform/null/NullFactory.h"
#include "platform/wayland/WaylandFactory.h"
#include "platform/x11/X11Factory.h"

namespace rukcon::app {

namespace {

constexpr WindowingRow kTable[] = {
    {"wlroots", &platform::wayland::offerBackends},
    {"KDE Plasma", &platform::kwin::offerBackends},
    {"GNOME", &platform::gnome::offerBackends},
    {"X11", &platform::x11::offerBackends},
};

} // namespace

std::span<const WindowingRow> windowingTable()
{
    return kTable;
}

Windowing chooseWindowing(std::span<const WindowingRow> table, const platform::WindowingRequest& request)
{
    Windowing chosen;
    for (const WindowingRow& row : table) {
        platform::BackendsOffer offer = row.offer(request);
        if (!offer.advice.empty())
            chosen.advice += (chosen.advice.empty() ? "" : "\n\n") + offer.advice;
        if (offer.backends) {
            chosen.backends = std::move(*offer.backends);
            chosen.desktop = row.desktop;
            break;
        }
    }
    // An X display without XTest lists windows but cannot type: not usable either.
    chosen.usable = chosen.backends.keys && chosen.backends.windows;
    if (!chosen.backends.keys)
        chosen.backends.keys = platform::null::createKeyEmitter();
    if (!chosen.backends.windows)
        chosen.backends.windows = platform::null::createWindowSystem();
    if (chosen.backends.eventFd >= 0 && chosen.backends.readEvents) {
        chosen.events = std::make_unique<QSocketNotifier>(chosen.backends.eventFd, QSocketNotifier::Read);
        QSocketNotifier* notifier = chosen.events.get();
        // A broken connection stays readable: it is watched no more.
        QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                         [notifier, read = chosen.backends.readEvents] {
                             if (!read())
                                 notifier->setEnabled(false);
                         });
    }
    return chosen;
}

} // namespace rukcon::app
