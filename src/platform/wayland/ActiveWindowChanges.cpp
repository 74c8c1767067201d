#include "platform/wayland/ActiveWindowChanges.h"

#include "platform/wayland/WaylandConnection.h"

#include <sys/epoll.h>
#include <unistd.h>

namespace rukcon::platform::wayland {

ActiveWindowChanges::ActiveWindowChanges(std::string ownAppId) : m_ownAppId(std::move(ownAppId)) {}

ActiveWindowChanges::~ActiveWindowChanges()
{
    unwatch();
}

int ActiveWindowChanges::watch(const WaylandConnection& connection)
{
    unwatch();
    m_wake = epoll_create1(EPOLL_CLOEXEC);
    epoll_event readable{};
    readable.events = EPOLLIN;
    if (m_wake >= 0 && epoll_ctl(m_wake, EPOLL_CTL_ADD, connection.fd(), &readable) != 0)
        unwatch();
    return m_wake;
}

void ActiveWindowChanges::unwatch()
{
    if (m_wake >= 0)
        ::close(m_wake);
    m_wake = -1;
}

ActiveWindow ActiveWindowChanges::describe(WindowId id, const std::string& title, const std::string& appId) const
{
    return {id, title, !m_ownAppId.empty() && appId == m_ownAppId};
}

bool ActiveWindowChanges::read(WaylandConnection& connection)
{
    if (connection.readEvents())
        return true;
    epoll_ctl(m_wake, EPOLL_CTL_DEL, connection.fd(), nullptr);
    return false;
}

std::optional<ActiveWindow> ActiveWindowChanges::changed(ActiveWindow now)
{
    if (now.id == m_last.id && now.caption == m_last.caption)
        return std::nullopt;
    m_last = now;
    return now;
}

} // namespace rukcon::platform::wayland
