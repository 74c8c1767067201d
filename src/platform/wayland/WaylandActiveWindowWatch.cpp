#include "platform/wayland/WaylandActiveWindowWatch.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <sys/epoll.h>
#include <unistd.h>

namespace rukcon::platform::wayland {

// The listeners, as members of a friend so they reach the list.
struct WatchEvents {
    using Toplevel = WaylandActiveWindowWatch::Toplevel;

    static void title(void* data, zwlr_foreign_toplevel_handle_v1*, const char* title)
    {
        static_cast<Toplevel*>(data)->pendingTitle = title ? title : "";
    }
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId)
    {
        static_cast<Toplevel*>(data)->pendingAppId = appId ? appId : "";
    }
    static void outputEnter(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void outputLeave(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        const auto* begin = static_cast<const uint32_t*>(states->data);
        const auto* end = begin + states->size / sizeof(uint32_t);
        toplevel->pendingActivated = std::find(begin, end, ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) != end;
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        toplevel->title = toplevel->pendingTitle;
        toplevel->appId = toplevel->pendingAppId;
        toplevel->activated = toplevel->pendingActivated;
        WaylandActiveWindowWatch* watch = toplevel->owner;
        if (toplevel->activated)
            watch->m_active = toplevel;
        else if (watch->m_active == toplevel)
            watch->m_active = nullptr;
    }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1* handle)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        WaylandActiveWindowWatch* watch = toplevel->owner;
        if (watch->m_active == toplevel)
            watch->m_active = nullptr;
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        std::erase_if(watch->m_toplevels, [toplevel](const auto& t) { return t.get() == toplevel; });
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

    static constexpr zwlr_foreign_toplevel_handle_v1_listener kHandle = {
        title, appId, outputEnter, outputLeave, state, done, closed, parent,
    };

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle)
    {
        auto* watch = static_cast<WaylandActiveWindowWatch*>(data);
        auto toplevel = std::make_unique<Toplevel>(Toplevel{watch, handle, ++watch->m_lastId, {}, {}, {}, {}});
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandle, toplevel.get());
        watch->m_toplevels.push_back(std::move(toplevel));
    }
    static void finished(void*, zwlr_foreign_toplevel_manager_v1*) {}

    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManager = {toplevel, finished};
};

WaylandActiveWindowWatch::WaylandActiveWindowWatch(std::shared_ptr<WaylandConnection> session,
                                                   std::optional<std::string> displayName, std::string ownAppId)
    : m_session(std::move(session)), m_displayName(std::move(displayName)), m_ownAppId(std::move(ownAppId))
{
}

WaylandActiveWindowWatch::~WaylandActiveWindowWatch()
{
    stop();
}

bool WaylandActiveWindowWatch::available()
{
    return m_session && m_session->healthy() && m_session->toplevelManager();
}

int WaylandActiveWindowWatch::start()
{
    if (m_connection)
        return m_wake;
    m_connection = WaylandConnection::open(m_displayName ? m_displayName->c_str() : nullptr);
    if (!m_connection || !m_connection->toplevelManager()) {
        m_connection.reset();
        return -1;
    }
    zwlr_foreign_toplevel_manager_v1_add_listener(m_connection->toplevelManager(), &WatchEvents::kManager, this);
    // The toplevels that exist are announced at once, their titles and states in a second trip.
    m_wake = epoll_create1(EPOLL_CLOEXEC);
    epoll_event readable{};
    readable.events = EPOLLIN;
    if (!m_connection->roundtrip() || !m_connection->roundtrip() || m_wake < 0 ||
        epoll_ctl(m_wake, EPOLL_CTL_ADD, m_connection->fd(), &readable) != 0) {
        stop();
        return -1;
    }
    m_last = current(); // not reported
    return m_wake;
}

void WaylandActiveWindowWatch::stop()
{
    // The handles go before the connection that carries them; closing it ends the compositor's
    // side of the list too.
    for (const auto& t : m_toplevels)
        zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
    m_toplevels.clear();
    m_active = nullptr;
    m_connection.reset();
    if (m_wake >= 0)
        ::close(m_wake);
    m_wake = -1;
}

ActiveWindow WaylandActiveWindowWatch::current() const
{
    if (!m_active)
        return {0, {}, false};
    return {m_active->id, m_active->title, !m_ownAppId.empty() && m_active->appId == m_ownAppId};
}

std::optional<ActiveWindow> WaylandActiveWindowWatch::takeChange()
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

} // namespace rukcon::platform::wayland
