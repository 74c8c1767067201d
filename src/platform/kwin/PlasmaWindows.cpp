#include "platform/kwin/PlasmaWindows.h"

#include "plasma-window-management-client-protocol.h"

namespace rukcon::platform::kwin {

bool PlasmaWindows::listVisibleWindows(std::vector<WindowEntry>& out)
{
    const bool current = m_list->connection().roundtrip();
    for (const PlasmaWindowList::Window* w : m_list->frontToBack())
        out.push_back({w->id, w->title});
    return current;
}

bool PlasmaWindows::requestState(WindowId id, uint32_t flag, bool on, ActivationWait wait)
{
    wayland::WaylandConnection& connection = m_list->connection();
    connection.readEvents();
    const PlasmaWindowList::Window* window = m_list->find(id);
    if (!window)
        return false;
    const auto done = [&] {
        const PlasmaWindowList::Window* w = m_list->find(id);
        return w && ((w->state & flag) != 0) == on;
    };
    if (done())
        return true;
    m_list->setState(id, flag, on ? flag : 0);
    if (wait == ActivationWait::No)
        return connection.flush();
    return connection.waitUntil(done, kActivationBound);
}

bool PlasmaWindows::restore(WindowId id)
{
    return requestState(id, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED, false, ActivationWait::UntilActive);
}

bool PlasmaWindows::activate(WindowId id, ActivationWait wait)
{
    return requestState(id, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE, true, wait);
}

bool PlasmaWindows::setKeepAbove(WindowId, bool)
{
    return false;
}

} // namespace rukcon::platform::kwin
