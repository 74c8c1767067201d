#include "platform/kwin/PlasmaActiveWindowWatch.h"

namespace rukcon::platform::kwin {

namespace {
constexpr const char* kWindowManagement = "org_kde_plasma_window_management";
}

PlasmaActiveWindowWatch::PlasmaActiveWindowWatch(std::shared_ptr<wayland::WaylandConnection> session,
                                                 std::optional<std::string> displayName, std::string ownAppId)
    : m_session(std::move(session)), m_displayName(std::move(displayName)), m_changes(std::move(ownAppId))
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
        return m_changes.wake();
    m_connection = wayland::WaylandConnection::open(m_displayName ? m_displayName->c_str() : nullptr);
    m_list = PlasmaWindowList::create(m_connection);
    if (!m_list || m_changes.watch(*m_connection) < 0) {
        stop();
        return -1;
    }
    m_changes.know(current());
    return m_changes.wake();
}

void PlasmaActiveWindowWatch::stop()
{
    // The list goes before the connection that carries it.
    m_list.reset();
    m_connection.reset();
    m_changes.unwatch();
}

ActiveWindow PlasmaActiveWindowWatch::current() const
{
    const PlasmaWindowList::Window* active = m_list ? m_list->active() : nullptr;
    if (!active)
        return {0, {}, false};
    return m_changes.describe(active->id, active->title, active->appId);
}

std::optional<ActiveWindow> PlasmaActiveWindowWatch::takeChange()
{
    if (!m_connection || !m_changes.read(*m_connection))
        return std::nullopt;
    return m_changes.changed(current());
}

} // namespace rukcon::platform::kwin
