#include "platform/kwin/PlasmaActiveWindowWatch.h"

#include <sys/epoll.h>
#include <unistd.h>

namespace rukcon::platform::kwin {

namespace {
constexpr const char* kWindowManagement = "org_kde_plasma_window_management";
}

PlasmaActiveWindowWatch::PlasmaActiveWindowWatch(std::shared_ptr<wayland::WaylandConnection> session,
                                                 std::optional<std::string> displayName, std::string ownAppId)
    : m_session(std::move(session)), m_displayName(std::move(displayName)), m_ownAppId(std::move(ownAppId))
{
}

PlasmaActiveWindowWatch::~PlasmaActiveWindowWatch()
{
    stop();
}

bool PlasmaActiveWindowWatch::available()
{
    return m_session && m_session->healthy() && m_session->offers(kWindowManagement);
}

int PlasmaActiveWindowWatch::start()
{
    if (m_connection)
        return m_wake;
    m_connection = wayland::WaylandConnection::open(m_displayName ? m_displayName->c_str() : nullptr);
    m_list = PlasmaWindowList::create(m_connection);
    m_wake = epoll_create1(EPOLL_CLOEXEC);
    epoll_event readable{};
    readable.events = EPOLLIN;
    if (!m_list || m_wake < 0 || epoll_ctl(m_wake, EPOLL_CTL_ADD, m_connection->fd(), &readable) != 0) {
        stop();
        return -1;
    }
    m_last = current(); // not reported
    return m_wake;
}

void PlasmaActiveWindowWatch::stop()
{
    // The list goes before the connection that carries it.
    m_list.reset();
    m_connection.reset();
    if (m_wake >= 0)
        ::close(m_wake);
    m_wake = -1;
}

ActiveWindow PlasmaActiveWindowWatch::current() const
{
    const PlasmaWindowList::Window* active = m_list ? m_list->active() : nullptr;
    if (!active)
        return {0, {}, false};
    return {active->id, active->title, !m_ownAppId.empty() && active->appId == m_ownAppId};
}

std::optional<ActiveWindow> PlasmaActiveWindowWatch::takeChange()
{
    if (!m_connection)
        return std::nullopt;
    if (!m_connection->readEvents()) {
        epoll_ctl(m_wake, EPOLL_CTL_DEL, m_connection->fd(), nullptr);
        return std::nullopt;
    }
    // Compared once everything read is handled: a move reports the window left and the one
    // entered in either order.
    ActiveWindow now = current();
    if (now.id == m_last.id && now.caption == m_last.caption)
        return std::nullopt;
    m_last = now;
    return now;
}

} // namespace rukcon::platform::kwin
